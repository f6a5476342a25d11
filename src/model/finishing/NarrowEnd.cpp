#include "model/finishing/NarrowEnd.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "model/finishing/OutlineCleanup.h"

bool NarrowEnd::takeOff(OutlineCleanup& cleanup)
{
    const std::vector<int>& corners = cleanup.corners;
    const int m = int(cleanup.runStarts.size());
    const float limit = 0.5f / cleanup.scale;
    // Only a sheeted rib whose outline now closes ahead of where its
    // trailing edge lay has had its end cut where the sheets met; one that
    // closes on a face across, 0.5 mm long, has been ended where it is that
    // thick already.
    if (!cleanup.sheeted || m < 6) {
        return false;
    }
    const CloseSegments::Point* const p = cleanup.runPoints.data();
    if (std::max(p[0].x, p[m - 1].x) > std::min(cleanup.endX[0], cleanup.endX[1]) - limit) {
        return false;
    }
    for (const auto& [a, b] : {std::pair{p[m - 1], p[0]}, std::pair{p[0], p[1]}}) {
        if (std::fabs(b.y - a.y) > std::fabs(b.x - a.x) && std::hypot(b.x - a.x, b.y - a.y) >= 0.9f * limit) {
            return false;
        }
    }
    // The corners a few either side of the closing place, in order, those
    // behind it counted from -m: with few corners, each is counted on both
    // sides, as the way round between its two counts is the whole rib.
    constexpr size_t span = 8;
    std::array<int, 2 * span + 2> near{};
    size_t count = 0;
    const size_t head = std::min(corners.size(), span);
    for (size_t k = corners.size() - head; k < corners.size(); ++k) {
        near[count++] = corners[k] - m;
    }
    for (const int r : {m - 1, 0}) {
        if (cleanup.runs.cornerAt(r)) {
            near[count++] = r == 0 ? 0 : -1;
        }
    }
    for (size_t k = 0; k < head; ++k) {
        near[count++] = corners[k];
    }
    double sense = 0.0;
    double whole = 0.0;
    for (size_t a = 0; a < count && near[a] <= 0; ++a) {
        for (size_t b = std::min(count - 1, a + span); b > a && near[b] >= 0; --b) {
            const int first = near[a] + m;
            const int last = near[b] + m;
            bool wholeEnd = false;
            if (first >= last || !cleanup.narrowBetween(first, last, sense, wholeEnd)) {
                continue;
            }
            if (whole == 0.0) {
                whole = cleanup.signedArea(0, m, cleanup.runPoint(0));
                // A rib on average narrower than 0.5 mm, its end and all, is
                // left as it is for the finishing to tell as consumed: cut
                // back, it would read as buildable.
                double way = 0.0;
                for (int r = 0; r < m; ++r) {
                    const CloseSegments::Point& u = cleanup.runPoints[size_t(r)];
                    const CloseSegments::Point& v = cleanup.runPoints[size_t(r + 1)];
                    way += std::hypot(double(v.x) - u.x, double(v.y) - u.y);
                }
                if (std::fabs(whole) < limit * way) {
                    return false;
                }
            }
            const double area = cleanup.signedArea(first, last + 1, cleanup.runPoint(first));
            if (area * whole > 0.0 && 2.0 * std::fabs(area) < std::fabs(whole) && plainTongue(cleanup, first, last)) {
                if (!cutOnAlongFace(cleanup, first, last, whole)) {
                    cleanup.trimEnd(first, last);
                }
                return true;
            }
        }
    }
    return false;
}

bool NarrowEnd::plainTongue(const OutlineCleanup& cleanup, int first, int last)
{
    const Vector3D& f = cleanup.runPoint(first);
    const Vector3D& g = cleanup.runPoint(last);
    // The tip is the run farthest out of the line between the corners.
    int tip = first + 1;
    double farthest = -1.0;
    for (int r = first + 1; r < last; ++r) {
        const double out = SegmentGeometry::distanceToSegmentXY(cleanup.runPoint(r), f, g);
        if (out > farthest) {
            farthest = out;
            tip = r;
        }
    }
    const double rx = 0.5 * (double(f.getX()) + g.getX());
    const double ry = 0.5 * (double(f.getY()) + g.getY());
    const double ax = cleanup.runPoint(tip).getX() - rx;
    const double ay = cleanup.runPoint(tip).getY() - ry;
    auto along = [&](int r) {
        const Vector3D& q = cleanup.runPoint(r);
        return (q.getX() - rx) * ax + (q.getY() - ry) * ay;
    };
    // A hair back, as the points of a sunk face stand, is no turn.
    const double hair = 0.001 / cleanup.scale * std::hypot(ax, ay);
    for (int r = first; r < tip; ++r) {
        if (along(r + 1) < along(r) - hair) {
            return false;
        }
    }
    for (int r = last; r > tip; --r) {
        if (along(r - 1) < along(r) - hair) {
            return false;
        }
    }
    return true;
}

bool NarrowEnd::cutOnAlongFace(OutlineCleanup& cleanup, int first, int last, double whole)
{
    const float limit = 0.5f / cleanup.scale;
    const Vector3D f(cleanup.runPoint(first));
    const Vector3D g(cleanup.runPoint(last));
    if (!(f.distanceXY(g) < limit)) {
        return false;
    }
    const int m = int(cleanup.runStarts.size());
    const auto point = [&](int r) -> const Vector3D& { return cleanup.runPoint((r % m + m) % m); };
    // The face that leads into either corner, run on across the end until it
    // meets the way out of the other corner.
    for (const bool fromFirst : {true, false}) {
        const Vector3D& corner = fromFirst ? f : g;
        const Vector3D& before = point(fromFirst ? first - 1 : last + 1);
        const Vector3D& other = fromFirst ? g : f;
        const Vector3D& beyond = point(fromFirst ? last + 1 : first - 1);
        // Only an end whose face, from the foot of the face into one corner
        // to the other corner, is narrower than 0.5 mm reads as narrow once
        // bevelled: a thicker end keeps its bevel.
        if (!(before.distanceXY(other) < limit)) {
            continue;
        }
        const double dx = double(corner.getX()) - before.getX();
        const double dy = double(corner.getY()) - before.getY();
        const double ex = double(beyond.getX()) - other.getX();
        const double ey = double(beyond.getY()) - other.getY();
        const double across = dx * ey - dy * ex;
        const double face = std::hypot(dx, dy);
        if (across == 0.0 || !(face > 0.0)) {
            continue;
        }
        const double ox = double(other.getX()) - corner.getX();
        const double oy = double(other.getY()) - corner.getY();
        // Where the face, run on by t of its length, meets the way out of the
        // other corner, u of the way along it.
        const double t = (ox * ey - oy * ex) / across;
        const double u = (ox * dy - oy * dx) / across;
        if (!(t > 0.0) || !(t * face < limit) || !(u > 0.0) || !(u < 1.0) || !(u * std::hypot(ex, ey) < limit)) {
            continue;
        }
        const float x = float(corner.getX() + t * dx);
        const float y = float(corner.getY() + t * dy);
        // Only wood goes: what the cut takes stands out of the rib.
        const Vector3D at(x, y, corner.getZ());
        if (!(cleanup.signedArea(first, last + 1, at) * whole > 0.0)) {
            continue;
        }
        for (int r = fromFirst ? first + 1 : first; r <= (fromFirst ? last : last - 1); ++r) {
            cleanup.setRun(r, x, y);
        }
        return true;
    }
    return false;
}
