#include "model/finishing/SheetStartFace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"

namespace {

struct StartNormal {
    float outerX;
    float outerY;
    float innerX;
    float innerY;
};

// A band's normal at its rear end: of its two end normals, the one whose
// surface point lies farther back.
StartNormal rearNormalOf(const IdentifiableObject& band)
{
    const std::vector<Vertex*>& p = band.getPoints();
    const size_t n = p.size();
    const Vertex& a = *p[0];
    const Vertex& b = *p[n - 1];
    const Vertex& c = *p[n / 2 - 1];
    const Vertex& d = *p[n / 2];
    return a.getX() >= c.getX() ? StartNormal{a.getX(), a.getY(), b.getX(), b.getY()}
                                : StartNormal{c.getX(), c.getY(), d.getX(), d.getY()};
}

bool insideOutline(const std::vector<Vector3D*>& outline, float x, float y)
{
    bool in = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vector3D& u = *outline[i];
        const Vector3D& v = *outline[j];
        if ((u.getX() <= x) != (v.getX() <= x)
            && u.getY() + (x - u.getX()) * (v.getY() - u.getY()) / (v.getX() - u.getX()) > y)
            in = !in;
    }
    return in;
}

// How far the wood reaches from (x, y), inside the outline, straight up
// (or down) to the outline.
float woodStraightFrom(const std::vector<Vector3D*>& outline, float x, float y, bool up)
{
    float nearest = std::numeric_limits<float>::max();
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vector3D& u = *outline[i];
        const Vector3D& v = *outline[j];
        if ((u.getX() <= x) == (v.getX() <= x))
            continue;
        const float edgeY = u.getY() + (x - u.getX()) * (v.getY() - u.getY()) / (v.getX() - u.getX());
        const float away = up ? edgeY - y : y - edgeY;
        if (away >= 0.0f)
            nearest = std::min(nearest, away);
    }
    return nearest;
}

// Hands found(t, s) each edge of the outline that the line from (ax, ay)
// along (dx, dy) meets, not running parallel: t the way along the line, s
// along the edge. Stops where found returns true.
template <typename Found>
void meetOutline(const std::vector<Vector3D*>& outline, float ax, float ay, float dx, float dy, Found found)
{
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vector3D& u = *outline[j];
        const Vector3D& v = *outline[i];
        const float ex = v.getX() - u.getX();
        const float ey = v.getY() - u.getY();
        const float denom = dx * ey - dy * ex;
        if (denom == 0.0f)
            continue;
        const float t = ((u.getX() - ax) * ey - (u.getY() - ay) * ex) / denom;
        const float s = ((u.getX() - ax) * dy - (u.getY() - ay) * dx) / denom;
        if (found(t, s))
            return;
    }
}

// Whether an edge of the outline crosses the stretch from (ax, ay) to
// (bx, by) short of a hair from either end.
bool crossedBetween(const std::vector<Vector3D*>& outline, float ax, float ay, float bx, float by, float hair)
{
    const float dx = bx - ax;
    const float dy = by - ay;
    const float length = std::hypot(dx, dy);
    if (!(length > 2.0f * hair))
        return false;
    const float margin = hair / length;
    bool crossed = false;
    meetOutline(outline, ax, ay, dx, dy, [&](float t, float s) {
        crossed = t > margin && t < 1.0f - margin && s >= 0.0f && s <= 1.0f;
        return crossed;
    });
    return crossed;
}

// Ends the normal where it last passes out through the outline; false
// where it never does.
bool shortenToOutline(const std::vector<Vector3D*>& outline, StartNormal& normal)
{
    const float dx = normal.innerX - normal.outerX;
    const float dy = normal.innerY - normal.outerY;
    float last = -1.0f;
    meetOutline(outline, normal.outerX, normal.outerY, dx, dy, [&](float t, float s) {
        if (t > 0.0f && t < 1.0f && s >= 0.0f && s <= 1.0f)
            last = std::max(last, t);
        return false;
    });
    if (!(last > 0.0f))
        return false;
    normal.innerX = normal.outerX + dx * last;
    normal.innerY = normal.outerY + dy * last;
    return true;
}

