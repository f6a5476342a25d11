#include "model/finishing/SheetPinch.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "model/finishing/BuildableWood.h"
#include "model/finishing/OutlineRuns.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/SheetMeeting.h"

namespace {

struct PinchXY {
    float x;
    float y;
};

// The float hypotenuse, rounded once from the root of the sum of squares
// in double: what hypotf gives for finite steps, without the call.
inline float hypotOf(float x, float y)
{
    return float(std::sqrt(double(x) * x + double(y) * y));
}

// How near segments ab and cd come, not crossing, and the point halfway
// between their nearest points.
float pinchGap(const PinchXY& a, const PinchXY& b, const PinchXY& c, const PinchXY& d, PinchXY& middle)
{
    float nearest = FLT_MAX;
    auto consider = [&](const PinchXY& p, const PinchXY& q0, const PinchXY& q1) {
        PinchXY on{0.0f, 0.0f};
        SegmentGeometry::nearestOnSegmentXY(p.x, p.y, q0.x, q0.y, q1.x, q1.y, on.x, on.y);
        const float dx = on.x - p.x;
        const float dy = on.y - p.y;
        // The distance is no less than either step: most are told so
        // without the root.
        if (!(std::fabs(dx) < nearest && std::fabs(dy) < nearest)) {
            return;
        }
        const float distance = hypotOf(dx, dy);
        if (distance < nearest) {
            nearest = distance;
            middle = {(p.x + on.x) * 0.5f, (p.y + on.y) * 0.5f};
        }
    };
    consider(a, c, d);
    consider(b, c, d);
    consider(c, a, b);
    consider(d, a, b);
    return nearest;
}

// A band's inner face (the second half of its polygon's points), the side
// the band lies on and how far the face reaches towards the other side: its
// lowest point on the upper side, its highest on the lower, and the span
// of chord it covers.
struct PinchFace {
    const std::vector<Vertex*>* points;
    bool upper;
    float fromX;
    float toX;
    float reach;
};

// A segment of the outline's runs (or of a band's inner face), with the
// span of chord it covers and the run (or face) it belongs to; for the
// outline's, also its span of height.
struct PinchSegment {
    PinchXY a;
    PinchXY b;
    float fromX;
    float toX;
    int run;
    float lowY;
    float highY;
};

} // namespace

SheetPinch::SheetPinch(PointList& outline, const OutlineRuns& runs, const PartList* bands, float scale,
                       const PartList* sparParts, OutlinePieces* pieces)
    : outline(outline), runs(runs), bands(bands), scale(scale), sparParts(sparParts), pieces(pieces)
{
}

bool SheetPinch::part()
{
    if (!searched) {
        findPlaces();
    }
    for (size_t k = 0; k < places.size(); ++k) {
        if (partAt(places[k])) {
            places.erase(places.begin() + std::ptrdiff_t(k));
            return true;
        }
    }
    return false;
}

