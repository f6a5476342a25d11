#pragma once

#include "foundation/IdentifiableObject.h"

// A ring of points round a centre, each with its outward unit normal.
class Circle3D : public IdentifiableObject
{
public:
    // The ring is built in the XY plane and turned a quarter about any other
    // unit axis, then moved to the centre. No points when segments <= 0.
    Circle3D(const Vertex& centre, float radius, int segments, const Vertex& axis);
    Circle3D(const Circle3D& other);
    Circle3D(Circle3D&& other) noexcept;
    Circle3D& operator=(const Circle3D& other);
    Circle3D& operator=(Circle3D&& other) noexcept;
    ~Circle3D() override;

    void rotate(float angle, const Vertex& axis) override;
    Circle3D* clone() const override;

    float getRadius() const { return radius; }
    // The points are not rebuilt.
    void setRadius(float r) { radius = r; }

private:
    float radius;
};
