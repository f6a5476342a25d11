#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "foundation/AngleInfo.h"

class Vector3D;

#if defined(__SANITIZE_ADDRESS__)
#define PLANFORMIX_POINT_POISONING 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLANFORMIX_POINT_POISONING 1
#endif
#endif
#if defined(PLANFORMIX_POINT_POISONING)
#include <sanitizer/asan_interface.h>
#endif

// Where points get their memory: see Vertex::RecyclingScope.
namespace PointMemory {

// The kept blocks are listed in an array of their own rather than linked
// through the blocks: popping one then reads nothing from memory that has
// long left the cache. Plain data without a run-time initialiser, so that it
// stays usable however late in a thread's life a point is deleted, and so
// that the inline paths below reach it without a call.
struct Recycler {
    void** blocks;
    std::size_t count;
    std::size_t capacity;
    int depth;
};
// Reached as a thread's own static data (the core is linked into programs,
// never loaded as a library): the default way for position-independent
// code is a call, for which every inline use of the list saved and reloaded
// registers around it, at every point made or dropped.
extern __thread Recycler recycler __attribute__((tls_model("initial-exec")));

// Under the address sanitizer a kept block is poisoned while it waits: a
// point used after it was deleted, or deleted twice, is reported where it
// happens rather than when its memory comes back as another point.
inline void poison(void* block, std::size_t size) noexcept
{
#if defined(PLANFORMIX_POINT_POISONING)
    ASAN_POISON_MEMORY_REGION(block, size);
#else
    (void)block;
    (void)size;
#endif
}
inline void unpoison(void* block, std::size_t size) noexcept
{
#if defined(PLANFORMIX_POINT_POISONING)
    ASAN_UNPOISON_MEMORY_REGION(block, size);
#else
    (void)block;
    (void)size;
#endif
}

// What the inline operators leave to a call: growing the list of kept
// blocks, and blocks that are not kept.
void release(void* block, std::size_t size) noexcept;
// Whether the list of kept blocks, grown if need be, takes `blocks` more
// without growing; false outside a scope (or without the memory to grow).
bool growFor(std::size_t blocks) noexcept;
inline bool roomFor(std::size_t blocks) noexcept
{
    return recycler.depth > 0 && (recycler.capacity - recycler.count >= blocks || growFor(blocks));
}

} // namespace PointMemory

// A point of the geometry kernel. Besides its coordinates it carries marks
// (property bits, id, two auxiliary values, a selection flag) that modifiers
// and the polygon clipping attach to points, and an optional normal that it
// owns exclusively and copies deeply.
class Vertex
{
public:
    constexpr Vertex() : Vertex(0.0f, 0.0f, 0.0f) {}
    constexpr Vertex(float x, float y, float z) : Vertex(x, y, z, 0) {}
    constexpr Vertex(float x, float y, float z, int id)
        : normal(nullptr), x(x), y(y), z(z), prop(0), id(id), auxA(0.0f), auxB(0.0f), selected(false)
    {
    }
    // Points are copied, moved and dropped by the hundred thousand in a
    // rib rebuild; the common cases (no normal, or a plain one) are inline.
    Vertex(const Vertex& other) : normal(other.normal ? copyNormal(*other.normal) : nullptr)
    {
        copyFields(other);
    }
    Vertex(Vertex&& other) noexcept
        : normal(other.normal), x(other.x), y(other.y), z(other.z), prop(other.prop), id(other.id),
          auxA(other.auxA), auxB(other.auxB), selected(other.selected)
    {
        other.normal = nullptr;
    }
    Vertex& operator=(const Vertex& other)
    {
        // Outline points are refilled by the thousand on every rib rebuild,
        // and nearly all of them have a plain normal (one without a normal of
        // its own) on both sides: overwrite ours in place rather than free it
        // and allocate a copy. Neither point may be the other's normal here.
        Vertex* ours = normalPoint();
        const Vertex* source = other.normalPoint();
        if (ours && source && !ours->normal && !source->normal && ours != &other && this != source) {
            copyFields(other);
            ours->copyFields(*source);
            return *this;
        }
        return assignWithNormal(other);
    }
    // The common case of operator= alone, for two points that share no
    // memory (points of two lists): false, with nothing done, where either
    // has no plain normal. The blend refills a rib's outline from its
    // airfoil this way, in a loop free of calls.
    bool assignPlainApart(const Vertex& other)
    {
        Vertex* ours = normalPoint();
        const Vertex* source = other.normalPoint();
        if (!ours || !source || ours->normal || source->normal)
            return false;
        copyFields(other);
        ours->copyFields(*source);
        return true;
    }
    Vertex& operator=(Vertex&& other) noexcept;
    ~Vertex()
    {
        if (!normal)
            return;
        // A plain normal (one without a normal of its own) has nothing for
        // its destructor to do, so its block is simply given back.
        if (!normalPoint()->normal)
            operator delete(normal, sizeof(Vertex));
        else
            deleteNormal(normal);
    }