// Of the band's normals that pass out of the rib through the other side
// (the sheet is thicker than the rib is deep there), the point where one
// leaves it farthest behind (x, y), near that side's height y: the sheet
// lies over the rib up to there, though the camber line held the band's
// last normal short. False where none leaves behind x.
bool passesOutBehind(const std::vector<Vector3D*>& outline, const IdentifiableObject& band, float& x, float& y,
                     float near)
{
    const std::vector<Vertex*>& p = band.getPoints();
    const size_t n = p.size();
    bool found = false;
    const float height = y;
    for (size_t k = 0; k < n / 2; ++k) {
        StartNormal normal{p[k]->getX(), p[k]->getY(), p[n - 1 - k]->getX(), p[n - 1 - k]->getY()};
        if (!(std::max(normal.outerX, normal.innerX) > x) || insideOutline(outline, normal.innerX, normal.innerY)
            || !shortenToOutline(outline, normal))
            continue;
        if (normal.innerX > x && std::abs(normal.innerY - height) <= near) {
            x = normal.innerX;
            y = normal.innerY;
            found = true;
        }
    }
    return found;
}

// Where both bands' last normals lean back, each sheet reaches behind the
// other band's end: a face down either normal alone leaves a wedge of wood
// in the other sheet. The rib keeps what lies behind both: down the lower
// band's normal to where it meets the upper one and down that one, or,
// where their sunk ends do not meet, down the upper normal, across between
// the sunk ends and down the lower one. A sheet thicker than the rib is
// deep reaches farther than its last normal where the camber line held
// that one short: a face ending on the other band's bare end ahead of
// where one of its normals passes out through that side ends there
// instead. The outline is clipped to the side behind that line, so wood
// only ever comes off; anything else is left to the caller.
bool clearBothNormals(std::vector<Vector3D*>& outline, const StartNormal& upper, const StartNormal& lower,
                      const IdentifiableObject& upperBand, const IdentifiableObject& lowerBand, float touch)
{
    struct Pt {
        float x;
        float y;
    };
    const Pt uo{upper.outerX, upper.outerY};
    const Pt ui{upper.innerX, upper.innerY};
    const Pt lo{lower.outerX, lower.outerY};
    const Pt li{lower.innerX, lower.innerY};
    const float ux = ui.x - uo.x;
    const float uy = ui.y - uo.y;
    const float lx = li.x - lo.x;
    const float ly = li.y - lo.y;
    const float denom = ux * ly - uy * lx;
    std::vector<Pt> face;
    if (std::abs(denom) > 0.0f) {
        const float t = ((lo.x - uo.x) * ly - (lo.y - uo.y) * lx) / denom;
        const float s = ((lo.x - uo.x) * uy - (lo.y - uo.y) * ux) / denom;
        if (t > 0.0f && t < 1.0f && s > 0.0f && s < 1.0f) {
            // Sunk ends inside the rib would leave wood between the other
            // sheet's inner face and this normal, which a line cannot keep:
            // a ledge over the sunk end. A ledge thinner than a rib a cutter
            // can keep goes with the face; a thicker one stays, and so does
            // the rib as it was.
            const float ledge = 500.0f * touch;
            if ((insideOutline(outline, li.x, li.y) && !(woodStraightFrom(outline, li.x, li.y, true) < ledge))
                || (insideOutline(outline, ui.x, ui.y) && !(woodStraightFrom(outline, ui.x, ui.y, false) < ledge)))
                return false;
            face = {li, {uo.x + ux * t, uo.y + uy * t}, ui};
        }
    }
    if (face.empty()) {
        if (!(ui.y > li.y))
            return false;
        face = {uo, ui, li, lo};
        // Sunk ends closer than a rib a cutter can keep: a step across
        // between them would leave a tab of that size standing, so the face
        // runs from the one lying farther back, past the other.
        const auto aheadOf = [](const Pt& v, const Pt& a, const Pt& b) {
            return v.x <= a.x + (b.x - a.x) * (v.y - a.y) / (b.y - a.y);
        };
        if (ui.y - li.y < 500.0f * touch && ui.y > lo.y && uo.y > li.y) {
            if (aheadOf(li, ui, lo))
                face = {uo, ui, lo};
            else if (aheadOf(ui, uo, li))
                face = {uo, li, lo};
        }
    }
    // Where the face ends on a band's bare end, a normal of the other band
    // may pass out through that side behind it: the face ends there.
    if (face.size() > 2 && face.back().x == lo.x && face.back().y == lo.y) {
        Pt end = lo;
        if (passesOutBehind(outline, upperBand, end.x, end.y, 500.0f * touch) && end.y < face[face.size() - 2].y)
            face.back() = end;
    }
    if (face.size() > 2 && face.front().x == uo.x && face.front().y == uo.y) {
        Pt end = uo;
        if (passesOutBehind(outline, lowerBand, end.x, end.y, 500.0f * touch) && end.y > face[1].y)
            face.front() = end;
    }
    // As with one normal: only wood a quarter millimetre or more up either
    // normal goes. Short of that the rib ends in a point at the sunk ends,
    // and blunting it would leave a stub too small for a cutter to follow.
    const auto holdsWoodUp = [&](const Pt& inner, const Pt& outer) {
        const float length = std::hypot(outer.x - inner.x, outer.y - inner.y);
        const float up = 250.0f * touch / length;
        return length > 0.0f
               && insideOutline(outline, inner.x + (outer.x - inner.x) * up, inner.y + (outer.y - inner.y) * up);
    };
    if (!holdsWoodUp(ui, uo) && !holdsWoodUp(li, lo))
        return false;
    for (size_t f = 1; f < face.size(); ++f) {
        if (!(face[f].y < face[f - 1].y))
            return false;
    }
    // Positive behind the face (kept), a hair ahead counting as on it.
    const auto faceX = [&](float y) {
        if (y >= face.front().y)
            return face.front().x;
        if (y <= face.back().y)
            return face.back().x;
        size_t f = 1;
        while (face[f].y > y)
            ++f;
        const Pt& a = face[f - 1];
        const Pt& b = face[f];
        return a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
    };
    const auto behind = [&](const Pt& q) { return q.x - faceX(q.y) + touch; };
    const int n = int(outline.size());
    const auto at = [&](int i) { return Pt{outline[size_t(i)]->getX(), outline[size_t(i)]->getY()}; };
    if (behind(at(0)) < 0.0f || behind(at(n - 1)) < 0.0f)
        return false;
    // The outline clipped: every edge split where the face bends, so that
    // along each piece the distance behind it runs linearly.
    std::vector<Pt> result;
    std::vector<int> kept;
    int firstExit = -1;
    int lastEntry = -1;
    float exitY = 0.0f;
    float lowestBridge = std::numeric_limits<float>::max();
    result.push_back(at(0));
    kept.push_back(0);
    // A new point a hair from the face's corner or from the point before
    // sits on it: no stub a cutter cannot follow.
    const float hair = 10.0f * touch;
    const auto add = [&](Pt v) {
        for (const Pt& corner : face) {
            if (std::abs(v.x - corner.x) <= hair && std::abs(v.y - corner.y) <= hair)
                v = corner;
        }
        if (std::abs(v.x - result.back().x) <= hair && std::abs(v.y - result.back().y) <= hair)
            return;
        result.push_back(v);
        kept.push_back(-1);
    };
    for (int i = 0; i + 1 < n; ++i) {
        const Pt p = at(i);
        const Pt q = at(i + 1);
        // The face has at most four corners: no allocation per edge.
        std::array<float, 6> cuts{};
        size_t cutCount = 1;
        for (const Pt& v : face) {
            if ((p.y < v.y) != (q.y < v.y))
                cuts[cutCount++] = (v.y - p.y) / (q.y - p.y);
        }
        cuts[cutCount++] = 1.0f;
        for (size_t a = 1; a < cutCount; ++a) {
            for (size_t b = a; b > 0 && cuts[b - 1] > cuts[b]; --b)
                std::swap(cuts[b - 1], cuts[b]);
        }
        for (size_t c = 1; c < cutCount; ++c) {
            const auto along = [&](size_t k) {
                if (k == 0)
                    return p;
                return k + 1 == cutCount ? q : Pt{p.x + (q.x - p.x) * cuts[k], p.y + (q.y - p.y) * cuts[k]};
            };
            const Pt a = along(c - 1);
            const Pt b = along(c);
            const float ga = behind(a);
            const float gb = behind(b);
            if ((ga >= 0.0f) == (gb >= 0.0f))
                continue;
            const float r = ga / (ga - gb);
            const Pt cross{a.x + (b.x - a.x) * r, a.y + (b.y - a.y) * r};
            if (ga >= 0.0f) {
                firstExit = firstExit < 0 ? i : firstExit;
                exitY = cross.y;
                add(cross);
                continue;
            }
            // Back along the face, downwards only, each stretch of it below
            // the last: a bridge going up or over another would join pieces.
            if (!(cross.y < exitY) || !(exitY < lowestBridge))
                return false;
            for (const Pt& v : face) {
                if (v.y < exitY && v.y > cross.y)
                    add(v);
            }
            add(cross);
            lowestBridge = cross.y;
            lastEntry = i + 1;
        }
        if (behind(q) >= 0.0f) {
            result.push_back(q);
            kept.push_back(i + 1);
        }
    }
    if (firstExit < 0 || lastEntry < 0 || lastEntry <= firstExit)
        return false;
    // A new point a hair from the kept one after it gives way to it.
    for (size_t r = 1; r + 1 < result.size(); ++r) {
        const Pt& v = result[r];
        const Pt& w = result[r + 1];
        if (kept[r] < 0 && kept[r + 1] >= 0 && std::abs(v.x - w.x) <= hair && std::abs(v.y - w.y) <= hair) {
            result.erase(result.begin() + std::ptrdiff_t(r));
            kept.erase(kept.begin() + std::ptrdiff_t(r));
        }
    }
    // The new stretch must not cross the rest of the outline.
    const int m = int(result.size());
    const auto from = size_t(std::find(kept.begin(), kept.end(), firstExit) - kept.begin());
    const auto to = size_t(std::find(kept.begin(), kept.end(), lastEntry) - kept.begin());
    if (to >= kept.size() || to <= from + 1)
        return false;
    const auto crosses = [](const Pt& a, const Pt& b, const Pt& c, const Pt& d) {
        const auto side = [](const Pt& o, const Pt& e, const Pt& r) {
            return (e.x - o.x) * (r.y - o.y) - (e.y - o.y) * (r.x - o.x);
        };
        return side(a, b, c) * side(a, b, d) < 0.0f && side(c, d, a) * side(c, d, b) < 0.0f;
    };
    for (size_t e = from; e < to; ++e) {
        for (int g = 0; g + 1 < m; ++g) {
            if (std::abs(int(e) - g) > 1
                && crosses(result[e], result[e + 1], result[size_t(g)], result[size_t(g + 1)]))
                return false;
        }
    }
    // Into the points between the last one kept ahead of the first exit and
    // the first one kept after the last entry; spare ones sit on the last.
    const int room = lastEntry - firstExit - 1;
    const int needed = int(to - from) - 1;
    const float z = outline[size_t(firstExit)]->getZ();
    for (int r = room; r < needed; ++r)
        Vector3D::insertCopy(outline, size_t(firstExit + 1), *outline[size_t(firstExit)]);
    const int count = std::max(room, needed);
    for (int r = 0; r < count; ++r) {
        const Pt& v = result[from + 1 + size_t(std::min(r, needed - 1))];
        outline[size_t(firstExit + 1 + r)]->set(v.x, v.y, z);
    }
    return true;
}

