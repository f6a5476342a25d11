#pragma once

// A three-rib panel of a cambered test section, and a sheeting band over it,
// for the covering tests.

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripDefinition.h"
#include "SheetedRibMeasures.h"

namespace {

const int stations = 100;

// A cambered test section (chord fractions): mean line and half thickness.
inline double camber(double x)
{
    return 0.08 * x * (1.0 - x);
}

inline double halfThickness(double x)
{
    return 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
}

// Gives a rib of the given chord an outline in the program's order (trailing
// edge, upper side, nose, lower side, trailing edge; point i and n-1-i at one
// station) with outward normals, in units of the wing root chord. The nose
// stations end at noseFraction of the chord, so a value above 0 leaves the
// outline as a leading-edge cut would: its middle pair at the cut.
inline void shapeRib(RibDefinition& rib, float chord, double noseFraction = 0.0005)
{
    const double k = chord / wingRootChord;
    std::vector<double> xs;
    for (int i = 0; i < stations; ++i) {
        const double u = 0.5 * (1.0 + std::cos(M_PI * i / (stations - 1)));
        xs.push_back(noseFraction + (1.0 - noseFraction) * u);
    }
    std::vector<Vector3D*> points;
    for (int i = 0; i < stations; ++i)
        points.push_back(new Vector3D(float(xs[size_t(i)] * k), float((camber(xs[size_t(i)]) + halfThickness(xs[size_t(i)])) * k), 0));
    for (int i = stations - 1; i >= 0; --i)
        points.push_back(new Vector3D(float(xs[size_t(i)] * k), float((camber(xs[size_t(i)]) - halfThickness(xs[size_t(i)])) * k), 0));
    const int n = int(points.size());
    for (int i = 0; i < n; ++i) {
        const Vector3D& prev = *points[size_t(std::max(i - 1, 0))];
        const Vector3D& next = *points[size_t(std::min(i + 1, n - 1))];
        float tx = next.getX() - prev.getX();
        float ty = next.getY() - prev.getY();
        if (i == stations - 1 || i == stations) {
            // The two nose points face forwards-up and forwards-down.
            tx = i == stations - 1 ? -1 : 1;
            ty = -1;
        }
        Vector3D normal(ty, -tx, 0);
        normal.normalize();
        points[size_t(i)]->setNormal(normal);
    }
    rib.setChord(chord);
    rib.setOffset(0, 0, 0);
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    rib.computeCamberLine();
}

// A panel of three ribs of chord 200 (length 200, ribs at 0, 100, 197).
inline void makePanel(RibListTableModel& table, float chord = 200.0f, double noseFraction = 0.0005)
{
    table.clear();
    table.getRibList().addRib(RibDefinition(0, 3));
    table.getRibList().addRib(RibDefinition(100, 3));
    table.getRibList().addRib(RibDefinition(197, 3));
    table.setPanelLength(200);
    for (RibDefinition& rib : table.getRibList().getRibs())
        shapeRib(rib, chord, noseFraction);
}

inline RibDefinition& ribAt(RibListTableModel& table, int number)
{
    bool found = false;
    return table.getRib(number - 1, found);
}

inline SheetingStripDefinition strip(float length, float start, bool fromLE, bool percent)
{
    SheetingStripDefinition s("s", 0, 1, 3, length, length, 1.5f, true, true, fromLE, false, start, start, false,
                              false);
    for (int i = 0; i < 4; ++i)
        s.setPercentageSelected(i, percent);
    return s;
}

} // namespace
