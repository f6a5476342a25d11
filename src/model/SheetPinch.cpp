#include "model/SheetPinch.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "model/OutlineRuns.h"
#include "model/SheetMeeting.h"

namespace {

struct PinchXY {
    float x;
    float y;
};

// How near segments ab and cd come, not crossing, and the point halfway
// between their nearest points.
float pinchGap(const PinchXY& a, const PinchXY& b, const PinchXY& c, const PinchXY& d, PinchXY& middle)
{
    float nearest = FLT_MAX;
    auto consider = [&](const PinchXY& p, const PinchXY& q0, const PinchXY& q1) {
        PinchXY on{0.0f, 0.0f};
        SegmentGeometry::nearestOnSegmentXY(p.x, p.y, q0.x, q0.y, q1.x, q1.y, on.x, on.y);
        const float distance = std::hypot(on.x - p.x, on.y - p.y);
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
// span of chord it covers and the run (or face) it belongs to.
struct PinchSegment {
    PinchXY a;
    PinchXY b;
    float fromX;
    float toX;
    int run;
};

} // namespace

SheetPinch::SheetPinch(PointList& outline, const OutlineRuns& runs, const PartList* bands, float scale,
                       const PartList* sparParts)
    : outline(outline), runs(runs), bands(bands), scale(scale), sparParts(sparParts)
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
    if (!bands || bands->size() < 2 || m < 4) {
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
    if (!any) {
        return;
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
        const PinchSegment segment{a, b, std::min(a.x, b.x), std::max(a.x, b.x), s};
        (segment.toX - segment.fromX > longest ? longOnes : shortOnes).push_back(segment);
    }
    std::sort(shortOnes.begin(), shortOnes.end(),
              [](const PinchSegment& a, const PinchSegment& b) { return a.fromX < b.fromX; });
    SheetMeeting meeting(outline, runs.starts, scale);
    // Along the outline, how near each segment comes to one sunk from the
    // other side; one place for each dip of that below the limit.
    thread_local std::vector<Place> dips;
    dips.clear();
    float lastWidth = FLT_MAX;
    bool falling = true;
    Place lowest{0.0f, 0.0f, FLT_MAX};
    for (int s = 0; s <= m; ++s) {
        Place best{0.0f, 0.0f, limit};
        if (s < m) {
            const PinchXY a = point(s);
            const PinchXY b = point(s + 1);
            const float fromX = std::min(a.x, b.x);
            const float toX = std::max(a.x, b.x);
            const float lowY = std::min(a.y, b.y);
            const float highY = std::max(a.y, b.y);
            auto consider = [&](const PinchSegment& t) {
                const int apart = std::abs(t.run - s);
                if (t.fromX > toX + limit || t.toX < fromX - limit || apart < 2 || apart == m - 1
                    || std::min(t.a.y, t.b.y) > highY + best.width || std::max(t.a.y, t.b.y) < lowY - best.width) {
                    return;
                }
                PinchXY middle{0.0f, 0.0f};
                const float width = pinchGap(a, b, t.a, t.b, middle);
                if (width < best.width && meeting.sheetsMeet(s, t.run)) {
                    best = {middle.x, middle.y, width};
                }
            };
            auto end = std::upper_bound(shortOnes.begin(), shortOnes.end(), toX + limit,
                                        [](float x, const PinchSegment& t) { return x < t.fromX; });
            for (auto it = end; it != shortOnes.begin();) {
                --it;
                if (it->fromX < fromX - limit - longest) {
                    break;
                }
                consider(*it);
            }
            for (const PinchSegment& t : longOnes) {
                consider(t);
            }
        }
        // A dip ends where the gap widens again past its least.
        if (best.width > lastWidth && falling) {
            dips.push_back(lowest);
            falling = false;
        } else if (best.width < lastWidth) {
            falling = true;
        }
        if (best.width < limit) {
            lowest = best;
        }
        lastWidth = best.width;
    }
    // A dip is the sheets' pinch where the inner faces of two bands that may
    // pinch come as close near it, as they lay before anything else was cut
    // into the rib; the place is where they come nearest.
    thread_local std::vector<std::vector<PinchSegment>> nearFaces;
    nearFaces.resize(std::max(nearFaces.size(), count));
    thread_local std::vector<Place> found;
    found.clear();
    for (const Place& dip : dips) {
        for (size_t f = 0; f < count; ++f) {
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
                near.push_back({a, b, 0.0f, 0.0f, int(f)});
            }
        }
        Place place{dip.x, dip.y, limit};
        for (size_t u = 0; u < count; ++u) {
            for (size_t l = 0; l < count && !nearFaces[u].empty(); ++l) {
                if (!pairs[u * count + l]) {
                    continue;
                }
                for (const PinchSegment& i : nearFaces[u]) {
                    for (const PinchSegment& j : nearFaces[l]) {
                        PinchXY middle{0.0f, 0.0f};
                        const float width = pinchGap(i.a, i.b, j.a, j.b, middle);
                        if (width < place.width) {
                            place = {middle.x, middle.y, width};
                        }
                    }
                }
            }
        }
        // Over a square spar's slot what is left is the spar's web, not the
        // sheets' pinch; a slot elsewhere under the same two bands has no
        // say in a pinch at the bands' end.
        bool slotted = false;
        if (sparParts && place.width < limit) {
            for (const IdentifiableObject* slot : *sparParts) {
                float from = FLT_MAX;
                float to = -FLT_MAX;
                for (const Vertex* corner : slot->getPoints()) {
                    from = std::min(from, corner->getX());
                    to = std::max(to, corner->getX());
                }
                slotted = slotted || (place.x >= from - limit && place.x <= to + limit);
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
            if (width < thinnest && meeting.sheetsMeet(s, t)) {
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
    const bool insideThin = inside * sense <= sliver * insideLength;
    const bool outsideThin = outside * sense <= sliver * (wholeLength - insideLength);
    const bool insideLarger = inside * sense >= outside * sense;
    // Where the larger piece is the thin one (a thin section's own tail
    // behind a band over its nose), the other is the rib if it plainly has
    // wood, as a finished rib is measured: 1 mm on average. A thin piece
    // that holds the longer way round is no taper either, though its area
    // be a hair the smaller.
    const bool insideWood = inside * sense >= 2.0 * sliver * insideLength;
    const bool outsideWood = outside * sense >= 2.0 * sliver * (wholeLength - insideLength);
    const bool insideLonger = insideLength > wholeLength - insideLength;
    const bool thinInsideGoes = insideThin && outsideWood && (insideLarger || insideLonger);
    const bool thinOutsideGoes = outsideThin && insideWood && !(insideLarger && insideLonger);
    if ((insideThin || outsideThin) && !thinInsideGoes && !thinOutsideGoes) {
        return false;
    }
    // As where the sheets meet: the larger piece stays, unless it is the
    // thin one. Unlike a crossing, a pinch leaves a simple outline: it is
    // mended only where the kept piece can end on a face across it.
    const Vector3D where(at.x, at.y, outline[size_t(starts[size_t(low)])]->getZ());
    if (insideLarger ? !insideThin : outsideThin) {
        return meeting.keepPiece(low + 1, high, high + 1, low + m, where, true);
    }
    return meeting.keepPiece(high + 1, low + m, low + 1, high, where, true);
}
