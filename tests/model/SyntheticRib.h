#pragma once

#include <cmath>
#include <vector>

#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"

// A cambered 12 % rib with the stations of a resampled airfoil (280 points,
// point i and point n-1-i at one station, the leading edge doubled in the
// middle), scaled to its chord in units of a 200 mm wing root chord and
// placed at the given leading edge and span position.
namespace SyntheticRib {

const float wingRootChord = 200.0f;
const int outlinePoints = 280;

inline RibDefinition make(float position, float chord, float offsetX = 0.0f)
{
    RibDefinition rib(position, 3.0f);
    const int half = outlinePoints / 2;
    const double c = chord / wingRootChord;
    const float z = position / wingRootChord;
    std::vector<Vector3D*> points(outlinePoints, nullptr);
    for (int i = 0; i < half; ++i) {
        const double x = 0.5 * (1.0 + std::cos(M_PI * i / (half - 1)));
        const double t = 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x
                                + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
        const double camber = 0.08 * x * (1.0 - x);
        points[i] = new Vector3D(float(x * c + offsetX), float((camber + t) * c), z);
        points[outlinePoints - 1 - i] =
            new Vector3D(float(x * c + offsetX), float((camber - t) * c), z);
    }
    // Outward normals: the outline runs counter-clockwise.
    for (int i = 0; i < outlinePoints; ++i) {
        const Vector3D& prev = *points[i == 0 ? 0 : i - 1];
        const Vector3D& next = *points[i == outlinePoints - 1 ? i : i + 1];
        Vector3D normal(next.getY() - prev.getY(), prev.getX() - next.getX(), 0.0f);
        normal.normalize();
        points[i]->setNormal(normal);
    }
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    rib.setChord(chord);
    rib.setOffset(offsetX, 0.0f, z);
    rib.computeCamberLine();
    return rib;
}

// Upper and lower outline heights at d mm from the rib's leading edge.
inline void heightsAt(const RibDefinition& rib, float d, float& upper, float& lower)
{
    const float xLE = rib.getOffsetX();
    upper = lower = NAN;
    rib.getHeightsAtChordPosition(d, xLE, xLE + rib.getChord() / wingRootChord, upper, lower);
}

} // namespace SyntheticRib
