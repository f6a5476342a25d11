#include "foundation/Polygon3D.h"

Polygon3D::Polygon3D(std::vector<Vertex*>& taken) : IdentifiableObject(0, 0, nullptr)
{
    points.swap(taken);
    taken.clear();
}

Polygon3D::Polygon3D(const std::vector<Vertex*>& copied) : IdentifiableObject(0, 0, nullptr)
{
    points.reserve(copied.size());
    for (const Vertex* p : copied)
        points.push_back(new Vertex(*p));
}

Polygon3D::Polygon3D(const Polygon3D& other) : IdentifiableObject(other) {}

Polygon3D::Polygon3D(Polygon3D&& other) noexcept : IdentifiableObject(std::move(other)) {}

Polygon3D& Polygon3D::operator=(const Polygon3D& other)
{
    IdentifiableObject::operator=(other);
    return *this;
}

Polygon3D& Polygon3D::operator=(Polygon3D&& other) noexcept
{
    IdentifiableObject::operator=(std::move(other));
    return *this;
}

Polygon3D::~Polygon3D() = default;

Polygon3D* Polygon3D::clone() const
{
    return new Polygon3D(*this);
}

void Polygon3D::rotate(float angle, const Vertex& axis)
{
    rotatePoints(angle, axis);
}
