#include "foundation/SegmentGeometry.h"

#include <algorithm>
#include <cmath>

float SegmentGeometry::distanceToSegmentXY(const Vector3D& p, const Vector3D& a, const Vector3D& b)
{
    float x = 0.0f;
    float y = 0.0f;
    nearestOnSegmentXY(p.getX(), p.getY(), a.getX(), a.getY(), b.getX(), b.getY(), x, y);
    return std::hypot(x - p.getX(), y - p.getY());
}

bool SegmentGeometry::segmentsMeet(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, Vector3D& at)
{
    const double abx = double(b.getX()) - a.getX();
    const double aby = double(b.getY()) - a.getY();
    const double cdx = double(d.getX()) - c.getX();
    const double cdy = double(d.getY()) - c.getY();
    const double acx = double(c.getX()) - a.getX();
    const double acy = double(c.getY()) - a.getY();
    const double denominator = abx * cdy - aby * cdx;
    if (denominator == 0.0) {
        return false;
    }
    const double t = (acx * cdy - acy * cdx) / denominator;
    const double u = (acx * aby - acy * abx) / denominator;
    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0) {
        return false;
    }
    at.set(float(a.getX() + t * abx), float(a.getY() + t * aby), a.getZ());
    return true;
}

Vector3D SegmentGeometry::nearestOnSegment(const Vector3D& p, const Vector3D& a, const Vector3D& b)
{
    const double dx = double(b.getX()) - a.getX();
    const double dy = double(b.getY()) - a.getY();
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = ((p.getX() - a.getX()) * dx + (p.getY() - a.getY()) * dy) / lengthSquared;
        t = std::min(1.0, std::max(0.0, t));
    }
    return Vector3D(float(a.getX() + t * dx), float(a.getY() + t * dy), a.getZ());
}

bool SegmentGeometry::segmentsTouch(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, float reach,
                   Vector3D& at)
{
    float nearest = reach;
    bool found = false;
    auto consider = [&](const Vector3D& p, const Vector3D& q0, const Vector3D& q1) {
        const Vector3D on = nearestOnSegment(p, q0, q1);
        const float distance = p.distanceXY(on);
        if (distance <= nearest) {
            nearest = distance;
            at.set((p.getX() + on.getX()) * 0.5f, (p.getY() + on.getY()) * 0.5f, p.getZ());
            found = true;
        }
    };
    consider(a, c, d);
    consider(b, c, d);
    consider(c, a, b);
    consider(d, a, b);
    return found;
}
