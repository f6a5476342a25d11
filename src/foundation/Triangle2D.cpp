#include "foundation/Triangle2D.h"

#include <iterator>
#include <memory>

#include "foundation/GLUtils.h"

namespace {
constexpr unsigned IntersectionBit = 1;
constexpr unsigned InnerBit = 2;
constexpr int FirstIntersectionId = 200;

// The two working outlines of one clip, freed however the clip ends.
struct WorkingLists {
    Polygon2D::PointList source;
    Polygon2D::PointList cutter;
    ~WorkingLists()
    {
        Polygon2D::deletePoints(source);
        Polygon2D::deletePoints(cutter);
    }
};

// Inserts p after the edge start at, keeping the intersections of one edge
// ordered by their distance from its start.
void insertAfter(Polygon2D::PointList& list, Polygon2D::Position start, Vertex* p)
{
    const float d = (*start)->distanceSquaredXY(*p);
    Polygon2D::Position it = std::next(start);
    while (it != list.end() && (*it)->hasProp(IntersectionBit) && (*start)->distanceSquaredXY(**it) <= d)
        ++it;
    list.insert(it, p);
}
}

Triangle2D::Triangle2D(float x1, float y1, float x2, float y2, float x3, float y3)
{
    addPoint(new Vertex(x1, y1, 0.0f));
    addPoint(new Vertex(x2, y2, 0.0f));
    addPoint(new Vertex(x3, y3, 0.0f));
}

Triangle2D::Triangle2D(const Vertex& a, const Vertex& b, const Vertex& c)
{
    addPoint(new Vertex(a));
    addPoint(new Vertex(b));
    addPoint(new Vertex(c));
}

Triangle2D::Triangle2D(const Polygon2D& other) : Polygon2D(other) {}

Triangle2D::Triangle2D(const Triangle2D& other) : Polygon2D(other) {}

Triangle2D::~Triangle2D() = default;

bool Triangle2D::contains(const Vertex& p) const
{
    if (points.size() < 3)
        return false;
    auto it = points.begin();
    const Vertex& a = **it++;
    const Vertex& b = **it++;
    const Vertex& c = **it;
    const float d1 = (p.getX() - b.getX()) * (a.getY() - b.getY()) - (p.getY() - b.getY()) * (a.getX() - b.getX());
    const float d2 = (p.getX() - c.getX()) * (b.getY() - c.getY()) - (p.getY() - c.getY()) * (b.getX() - c.getX());
    const float d3 = (p.getX() - a.getX()) * (c.getY() - a.getY()) - (p.getY() - a.getY()) * (c.getX() - a.getX());
    const bool n1 = d1 < 0.0f, n2 = d2 < 0.0f, n3 = d3 < 0.0f;
    return n1 == n2 && n2 == n3;
}

bool Triangle2D::clip(const Triangle2D& cutter, std::list<Polygon2D*>& out) const
{
    if (minX > cutter.maxX || cutter.minX > maxX || minY > cutter.maxY || cutter.minY > maxY) {
        out.push_back(new Triangle2D(*this));
        return false;
    }

    bool allInside = true;
    for (Vertex* p : points) {
        if (cutter.contains(*p)) {
            p->setProp(InnerBit);
        } else {
            p->clearProp(InnerBit);
            allInside = false;
        }
    }
    if (allInside)
        return true;
    for (Vertex* p : cutter.points) {
        if (contains(*p))
            p->setProp(InnerBit);
        else
            p->clearProp(InnerBit);
    }

    WorkingLists work;
    int counter = 0;
    numberPoints(points, counter, work.source);
    counter = 100;
    numberPoints(cutter.points, counter, work.cutter);

    int nextId = FirstIntersectionId;
    for (auto s = points.begin(); s != points.end(); ++s) {
        auto sNext = std::next(s) == points.end() ? points.begin() : std::next(s);
        for (auto c = cutter.points.begin(); c != cutter.points.end(); ++c) {
            auto cNext = std::next(c) == cutter.points.end() ? cutter.points.begin() : std::next(c);
            Vertex hit;
            if (!GLUtils::intersectSegments(**s, **sNext, **c, **cNext, hit, 0.0f))
                continue;
            hit.setProp(IntersectionBit);
            hit.setId(nextId++);
            insertAfter(work.source, findPointById(work.source, (*s)->getId()), new Vertex(hit));
            insertAfter(work.cutter, findPointById(work.cutter, (*c)->getId()), new Vertex(hit));
        }
    }
    for (const Vertex* p : points) {
        if (p->hasProp(InnerBit))
            (*findPointById(work.source, p->getId()))->setProp(InnerBit);
    }

    // Every step visits a new point, so a walk is never longer than both
    // lists together; the bound only guards against a malformed outline.
    const size_t maxSteps = work.source.size() + work.cutter.size() + 1;
    for (;;) {
        Position start = work.source.end();
        for (Position it = work.source.begin(); it != work.source.end(); ++it) {
            const Vertex* p = *it;
            if (!p->hasProp(IntersectionBit | InnerBit) && !p->isSelected()) {
                start = it;
                break;
            }
        }
        if (start == work.source.end())
            break;

        auto polygon = std::make_unique<Polygon2D>();
        Position current = start;
        bool onSource = true;
        for (size_t step = 0; step < maxSteps; ++step) {
            Vertex* p = *current;
            polygon->addPoint(new Vertex(*p));
            p->setSelected(true);
            if (p->hasProp(IntersectionBit)) {
                PointList& other = onSource ? work.cutter : work.source;
                current = findPointById(other, p->getId());
                (*current)->setSelected(true);
                onSource = !onSource;
            }
            PointList& list = onSource ? work.source : work.cutter;
            if (onSource) {
                ++current;
                if (current == list.end())
                    current = list.begin();
            } else {
                if (current == list.begin())
                    current = list.end();
                --current;
            }
            if ((*current)->isSelected())
                break;
        }
        if (polygon->getPoints().size() > 2)
            out.push_back(polygon.release());
    }
    return true;
}

bool Triangle2D::isClockwise(const Vertex& a, const Vertex& b, const Vertex& c)
{
    const float s = c.getX() * a.getY() - a.getX() * c.getY() + a.getX() * b.getY() - b.getX() * a.getY() +
                    b.getX() * c.getY() - c.getX() * b.getY();
    return s < 0.0f;
}

bool Triangle2D::isClockwise() const
{
    if (points.size() < 3)
        return false;
    auto it = points.begin();
    const Vertex& a = **it++;
    const Vertex& b = **it++;
    return isClockwise(a, b, **it);
}

float Triangle2D::orientation(const Vertex& p1, const Vertex& p2, const Vertex& p3)
{
    return (p1.getX() - p3.getX()) * (p2.getY() - p3.getY()) - (p2.getX() - p3.getX()) * (p1.getY() - p3.getY());
}