void SheetPinch::findPlaces()
{
    searched = true;
    const int m = int(runs.starts.size());
    if (!bands || bands->empty() || m < 4) {
        return;
    }
    const float limit = 0.5f / scale;
    const float reach = 2.0f * limit;
    thread_local std::vector<PinchFace> faces;
    faces.clear();
    for (const IdentifiableObject* band : *bands) {
        const std::vector<Vertex*>& p = band->getPoints();
        const size_t half = p.size() / 2;
        if (half < 2) {
            continue;
        }
        // An upper band's surface runs from the trailing edge forwards.
        const bool upper = p[0]->getX() > p[half - 1]->getX();
        PinchFace face{&p, upper, FLT_MAX, -FLT_MAX, upper ? FLT_MAX : -FLT_MAX};
        for (size_t k = half; k < p.size(); ++k) {
            face.fromX = std::min(face.fromX, p[k]->getX());
            face.toX = std::max(face.toX, p[k]->getX());
            face.reach = upper ? std::min(face.reach, p[k]->getY()) : std::max(face.reach, p[k]->getY());
        }
        faces.push_back(face);
    }
    const size_t count = faces.size();
    // Pairs of bands of opposite sides that may pinch the rib: not those
    // whose faces keep the limit apart in height or along the chord all
    // along (most ribs' sheets are told so).
    thread_local std::vector<char> pairs;
    pairs.assign(count * count, 0);
    bool any = false;
    for (size_t u = 0; u < count; ++u) {
        for (size_t l = 0; l < count; ++l) {
            const PinchFace& a = faces[u];
            const PinchFace& b = faces[l];
            if (!a.upper || b.upper || a.reach >= b.reach + limit || a.fromX > b.toX + limit
                || b.fromX > a.toX + limit) {
                continue;
            }
            pairs[u * count + l] = 1;
            any = true;
        }
    }
    // Without two such bands, only one sheet against the bare surface
    // across may leave a web: only where a band lies with no band of the
    // other side across (from the first station along it that none
    // covers), and most ribs are told at a glance that it leaves none.
    float from = FLT_MAX;
    float to = -FLT_MAX;
    for (const PinchFace& face : faces) {
        float bare = face.fromX;
        for (bool covered = true; covered;) {
            covered = false;
            for (const PinchFace& other : faces) {
                if (other.upper != face.upper && other.fromX <= bare + limit && other.toX > bare) {
                    bare = other.toX;
                    covered = true;
                }
            }
        }
        if (bare < face.toX) {
            from = std::min(from, bare - reach);
            to = std::max(to, face.toX + reach);
        }
    }
    int nose = 0;
    if (from < to) {
        const CloseSegments::Point* const p = runs.points.data();
        float noseX = p[0].x;
        for (int r = 0; r < m; ++r) {
            if (p[r].x < noseX) {
                nose = r;
                noseX = p[r].x;
            }
        }
    }
    oneSheet = from < to && oneSheetMayPinch(from, to, nose);
    if (!any && !oneSheet) {
        return;
    }
    float rear = -FLT_MAX;
    if (from < to) {
        for (int r = 0; r < m; ++r) {
            rear = std::max(rear, runs.points[size_t(r)].x);
        }
    }
    // Where the outline's runs sunk by sheets of opposite sides come nearest
    // each other: the outline's segments by where they start along the
    // chord, the few long along it kept apart, so that each segment's search
    // stops a short way behind it. The search grows with the outline, not
    // with how many bands lie over one another.
    auto point = [&](int r) {
        const CloseSegments::Point& q = runs.points[size_t(r)];
        return PinchXY{q.x, q.y};
    };
    const float longest = 4.0f * limit;
    thread_local std::vector<PinchSegment> shortOnes;
    thread_local std::vector<PinchSegment> longOnes;
    shortOnes.clear();
    longOnes.clear();
    for (int s = 0; s < m; ++s) {
        const PinchXY a = point(s);
        const PinchXY b = point(s + 1);
        const PinchSegment segment{a, b, std::min(a.x, b.x), std::max(a.x, b.x), s, std::min(a.y, b.y),
                                   std::max(a.y, b.y)};
        (segment.toX - segment.fromX > longest ? longOnes : shortOnes).push_back(segment);
    }
    std::sort(shortOnes.begin(), shortOnes.end(),
              [](const PinchSegment& a, const PinchSegment& b) { return a.fromX < b.fromX; });
    // Which run segments a sheet sank, at either end: the sheets meet only
    // between two such, and one sheet's face lies across from one it did
    // not. The short ones of each kind, in the order of all.
    thread_local std::vector<char> sunk;
    sunk.resize(size_t(m));
    for (int r = 0; r < m; ++r) {
        const Vector3D& p = *outline[size_t(runs.starts[size_t(r)])];
        sunk[size_t(r)] = p.getAuxA() != 0.0f || p.getAuxB() != 0.0f;
    }
    const char firstSunk = sunk[0];
    for (int r = 0; r < m; ++r) {
        sunk[size_t(r)] = sunk[size_t(r)] || (r + 1 < m ? sunk[size_t(r + 1)] : firstSunk);
    }
    thread_local std::vector<PinchSegment> sunkOnes;
    thread_local std::vector<PinchSegment> bareOnes;
    sunkOnes.clear();
    bareOnes.clear();
    for (const PinchSegment& t : shortOnes) {
        (sunk[size_t(t.run)] ? sunkOnes : bareOnes).push_back(t);
    }
    SheetMeeting meeting(outline, runs.starts, scale);
    // The segments near segment s along the chord, each of list as far as
    // the window reaches, then the long ones, in that order, past the test
    // of their extents (within across the chord).
    auto eachNear = [&](int s, const std::vector<PinchSegment>& list, auto&& within, auto&& visit) {
        const PinchXY a = point(s);
        const PinchXY b = point(s + 1);
        const float fromX = std::min(a.x, b.x);
        const float toX = std::max(a.x, b.x);
        const float lowY = std::min(a.y, b.y);
        const float highY = std::max(a.y, b.y);
        const float right = toX + limit;
        const float left = fromX - limit;
        auto near = [&](const PinchSegment& t) {
            const float across = within();
            return !(t.fromX > right || t.toX < left || t.lowY > highY + across || t.highY < lowY - across);
        };
        auto end = std::upper_bound(list.begin(), list.end(), toX + limit,
                                    [](float x, const PinchSegment& t) { return x < t.fromX; });
        const float stop = fromX - limit - longest;
        for (auto it = end; it != list.begin();) {
            --it;
            if (it->fromX < stop) {
                break;
            }
            if (near(*it) && visit(*it)) {
                return;
            }
        }
        for (const PinchSegment& t : longOnes) {
            if (near(t) && visit(t)) {
                return;
            }
        }
    };
    auto neighbours = [m](int s, int t) {
        const int apart = std::abs(t - s);
        return apart < 2 || apart == m - 1;
    };
    // Along the outline, how near each segment comes to one sunk from the
    // other side; one place for each dip of that below the limit.
    thread_local std::vector<Place> dips;
    thread_local std::vector<int> dipRuns;
    dips.clear();
    dipRuns.clear();
    float lastWidth = FLT_MAX;
    bool falling = true;
    Place lowest{0.0f, 0.0f, FLT_MAX, false};
    int lowestRun = 0;
    static const std::vector<PinchSegment> none;
    for (int s = 0; s <= m; ++s) {
        Place best{0.0f, 0.0f, limit, false};
        if (s < m) {
            const PinchXY a = point(s);
            const PinchXY b = point(s + 1);
            // Only segments the sheets may have left across from this one
            // can make a place: most are told apart before any gap is
            // measured, by kind or by extent.
            const bool sunkHere = sunk[size_t(s)];
            const bool sunkAlike = any && sunkHere;
            const bool sunkOther = oneSheet;
            const std::vector<PinchSegment>& list = sunkHere ? (sunkAlike && sunkOther ? shortOnes
                                                                : sunkAlike            ? sunkOnes
                                                                : sunkOther            ? bareOnes
                                                                                       : none)
                                                             : (sunkOther ? sunkOnes : none);
            eachNear(s, list, [&] { return oneSheet ? limit : best.width; }, [&](const PinchSegment& t) {
                const bool sunkThere = sunk[size_t(t.run)];
                if (neighbours(s, t.run) || !((sunkAlike && sunkThere) || (sunkOther && sunkHere != sunkThere))) {
                    return false;
                }
                PinchXY middle{0.0f, 0.0f};
                const float width = pinchGap(a, b, t.a, t.b, middle);
                if (width < best.width) {
                    if (any && meeting.sheetsMeet(s, t.run)) {
                        best = {middle.x, middle.y, width, false};
                    } else if (oneSheet && oneSheetAcross(s, t.run)) {
                        best = {middle.x, middle.y, width, true};
                    }
                }
                return false;
            });
        }
        // A dip ends where the gap widens again past its least.
        if (best.width > lastWidth && falling) {
            dips.push_back(lowest);
            dipRuns.push_back(lowestRun);
            falling = false;
        } else if (best.width < lastWidth) {
            falling = true;
        }
        if (best.width < limit) {
            lowest = best;
            lowestRun = s;
        }
        lastWidth = best.width;
    }
    // One sheet's web is where the rib turns 0.5 mm thick again both ways
    // along the outline: not a thin end, nor a thin stretch round the nose
    // or on to the trailing edge (where a face, or a side's last segment,
    // may read as thick), where the bare rib thins on to its own taper: the
    // tail is then left to be ended as a tail.
    const auto thickAhead = [&](int r) {
        return r >= 0 && r < m && std::max(point(r).x, point(r + 1).x) < rear - limit;
    };
    // Whether a segment comes closer than the limit to any other that is
    // no neighbour, found where a web is asked about.
    thread_local std::vector<char> thin;
    thin.assign(size_t(m), 2);
    const auto thinAt = [&](int s) {
        char& known = thin[size_t(s)];
        if (known == 2) {
            known = 0;
            const PinchXY a = point(s);
            const PinchXY b = point(s + 1);
            // Along a thin stretch the segment two on either way is mostly
            // near enough: asked first, as the search below would ask it.
            for (const int t : {s - 2, s + 2}) {
                if (t < 0 || t >= m || neighbours(s, t)) {
                    continue;
                }
                const PinchXY c = point(t);
                const PinchXY d = point(t + 1);
                const bool near = !(std::min(c.x, d.x) > std::max(a.x, b.x) + limit
                                    || std::max(c.x, d.x) < std::min(a.x, b.x) - limit
                                    || std::min(c.y, d.y) > std::max(a.y, b.y) + limit
                                    || std::max(c.y, d.y) < std::min(a.y, b.y) - limit);
                PinchXY middle{0.0f, 0.0f};
                if (near && pinchGap(a, b, c, d, middle) < limit) {
                    known = 1;
                    return true;
                }
            }
            eachNear(s, shortOnes, [&] { return limit; }, [&](const PinchSegment& t) {
                PinchXY middle{0.0f, 0.0f};
                known = !neighbours(s, t.run) && pinchGap(a, b, t.a, t.b, middle) < limit;
                return known != 0;
            });
        }
        return known != 0;
    };
    const auto web = [&](int s) {
        int r = s;
        for (; r >= 0 && thinAt(r); --r) {
            if (r == nose || r == nose - 1) {
                return false;
            }
        }
        if (!thickAhead(r)) {
            return false;
        }
        for (r = s; r < m && thinAt(r); ++r) {
            if (r == nose || r == nose - 1) {
                return false;
            }
        }
        return thickAhead(r);
    };
    // A dip is the sheets' pinch where the inner faces of two bands that may
    // pinch come as close near it, as they lay before anything else was cut
    // into the rib; the place is where they come nearest.
    thread_local std::vector<std::vector<PinchSegment>> nearFaces;
    nearFaces.resize(std::max(nearFaces.size(), count));
    thread_local std::vector<Place> found;
    found.clear();
    for (size_t k = 0; k < dips.size(); ++k) {
        const Place& dip = dips[k];
        if (dip.oneSheet && !web(dipRuns[k])) {
            continue;
        }
        // One sheet's web is measured on the outline: its bare surface
        // across was never a band's.
        Place place = dip.oneSheet ? dip : Place{dip.x, dip.y, limit, false};
        for (size_t f = 0; f < count && !dip.oneSheet; ++f) {
            std::vector<PinchSegment>& near = nearFaces[f];
            near.clear();
            const PinchFace& face = faces[f];
            if (face.fromX > dip.x + reach || face.toX < dip.x - reach) {
                continue;
            }
            const std::vector<Vertex*>& p = *face.points;
            for (size_t k = p.size() / 2; k + 1 < p.size(); ++k) {
                const PinchXY a{p[k]->getX(), p[k]->getY()};
                const PinchXY b{p[k + 1]->getX(), p[k + 1]->getY()};
                if (std::min(a.x, b.x) > dip.x + reach || std::max(a.x, b.x) < dip.x - reach
                    || std::min(a.y, b.y) > dip.y + reach || std::max(a.y, b.y) < dip.y - reach) {
                    continue;
                }
                near.push_back({a, b, 0.0f, 0.0f, int(f), 0.0f, 0.0f});
            }
        }
        for (size_t u = 0; u < count && !dip.oneSheet; ++u) {
            for (size_t l = 0; l < count && !nearFaces[u].empty(); ++l) {
                if (!pairs[u * count + l]) {
                    continue;
                }
                for (const PinchSegment& i : nearFaces[u]) {
                    for (const PinchSegment& j : nearFaces[l]) {
                        PinchXY middle{0.0f, 0.0f};
                        const float width = pinchGap(i.a, i.b, j.a, j.b, middle);
                        if (width < place.width) {
                            place = {middle.x, middle.y, width, false};
                        }
                    }
                }
            }
        }
        // Over a square spar's slot what is left is the spar's web, not the
        // sheets' pinch; a slot elsewhere under the same two bands has no
        // say in a pinch at the bands' end. One sheet's web a few
        // millimetres from a slot would leave the kept piece ending on the
        // slot's web, a tongue no thicker: it stays.
        bool slotted = false;
        const float margin = place.oneSheet ? 10.0f * limit : limit;
        if (sparParts && place.width < limit) {
            for (const IdentifiableObject* slot : *sparParts) {
                float from = FLT_MAX;
                float to = -FLT_MAX;
                for (const Vertex* corner : slot->getPoints()) {
                    from = std::min(from, corner->getX());
                    to = std::max(to, corner->getX());
                }
                slotted = slotted || (place.x >= from - margin && place.x <= to + margin);
            }
        }
        if (place.width < limit && !slotted) {
            found.push_back(place);
        }
    }
    // The thinnest place of each stretch where the faces run close: the
    // outline is searched once for each.
    std::sort(found.begin(), found.end(), [](const Place& a, const Place& b) { return a.width < b.width; });
    const float apart = 4.0f * limit;
    for (const Place& candidate : found) {
        bool near = false;
        for (size_t j = 0; j < places.size() && !near; ++j) {
            near = std::fabs(places[j].x - candidate.x) < apart && std::fabs(places[j].y - candidate.y) < apart;
        }
        if (!near) {
            places.push_back(candidate);
        }
    }
}