    // Deletes the points from first to last in order, exactly as `delete`
    // on each in turn would; null pointers are passed over. Emptying a list
    // point by point spent more on finding the kept list again for every
    // point and its normal than on the points themselves. In Vector3D.h,
    // where both kinds of point are complete.
    template <class Point>
    static void deleteEach(Point* const* first, Point* const* last) noexcept;

    // Inside an open RecyclingScope, points made with new take the memory
    // that deleted points left there.
    // A rebuild makes and drops points by the hundred thousand, so both
    // take the common case inline.
    static void* operator new(std::size_t size)
    {
        // Vector3D adds no field, so its points share the blocks; anything
        // larger is not ours to recycle.
        PointMemory::Recycler& kept = PointMemory::recycler;
        if (size == sizeof(Vertex) && kept.count > 0) {
            void* block = kept.blocks[--kept.count];
            PointMemory::unpoison(block, size);
            // The next block will be written soon; start fetching it.
            if (kept.count > 0)
                __builtin_prefetch(kept.blocks[kept.count - 1], 1);
            return block;
        }
        return ::operator new(size);
    }
    static void operator delete(void* p, std::size_t size) noexcept
    {
        PointMemory::Recycler& kept = PointMemory::recycler;
        if (p && size == sizeof(Vertex) && kept.depth > 0 && kept.count < kept.capacity) {
            PointMemory::poison(p, size);
            kept.blocks[kept.count++] = p;
            return;
        }
        PointMemory::release(p, size);
    }

    // While a scope is open on a thread, the memory of points deleted on that
    // thread is kept and handed to the next points made there instead of
    // going back to the general allocator; when the outermost scope closes,
    // what is left is released. A rib rebuild deletes the previous geometry
    // and makes new geometry of about the same size, a hundred thousand
    // small blocks or more per panel, and the general allocator spent half
    // of the rebuild on them. Scopes nest; only the outermost one counts.
    class RecyclingScope
    {
    public:
        RecyclingScope();
        ~RecyclingScope();
        RecyclingScope(const RecyclingScope&) = delete;
        RecyclingScope& operator=(const RecyclingScope&) = delete;
    };

    // Zeroes coordinates, id and auxiliary values; normal, prop and
    // selection survive.
    void reset();
    static Vertex fromDifference(const Vertex& a, const Vertex& b);
    static Vertex fromSum(const Vertex& a, const Vertex& b);

    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    void setX(float v) { x = v; }
    void setY(float v) { y = v; }
    void setZ(float v) { z = v; }
    Vector3D* getNormal() const { return normal; }

    void setProp(uint32_t bits) { prop |= bits; }
    void clearProp(uint32_t bits) { prop &= ~bits; }
    bool hasProp(uint32_t bits) const { return (prop & bits) != 0; }
    uint32_t getProp() const { return prop; }
    int getId() const { return id; }
    void setId(int newId) { id = newId; }
    void setAux(float a, float b)
    {
        auxA = a;
        auxB = b;
    }
    float getAuxA() const { return auxA; }
    float getAuxB() const { return auxB; }
    bool isSelected() const { return selected; }
    void setSelected(bool on) { selected = on; }

