#include "foundation/GLUtils.h"

#include <algorithm>
#include <cmath>
#include <QOpenGLContext>
#include <qopengl.h>

namespace GLUtils {

const Vector3D AxisX(1.0f, 0.0f, 0.0f);
const Vector3D AxisY(0.0f, 1.0f, 0.0f);
const Vector3D AxisZ(0.0f, 0.0f, 1.0f);

bool greyMode = false;

namespace {

// Vertex::rotate for a whole list: the axis is told apart and the sine and
// cosine are taken once instead of for every point.
template <class Point>
void rotateEach(std::vector<Point*>& points, float angle, const Vector3D& axis)
{
    void (Vertex::*turn)(float, float) = nullptr;
    if (axis == AxisX)
        turn = &Vertex::rotateX;
    else if (axis == AxisY)
        turn = &Vertex::rotateY;
    else if (axis == AxisZ)
        turn = &Vertex::rotateZ;
    if (!turn) {
        // Each point complains about the axis, as it would on its own.
        for (Point* p : points)
            p->rotate(angle, axis);
        return;
    }
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    for (Point* p : points)
        (p->*turn)(c, s);
}

} // namespace

void rotatePoints(std::vector<Vector3D*>& points, float angle, const Vector3D& axis)
{
    rotateEach(points, angle, axis);
}

void rotatePoints(std::vector<Vertex*>& points, float angle, const Vector3D& axis)
{
    rotateEach(points, angle, axis);
}

void translatePoints(std::vector<Vector3D*>& points, const Vector3D& v)
{
    for (Vector3D* p : points)
        *p += v;
}

void translatePoints(std::vector<Vertex*>& points, const Vector3D& v)
{
    for (Vertex* p : points)
        *p += v;
}

bool intersectSegments(Vertex& a0, Vertex& a1, const Vertex& b0, const Vertex& b1, Vertex& out, float eps)
{
    // Plain coordinates rather than difference points: the outline clipping
    // tests a segment pair for every sunken point.
    const float d1x = a1.getX() - a0.getX();
    const float d1y = a1.getY() - a0.getY();
    const float d2x = b1.getX() - b0.getX();
    const float d2y = b1.getY() - b0.getY();
    const float den = d1x * d2y - d1y * d2x;
    if (den == 0.0f)
        return false;
    const float wx = b0.getX() - a0.getX();
    const float wy = b0.getY() - a0.getY();
    float t = (wx * d2y - wy * d2x) / den;
    if (!(t >= -eps && t <= 1.0f + eps))
        return false;
    t = std::min(1.0f, std::max(0.0f, t));
    const float u = (wx * d1y - wy * d1x) / den;
    if (!(u >= -eps && u <= 1.0f + eps))
        return false;
    out.setX(a0.getX() + d1x * t);
    out.setY(a0.getY() + d1y * t);
    out.setZ(a0.getZ() + (a1.getZ() - a0.getZ()) * t);
    if (t == 0.0f)
        a0.setProp(2);
    else if (t == 1.0f)
        a1.setProp(2);
    return true;
}

void clipToOutline(const Vector3D& a, Vector3D& b, const std::vector<Vector3D*>& outline)
{
    const size_t n = outline.size();
    if (n < 3)
        return;
    const float xhi = std::max(a.getX(), b.getX());
    size_t k = 1;
    while (k < n && outline[k]->getX() > xhi)
        ++k;
    clipToOutlineFrom(a, b, outline, k);
}

void clipToOutlineFrom(const Vector3D& a, Vector3D& b, const std::vector<Vector3D*>& outline, size_t k)
{
    const size_t n = outline.size();
    const float xlo = std::min(a.getX(), b.getX());
    // The hit test may mark the segment's own ends; a is the caller's fixed
    // point, so it is tested on a scratch copy (of the coordinates only: the
    // test reads nothing else).
    Vector3D start(a.getX(), a.getY(), a.getZ());
    for (; k < n && outline[k - 1]->getX() > xlo; ++k) {
        Vector3D hit;
        if (intersectSegments(start, b, *outline[k - 1], *outline[k], hit, 1e-7f)) {
            b.setX(hit.getX());
            b.setY(hit.getY());
            return;
        }
    }
}

// --- Immediate-mode calls -------------------------------------------------

namespace {

std::vector<RecordedCall>* callLog = nullptr;

void record(RecordedCall::Kind kind, unsigned int mode, float a, float b, float c, float d)
{
    if (callLog)
        callLog->push_back(RecordedCall{kind, mode, {a, b, c, d}});
}

} // namespace

void setCallLog(std::vector<RecordedCall>* log)
{
    callLog = log;
}

void beginPrimitive(unsigned int mode)
{
    record(RecordedCall::BeginCall, mode, 0.0f, 0.0f, 0.0f, 0.0f);
    glBegin(mode);
}

void endPrimitive()
{
    record(RecordedCall::EndCall, 0, 0.0f, 0.0f, 0.0f, 0.0f);
    glEnd();
}

void vertex(float x, float y, float z)
{
    record(RecordedCall::VertexCall, 0, x, y, z, 1.0f);
    glVertex3f(x, y, z);
}

void vertex(const Vertex& p)
{
    vertex(p.getX(), p.getY(), p.getZ());
}

void vertex(const Vertex& p, float dx, float dy, float dz)
{
    vertex(p.getX() + dx, p.getY() + dy, p.getZ() + dz);
}

void normal(float x, float y, float z)
{
    record(RecordedCall::NormalCall, 0, x, y, z, 0.0f);
    glNormal3f(x, y, z);
}

void color(float r, float g, float b, float a)
{
    record(RecordedCall::ColorCall, 0, r, g, b, a);
    glColor4f(r, g, b, a);
}

// --- Colour and view -----------------------------------------------------

float luminance(const float colour[4])
{
    return static_cast<float>(0.299 * colour[0] + 0.587 * colour[1] + 0.114 * colour[2]);
}

namespace {

void applyColour(const float colour[4], float alpha)
{
    if (greyMode) {
        const float l = luminance(colour);
        color(l, l, l, alpha);
    } else {
        color(colour[0], colour[1], colour[2], alpha);
    }
}

float recordAlpha(const float colour[4], int transparencyPercent)
{
    return colour[3] <= 1.0f ? colour[3] : transparencyPercent / 100.0f;
}

int toChannel(float value)
{
    return static_cast<int>(value * 255.0f);
}

} // namespace

void setColor(const float colour[4], int transparencyPercent)
{
    applyColour(colour, recordAlpha(colour, transparencyPercent));
}

void setObjectColor(const float colour[4], int transparencyPercent)
{
    applyColour(colour, recordAlpha(colour, transparencyPercent));
}

QColor toQColor(const float colour[4])
{
    const int alpha = colour[3] <= 1.0f ? toChannel(colour[3]) : 255;
    if (greyMode) {
        const int l = toChannel(luminance(colour));
        return QColor(l, l, l, alpha);
    }
    return QColor(toChannel(colour[0]), toChannel(colour[1]), toChannel(colour[2]), alpha);
}

void setPerspective(double fovY, double aspect, double zNear, double zFar)
{
    const double pi = 3.141592653589793;
    const double h = std::tan(fovY / 360.0 * pi) * zNear;
    const double w = aspect * h;
    glFrustum(-w, w, -h, h, zNear, zFar);
}

void getViewDirection(float& x, float& y, float& z)
{
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    x = m[2];
    y = m[6];
    z = m[10];
}

namespace {

// The marks of each slab carry a value of their own, and a slab counts as
// marked only where its own value lies. Starting the next slab then only
// takes a fresh value: clearing the whole window's stencil buffer for every
// rib and comb segment cost far more than drawing them. The buffer is
// cleared for real when the values run out, and whenever another context
// draws, since its buffer holds values this one never saw.
struct StencilMarks
{
    const void* context = nullptr;
    int value = 1;
    int limit = 1;
    long taken = 0;
};
StencilMarks stencilMarks;
int stencilValueCap = 0;

// Makes the current context's marks the ones tracked; true when it was a
// different context.
bool adoptStencilContext()
{
    const void* context = QOpenGLContext::currentContext();
    if (context == stencilMarks.context)
        return false;
    GLint bits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &bits);
    stencilMarks.context = context;
    stencilMarks.limit = bits >= 8 ? 255 : std::max(1, (1 << bits) - 1);
    stencilMarks.value = 1;
    return true;
}

} // namespace

