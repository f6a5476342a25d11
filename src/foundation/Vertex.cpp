#include "foundation/Vertex.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "foundation/AngleInfo.h"
#include "foundation/GLUtils.h"
#include "foundation/Vector3D.h"

namespace {
Vector3D* copyOf(const Vector3D* v)
{
    return v ? new Vector3D(*v) : nullptr;
}
} // namespace

namespace PointMemory {

__thread Recycler recycler __attribute__((tls_model("initial-exec"))) = {nullptr, 0, 0, 0};

namespace {

// The inline path found the list full: it grows and keeps the block, or
// the block goes back where it came from.
__attribute__((noinline)) void keepInGrownList(void* block) noexcept
{
    const std::size_t capacity = recycler.capacity ? recycler.capacity * 2 : 4096;
    void** grown = static_cast<void**>(std::realloc(recycler.blocks, capacity * sizeof(void*)));
    if (!grown) {
        ::operator delete(block);
        return;
    }
    recycler.blocks = grown;
    recycler.capacity = capacity;
    poison(block, sizeof(Vertex));
    recycler.blocks[recycler.count++] = block;
}

} // namespace

// Outside a scope every point ends here, tens of millions of them when a
// large plane is dropped: the growth of the list, which needs a frame of
// its own, is a call apart.
void release(void* block, std::size_t size) noexcept
{
    if (size == sizeof(Vertex) && recycler.depth > 0) {
        if (block)
            keepInGrownList(block);
        return;
    }
    if (block)
        ::operator delete(block);
}

bool growFor(std::size_t blocks) noexcept
{
    if (recycler.depth <= 0)
        return false;
    std::size_t capacity = recycler.capacity ? recycler.capacity * 2 : 4096;
    while (capacity - recycler.count < blocks)
        capacity *= 2;
    void** grown = static_cast<void**>(std::realloc(recycler.blocks, capacity * sizeof(void*)));
    if (!grown)
        return false;
    recycler.blocks = grown;
    recycler.capacity = capacity;
    return true;
}

} // namespace PointMemory

using PointMemory::recycler;

Vertex::RecyclingScope::RecyclingScope()
{
    ++recycler.depth;
}

Vertex::RecyclingScope::~RecyclingScope()
{
    if (--recycler.depth > 0)
        return;
    for (std::size_t i = 0; i < recycler.count; ++i) {
        PointMemory::unpoison(recycler.blocks[i], sizeof(Vertex));
        ::operator delete(recycler.blocks[i]);
    }
    std::free(recycler.blocks);
    recycler.blocks = nullptr;
    recycler.count = 0;
    recycler.capacity = 0;
}

Vertex& Vertex::assignWithNormal(const Vertex& other)
{
    // Copy before deleting: the source may be our own normal or hang below it.
    Vector3D* copy = copyOf(other.normal);
    copyFields(other);
    delete normal;
    normal = copy;
    return *this;
}

Vertex& Vertex::operator=(Vertex&& other) noexcept
{
    if (this == &other)
        return *this;
    copyFields(other);
    Vector3D* taken = other.normal;
    other.normal = nullptr;
    delete normal;
    normal = taken;
    return *this;
}

void Vertex::deleteNormal(Vector3D* n)
{
    delete n;
}

void Vertex::reset()
{
    x = y = z = 0.0f;
    id = 0;
    auxA = auxB = 0.0f;
}

Vertex Vertex::fromDifference(const Vertex& a, const Vertex& b)
{
    return Vertex(a.x - b.x, a.y - b.y, a.z - b.z);
}

Vertex Vertex::fromSum(const Vertex& a, const Vertex& b)
{
    return Vertex(a.x + b.x, a.y + b.y, a.z + b.z);
}

void Vertex::normalize()
{
    const float len = length();
    if (len == 0.0f)
        return;
    x /= len;
    y /= len;
    z /= len;
}

void Vertex::transform(const float m[16])
{
    const float nx = x * m[0] + y * m[4] + z * m[8] + m[12];
    const float ny = x * m[1] + y * m[5] + z * m[9] + m[13];
    const float nz = x * m[2] + y * m[6] + z * m[10] + m[14];
    x = nx;
    y = ny;
    z = nz;
}

// Twist turns tens of thousands of points per rebuild; building a matrix and
// taking a sine and cosine for each one used to be a third of the rebuild.
void Vertex::rotateX(float a)
{
    rotateX(std::cos(a), std::sin(a));
}

void Vertex::rotateY(float a)
{
    rotateY(std::cos(a), std::sin(a));
}

void Vertex::rotateZ(float a)
{
    rotateZ(std::cos(a), std::sin(a));
}

void Vertex::rotate(float a, const Vector3D& axis)
{
    if (axis == GLUtils::AxisX)
        rotateX(a);
    else if (axis == GLUtils::AxisY)
        rotateY(a);
    else if (axis == GLUtils::AxisZ)
        rotateZ(a);
    else
        std::cout << "In " << "void Vertex::rotate(float, const Vector3D&)"
                  << ": unknown axis --> currently, only GLUtils::Axis[X-Z] are supported!" << std::endl;
}

void Vertex::print() const
{
    std::cout << "(" << x << ", " << y << ", " << z << ")";
}

void Vertex::printScaled(float s) const
{
    std::cout << "(" << x * s << ", " << y * s << ", " << z * s << ")" << " ";
}

Vector3D* Vertex::setNormal(const Vector3D& v)
{
    if (normal)
        *normal = v;
    else
        normal = new Vector3D(v.x, v.y, v.z);
    return normal;
}

void Vertex::averageNormal(const Vertex& v)
{
    if (normal) {
        normal->x = (normal->x + v.x) * 0.5f;
        normal->y = (normal->y + v.y) * 0.5f;
        normal->z = (normal->z + v.z) * 0.5f;
    } else {
        normal = new Vector3D(v.x, v.y, v.z);
    }
}
