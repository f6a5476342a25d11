#pragma once

#include <list>
#include <vector>

#include "foundation/Vertex.h"

class Triangle2D;

// A closed outline in the XY plane with its bounding box; owns its points.
class Polygon2D
{
public:
    using PointList = std::list<Vertex*>;
    using Position = PointList::iterator;

    Polygon2D();
    virtual ~Polygon2D();
    // A polygon is never duplicated by accident: copies are made point by
    // point through Triangle2D or numberPoints.
    Polygon2D& operator=(const Polygon2D&) = delete;
    Polygon2D(Polygon2D&& other) noexcept;
    Polygon2D& operator=(Polygon2D&& other) noexcept;

    // Takes ownership of p.
    void addPoint(Vertex* p);
    const PointList& getPoints() const { return points; }
    PointList& getPoints() { return points; }
    float getMinX() const { return minX; }
    float getMaxX() const { return maxX; }
    float getMinY() const { return minY; }
    float getMaxY() const { return maxY; }

    void clearProp(unsigned bits);
    void setZ(float z);
    void print() const;
    // Every position in order, and the indices of the points marked as
    // lying inside the other polygon (bit 2).
    void collectPoints(std::vector<Position>& positions, std::vector<int>& innerIndices);
    // Cuts a polygon left by Triangle2D::clip into triangles appended to out.
    void triangulate(std::list<Polygon2D*>& out) const;

    static void deletePoints(std::list<Vertex*>& list);
    static void deletePoints(std::vector<Vertex*>& list);
    static void deletePolygons(std::list<Polygon2D*>& list);
    static void deletePolygons(std::vector<Polygon2D*>& list);
    // Numbers the source points from counter on and appends copies of them.
    static void numberPoints(const PointList& source, int& counter, PointList& destination);
    // Throws std::invalid_argument when no point has the id.
    static Position findPointById(PointList& list, int id);
    // Cuts the cutter out of every triangle of the list, appending the
    // pieces to out; with remove, a triangle that was changed is taken out
    // of the list and deleted. A triangle whose clipping fails is left as it
    // was (nothing of it reaches out) and the result is false.
    static bool clipAll(std::list<Polygon2D*>& triangles, const Triangle2D& cutter, std::list<Polygon2D*>& out,
                        bool remove);
    static void triangulateAll(const std::list<Polygon2D*>& list, std::list<Polygon2D*>& out);

protected:
    // Deep copy, for Triangle2D.
    Polygon2D(const Polygon2D& other);

    PointList points;
    float minX;
    float maxX;
    float minY;
    float maxY;
};
