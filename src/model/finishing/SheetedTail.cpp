#include "model/finishing/SheetedTail.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "foundation/Vector3D.h"

void SheetedTail::collect(const PointList& outline, int from, int step, int stop, float hair, float wall,
                          Side& side)
{
    side.points.clear();
    side.points.push_back(from);
    const Vector3D& start = *outline[size_t(from)];
    for (int i = from + step; i != stop; i += step) {
        const Vector3D& last = *outline[size_t(side.points.back())];
        const Vector3D& p = *outline[size_t(i)];
        if (p.getX() > last.getX() + hair
            || (p.getX() >= last.getX() - hair
                && std::fabs(p.getY() - last.getY()) > (last.getX() >= start.getX() - hair ? wall : hair))) {
            break;
        }
        side.points.push_back(i);
    }
}

bool SheetedTail::heightAt(const PointList& outline, const Side& side, float x, float& y)
{
    for (size_t i = 1; i < side.points.size(); ++i) {
        const Vector3D& u = *outline[size_t(side.points[i - 1])];
        const Vector3D& v = *outline[size_t(side.points[i])];
        if (x <= u.getX() && x >= v.getX()) {
            y = u.getX() > v.getX() ? u.getY() + (v.getY() - u.getY()) * (u.getX() - x) / (u.getX() - v.getX())
                                    : v.getY();
            return true;
        }
    }
    return false;
}

bool SheetedTail::thinAhead(const PointList& outline, const Side& upper, const Side& lower, float from, float limit,
                            float hair, float behind)
{
    float yu = 0.0f;
    float yl = 0.0f;
    for (const Side* side : {&upper, &lower}) {
        for (const int i : side->points) {
            const float x = outline[size_t(i)]->getX();
            if (x < from && x > behind && heightAt(outline, upper, x, yu) && heightAt(outline, lower, x, yl)
                && yu - yl < limit) {
                return true;
            }
        }
    }
    // The side that ends first may step into the rib there (a slot's wall,
    // the end of a band): the point beyond the step, against the other side.
    const int n = int(outline.size());
    const int pastUpper = upper.points.back() + 1;
    const int pastLower = lower.points.back() - 1;
    const float endX = std::max(outline[size_t(upper.points.back())]->getX(),
                                outline[size_t(lower.points.back())]->getX());
    if (!(endX > behind)) {
        return false;
    }
    if (pastUpper < n && outline[size_t(pastUpper)]->getX() >= endX - hair && heightAt(outline, lower, endX, yl)
        && outline[size_t(pastUpper)]->getY() - yl < limit) {
        return true;
    }
    return pastLower > 0 && outline[size_t(pastLower)]->getX() >= endX - hair && heightAt(outline, upper, endX, yu)
           && yu - outline[size_t(pastLower)]->getY() < limit;
}

