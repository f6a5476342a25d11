#include "foundation/GLUtils.h"

#include <algorithm>

namespace GLUtils {

const Vector3D AxisX(1.0f, 0.0f, 0.0f);
const Vector3D AxisY(0.0f, 1.0f, 0.0f);
const Vector3D AxisZ(0.0f, 0.0f, 1.0f);

bool greyMode = false;

void rotatePoints(std::vector<Vector3D*>& points, float angle, const Vector3D& axis)
{
    for (Vector3D* p : points)
        p->rotate(angle, axis);
}

void rotatePoints(std::vector<Vertex*>& points, float angle, const Vector3D& axis)
{
    for (Vertex* p : points)
        p->rotate(angle, axis);
}

void translatePoints(std::vector<Vector3D*>& points, const Vector3D& v)
{
    for (Vector3D* p : points)
        *p += v;
}

void translatePoints(std::vector<Vertex*>& points, const Vector3D& v)
{
    for (Vertex* p : points)
        *p += v;
}

bool intersectSegments(Vertex& a0, Vertex& a1, const Vertex& b0, const Vertex& b1, Vertex& out, float eps)
{
    const Vertex d1 = Vertex::fromDifference(a1, a0);
    const Vertex d2 = Vertex::fromDifference(b1, b0);
    const float den = d1.cross2D(d2);
    if (den == 0.0f)
        return false;
    const Vertex w = Vertex::fromDifference(b0, a0);
    float t = w.cross2D(d2) / den;
    if (!(t >= -eps && t <= 1.0f + eps))
        return false;
    t = std::min(1.0f, std::max(0.0f, t));
    const float u = w.cross2D(d1) / den;
    if (!(u >= -eps && u <= 1.0f + eps))
        return false;
    out.setX(a0.getX() + d1.getX() * t);
    out.setY(a0.getY() + d1.getY() * t);
    out.setZ(a0.getZ() + d1.getZ() * t);
    if (t == 0.0f)
        a0.setProp(2);
    else if (t == 1.0f)
        a1.setProp(2);
    return true;
}

void clipToOutline(const Vector3D& a, Vector3D& b, const std::vector<Vector3D*>& outline)
{
    const size_t n = outline.size();
    if (n < 3)
        return;
    const float xhi = std::max(a.getX(), b.getX());
    const float xlo = std::min(a.getX(), b.getX());
    size_t k = 1;
    while (k < n && outline[k]->getX() > xhi)
        ++k;
    // The hit test may mark the segment's own ends; a is the caller's fixed
    // point, so it is tested on a scratch copy.
    Vector3D start(a);
    for (; k < n && outline[k - 1]->getX() > xlo; ++k) {
        Vector3D hit;
        if (intersectSegments(start, b, *outline[k - 1], *outline[k], hit, 1e-7f)) {
            b.setX(hit.getX());
            b.setY(hit.getY());
            return;
        }
    }
}

} // namespace GLUtils
