#pragma once

#include <vector>

class OutlinePieces;
class OutlineRuns;
class Vector3D;

// The small remains of a rib's nose that sheets and slots leave joined to
// the rib by a stretch narrower than the finishing limit (a one-sided
// sheet's inner face running close above the other side's slot floor, say),
// and the larger noses the sheets alone all but part from it (a wedge
// between both sides' sheets): no builder can cut or keep them, so the rib
// ends at the near end of that stretch, cut straight across it.
class OutlineNeck
{
public:
    using PointList = std::vector<Vector3D*>;

    // Mends at most one such end, on the runs as last found and closed with
    // the corners between them; scale is the wing root chord in mm. Tells
    // whether it did.
    // Given pieces, a nose that holds wood to build goes there as a piece of
    // its own before it leaves the outline.
    static bool trimSmallNose(PointList& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                              float scale, OutlinePieces* pieces = nullptr);
    // Mends at most one end of a rib that sheets of both sides have parted
    // from its trailing edge, where what stays behind the neck (round the
    // outline's closing run) is a wedge between the sheets' inner faces,
    // narrower than the finishing limit. Tells whether it did.
    static bool trimThinTail(PointList& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                             float scale);
};
