#pragma once

// What the sheeting tests measure on a finished rib outline (its thin
// tails, how far it lies outside another, whether it crosses itself), and
// public sections read as the airfoil library reads them.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>
#include <vector>

#include "airfoils/Airfoil.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"
#include "model/RibDefinition.h"

namespace {

const float wingRootChord = 200.0f;

// Whether the outline closes on a face across its trailing edge thinner
// than 0.5 mm (a rounding's width less).
inline bool endsThinOnAFace(const std::vector<Vector3D*>& outline)
{
    if (outline.size() < 2)
        return false;
    const Vector3D& top = *outline.front();
    const Vector3D& bottom = *outline.back();
    const float width = (top.getY() - bottom.getY()) * wingRootChord;
    return top.getX() == bottom.getX() && width > 0.001f && width < 0.49f;
}

// How much of the way round the outline its trailing end holds where it is
// thinner than 0.5 mm (a rounding's width less): each side from the end
// forwards, while it runs forwards, measured against the other side's
// height at its points. round, when given, takes the whole way round. With
// start, each side's segment on to its first point as thick is counted too:
// the place where the tail starts lies on those two.
inline double thinTailWay(const std::vector<Vector3D*>& outline, double* round = nullptr, bool start = false)
{
    const int n = int(outline.size());
    if (n < 4)
        return 0.0;
    if (round) {
        *round = 0.0;
        for (int i = 0; i < n; ++i)
            *round += outline[size_t(i)]->distanceXY(*outline[size_t((i + 1) % n)]);
    }
    // The side from `from` in steps of step, as long as it runs forwards.
    const auto side = [&](int from, int step) {
        std::vector<const Vector3D*> points{outline[size_t(from)]};
        for (int i = from + step; i > 0 && i < n - 1; i += step) {
            if (outline[size_t(i)]->getX() > points.back()->getX())
                break;
            points.push_back(outline[size_t(i)]);
        }
        return points;
    };
    const std::vector<const Vector3D*> upper = side(0, 1);
    const std::vector<const Vector3D*> lower = side(n - 1, -1);
    const auto heightAt = [](const std::vector<const Vector3D*>& points, float x, float& y) {
        for (size_t i = 1; i < points.size(); ++i) {
            const Vector3D& a = *points[i - 1];
            const Vector3D& b = *points[i];
            if (x <= a.getX() && x >= b.getX()) {
                y = a.getX() > b.getX() ? a.getY() + (b.getY() - a.getY()) * (a.getX() - x) / (a.getX() - b.getX())
                                        : b.getY();
                return true;
            }
        }
        return false;
    };
    double way = 0.0;
    for (const auto* points : {&upper, &lower}) {
        const auto* other = points == &upper ? &lower : &upper;
        for (size_t i = 1; i < points->size(); ++i) {
            float y = 0.0f;
            const Vector3D& p = *(*points)[i];
            const bool thin = heightAt(*other, p.getX(), y) && std::fabs(p.getY() - y) * wingRootChord < 0.49f;
            if (thin || start)
                way += p.distanceXY(*(*points)[i - 1]);
            if (!thin)
                break;
        }
    }
    return way;
}

// The same at the nose: the outline turned half round from its foremost
// point (the first of them, the top of a face across the front), so that
// the nose is a tail. Points a rounding apart count once.
inline double thinNoseWay(const std::vector<Vector3D*>& outline)
{
    const size_t n = outline.size();
    if (n < 4)
        return 0.0;
    size_t front = 0;
    for (size_t i = 1; i < n; ++i)
        if (outline[i]->getX() < outline[front]->getX())
            front = i;
    std::vector<Vector3D> turned;
    turned.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        const Vector3D& q = *outline[(front + k) % n];
        const Vector3D p(-q.getX(), -q.getY(), 0.0f);
        if (turned.empty() || turned.back().distanceXY(p) * wingRootChord > 0.001f)
            turned.push_back(p);
    }
    std::vector<Vector3D*> points;
    for (Vector3D& q : turned)
        points.push_back(&q);
    return thinTailWay(points);
}

inline double thinTailShare(const std::vector<Vector3D*>& outline, bool start = false)
{
    double round = 0.0;
    const double way = thinTailWay(outline, &round, start);
    return round > 0.0 ? way / round : 0.0;
}

// The outer surface of a band: the first half of its points.
inline QVector<const Vertex*> outerPoints(const IdentifiableObject& band)
{
    QVector<const Vertex*> outer;
    const auto& points = band.getPoints();
    for (size_t i = 0; i < points.size() / 2; ++i)
        outer.push_back(points[i]);
    return outer;
}

inline float minX(const std::vector<Vector3D*>& points)
{
    float m = 1e9f;
    for (const Vector3D* p : points)
        m = std::min(m, p->getX());
    return m;
}

inline std::unique_ptr<Airfoil> readPublicSection(const char* fileName)
{
    const QByteArray path = QByteArray(PLANFORMIX_SOURCE_DIR "/../shared/airfoils-public/") + fileName;
    FILE* stream = std::fopen(path.constData(), "r");
    if (!stream)
        return nullptr;
    char nameLine[256] = {};
    std::unique_ptr<Airfoil> airfoil;
    bool ok = false;
    if (std::fgets(nameLine, sizeof nameLine, stream)) {
        const QString dash = QStringLiteral("---");
        airfoil.reset(new Airfoil(QString::fromLatin1(nameLine).trimmed(), dash, dash, dash, dash, dash, dash, dash,
                                  dash, stream, &ok));
    }
    std::fclose(stream);
    return ok ? std::move(airfoil) : nullptr;
}

