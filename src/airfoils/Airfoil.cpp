#include "airfoils/Airfoil.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <qopengl.h>

#include "airfoils/AirfoilFile.h"
#include "foundation/GLUtils.h"
#include "foundation/Vector3D.h"

namespace {
// The four passes share these single-precision chord parameters: 70
// stations over the first 90 % of the chord from the trailing edge, and 70
// more, ten times as dense, over the nose where the curvature is.
const float NoseStart = 0.9f;
const float NoseEnd = 0.901f;
const int StationsPerPass = 70;
// Segments walked between two looks at the cancel flag.
const size_t SegmentsBetweenLooks = 1 << 16;

bool isFinitePoint(const Vector3D* p)
{
    const Vector3D* n = p->getNormal();
    return std::isfinite(p->getX()) && std::isfinite(p->getY()) && std::isfinite(p->getZ())
           && (!n || (std::isfinite(n->getX()) && std::isfinite(n->getY()) && std::isfinite(n->getZ())));
}
} // namespace

Airfoil::Airfoil(const QString& name, const QString& thickness, const QString& camber,
                 const QString& maxCL, const QString& maxCLAngle, const QString& maxLD,
                 const QString& maxLDAngle, const QString& stallAngle,
                 const QString& zeroLiftAngle, FILE* stream, bool* ok, AirfoilReading* reading)
    : name(name), thickness(thickness), camber(camber), maxCL(maxCL), maxCLAngle(maxCLAngle),
      maxLD(maxLD), maxLDAngle(maxLDAngle), stallAngle(stallAngle), zeroLiftAngle(zeroLiftAngle),
      maxThicknessPosition(0.0f)
{
    AirfoilReading ownReading;
    AirfoilReading& state = reading ? *reading : ownReading;
    std::vector<AirfoilRawPoint> raw;
    bool built = false;
    try {
        // Numbers are parsed in the "C" convention; the process locale is
        // left alone, as this runs in the loading thread.
        built = readAirfoilPoints(stream, raw, state);
        if (built && raw.size() < 2) {
            built = false;
            state.failure = AirfoilReadFailure::TooFewPoints;
        }
        if (built) {
            float xmin = raw.front().x;
            float xmax = xmin;
            for (const AirfoilRawPoint& p : raw) {
                xmin = std::min(xmin, p.x);
                xmax = std::max(xmax, p.x);
            }
            built = sampleStations(xmax, xmin, raw, state);

            // x is stored in chord lengths whatever unit the file uses, so y
            // has to be brought to the same unit: a file in percent of chord
            // must give the same airfoil as one in chord fractions.
            const double range = static_cast<double>(xmax) - static_cast<double>(xmin);
            if (built && range > 0.0) {
                for (Vector3D* p : coords)
                    p->setY(static_cast<float>(p->getY() / range));
            }
        }
        if (built) {
            computeNormals();
            // Numbers that each fit a float can still make an outline that
            // does not (surfaces far apart, a chord too short for its
            // height); such an airfoil would carry infinities into every rib
            // built from it.
            built = std::all_of(coords.begin(), coords.end(), isFinitePoint);
            if (!built)
                state.failure = AirfoilReadFailure::NoOutline;
        }
    } catch (const std::bad_alloc&) {
        built = false;
        state.failure = AirfoilReadFailure::NotEnoughMemory;
    }
    if (built) {
        maxThicknessPosition = findMaxThicknessPosition(coords, 0.5f);
        state.setPermille(1000);
    } else {
        Vector3D::clearList(coords);
        // A cancelled read is no error.
        if (state.failure != AirfoilReadFailure::Cancelled)
            std::cout << "ERROR loading airfoil " << name.toStdString() << std::endl;
    }
    if (ok)
        *ok = built;
}

Airfoil::~Airfoil()
{
    Vector3D::clearList(coords);
}

