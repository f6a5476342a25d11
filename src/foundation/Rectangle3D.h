#pragma once

#include <vector>

#include "foundation/IdentifiableObject.h"

class Vector3D;

// Four corners in order round the rectangle. A rectangle that could not be
// given four corners holds none, and every corner operation leaves it alone.
class Rectangle3D : public IdentifiableObject
{
public:
    Rectangle3D();
    Rectangle3D(const Vertex& p0, const Vertex& p1, const Vertex& p2, const Vertex& p3);
    explicit Rectangle3D(const std::vector<Vector3D*>& list);
    explicit Rectangle3D(const IdentifiableObject& other);
    // Corner i moves the distance t from a's corner towards b's.
    Rectangle3D(const Rectangle3D& a, const Rectangle3D& b, float t);
    Rectangle3D(const Rectangle3D& other);
    Rectangle3D(Rectangle3D&& other) noexcept;
    Rectangle3D& operator=(const Rectangle3D& other);
    Rectangle3D& operator=(Rectangle3D&& other) noexcept;
    ~Rectangle3D() override;

    void rotate(float angle, const Vertex& axis) override;
    Rectangle3D* clone() const override;

    bool hasCorners() const { return points.size() >= 4; }
    // Nothing happens when upper < lower.
    void clampY(float upper, float lower);
    // Pulls corners 1 and 2 back by a and corners 0 and 3 by b along the
    // edges 0-1 and 3-2, in one coordinate plane.
    void shortenXY(float a, float b);
    void shortenYZ(float a, float b);
    void shortenXZ(float a, float b);
    void extendY(float a, float b);
    void extendZ(float a, float b);
    float getLength01() const;
    float getLength12() const;
    void getNormal(Vector3D& out, int sign) const;

private:
    void shorten(int u, int v, float a, float b);
};
