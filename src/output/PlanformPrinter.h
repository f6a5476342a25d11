#pragma once

#include <QPen>
#include <QPolygonF>
#include <QString>
#include <list>
#include <vector>

class Panel;
class PrintPage;
class QPainter;
class QTransform;

// The full-size building plan of one wing half: every panel seen from
// above, cut into page-sized tiles that are laid side by side along their
// dashed borders. The left half is the same plan drawn on a mirrored
// painter, with its texts drawn unmirrored.
class PlanformPrinter
{
public:
    // scale: the wing root chord (rib offsets are stored in its units).
    PlanformPrinter(PrintPage& page, float scale);

    // The tiles of all panels; starts on the current page.
    void print(const std::list<Panel*>& panels);

    // Tiles across the span (10 mm past the tip included) and along the
    // chord, each at least one.
    static int columnCount(float length, int pageWidth);
    static int rowCount(float rootChord, float tipChord, float sweep, int pageHeight);

    // The shapes of one panel in plan coordinates (x along the span from
    // the root rib, y rearwards from the root's leading edge), drawn in the
    // order that lets later shapes cover earlier ones.
    static float printLEStrip(float rootY, float tipY, float length, const Panel* panel, QPainter* painter,
                              float& leSlope);
    static float printTEStrip(float rootTE, float tipTE, float length, const Panel* panel, QPainter* painter,
                              float& teSlope);
    static void printSpars(const Panel* panel, QPainter* painter, bool overRibs);
    static void printCombs(const Panel* panel, QPainter* painter, int combType);
    // A rib's name on the plan and its length in the painter's font.
    struct RibLabel {
        QString text;
        int width;
    };
    static std::vector<RibLabel> ribLabels(const Panel* panel, const QPainter* painter);
    // labels: the panel's ribLabels when the caller keeps them from tile to
    // tile; worked out here otherwise.
    static void printPanelRibs(float scale, float leDepth, float leSlope, float teSlope, const Panel* panel,
                               QPainter* painter, const QTransform* unmirrored,
                               const std::vector<RibLabel>* labels = nullptr);

    static QPolygonF makeQuadrilateral(const QPointF points[4]);

private:
    void printPanel(const Panel* panel, bool lastPanel);

    PrintPage& page;
    QPainter* painter;
    float scale;
    QPen tilePen;
};