    void translate(float dx, float dy, float dz)
    {
        x += dx;
        y += dy;
        z += dz;
    }
    void scale(float sx, float sy, float sz)
    {
        x *= sx;
        y *= sy;
        z *= sz;
    }
    Vertex& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
    Vertex& operator+=(const Vertex& o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    Vertex& operator-=(const Vertex& o)
    {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    // Coordinates only: the marks and the normal are not part of a point's
    // identity.
    bool operator==(const Vertex& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vertex& o) const { return !(*this == o); }

    float length() const { return std::sqrt(x * x + y * y + z * z); }
    float lengthXY() const { return std::sqrt(x * x + y * y); }
    float lengthSquaredXY() const { return x * x + y * y; }
    float dot2D(const Vertex& o) const { return x * o.x + y * o.y; }
    float cross2D(const Vertex& o) const { return x * o.y - y * o.x; }
    float distance(const Vertex& o) const
    {
        const float dx = x - o.x, dy = y - o.y, dz = z - o.z;
        return std::sqrt(dx * dx + dy * dy + dz * dz);
    }
    float distanceXY(const Vertex& o) const { return std::sqrt(distanceSquaredXY(o)); }
    float distanceXZ(const Vertex& o) const
    {
        const float dx = x - o.x, dz = z - o.z;
        return std::sqrt(dx * dx + dz * dz);
    }
    float distanceYZ(const Vertex& o) const
    {
        const float dy = y - o.y, dz = z - o.z;
        return std::sqrt(dy * dy + dz * dz);
    }
    float distanceSquaredXY(const Vertex& o) const
    {
        const float dx = x - o.x, dy = y - o.y;
        return dx * dx + dy * dy;
    }
    void normalize();

    // Row vector times a row-major 4x4 matrix.
    void transform(const float m[16]);
    // These turn by -a (clockwise seen from the positive axis), the opposite
    // sense of Mathematics::rotationMatrix; the normal turns with the point.
    void rotateX(float a);
    void rotateY(float a);
    void rotateZ(float a);
    // The same turns with c = cos a and s = sin a worked out by the caller,
    // so that a list of points turned by one angle shares them. Results are
    // bit for bit those of the one-argument forms.
    // They write out what transform() does with the rotation matrix, zero
    // terms included and summed in the same order: those decide the sign of
    // a zero result and carry an infinite coordinate into NaN exactly as the
    // matrix product does, so no result moves by even a rounding step.
    void rotateX(float c, float s)
    {
        const float ms = -s;
        const float nx = x * 1.0f + y * 0.0f + z * 0.0f + 0.0f;
        const float ny = x * 0.0f + y * c + z * s + 0.0f;
        const float nz = x * 0.0f + y * ms + z * c + 0.0f;
        x = nx;
        y = ny;
        z = nz;
        if (normal)
            normalPoint()->rotateX(c, s);
    }
    void rotateY(float c, float s)
    {
        const float ms = -s;
        const float nx = x * c + y * 0.0f + z * ms + 0.0f;
        const float ny = x * 0.0f + y * 1.0f + z * 0.0f + 0.0f;
        const float nz = x * s + y * 0.0f + z * c + 0.0f;
        x = nx;
        y = ny;
        z = nz;
        if (normal)
            normalPoint()->rotateY(c, s);
    }
    void rotateZ(float c, float s)
    {
#if defined(__GNUC__)
        store(turnZ(lanes(), c, s));
#else
        const float ms = -s;
        const float nx = x * c + y * s + z * 0.0f + 0.0f;
        const float ny = x * ms + y * c + z * 0.0f + 0.0f;
        const float nz = x * 0.0f + y * 0.0f + z * 1.0f + 0.0f;
        x = nx;
        y = ny;
        z = nz;
#endif
        if (normal)
            normalPoint()->rotateZ(c, s);
    }
    // translate(-cx, -cy, -cz), rotateZ(c, s) and translate(cx, cy, cz) in
    // one step, with the same results wherever the point's z (less the
    // centre's) and its normal's are finite, as a rib's are (see
    // turnZOfFiniteZ): the twist turns every point of a rib this way, and
    // the three steps stored and reloaded the point twice.
    void rotateZAbout(float c, float s, float cx, float cy, float cz)
    {
#if defined(__GNUC__)
        const Lanes centre = {cx, cy, cz, 0.0f};
        store(turnZOfFiniteZ(lanes() - centre, c, s) + centre);
        if (normal) {
            Vertex* n = normalPoint();
            const Lanes zero = {0.0f, 0.0f, 0.0f, 0.0f};
            n->store(turnZOfFiniteZ(n->rawLanes(), c, s) + zero);
            if (n->normal)
                n->normalPoint()->rotateZ(c, s);
        }
#else
        const float ms = -s;
        const float tx = x - cx;
        const float ty = y - cy;
        const float tz = z - cz;
        const float nx = tx * c + ty * s + tz * 0.0f + 0.0f;
        const float ny = tx * ms + ty * c + tz * 0.0f + 0.0f;
        const float nz = tx * 0.0f + ty * 0.0f + tz * 1.0f + 0.0f;
        x = nx + cx;
        y = ny + cy;
        z = nz + cz;
        if (normal)
            normalPoint()->rotateZ(c, s);
#endif
    }
    // Accepts only the unit axes GLUtils::AxisX/Y/Z.
    void rotate(float a, const Vector3D& axis);
    float getAngle2D(const Vertex& other, AngleInfo& info) const
    {
        const float p = lengthXY() * other.lengthXY();
        if (p == 0.0f) {
            info = AngleInfo(AngleInfo::Straight, 0.0f, 0);
            return 1.0f;
        }
        const float k = x * other.y - y * other.x;
        const int turn = k > 0.0f ? AngleInfo::CounterClockwise
                                  : (k < 0.0f ? AngleInfo::Clockwise : AngleInfo::Straight);
        info = AngleInfo(turn, 0.0f, 0);
        const float r =
            static_cast<float>((static_cast<double>(x) * other.x + static_cast<double>(y) * other.y) / p);
        if (r < -0.999f)
            info = AngleInfo(AngleInfo::Reversal, 0.0f, 0);
        return r;
    }

    void print() const;
    void printScaled(float s) const;

    Vector3D* setNormal(const Vector3D& v);
    void averageNormal(const Vertex& v);
    // Inline: the covering turns the normal of every point of a band's
    // inner face this way.
    void scaleNormal(float sx, float sy, float sz)
    {
        if (normal)
            normalPoint()->scale(sx, sy, sz);
    }

protected:
    // Every field but the normal. They follow it without a gap and are
    // copied as one block, in a few wide moves instead of one per field:
    // outline points are copied and assigned by the hundred thousand in a
    // rib rebuild.
    void copyFields(const Vertex& other)
    {
        constexpr std::size_t first = offsetof(Vertex, x);
        constexpr std::size_t end = offsetof(Vertex, selected) + sizeof(selected);
        static_assert(offsetof(Vertex, auxB) + sizeof(float) == offsetof(Vertex, selected)
                          && offsetof(Vertex, prop) + sizeof(uint32_t) == offsetof(Vertex, id)
                          && offsetof(Vertex, y) == offsetof(Vertex, x) + sizeof(float)
                          && offsetof(Vertex, id) + sizeof(int32_t) == offsetof(Vertex, auxA)
                          && offsetof(Vertex, auxA) + sizeof(float) == offsetof(Vertex, auxB),
                      "the fields after the normal lie side by side");
        // Two overlapping 16-byte moves, both read before either is
        // written: the two points may be one.
        constexpr std::size_t size = end - first;
        static_assert(size > 16 && size <= 32, "the fields take two 16-byte moves");
        struct Chunk {
            char bytes[16];
        };
        const char* from = reinterpret_cast<const char*>(&other) + first;
        char* to = reinterpret_cast<char*>(this) + first;
        Chunk head;
        Chunk tail;
        std::memcpy(&head, from, sizeof head);
        std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
        std::memcpy(to, &head, sizeof head);
        std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
    }
#if defined(__GNUC__)
    // x, y and z side by side. The turns about z of a whole rib are the
    // twist's hot loop; done lane by lane they take half the instructions,
    // and each lane does what the scalar form does to its coordinate: the
    // same products and sums in the same order, the zero terms included.
    using Lanes = float __attribute__((vector_size(16)));
    using LaneBits = uint32_t __attribute__((vector_size(16)));
    // One load of x, y, z and the field after them, which is then zeroed.
    Lanes lanes() const
    {
        static_assert(offsetof(Vertex, z) == offsetof(Vertex, x) + 2 * sizeof(float)
                          && offsetof(Vertex, prop) == offsetof(Vertex, z) + sizeof(float),
                      "x, y, z and prop lie side by side");
        LaneBits bits;
        std::memcpy(&bits, reinterpret_cast<const char*>(this) + offsetof(Vertex, x), sizeof bits);
        const LaneBits xyz = {~0u, ~0u, ~0u, 0u};
        return reinterpret_cast<Lanes>(bits & xyz);
    }
    // The same without zeroing the last lane, for a turn that never reads
    // it (turnZOfFiniteZ).
    Lanes rawLanes() const
    {
        Lanes v;
        std::memcpy(&v, reinterpret_cast<const char*>(this) + offsetof(Vertex, x), sizeof v);
        return v;
    }
    void store(Lanes v)
    {
        x = v[0];
        y = v[1];
        z = v[2];
    }
    // The rows of transform() with the z rotation matrix: x' = x c + y s +
    // z 0 + 0, y' = x (-s) + y c + z 0 + 0, z' = x 0 + y 0 + z 1 + 0.
    static Lanes turnZ(Lanes p, float c, float s)
    {
        const Lanes byX = {c, -s, 0.0f, 0.0f};
        const Lanes byY = {s, c, 0.0f, 0.0f};
        const Lanes byZ = {0.0f, 0.0f, 1.0f, 0.0f};
        const Lanes zero = {0.0f, 0.0f, 0.0f, 0.0f};
        return ((p[0] * byX + p[1] * byY) + p[2] * byZ) + zero;
    }
    // turnZ without its z products and its last sum, which the caller adds:
    // two products and a sum fewer for each of the hundred thousand points
    // and normals the twist turns in a rebuild. Where z is finite, p[2] *
    // byZ only adds a zero to the x and y lanes, and adding +0 instead gives
    // the same (x or y itself, a zero of either sign +0); the z lane takes z
    // itself. Followed by + zero, every lane is turnZ's; followed by + centre
    // as well, as the z lane differs from turnZ's sum only where it is -0,
    // which a point at -0 from a centre at +0 alone gives. p's last lane is
    // not read.
    static Lanes turnZOfFiniteZ(Lanes p, float c, float s)
    {
        const Lanes byX = {c, -s, 0.0f, 0.0f};
        const Lanes byY = {s, c, 0.0f, 0.0f};
        const LaneBits onlyZ = {0u, 0u, ~0u, 0u};
        return (p[0] * byX + p[1] * byY) + reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(p) & onlyZ);
    }
#endif
    // The normal's own type is not complete here. It adds no field to a
    // point and is standard-layout (Vector3D.h checks both), so the normal's
    // point part lies at the normal's address.
    Vertex* normalPoint() const { return reinterpret_cast<Vertex*>(normal); }
    // Inline, in Vector3D.h (included at the end of this header, where the
    // normal's type is complete): the normals of outline points are copied
    // with the points, tens of thousands of them in a rib rebuild, and the
    // call cost about as much as the copy.
    static inline Vector3D* copyNormal(const Vector3D& n);
    static void deleteNormal(Vector3D* n);
    Vertex& assignWithNormal(const Vertex& other);

    Vector3D* normal;
    float x;
    float y;
    float z;
    uint32_t prop;
    int32_t id;
    float auxA;
    float auxB;
    bool selected;
};

// The inline copy of a normal, which needs the normal's type. Whichever of
// the two headers a file includes first, both classes and the copy end up
// defined in it.
#include "foundation/Vector3D.h"
