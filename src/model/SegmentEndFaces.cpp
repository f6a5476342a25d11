#include "model/SegmentEndFaces.h"

#include "foundation/Rectangle3D.h"
#include "foundation/Vertex.h"
#include "model/RibDefinition.h"

#include <cmath>

namespace {

// Direction of the segment in the x-z plane, from corner 0 of A to corner 0
// of B raised by the thickness the piece reaches through.
struct SegmentDirection {
    float cx = 0.0f;
    float cz = 0.0f;
    float extra = 0.0f;
};

bool segmentDirection(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribB, bool last,
                      SegmentDirection& dir)
{
    if (!a.hasCorners() || !b.hasCorners())
        return false;
    const Vertex& a0 = *a.getPoints()[0];
    const Vertex& b0 = *b.getPoints()[0];
    dir.extra = last ? ribB.scaledThickness : 0.0f;
    const float dx = b0.getX() - a0.getX();
    const float dz = b0.getZ() + dir.extra - a0.getZ();
    const float length = std::sqrt(dx * dx + dz * dz);
    if (!(length > 0.0f) || !std::isfinite(length))
        return false;
    dir.cx = dx / length;
    dir.cz = dz / length;
    return true;
}

bool cornersFinite(const Rectangle3D& r)
{
    for (const Vertex* p : r.getPoints())
        if (!std::isfinite(p->getX()) || !std::isfinite(p->getY()) || !std::isfinite(p->getZ()))
            return false;
    return true;
}

float distance(const Vertex& p, const Vertex& q)
{
    const float dx = p.getX() - q.getX();
    const float dy = p.getY() - q.getY();
    const float dz = p.getZ() - q.getZ();
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Slope of the y difference over the corner distance; coinciding corners
// have no slope.
float ySlope(const Vertex& p, const Vertex& q)
{
    const float dist = distance(p, q);
    return dist > 0.0f ? (p.getY() - q.getY()) / dist : 0.0f;
}

} // namespace

void calculateBoxSegmentEndFaces(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribA,
                                 const RibDefinition& ribB, bool /*first*/, bool last, float d, Rectangle3D& outA,
                                 Rectangle3D& outB)
{
    SegmentDirection dir;
    // A segment running exactly across the span direction (cz = 0) would need
    // an infinite shift along x; like a segment of no length it has no faces.
    if (!segmentDirection(a, b, ribB, last, dir) || dir.cz == 0.0f) {
        outA = Rectangle3D();
        outB = Rectangle3D();
        return;
    }
    const float slope = dir.cx / dir.cz;

    Rectangle3D faceA(a);
    faceA.translate(slope * ribA.scaledThickness + d * dir.cx, 0.0f, 0.0f);
    Rectangle3D faceB(b);
    faceB.translate(last ? -(slope * ribB.scaledThickness + d * dir.cx) : -d * dir.cx, 0.0f, 0.0f);

    const float sA = ySlope(*faceA.getPoints()[0], *faceB.getPoints()[0]);
    const float sB = ySlope(*faceA.getPoints()[3], *faceB.getPoints()[3]);

    faceA.translate(0.0f, 0.0f, ribA.scaledThickness + d * dir.cz);
    faceB.translate(0.0f, 0.0f, -d * dir.cz);
    faceA.extendY(sA * d, -sB * d);
    faceB.extendY(-sA * d, sB * d);

    if (!cornersFinite(faceA) || !cornersFinite(faceB)) {
        outA = Rectangle3D();
        outB = Rectangle3D();
        return;
    }
    outA = std::move(faceA);
    outB = std::move(faceB);
}

bool calculateRoundSegmentEndFaces(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribA,
                                   const RibDefinition& ribB, bool /*first*/, bool last, float d, Rectangle3D& out)
{
    SegmentDirection dir;
    if (!segmentDirection(a, b, ribB, last, dir))
        return false;
    const Vertex& a0 = *a.getPoints()[0];
    const Vertex& a3 = *a.getPoints()[3];
    const Vertex& b0 = *b.getPoints()[0];
    const Vertex& b3 = *b.getPoints()[3];

    const float tA = d + ribA.scaledThickness;
    const float dzA = tA * dir.cz;
    const float dxB = last ? -(d + ribB.scaledThickness) * dir.cx : -d * dir.cx;
    const float dzB = -d * dir.cz;
    if (!((b0.getZ() + dzB) - (a0.getZ() + dzA) > 0.0f))
        return false;
    // Two parts at one span position leave no run to spread the height over.
    const float run = dir.extra + b0.getZ() - a0.getZ();
    if (run == 0.0f)
        return false;
    const float sy = (b0.getY() - a0.getY()) / run * d;

    Rectangle3D face(Vertex(b0.getX() + dxB, b0.getY() - sy, b0.getZ() + dzB),
                     Vertex(a0.getX() + tA * dir.cx, a0.getY() + sy, a0.getZ() + dzA),
                     Vertex(a3.getX() + tA * dir.cx, a3.getY() + sy, a3.getZ() + dzA),
                     Vertex(b3.getX() + dxB, b3.getY() - sy, b3.getZ() + dzB));
    if (!cornersFinite(face))
        return false;
    out = std::move(face);
    return true;
}
