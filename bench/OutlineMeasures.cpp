#include "OutlineMeasures.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"

namespace outlinecheck {
// The outline as a cutter runs it, in mm: repeats in a row are one pass,
// and so are the two ends of a closed trailing edge.
std::vector<P> passesOf(const RibDefinition::PointList& outline, double mm)
{
    const double tolerance = 0.001;
    std::vector<P> passes;
    for (const Vector3D* v : outline) {
        const P p{v->getX() * mm, v->getY() * mm};
        if (passes.empty() || std::fabs(passes.back().x - p.x) > tolerance
            || std::fabs(passes.back().y - p.y) > tolerance)
            passes.push_back(p);
    }
    while (passes.size() > 1 && std::fabs(passes.back().x - passes.front().x) <= tolerance
           && std::fabs(passes.back().y - passes.front().y) <= tolerance)
        passes.pop_back();
    return passes;
}

double cross(const P& o, const P& a, const P& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double distanceToSegment(const P& p, const P& a, const P& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double l = dx * dx + dy * dy;
    double t = l > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l : 0.0;
    t = std::min(1.0, std::max(0.0, t));
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// Segments sorted by their lowest x, for the searches below.
struct SegmentIndex {
    const std::vector<P>& p;
    std::vector<int> order;
    double longest = 0.0;
    explicit SegmentIndex(const std::vector<P>& points) : p(points)
    {
        const int n = int(p.size());
        order.resize(size_t(n));
        for (int i = 0; i < n; ++i) {
            order[size_t(i)] = i;
            longest = std::max(longest, std::fabs(p[size_t(i)].x - p[size_t((i + 1) % n)].x));
        }
        std::sort(order.begin(), order.end(), [&](int a, int b) { return minX(a) < minX(b); });
    }
    double minX(int s) const { return std::min(p[size_t(s)].x, p[(size_t(s) + 1) % p.size()].x); }
    double maxX(int s) const { return std::max(p[size_t(s)].x, p[(size_t(s) + 1) % p.size()].x); }
    const P& a(int s) const { return p[size_t(s)]; }
    const P& b(int s) const { return p[(size_t(s) + 1) % p.size()]; }
    // Calls f for every segment whose x range may meet [x0, x1].
    template <class F>
    void near(double x0, double x1, F f) const
    {
        auto it = std::lower_bound(order.begin(), order.end(), x0 - longest,
                                   [&](int s, double x) { return minX(s) < x; });
        for (; it != order.end() && minX(*it) <= x1; ++it)
            if (maxX(*it) >= x0)
                f(*it);
    }
};

// Whether the closed outline crosses or touches itself away from its
// neighbouring segments.
bool crossesItself(const std::vector<P>& p, double* loopLength, P* where)
{
    const int n = int(p.size());
    if (n < 4)
        return false;
    const SegmentIndex index(p);
    bool found = false;
    for (int s = 0; s < n && !found; ++s) {
        const P& a = index.a(s);
        const P& b = index.b(s);
        index.near(index.minX(s), index.maxX(s), [&](int t) {
            if (found || t <= s || t == s + 1 || (s == 0 && t == n - 1))
                return;
            const P& c = index.a(t);
            const P& d = index.b(t);
            const double d1 = cross(a, b, c);
            const double d2 = cross(a, b, d);
            const double d3 = cross(c, d, a);
            const double d4 = cross(c, d, b);
            bool hit = ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0
                       && d4 != 0;
            double length = 0.0;
            for (int k = s + 1; k < t; ++k)
                length += std::hypot(p[size_t(k + 1)].x - p[size_t(k)].x, p[size_t(k + 1)].y - p[size_t(k)].y);
            // Touching within 0.0005 mm counts too, unless the way between
            // is under 0.01 mm (a cutter's kerf covers that).
            const bool touch = distanceToSegment(c, a, b) < 0.0005 || distanceToSegment(d, a, b) < 0.0005
                               || distanceToSegment(a, c, d) < 0.0005 || distanceToSegment(b, c, d) < 0.0005;
            if (hit || (touch && length > 0.01)) {
                found = true;
                *loopLength = length;
                *where = a;
            }
        });
    }
    return found;
}

bool crossesAsStored(const RibDefinition::PointList& outline, double mm, P* where)
{
    // In the outline's own units: the differences of its float coordinates
    // are exact in double, so a crossing by a hair is told as surely as any.
    // Points meant to lie on one spot may still lie a float's rounding
    // apart (under 0.00001 mm): such a crossing is none.
    const double rounding = 0.00001 / mm;
    std::vector<P> p;
    p.reserve(outline.size());
    for (const Vector3D* v : outline)
        p.push_back({v->getX(), v->getY()});
    const int n = int(p.size());
    if (n < 4)
        return false;
    const SegmentIndex index(p);
    bool found = false;
    for (int s = 0; s < n && !found; ++s) {
        index.near(index.minX(s), index.maxX(s), [&](int t) {
            if (found || t <= s + 1 || (s == 0 && t == n - 1))
                return;
            const P& a = index.a(s);
            const P& b = index.b(s);
            const P& c = index.a(t);
            const P& d = index.b(t);
            const double d1 = cross(a, b, c);
            const double d2 = cross(a, b, d);
            const double d3 = cross(c, d, a);
            const double d4 = cross(c, d, b);
            if (((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0))
                && std::min(std::min(distanceToSegment(c, a, b), distanceToSegment(d, a, b)),
                            std::min(distanceToSegment(a, c, d), distanceToSegment(b, c, d)))
                       > rounding) {
                found = true;
                *where = P{a.x * mm, a.y * mm};
            }
        });
    }
    return found;
}

bool passesPointTwice(const std::vector<P>& p, P* where)
{
    std::vector<P> sorted = p;
    std::sort(sorted.begin(), sorted.end(), [](const P& a, const P& b) { return a.x < b.x; });
    for (size_t i = 0; i < sorted.size(); ++i)
        for (size_t j = i + 1; j < sorted.size() && sorted[j].x - sorted[i].x <= 0.001; ++j)
            if (std::fabs(sorted[j].y - sorted[i].y) <= 0.001) {
                *where = sorted[i];
                return true;
            }
    return false;
}

// The chord ranges, in mm, of the spar slots and holes cut into a rib.
std::vector<std::pair<double, double>> sparRanges(const RibDefinition& rib, double mm)
{
    std::vector<std::pair<double, double>> ranges;
    for (const RibDefinition::PartList* parts :
         {&rib.getSquareSparParts(), &rib.getRoundSparParts(), &rib.getTubeSparParts(), &rib.getCubeTubeParts(),
          &rib.getSparWebbingParts(), &rib.getCubeSparParts()}) {
        for (const IdentifiableObject* part : *parts) {
            double low = 1e30;
            double high = -1e30;
            for (const Vertex* v : part->getPoints()) {
                low = std::min(low, double(v->getX()) * mm);
                high = std::max(high, double(v->getX()) * mm);
            }
            if (low <= high)
                ranges.emplace_back(low, high);
        }
    }
    // A tongue narrower than 0.5 mm between two slots is taken off, along
    // each rib's own slot floors: the slots and the tongue are one range.
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<double, double>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first < merged.back().second + 0.5)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    return merged;
}

bool withinSpar(const std::vector<std::pair<double, double>>& ranges, double x)
{
    for (const auto& range : ranges)
        if (x >= range.first - 0.01 && x <= range.second + 0.01)
            return true;
    return false;
}



// Whether the stretch of p from first to last runs round a tongue and a
// notch at once: it crosses the root between its ends and reaches more
// than a hair beyond the root's line on either side. A tongue leaning out
// beyond its corners along a curved surface does not cross its root.
// last may lie beyond the end of p, for a stretch through the place
// where the outline closes.
static bool tongueAndNotch(const std::vector<P>& p, int first, int last)
{
    const size_t n = p.size();
    const P& f = p[size_t(first) % n];
    const P& g = p[size_t(last) % n];
    const double root = std::hypot(g.x - f.x, g.y - f.y);
    double left = 0.0;
    double right = 0.0;
    bool crosses = false;
    for (int k = first + 1; k < last; ++k) {
        const P& u = p[size_t(k) % n];
        const double side = cross(f, g, u) / root;
        left = std::max(left, side);
        right = std::max(right, -side);
        if (k + 1 < last) {
            const P& v = p[size_t(k + 1) % n];
            const double d1 = cross(f, g, u);
            const double d2 = cross(f, g, v);
            const double d3 = cross(u, v, f);
            const double d4 = cross(u, v, g);
            crosses = crosses || (d1 * d2 < 0.0 && d3 * d4 < 0.0);
        }
    }
    return crosses && std::min(left, right) > 0.05;
}

// The way the outline turns at point k, where it closes as anywhere: the
// segments into and out of it and the cosine of the angle between them.
struct Turn {
    double ux, uy, vx, vy, lu, lv, cosine;
};

static Turn turnAt(const std::vector<P>& p, int k)
{
    const size_t n = p.size();
    const P& a = p[(size_t(k) + n - 1) % n];
    const P& b = p[size_t(k)];
    const P& c = p[(size_t(k) + 1) % n];
    Turn t{b.x - a.x, b.y - a.y, c.x - b.x, c.y - b.y, 0.0, 0.0, 0.0};
    t.lu = std::hypot(t.ux, t.uy);
    t.lv = std::hypot(t.vx, t.vy);
    t.cosine = (t.ux * t.vx + t.uy * t.vy) / (t.lu * t.lv);
    return t;
}

// The widest narrow feature found: a stretch of outline that leaves a sharp
// corner and comes back to another sharp corner less than 0.5 mm from it,
// having gone more than 0.05 mm out of the line between them, and that is
// on average narrower than 0.5 mm all along (a tongue, a spike, a slot, a
// ridge); a tongue standing out farther than its corners lie apart (less
// than 5 mm), on average narrower than 0.5 mm over its height; or a turn
// back on itself (a stub out and back). A stretch may run through the
// place where the outline closes at the trailing edge. A stretch wider than
// that, such as the front of a rib that two slots from either side leave
// joined by less than 0.5 mm, is a neck; a notch deeper than its mouth is wide and than
// 0.5 mm is a slot (the pocket of a tilted spar's corner, say): both
// counted into finds. With anyWay, necks are found however long the way
// between their corners: so the bare rib's are, for telling which of a
// covered rib's necks it has too, as the sheets shorten the way round a
// nose by their ends and bring a neck the bare rib has, such as the web
// between two slots, within the 30 mm.
double narrowFeature(const std::vector<P>& p, QString* what, NarrowFinds* finds, bool anyWay)
{
    const int n = int(p.size());
    if (n < 4)
        return 0.0;
    std::vector<int> corners;
    double worst = 0.0;
    double whole = 0.0;
    // Where the outline closes on a trailing-edge piece's face, a hair of
    // wood may stand up the face beside either corner: the outline runs
    // along the face and turns straight back beside it.
    for (const int k : {0, n - 1}) {
        const Turn t = turnAt(p, k);
        const P& b = p[size_t(k)];
        const double turn = t.cosine;
        const double out = std::min(t.lu, t.lv);
        if (turn < -0.99 && std::fabs(t.uy) > std::fabs(t.ux) && std::fabs(t.vy) > std::fabs(t.vx) && out > 0.05
            && out > worst) {
            worst = out;
            *what = QStringLiteral("sliver up the trailing edge's face, %1 mm wide, %2 mm out at (%3, %4)")
                        .arg(std::sqrt(std::max(0.0, 1.0 - turn * turn)) * out, 0, 'f', 3)
                        .arg(out, 0, 'f', 3)
                        .arg(b.x, 0, 'f', 2)
                        .arg(b.y, 0, 'f', 2);
            finds->narrowsAt.push_back(b);
        }
    }
    for (int i = 1; i + 1 < n; ++i) {
        whole += cross(p[0], p[size_t(i)], p[size_t(i + 1)]);
        const double ux = p[size_t(i)].x - p[size_t(i - 1)].x;
        const double uy = p[size_t(i)].y - p[size_t(i - 1)].y;
        const double vx = p[size_t(i + 1)].x - p[size_t(i)].x;
        const double vy = p[size_t(i + 1)].y - p[size_t(i)].y;
        const double lu = std::hypot(ux, uy);
        const double lv = std::hypot(vx, vy);
        const double c = (ux * vx + uy * vy) / (lu * lv);
        if (c < -0.999) {
            const double stub = std::min(lu, lv);
            if (stub > 0.005 && stub > worst) {
                worst = stub;
                *what = QStringLiteral("stub %1 mm at (%2, %3)").arg(stub, 0, 'f', 3).arg(p[size_t(i)].x, 0, 'f', 2).arg(p[size_t(i)].y, 0, 'f', 2);
            }
        }
        if (c < 0.7)
            corners.push_back(i);
    }
    // The corners where the outline closes count too, and a stretch may run
    // through the closing place: a wedge or a tongue left at a trailing-edge
    // piece's face has its corners on either side of it.
    for (const int k : {0, n - 1}) {
        if (turnAt(p, k).cosine < 0.7)
            corners.insert(k == 0 ? corners.begin() : corners.end(), k);
    }
    // A tongue between the walls of two cuts side by side (a slot and a
    // comb's slot, a slot's wall and a band's end face): a tip shorter than
    // 0.5 mm between two corners, its walls running back from it side by
    // side for more than 0.5 mm, the shorter one's foot less than 0.5 mm
    // from the other. Its root corners may lie farther apart than it is
    // tall, where the other wall runs on down a deeper cut.
    for (size_t c = 0; c + 1 < corners.size(); ++c) {
        const int k = corners[c];
        if (corners[c + 1] != k + 1 || k < 1 || k + 2 >= n)
            continue;
        const P& foot1 = p[size_t(k - 1)];
        const P& t1 = p[size_t(k)];
        const P& t2 = p[size_t(k + 1)];
        const P& foot2 = p[size_t(k + 2)];
        const double tip = std::hypot(t2.x - t1.x, t2.y - t1.y);
        const double la = std::hypot(t1.x - foot1.x, t1.y - foot1.y);
        const double lb = std::hypot(foot2.x - t2.x, foot2.y - t2.y);
        if (tip >= 0.5 || la <= 0.5 || lb <= 0.5)
            continue;
        const double walls = ((t1.x - foot1.x) * (foot2.x - t2.x) + (t1.y - foot1.y) * (foot2.y - t2.y)) / (la * lb);
        if (walls > -0.95 || cross(foot1, t1, t2) * whole <= 0.0)
            continue;
        const double root = la <= lb ? distanceToSegment(foot1, t2, foot2) : distanceToSegment(foot2, foot1, t1);
        if (root >= 0.5)
            continue;
        const double tall = std::min(la, lb);
        finds->narrowsAt.push_back(P{(t1.x + t2.x) * 0.5, (t1.y + t2.y) * 0.5});
        if (tall > worst) {
            worst = tall;
            *what = QStringLiteral("tongue between two cuts' walls, %1 mm wide at its tip, %2 mm tall at (%3, %4)")
                        .arg(tip, 0, 'f', 3)
                        .arg(tall, 0, 'f', 3)
                        .arg(t1.x, 0, 'f', 2)
                        .arg(t1.y, 0, 'f', 2);
        }
    }
    const size_t count = corners.size();
    for (size_t a = 0; a < count; ++a) {
        for (size_t j = 1; j < count && j <= 8; ++j) {
            const size_t b = (a + j) % count;
            const P& f = p[size_t(corners[a])];
            const P& g = p[size_t(corners[b])];
            const double width = std::hypot(g.x - f.x, g.y - f.y);
            if (width >= 5.0)
                continue;
            double out = 0.0;
            double length = 0.0;
            double area = 0.0;
            const int end = corners[b] > corners[a] ? corners[b] : corners[b] + n;
            for (int k = corners[a] + 1; k <= end; ++k) {
                const P& u = p[size_t((k - 1) % n)];
                const P& v = p[size_t(k % n)];
                if (k < end)
                    out = std::max(out, distanceToSegment(v, f, g));
                length += std::hypot(v.x - u.x, v.y - u.y);
                area += cross(f, u, v);
            }
            const bool longWay = length >= 30.0;
            if (!(out > 0.05) || (longWay && !anyWay))
                continue;
            // The spar rule leaves the web between two slots 0.5 mm thick
            // straight across at its floors' points; where the floors tilt
            // and end at different stations, the corner of one stands a few
            // micrometres nearer the other's. Such a web is no neck, and no
            // narrow feature either where the rib ends within the slots:
            // the web then stands out behind them as a tongue 0.5 mm thick,
            // or is the root of the walls the slots leave before the sheets
            // start, and keeps the spars' caps apart as the rule means it
            // to. Its width is read to within the same hair as the rib's
            // thickness across. The bare rib's are kept to the full 0.5 mm,
            // so that a covered rib's neck still reads as the bare rib's
            // where the sheets have shifted its web by a hair.
            const double least = anyWay ? 0.5 : 0.495;
            // A tongue stands on its root. A stretch that crosses it runs
            // round a tongue and a notch beside it (a slot and the nose ahead
            // of it, a sheet's leaning end face and the rib's front), whose
            // areas cancel into a narrow mean: each of them is measured
            // between its own corners.
            if (width >= least && tongueAndNotch(p, corners[a], end))
                continue;
            // A tongue between slots of two depths stands out of a root
            // longer than it is wide: its area over its height is its width.
            // Twice the area over the length is the mean width of a tongue
            // or slot whose corners lie close, as its length runs out and
            // back.
            const bool narrow = width >= least ? out > width && std::fabs(area) < 2.0 * least * out
                                               : std::fabs(area) < 0.5 * length;
            const bool neck = width < least;
            const P middle{(f.x + g.x) * 0.5, (f.y + g.y) * 0.5};
            // Two corners joined the other way by a straight face (the two
            // points of a sharp end, a ledge beside a cut) have wood on one
            // side of the line between them only: no neck, however wide the
            // rib the way round them.
            const auto joinedByFace = [&] {
                const int back = corners[a] > corners[b] ? corners[a] : corners[a] + n;
                for (int k = corners[b] + 1; k < back; ++k) {
                    if (distanceToSegment(p[size_t(k % n)], f, g) > 0.05)
                        return false;
                }
                return true;
            };
            if (longWay) {
                if (!narrow && neck && !joinedByFace())
                    finds->longNecksAt.push_back(middle);
                continue;
            }
            if (!narrow) {
                if (neck && !joinedByFace()) {
                    finds->neck = std::max(finds->neck, out);
                    if (width < finds->neckWidth) {
                        finds->neckWidth = width;
                        finds->neckFrom = f;
                        finds->neckTo = g;
                    }
                    finds->necksAt.push_back(middle);
                }
                continue;
            }
            if (area * whole < 0.0 && out > width && out >= 0.5) {
                finds->slot = std::max(finds->slot, out);
                finds->slotsAt.push_back(middle);
                continue;
            }
            finds->narrowsAt.push_back(middle);
            if (out > worst) {
                worst = out;
                *what = QStringLiteral("%1 mm wide, %2 mm out at (%3, %4)")
                            .arg(width >= least ? std::fabs(area) * 0.5 / out : width, 0, 'f', 3)
                            .arg(out, 0, 'f', 3)
                            .arg(f.x, 0, 'f', 2)
                            .arg(f.y, 0, 'f', 2);
            }
        }
    }
    return worst;
}

// The farthest a point of a lies from the polyline b (closed), in mm; only
// distances above limit are measured exactly. Points of a outside [fromX,
// toX] are not measured.
double farthestFrom(const std::vector<P>& a, const std::vector<P>& b, double limit, double fromX,
                    double toX)
{
    if (b.size() < 2)
        return 0.0;
    const SegmentIndex index(b);
    double farthest = 0.0;
    for (const P& q : a) {
        if (q.x < fromX || q.x > toX)
            continue;
        double nearest = 1e30;
        index.near(q.x - limit, q.x + limit,
                   [&](int s) { nearest = std::min(nearest, distanceToSegment(q, index.a(s), index.b(s))); });
        if (nearest > limit) {
            for (size_t s = 0; s < b.size(); ++s)
                nearest = std::min(nearest, distanceToSegment(q, index.a(int(s)), index.b(int(s))));
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

// How far the farthest point of a lies outside the closed outline b, in mm
// (0 when every point lies inside or on it). Slots count like the rest: a
// covered rib's slot is cut from the sheet's inner face, so it reaches at
// least as deep as the bare rib's.
double farthestOutside(const std::vector<P>& a, const std::vector<P>& b, P* where)
{
    if (b.size() < 3)
        return 0.0;
    const SegmentIndex index(b);
    double farthest = 0.0;
    for (const P& q : a) {
        // Crossings of b above q, counted on segments whose x range holds
        // q.x half-open, so a shared end is counted once.
        int above = 0;
        double nearest = 1e30;
        index.near(q.x - 0.5, q.x + 0.5, [&](int s) {
            const P& u = index.a(s);
            const P& v = index.b(s);
            nearest = std::min(nearest, distanceToSegment(q, u, v));
            if ((u.x <= q.x) != (v.x <= q.x)) {
                const double y = u.y + (q.x - u.x) * (v.y - u.y) / (v.x - u.x);
                if (y > q.y)
                    ++above;
            }
        });
        if (above % 2 == 1 || nearest <= farthest)
            continue;
        if (nearest > 0.5) {
            for (size_t s = 0; s < b.size(); ++s)
                nearest = std::min(nearest, distanceToSegment(q, index.a(int(s)), index.b(int(s))));
        }
        if (nearest > farthest) {
            farthest = nearest;
            *where = q;
        }
    }
    return farthest;
}

// Wood where a sheet lies: a sheet is the surface's normals run in by its
// thickness (outer half of the band, then the inner half backwards). A rib
// that holds a point of one of them 0.25 mm or more short of its inner end
// holds wood the sheet needs. The distance to the bare rib does not show
// it: such wood lies within the sheet's thickness of the bare surface.
bool woodInSheet(const RibDefinition& rib, const std::vector<P>& passes, double mm, P* where)
{
    if (passes.size() < 3)
        return false;
    // Inside by more than a hair: at a band's end the sheet's last normal
    // is the rib's end face itself.
    const auto inside = [&](const P& q) {
        bool in = false;
        double nearest = 1e30;
        for (size_t i = 0, j = passes.size() - 1; i < passes.size(); j = i++) {
            const P& u = passes[i];
            const P& v = passes[j];
            if ((u.x <= q.x) != (v.x <= q.x) && u.y + (q.x - u.x) * (v.y - u.y) / (v.x - u.x) > q.y)
                in = !in;
            nearest = std::min(nearest, distanceToSegment(q, u, v));
        }
        return in && nearest > 0.01;
    };
    for (const IdentifiableObject* band : rib.getCoveringPolygons()) {
        const std::vector<Vertex*>& points = band->getPoints();
        const size_t n = points.size();
        for (size_t k = 0; k < n / 2; ++k) {
            const P outer{points[k]->getX() * mm, points[k]->getY() * mm};
            const P inner{points[n - 1 - k]->getX() * mm, points[n - 1 - k]->getY() * mm};
            const double length = std::hypot(outer.x - inner.x, outer.y - inner.y);
            if (length < 0.5)
                continue;
            const double f = 0.25 / length;
            const P q{inner.x + (outer.x - inner.x) * f, inner.y + (outer.y - inner.y) * f};
            if (inside(q)) {
                *where = q;
                return true;
            }
        }
    }
    return false;
}

double thinnestAcross(const std::vector<P>& p, P* where, const P* near, double reach, Across* across, double upTo,
                      bool tapersToo)
{
    const double limit = 0.5;
    const double apart = 6.0;
    const int n = int(p.size());
    if (n < 4)
        return limit;
    // The way from the first point to each point, and once round.
    std::vector<double> way(size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        way[size_t(i)] = way[size_t(i - 1)] + std::hypot(p[size_t(i % n)].x - p[size_t(i - 1)].x,
                                                         p[size_t(i % n)].y - p[size_t(i - 1)].y);
    const double round = way[size_t(n)];
    const auto wayBetween = [&](int i, int j) {
        const double d = std::fabs(way[size_t(i)] - way[size_t(j)]);
        return std::min(d, round - d);
    };
    const SegmentIndex index(p);
    double thinnest = std::max(limit, upTo);
    for (int i = 0; i < n; ++i) {
        const P& q = p[size_t(i)];
        if (near && std::hypot(q.x - near->x, q.y - near->y) > reach)
            continue;
        index.near(q.x - thinnest, q.x + thinnest, [&](int s) {
            if (wayBetween(i, s) <= apart || wayBetween(i, s + 1) <= apart)
                return;
            const double d = distanceToSegment(q, index.a(s), index.b(s));
            if (d >= thinnest)
                return;
            if (tapersToo) {
                thinnest = d;
                *where = q;
                return;
            }
            // The piece beyond, the shorter way round from the point to the
            // segment: a tapering end is thinner than 0.5 mm on average, a
            // nose or tail held by a web is not.
            const bool forward = std::fabs(way[size_t(s)] - way[size_t(i)]) <= round / 2.0 ? s > i : s < i;
            const int from = forward ? i : s + 1;
            const int count = ((forward ? s - i : i - s - 1) % n + n) % n + 1;
            double area = 0.0;
            double length = 0.0;
            for (int k = 0; k < count; ++k) {
                const P& u = p[size_t((from + k) % n)];
                const P& v = p[size_t((from + (k + 1) % count) % n)];
                area += u.x * v.y - v.x * u.y;
                length += std::hypot(v.x - u.x, v.y - u.y);
            }
            if (std::fabs(area) < limit * length)
                return;
            thinnest = d;
            *where = q;
            if (across) {
                const P& a = index.a(s);
                const P& b = index.b(s);
                const double dx = b.x - a.x;
                const double dy = b.y - a.y;
                const double l = dx * dx + dy * dy;
                const double t =
                    l > 0.0 ? std::min(1.0, std::max(0.0, ((q.x - a.x) * dx + (q.y - a.y) * dy) / l)) : 0.0;
                *across = Across{q, P{a.x + t * dx, a.y + t * dy}, i, s};
            }
        });
    }
    return thinnest;
}

// A side of the outline from the trailing edge forwards, as long as it runs
// forwards; its height at x, false beyond its end.
static bool tailSideHeight(const std::vector<P>& side, double x, double* y)
{
    for (size_t i = 1; i < side.size(); ++i) {
        const P& u = side[i - 1];
        const P& v = side[i];
        if (x <= u.x && x >= v.x) {
            *y = u.x > v.x ? u.y + (v.y - u.y) * (u.x - x) / (u.x - v.x) : v.y;
            return true;
        }
    }
    return false;
}

double thinTail(const std::vector<P>& p, bool* atFace)
{
    const int n = int(p.size());
    *atFace = false;
    if (n < 4)
        return 0.0;
    // A face across the end (a trailing-edge piece's, or a blunt section's):
    // each side starts on its own end of it. Otherwise both start at the
    // point the outline closes on.
    *atFace = std::fabs(p[0].x - p[size_t(n - 1)].x) < 0.001 && std::fabs(p[0].y - p[size_t(n - 1)].y) > 0.001;
    std::vector<P> upper{p[0]};
    for (int i = 1; i < n && p[size_t(i)].x <= upper.back().x + 1e-9; ++i)
        upper.push_back(p[size_t(i)]);
    std::vector<P> lower;
    if (!*atFace)
        lower.push_back(p[0]);
    for (int i = n - 1; i > 0 && (lower.empty() || p[size_t(i)].x <= lower.back().x + 1e-9); --i)
        lower.push_back(p[size_t(i)]);
    std::vector<double> stations;
    for (const std::vector<P>* side : {&upper, &lower})
        for (const P& q : *side)
            stations.push_back(q.x);
    std::sort(stations.begin(), stations.end(), std::greater<double>());
    const double start = std::min(upper.front().x, lower.front().x);
    // The finishing ends a rib exactly 0.5 mm thick: a hundredth less is
    // rounding, not a tail.
    const double thin = 0.49;
    double before = start;
    double beforeWidth = 0.0;
    bool first = true;
    for (const double x : stations) {
        if (x > start)
            continue;
        double yu = 0.0;
        double yl = 0.0;
        if (!tailSideHeight(upper, x, &yu) || !tailSideHeight(lower, x, &yl))
            return start - before;
        const double width = yu - yl;
        if (width >= thin) {
            if (first)
                return 0.0;
            return start - (before - (before - x) * (thin - beforeWidth) / (width - beforeWidth));
        }
        first = false;
        before = x;
        beforeWidth = width;
    }
    return start - before;
}

double thinNose(const std::vector<P>& p, bool* atFace, int* nose)
{
    const int n = int(p.size());
    *atFace = false;
    *nose = 0;
    if (n < 4)
        return 0.0;
    const int front =
        int(std::min_element(p.begin(), p.end(), [](const P& u, const P& v) { return u.x < v.x; }) - p.begin());
    const auto across = [&](int a, int b) {
        const P& u = p[size_t((a + n) % n)];
        const P& v = p[size_t((b + n) % n)];
        return std::fabs(u.x - v.x) < 0.001 && std::fabs(u.y - v.y) > 0.001;
    };
    // The outline turned half round, starting where its lower side does:
    // the nose is then a tail, its lower side running on from the start.
    const int start = across(front, front + 1) ? front + 1 : front;
    *nose = (start - 1 + n) % n;
    if (!across(start - 1, start))
        *nose = start;
    std::vector<P> turned(size_t(n), P{0.0, 0.0});
    for (int k = 0; k < n; ++k) {
        const P& q = p[size_t((start + k) % n)];
        turned[size_t(k)] = P{-q.x, -q.y};
    }
    return thinTail(turned, atFace);
}
// The highest and lowest y of the closed outline p at x; false where no
// segment spans x.
static bool heightsAt(const std::vector<P>& p, double x, double* upper, double* lower)
{
    bool found = false;
    *upper = -1e30;
    *lower = 1e30;
    for (size_t i = 0; i < p.size(); ++i) {
        const P& u = p[i];
        const P& v = p[(i + 1) % p.size()];
        if ((u.x <= x) == (v.x <= x))
            continue;
        const double y = u.y + (x - u.x) * (v.y - u.y) / (v.x - u.x);
        *upper = std::max(*upper, y);
        *lower = std::min(*lower, y);
        found = true;
    }
    return found;
}

void extentX(const std::vector<P>& p, double& front, double& back)
{
    front = 1e30;
    back = -1e30;
    for (const P& q : p) {
        front = std::min(front, q.x);
        back = std::max(back, q.x);
    }
}

double stretchAtLeast(const std::vector<P>& p, double thick)
{
    if (p.size() < 3)
        return 0.0;
    double front = 0.0;
    double back = 0.0;
    extentX(p, front, back);
    const double step = 0.05;
    double longest = 0.0;
    double run = 0.0;
    std::vector<double> ys;
    for (double x = front + 0.5 * step; x < back; x += step) {
        ys.clear();
        for (size_t i = 0; i < p.size(); ++i) {
            const P& a = p[i];
            const P& b = p[(i + 1) % p.size()];
            if ((a.x < x) != (b.x < x))
                ys.push_back(a.y + (x - a.x) * (b.y - a.y) / (b.x - a.x));
        }
        std::sort(ys.begin(), ys.end());
        double wood = 0.0;
        for (size_t k = 0; k + 1 < ys.size(); k += 2)
            wood += ys[k + 1] - ys[k];
        run = wood >= thick ? run + step : 0.0;
        longest = std::max(longest, run);
    }
    return longest;
}

double droppedWood(const std::vector<P>& covered, const std::vector<P>& bare, const RibDefinition& rib, double mm,
                   double sheet, P* where, double* length)
{
    *length = 0.0;
    if (covered.size() < 3 || bare.size() < 3)
        return 0.0;
    double front = 0.0;
    double back = 0.0;
    extentX(covered, front, back);
    double bareFront = 0.0;
    double bareBack = 0.0;
    extentX(bare, bareFront, bareBack);
    // The bands by their chord range and side: a band whose outer surface
    // lies above the bare rib's middle at most of its points is on the
    // upper side. Its mean height against the middle at its mean station
    // would not tell: on a cambered section both sides of a full-chord band
    // lie below the middle at mid-chord on average, their points crowding
    // at the low nose.
    struct Band {
        double from;
        double to;
        bool upper;
    };
    std::vector<Band> bands;
    for (const IdentifiableObject* band : rib.getCoveringPolygons()) {
        const std::vector<Vertex*>& points = band->getPoints();
        if (points.size() < 2)
            continue;
        Band b{1e30, -1e30, true};
        int above = 0;
        int measured = 0;
        const size_t outer = points.size() / 2;
        for (size_t k = 0; k < outer; ++k) {
            const double x = double(points[k]->getX()) * mm;
            b.from = std::min(b.from, x);
            b.to = std::max(b.to, x);
            double yu = 0.0;
            double yl = 0.0;
            if (heightsAt(bare, x, &yu, &yl)) {
                ++measured;
                above += double(points[k]->getY()) * mm > 0.5 * (yu + yl);
            }
        }
        if (measured == 0)
            continue;
        b.upper = 2 * above > measured;
        bands.push_back(b);
    }
    double thickest = 0.0;
    const double reach = sheet + 0.5;
    const auto measure = [&](double from, double to, double shortBy) {
        for (double x = from; x <= to; x += 0.25) {
            double yu = 0.0;
            double yl = 0.0;
            if (!heightsAt(bare, x, &yu, &yl))
                continue;
            double wood = yu - yl;
            bool upper = false;
            bool lower = false;
            for (const Band& b : bands) {
                if (x >= b.from - 0.01 && x <= b.to + 0.01)
                    (b.upper ? upper : lower) = true;
            }
            wood -= (upper ? sheet : 0.0) + (lower ? sheet : 0.0);
            if (wood > thickest) {
                thickest = wood;
                *where = P{x, 0.5 * (yu + yl)};
                *length = shortBy;
            }
        }
    };
    if (front - bareFront > reach)
        measure(bareFront, front - reach, front - bareFront);
    if (bareBack - back > reach)
        measure(back + reach, bareBack, bareBack - back);
    return thickest;
}

// How deep the covered rib's wood reaches into the spar where the bare rib
// holds it (its slot's part there), in mm: 0 where the spar goes in as into
// the bare rib. Sampled over the spar every 0.02 mm.
double woodInBareSpar(const std::vector<P>& passes, const std::vector<P>& bare, const IdentifiableObject& part,
                      double mm)
{
    if (part.getPoints().size() != 4)
        return 0.0;
    std::vector<P> c;
    for (const Vertex* v : part.getPoints())
        c.push_back(P{double(v->getX()) * mm, double(v->getY()) * mm});
    const double step = 0.02;
    const double across = std::hypot(c[1].x - c[0].x, c[1].y - c[0].y);
    const double down = std::hypot(c[3].x - c[0].x, c[3].y - c[0].y);
    double deepest = 0.0;
    for (double s = step; s < across; s += step) {
        for (double t = step; t < down; t += step) {
            const double u = s / across;
            const double w = t / down;
            const P q{c[0].x + (c[1].x - c[0].x) * u + (c[3].x - c[0].x) * w,
                      c[0].y + (c[1].y - c[0].y) * u + (c[3].y - c[0].y) * w};
            const double inSpar = std::min(std::min(s, across - s), std::min(t, down - t));
            if (inSpar <= deepest)
                continue;
            P ignored{0.0, 0.0};
            if (farthestOutside(std::vector<P>{q}, passes, &ignored) > 0.0)
                continue;
            // Where the bare rib holds wood in the spar (the web the spar
            // rule leaves), the spar stands clear of it as the bare rib cuts it.
            if (farthestOutside(std::vector<P>{q}, bare, &ignored) == 0.0
                && farthestFrom(std::vector<P>{q}, bare, 0.0) > 0.01)
                continue;
            deepest = std::max(deepest, std::min(inSpar, farthestFrom(std::vector<P>{q}, passes, 0.0)));
        }
    }
    return deepest;
}

// Writes a rib out where the environment asks: OUTLINE_CHECK_DUMP names
// ribs to write out, point by point in mm, each into a file of its own;
// OUTLINE_CHECK_POINTS names a file to take every rib checked.
void recordRib(const QString& name, const RibDefinition& rib, const RibDefinition* bare, double mm, long index)
{
    // OUTLINE_CHECK_DUMP names ribs to write out, point by point in mm.
    static const QString dump = qEnvironmentVariable("OUTLINE_CHECK_DUMP");
    if (!dump.isEmpty() && name.contains(dump)) {
        if (std::FILE* out = std::fopen(qPrintable(QStringLiteral("/tmp/outline-%1.txt").arg(index)), "w")) {
            std::fprintf(out, "# %s\n", qPrintable(name));
            for (const Vector3D* v : rib.getRibCoords())
                std::fprintf(out, "%.6f %.6f\n", v->getX() * mm, v->getY() * mm);
            for (const RibDefinition::PointList& piece : rib.getFurtherPieces()) {
                std::fprintf(out, "# piece\n");
                for (const Vector3D* v : piece)
                    std::fprintf(out, "%.6f %.6f\n", v->getX() * mm, v->getY() * mm);
            }
            for (const IdentifiableObject* band : rib.getCoveringPolygons()) {
                std::fprintf(out, "# band\n");
                for (const Vertex* v : band->getPoints())
                    std::fprintf(out, "%.6f %.6f\n", v->getX() * mm, v->getY() * mm);
            }
            if (bare) {
                std::fprintf(out, "# bare\n");
                for (const Vector3D* v : bare->getRibCoords())
                    std::fprintf(out, "%.6f %.6f\n", v->getX() * mm, v->getY() * mm);
            }
            std::fclose(out);
        }
    }
    // OUTLINE_CHECK_POINTS names a file to take every rib checked, for a
    // comparison of two builds: the name's length and text, the point count
    // and the points in mm, as 32-bit integers and floats.
    static std::FILE* points = [] {
        const QString path = qEnvironmentVariable("OUTLINE_CHECK_POINTS");
        return path.isEmpty() ? nullptr : std::fopen(qPrintable(path), "wb");
    }();
    if (points) {
        const auto write = [&](const QByteArray& text, const RibDefinition::PointList& outline) {
            const std::uint32_t sizes[2] = {std::uint32_t(text.size()), std::uint32_t(outline.size())};
            std::fwrite(&sizes[0], sizeof(std::uint32_t), 1, points);
            std::fwrite(text.constData(), 1, size_t(text.size()), points);
            std::fwrite(&sizes[1], sizeof(std::uint32_t), 1, points);
            for (const Vector3D* v : outline) {
                const float xy[2] = {float(v->getX() * mm), float(v->getY() * mm)};
                std::fwrite(xy, sizeof(float), 2, points);
            }
        };
        write(name.toUtf8(), rib.getRibCoords());
        // A parted rib's further pieces follow as records of their own, so
        // that the records of ribs of one piece stay as they were.
        int k = 0;
        for (const RibDefinition::PointList& piece : rib.getFurtherPieces())
            write((name + QStringLiteral(" piece %1").arg(++k)).toUtf8(), piece);
        std::fflush(points);
    }
}

} // namespace outlinecheck
