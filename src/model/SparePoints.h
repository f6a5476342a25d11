#pragma once

#include <vector>

class Vector3D;

// Points of a rib's last build on their way to its next: a list of them
// moved out of the rib, for a new list to refill rather than allocate again.
// It owns them while they are on the way, so that a rebuild that stops in
// between (memory ran out) deletes them with it and no point is left with
// two owners or none.
class SparePoints
{
public:
    SparePoints() = default;
    SparePoints(const SparePoints&) = delete;
    SparePoints& operator=(const SparePoints&) = delete;
    ~SparePoints();

    std::vector<Vector3D*> points;
};