void setStencilValueCap(int values)
{
    stencilValueCap = values;
}

static int markLimit()
{
    return stencilValueCap > 0 ? std::min(stencilValueCap, stencilMarks.limit) : stencilMarks.limit;
}

int stencilMarkValues()
{
    adoptStencilContext();
    return markLimit();
}

void continueStencilMarksAt(int value)
{
    adoptStencilContext();
    stencilMarks.value = std::max(0, std::min(value, markLimit()) - 1);
}

long stencilMarksTaken()
{
    return stencilMarks.taken;
}

void forgetStencilMarks()
{
    adoptStencilContext();
    stencilMarks.value = markLimit();
}

void clearStencilMarks()
{
    ++stencilMarks.taken;
    const bool adopted = adoptStencilContext();
    const int limit = markLimit();
    if (adopted || stencilMarks.value >= limit) {
        glClear(GL_STENCIL_BUFFER_BIT);
        stencilMarks.value = 1;
    } else {
        ++stencilMarks.value;
    }
    // Drawing that goes on under an enabled stencil test passes everywhere
    // again, as it would over a cleared buffer.
    glStencilFunc(GL_NOTEQUAL, stencilMarks.value, 255);
}

void beginStencilMark()
{
    // A caller that cleared the buffer itself marks with 1, as it expects.
    adoptStencilContext();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, stencilMarks.value, 255);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glStencilMask(255);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
}