namespace {

// The y where the segment a-b (xa < xb) crosses x = X, for X within them;
// the resampler's one formula, so that every way to the crossings gives the
// same numbers.
float crossingY(float xa, float ya, float xb, float yb, float X)
{
    if (xa == X)
        return ya;
    if (xb == X)
        return yb;
    const float slope = static_cast<float>((static_cast<double>(ya) - yb) / (static_cast<double>(xa) - xb));
    return static_cast<float>(ya + (static_cast<double>(X) - xa) * slope);
}

float meanY(float ya, float yb)
{
    return static_cast<float>((static_cast<double>(ya) + yb) * 0.5);
}

} // namespace

bool Airfoil::intersectAtX(const std::vector<Vector3D*>& raw, float X, std::vector<float>& ys)
{
    if (raw.size() < 2)
        return false;
    for (size_t i = 0; i + 1 < raw.size(); ++i) {
        const Vector3D* a = raw[i];
        const Vector3D* b = raw[i + 1];
        if (b->getX() < a->getX())
            std::swap(a, b);
        const float xa = a->getX();
        const float xb = b->getX();
        if (xa == xb) {
            if (xa == X)
                ys.push_back(meanY(a->getY(), b->getY()));
        } else if (xa <= X && X <= xb) {
            ys.push_back(crossingY(xa, a->getY(), xb, b->getY(), X));
        }
    }
    return true;
}

struct Airfoil::Station {
    float X;        // in the file's coordinates
    float storedX;  // chord station - 0.5
    bool upper;     // takes the highest crossing, else the lowest
};

void Airfoil::addStations(std::vector<Station>& stations, float xmax, float xmin, float t0, float t1,
                          bool upper)
{
    // t is 0 at the trailing edge and 1 at the leading edge. The stored x
    // comes from t alone, so every airfoil gets the same stations; only the
    // station's place in the file's own x range depends on the file.
    const int count = StationsPerPass;
    const double range = static_cast<double>(xmax) - static_cast<double>(xmin);
    const double start = std::max(static_cast<double>(xmin), xmax - t0 * range);
    const double end = std::max(static_cast<double>(xmin), xmax - t1 * range);
    const double rawStep = (t1 * range - t0 * range) / (count - 1);
    const double step = (static_cast<double>(t1) - t0) / (count - 1);

    double u = upper ? 1.0 - t0 : 1.0 - t1;
    for (int k = 0; k < count; ++k) {
        const float X = upper ? static_cast<float>(std::max(end, start - k * rawStep))
                              : static_cast<float>(std::min(start, end + k * rawStep));
        stations.push_back({X, static_cast<float>(u - 0.5), upper});
        u = upper ? std::max(1.0 - t1, u - step) : std::min(1.0 - t0, u + step);
    }
}

