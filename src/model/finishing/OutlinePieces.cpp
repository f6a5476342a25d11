#include "model/finishing/OutlinePieces.h"

#include <cfloat>
#include <cmath>

#include "foundation/CloseSegments.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"
#include "model/RibGeometry.h"
#include "model/finishing/OutlineRuns.h"

namespace {

// The kind of a square spar's slot among its parts (webbing is 3).
constexpr int slotKind = 2;

using Point = CloseSegments::Point;

double distanceToSegment(const Point& p, const Point& a, const Point& b)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::min(1.0, std::max(0.0, ((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / lengthSquared));
    }
    return std::hypot(double(a.x) + t * dx - p.x, double(a.y) + t * dy - p.y);
}

// One place where an outline's runs cross or touch: run segments low and
// high (each from its run to the next, low < high), meeting at at.
struct Touch {
    int low = 0;
    int high = 0;
    Vector3D at;
};

class Look
{
public:
    Look(const OutlinePieces::PointList& outline, float scale, const OutlinePieces::PartList* sparParts)
        : outline(outline), touch(OutlineRuns::samePointMm / scale), sparParts(sparParts),
          kerf(OutlinePieces::kerfMm / scale), slotReach(0.5f / scale)
    {
        runs.collect(outline, scale);
    }

    int count() const { return int(runs.starts.size()); }
    const Point& point(int r) const
    {
        const int m = count();
        return runs.points[size_t(((r % m) + m) % m)];
    }
    const Vector3D& runPoint(int r) const
    {
        const int m = count();
        return *outline[size_t(runs.starts[size_t(((r % m) + m) % m)])];
    }
    const std::vector<int>& starts() const { return runs.starts; }

    // The first place the outline folds back onto itself at a run, or
    // crosses or touches itself between two segments that are no
    // neighbours.
    bool find(Touch& found)
    {
        const int m = count();
        if (m < 3) {
            return false;
        }
        for (int r = 0; r < m; ++r) {
            const Point& a = point(r - 1);
            const Point& b = point(r);
            const Point& c = point(r + 1);
            const double dot = (double(b.x) - a.x) * (double(c.x) - b.x) + (double(b.y) - a.y) * (double(c.y) - b.y);
            if (!(dot < 0.0)) {
                continue;
            }
            // The way on runs back along the way in: the turning point goes
            // where the shorter of the two ends.
            const bool onIn = distanceToSegment(c, a, b) <= touch;
            if (!onIn && !(distanceToSegment(a, b, c) <= touch)) {
                continue;
            }
            const Point& end = onIn ? c : a;
            found.low = r == 0 ? 0 : r - 1;
            found.high = r == 0 ? m - 1 : r;
            found.at = Vector3D(end.x, end.y, runPoint(r).getZ());
            return true;
        }
        const float margin = sparParts && !sparParts->empty() ? kerf : touch;
        return closeSegments.find(runs.points.data(), m, margin, [&](int low, int high) {
            if (high - low < 2 || (low == 0 && high == m - 1)) {
                return false;
            }
            Vector3D at;
            const Vector3D& a = runPoint(low);
            const Vector3D& b = runPoint(low + 1);
            const Vector3D& c = runPoint(high);
            const Vector3D& d = runPoint(high + 1);
            if (!SegmentGeometry::segmentsMeet(a, b, c, d, at)
                && !SegmentGeometry::segmentsTouch(a, b, c, d, touch, at)
                && !(margin > touch && SegmentGeometry::segmentsTouch(a, b, c, d, kerf, at)
                     && OutlinePieces::slotAt(sparParts, at.getX(), at.getY(), slotReach) != 0
                     && apartAlong(low, high, slotReach))) {
                return false;
            }
            found.low = low;
            found.high = high;
            found.at = at;
            found.at.setZ(a.getZ());
            return true;
        });
    }

    // Whether the way along the outline from segment low to segment high is
    // at least way long, both ways round: two faces that meet, not the two
    // ends of a short step.
    bool apartAlong(int low, int high, float way) const
    {
        const int m = count();
        const auto along = [&](int from, int to) {
            double length = 0.0;
            for (int r = from; r < to && length < way; ++r) {
                length += std::hypot(double(point(r + 1).x) - point(r).x, double(point(r + 1).y) - point(r).y);
            }
            return length >= way;
        };
        return along(low + 1, high) && along(high + 1, low + m);
    }

    // Twice the signed area of the runs from first to last going round,
    // closed through at, and their way round.
    double area(int first, int last, const Vector3D& at, double& length) const
    {
        double sum = 0.0;
        length = 0.0;
        double px = at.getX();
        double py = at.getY();
        for (int r = first; r <= last + 1; ++r) {
            const bool closing = r == last + 1;
            const double x = closing ? double(at.getX()) : double(point(r).x);
            const double y = closing ? double(at.getY()) : double(point(r).y);
            sum += px * y - x * py;
            length += std::hypot(x - px, y - py);
            px = x;
            py = y;
        }
        return sum;
    }