void endStencilMark()
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_NOTEQUAL, stencilMarks.value, 255);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

// --- Outline extrusions ---------------------------------------------------

namespace {

void scaledNormal(const Vector3D& n, float factor)
{
    normal(n.getX() * factor, n.getY() * factor, n.getZ() * factor);
}

template <class P>
void outlineWall(const std::vector<P*>& points, float normalFactor, float dx, float dy, float dz, bool inverted)
{
    const size_t n = points.size();
    if (n == 0)
        return;
    if (!inverted) {
        beginPrimitive(GL_TRIANGLE_STRIP);
        for (const P* p : points) {
            // A point without a normal (a cut may leave one) keeps the
            // previous normal in force.
            if (const Vector3D* pn = p->getNormal())
                scaledNormal(*pn, normalFactor);
            vertex(*p, dx, dy, dz);
            vertex(*p);
        }
        endPrimitive();
        // The trailing-edge face between the outline's two ends.
        beginPrimitive(GL_TRIANGLE_STRIP);
        normal(normalFactor, 0.0f, 0.0f);
        vertex(*points.front());
        vertex(*points.front(), dx, dy, dz);
        vertex(*points.back());
        vertex(*points.back(), dx, dy, dz);
        endPrimitive();
        return;
    }
    if (n < 2)
        return;
    beginPrimitive(GL_TRIANGLE_STRIP);
    for (size_t k = 0; k <= n; ++k) {
        const P* p = points[k % n];
        if (const Vector3D* pn = p->getNormal())
            scaledNormal(*pn, -normalFactor);
        vertex(*p);
        vertex(*p, dx, dy, dz);
    }
    endPrimitive();
}

// Quads pairing the i-th point from the start with the i-th from the end,
// on the face moved by (ax, ay, az) and on the one moved by (bx, by, bz).
// Normals are set only when given.
template <class P>
void pairedFaces(const std::vector<P*>& points, const Vertex& a, const Vertex& b, const Vector3D* faceNormal)
{
    const size_t n = points.size();
    if (n < 2)
        return;
    const float ax = a.getX(), ay = a.getY(), az = a.getZ();
    const float bx = b.getX(), by = b.getY(), bz = b.getZ();
    for (size_t i = 0; i < n / 2; ++i) {
        const size_t j = n - 1 - i;
        if (faceNormal)
            normal(-faceNormal->getX(), -faceNormal->getY(), -faceNormal->getZ());
        beginPrimitive(GL_TRIANGLE_STRIP);
        vertex(*points[j], ax, ay, az);
        vertex(*points[j - 1], ax, ay, az);
        vertex(*points[i], ax, ay, az);
        vertex(*points[i + 1], ax, ay, az);
        endPrimitive();
        if (faceNormal)
            normal(faceNormal->getX(), faceNormal->getY(), faceNormal->getZ());
        beginPrimitive(GL_TRIANGLE_STRIP);
        vertex(*points[j - 1], bx, by, bz);
        vertex(*points[j], bx, by, bz);
        vertex(*points[i + 1], bx, by, bz);
        vertex(*points[i], bx, by, bz);
        endPrimitive();
    }
}

template <class P>
void outlineSlab(const std::vector<P*>& points, float dx, float dy, float dz, const Vector3D& faceNormal)
{
    pairedFaces(points, Vertex(0.0f, 0.0f, 0.0f), Vertex(dx, dy, dz), &faceNormal);
}

template <class P>
void outlineFaces(const std::vector<P*>& points, float thickness, float offset)
{
    pairedFaces(points, Vertex(0.0f, 0.0f, offset), Vertex(0.0f, 0.0f, offset + thickness), nullptr);
}

} // namespace

