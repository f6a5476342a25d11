#include "foundation/IdentifiableObject.h"

#include <algorithm>
#include <limits>

#include "foundation/GLUtils.h"
#include "foundation/Vector3D.h"

IdentifiableObject::IdentifiableObject(int type, int id, const float* color)
    : id(id), color(color), type(type)
{
}

namespace {

// A copy that fails halfway frees what it made: a constructor that throws
// runs no destructor, and an assignment must leave its object as it was.
std::vector<Vertex*> copiesOf(const std::vector<Vertex*>& points)
{
    std::vector<Vertex*> copies;
    copies.reserve(points.size());
    try {
        for (const Vertex* p : points)
            copies.push_back(new Vertex(*p));
    } catch (...) {
        Vertex::deleteEach(copies.data(), copies.data() + copies.size());
        throw;
    }
    return copies;
}

} // namespace

IdentifiableObject::IdentifiableObject(const IdentifiableObject& other)
    : points(copiesOf(other.points)), id(other.id), color(other.color), type(other.type)
{
}

IdentifiableObject::IdentifiableObject(IdentifiableObject&& other) noexcept
    : points(std::move(other.points)), id(other.id), color(other.color), type(other.type)
{
    other.points.clear();
}

IdentifiableObject::~IdentifiableObject()
{
    deletePoints();
}

IdentifiableObject& IdentifiableObject::operator=(const IdentifiableObject& other)
{
    if (this == &other)
        return *this;
    std::vector<Vertex*> copies = copiesOf(other.points);
    deletePoints();
    points = std::move(copies);
    id = other.id;
    color = other.color;
    type = other.type;
    return *this;
}

IdentifiableObject& IdentifiableObject::operator=(IdentifiableObject&& other) noexcept
{
    if (this == &other)
        return *this;
    deletePoints();
    points = std::move(other.points);
    other.points.clear();
    id = other.id;
    color = other.color;
    type = other.type;
    return *this;
}

void IdentifiableObject::deletePoints()
{
    Vertex::deleteEach(points.data(), points.data() + points.size());
    points.clear();
}

void IdentifiableObject::rotatePoints(float angle, const Vertex& axis)
{
    GLUtils::rotatePoints(points, angle, Vector3D(axis.getX(), axis.getY(), axis.getZ()));
}

void IdentifiableObject::translate(float dx, float dy, float dz)
{
    for (Vertex* p : points)
        p->translate(dx, dy, dz);
}

void IdentifiableObject::getCentroid(Vertex& out) const
{
    if (points.empty())
        return;
    double sx = 0.0, sy = 0.0, sz = 0.0;
    for (const Vertex* p : points) {
        sx += p->getX();
        sy += p->getY();
        sz += p->getZ();
    }
    const double n = static_cast<double>(points.size());
    out.setX(static_cast<float>(sx / n));
    out.setY(static_cast<float>(sy / n));
    out.setZ(static_cast<float>(sz / n));
}

float IdentifiableObject::getMaxProjection(const Vertex& dir) const
{
    float best = -std::numeric_limits<float>::max();
    for (const Vertex* p : points)
        best = std::max(best, p->getX() * dir.getX() + p->getY() * dir.getY() + p->getZ() * dir.getZ());
    return best;
}

float IdentifiableObject::getMinProjection(const Vertex& dir) const
{
    float best = std::numeric_limits<float>::max();
    for (const Vertex* p : points)
        best = std::min(best, p->getX() * dir.getX() + p->getY() * dir.getY() + p->getZ() * dir.getZ());
    return best;
}

void IdentifiableObject::releasePoints()
{
    points.clear();
}

void IdentifiableObject::printScaled(float s) const
{
    for (const Vertex* p : points)
        p->printScaled(s);
}