bool SheetedTail::endWhereThick(PointList& outline, float scale, float bareEnd)
{
    const int n = int(outline.size());
    if (n < 4 || !(scale > 0.0f)) {
        return false;
    }
    const Vector3D& top = *outline.front();
    const Vector3D& bottom = *outline.back();
    const float limit = 0.5f / scale;
    const float faceWidth = top.getY() - bottom.getY();
    // The face's two ends may lie a rounding apart along the chord.
    const float faceX = std::max(top.getX(), bottom.getX());
    const float hair = 0.001f / scale;
    if (std::fabs(top.getX() - bottom.getX()) > hair || faceWidth < -hair || faceWidth >= limit) {
        return false;
    }
    // Closed on one point, where the sheets of both sides meet: a bare rib
    // that tapers to a point as thin is the design's taper, one that ends on
    // a face as thick (but for rounding) is not. Where the inner faces met,
    // the end of one may stand a little across the meeting point: a face
    // thinner than the limit, not a slot's wall.
    const bool met = faceWidth <= hair && bareEnd >= limit - 10.0f * hair;
    const float wall = met ? limit : hair;
    Side upper;
    Side lower;
    collect(outline, 0, 1, n, hair, wall, upper);
    // An outline that never leaves its end (what is left of a rib the
    // sheets consume) has no lower side to walk.
    if (upper.points.back() >= n - 2) {
        return false;
    }
    collect(outline, n - 1, -1, upper.points.back(), hair, wall, lower);
    // Only a face the sheets have thinned below the limit: a section's own
    // thin trailing edge is the design's, and the sheets' inner faces run
    // into it as its surfaces did. The copies a band leaves at its end are
    // not sunk: each side's most sunk point on the face tells how far.
    float sunk[2] = {0.0f, 0.0f};
    for (const Side* side : {&upper, &lower}) {
        float& most = sunk[side == &upper ? 0 : 1];
        for (const int i : side->points) {
            const Vector3D& p = *outline[size_t(i)];
            if (p.getX() < faceX - hair) {
                break;
            }
            if (std::fabs(p.getAuxB()) > std::fabs(most)) {
                most = p.getAuxB();
            }
        }
    }
    if (!met && !(faceWidth > 0.0f && faceWidth - sunk[0] + sunk[1] >= limit)) {
        return endThinnedTail(outline, limit, hair);
    }
    // A rib the sheets leave within a band twice the limit high is a plank
    // little thicker than the limit all along: where it is narrower than
    // the limit on average, whether anything of it is buildable is weighed
    // on the rib as it is. One with wood left ends as any other.
    float behind = faceX;
    if (met) {
        float low = top.getY();
        float high = low;
        for (const Vector3D* p : outline) {
            behind = std::min(behind, p->getX());
            low = std::min(low, p->getY());
            high = std::max(high, p->getY());
        }
        if (high - low < 2.0f * limit && narrowOnAverage(outline, limit)) {
            return false;
        }
        behind = (behind + faceX) / 2.0f;
    }
    std::vector<float> stations;
    for (const Side* side : {&upper, &lower}) {
        for (const int i : side->points) {
            stations.push_back(outline[size_t(i)]->getX());
        }
    }
    std::sort(stations.begin(), stations.end(), std::greater<float>());
    float before = faceX;
    float beforeWidth = faceWidth;
    for (const float x : stations) {
        if (x >= faceX) {
            continue;
        }
        float yu = 0.0f;
        float yl = 0.0f;
        // Thin as far as a side runs forwards: whether anything buildable
        // is left is asked of the whole rib. Where the sheets met, each side
        // may end on the end face of its band, leaning back across the rib
        // and away from the other: the faces meet there, and what runs on
        // behind is a sliver between the sheets' inner faces.
        if (!heightAt(outline, upper, x, yu) || !heightAt(outline, lower, x, yl)) {
            return met && endAtFaces(outline, upper, lower, limit);
        }
        const float width = yu - yl;
        if (width < limit) {
            before = x;
            beforeWidth = width;
            continue;
        }
        // Where the sheets met, a rib that turns thin again ahead would be
        // left hanging on a neck: that end is not this pass's to make. A
        // thin place parts off the shorter way round the outline: in the
        // rear half, the tail; farther forwards, the nose, whose taper this
        // end leaves as it was. A web the spar slots leave at 0.5 mm is the
        // spar rule's: floors that tilt leave it a hair thinner across.
        if (met && thinAhead(outline, upper, lower, x, limit - 5.0f * hair, hair, behind)) {
            return false;
        }
        const float cut = before - (before - x) * (limit - beforeWidth) / (width - beforeWidth);
        if (!heightAt(outline, upper, cut, yu) || !heightAt(outline, lower, cut, yl)) {
            return false;
        }
        for (const Side* side : {&upper, &lower}) {
            const float y = side == &upper ? yu : yl;
            for (const int i : side->points) {
                Vector3D& p = *outline[size_t(i)];
                if (p.getX() > cut) {
                    p.setX(cut);
                    p.setY(y);
                }
            }
        }
        return true;
    }
    return false;
}

bool SheetedTail::narrowOnAverage(const PointList& outline, float limit, float* round)
{
    const size_t n = outline.size();
    float way = 0.0f;
    float area = 0.0f;
    for (size_t i = 0; i < n; ++i) {
        const Vector3D& p = *outline[i];
        const Vector3D& q = *outline[(i + n - 1) % n];
        way += p.distanceXY(q);
        area -= (p.getX() - q.getX()) * (p.getY() + q.getY());
    }
    if (round) {
        *round = way;
    }
    return !(area >= limit * way);
}