void drawOutlineWall(const std::vector<Vector3D*>& points, float normalFactor, float dx, float dy, float dz,
                     bool inverted)
{
    outlineWall(points, normalFactor, dx, dy, dz, inverted);
}

void drawOutlineWall(const std::vector<Vertex*>& points, float normalFactor, float dx, float dy, float dz,
                     bool inverted)
{
    outlineWall(points, normalFactor, dx, dy, dz, inverted);
}

void drawOutlineWallZ(const std::vector<Vector3D*>& points, float normalFactor, float depth, bool inverted)
{
    outlineWall(points, normalFactor, 0.0f, 0.0f, depth, inverted);
}

void drawOutlineWallZ(const std::vector<Vertex*>& points, float normalFactor, float depth, bool inverted)
{
    outlineWall(points, normalFactor, 0.0f, 0.0f, depth, inverted);
}

void drawOutlineWallX(const std::vector<Vector3D*>& points, float normalFactor, float depth, bool inverted)
{
    outlineWall(points, normalFactor, -depth, 0.0f, 0.0f, inverted);
}

void drawOutlineWallX(const std::vector<Vertex*>& points, float normalFactor, float depth, bool inverted)
{
    outlineWall(points, normalFactor, -depth, 0.0f, 0.0f, inverted);
}

void drawOutlineSlab(const std::vector<Vector3D*>& points, float dx, float dy, float dz, const Vector3D& faceNormal)
{
    outlineSlab(points, dx, dy, dz, faceNormal);
}

void drawOutlineSlab(const std::vector<Vertex*>& points, float dx, float dy, float dz, const Vector3D& faceNormal)
{
    outlineSlab(points, dx, dy, dz, faceNormal);
}

void drawOutlineSlabZ(const std::vector<Vector3D*>& points, float thickness)
{
    outlineSlab(points, 0.0f, 0.0f, thickness, Vector3D(0.0f, 0.0f, 1.0f));
}

void drawOutlineSlabZ(const std::vector<Vertex*>& points, float thickness)
{
    outlineSlab(points, 0.0f, 0.0f, thickness, Vector3D(0.0f, 0.0f, 1.0f));
}

