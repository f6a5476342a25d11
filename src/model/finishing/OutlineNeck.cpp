#include "model/finishing/OutlineNeck.h"

#include <algorithm>
#include <cmath>

#include "foundation/Vector3D.h"
#include "model/finishing/BuildableWood.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/OutlineRuns.h"

namespace {

struct Nearest {
    double x;
    double y;
    double distance;
};

// The distance is taken from the unrounded point, which becomes the cut's
// end.
Nearest nearestOnSegment(const CloseSegments::Point& p, const CloseSegments::Point& a, const CloseSegments::Point& b)
{
    double x = 0.0;
    double y = 0.0;
    CloseSegments::nearestOnSegment(p, a, b, x, y);
    return {x, y, std::hypot(x - p.x, y - p.y)};
}

// Twice the area the closed runs hold, signed as the outline turns, and,
// where asked, the way round them.
void areaAndWay(const OutlineRuns& runs, double& whole, double* way)
{
    const int m = int(runs.starts.size());
    const CloseSegments::Point* const p = runs.points.data();
    whole = 0.0;
    for (int r = 1; r <= m; ++r) {
        whole += double(p[r - 1].x) * p[r % m].y - double(p[r % m].x) * p[r - 1].y;
    }
    if (way) {
        *way = 0.0;
        for (int r = 1; r <= m; ++r) {
            *way += std::hypot(double(p[r % m].x) - p[r - 1].x, double(p[r % m].y) - p[r - 1].y);
        }
    }
}

// Steps the search for the other side's segment nearest the corner c on to
// the segment from a to b. The distances fall towards the nearest and rise
// after it: returns true where they have begun to rise again, so the
// search can stop.
bool passedNearest(const CloseSegments::Point* p, int c, int a, int b, Nearest& at, int& found)
{
    const Nearest here = nearestOnSegment(p[c], p[a], p[b]);
    if (here.distance < at.distance) {
        at = here;
        found = a;
        return false;
    }
    return found >= 0;
}

// The end a neck joins to the rib, found from the corner beyond which it
// lies, stepping (+1 or -1) from the corner towards the nose and round it
// to the other side of the neck, the last segment of which (from found) is
// met at at; piece is twice its area. corner is -1 where there is none.
struct NeckEnd {
    int corner;
    int step;
    int found;
    Nearest at;
    double piece;
};

// Whether the sheets sank the first point of run r.
bool sunkBySheets(const std::vector<Vector3D*>& outline, const OutlineRuns& runs, int r)
{
    const Vector3D& q = *outline[size_t(runs.starts[size_t(r)])];
    return q.getAuxA() != 0.0f || q.getAuxB() != 0.0f;
}

// The smallest end beyond a neck, within the limits of trimSmallNose:
// sheeted asks for those of a neck the sheets made, over the longer way.
// Without it, sunkNear takes the corners the sheets sank from which that
// longer way, or a larger end, might find one: the corners beyond this
// reach, those whose way ran out, those whose end was too large.
NeckEnd findNeckEnd(const std::vector<Vector3D*>& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                    int nose, float scale, bool sheeted, std::vector<int>& sunkNear)
{
    const int m = int(runs.starts.size());
    const CloseSegments::Point* const p = runs.points.data();
    const double limit = 0.5 / scale;
    const double shortest = 4.0 * limit;
    const double longest = (sheeted ? 30.0 : 15.0) / scale;
    // Narrower than this, a neck is no web the spar rule left.
    const double narrowest = sheeted ? (0.5 - 0.005) / scale : limit;
    const double share = sheeted ? 0.5 : 0.05;
    // The piece must hold the nose: only corners within half the longest
    // way of it, followed towards it, can find one.
    const float noseX = p[nose].x;
    const float reach = noseX + float(0.5 * longest);
    const float sheetedReach = noseX + float(15.0 / scale);
    double whole = 0.0;
    // The way round the outline, found with whole where the sheets' necks
    // are looked for.
    double way = 0.0;
    // The smallest end found.
    NeckEnd best{-1, 0, -1, {0.0, 0.0, 0.0}, 0.0};
    const auto leave = [&](int c) {
        if (!sheeted && sunkBySheets(outline, runs, c)) {
            sunkNear.push_back(c);
        }
    };
    for (const int c : corners) {
        if (c == nose || p[c].x > (sheeted ? reach : sheetedReach)) {
            continue;
        }
        if (p[c].x > reach) {
            leave(c);
            continue;
        }
        const int step = c < nose ? 1 : -1;
        // The way is told from below, spared a square root each step: up to
        // the nose by how far the corner lies behind it, beyond by the
        // longer of a step's two sides.
        double low = double(p[c].x) - noseX;
        int found = -1;
        bool ranOut = false;
        Nearest at{0.0, 0.0, narrowest};
        const float cx = p[c].x;
        const float cy = p[c].y;
        for (int a = nose; a + step > 0 && a + step < m; a += step) {
            const int b = a + step;
            const double dx = std::fabs(double(p[b].x) - p[a].x);
            const double dy = std::fabs(double(p[b].y) - p[a].y);
            const bool far = low >= shortest;
            low += std::max(dx, dy);
            if (low > longest) {
                ranOut = true;
                break;
            }
            // Once the other side has run back past the corner's station,
            // it does not come near again.
            if (p[a].x > cx + limit && p[b].x > cx + limit) {
                break;
            }
            // Only a segment whose box comes within the limit of the corner
            // is measured.
            if (!far || std::max(p[a].x, p[b].x) < cx - limit || std::min(p[a].y, p[b].y) > cy + limit
                || std::max(p[a].y, p[b].y) < cy - limit) {
                if (found >= 0) {
                    break;
                }
                continue;
            }
            if (passedNearest(p, c, a, b, at, found)) {
                break;
            }
        }
        if (found < 0) {
            if (ranOut) {
                leave(c);
            }
            continue;
        }
        if (whole == 0.0) {
            areaAndWay(runs, whole, sheeted ? &way : nullptr);
        }
        // Twice its area, in outline order: the corner's side, then the
        // point across the neck.
        double piece = 0.0;
        double pieceWay = 0.0;
        double px = step > 0 ? at.x : p[c].x;
        double py = step > 0 ? at.y : p[c].y;
        auto add = [&](double x, double y) {
            piece += px * y - x * py;
            pieceWay += sheeted ? std::hypot(x - px, y - py) : 0.0;
            px = x;
            py = y;
        };
        if (step > 0) {
            for (int r = c; r <= found; ++r) {
                add(p[r].x, p[r].y);
            }
            add(at.x, at.y);
        } else {
            add(at.x, at.y);
            for (int r = found; r <= c; ++r) {
                add(p[r].x, p[r].y);
            }
        }
        // Wood, turning as the whole outline does, and small.
        if (piece * whole <= 0.0) {
            continue;
        }
        if (std::fabs(piece) > share * std::fabs(whole)) {
            leave(c);
            continue;
        }
        // Nor may what stays be nothing a builder could cut, as finishing
        // a rib measures it (on average narrower than the limit): a thin
        // tip's crescent behind a sheeted front keeps that front.
        const double cut = std::hypot(at.x - p[c].x, at.y - p[c].y);
        if (sheeted && std::fabs(whole) - std::fabs(piece) < limit * (way - pieceWay + 2.0 * cut)) {
            continue;
        }
        if (best.corner < 0 || std::fabs(piece) < best.piece) {
            best = {c, step, found, at, std::fabs(piece)};
        }
    }
    return best;
}

// The nose is the run farthest forward. Every fourth run is looked at, then
// the runs next to the foremost of those: a nose is foremost in its middle.
int foremostRun(const OutlineRuns& runs)
{
    const int m = int(runs.starts.size());
    const CloseSegments::Point* const p = runs.points.data();
    int nose = 0;
    for (int r = 4; r < m; r += 4) {
        if (p[r].x < p[nose].x) {
            nose = r;
        }
    }
    for (int r = std::max(0, nose - 3); r < std::min(m, nose + 4); ++r) {
        if (p[r].x < p[nose].x) {
            nose = r;
        }
    }
    return nose;
}

// Moves the runs from first on, stepping by step round the closed runs up
// to last, onto the cut from corner c to at, in order.
void moveRunsOntoCut(std::vector<Vector3D*>& outline, const OutlineRuns& runs, int c, int first, int last, int step,
                     const Nearest& at)
{
    const int m = int(runs.starts.size());
    const int n = int(outline.size());
    const CloseSegments::Point* const p = runs.points.data();
    const double dx = at.x - p[c].x;
    const double dy = at.y - p[c].y;
    const double lengthSquared = dx * dx + dy * dy;
    double reached = 0.0;
    for (int r = first;; r = (r + step + m) % m) {
        double t = 1.0;
        if (r != last && lengthSquared > 0.0) {
            t = ((double(p[r].x) - p[c].x) * dx + (double(p[r].y) - p[c].y) * dy) / lengthSquared;
        }
        reached = std::min(1.0, std::max(reached, t));
        const float x = float(p[c].x + reached * dx);
        const float y = float(p[c].y + reached * dy);
        const int end = runs.starts[size_t((r + 1) % m)];
        int k = runs.starts[size_t(r)];
        do {
            outline[size_t(k)]->setX(x);
            outline[size_t(k)]->setY(y);
            k = (k + 1) % n;
        } while (k != end);
        if (r == last) {
            break;
        }
    }
}

// Whether every run of the stretch from run from, stepping by step round
// the closed runs up to run 0, lies within limit of the stretch from run 0
// on up to run to: a wedge narrower than the limit all along.
bool withinOfOther(const OutlineRuns& runs, int from, int to, int step, double limit)
{
    const int m = int(runs.starts.size());
    const CloseSegments::Point* const p = runs.points.data();
    for (int r = from; r != 0; r = (r + step + m) % m) {
        bool near = false;
        for (int a = 0; !near && a != to; a = (a + step + m) % m) {
            near = nearestOnSegment(p[r], p[a], p[(a + step + m) % m]).distance < limit;
        }
        if (!near) {
            return false;
        }
    }
    return true;
}

// A nose the sheets all but part from the rib is no sliver where it holds
// wood a builder can cut, on average 0.5 mm across or more, the cut across
// the neck counted in its way round, or for a stretch (see BuildableWood):
// the sheets part the rib there, they do
// not end it. The nose is kept as a piece of its own, the rest of the rib
// on the neck's far side; the finishing still drops it where its own ends
// leave nothing to build.
void keepNose(const std::vector<Vector3D*>& outline, const OutlineRuns& runs, const NeckEnd& end, int nose,
              float scale, OutlinePieces* pieces)
{
    if (!pieces) {
        return;
    }
    const int m = int(runs.starts.size());
    const CloseSegments::Point* const p = runs.points.data();
    // The neck runs on from the corner towards the nose while the corner's
    // side stays within the limit of the other: what lies between its ends
    // is thinner than that all along, and goes with neither part. The nose
    // is what lies beyond its far end.
    const int step = end.step;
    const double limit = 0.5 / scale;
    int near = end.corner;
    int across = end.found;
    Nearest at = end.at;
    for (int r = near + step; r != nose; r += step) {
        Nearest closest{0.0, 0.0, limit};
        int found = -1;
        for (int a = end.found; a != nose; a -= step) {
            const Nearest here = nearestOnSegment(p[r], p[a], p[a + step]);
            if (here.distance < closest.distance) {
                closest = here;
                found = a;
            }
        }
        if (found < 0) {
            break;
        }
        near = r;
        across = found;
        at = closest;
    }
    // The nose's runs, from the neck's far end round to the other side's
    // segment, in outline order, and the point across the neck where that
    // segment meets the cut, closed by the cut.
    const int from = step > 0 ? near : across;
    const int to = step > 0 ? across : near;
    double twice = 0.0;
    double way = 0.0;
    double px = step > 0 ? at.x : p[to].x;
    double py = step > 0 ? at.y : p[to].y;
    const auto add = [&](double x, double y) {
        twice += px * y - x * py;
        way += std::hypot(x - px, y - py);
        px = x;
        py = y;
    };
    if (step < 0) {
        add(at.x, at.y);
    }
    for (int r = from; r <= to; ++r) {
        add(p[r].x, p[r].y);
    }
    if (step > 0) {
        add(at.x, at.y);
    }
    // Or, thin on average, it holds a stretch of wood all the same.
    if (!(std::fabs(twice) >= 0.5 / scale * way)
        && !BuildableWood::heldBy(p, m, from, to, float(at.x), float(at.y), scale)) {
        return;
    }
    std::vector<Vector3D*>* piece = pieces->copyOf(outline);
    if (!piece) {
        return;
    }
    pieces->partedBySheets();
    // The rest of the rib, beyond the far side's segment round to the
    // corner, onto the point across the neck.
    const float x = float(at.x);
    const float y = float(at.y);
    for (int r = to + 1; r < from + m; ++r) {
        OutlineRuns::moveRun(*piece, runs.starts, r % m, x, y);
    }
}

} // namespace