// The corner the rib would start in, where the face leaves the side it
// starts from: that side, from its front point first, runs round to before,
// then on to cross and to the foot; the surface it came along runs the
// other way from first. Where the corner is thinner than across for more
// than way behind its tip, the station behind the tip where it is across
// thick; the tip's own station where it is not thin (or not measured), and
// NaN where no such station is found within ten times way.
float cornerCutAt(const std::vector<Vector3D*>& outline, int first, int before, int step, float crossX, float crossY,
                  float footX, float footY, float way, float across)
{
    const int n = int(outline.size());
    const float tipX = outline[size_t(first)]->getX();
    const float sense = step > 0 ? 1.0f : -1.0f;
    const int kept = (before - first) * step;
    const auto pathX = [&](int i) {
        return i < kept ? outline[size_t(first + i * step)]->getX() : i == kept ? crossX : footX;
    };
    const auto pathY = [&](int i) {
        return i < kept ? outline[size_t(first + i * step)]->getY() : i == kept ? crossY : footY;
    };
    // The corner's thickness at x; negative where a side does not reach it.
    const auto thickness = [&](float x) {
        float surface = 0.0f;
        bool onSurface = false;
        for (int r = first; r - step >= 0 && r - step < n; r -= step) {
            const Vector3D& u = *outline[size_t(r)];
            const Vector3D& v = *outline[size_t(r - step)];
            if (v.getX() < u.getX())
                break;
            if (v.getX() >= x) {
                surface = v.getX() > u.getX()
                              ? u.getY() + (v.getY() - u.getY()) * (x - u.getX()) / (v.getX() - u.getX())
                              : v.getY();
                onSurface = true;
                break;
            }
        }
        if (!onSurface)
            return -1.0f;
        for (int i = 0; i < kept + 1; ++i) {
            const float ax = pathX(i);
            const float bx = pathX(i + 1);
            if ((ax < x) == (bx < x))
                continue;
            const float y = pathY(i) + (pathY(i + 1) - pathY(i)) * (x - ax) / (bx - ax);
            return sense * (surface - y);
        }
        return -1.0f;
    };
    // A corner that cannot be measured there is no corner to cut.
    const float near = thickness(tipX + way);
    if (!(near >= 0.0f) || near >= across)
        return tipX;
    float thin = tipX + way;
    float thick = thin;
    while (true) {
        thick += way;
        if (thick > tipX + 10.0f * way)
            return std::numeric_limits<float>::quiet_NaN();
        const float t = thickness(thick);
        if (!(t >= 0.0f))
            return std::numeric_limits<float>::quiet_NaN();
        if (t >= across)
            break;
        thin = thick;
    }
    for (int halving = 0; halving < 12; ++halving) {
        const float x = 0.5f * (thin + thick);
        (thickness(x) >= across ? thick : thin) = x;
    }
    return thick;
}