void drawOutlineSlabX(const std::vector<Vector3D*>& points, float depth)
{
    outlineSlab(points, -depth, 0.0f, 0.0f, Vector3D(-1.0f, 0.0f, 0.0f));
}

void drawOutlineSlabX(const std::vector<Vertex*>& points, float depth)
{
    outlineSlab(points, -depth, 0.0f, 0.0f, Vector3D(-1.0f, 0.0f, 0.0f));
}

void drawOutlineFaces(const std::vector<Vector3D*>& points, float thickness, float offset)
{
    outlineFaces(points, thickness, offset);
}

void drawOutlineFaces(const std::vector<Vertex*>& points, float thickness, float offset)
{
    outlineFaces(points, thickness, offset);
}

// --- Solids between two neighbouring ribs ---------------------------------

namespace {

const float singlePi = 3.14159f;

void ringSolid(const std::vector<Vertex*>& ringA, const std::vector<Vertex*>& ringB, float dz, int sign, bool capA,
               bool capB)
{
    const size_t n = ringA.size();
    if (n == 0 || ringB.empty())
        return;
    // Rings of different sizes (a cut that failed on one rib) are joined
    // only where both have points, and not closed round.
    const bool closed = ringB.size() == n;
    const size_t count = closed ? n + 1 : std::min(n, ringB.size());
    const float step = 2.0f * singlePi / static_cast<float>(n);
    float a = 0.0f;
    beginPrimitive(GL_TRIANGLE_STRIP);
    for (size_t k = 0; k < count; ++k, a += step) {
        const size_t i = k % n;
        normal(std::cos(a) * sign, std::sin(a) * sign, 0.0f);
        vertex(*ringB[i], 0.0f, 0.0f, dz);
        vertex(*ringA[i]);
    }
    endPrimitive();
    if (capA) {
        normal(0.0f, 0.0f, static_cast<float>(-sign));
        drawOutlineSlab(ringA, 0.0f, 0.0f, 0.0f, Vector3D(0.0f, 0.0f, 1.0f));
    }
    if (capB) {
        normal(0.0f, 0.0f, static_cast<float>(sign));
        drawOutlineFaces(ringB, 0.0f, dz);
    }
}

Vector3D faceNormal(const Vertex& p0, const Vertex& p1, const Vertex& p2, int sign)
{
    Vector3D n = Vector3D::cross(Vector3D::fromDifference(p1, p0), Vector3D::fromDifference(p2, p0));
    n *= static_cast<float>(sign);
    n.normalize();
    return n;
}

void boxFace(const Vector3D& n, const Vertex& v0, const Vertex& v1, const Vertex& v2, const Vertex& v3)
{
    normal(n.getX(), n.getY(), n.getZ());
    beginPrimitive(GL_TRIANGLE_STRIP);
    vertex(v0);
    vertex(v1);
    vertex(v2);
    vertex(v3);
    endPrimitive();
}

} // namespace

void drawRoundSparSolid(const std::vector<Vertex*>& ringA, const std::vector<Vertex*>& ringB, float dz, int sign,
                        bool capA, bool capB)
{
    ringSolid(ringA, ringB, dz, sign, capA, capB);
}

void drawTubeSolid(const std::vector<Vertex*>& ringA, const std::vector<Vertex*>& ringB, float dz, int sign,
                   bool capA, bool capB)
{
    ringSolid(ringA, ringB, dz, sign, capA, capB);
}