bool SheetPinch::oneSheetMayPinch(float from, float to, int nose) const
{
    const int m = int(runs.starts.size());
    const int* starts = runs.starts.data();
    const CloseSegments::Point* points = runs.points.data();
    // The run's first point; the run after the last is the first again.
    auto at = [&](int r) -> const Vector3D& { return *outline[size_t(starts[r < m ? r : 0])]; };
    auto sunk = [](const Vector3D& p) { return p.getAuxA() != 0.0f || p.getAuxB() != 0.0f; };
    const float twice = 1.0f / scale;
    // A point a sheet sank within twice the limit of the segment from a to
    // b across, which no sheet sank and which lay farther than the limit
    // from the point bare.
    auto near = [&](const Vector3D& p, const Vector3D& a, const Vector3D& b) {
        if (!sunk(p) || sunk(a) || sunk(b) || !(b.getX() > a.getX())) {
            return false;
        }
        const float y = a.getY() + (b.getY() - a.getY()) * (p.getX() - a.getX()) / (b.getX() - a.getX());
        const float covered = std::fabs(p.getY() - y);
        const float bare = std::fabs(p.getY() - p.getAuxB() - y);
        return covered < twice && bare >= 0.5f * twice && bare > covered;
    };
    // Both sides from the nose back at once, in order along the chord, each
    // point from from to to against the other side's segment at its
    // station. Slots' walls and band ends that run back a little only blur
    // where stations meet.
    int upper = nose;
    int lower = nose;
    // Ahead of from nothing is asked: each side on to its first point there
    // at once, where the walk in order would leave it too.
    while (upper > 0 && points[upper - 1].x < from) {
        --upper;
    }
    while (lower < m && points[lower + 1].x < from) {
        ++lower;
    }
    while (upper > 0 && lower < m) {
        const float ux = points[upper - 1].x;
        const float lx = points[lower + 1].x;
        if (ux <= lx) {
            --upper;
            if (ux >= from && near(at(upper), at(lower), at(lower + 1))) {
                return true;
            }
        } else {
            ++lower;
            if (lx >= from && near(at(lower), at(upper), at(upper - 1))) {
                return true;
            }
        }
        if (std::min(ux, lx) > to) {
            break;
        }
    }
    return false;
}

