#pragma once

#include <vector>

class Vector3D;

// The end of a sheeted rib at a trailing-edge piece's face. Sheets sunk
// into a thin trailing edge from one side or both may leave the rib thinner
// than 0.5 mm for a way up to the face: a wedge a hair thick, or a long
// sliver, that no builder can cut. The rib then ends where it is still
// 0.5 mm thick, with a face across it; what lies behind is sheet (or air).
// The same holds where the sheets of both sides meet ahead of a face the
// bare rib ends on at least 0.5 mm thick: the rib would taper to the point
// where they meet. And where a section's own thin tail, sunk by a sheet
// (one that halves a rib whose rear is under 1 mm thick, say), runs thin
// from so far forwards that it is no taper but the most of the rib.
// Works on a finished outline (Selig order, units of the wing root chord)
// whose points still carry how far the sheets have sunk them.
class SheetedTail
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm; bareEnd how thick the bare rib
    // ends, across its first and last points. Tells whether it moved the end.
    static bool endWhereThick(PointList& outline, float scale, float bareEnd);

private:
    struct Side {
        std::vector<int> points;
    };
    // The side from the face forwards (step +1 from the first point, -1
    // from the last), as long as it runs forwards without a step across
    // the chord (a slot's wall) longer than hair (than wall at its first
    // station), and no farther than stop.
    static void collect(const PointList& outline, int from, int step, int stop, float hair, float wall,
                        Side& side);
    // Whether the rib is thinner than limit anywhere between behind and
    // from, as far as both sides run, or just past the end of the side that
    // ends first.
    static bool thinAhead(const PointList& outline, const Side& upper, const Side& lower, float from, float limit,
                          float hair, float behind);
    // The end where the sheets have thinned a section's own thin tail
    // below the limit farther forwards than the bare rib is thin, so far
    // that the tail holds the most of the way round the outline.
    static bool endThinnedTail(PointList& outline, float limit, float hair);
    // Where each side ends on a face leaning back and away from the other
    // (the end faces of the bands of both sides, which met), within the
    // limit of each other: the rib ends there, without the sliver behind.
    static bool endAtFaces(PointList& outline, const Side& upper, const Side& lower, float limit);
    // Whether twice the outline's area is less than its way round times the
    // limit; round, when given, takes the way round.
    static bool narrowOnAverage(const PointList& outline, float limit, float* round = nullptr);
    // The side's height at x; false beyond its end.
    static bool heightAt(const PointList& outline, const Side& side, float x, float& y);
};
