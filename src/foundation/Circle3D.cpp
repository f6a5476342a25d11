#include "foundation/Circle3D.h"

#include <cmath>
#include <memory>

#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"

Circle3D::Circle3D(const Vertex& centre, float radius, int segments, const Vertex& axis)
    : IdentifiableObject(0, 0, nullptr), radius(radius)
{
    if (segments <= 0)
        return;
    const float step = 2.0f * Mathematics::PI / static_cast<float>(segments);
    float t = 0.0f;
    points.reserve(static_cast<size_t>(segments));
    for (int k = 0; k < segments; ++k) {
        // Owned here until the list takes it: setting its normal allocates,
        // and running out of memory there must not lose the point.
        auto p = std::make_unique<Vertex>(radius * std::cos(t), radius * std::sin(t), 0.0f);
        Vector3D n(*p);
        n.normalize();
        p->setNormal(n);
        points.push_back(p.release());
        t += step;
    }
    if (!(axis == GLUtils::AxisZ))
        rotatePoints(Mathematics::PI / 2.0f, axis);
    translate(centre.getX(), centre.getY(), centre.getZ());
}

Circle3D::Circle3D(const Circle3D& other) : IdentifiableObject(other), radius(other.radius) {}

Circle3D::Circle3D(Circle3D&& other) noexcept : IdentifiableObject(std::move(other)), radius(other.radius) {}

Circle3D& Circle3D::operator=(const Circle3D& other)
{
    IdentifiableObject::operator=(other);
    radius = other.radius;
    return *this;
}

Circle3D& Circle3D::operator=(Circle3D&& other) noexcept
{
    IdentifiableObject::operator=(std::move(other));
    radius = other.radius;
    return *this;
}

Circle3D::~Circle3D() = default;

Circle3D* Circle3D::clone() const
{
    return new Circle3D(*this);
}

void Circle3D::rotate(float angle, const Vertex& axis)
{
    rotatePoints(angle, axis);
}
