#pragma once

#include <type_traits>
#include <vector>

#include "foundation/Vertex.h"

// The vector view of a point; outlines are lists of heap Vector3D owned by
// the list's holder.
class Vector3D : public Vertex
{
public:
    constexpr Vector3D() : Vertex() {}
    constexpr Vector3D(float x, float y, float z) : Vertex(x, y, z) {}
    Vector3D(const Vertex& v) : Vertex(v) {}
    Vector3D(const Vector3D& v) : Vertex(v) {}
    Vector3D(Vector3D&& v) noexcept : Vertex(static_cast<Vertex&&>(v)) {}
    Vector3D& operator=(const Vertex& v)
    {
        Vertex::operator=(v);
        return *this;
    }
    Vector3D& operator=(const Vector3D& v)
    {
        Vertex::operator=(v);
        return *this;
    }
    Vector3D& operator=(Vector3D&& v) noexcept
    {
        Vertex::operator=(static_cast<Vertex&&>(v));
        return *this;
    }

    Vector3D& set(float nx, float ny, float nz)
    {
        x = nx;
        y = ny;
        z = nz;
        return *this;
    }
    Vector3D& operator+=(const Vertex& o)
    {
        Vertex::operator+=(o);
        return *this;
    }
    Vector3D& operator-=(const Vertex& o)
    {
        Vertex::operator-=(o);
        return *this;
    }
    Vector3D& operator*=(float s)
    {
        Vertex::operator*=(s);
        return *this;
    }
    Vector3D& scale(float sx, float sy, float sz)
    {
        Vertex::scale(sx, sy, sz);
        return *this;
    }

    float dot(const Vertex& o) const { return x * o.getX() + y * o.getY() + z * o.getZ(); }
    static Vector3D cross(const Vertex& a, const Vertex& b);
    float length() const { return std::sqrt(lengthSquared()); }
    float lengthSquared() const { return x * x + y * y + z * z; }
    Vector3D& setMidpoint(const Vertex& a, const Vertex& b);
    static Vector3D fromDifference(const Vertex& a, const Vertex& b)
    {
        return Vector3D(a.getX() - b.getX(), a.getY() - b.getY(), a.getZ() - b.getZ());
    }
    static Vector3D fromSum(const Vertex& a, const Vertex& b)
    {
        return Vector3D(a.getX() + b.getX(), a.getY() + b.getY(), a.getZ() + b.getZ());
    }
    // Keeps v's normal and marks, scaled coordinates only.
    static Vector3D fromScaled(const Vector3D& v, float s);

    static void equalizeYMax(Vector3D& a, Vector3D& b);
    static void equalizeYMin(Vector3D& a, Vector3D& b);
    // The one way an owned point list is emptied.
    static void clearList(std::vector<Vector3D*>& list);
    // Makes sure that `more` points go into the list without it growing, so
    // that a point made before it is put in cannot be lost when memory runs
    // out: the list grows before the point is made. Grows as insertions
    // would, so that a run of them stays cheap.
    // Inline: the blend asks once for every point it appends.
    static void reserveMore(std::vector<Vector3D*>& list, std::size_t more)
    {
        if (list.capacity() - list.size() < more)
            list.reserve(list.size() + more > 2 * list.size() ? list.size() + more : 2 * list.size());
    }
    // Puts a copy of source in front of the point at index of an owned
    // list; when memory runs out, neither the list nor anything else has
    // changed. source may be a point of the list.
    static Vector3D* insertCopy(std::vector<Vector3D*>& list, std::size_t index, const Vector3D& source);
};

// Vertex reaches a normal's point part by address (see Vertex::normalPoint).
static_assert(std::is_standard_layout<Vector3D>::value && sizeof(Vector3D) == sizeof(Vertex),
              "a Vector3D must be a Vertex and nothing more");

inline Vector3D* Vertex::copyNormal(const Vector3D& n)
{
    return new Vector3D(n);
}

template <class Point>
void Vertex::deleteEach(Point* const* first, Point* const* last) noexcept
{
    static_assert(std::is_base_of<Vertex, Point>::value && sizeof(Point) == sizeof(Vertex),
                  "only points are kept");
    PointMemory::Recycler& kept = PointMemory::recycler;
    // A point and its normal take two places in the kept list; deeper
    // normals (none in a rib) go through delete, which keeps them itself.
    while (first != last) {
        if (!PointMemory::roomFor(2 * std::size_t(last - first))) {
            for (; first != last; ++first)
                delete *first;
            return;
        }
        void** top = kept.blocks + kept.count;
        for (; first != last; ++first) {
            Vertex* point = *first;
            if (!point)
                continue;
            if (Vertex* normal = point->normalPoint()) {
                if (normal->normal)
                    break;
                // The destructor gives the normal back before the point.
                PointMemory::poison(normal, sizeof(Vertex));
                *top++ = normal;
            }
            PointMemory::poison(point, sizeof(Vertex));
            *top++ = point;
        }
        kept.count = std::size_t(top - kept.blocks);
        if (first != last) {
            delete *first;
            ++first;
        }
    }
}