    // Puts every point of the runs from first to last going round on at.
    void collapse(OutlinePieces::PointList& points, int first, int last, const Vector3D& at) const
    {
        const int m = count();
        for (int r = first; r <= last; ++r) {
            OutlineRuns::moveRun(points, runs.starts, ((r % m) + m) % m, at.getX(), at.getY());
        }
    }

private:
    const OutlinePieces::PointList& outline;
    float touch;
    const OutlinePieces::PartList* sparParts;
    float kerf;
    float slotReach;
    OutlineRuns runs;
    CloseSegments closeSegments;
};

double wholeArea(const OutlinePieces::PointList& outline)
{
    double sum = 0.0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vector3D& a = *outline[i];
        const Vector3D& b = *outline[(i + 1) % outline.size()];
        sum += double(a.getX()) * b.getY() - double(b.getX()) * a.getY();
    }
    return sum;
}

} // namespace

OutlinePieces::~OutlinePieces()
{
    for (PointList& piece : pieces) {
        Vector3D::clearList(piece);
    }
}

OutlinePieces::PointList* OutlinePieces::copyOf(const PointList& outline)
{
    if (int(pieces.size()) + 1 >= mostPieces) {
        return nullptr;
    }
    pieces.push_back(RibGeometry::copyPoints(outline));
    return &pieces.back();
}

void OutlinePieces::forgetLast()
{
    if (!pieces.empty()) {
        Vector3D::clearList(pieces.back());
        pieces.pop_back();
    }
}

int OutlinePieces::slotAt(const PartList* sparParts, float x, float y, float reach)
{
    if (!sparParts) {
        return 0;
    }
    int id = 0;
    float nearest = FLT_MAX;
    for (const IdentifiableObject* part : *sparParts) {
        if (!part || part->getType() != slotKind) {
            continue;
        }
        float minX = FLT_MAX;
        float maxX = -FLT_MAX;
        float minY = FLT_MAX;
        float maxY = -FLT_MAX;
        for (const Vertex* corner : part->getPoints()) {
            minX = std::min(minX, corner->getX());
            maxX = std::max(maxX, corner->getX());
            minY = std::min(minY, corner->getY());
            maxY = std::max(maxY, corner->getY());
        }
        const float dx = std::max({minX - x, x - maxX, 0.0f});
        const float dy = std::max({minY - y, y - maxY, 0.0f});
        const float distance = std::max(dx, dy);
        if (distance <= reach && distance < nearest) {
            nearest = distance;
            id = part->getId();
        }
    }
    return id;
}

bool OutlinePieces::crossesItself(const PointList& outline, float scale, const PartList* sparParts)
{
    if (!(scale > 0.0f) || outline.size() < 4) {
        return false;
    }
    Look look(outline, scale, sparParts);
    Touch found;
    return look.find(found);
}

OutlinePieces::Check OutlinePieces::makeSimple(PointList& outline, std::vector<PointList>& further, float scale,
                                               Vector3D* where, const PartList* sparParts)
{
    if (!(scale > 0.0f) || outline.size() < 4) {
        return Check::Simple;
    }
    // Every piece runs round as the rib does: a side that runs the other
    // way is turned inside out.
    const double sense = wholeArea(outline) < 0.0 ? -1.0 : 1.0;
    const double sliver = 0.5 / scale;
    std::list<PointList> made;
    std::vector<PointList*> work{&outline};
    bool parted = false;
    bool crossed = false;
    // Each step parts a piece off or takes a sliver away; a fault that
    // keeps coming back is left and told.
    int steps = 8 * mostPieces;
    for (size_t w = 0; w < work.size(); ++w) {
        PointList& piece = *work[w];
        while (steps-- > 0) {
            Look look(piece, scale, sparParts);
            Touch found;
            if (!look.find(found)) {
                break;
            }
            const int m = look.count();
            double insideLength = 0.0;
            double outsideLength = 0.0;
            const double inside = sense * look.area(found.low + 1, found.high, found.at, insideLength);
            const double outside = sense * look.area(found.high + 1, found.low + m, found.at, outsideLength);
            const bool insideWood = inside > sliver * insideLength;
            const bool outsideWood = outside > sliver * outsideLength;
            if (inside < -sliver * insideLength || outside < -sliver * outsideLength || (!insideWood && !outsideWood)) {
                crossed = true;
                break;
            }
            if (insideWood && outsideWood) {
                if (int(made.size()) + 1 >= mostPieces) {
                    crossed = true;
                    break;
                }
                made.push_back(RibGeometry::copyPoints(piece));
                const bool insideLarger = inside >= outside;
                PointList& other = made.back();
                // The copy keeps the smaller side, the piece the larger.
                if (insideLarger) {
                    look.collapse(other, found.low + 1, found.high, found.at);
                    look.collapse(piece, found.high + 1, found.low + m, found.at);
                } else {
                    look.collapse(other, found.high + 1, found.low + m, found.at);
                    look.collapse(piece, found.low + 1, found.high, found.at);
                }
                if (!parted && where) {
                    *where = found.at;
                }
                parted = true;
                work.push_back(&other);
                continue;
            }
            // A sliver on the far side of the place goes.
            if (insideWood) {
                look.collapse(piece, found.high + 1, found.low + m, found.at);
            } else {
                look.collapse(piece, found.low + 1, found.high, found.at);
            }
        }
        if (steps <= 0) {
            crossed = crossed || crossesItself(piece, scale, sparParts);
        }
    }
    for (PointList& piece : made) {
        further.push_back(std::move(piece));
    }
    if (crossed) {
        return Check::Crossed;
    }
    return parted ? Check::Parted : Check::Simple;
}