// Puts the face onto the walk from first (in steps of step) up to before
// stop: across the corner at cutX, on along the side from there to before,
// then to cross and down to the foot. False, the outline as it was, where
// the cut across would not run through wood alone.
bool startOnCornerCut(std::vector<Vector3D*>& outline, int first, int before, int stop, int step, float cutX,
                      float crossX, float crossY, float footX, float footY, float hair)
{
    struct Pt {
        float x;
        float y;
    };
    std::vector<Pt> path;
    for (int r = first; r != before; r += step)
        path.push_back({outline[size_t(r)]->getX(), outline[size_t(r)]->getY()});
    path.push_back({crossX, crossY});
    path.push_back({footX, footY});
    // The surface the walk came along, at cutX.
    float surfaceY = outline[size_t(first)]->getY();
    for (int r = first; r - step >= 0 && r - step < int(outline.size()); r -= step) {
        const Vector3D& u = *outline[size_t(r)];
        const Vector3D& v = *outline[size_t(r - step)];
        if (v.getX() >= cutX) {
            surfaceY = v.getX() > u.getX()
                           ? u.getY() + (v.getY() - u.getY()) * (cutX - u.getX()) / (v.getX() - u.getX())
                           : v.getY();
            break;
        }
    }
    std::vector<Pt> face{{cutX, surfaceY}};
    for (size_t i = 0; i + 1 < path.size() && face.size() == 1; ++i) {
        const Pt& a = path[i];
        const Pt& b = path[i + 1];
        if ((a.x < cutX) != (b.x < cutX)) {
            face.push_back({cutX, a.y + (b.y - a.y) * (cutX - a.x) / (b.x - a.x)});
            face.insert(face.end(), path.begin() + std::ptrdiff_t(i + 1), path.end());
        }
    }
    if (face.size() < 2 || crossedBetween(outline, face[0].x, face[0].y, face[1].x, face[1].y, hair))
        return false;
    const float z = outline[size_t(first)]->getZ();
    int count = (stop - first) * step;
    for (; count < int(face.size()); ++count) {
        Vector3D::insertCopy(outline, size_t(step > 0 ? first + 1 : first), *outline[size_t(first)]);
        if (step < 0)
            ++first;
    }
    for (int m = 0; m < count; ++m) {
        const Pt& v = face[size_t(std::min(m, int(face.size()) - 1))];
        outline[size_t(first + m * step)]->set(v.x, v.y, z);
    }
    return true;
}

} // namespace

