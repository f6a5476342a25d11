#include "model/SheetPinch.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/OutlineRuns.h"
#include "model/SheetMeeting.h"

namespace {

struct PinchXY {
    float x;
    float y;
};

// The nearer of segment ab's points to p, and how near.
PinchXY pinchNearestOn(const PinchXY& p, const PinchXY& a, const PinchXY& b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    float t = 0.0f;
    if (lengthSquared > 0.0f) {
        t = std::min(1.0f, std::max(0.0f, ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared));
    }
    return {a.x + t * dx, a.y + t * dy};
}

// How near segments ab and cd come, not crossing, and the point halfway
// between their nearest points.
float pinchGap(const PinchXY& a, const PinchXY& b, const PinchXY& c, const PinchXY& d, PinchXY& middle)
{
    float nearest = FLT_MAX;
    auto consider = [&](const PinchXY& p, const PinchXY& q0, const PinchXY& q1) {
        const PinchXY on = pinchNearestOn(p, q0, q1);
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
// lowest point on the upper side, its highest on the lower.
struct PinchFace {
    const std::vector<Vertex*>* points;
    bool upper;
    float reach;
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
    if (!bands || bands->size() < 2) {
        return;
    }
    const float limit = 0.5f / scale;
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
        float reach = upper ? FLT_MAX : -FLT_MAX;
        for (size_t k = half; k < p.size(); ++k) {
            reach = upper ? std::min(reach, p[k]->getY()) : std::max(reach, p[k]->getY());
        }
        faces.push_back({&p, upper, reach});
    }
    for (const PinchFace& u : faces) {
        for (const PinchFace& l : faces) {
            // Bands of one side, or whose faces keep the limit apart in
            // height all along, cannot pinch: most ribs' sheets are told so.
            if (!u.upper || l.upper || u.reach >= l.reach + limit) {
                continue;
            }
            const std::vector<Vertex*>& up = *u.points;
            const std::vector<Vertex*>& lp = *l.points;
            const size_t before = places.size();
            for (size_t i = up.size() / 2; i + 1 < up.size(); ++i) {
                const PinchXY a{up[i]->getX(), up[i]->getY()};
                const PinchXY b{up[i + 1]->getX(), up[i + 1]->getY()};
                for (size_t j = lp.size() / 2; j + 1 < lp.size(); ++j) {
                    const PinchXY c{lp[j]->getX(), lp[j]->getY()};
                    const PinchXY d{lp[j + 1]->getX(), lp[j + 1]->getY()};
                    if (std::min(c.x, d.x) > std::max(a.x, b.x) + limit
                        || std::max(c.x, d.x) < std::min(a.x, b.x) - limit
                        || std::min(c.y, d.y) > std::max(a.y, b.y) + limit
                        || std::max(c.y, d.y) < std::min(a.y, b.y) - limit) {
                        continue;
                    }
                    PinchXY middle{0.0f, 0.0f};
                    const float width = pinchGap(a, b, c, d, middle);
                    if (width < limit) {
                        places.push_back({middle.x, middle.y, width});
                    }
                }
            }
            if (places.size() > before && sparParts) {
                // Where both bands lie: the kept piece may end anywhere in it.
                const float from = std::max(std::min(up.front()->getX(), up[up.size() / 2 - 1]->getX()),
                                            std::min(lp.front()->getX(), lp[lp.size() / 2 - 1]->getX()))
                                   - limit;
                const float to = std::min(std::max(up.front()->getX(), up[up.size() / 2 - 1]->getX()),
                                          std::max(lp.front()->getX(), lp[lp.size() / 2 - 1]->getX()))
                                 + limit;
                bool slotted = false;
                for (const IdentifiableObject* slot : *sparParts) {
                    for (const Vertex* corner : slot->getPoints()) {
                        slotted = slotted || (corner->getX() >= from && corner->getX() <= to);
                    }
                }
                if (slotted) {
                    places.resize(before);
                }
            }
        }
    }
    // The thinnest place of each stretch where the faces run close: the
    // outline is searched once for each.
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.width < b.width; });
    const float apart = 4.0f * limit;
    size_t kept = 0;
    for (size_t k = 0; k < places.size(); ++k) {
        bool near = false;
        for (size_t j = 0; j < kept && !near; ++j) {
            near = std::fabs(places[j].x - places[k].x) < apart && std::fabs(places[j].y - places[k].y) < apart;
        }
        if (!near) {
            places[kept++] = places[k];
        }
    }
    places.resize(kept);
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
    if (inside * sense <= sliver * insideLength || outside * sense <= sliver * (wholeLength - insideLength)) {
        return false;
    }
    // As where the sheets meet: the larger piece stays. Unlike a crossing,
    // a pinch leaves a simple outline: it is mended only where the kept
    // piece can end on a face across it.
    const Vector3D where(at.x, at.y, outline[size_t(starts[size_t(low)])]->getZ());
    if (inside * sense >= outside * sense) {
        return meeting.keepPiece(low + 1, high, high + 1, low + m, where, true);
    }
    return meeting.keepPiece(high + 1, low + m, low + 1, high, where, true);
}