bool Airfoil::sampleStations(float xmax, float xmin, const std::vector<AirfoilRawPoint>& raw,
                             AirfoilReading& reading)
{
    // The four passes: 70 stations over the first 90 % of the chord from the
    // trailing edge and 70 over the nose, on the upper side towards the nose
    // and on the lower side back.
    std::vector<Station> stations;
    stations.reserve(4 * StationsPerPass);
    addStations(stations, xmax, xmin, 0.0f, NoseStart, true);
    addStations(stations, xmax, xmin, NoseEnd, 1.0f, true);
    addStations(stations, xmax, xmin, NoseEnd, 1.0f, false);
    addStations(stations, xmax, xmin, 0.0f, NoseStart, false);

    // One walk along the raw outline meets every station each segment spans
    // (a station per segment and the whole outline per station would take a
    // minute on a file of millions of points). Only the highest and the
    // lowest crossing of a station are used, which the order they are met
    // in does not change.
    const size_t n = stations.size();
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t l, size_t r) { return stations[l].X < stations[r].X; });
    std::vector<float> sortedX(n);
    for (size_t i = 0; i < n; ++i)
        sortedX[i] = stations[order[i]].X;
    std::vector<float> highest(n, -std::numeric_limits<float>::infinity());
    std::vector<float> lowest(n, std::numeric_limits<float>::infinity());
    std::vector<char> met(n, 0);
    const auto meet = [&](size_t k, float y) {
        highest[k] = std::max(highest[k], y);
        lowest[k] = std::min(lowest[k], y);
        met[k] = 1;
    };

    const size_t segments = raw.size() - 1;
    for (size_t i = 0; i < segments; ++i) {
        if (i % SegmentsBetweenLooks == 0) {
            if (reading.isCancelled()) {
                reading.failure = AirfoilReadFailure::Cancelled;
                return false;
            }
            reading.setPermille(900 + int(100 * i / segments));
        }
        const AirfoilRawPoint* a = &raw[i];
        const AirfoilRawPoint* b = &raw[i + 1];
        if (b->x < a->x)
            std::swap(a, b);
        size_t k = size_t(std::lower_bound(sortedX.begin(), sortedX.end(), a->x) - sortedX.begin());
        if (a->x == b->x) {
            for (; k < n && sortedX[k] == a->x; ++k)
                meet(k, meanY(a->y, b->y));
        } else {
            for (; k < n && sortedX[k] <= b->x; ++k)
                meet(k, crossingY(a->x, a->y, b->x, b->y, sortedX[k]));
        }
    }

    std::vector<float> y(n);
    for (size_t k = 0; k < n; ++k) {
        if (!met[k]) {
            reading.failure = AirfoilReadFailure::NoOutline;
            return false;
        }
        y[order[k]] = stations[order[k]].upper ? highest[k] : lowest[k];
    }
    coords.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        coords.push_back(nullptr);  // the slot first, so no point is left unowned
        coords.back() = new Vector3D(stations[i].storedX, y[i], 0.0f);
    }
    return true;
}

void Airfoil::computeNormals()
{
    const size_t n = coords.size();
    if (n < 2)
        return;
    // A running average of the segment normals along the outline: it smooths
    // the shading of the resampled outline rather than following every
    // station exactly.
    std::vector<Vector3D> normals;
    normals.reserve(n - 1);
    for (size_t i = 0; i + 1 < n; ++i) {
        Vector3D segment(-(coords[i]->getY() - coords[i + 1]->getY()),
                         coords[i]->getX() - coords[i + 1]->getX(), 0.0f);
        segment.normalize();
        if (i == 0) {
            normals.push_back(segment);
        } else {
            Vector3D mean(segment);
            mean += normals.back();
            mean *= 0.5f;
            normals.push_back(mean);
        }
    }
    for (size_t i = 0; i + 1 < n; ++i) {
        normals[i].normalize();
        coords[i]->setNormal(normals[i]);
    }
    // The nose points face straight forward; the two trailing-edge points
    // take their neighbour's normal, as the last segment there can be a
    // vertical step between separate trailing-edge points.
    const Vector3D forward(-1.0f, 0.0f, 0.0f);
    coords[n / 2 - 1]->setNormal(forward);
    coords[n / 2]->setNormal(forward);
    coords[0]->setNormal(*coords[1]->getNormal());
    coords[n - 1]->setNormal(*coords[n - 2]->getNormal());
}

void Airfoil::scaleThickness(float factor)
{
    for (Vector3D* p : coords)
        p->setY(p->getY() * factor);
    // The normals follow the new shape, as they will when the thickened
    // outline is read from its file at the next start.
    computeNormals();
}

void Airfoil::visualize() const
{
    GLUtils::beginPrimitive(GL_LINE_LOOP);
    for (const Vector3D* p : coords)
        GLUtils::vertex(*p);
    GLUtils::endPrimitive();
}

float findMaxThicknessPosition(const std::vector<Vector3D*>& points, float offset)
{
    const size_t n = points.size();
    if (n < 2)
        return 0.0f;
    float largest = 0.0f;
    float position = 0.0f;
    for (size_t i = 0; i < n / 2; ++i) {
        const float d = points[i]->getY() - points[n - 1 - i]->getY();
        if (d > largest) {
            largest = d;
            position = (points[i]->getX() + offset) * 100.0f;
        }
    }
    return position;
}
