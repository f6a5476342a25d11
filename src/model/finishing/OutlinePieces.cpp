#include "model/finishing/OutlinePieces.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <new>

#include "foundation/CloseSegments.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"
#include "model/RibGeometry.h"
#include "model/finishing/BuildableWood.h"
#include "model/finishing/OutlineRuns.h"

namespace {

// The kind of a square spar's slot among its parts (webbing is 3).
constexpr int slotKind = 2;

using Point = CloseSegments::Point;

// Whether p lies within reach of segment ab, without a square root.
// Whether p lies farther than twice reach from the extent of segment ab:
// then beyond reach of the segment whatever the rounding below.
inline bool outsideExtent(const Point& p, const Point& a, const Point& b, float reach)
{
    const double wide = 2.0 * double(reach);
    return double(p.x) - std::max(a.x, b.x) > wide || double(std::min(a.x, b.x)) - p.x > wide
           || double(p.y) - std::max(a.y, b.y) > wide || double(std::min(a.y, b.y)) - p.y > wide;
}

bool withinOfSegment(const Point& p, const Point& a, const Point& b, float reach)
{
    // Most corners are told so.
    if (outsideExtent(p, a, b, reach)) {
        return false;
    }
    double x = 0.0;
    double y = 0.0;
    CloseSegments::nearestOnSegment(p, a, b, x, y);
    const double ex = x - p.x;
    const double ey = y - p.y;
    return ex * ex + ey * ey <= double(reach) * reach;
}

// One place where an outline's runs cross or touch: run segments low and
// high (each from its run to the next, low < high), meeting at at.
struct Touch {
    int low = 0;
    int high = 0;
    Vector3D at;
};

// The runs of an outline as the last look sees them: each holds the points
// within 0.001 mm of its first one, and the run that closes the trailing
// edge onto the first point is one with it. Kept per thread, so that the
// look at every finished rib costs no allocation.
struct LookRuns {
    std::vector<int> starts;
    // The first point of every run, then the first again.
    std::vector<Point> points;
    // The runs, going on from the first, whose corner is sharper than
    // square: only there can the outline fold, and the gathering has the
    // way in and out of every run at hand.
    std::vector<int> sharp;
};

LookRuns& threadLookRuns()
{
    thread_local LookRuns runs;
    return runs;
}

CloseSegments& threadLookSegments()
{
    thread_local CloseSegments closeSegments;
    return closeSegments;
}

class Look : public OutlinePieces::RunLook
{
public:
    Look(const OutlinePieces::PointList& outline, float scale, const OutlinePieces::PartList* sparParts)
        : RunLook(outline, scale, sparParts), runs(threadLookRuns()), closeSegments(threadLookSegments())
    {
        gather();
        setRuns(runs.starts.data(), runs.points.data(), int(runs.starts.size()));
    }

    using RunLook::count;
    using RunLook::runPoint;
    const Point* runPoints() const { return runs.points.data(); }