// From each sharp corner (where a sheet's end or a slot's wall meets a
// surface) the outline is followed round the nose: a segment beyond the
// nose that comes within 0.5 mm of the corner after 2 mm or more of the way
// is the other side of a neck. What lies beyond a neck goes when it is
// small, a twentieth of the rib's area or less, and found within 15 mm of
// the way (a rib's whole front joined by a neck between two slots is the
// design's, and stays); of several such ends, the smallest goes.
//
// Where sheets made the neck, sunk through one of its sides, what lies
// beyond is a nose the sheets have all but parted from the rib: a thin
// wedge between the inner faces of both sides' sheets, or the front of a
// rib whose one-sided sheet runs close under the other side's slot floor.
// Joined by less than a cutter can leave, it breaks off as the rib is cut
// or sanded, so the rib ends at the neck however long that nose is, up to
// the 30 mm of way the finishing limit is measured over and as long as the
// nose is the smaller part. A web the spar slots leave at 0.5 mm is the
// spar rule's and stays: measured straight across at the floors' points, it
// lies a hair thinner across floors that tilt.
bool OutlineNeck::trimSmallNose(PointList& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                                float scale, OutlinePieces* pieces)
{
    const int m = int(runs.starts.size());
    if (m < 4 || corners.empty()) {
        return false;
    }
    const int nose = foremostRun(runs);
    // A neck the sheets made has a sunk corner on one side at least, and is
    // found from it.
    thread_local std::vector<int> sunkNear;
    sunkNear.clear();
    NeckEnd best = findNeckEnd(outline, runs, corners, nose, scale, false, sunkNear);
    if (best.corner < 0 && !sunkNear.empty()) {
        best = findNeckEnd(outline, runs, sunkNear, nose, scale, true, sunkNear);
    }
    if (best.corner < 0) {
        return false;
    }
    keepNose(outline, runs, best, nose, scale, pieces);
    // The runs beyond the corner go onto the cut across the neck, in order,
    // the last onto its far side.
    moveRunsOntoCut(outline, runs, best.corner, best.corner + best.step, best.found, best.step, best.at);
    return true;
}