bool SheetPinch::oneSheetAcross(int s, int t) const
{
    const int m = int(runs.starts.size());
    auto at = [&](int r) -> const Vector3D& { return *outline[size_t(runs.starts[size_t(((r % m) + m) % m)])]; };
    auto sunk = [](const Vector3D& p) { return p.getAuxA() != 0.0f || p.getAuxB() != 0.0f; };
    const Vector3D* face[2] = {&at(s), &at(s + 1)};
    const Vector3D* across[2] = {&at(t), &at(t + 1)};
    const bool faceSunk = sunk(*face[0]) || sunk(*face[1]);
    if (faceSunk == (sunk(*across[0]) || sunk(*across[1]))) {
        return false;
    }
    if (!faceSunk) {
        std::swap(face[0], across[0]);
        std::swap(face[1], across[1]);
    }
    // The sheet sank its face towards the surface across, not along it.
    const Vector3D& more = face[0]->getAuxA() * face[0]->getAuxA() + face[0]->getAuxB() * face[0]->getAuxB()
                                   >= face[1]->getAuxA() * face[1]->getAuxA() + face[1]->getAuxB() * face[1]->getAuxB()
                               ? *face[0]
                               : *face[1];
    const float towardsX = (across[0]->getX() + across[1]->getX()) * 0.5f - more.getX();
    const float towardsY = (across[0]->getY() + across[1]->getY()) * 0.5f - more.getY();
    if (!(more.getAuxA() * towardsX + more.getAuxB() * towardsY > 0.0f)) {
        return false;
    }
    // Where the bare rib was thin as well, the web is the section's own.
    const PinchXY bare0{face[0]->getX() - face[0]->getAuxA(), face[0]->getY() - face[0]->getAuxB()};
    const PinchXY bare1{face[1]->getX() - face[1]->getAuxA(), face[1]->getY() - face[1]->getAuxB()};
    PinchXY middle{0.0f, 0.0f};
    return pinchGap(bare0, bare1, PinchXY{across[0]->getX(), across[0]->getY()},
                    PinchXY{across[1]->getX(), across[1]->getY()}, middle)
           >= 0.5f / scale;
}