    // The first place the outline folds back onto itself at a run, or
    // crosses or touches itself between two segments that are no
    // neighbours.
    bool find(Touch& found)
    {
        const int m = count();
        if (m < 3) {
            return false;
        }
        if (findFold(found)) {
            return true;
        }
        const float margin = this->margin();
        if (plainlySimple(margin)) {
            return false;
        }
        return closeSegments.find(runs.points.data(), m, margin, [&](int low, int high) {
            Vector3D at;
            if (!stopsAt(low, high, at)) {
                return false;
            }
            found.low = low;
            found.high = high;
            found.at = at;
            found.at.setZ(runPoint(low).getZ());
            return true;
        });
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
    void gather()
    {
        const size_t n = outline.size();
        runs.starts.resize(n);
        runs.points.resize(n + 1);
        if (n == 0) {
            runs.points.clear();
            return;
        }
        const float reachSquared = touch * touch;
        Vector3D* const* const from = outline.data();
        int* const startOut = runs.starts.data();
        Point* const pointOut = runs.points.data();
        float lastX = from[0]->getX();
        float lastY = from[0]->getY();
        startOut[0] = 0;
        pointOut[0] = {lastX, lastY};
        runs.sharp.clear();
        float inX = 0.0f;
        float inY = 0.0f;
        size_t m = 1;
        for (size_t i = 1; i < n; ++i) {
            const float x = from[i]->getX();
            const float y = from[i]->getY();
            const float dx = x - lastX;
            const float dy = y - lastY;
            if (dx * dx + dy * dy < reachSquared) {
                continue;
            }
            if (m > 1 && inX * dx + inY * dy < 0.0f) {
                runs.sharp.push_back(int(m - 1));
            }
            inX = dx;
            inY = dy;
            startOut[m] = int(i);
            pointOut[m] = {x, y};
            lastX = x;
            lastY = y;
            ++m;
        }
        // The runs at the end that lie on the first point are one with it.
        while (m > 1) {
            const float dx = pointOut[m - 1].x - pointOut[0].x;
            const float dy = pointOut[m - 1].y - pointOut[0].y;
            if (!(dx * dx + dy * dy < reachSquared)) {
                break;
            }
            --m;
            startOut[0] = startOut[m];
        }
        runs.starts.resize(m);
        runs.points.resize(m + 1);
        runs.points[m] = runs.points[0];
    }

    // The first run where the way on runs back along the way in. Only the
    // runs at either end of the outline were not seen whole while
    // gathering.
    bool findFold(Touch& found) const
    {
        const int m = count();
        if (foldAt(0, found.low, found.high, found.at)) {
            return true;
        }
        for (const int r : runs.sharp) {
            if (r > m - 2) {
                break;
            }
            if (foldAt(r, found.low, found.high, found.at)) {
                return true;
            }
        }
        return m > 1 && foldAt(m - 1, found.low, found.high, found.at);
    }

    // Whether the outline is plainly simple: its upper side runs forwards
    // and its lower one back without turning back along x, and the upper
    // side lies above the lower one by more than margin
    // wherever they stand over each other. Most finished ribs are so, and
    // are passed in a walk or two along them.
    bool plainlySimple(float margin) const
    {
        const int m = count();
        if (m < 4) {
            return m < 3;
        }
        return OutlineRuns::sidesPlainlyApart(runs.points.data(), m, margin, margin);
    }

    LookRuns& runs;
    CloseSegments& closeSegments;
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

// The nearest point on a segment lies within its extent, so an end of one
// segment lies at least the gap between the extents from the other; a
// relative margin far beyond a float's rounding keeps a distance that
// rounds down to reach, and a crossing found by rounding, out of it.
bool OutlinePieces::extentsApart(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d,
                                 float reach)
{
    const float apart = reach * (1.0f + 1e-5f);
    const float gapX = std::max(std::min(c.getX(), d.getX()) - std::max(a.getX(), b.getX()),
                                std::min(a.getX(), b.getX()) - std::max(c.getX(), d.getX()));
    const float gapY = std::max(std::min(c.getY(), d.getY()) - std::max(a.getY(), b.getY()),
                                std::min(a.getY(), b.getY()) - std::max(c.getY(), d.getY()));
    return gapX > apart || gapY > apart;
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

bool OutlinePieces::crossesItself(const PointList& outline, float scale, const PartList* sparParts,
                                  const Passed& passed)
{
    return !passed.holds(outline) && crossesItself(outline, scale, sparParts);
}

namespace {

std::uint64_t bitsOf(const Vector3D& point)
{
    const float x = point.getX();
    const float y = point.getY();
    std::uint32_t xBits;
    std::uint32_t yBits;
    std::memcpy(&xBits, &x, sizeof xBits);
    std::memcpy(&yBits, &y, sizeof yBits);
    return std::uint64_t(xBits) | std::uint64_t(yBits) << 32;
}

} // namespace

void OutlinePieces::Passed::clear()
{
    kept.clear();
    used = 0;
}

void OutlinePieces::Passed::add(const PointList& outline) noexcept
{
    const void* key = outline.data();
    for (Kept& k : kept) {
        if (k.key == key) {
            k.key = nullptr;
        }
    }
    try {
        kept.reserve(kept.size() + 1);
        const size_t first = used;
        if (bits.size() < first + outline.size()) {
            bits.resize(first + outline.size());
        }
        std::uint64_t* out = bits.data() + first;
        for (const Vector3D* point : outline) {
            *out++ = bitsOf(*point);
        }
        used = first + outline.size();
        kept.push_back({key, outline.size(), first});
    } catch (const std::bad_alloc&) {
        // Nothing kept: the look searches this outline itself.
    }
}

bool OutlinePieces::Passed::holds(const PointList& outline) const
{
    for (const Kept& k : kept) {
        if (k.key != outline.data() || k.size != outline.size() || !k.key) {
            continue;
        }
        const std::uint64_t* was = bits.data() + k.first;
        for (const Vector3D* point : outline) {
            if (*was++ != bitsOf(*point)) {
                return false;
            }
        }
        return true;
    }
    return false;
}

OutlinePieces::RunLook::RunLook(const PointList& outline, float scale, const PartList* sparParts)
    : outline(outline), touch(OutlineRuns::samePointMm / scale), sparParts(sparParts), kerf(kerfMm / scale),
      slotReach(0.5f / scale)
{
}

void OutlinePieces::RunLook::setRuns(const int* starts, const CloseSegments::Point* points, int count)
{
    this->starts = starts;
    this->points = points;
    runCount = count;
}

bool OutlinePieces::RunLook::firstIsOutlineFirst() const
{
    if (runCount < 1 || outline.empty()) {
        return false;
    }
    const Vector3D& first = *outline.front();
    const float x = first.getX();
    const float y = first.getY();
    return std::memcmp(&points[0].x, &x, sizeof x) == 0 && std::memcmp(&points[0].y, &y, sizeof y) == 0;
}

// The turning point goes where the shorter of the two ends.
bool OutlinePieces::RunLook::foldAt(int r, int& low, int& high, Vector3D& at) const
{
    const int m = count();
    const Point* p = points;
    const Point& a = p[r == 0 ? m - 1 : r - 1];
    const Point& b = p[r];
    const Point& c = p[r + 1];
    // Only a corner sharper than square can fold.
    if (!((b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) < 0.0f)) {
        return false;
    }
    const bool onIn = withinOfSegment(c, a, b, touch);
    if (!onIn && !withinOfSegment(a, b, c, touch)) {
        return false;
    }
    const Point& end = onIn ? c : a;
    low = r == 0 ? 0 : r - 1;
    high = r == 0 ? m - 1 : r;
    at = Vector3D(end.x, end.y, runPoint(r).getZ());
    return true;
}

bool OutlinePieces::RunLook::foldsAtAny(const std::vector<int>& runs) const
{
    const int m = count();
    int low = 0;
    int high = 0;
    Vector3D at;
    if (m < 3) {
        return false;
    }
    if (foldAt(0, low, high, at) || foldAt(m - 1, low, high, at)) {
        return true;
    }
    const Point* p = points;
    for (const int r : runs) {
        if (r < 1 || r > m - 2) {
            continue;
        }
        // As foldAt first asks, without the call for the many corners that
        // are no sharper than square.
        const Point& a = p[r - 1];
        const Point& b = p[r];
        const Point& c = p[r + 1];
        if ((b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) < 0.0f
            && (!outsideExtent(c, a, b, touch) || !outsideExtent(a, b, c, touch)) && foldAt(r, low, high, at)) {
            return true;
        }
    }
    return false;
}

bool OutlinePieces::RunLook::webAt(int low, int high, Vector3D& at) const
{
    return margin() > touch
           && !extentsApart(runPoint(low), runPoint(low + 1), runPoint(high), runPoint(high + 1), kerf)
           && SegmentGeometry::segmentsTouch(runPoint(low), runPoint(low + 1), runPoint(high), runPoint(high + 1),
                                             kerf, at)
           && slotAt(sparParts, at.getX(), at.getY(), slotReach) != 0 && apartAlong(low, high, slotReach);
}

bool OutlinePieces::RunLook::stopsAt(int low, int high, Vector3D& at) const
{
    const int m = count();
    if (high - low < 2 || (low == 0 && high == m - 1)) {
        return false;
    }
    const Vector3D& a = runPoint(low);
    const Vector3D& b = runPoint(low + 1);
    const Vector3D& c = runPoint(high);
    const Vector3D& d = runPoint(high + 1);
    if (extentsApart(a, b, c, d, std::max(touch, margin()))) {
        return false;
    }
    return SegmentGeometry::segmentsMeet(a, b, c, d, at) || SegmentGeometry::segmentsTouch(a, b, c, d, touch, at)
           || webAt(low, high, at);
}

// Two faces that meet, not the two ends of a short step.
bool OutlinePieces::RunLook::apartAlong(int low, int high, float way) const
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
            // A side thin on average that holds a stretch of wood to build
            // all the same (a thin tail behind a slot) is a piece.
            const auto holdsWood = [&](int first, int last) {
                return BuildableWood::heldBy(look.runPoints(), m, first, last, found.at.getX(), found.at.getY(), scale);
            };
            const bool insideWood =
                inside > sliver * insideLength || (inside > 0.0 && holdsWood(found.low + 1, found.high));
            const bool outsideWood =
                outside > sliver * outsideLength || (outside > 0.0 && holdsWood(found.high + 1, found.low + m));
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