bool SheetedTail::endAtFaces(PointList& outline, const Side& upper, const Side& lower, float limit)
{
    const int n = int(outline.size());
    const int u = upper.points.back();
    const int l = lower.points.back();
    if (u + 1 >= l - 1) {
        return false;
    }
    const Vector3D& a = *outline[size_t(u)];
    const Vector3D& b = *outline[size_t(l)];
    const Vector3D& up = *outline[size_t(u + 1)];
    const Vector3D& down = *outline[size_t(l - 1)];
    if (!(up.getX() > a.getX() && up.getY() > a.getY() + limit && down.getX() > b.getX()
          && down.getY() < b.getY() - limit && a.distanceXY(b) < limit)) {
        return false;
    }
    for (int i = 0; i < u; ++i) {
        outline[size_t(i)]->setX(a.getX());
        outline[size_t(i)]->setY(a.getY());
    }
    for (int i = l + 1; i < n; ++i) {
        outline[size_t(i)]->setX(b.getX());
        outline[size_t(i)]->setY(b.getY());
    }
    return true;
}

bool SheetedTail::endThinnedTail(PointList& outline, float limit, float hair)
{
    const int n = int(outline.size());
    // Both sides from the end forwards at once, station by station, as far
    // as the rib is thin: a section's own thin tail is a few points long.
    // A side runs on as long as it runs forwards, no steeper than across,
    // and past the step a band leaves at its end, where the bare surface
    // runs on without one; a slot's wall stops it, tilted or not.
    const float endX = std::max(outline.front()->getX(), outline.back()->getX());
    const auto runsOn = [&](int from, int to) {
        if (to <= 0 || to >= n - 1) {
            return false;
        }
        const Vector3D& q = *outline[size_t(from)];
        const Vector3D& p = *outline[size_t(to)];
        const bool bareRunsOn = std::fabs(p.getY() - p.getAuxB() - q.getY() + q.getAuxB()) <= hair;
        // A band's end face leans back where the normals along which the
        // sheet sank the surface do: its sunk foot lies ahead of its top.
        if (p.getX() > q.getX() + hair && !(bareRunsOn && p.getX() - p.getAuxA() <= q.getX() - q.getAuxA() + hair)) {
            return false;
        }
        const float rise = std::fabs(p.getY() - q.getY());
        // Up a blunt trailing edge's own face, thinner than the limit, that
        // the sheet has sunk with the surface.
        const bool upEnd = std::fabs(p.getX() - p.getAuxA() - endX) <= hair && rise < limit;
        return rise <= std::max(hair, q.getX() - p.getX()) || bareRunsOn || upEnd;
    };
    // Height and sinking at x on the segment from one point to the next.
    const auto along = [&](int from, int to, float x, float& y, float& sunk) {
        const Vector3D& a = *outline[size_t(from)];
        const Vector3D& b = *outline[size_t(to)];
        const float t = a.getX() > b.getX() ? std::min(1.0f, std::max(0.0f, (a.getX() - x) / (a.getX() - b.getX())))
                                            : 1.0f;
        y = a.getY() + (b.getY() - a.getY()) * t;
        sunk = a.getAuxB() + (b.getAuxB() - a.getAuxB()) * t;
    };
    int a = 0;
    int b = n - 1;
    const Vector3D& top = *outline.front();
    const Vector3D& bottom = *outline.back();
    float before = std::max(top.getX(), bottom.getX());
    float beforeWidth = top.getY() - bottom.getY();
    float beforeBare = beforeWidth - top.getAuxB() + bottom.getAuxB();
    float cut = 0.0f;
    float bareCut = 0.0f;
    float cutUpper = 0.0f;
    float cutLower = 0.0f;
    bool bareFound = false;
    // The way round the thin tail, and round the bare rib's along the bare
    // surface (where the points lay before the sheets sank them): against
    // the covered rib's shorter way round, a bare tail holding less than
    // half of the bare rib's would read as the most of it.
    float way = 0.0f;
    float bareWay = 0.0f;
    float bareAlong = 0.0f;
    const auto bareStep = [&](int i, int j) {
        const Vector3D& p = *outline[size_t(i)];
        const Vector3D& q = *outline[size_t(j)];
        return std::hypot(p.getX() - p.getAuxA() - q.getX() + q.getAuxA(),
                          p.getY() - p.getAuxB() - q.getY() + q.getAuxB());
    };
    // Past the first place 0.5 mm thick the walk goes on for ten times the
    // limit: a rib that turns thin again there would leave the end hanging
    // on a neck, and ends ahead of that instead; where a side stops at a
    // slot's wall sooner, the rib keeps its tail. Where the rib is still
    // thinner than twice the limit there, the walk looks on over that plank
    // for a slot's wall or a thin place that would hold the end on a neck.
    bool thin = true;
    bool plank = false;
    bool looking = false;
    bool held = false;
    int cutA = 0;
    int cutB = n - 1;
    float cutWay = 0.0f;
    float cutReach = 0.0f;
    for (;;) {
        if (a + 1 >= b - 1 || !runsOn(a, a + 1) || !runsOn(b, b - 1)) {
            // Thin as far as a side runs: whether anything buildable is
            // left is asked of the whole rib. A slot's wall close ahead of
            // the end leaves the wood between as a tongue on the slot's web.
            if (looking) {
                held = true;
                break;
            }
            if (thin || before > cut - 10.0f * limit) {
                return false;
            }
            break;
        }
        const bool upperNext = outline[size_t(a + 1)]->getX() >= outline[size_t(b - 1)]->getX();
        const float x = outline[size_t(upperNext ? a + 1 : b - 1)]->getX();
        if (!thin && !looking && x < cut - 10.0f * limit) {
            if (!plank) {
                break;
            }
            looking = true;
        }
        float yu = 0.0f;
        float yl = 0.0f;
        float su = 0.0f;
        float sl = 0.0f;
        along(a, a + 1, x, yu, su);
        along(b, b - 1, x, yl, sl);
        const float width = yu - yl;
        if (looking) {
            if (width < limit) {
                held = true;
            }
            if (held || width >= 2.0f * limit) {
                break;
            }
            (upperNext ? a : b) += upperNext ? 1 : -1;
            continue;
        }
        const float bare = width - su + sl;
        if (!bareFound && bare >= limit) {
            bareFound = true;
            bareCut = before - (before - x) * (limit - beforeBare) / (bare - beforeBare);
            bareWay = bareAlong;
        }
        const float step = upperNext ? outline[size_t(a)]->distanceXY(*outline[size_t(a + 1)])
                                     : outline[size_t(b)]->distanceXY(*outline[size_t(b - 1)]);
        if (thin && width >= limit) {
            // Up a band's end face leaning back, the rib ends on the face.
            const float f = x < before ? (limit - beforeWidth) / (width - beforeWidth) : 1.0f;
            cut = before - (before - x) * f;
            along(a, a + 1, cut, cutUpper, su);
            along(b, b - 1, cut, cutLower, sl);
            cutWay = way + f * step;
            // The place lies on a segment of each side, and which way round
            // from it is the shorter is told only to their points.
            cutReach = way + outline[size_t(a)]->distanceXY(*outline[size_t(a + 1)])
                       + outline[size_t(b)]->distanceXY(*outline[size_t(b - 1)]);
            cutA = a;
            cutB = b;
            thin = false;
            plank = true;
        } else if (!thin && width < limit) {
            thin = true;
        }
        plank = plank && width < 2.0f * limit;
        way += step;
        bareAlong += upperNext ? bareStep(a, a + 1) : bareStep(b, b - 1);
        before = x;
        beforeWidth = width;
        beforeBare = bare;
        (upperNext ? a : b) += upperNext ? 1 : -1;
    }
    a = cutA;
    b = cutB;
    // Only a tail the sheets have made thin where the bare rib is not, and
    // only where it is no taper: a thin place parts off the shorter way
    // round the outline, and a tail is that only while it holds less of the
    // way round than the rest. One that holds half of it with the segments
    // its start lies on parts off no plainly shorter way either: the rib is
    // thin there by the sheet alone for half its way round, and ends, unless
    // the end would hang on a slot's web or a neck over the plank ahead. The
    // bare rib's own thin tail must be a taper.
    if (!bareFound || !(cut < bareCut - 10.0f * hair)) {
        return false;
    }
    // A rib narrower than the limit on average is weighed whole by the
    // finishing, as it is: what the sheets consume stays told.
    float round = 0.0f;
    float bareRound = 0.0f;
    for (int i = 0; i < n; ++i) {
        bareRound += bareStep(i, (i + 1) % n);
    }
    if (narrowOnAverage(outline, limit, &round) || !(2.0f * cutWay >= round || (2.0f * cutReach >= round && !held))
        || 2.0f * bareWay >= bareRound) {
        return false;
    }
    for (int i = 0; i <= a; ++i) {
        outline[size_t(i)]->setX(cut);
        outline[size_t(i)]->setY(cutUpper);
    }
    for (int i = b; i < n; ++i) {
        outline[size_t(i)]->setX(cut);
        outline[size_t(i)]->setY(cutLower);
    }
    return true;
}
