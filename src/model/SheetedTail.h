#pragma once

#include <vector>

class Vector3D;

// The end of a sheeted rib at a trailing-edge piece's face. Sheets sunk
// into a thin trailing edge from one side or both may leave the rib thinner
// than 0.5 mm for a way up to the face: a wedge a hair thick, or a long
// sliver, that no builder can cut. The rib then ends where it is still
// 0.5 mm thick, with a face across it; what lies behind is sheet (or air).
// Works on a finished outline (Selig order, units of the wing root chord)
// whose points still carry how far the sheets have sunk them.
class SheetedTail
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm. Tells whether it moved the end.
    static bool endWhereThick(PointList& outline, float scale);

private:
    struct Side {
        std::vector<int> points;
    };
    // The side from the face forwards (step +1 from the first point, -1
    // from the last), as long as it runs forwards without a step across
    // the chord (a slot's wall) longer than hair, and no farther than stop.
    static void collect(const PointList& outline, int from, int step, int stop, float hair, Side& side);
    // The side's height at x; false beyond its end.
    static bool heightAt(const PointList& outline, const Side& side, float x, float& y);
};
