#pragma once

#include <vector>

#include "foundation/CloseSegments.h"

class Vector3D;

// Whether a piece the passes would drop holds wood a builder can cut. The
// passes judge a piece by its average width (twice its area against its
// way round), which calls a piece that runs out into a section's thin tail
// a sliver though it holds a millimetre and more of wood for a long way:
// such a piece is kept. Measured across the chord at stations 0.1 mm apart
// that the outline crosses just twice (a plain stretch of wood, not where
// sides turned inside out lie over each other), as the wood the piece holds
// there, across its middle line's slope: at least 0.5 mm for
// 1 mm along the chord, as a piece 1 mm square, the least the average
// keeps. A piece shorter than that along the chord is measured across it
// the same way: 0.5 mm of wood along the chord for 1 mm up or down.
class BuildableWood
{
public:
    using Point = CloseSegments::Point;

    static constexpr float thickMm = 0.5f;
    static constexpr float lengthMm = 1.0f;

    // The side of an outline's runs from first to last (indices taken
    // round count), closed through (atX, atY); scale is the wing root chord
    // in mm. A rib runs round counter-clockwise in the order of its points
    // (trailing edge, upper side, nose, lower side): wood is what lies
    // inside as it runs, whichever way what the sheets left of it runs.
    static bool heldBy(const Point* points, int count, int first, int last, float atX, float atY, float scale);
    // A closed outline.
    static bool heldBy(const std::vector<Vector3D*>& outline, float scale);

private:
    static bool measure(std::vector<Point>& polygon, float scale);
    static bool measureAlong(const std::vector<Point>& polygon, float scale);
};
