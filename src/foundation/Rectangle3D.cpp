#include "foundation/Rectangle3D.h"

#include <cmath>
#include <iostream>

#include "foundation/Vector3D.h"

namespace {
float coord(const Vertex& p, int axis)
{
    return axis == 0 ? p.getX() : (axis == 1 ? p.getY() : p.getZ());
}

void setCoord(Vertex& p, int axis, float value)
{
    if (axis == 0)
        p.setX(value);
    else if (axis == 1)
        p.setY(value);
    else
        p.setZ(value);
}
}

Rectangle3D::Rectangle3D() : Rectangle3D(Vertex(1, 1, 0), Vertex(0, 1, 0), Vertex(0, 0, 0), Vertex(1, 0, 0))
{
}

Rectangle3D::Rectangle3D(const Vertex& p0, const Vertex& p1, const Vertex& p2, const Vertex& p3)
    : IdentifiableObject(0, 0, nullptr)
{
    // One at a time, so that the corners already made are the rectangle's
    // (and freed with it) when memory runs out for the next.
    points.reserve(4);
    for (const Vertex* corner : {&p0, &p1, &p2, &p3})
        points.push_back(new Vertex(*corner));
}

Rectangle3D::Rectangle3D(const std::vector<Vector3D*>& list) : IdentifiableObject(0, 0, nullptr)
{
    if (list.size() < 4) {
        std::cout << "Rectangle3D needs four corners, got " << list.size() << std::endl;
        return;
    }
    for (size_t i = 0; i < 4; ++i)
        points.push_back(new Vertex(*list[i]));
}

Rectangle3D::Rectangle3D(const IdentifiableObject& other) : IdentifiableObject(0, 0, nullptr)
{
    const std::vector<Vertex*>& src = other.getPoints();
    if (src.size() < 4) {
        std::cout << "Rectangle3D needs four corners, got " << src.size() << std::endl;
        return;
    }
    for (size_t i = 0; i < 4; ++i)
        points.push_back(new Vertex(*src[i]));
}

Rectangle3D::Rectangle3D(const Rectangle3D& a, const Rectangle3D& b, float t) : IdentifiableObject(0, 0, nullptr)
{
    if (!a.hasCorners() || !b.hasCorners()) {
        std::cout << "Rectangle3D needs four corners on both sides" << std::endl;
        return;
    }
    for (size_t i = 0; i < 4; ++i) {
        Vertex* corner = new Vertex(*a.points[i]);
        const Vertex d = Vertex::fromDifference(*b.points[i], *a.points[i]);
        const float len = d.length();
        if (len != 0.0f)
            corner->translate(d.getX() * t / len, d.getY() * t / len, d.getZ() * t / len);
        points.push_back(corner);
    }
}

Rectangle3D::Rectangle3D(const Rectangle3D& other) : IdentifiableObject(other) {}

Rectangle3D::Rectangle3D(Rectangle3D&& other) noexcept : IdentifiableObject(std::move(other)) {}

Rectangle3D& Rectangle3D::operator=(const Rectangle3D& other)
{
    IdentifiableObject::operator=(other);
    return *this;
}

Rectangle3D& Rectangle3D::operator=(Rectangle3D&& other) noexcept
{
    IdentifiableObject::operator=(std::move(other));
    return *this;
}

Rectangle3D::~Rectangle3D() = default;

Rectangle3D* Rectangle3D::clone() const
{
    return new Rectangle3D(*this);
}

void Rectangle3D::rotate(float angle, const Vertex& axis)
{
    rotatePoints(angle, axis);
}

void Rectangle3D::clampY(float upper, float lower)
{
    if (upper < lower)
        return;
    for (Vertex* p : points) {
        if (p->getY() > upper)
            p->setY(upper);
        else if (p->getY() < lower)
            p->setY(lower);
    }
}

void Rectangle3D::shorten(int u, int v, float a, float b)
{
    if (!hasCorners())
        return;
    Vertex& p0 = *points[0];
    Vertex& p1 = *points[1];
    Vertex& p2 = *points[2];
    Vertex& p3 = *points[3];
    const float du01 = coord(p0, u) - coord(p1, u), dv01 = coord(p0, v) - coord(p1, v);
    const float du32 = coord(p3, u) - coord(p2, u), dv32 = coord(p3, v) - coord(p2, v);
    const float l01 = std::sqrt(du01 * du01 + dv01 * dv01);
    const float l23 = std::sqrt(du32 * du32 + dv32 * dv32);
    // A collapsed edge has no direction to pull along; its corners stay.
    if (l01 != 0.0f) {
        const float f = a / l01;
        setCoord(p1, u, coord(p1, u) + du01 * f);
        setCoord(p1, v, coord(p1, v) + dv01 * f);
        setCoord(p2, u, coord(p2, u) + du32 * f);
        setCoord(p2, v, coord(p2, v) + dv32 * f);
    }
    if (l23 != 0.0f) {
        const float f = b / l23;
        setCoord(p0, u, coord(p0, u) - du01 * f);
        setCoord(p0, v, coord(p0, v) - dv01 * f);
        setCoord(p3, u, coord(p3, u) - du32 * f);
        setCoord(p3, v, coord(p3, v) - dv32 * f);
    }
}

void Rectangle3D::shortenXY(float a, float b) { shorten(0, 1, a, b); }

void Rectangle3D::shortenYZ(float a, float b) { shorten(1, 2, a, b); }

void Rectangle3D::shortenXZ(float a, float b) { shorten(0, 2, a, b); }

void Rectangle3D::extendY(float a, float b)
{
    if (!hasCorners())
        return;
    points[0]->setY(points[0]->getY() - a);
    points[1]->setY(points[1]->getY() - a);
    points[2]->setY(points[2]->getY() + b);
    points[3]->setY(points[3]->getY() + b);
}

void Rectangle3D::extendZ(float a, float b)
{
    if (!hasCorners())
        return;
    points[0]->setZ(points[0]->getZ() - b);
    points[3]->setZ(points[3]->getZ() - b);
    points[1]->setZ(points[1]->getZ() + a);
    points[2]->setZ(points[2]->getZ() + a);
}

float Rectangle3D::getLength01() const
{
    return hasCorners() ? points[0]->distance(*points[1]) : 0.0f;
}

float Rectangle3D::getLength12() const
{
    return hasCorners() ? points[1]->distance(*points[2]) : 0.0f;
}

void Rectangle3D::getNormal(Vector3D& out, int sign) const
{
    if (!hasCorners()) {
        out.set(0.0f, 0.0f, 0.0f);
        return;
    }
    Vector3D n = Vector3D::cross(Vector3D::fromDifference(*points[1], *points[0]),
                                 Vector3D::fromDifference(*points[2], *points[0]));
    n *= static_cast<float>(sign);
    n.normalize();
    out.set(n.getX(), n.getY(), n.getZ());
}
