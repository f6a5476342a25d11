#pragma once

#include <algorithm>

#include "foundation/Vector3D.h"

// Distances and meetings of straight segments in the xy plane, for the
// passes that mend rib outlines.
class SegmentGeometry
{
public:
    // The distance from p to segment ab, in float.
    static float distanceToSegmentXY(const Vector3D& p, const Vector3D& a, const Vector3D& b);
    // The nearest point (x, y) of segment ab to p, in float as the distance
    // above: the passes that search many segment pairs measure so.
    static void nearestOnSegmentXY(float px, float py, float ax, float ay, float bx, float by, float& x, float& y)
    {
        const float dx = bx - ax;
        const float dy = by - ay;
        const float lengthSquared = dx * dx + dy * dy;
        float t = 0.0f;
        if (lengthSquared > 0.0f) {
            t = std::min(1.0f, std::max(0.0f, ((px - ax) * dx + (py - ay) * dy) / lengthSquared));
        }
        x = ax + t * dx;
        y = ay + t * dy;
    }
    // Where segments ab and cd cross or touch, other than end to end in a
    // straight line; at is set to the point they share.
    static bool segmentsMeet(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, Vector3D& at);
    // The nearest point of segment ab to p, in double, unlike the distance
    // above: the point where touching surfaces meet becomes an outline point.
    static Vector3D nearestOnSegment(const Vector3D& p, const Vector3D& a, const Vector3D& b);
    // Where segments ab and cd, not crossing, come within reach of each
    // other: at is set halfway between their nearest points. Both sheets
    // clipped onto one camber line leave the two surfaces touching without
    // a crossing.
    static bool segmentsTouch(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, float reach,
                              Vector3D& at);
};
