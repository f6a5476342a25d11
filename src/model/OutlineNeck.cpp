#include "model/OutlineNeck.h"

#include <algorithm>
#include <cmath>

#include "foundation/Vector3D.h"
#include "model/OutlineRuns.h"

namespace {

struct Nearest {
    double x;
    double y;
    double distance;
};

Nearest nearestOnSegment(const CloseSegments::Point& p, const CloseSegments::Point& a, const CloseSegments::Point& b)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::min(1.0, std::max(0.0, ((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / lengthSquared));
    }
    const double x = a.x + t * dx;
    const double y = a.y + t * dy;
    return {x, y, std::hypot(x - p.x, y - p.y)};
}

} // namespace

// From each sharp corner (where a sheet's end or a slot's wall meets a
// surface) the outline is followed round the nose for up to 15 mm: a
// segment beyond the nose that comes within 0.5 mm of the corner after 2 mm
// or more of the way is the other side of a neck. What lies beyond the neck
// goes when it is small, a twentieth of the rib's area or less (a rib's
// whole front joined by a neck between two slots is the design's, and
// stays); of several such ends, the smallest goes.
bool OutlineNeck::trimSmallNose(PointList& outline, const OutlineRuns& runs, const std::vector<int>& corners,
                                float scale)
{
    const int m = int(runs.starts.size());
    if (m < 4 || corners.empty()) {
        return false;
    }
    const CloseSegments::Point* const p = runs.points.data();
    const double limit = 0.5 / scale;
    const double shortest = 4.0 * limit;
    const double longest = 15.0 / scale;
    // The piece must hold the nose, the run farthest forward: only corners
    // within half the longest way of it, followed towards it, can find one.
    // Every fourth run is looked at, then the runs next to the foremost of
    // those: a nose is foremost in its middle.
    int nose = 0;
    float noseX = p[0].x;
    for (int r = 4; r < m; r += 4) {
        if (p[r].x < noseX) {
            noseX = p[r].x;
            nose = r;
        }
    }
    for (int r = std::max(0, nose - 3); r < std::min(m, nose + 4); ++r) {
        if (p[r].x < noseX) {
            noseX = p[r].x;
            nose = r;
        }
    }
    const float reach = noseX + float(0.5 * longest);
    double whole = 0.0;
    // The smallest end found.
    struct End {
        int corner;
        int step;
        int found;
        Nearest at;
        double piece;
    } best{-1, 0, -1, {0.0, 0.0, 0.0}, 0.0};
    for (const int c : corners) {
        if (c == nose || p[c].x > reach) {
            continue;
        }
        const int step = c < nose ? 1 : -1;
        // The way is told from below, spared a square root each step: up to
        // the nose by how far the corner lies behind it, beyond by the
        // longer of a step's two sides.
        double low = double(p[c].x) - noseX;
        int found = -1;
        Nearest at{0.0, 0.0, limit};
        const float cx = p[c].x;
        const float cy = p[c].y;
        for (int a = nose; a + step > 0 && a + step < m; a += step) {
            const int b = a + step;
            const double dx = std::fabs(double(p[b].x) - p[a].x);
            const double dy = std::fabs(double(p[b].y) - p[a].y);
            const bool far = low >= shortest;
            low += std::max(dx, dy);
            if (low > longest) {
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
            const Nearest here = nearestOnSegment(p[c], p[a], p[b]);
            if (here.distance < at.distance) {
                at = here;
                found = a;
            } else if (found >= 0) {
                break;
            }
        }
        if (found < 0) {
            continue;
        }
        if (whole == 0.0) {
            for (int r = 1; r < m; ++r) {
                whole += double(p[r - 1].x) * p[r].y - double(p[r].x) * p[r - 1].y;
            }
            whole += double(p[m - 1].x) * p[0].y - double(p[0].x) * p[m - 1].y;
        }
        // Twice its area, in outline order: the corner's side, then the
        // point across the neck.
        double piece = 0.0;
        double px = step > 0 ? at.x : p[c].x;
        double py = step > 0 ? at.y : p[c].y;
        auto add = [&](double x, double y) {
            piece += px * y - x * py;
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
        if (piece * whole <= 0.0 || std::fabs(piece) > 0.05 * std::fabs(whole)) {
            continue;
        }
        if (best.corner < 0 || std::fabs(piece) < best.piece) {
            best = {c, step, found, at, std::fabs(piece)};
        }
    }
    if (best.corner < 0) {
        return false;
    }
    // The runs beyond the corner go onto the cut across the neck, in order,
    // the last onto its far side.
    const int n = int(outline.size());
    const int c = best.corner;
    const Nearest& at = best.at;
    const double dx = at.x - p[c].x;
    const double dy = at.y - p[c].y;
    const double lengthSquared = dx * dx + dy * dy;
    double reached = 0.0;
    for (int r = c + best.step; r != best.found + best.step; r += best.step) {
        double t = 1.0;
        if (r != best.found && lengthSquared > 0.0) {
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
    }
    return true;
}