// Gives a rib of the given chord the outline of a public section, as the
// library resamples it, placed like the pipeline's ribs. With a root
// section, the rib is the panel's tip: the tip's shape with the root's
// normals, as the blend makes it; or, with a tip share under 1, a rib that
// far out along the panel.
inline bool shapeRibAsPublicSection(RibDefinition& rib, float chord, const char* fileName,
                                    const char* rootFileName = nullptr, float tipShare = 1.0f)
{
    const std::unique_ptr<Airfoil> airfoil = readPublicSection(fileName);
    const std::unique_ptr<Airfoil> root = rootFileName ? readPublicSection(rootFileName) : nullptr;
    if (!airfoil || (rootFileName && !root))
        return false;
    if (root)
        rib.setAirfoils(rib.position / tipShare, root.get(), airfoil.get(), 1.0f, 1.0f);
    else
        rib.setAirfoils(0.0f, airfoil.get(), airfoil.get(), 1.0f, 1.0f);
    rib.scale(chord / wingRootChord, chord / wingRootChord, 1.0f);
    rib.setChord(chord);
    rib.setOffset(0, 0, 0);
    rib.computeCamberLine();
    // The rib keeps its points; the airfoils are no longer needed.
    return true;
}

// How thick the outline is a hair (0.05 mm) behind its foremost point, in
// units of the outline: where a rib ends on a face, at least 0.5 mm.
inline float thicknessBehindFront(const std::vector<Vector3D*>& outline)
{
    // A rib the sheets consume has no outline, and no front to measure.
    if (outline.empty()) {
        return 0.0f;
    }
    const auto front = std::min_element(outline.begin(), outline.end(),
                                        [](const Vector3D* a, const Vector3D* b) { return a->getX() < b->getX(); });
    const float at = (*front)->getX() + 0.05f / wingRootChord;
    float low = FLT_MAX;
    float high = -FLT_MAX;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vector3D& a = *outline[i];
        const Vector3D& b = *outline[(i + 1) % outline.size()];
        if ((a.getX() - at) * (b.getX() - at) <= 0.0f && a.getX() != b.getX()) {
            const float y = a.getY() + (b.getY() - a.getY()) * (at - a.getX()) / (b.getX() - a.getX());
            low = std::min(low, y);
            high = std::max(high, y);
        }
    }
    return high - low;
}

// How far the farthest point of a lies outside the closed outline b, in
// units of the outline (0 when every point lies inside or on it).
inline double farthestOutside(const std::vector<Vector3D*>& a, const std::vector<Vector3D*>& b)
{
    const size_t n = b.size();
    double farthest = 0.0;
    for (const Vector3D* q : a) {
        bool inside = false;
        double nearest = 1e30;
        for (size_t i = 0; i < n; ++i) {
            const Vector3D& u = *b[i];
            const Vector3D& v = *b[(i + 1) % n];
            if ((u.getY() > q->getY()) != (v.getY() > q->getY())
                && q->getX() < u.getX() + (q->getY() - u.getY()) * (v.getX() - u.getX()) / (v.getY() - u.getY()))
                inside = !inside;
            const double dx = double(v.getX()) - u.getX();
            const double dy = double(v.getY()) - u.getY();
            const double l = dx * dx + dy * dy;
            double t = l > 0.0 ? ((q->getX() - u.getX()) * dx + (q->getY() - u.getY()) * dy) / l : 0.0;
            t = std::min(1.0, std::max(0.0, t));
            nearest = std::min(nearest, std::hypot(u.getX() + t * dx - q->getX(), u.getY() + t * dy - q->getY()));
        }
        if (!inside)
            farthest = std::max(farthest, nearest);
    }
    return farthest;
}

// How deep inside the closed outline the point (x, y) lies, in units of the
// outline (0 outside).
inline double depthInside(double x, double y, const std::vector<Vector3D*>& outline)
{
    bool inside = false;
    double nearest = 1e30;
    for (size_t i = 0, n = outline.size(); i < n; ++i) {
        const Vector3D& u = *outline[i];
        const Vector3D& v = *outline[(i + 1) % n];
        if ((u.getX() <= x) != (v.getX() <= x) && u.getY() + (x - u.getX()) * (v.getY() - u.getY()) / (v.getX() - u.getX()) > y)
            inside = !inside;
        const double dx = double(v.getX()) - u.getX();
        const double dy = double(v.getY()) - u.getY();
        const double l = dx * dx + dy * dy;
        const double t = l > 0.0 ? std::clamp(((x - u.getX()) * dx + (y - u.getY()) * dy) / l, 0.0, 1.0) : 0.0;
        nearest = std::min(nearest, std::hypot(u.getX() + t * dx - x, u.getY() + t * dy - y));
    }
    return inside ? nearest : 0.0;
}

// Whether two segments of the closed outline that do not follow each other
// cross ahead of x (the test section's sharp trailing edge closes over
// itself by a hair).
inline bool crossesItself(const std::vector<Vector3D*>& p, float aheadOf)
{
    const size_t n = p.size();
    const auto side = [](const Vector3D& o, const Vector3D& a, const Vector3D& b) {
        return (double(a.getX()) - o.getX()) * (double(b.getY()) - o.getY())
               - (double(a.getY()) - o.getY()) * (double(b.getX()) - o.getX());
    };
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            const Vector3D& a = *p[i];
            const Vector3D& b = *p[(i + 1) % n];
            const Vector3D& c = *p[j];
            const Vector3D& d = *p[(j + 1) % n];
            const double d1 = side(a, b, c);
            const double d2 = side(a, b, d);
            const double d3 = side(c, d, a);
            const double d4 = side(c, d, b);
            if (((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 && d4 != 0
                && a.getX() < aheadOf)
                return true;
        }
    }
    return false;
}

} // namespace
