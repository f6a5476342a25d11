#pragma once

#include <functional>
#include <vector>

// The pairs of segments of a closed polyline whose extents come within a
// margin of each other, neighbours left out: the only pairs that can cross
// or touch. The polyline is cut into stretches that each run one way along
// x, so the segments of a stretch already lie in order of x: each segment
// is set against the few of its own and of every other stretch that overlap
// it along x, with no sort. A rib outline is two such stretches and a few
// short ones where a slot wall leans back.
class CloseSegments
{
public:
    struct Point {
        float x;
        float y;
    };

    // points holds count + 1 points, the last a copy of the first; segment s
    // runs from point s to point s + 1. accept(low, high), low < high, is
    // called for candidate pairs until it returns true, and find tells
    // whether it did. A point that is not finite counts as meeting anything.
    bool find(const Point* points, int count, float margin, const std::function<bool(int, int)>& accept);

    // The point of segment a–b nearest to p, in double all through: the
    // distance to it is taken from the unrounded point.
    static void nearestOnSegment(const Point& p, const Point& a, const Point& b, double& x, double& y);

private:
    // A stretch seen in order of growing x: its k-th point is
    // points[first + step * k], k from 0 to segments.
    struct Stretch {
        int first;
        int step;
        int segments;
        float minX;
        float maxX;
        float minY;
        float maxY;
        // The largest coordinate, for the room left for rounding.
        float size;
    };

    bool cutStretches(float margin);
    void addStretch(int begin, int end, float direction, float minY, float maxY);
    bool withinStretches(float margin, const std::function<bool(int, int)>& accept) const;
    bool betweenStretches(const Stretch& a, const Stretch& b, float room,
                          const std::function<bool(int, int)>& accept) const;
    int firstReaching(const Stretch& s, float x) const;
    bool offer(int s, int t, const std::function<bool(int, int)>& accept) const;

    const Point* points = nullptr;
    int count = 0;
    std::vector<Stretch> stretches;
    // The segments that continue their stretch less than the margin along x.
    std::vector<int> upright;
};
