#include "foundation/Polygon2D.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <stdexcept>

#include "foundation/Triangle2D.h"

namespace {
constexpr unsigned IntersectionBit = 1;
constexpr unsigned InnerBit = 2;

size_t wrap(long i, size_t n)
{
    const long m = static_cast<long>(n);
    return static_cast<size_t>(((i % m) + m) % m);
}

void appendTriangle(std::list<Polygon2D*>& out, const Vertex* a, const Vertex* b, const Vertex* c)
{
    out.push_back(new Triangle2D(*a, *b, *c));
}

// Deletes what an owning container of pointers holds and empties it.
template <class Owning>
void deleteAll(Owning& container)
{
    for (auto* p : container)
        delete p;
    container.clear();
}

void removePoint(std::vector<const Vertex*>& pts, const Vertex* p)
{
    pts.erase(std::remove(pts.begin(), pts.end(), p), pts.end());
}

// Repeatedly cuts off the first ear; points inside the other polygon are
// never ear tips. Whatever is left without an ear is dropped.
void earClip(std::vector<const Vertex*> pts, std::list<Polygon2D*>& out)
{
    for (;;) {
        const size_t n = pts.size();
        if (n < 3)
            return;
        if (n == 3) {
            appendTriangle(out, pts[0], pts[1], pts[2]);
            return;
        }
        bool found = false;
        for (size_t i = 0; i < n && !found; ++i) {
            if (pts[i]->hasProp(InnerBit))
                continue;
            const Vertex* next = pts[wrap(static_cast<long>(i) + 1, n)];
            const Vertex* prev = pts[wrap(static_cast<long>(i) - 1, n)];
            const Triangle2D ear(*pts[i], *next, *prev);
            bool empty = true;
            for (const Vertex* q : pts) {
                if (q == pts[i] || q == next || q == prev)
                    continue;
                if (ear.contains(*q)) {
                    empty = false;
                    break;
                }
            }
            if (empty) {
                out.push_back(new Triangle2D(ear));
                pts.erase(pts.begin() + static_cast<long>(i));
                found = true;
            }
        }
        if (!found)
            return;
    }
}
}

Polygon2D::Polygon2D()
    : minX(std::numeric_limits<float>::max()), maxX(-std::numeric_limits<float>::max()),
      minY(std::numeric_limits<float>::max()), maxY(-std::numeric_limits<float>::max())
{
}

Polygon2D::Polygon2D(const Polygon2D& other) : Polygon2D()
{
    for (const Vertex* p : other.points)
        addPoint(new Vertex(*p));
}

Polygon2D::Polygon2D(Polygon2D&& other) noexcept
    : points(std::move(other.points)), minX(other.minX), maxX(other.maxX), minY(other.minY), maxY(other.maxY)
{
    other.points.clear();
}

Polygon2D& Polygon2D::operator=(Polygon2D&& other) noexcept
{
    if (this == &other)
        return *this;
    deletePoints(points);
    points = std::move(other.points);
    other.points.clear();
    minX = other.minX;
    maxX = other.maxX;
    minY = other.minY;
    maxY = other.maxY;
    return *this;
}

Polygon2D::~Polygon2D()
{
    deletePoints(points);
}

void Polygon2D::addPoint(Vertex* p)
{
    points.push_back(p);
    minX = std::min(minX, p->getX());
    maxX = std::max(maxX, p->getX());
    minY = std::min(minY, p->getY());
    maxY = std::max(maxY, p->getY());
}

void Polygon2D::clearProp(unsigned bits)
{
    for (Vertex* p : points)
        p->clearProp(bits);
}

void Polygon2D::setZ(float z)
{
    for (Vertex* p : points)
        p->setZ(z);
}

void Polygon2D::print() const
{
    for (const Vertex* p : points) {
        std::cout << "(" << p->getX() << ", " << p->getY() << ", " << p->getZ() << "){id: " << p->getId()
                  << ", prop: " << p->getProp() << ", selected: " << p->isSelected() << "}" << std::endl;
    }
}

void Polygon2D::collectPoints(std::vector<Position>& positions, std::vector<int>& innerIndices)
{
    int index = 0;
    for (Position it = points.begin(); it != points.end(); ++it, ++index) {
        positions.push_back(it);
        if ((*it)->hasProp(InnerBit))
            innerIndices.push_back(index);
    }
}