void drawBoxSolid(const std::vector<Vertex*>& boxA, float ax, float ay, float az, const std::vector<Vertex*>& boxB,
                  float bx, float by, float bz, int sign, bool capA, bool capB)
{
    // A rectangle that could not be given its corners has none to join.
    if (boxA.size() < 4 || boxB.size() < 4)
        return;
    Vertex A[4];
    Vertex B[4];
    for (int k = 0; k < 4; ++k) {
        A[k] = Vertex(boxA[k]->getX() + ax, boxA[k]->getY() + ay, boxA[k]->getZ() + az);
        B[k] = Vertex(boxB[k]->getX() + bx, boxB[k]->getY() + by, boxB[k]->getZ() + bz);
    }
    if (capA)
        boxFace(faceNormal(A[0], A[1], A[2], sign), A[0], A[3], A[1], A[2]);
    boxFace(faceNormal(A[3], B[3], B[0], sign), B[0], B[3], A[0], A[3]);
    boxFace(faceNormal(B[2], A[2], A[1], sign), A[1], A[2], B[1], B[2]);
    boxFace(faceNormal(A[0], B[0], B[1], sign), B[1], B[0], A[1], A[0]);
    boxFace(faceNormal(A[2], B[2], B[3], sign), B[3], B[2], A[3], A[2]);
    if (capB)
        boxFace(faceNormal(B[0], B[3], B[2], sign), B[1], B[2], B[0], B[3]);
}

// --- Primitives of the views ----------------------------------------------

namespace {

void cylinder(int normalSign, float radius, float length, int segments)
{
    const float step = 2.0f * singlePi / static_cast<float>(segments);
    const float ns = static_cast<float>(normalSign);

    beginPrimitive(GL_TRIANGLE_FAN);
    normal(0.0f, 0.0f, -1.0f);
    vertex(0.0f, 0.0f, 0.0f);
    float a = 0.0f;
    for (int k = 0; k <= segments; ++k, a -= step)
        vertex(radius * std::cos(a), radius * std::sin(a), 0.0f);
    endPrimitive();

    beginPrimitive(GL_TRIANGLE_FAN);
    normal(0.0f, 0.0f, ns);
    vertex(0.0f, 0.0f, length);
    a = 0.0f;
    for (int k = 0; k <= segments; ++k, a += step)
        vertex(radius * std::cos(a), radius * std::sin(a), length);
    endPrimitive();

    beginPrimitive(GL_TRIANGLE_STRIP);
    a = 0.0f;
    for (int k = 0; k <= segments; ++k, a += step) {
        const float c = std::cos(a);
        const float s = std::sin(a);
        normal(ns * c, ns * s, 0.0f);
        vertex(radius * c, radius * s, length);
        vertex(radius * c, radius * s, 0.0f);
    }
    endPrimitive();
}

// Lines and boxes are drawn in flat colour whatever the view's lighting.
class LightingOff
{
public:
    LightingOff() : wasOn(glIsEnabled(GL_LIGHTING) == GL_TRUE) { glDisable(GL_LIGHTING); }
    ~LightingOff()
    {
        if (wasOn)
            glEnable(GL_LIGHTING);
    }
    LightingOff(const LightingOff&) = delete;
    LightingOff& operator=(const LightingOff&) = delete;

private:
    bool wasOn;
};

} // namespace

void drawCone(int normalSign, float radius, float height)
{
    const int segments = 16;
    const float step = 2.0f * singlePi / static_cast<float>(segments);
    const float ns = static_cast<float>(normalSign);

    beginPrimitive(GL_TRIANGLE_FAN);
    normal(0.0f, 0.0f, ns);
    vertex(0.0f, 0.0f, 0.0f);
    float a = 0.0f;
    for (int k = 0; k <= segments; ++k, a += step)
        vertex(radius * std::cos(a), radius * std::sin(a), 0.0f);
    endPrimitive();

    beginPrimitive(GL_TRIANGLE_FAN);
    vertex(0.0f, 0.0f, -height);
    a = 0.0f;
    for (int k = 0; k <= segments; ++k, a -= step) {
        const float c = std::cos(a);
        const float s = std::sin(a);
        normal(ns * c, ns * s, 0.0f);
        vertex(radius * c, radius * s, 0.0f);
    }
    endPrimitive();

    color(0.0f, 0.0f, 0.0f, 1.0f);
    beginPrimitive(GL_LINE_LOOP);
    a = 0.0f;
    for (int k = 0; k < segments; ++k, a += step)
        vertex(radius * std::cos(a), radius * std::sin(a), 0.0f);
    endPrimitive();
}

