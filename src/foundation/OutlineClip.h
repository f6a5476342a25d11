#pragma once

#include <cstddef>
#include <vector>

class Vector3D;

// GLUtils::clipToOutline for many segments against one outline that does
// not change meanwhile. The walk along the outline's upper side starts at
// its first point from the trailing edge at or ahead of the segment's rear
// end; for each segment that start was looked for from the trailing edge
// point by point. Here it is found on the lowest x met so far along the
// side, from where the segment before started: the first point at or ahead
// of a station is the first where the lowest x so far gets there, and the
// segments of a sheeted run follow each other along the side.
class OutlineClip
{
public:
    // Clips against outline until the next use() or forget(); outline must
    // keep its points meanwhile.
    void use(const std::vector<Vector3D*>& outline);
    // The outline may have changed: its index is built again.
    void forget();

    // The same as GLUtils::clipToOutline(a, b, outline).
    void clip(const Vector3D& a, Vector3D& b);

private:
    void index();
    std::size_t firstAtOrAhead(float x);

    const std::vector<Vector3D*>* outline = nullptr;
    // lowestX[k]: the lowest x of the points 1 to k; [0] is not used.
    std::vector<float> lowestX;
    bool indexed = false;
    // A NaN x compares with nothing: the walk then steps as before.
    bool searchable = false;
    std::size_t lastFound = 1;
};