void Polygon2D::triangulate(std::list<Polygon2D*>& out) const
{
    std::vector<const Vertex*> pts(points.begin(), points.end());
    const size_t n = pts.size();
    if (n < 3)
        return;
    if (n == 3) {
        appendTriangle(out, pts[0], pts[1], pts[2]);
        return;
    }
    if (n == 4) {
        appendTriangle(out, pts[0], pts[1], pts[2]);
        appendTriangle(out, pts[0], pts[2], pts[3]);
        return;
    }
    std::vector<long> inner;
    for (size_t i = 0; i < n; ++i) {
        if (pts[i]->hasProp(InnerBit))
            inner.push_back(static_cast<long>(i));
    }
    auto at = [&](long i) { return pts[wrap(i, n)]; };
    switch (inner.size()) {
    case 0:
        earClip(pts, out);
        break;
    case 1:
    case 2: {
        // The ears before the first and after the last inner point go
        // first; a single inner point is both.
        const long i = inner.front(), j = inner.back();
        appendTriangle(out, at(i), at(i - 2), at(i - 1));
        appendTriangle(out, at(j), at(j + 1), at(j + 2));
        const Vertex* after = at(j + 1);
        const Vertex* before = at(i - 1);
        removePoint(pts, after);
        removePoint(pts, before);
        earClip(pts, out);
        break;
    }
    case 3:
        std::cout << "Complete cutter triangle within the source triangle" << std::endl;
        break;
    default:
        std::cout << "Huh? How can there be " << inner.size() << " inner points???" << std::endl;
        earClip(pts, out);
        break;
    }
}

void Polygon2D::deletePoints(std::list<Vertex*>& list)
{
    deleteAll(list);
}

void Polygon2D::deletePoints(std::vector<Vertex*>& list)
{
    deleteAll(list);
}

void Polygon2D::deletePolygons(std::list<Polygon2D*>& list)
{
    deleteAll(list);
}

void Polygon2D::deletePolygons(std::vector<Polygon2D*>& list)
{
    deleteAll(list);
}

void Polygon2D::numberPoints(const PointList& source, int& counter, PointList& destination)
{
    for (Vertex* p : source) {
        p->setId(counter);
        destination.push_back(new Vertex(*p));
        ++counter;
    }
}

Polygon2D::Position Polygon2D::findPointById(PointList& list, int id)
{
    for (Position it = list.begin(); it != list.end(); ++it) {
        if ((*it)->getId() == id)
            return it;
    }
    throw std::invalid_argument("Invalid argument");
}

bool Polygon2D::clipAll(std::list<Polygon2D*>& triangles, const Triangle2D& cutter, std::list<Polygon2D*>& out,
                        bool remove)
{
    for (Polygon2D* t : triangles)
        t->clearProp(IntersectionBit | InnerBit);
    for (Vertex* p : cutter.getPoints())
        p->clearProp(IntersectionBit | InnerBit);

    bool allClipped = true;
    for (auto it = triangles.begin(); it != triangles.end();) {
        const Triangle2D* triangle = dynamic_cast<const Triangle2D*>(*it);
        if (!triangle) {
            ++it;
            continue;
        }
        const size_t before = out.size();
        bool changed = false;
        try {
            changed = triangle->clip(cutter, out);
        } catch (const std::invalid_argument&) {
            // Degenerate contacts (an edge running through a corner) can
            // leave an intersection without its partner. Keep the triangle
            // whole rather than lose it or hand out half a cut.
            while (out.size() > before) {
                delete out.back();
                out.pop_back();
            }
            std::cout << "Triangle left uncut: its outline could not be walked" << std::endl;
            allClipped = false;
            changed = false;
        }
        if (remove && changed) {
            delete *it;
            it = triangles.erase(it);
        } else {
            ++it;
        }
    }
    return allClipped;
}

void Polygon2D::triangulateAll(const std::list<Polygon2D*>& list, std::list<Polygon2D*>& out)
{
    for (const Polygon2D* p : list)
        p->triangulate(out);
}