void drawCylinder(int normalSign, float radius, float length)
{
    cylinder(normalSign, radius, length, 16);
}

void drawCylinderCoarse(int normalSign, float radius, float length)
{
    cylinder(normalSign, radius, length, 8);
}

void drawAxes(float length, float scale, int normalSign)
{
    struct AxisArrow
    {
        float extent;
        float angle, rx, ry, rz;
        int channel;
    };
    // Each rotation turns the local -z direction onto the positive axis.
    const AxisArrow arrows[3] = {
        {length, -90.0f, 0.0f, 1.0f, 0.0f, 0},
        {0.25f * length, 90.0f, 1.0f, 0.0f, 0.0f, 1},
        {length, 180.0f, 0.0f, 1.0f, 0.0f, 2},
    };
    glPushMatrix();
    for (const AxisArrow& arrow : arrows) {
        float shade[3] = {0.0f, 0.0f, 0.0f};
        shade[arrow.channel] = 0.7f;
        color(shade[0], shade[1], shade[2], 1.0f);
        glPushMatrix();
        glRotatef(arrow.angle, arrow.rx, arrow.ry, arrow.rz);
        drawCylinderCoarse(normalSign, 0.5f * scale, -arrow.extent * scale);
        shade[arrow.channel] = 0.6f;
        color(shade[0], shade[1], shade[2], 1.0f);
        for (int k = 10; static_cast<float>(k) < arrow.extent; k += 10) {
            glTranslatef(0.0f, 0.0f, -10.0f * scale);
            drawCylinder(normalSign, (k % 100 == 0 ? 1.75f : 0.85f) * scale, -scale);
        }
        drawCone(normalSign, 7.0f * scale, 30.0f * scale);
        glPopMatrix();
    }
    glPopMatrix();
}

void drawGrid(int halfCount, float scale, float step, float y)
{
    // Positions advance by whole numbers; a smaller step would never move
    // past 0, and a grid beyond the int range cannot be walked.
    const float lo = -halfCount * step;
    const float hi = halfCount * step;
    if (!(step >= 1.0f) || !(std::fabs(lo) < 1e9f))
        return;
    LightingOff lightingOff;
    const float alpha = colorGrid[3] <= 1.0f ? colorGrid[3] : 0.0f;
    applyColour(colorGrid, alpha);
    glPushMatrix();
    glScalef(scale, scale, scale);
    beginPrimitive(GL_LINES);
    for (int i = static_cast<int>(lo); i <= hi; i = static_cast<int>(i + step)) {
        const float p = static_cast<float>(i);
        vertex(p, y, lo);
        vertex(p, y, hi);
        vertex(lo, y, p);
        vertex(hi, y, p);
    }
    endPrimitive();
    glPopMatrix();
}

void drawPanelBox(float rootChord, float tipChord, float length, float sweep, float halfHeight, float scale)
{
    LightingOff lightingOff;
    color(0.8f, 0.0f, 0.0f, 1.0f);
    const float h = halfHeight * scale;
    const float corners[4][2] = {
        {0.0f, 0.0f},
        {sweep * scale, length * scale},
        {tipChord * scale + sweep * scale, length * scale},
        {rootChord * scale, 0.0f},
    };
    for (float height : {-h, h}) {
        beginPrimitive(GL_LINE_LOOP);
        for (const auto& c : corners)
            vertex(c[0], height, c[1]);
        endPrimitive();
    }
    beginPrimitive(GL_LINES);
    for (const auto& c : corners) {
        vertex(c[0], -h, c[1]);
        vertex(c[0], h, c[1]);
    }
    endPrimitive();
}

} // namespace GLUtils