// Where a band of sheets on both sides starts on a thin rib, and the sheets'
// inner faces meet behind its start, the rib's end is a wedge between them
// joined to the rib by what the sheets' ends leave, less than the finishing
// limit: no builder can cut or keep it, so the rib ends at the sheets' ends.
// From each corner the sheets sank within 15 mm of the closing run, the
// outline is followed round that run to the other side: a segment there
// within 0.5 mm of the corner is the other side of the neck, and what lies
// beyond goes when it lies wholly between the sheets' inner faces, narrower
// than the limit all along, and is smaller than what stays, which must be
// buildable. The corner must be a sheet's end, 2 mm or more of the way from
// the closing run: the faces of a blunt end are no neck.
bool OutlineNeck::trimThinTail(PointList& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                               float scale)
{
    const int m = int(runs.starts.size());
    if (m < 4 || corners.empty()) {
        return false;
    }
    const CloseSegments::Point* const p = runs.points.data();
    const double limit = 0.5 / scale;
    const double shortest = 4.0 * limit;
    const double longest = 30.0 / scale;
    const float endX = p[0].x;
    const float reach = float(0.5 * longest);
    double whole = 0.0;
    double way = 0.0;
    NeckEnd best{-1, 0, -1, {0.0, 0.0, 0.0}, 0.0};
    int nose = -1;
    for (const int c : corners) {
        if (endX - p[c].x > reach || !sunkBySheets(outline, runs, c)) {
            continue;
        }
        if (nose < 0) {
            nose = foremostRun(runs);
        }
        // Towards the closing run: back along the upper side, on along the
        // lower one.
        const int step = c < nose ? -1 : 1;
        // The corner is a sheet's end: ahead of it lies the bare surface.
        if (sunkBySheets(outline, runs, c - step)) {
            continue;
        }
        const float cx = p[c].x;
        const float cy = p[c].y;
        double low = 0.0;
        bool round = false;
        int found = -1;
        Nearest at{0.0, 0.0, limit};
        for (int a = c; low <= longest;) {
            const int b = (a + step + m) % m;
            low += std::max(std::fabs(double(p[b].x) - p[a].x), std::fabs(double(p[b].y) - p[a].y));
            if (a == 0) {
                if (low < shortest) {
                    break;
                }
                round = true;
            }
            if (round) {
                if (p[a].x < cx - limit && p[b].x < cx - limit) {
                    break;
                }
                if (std::min(p[a].y, p[b].y) <= cy + limit && std::max(p[a].y, p[b].y) >= cy - limit) {
                    if (passedNearest(p, c, a, b, at, found)) {
                        break;
                    }
                }
            }
            a = b;
            if (a == c) {
                break;
            }
        }
        if (found < 0) {
            continue;
        }
        if (whole == 0.0) {
            areaAndWay(runs, whole, &way);
        }
        // All of it lies between the sheets' inner faces: a rib's own thin
        // trailing edge behind a sheet's end, or under sheets over all of
        // it, is the trailing edge's.
        bool between = true;
        for (int r = (c + step + m) % m; between; r = (r + step + m) % m) {
            between = sunkBySheets(outline, runs, r);
            if (r == found) {
                break;
            }
        }
        // And narrower than the limit all along: a wedge wider at its root
        // is cut across where it is that thin, as the rib's end.
        const int far = (found + step + m) % m;
        if (!between || !withinOfOther(runs, c, far, step, limit)
            || !withinOfOther(runs, far, c, -step, limit)) {
            continue;
        }
        // Twice its area and the way round it, walked from the corner.
        double piece = 0.0;
        double pieceWay = 0.0;
        double px = p[c].x;
        double py = p[c].y;
        const auto add = [&](double x, double y) {
            piece += px * y - x * py;
            pieceWay += std::hypot(x - px, y - py);
            px = x;
            py = y;
        };
        for (int r = (c + step + m) % m;; r = (r + step + m) % m) {
            add(p[r].x, p[r].y);
            if (r == found) {
                break;
            }
        }
        add(at.x, at.y);
        add(p[c].x, p[c].y);
        if (step < 0) {
            piece = -piece;
        }
        const double cut = at.distance;
        if (piece * whole <= 0.0 || std::fabs(piece) >= limit * pieceWay
            || std::fabs(whole) - std::fabs(piece) < std::max(std::fabs(piece), limit * (way - pieceWay + 2.0 * cut))) {
            continue;
        }
        if (best.corner < 0 || std::fabs(piece) < best.piece) {
            best = {c, step, found, at, std::fabs(piece)};
        }
    }
    if (best.corner < 0) {
        return false;
    }
    moveRunsOntoCut(outline, runs, best.corner, (best.corner + best.step + m) % m, best.found, best.step, best.at);
    return true;
}
