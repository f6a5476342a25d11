#pragma once

#include <cstddef>
#include <cstdint>

class Vector3D;
class AngleInfo;

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
    Vertex(const Vertex& other);
    Vertex(Vertex&& other) noexcept;
    Vertex& operator=(const Vertex& other);
    Vertex& operator=(Vertex&& other) noexcept;
    ~Vertex();

    // Inside an open RecyclingScope, points made with new take the memory
    // that deleted points left there.
    static void* operator new(std::size_t size);
    static void operator delete(void* p, std::size_t size) noexcept;

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

    void translate(float dx, float dy, float dz);
    void scale(float sx, float sy, float sz);
    Vertex& operator*=(float s);
    Vertex& operator+=(const Vertex& o);
    Vertex& operator-=(const Vertex& o);
    // Coordinates only: the marks and the normal are not part of a point's
    // identity.
    bool operator==(const Vertex& o) const;
    bool operator!=(const Vertex& o) const { return !(*this == o); }

    float length() const;
    float lengthXY() const;
    float lengthSquaredXY() const;
    float dot2D(const Vertex& o) const;
    float cross2D(const Vertex& o) const;
    float distance(const Vertex& o) const;
    float distanceXY(const Vertex& o) const;
    float distanceXZ(const Vertex& o) const;
    float distanceYZ(const Vertex& o) const;
    float distanceSquaredXY(const Vertex& o) const;
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
    void rotateX(float c, float s);
    void rotateY(float c, float s);
    void rotateZ(float c, float s);
    // Accepts only the unit axes GLUtils::AxisX/Y/Z.
    void rotate(float a, const Vector3D& axis);
    float getAngle2D(const Vertex& other, AngleInfo& info) const;

    void print() const;
    void printScaled(float s) const;

    Vector3D* setNormal(const Vector3D& v);
    void averageNormal(const Vertex& v);
    void scaleNormal(float sx, float sy, float sz);

protected:
    // Every field but the normal.
    void copyFields(const Vertex& other);

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