bool SheetPinch::partAt(const Place& place)
{
    const std::vector<int>& starts = runs.starts;
    const int m = int(starts.size());
    if (m < 4) {
        return false;
    }
    const float limit = 0.5f / scale;
    const float reach = 2.0f * limit;
    auto point = [&](int r) {
        const CloseSegments::Point& q = runs.points[size_t(r)];
        return PinchXY{q.x, q.y};
    };
    // The run segments that pass near the place.
    thread_local std::vector<int> near;
    near.clear();
    for (int s = 0; s < m; ++s) {
        const PinchXY a = point(s);
        const PinchXY b = point(s + 1);
        if (std::min(a.x, b.x) > place.x + reach || std::max(a.x, b.x) < place.x - reach
            || std::min(a.y, b.y) > place.y + reach || std::max(a.y, b.y) < place.y - reach) {
            continue;
        }
        near.push_back(s);
    }
    // Of those, the two on the inner faces of sheets sunk from opposite
    // sides that come nearest each other, closer than the limit.
    SheetMeeting meeting(outline, starts, scale);
    int low = -1;
    int high = -1;
    float thinnest = limit;
    PinchXY at{0.0f, 0.0f};
    for (size_t i = 0; i < near.size(); ++i) {
        for (size_t j = i + 1; j < near.size(); ++j) {
            const int s = near[i];
            const int t = near[j];
            if (t - s < 2 || (s == 0 && t == m - 1)) {
                continue;
            }
            PinchXY middle{0.0f, 0.0f};
            const float width = pinchGap(point(s), point(s + 1), point(t), point(t + 1), middle);
            if (width < thinnest && (place.oneSheet ? oneSheetAcross(s, t) : meeting.sheetsMeet(s, t))) {
                thinnest = width;
                low = s;
                high = t;
                at = middle;
            }
        }
    }
    // Thinner than the sheets alone left it, the rib was cut there by
    // something else (a slot through the band): that is no pinch of theirs.
    if (low < 0 || thinnest < place.width - 0.05f / scale) {
        return false;
    }
    // The two pieces either side of the place, each closed through it: a
    // piece narrower than the limit on average is an end that tapers to
    // where the sheets meet, no piece the pinch parts.
    const PinchXY meet = at;
    auto cross = [](const PinchXY& a, const PinchXY& b) { return double(a.x) * b.y - double(b.x) * a.y; };
    double whole = 0.0;
    double inside = cross(meet, point(low + 1));
    double wholeLength = 0.0;
    double insideLength = 0.0;
    for (int r = 0; r < m; ++r) {
        const PinchXY a = point(r);
        const PinchXY b = point(r + 1);
        const double area = cross(a, b);
        const double length = std::hypot(double(b.x) - a.x, double(b.y) - a.y);
        whole += area;
        wholeLength += length;
        if (r > low && r < high) {
            inside += area;
            insideLength += length;
        }
    }
    inside += cross(point(high), meet);
    const double outside = whole - inside;
    const double sense = whole < 0.0 ? -1.0 : 1.0;
    const double sliver = 0.5 / scale;
    // A side thin on average that holds a stretch of wood to build all the
    // same (it runs out into the section's own thin tail) is a piece.
    const auto holdsWood = [&](int first, int last) {
        return pieces && BuildableWood::heldBy(runs.points.data(), m, first, last, meet.x, meet.y, scale);
    };
    const bool insideThin = inside * sense <= sliver * insideLength && !holdsWood(low + 1, high);
    const bool outsideThin = outside * sense <= sliver * (wholeLength - insideLength) && !holdsWood(high + 1, low + m);
    const bool insideLarger = inside * sense >= outside * sense;
    // Where the larger piece is the thin one (a thin section's own tail
    // behind a band over its nose), the other is the rib if it plainly has
    // wood, as a finished rib is measured: 1 mm on average. A thin piece
    // that holds the longer way round is no taper either, though its area
    // be a hair the smaller.
    const bool insideWood = inside * sense >= 2.0 * sliver * insideLength;
    const bool outsideWood = outside * sense >= 2.0 * sliver * (wholeLength - insideLength);
    // Beyond one sheet's web no sheets meet: a thin piece there is no
    // taper to their meeting point, and goes wherever the other has wood.
    const bool insideLonger = insideLength > wholeLength - insideLength;
    const bool thinInsideGoes = insideThin && outsideWood && (place.oneSheet || insideLarger || insideLonger);
    const bool thinOutsideGoes = outsideThin && insideWood && (place.oneSheet || !(insideLarger && insideLonger));
    if ((insideThin || outsideThin) && !thinInsideGoes && !thinOutsideGoes) {
        return false;
    }
    // As where the sheets meet: the larger piece stays, unless it is the
    // thin one. Unlike a crossing, a pinch leaves a simple outline: it is
    // mended only where the kept piece can end on a face across it.
    const Vector3D where(at.x, at.y, outline[size_t(starts[size_t(low)])]->getZ());
    const bool keepInside = insideLarger ? !insideThin : outsideThin;
    // The other piece, where it has wood, is cut on its own, ended alike.
    PointList* other = pieces && !(keepInside ? outsideThin : insideThin) ? pieces->copyOf(outline) : nullptr;
    const bool parted = keepInside ? meeting.keepPiece(low + 1, high, high + 1, low + m, where, true)
                                   : meeting.keepPiece(high + 1, low + m, low + 1, high, where, true);
    if (other && !parted) {
        pieces->forgetLast();
    } else if (other) {
        pieces->partedBySheets();
        SheetMeeting otherMeeting(*other, starts, scale);
        const int first = keepInside ? high + 1 : low + 1;
        const int last = keepInside ? low + m : high;
        const int dropFirst = keepInside ? low + 1 : high + 1;
        const int dropLast = keepInside ? high : low + m;
        if (!otherMeeting.keepPiece(first, last, dropFirst, dropLast, where, true)) {
            otherMeeting.keepPiece(first, last, dropFirst, dropLast, where);
        }
    }
    return parted;
}
