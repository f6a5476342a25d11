#pragma once

#include <vector>

#include "foundation/IdentifiableObject.h"

// A shape of any number of points, such as a covering strip.
class Polygon3D : public IdentifiableObject
{
public:
    // Takes the points over; the given list is left empty.
    explicit Polygon3D(std::vector<Vertex*>& points);
    // Copies the points.
    explicit Polygon3D(const std::vector<Vertex*>& points);
    Polygon3D(const Polygon3D& other);
    Polygon3D(Polygon3D&& other) noexcept;
    Polygon3D& operator=(const Polygon3D& other);
    Polygon3D& operator=(Polygon3D&& other) noexcept;
    ~Polygon3D() override;

    void rotate(float angle, const Vertex& axis) override;
    Polygon3D* clone() const override;
};