bool SheetStartFace::clearLastNormal(std::vector<Vector3D*>& outline, const std::vector<IdentifiableObject*>& bands,
                                     float scale)
{
    const int n = int(outline.size());
    if (bands.size() != 2 || n < 4 || scale <= 0.0f)
        return false;
    for (const IdentifiableObject* band : bands) {
        if (band->getPoints().size() < 4)
            return false;
    }
    StartNormal first = rearNormalOf(*bands[0]);
    StartNormal second = rearNormalOf(*bands[1]);
    const bool firstUpper = first.innerY < first.outerY;
    const bool secondUpper = second.innerY < second.outerY;
    if (firstUpper == secondUpper)
        return false;
    const StartNormal& upper = firstUpper ? first : second;
    const StartNormal& lower = firstUpper ? second : first;
    // Both bands end at one station.
    const float touch = 0.001f / scale;
    if (std::abs(upper.outerX - lower.outerX) > 10.0f * touch)
        return false;
    // Both normals leaning back, the rib starting at the bands' end: the
    // face goes down both.
    const bool bothLean = upper.innerX > upper.outerX + touch && lower.innerX > lower.outerX + touch;
    if (bothLean) {
        float front = outline[0]->getX();
        for (const Vector3D* point : outline)
            front = std::min(front, point->getX());
        if (front >= std::min(upper.outerX, lower.outerX) - 10.0f * touch
            && clearBothNormals(outline, upper, lower, *bands[firstUpper ? 0 : 1], *bands[firstUpper ? 1 : 0],
                                touch))
            return true;
    }
    const bool downUpper = upper.innerX > std::max({upper.outerX, lower.outerX, lower.innerX});
    const bool downLower = lower.innerX > std::max({lower.outerX, upper.outerX, upper.innerX});
    if (!downUpper && !downLower)
        return false;
    StartNormal lean = downUpper ? upper : lower;
    // A normal longer than the rib is deep there passes out through the
    // other side: the sheet reaches that far, so the face ends where the
    // normal leaves the rib, with the other side running on from there.
    const bool through = !insideOutline(outline, lean.innerX, lean.innerY);
    const StartNormal full = lean;
    if (through && !shortenToOutline(outline, lean))
        return false;
    float footX = lean.innerX;
    // The rib starts at the bands' end: nothing of it lies ahead of them.
    // Its front, the points ahead of footX, runs from the upper side (j) to
    // the lower one (k) in Selig order.
    int j = -1;
    int k = -1;
    float frontX = outline[0]->getX();
    for (int i = 0; i < n; ++i) {
        const float x = outline[size_t(i)]->getX();
        frontX = std::min(frontX, x);
        if (x < footX) {
            j = j < 0 ? i : j;
            k = i;
        }
    }
    const float bandEnd = std::min({upper.outerX, lower.outerX, upper.innerX, lower.innerX});
    // But for a stub the nose's cut may leave less than a tenth of a
    // millimetre ahead of them, where the other band's sunk end lies ahead
    // of its bare one: too short for a cutter to follow, it goes with the
    // face.
    const bool stubAhead = frontX < bandEnd - 10.0f * touch;
    if (j <= 0 || k >= n - 1 || frontX < bandEnd - 0.1f / scale)
        return false;
    // The sunk end must hold wood now, or the face would put some back.
    if (!through && !insideOutline(outline, lean.innerX, lean.innerY))
        return false;
    // How far a point stands behind the leaning normal (negative ahead).
    const float dy = lean.outerY - lean.innerY;
    const float length = std::hypot(lean.outerX - lean.innerX, dy);
    if (!(std::abs(dy) > touch))
        return false;
    // Only wood more than a quarter millimetre up the normal goes: below
    // that the face meets the normal's sunk end in a point, and cutting the
    // point flat would leave a stub too short for a cutter to follow.
    const float up = 0.25f / scale / length;
    if (!insideOutline(outline, lean.innerX + (lean.outerX - lean.innerX) * up, lean.innerY + dy * up))
        return false;
    const auto behind = [&](const Vector3D& q) {
        return q.getX() - (lean.outerX + (lean.innerX - lean.outerX) * (lean.outerY - q.getY()) / dy);
    };
    // The other side's height at footX.
    const Vector3D& a = downUpper ? *outline[size_t(k)] : *outline[size_t(j)];
    const Vector3D& b = downUpper ? *outline[size_t(k + 1)] : *outline[size_t(j - 1)];
    if (!(b.getX() > a.getX()))
        return false;
    float footY = a.getY() + (b.getY() - a.getY()) * (footX - a.getX()) / (b.getX() - a.getX());
    if (through) {
        // The normal's end lies on the stretch of the other side found
        // here, or the face would run on to some other part of the outline.
        if (!(std::abs(footY - lean.innerY) <= 10.0f * touch))
            return false;
        footY = lean.innerY;
    } else if (downUpper ? !(lean.innerY > footY) : !(lean.innerY < footY)) {
        return false;
    }
    // Along the leaning side from outside the front to where it passes
    // ahead of the normal, into the sheet; the points behind it stay. A
    // face that reaches the normal's sunk end first leaves the sheet clear.
    const int step = downUpper ? 1 : -1;
    int meet = downUpper ? j : k;
    int stop = downUpper ? k + 1 : j - 1;
    float crossX = 0.0f;
    float crossY = 0.0f;
    // The stretch that passes ahead may run on past the sunk end's height:
    // where it passes the normal above that, the face still reaches it.
    for (; meet != stop; meet += step) {
        const Vector3D& q = *outline[size_t(meet)];
        const float f = behind(q);
        if (f < -touch) {
            const Vector3D& p = *outline[size_t(meet - step)];
            const float fp = behind(p);
            const float t = fp > f ? std::max(0.0f, std::min(1.0f, fp / (fp - f))) : 1.0f;
            crossX = p.getX() + (q.getX() - p.getX()) * t;
            crossY = p.getY() + (q.getY() - p.getY()) * t;
            if (downUpper ? !(crossY > lean.innerY) : !(crossY < lean.innerY))
                return false;
            break;
        }
        if (downUpper ? !(q.getY() > lean.innerY) : !(q.getY() < lean.innerY))
            return false;
    }
    if (meet == stop)
        return false;
    if (through) {
        // Where the side the face leaves from dips behind the normal before
        // it passes ahead (a notch an earlier face left), the wood beneath
        // the dip would end in a wedge thinner than a cutter can keep: the
        // face goes down parallel to the normal from the deepest point.
        int deep = -1;
        float most = 10.0f * touch;
        for (int r = downUpper ? j : k; r != meet; r += step) {
            const float f = behind(*outline[size_t(r)]);
            if (f > most) {
                most = f;
                deep = r;
            }
        }
        if (deep >= 0) {
            const Vector3D& d = *outline[size_t(deep)];
            StartNormal shifted{d.getX(), d.getY(), d.getX() + full.innerX - full.outerX,
                                d.getY() + full.innerY - full.outerY};
            if (!shortenToOutline(outline, shifted) || !(shifted.innerX > footX))
                return false;
            lean.innerX = shifted.innerX;
            lean.innerY = shifted.innerY;
            footX = shifted.innerX;
            crossX = d.getX();
            crossY = d.getY();
            meet = deep + step;
            // The other side runs on from the new foot: its points ahead of
            // it go onto the face too.
            while (stop > 0 && stop < n - 1 && outline[size_t(stop)]->getX() < footX)
                stop += step;
            const Vector3D& p = *outline[size_t(stop - step)];
            const Vector3D& q = *outline[size_t(stop)];
            if (!(q.getX() > p.getX()) || !(q.getX() >= footX))
                return false;
            footY = p.getY() + (q.getY() - p.getY()) * (footX - p.getX()) / (q.getX() - p.getX());
            if (!(std::abs(footY - lean.innerY) <= 10.0f * touch))
                return false;
            footY = lean.innerY;
        }
        // A face leaving the side it starts from in a corner thinner than
        // 0.5 mm for more than a tenth of a millimetre would start the rib
        // in a sliver no builder can cut: the rib starts where the corner
        // is 0.5 mm thick, on a face across it, and the sliver goes too.
        const int first = downUpper ? j : k;
        const float cutX = cornerCutAt(outline, first, meet, step, crossX, crossY, lean.innerX, lean.innerY,
                                       0.1f / scale, 0.5f / scale);
        if (!(cutX == cutX))
            return false;
        if (cutX > outline[size_t(first)]->getX()) {
            if (crossedBetween(outline, crossX, crossY, lean.innerX, lean.innerY, 10.0f * touch))
                return false;
            return startOnCornerCut(outline, first, meet, stop, step, cutX, crossX, crossY, lean.innerX,
                                    lean.innerY, 10.0f * touch);
        }
    }
    if (!through && stubAhead) {
        // Where the side passes the normal on a face the nose was cut with,
        // leaning forwards, the crossing would be the tip of a wedge ahead
        // of the sunk end: the face runs from the side's last point behind
        // the normal straight to the sunk end instead, behind the normal
        // all the way, and the wedge goes too.
        const Vector3D& p = *outline[size_t(meet - step)];
        if (behind(p) < -touch || (downUpper ? !(p.getY() > lean.innerY) : !(p.getY() < lean.innerY))
            || crossedBetween(outline, p.getX(), p.getY(), lean.innerX, lean.innerY, 10.0f * touch))
            return false;
        crossX = p.getX();
        crossY = p.getY();
        meet -= step;
    }
    // Down the normal from there the face must hold nothing but wood: where
    // the outline crossed it on the way, a notch or the air beyond the rib,
    // the face would put wood back.
    if (through && crossedBetween(outline, crossX, crossY, lean.innerX, lean.innerY, 10.0f * touch))
        return false;
    // From there: onto the normal, down it, and across to the other side.
    const int count = (stop - meet) * step;
    if (count < 3) {
        const Vector3D& model = *outline[size_t(meet)];
        for (int r = count; r < 3; ++r)
            Vector3D::insertCopy(outline, size_t(downUpper ? meet + 1 : meet), model);
        if (!downUpper)
            meet += 3 - count;
    }
    const int last = downUpper ? meet + std::max(count, 3) - 1 : meet - std::max(count, 3) + 1;
    outline[size_t(meet)]->set(crossX, crossY, outline[size_t(meet)]->getZ());
    outline[size_t(meet + step)]->set(lean.innerX, lean.innerY, outline[size_t(meet)]->getZ());
    for (int r = meet + 2 * step; r != last + step; r += step)
        outline[size_t(r)]->set(footX, footY, outline[size_t(r)]->getZ());
    return true;
}
