#include "foundation/Vector3D.h"

#include <algorithm>
#include <cmath>

Vector3D Vector3D::cross(const Vertex& a, const Vertex& b)
{
    return Vector3D(a.getY() * b.getZ() - a.getZ() * b.getY(),
                    a.getZ() * b.getX() - a.getX() * b.getZ(),
                    a.getX() * b.getY() - a.getY() * b.getX());
}

Vector3D& Vector3D::setMidpoint(const Vertex& a, const Vertex& b)
{
    x = (a.getX() + b.getX()) * 0.5f;
    y = (a.getY() + b.getY()) * 0.5f;
    z = (a.getZ() + b.getZ()) * 0.5f;
    return *this;
}

Vector3D Vector3D::fromScaled(const Vector3D& v, float s)
{
    Vector3D result(v);
    result *= s;
    return result;
}

void Vector3D::equalizeYMax(Vector3D& a, Vector3D& b)
{
    const float y = std::max(a.y, b.y);
    a.y = y;
    b.y = y;
}

void Vector3D::equalizeYMin(Vector3D& a, Vector3D& b)
{
    const float y = std::min(a.y, b.y);
    a.y = y;
    b.y = y;
}

void Vector3D::clearList(std::vector<Vector3D*>& list)
{
    deleteEach(list.data(), list.data() + list.size());
    list.clear();
}

Vector3D* Vector3D::insertCopy(std::vector<Vector3D*>& list, std::size_t index, const Vector3D& source)
{
    reserveMore(list, 1);
    Vector3D* copy = new Vector3D(source);
    // Within the capacity: moving pointers up cannot fail.
    list.insert(list.begin() + std::ptrdiff_t(index), copy);
    return copy;
}
