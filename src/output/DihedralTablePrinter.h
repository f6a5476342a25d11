#pragma once

#include <QString>
#include <list>
#include <vector>

class Panel;

class QPainter;
class QPen;

// The page that tells the builder how far to raise each panel at every wing
// joint: a sketch that defines the angle, the horizontal distance d and the
// height h, and a table with one row per joint.
class DihedralTablePrinter
{
public:
    // One joint: the two panels that meet, and the outer panel's dihedral
    // (degrees) and length (mm).
    struct Joint {
        QString innerName;
        QString outerName;
        float angle;
        float length;
    };

    // The joints of a wing, root joint first; the root joint names the
    // first panel on both sides.
    static std::vector<Joint> jointsOf(const std::list<Panel*>& panels);

    // Draws on the current page; the painter comes back as it was given.
    static void print(const QPen& gridPen, const QPen& textPen, int pageWidth, QPainter* painter,
                      const std::vector<Joint>& joints);

    // The horizontal distance and the height of a panel raised by angle.
    static float horizontalDistance(float angle, float length);
    static float height(float angle, float length);
};
