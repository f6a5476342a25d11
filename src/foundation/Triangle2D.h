#pragma once

#include <list>

#include "foundation/Polygon2D.h"

// Three points in the XY plane, with the tools to cut one triangle out of
// another and to tell the winding of three points.
class Triangle2D : public Polygon2D
{
public:
    Triangle2D(float x1, float y1, float x2, float y2, float x3, float y3);
    Triangle2D(const Vertex& a, const Vertex& b, const Vertex& c);
    explicit Triangle2D(const Polygon2D& other);
    Triangle2D(const Triangle2D& other);
    ~Triangle2D() override;

    // Points on an edge count as inside.
    bool contains(const Vertex& p) const;
    // Cuts the cutter out of this triangle; the remaining outlines go to out.
    // False (with a copy of this triangle in out) when the two cannot
    // overlap. Marks the points of both triangles. Throws
    // std::invalid_argument when the outlines cannot be walked.
    bool clip(const Triangle2D& cutter, std::list<Polygon2D*>& out) const;

    static bool isClockwise(const Vertex& a, const Vertex& b, const Vertex& c);
    bool isClockwise() const;
    static float orientation(const Vertex& p1, const Vertex& p2, const Vertex& p3);
};
