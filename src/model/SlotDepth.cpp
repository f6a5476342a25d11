#include "model/SlotDepth.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>

// The floors' types are named outside the file's own namespace: the
// search's buffers, declared in the header, hold them.
namespace slotfloor {

// A floor point, and the span along the chord of the floor's segment that
// starts at it.
struct FloorPoint {
    float x;
    float y;
    float low;
    float high;
};

// A floor's points; where they run one way along the chord (as most do),
// the segments over an x lie side by side and are found by halving.
struct Floor {
    std::vector<FloorPoint> points;
    // +1 where x never falls along the floor, -1 where it never grows, 0
    // where it does both.
    int direction = 0;
    // Where the last look-up found its first segment: the points asked
    // about lie along the other floor, mostly a segment or two on.
    mutable size_t hint = 0;
    // The points looked at, from begin to one before end: all of them but
    // late in a search, when only those near the thinnest place are.
    size_t begin = 0;
    size_t end = 0;
};

// Where a floor's point may lie, as a box with a margin for rounding, for
// every depth from low to high at which the search may still sink it.
struct PointBox {
    double x0;
    double x1;
    double y0;
    double y1;
};

// The box a floor's segment may lie in (its two points' boxes together):
// the span along the chord, the lowest and highest it reaches, and the size
// of its numbers.
struct SegmentBox {
    double x0;
    double x1;
    double low;
    double high;
    double size;
};

} // namespace slotfloor

namespace {

using slotfloor::Floor;
using slotfloor::FloorPoint;
using slotfloor::PointBox;
using slotfloor::SegmentBox;

// The direction along the chord of a line of points, as Floor has it.
int directionOf(const std::vector<FloorPoint>& line, size_t begin, size_t end)
{
    bool rising = true;
    bool falling = true;
    for (size_t i = begin; i + 1 < end; ++i) {
        rising = rising && line[i].x <= line[i + 1].x;
        falling = falling && line[i].x >= line[i + 1].x;
    }
    return rising ? 1 : (falling ? -1 : 0);
}

// The span along the chord of each segment of the floor: only the search
// over every segment reads them.
void spans(Floor& floor)
{
    std::vector<FloorPoint>& line = floor.points;
    for (size_t i = floor.begin; i + 1 < floor.end; ++i) {
        line[i].low = std::min(line[i].x, line[i + 1].x);
        line[i].high = std::max(line[i].x, line[i + 1].x);
    }
}

// Sets the floor's direction, and where it runs both ways, its spans.
void settle(Floor& floor)
{
    floor.direction = directionOf(floor.points, floor.begin, floor.end);
    if (floor.direction == 0)
        spans(floor);
}

// The run's points, as the outline has them, sunk by depth into the rib,
// to the float the slot's cut gives them: along the slot's direction of cut,
// or to a vertical cut's flat floor. least, when not empty, holds for each
// point of the run the depth it sinks at the least. runDirection is the
// run's own direction. Only the points from begin to one before end are
// sunk and looked at later.
void sinkFloor(const std::vector<FloorPoint>& run, int runDirection, const SlotDepth::Side& slot, float depth,
               const std::vector<float>& least, Floor& floor, size_t begin, size_t end)
{
    std::vector<FloorPoint>& line = floor.points;
    line.resize(run.size());
    floor.begin = begin;
    floor.end = end;
    const float nx = slot.normal.getX();
    const float ny = slot.normal.getY();
    if (least.empty()) {
        // Every point moves by the same finite amount along the chord (or
        // none), and rounding never turns two sums round: the floor runs
        // as the run does. (Where all its points come to one x, either
        // direction finds the same segments.)
        const float down = -depth;
        const float byX = nx * down;
        const float byY = ny * down;
        const float y = slot.top ? slot.edgeY - depth : slot.edgeY + depth;
        if (slot.vertical) {
            for (size_t i = begin; i < end; ++i) {
                line[i].x = run[i].x;
                line[i].y = y;
            }
        } else {
            for (size_t i = begin; i < end; ++i) {
                line[i].x = run[i].x + byX;
                line[i].y = run[i].y + byY;
            }
        }
        if (runDirection != 0 && (slot.vertical || std::isfinite(byX))) {
            floor.direction = runDirection;
            return;
        }
        settle(floor);
        return;
    }
    // The direction, as settle reads it.
    bool rising = true;
    bool falling = true;
    if (slot.vertical) {
        for (size_t i = begin; i < end; ++i) {
            const float d = std::max(depth, least[i]);
            line[i].x = run[i].x;
            line[i].y = slot.top ? slot.edgeY - d : slot.edgeY + d;
        }
    } else {
        for (size_t i = begin; i < end; ++i) {
            const float down = -std::max(depth, least[i]);
            line[i].x = run[i].x + nx * down;
            line[i].y = run[i].y + ny * down;
        }
    }
    for (size_t i = begin + 1; i < end; ++i) {
        rising = rising && line[i - 1].x <= line[i].x;
        falling = falling && line[i - 1].x >= line[i].x;
    }
    floor.direction = rising ? 1 : (falling ? -1 : 0);
    if (floor.direction == 0)
        spans(floor);
}

// Point i of the run sunk by depth, as sinkFloor sinks it.
FloorPoint sunkPoint(const FloorPoint& point, const SlotDepth::Side& slot, float depth,
                     const std::vector<float>& least, size_t i)
{
    const float nx = slot.normal.getX();
    const float ny = slot.normal.getY();
    FloorPoint p = point;
    if (least.empty()) {
        const float down = -depth;
        const float byX = nx * down;
        const float byY = ny * down;
        const float y = slot.top ? slot.edgeY - depth : slot.edgeY + depth;
        p.x = slot.vertical ? point.x : point.x + byX;
        p.y = slot.vertical ? y : point.y + byY;
    } else if (slot.vertical) {
        const float d = std::max(depth, least[i]);
        p.y = slot.top ? slot.edgeY - d : slot.edgeY + d;
    } else {
        const float down = -std::max(depth, least[i]);
        p.x = point.x + nx * down;
        p.y = point.y + ny * down;
    }
    return p;
}

// The height at x of the segment from a to b that reaches x, its highest
// or lowest end where it stands upright.
inline float heightOn(const FloorPoint& a, const FloorPoint& b, float x, bool highest)
{
    const float dx = b.x - a.x;
    return dx != 0.0f ? a.y + (b.y - a.y) * (x - a.x) / dx : (highest ? std::max(a.y, b.y) : std::min(a.y, b.y));
}

// heightAt along a floor that runs one way, direction (+1 or -1), along
// the chord: the first segment whose far end reaches x, then those on from
// it that start no farther than x. Whether a segment's far end falls short
// of x holds for the segments up to the first and for none after it.
template <int direction>
bool heightAlong(const Floor& floor, size_t start, size_t segments, float x, bool highest, float& y)
{
    const std::vector<FloorPoint>& line = floor.points;
    const auto fallsShort = [&](size_t i) {
        const float end = line[i + 1].x;
        return direction > 0 ? end < x : end > x;
    };
    // From the last first segment the search walks a step or two towards x
    // (the points asked about mostly lie that near), farther on it gallops,
    // then halves.
    size_t first = std::max(start, std::min(floor.hint, segments));
    size_t last = segments;
    size_t step = 1;
    int walked = 0;
    if (first < segments && fallsShort(first)) {
        ++first;
        for (; walked < 4 && first < segments && fallsShort(first); ++walked)
            ++first;
        if (walked == 4 && first < segments && fallsShort(first)) {
            first = first + 1;
            while (first + step - 1 < segments && fallsShort(first + step - 1)) {
                first += step;
                step *= 2;
            }
            last = std::min(segments, first + step - 1);
        } else {
            last = first;
        }
    } else {
        for (; walked < 4 && first > start && !fallsShort(first - 1); ++walked)
            --first;
        if (walked == 4 && first > start && !fallsShort(first - 1)) {
            last = first - 1;
            while (last >= start + step && !fallsShort(last - step)) {
                last -= step;
                step *= 2;
            }
            first = last >= start + step ? last - step + 1 : start;
        } else {
            last = first;
        }
    }
    while (first < last) {
        const size_t middle = first + (last - first) / 2;
        if (fallsShort(middle))
            first = middle + 1;
        else
            last = middle;
    }
    floor.hint = first;
    bool found = false;
    for (size_t i = first; i < segments && (direction > 0 ? line[i].x <= x : line[i].x >= x); ++i) {
        const float h = heightOn(line[i], line[i + 1], x, highest);
        y = !found ? h : (highest ? std::max(y, h) : std::min(y, h));
        found = true;
    }
    return found;
}

// The height of a line at x, its highest or lowest where it passes x more
// than once; false where it does not reach x. The segments over x are
// taken in order along the line however they are found.
bool heightAt(const Floor& floor, float x, bool highest, float& y)
{
    // The segments looked at, from the first to one before segments.
    const size_t start = floor.begin;
    const size_t segments = floor.end < start + 2 ? start : floor.end - 1;
    if (floor.direction > 0 && x == x)
        return heightAlong<1>(floor, start, segments, x, highest, y);
    if (floor.direction < 0 && x == x)
        return heightAlong<-1>(floor, start, segments, x, highest, y);
    const std::vector<FloorPoint>& line = floor.points;
    bool found = false;
    for (size_t i = start; i < segments; ++i) {
        if (!(x < line[i].low || x > line[i].high)) {
            const float h = heightOn(line[i], line[i + 1], x, highest);
            y = !found ? h : (highest ? std::max(y, h) : std::min(y, h));
            found = true;
        }
    }
    return found;
}

// Whether the rib stays at least web thick between the upper and the lower
// line, each point of one measured straight across to the other: whether
// no point comes closer (a point across from nothing, or one whose gap is
// not a number, has no say). thin names the point last found closer (upper
// points first, then lower ones), which is looked at first: the search for
// the depth asks again and again near the same share, and where the answer
// is no, mostly for the same point. live, where given, names the only
// points that may come closer.
bool webAtLeast(const Floor& upper, const Floor& lower, float web, int& thin, const std::vector<int>* live)
{
    if (!(FLT_MAX >= web))
        return false;
    const int upperCount = int(upper.points.size());
    const int count = upperCount + int(lower.points.size());
    const auto closer = [&](int k) {
        float y = 0.0f;
        if (k < upperCount) {
            const FloorPoint& p = upper.points[size_t(k)];
            return heightAt(lower, p.x, true, y) && p.y - y < web;
        }
        const FloorPoint& p = lower.points[size_t(k - upperCount)];
        return heightAt(upper, p.x, false, y) && y - p.y < web;
    };
    if (thin >= 0 && thin < count && closer(thin))
        return false;
    if (live) {
        for (const int k : *live) {
            if (k != thin && closer(k)) {
                thin = k;
                return false;
            }
        }
        return true;
    }
    for (int k = 0; k < count; ++k) {
        if (k != thin && closer(k)) {
            thin = k;
            return false;
        }
    }
    return true;
}

// A run's points and their direction; a side not cut is read straight into
// its floor, which it is.
int readRun(const std::vector<Vector3D*>& outline, const SlotDepth::Side& slot, std::vector<FloorPoint>& run,
            Floor& floor)
{
    std::vector<FloorPoint>& into = slot.cut ? run : floor.points;
    into.resize(size_t(std::max(0, slot.to - slot.from + 1)));
    bool rising = true;
    bool falling = true;
    float last = 0.0f;
    for (int i = slot.from; i <= slot.to; ++i) {
        const Vector3D& p = *outline[size_t(i)];
        const float x = p.getX();
        if (i > slot.from) {
            rising = rising && last <= x;
            falling = falling && last >= x;
        }
        last = x;
        into[size_t(i - slot.from)] = FloorPoint{x, p.getY(), 0.0f, 0.0f};
    }
    const int direction = rising ? 1 : (falling ? -1 : 0);
    floor.hint = 0;
    if (!slot.cut) {
        floor.begin = 0;
        floor.end = into.size();
        floor.direction = direction;
        if (direction == 0)
            spans(floor);
    }
    return direction;
}

// The boxes of a run's points from begin to one before end; false where
// any is not finite.
bool boxesOf(const std::vector<FloorPoint>& run, const SlotDepth::Side& slot, const std::vector<float>& least,
             float low, float high, size_t begin, size_t end, std::vector<PointBox>& boxes)
{
    boxes.resize(run.size());
    const double nx = slot.normal.getX();
    const double ny = slot.normal.getY();
    const double edgeY = slot.edgeY;
    const double turn = 1.0 + std::fabs(nx) + std::fabs(ny);
    for (size_t i = begin; i < end; ++i) {
        const FloorPoint& p = run[i];
        PointBox& box = boxes[i];
        if (!slot.cut) {
            box = {p.x, p.x, p.y, p.y};
        } else {
            // A point sinks along a straight line as the depth grows: its
            // ends bound it.
            const double a = least.empty() ? low : std::max(low, least[i]);
            const double b = least.empty() ? high : std::max(high, least[i]);
            double xa = p.x;
            double xb = p.x;
            double ya = 0.0;
            double yb = 0.0;
            if (slot.vertical) {
                ya = slot.top ? edgeY - a : edgeY + a;
                yb = slot.top ? edgeY - b : edgeY + b;
            } else {
                xa = p.x - nx * a;
                xb = p.x - nx * b;
                ya = p.y - ny * a;
                yb = p.y - ny * b;
            }
            // Far more than the few roundings of a float sink can stray.
            const double slack =
                1e-5 * (std::fabs(p.x) + std::fabs(p.y) + std::fabs(edgeY) + std::fabs(b) * turn) + 1e-30;
            box = {std::min(xa, xb) - slack, std::max(xa, xb) + slack, std::min(ya, yb) - slack,
                   std::max(ya, yb) + slack};
        }
        if (!(std::fabs(box.x0) <= DBL_MAX && std::fabs(box.x1) <= DBL_MAX && std::fabs(box.y0) <= DBL_MAX
              && std::fabs(box.y1) <= DBL_MAX))
            return false;
    }
    return true;
}

// The boxes of the segments between the points from begin to one before
// end; gives +1 where both ends of their spans along the chord never fall
// from one segment to the next, -1 where they never grow, 0 otherwise.
int segmentsOf(const std::vector<PointBox>& points, size_t begin, size_t end, std::vector<SegmentBox>& segments)
{
    segments.resize(points.size());
    bool rising = true;
    bool falling = true;
    for (size_t j = begin; j + 1 < end; ++j) {
        const PointBox& a = points[j];
        const PointBox& b = points[j + 1];
        SegmentBox& box = segments[j];
        box = {std::min(a.x0, b.x0), std::max(a.x1, b.x1), std::min(a.y0, b.y0), std::max(a.y1, b.y1),
               std::max({std::fabs(a.y0), std::fabs(a.y1), std::fabs(b.y0), std::fabs(b.y1)})};
        if (j > begin) {
            const SegmentBox& last = segments[j - 1];
            rising = rising && last.x0 <= box.x0 && last.x1 <= box.x1;
            falling = falling && last.x0 >= box.x0 && last.x1 >= box.x1;
        }
    }
    return rising ? 1 : (falling ? -1 : 0);
}

// How near a point (its box) may come to the other floor's segments from
// begin to one before end: the highest they reach under it (the lowest
// where the point is on the lower floor), the size of the numbers that
// goes with, and the first and last segment it may be measured against;
// false where it lies across from none at all. order is the segments'
// order along the chord, as segmentsOf gives it.
bool across(const PointBox& p, const std::vector<SegmentBox>& segments, size_t begin, size_t end, int order,
            bool highest, double& reach, double& size, size_t& first, size_t& last)
{
    bool any = false;
    const auto consider = [&](size_t j) {
        const SegmentBox& box = segments[j];
        if (box.x0 > p.x1 || box.x1 < p.x0)
            return;
        const double y = highest ? box.high : box.low;
        reach = !any ? y : (highest ? std::max(reach, y) : std::min(reach, y));
        size = std::max(size, box.size);
        first = any ? first : j;
        last = j;
        any = true;
    };
    if (order == 0) {
        for (size_t j = begin; j < end; ++j)
            consider(j);
        return any;
    }
    // In order along the chord, those over the point's span lie side by
    // side: the first found by halving.
    const auto before = [&](size_t j) { return order > 0 ? segments[j].x1 < p.x0 : segments[j].x0 > p.x1; };
    size_t low = begin;
    size_t high = end;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (before(middle))
            low = middle + 1;
        else
            high = middle;
    }
    for (size_t j = low; j < end && (order > 0 ? segments[j].x0 <= p.x1 : segments[j].x1 >= p.x0); ++j)
        consider(j);
    return any;
}

} // namespace

struct SlotDepth::Buffers {
    using FloorPoint = slotfloor::FloorPoint;
    using Floor = slotfloor::Floor;
    using PointBox = slotfloor::PointBox;
    using SegmentBox = slotfloor::SegmentBox;

    std::vector<FloorPoint> topRun;
    std::vector<FloorPoint> bottomRun;
    int topDirection = 0;
    int bottomDirection = 0;
    Floor upper;
    Floor lower;
    // Late in the search, the points that may still come closer than the
    // web (upper ones first, as webAtLeast counts them) and the stretch of
    // each floor they are measured on.
    bool narrowed = false;
    std::vector<int> live;
    size_t upperBegin = 0;
    size_t upperEnd = 0;
    size_t lowerBegin = 0;
    size_t lowerEnd = 0;
    std::vector<int> wasLive;
    std::vector<PointBox> upperBoxes;
    std::vector<PointBox> lowerBoxes;
    std::vector<SegmentBox> upperSegments;
    std::vector<SegmentBox> lowerSegments;
};

SlotDepth::SlotDepth(const std::vector<Vector3D*>& outline, const Side& top, const Side& bottom, float depth,
                     float web, const std::vector<float>& topLeast, const std::vector<float>& bottomLeast)
    : depth(depth), web(web), top(top), bottom(bottom), topLeast(topLeast), bottomLeast(bottomLeast)
{
    // Kept from one slot to the next, a set for each search under way
    // (the bare rib's is searched in the middle of another).
    thread_local std::vector<std::unique_ptr<Buffers>> kept;
    thread_local size_t inUse = 0;
    if (kept.size() == inUse)
        kept.push_back(std::make_unique<Buffers>());
    buffers = kept[inUse].get();
    buffers->topDirection = readRun(outline, top, buffers->topRun, buffers->upper);
    buffers->bottomDirection = readRun(outline, bottom, buffers->bottomRun, buffers->lower);
    whole();
    // Taken only once the runs are read: a search that ran out of memory
    // on the way leaves its set to the next.
    used = &inUse;
    ++inUse;
}

SlotDepth::~SlotDepth()
{
    --*used;
}

bool SlotDepth::fits(float share)
{
    const float sunk = depth * share;
    const bool still = stillBelowLeast && sunk < leastOfAll;
    if (still && stillFits >= 0)
        return stillFits != 0;
    Buffers& b = *buffers;
    bool fit = true;
    const size_t upperCount = top.cut ? b.topRun.size() : b.upper.points.size();
    const size_t lowerCount = bottom.cut ? b.bottomRun.size() : b.lower.points.size();
    if (thin >= 0 && size_t(thin) < upperCount + lowerCount) {
        // The point last found closer mostly is again: it is measured
        // before the rest of its own floor is sunk.
        const bool onUpper = size_t(thin) < upperCount;
        const size_t i = onUpper ? size_t(thin) : size_t(thin) - upperCount;
        if (onUpper ? bottom.cut : top.cut) {
            if (onUpper)
                sinkFloor(b.bottomRun, b.bottomDirection, bottom, sunk, bottomLeast, b.lower, b.lowerBegin,
                          b.lowerEnd);
            else
                sinkFloor(b.topRun, b.topDirection, top, sunk, topLeast, b.upper, b.upperBegin, b.upperEnd);
        }
        const Side& own = onUpper ? top : bottom;
        const FloorPoint p = own.cut ? sunkPoint(onUpper ? b.topRun[i] : b.bottomRun[i], own, sunk,
                                                 onUpper ? topLeast : bottomLeast, i)
                                     : (onUpper ? b.upper.points[i] : b.lower.points[i]);
        float y = 0.0f;
        const bool closer = onUpper ? heightAt(b.lower, p.x, true, y) && p.y - y < web
                                    : heightAt(b.upper, p.x, false, y) && y - p.y < web;
        if (closer) {
            fit = false;
        } else {
            if (onUpper ? top.cut : bottom.cut) {
                if (onUpper)
                    sinkFloor(b.topRun, b.topDirection, top, sunk, topLeast, b.upper, b.upperBegin, b.upperEnd);
                else
                    sinkFloor(b.bottomRun, b.bottomDirection, bottom, sunk, bottomLeast, b.lower, b.lowerBegin,
                              b.lowerEnd);
            }
            fit = webAtLeast(b.upper, b.lower, web, thin, b.narrowed ? &b.live : nullptr);
        }
    } else {
        if (top.cut)
            sinkFloor(b.topRun, b.topDirection, top, sunk, topLeast, b.upper, b.upperBegin, b.upperEnd);
        if (bottom.cut)
            sinkFloor(b.bottomRun, b.bottomDirection, bottom, sunk, bottomLeast, b.lower, b.lowerBegin, b.lowerEnd);
        fit = webAtLeast(b.upper, b.lower, web, thin, b.narrowed ? &b.live : nullptr);
    }
    if (still)
        stillFits = fit ? 1 : 0;
    return fit;
}

// An uncut side is read straight into its floor, so its floor spans the
// same stretch of points as the side.
void SlotDepth::spanUncutSides()
{
    Buffers& b = *buffers;
    if (!top.cut) {
        b.upper.begin = b.upperBegin;
        b.upper.end = b.upperEnd;
    }
    if (!bottom.cut) {
        b.lower.begin = b.lowerBegin;
        b.lower.end = b.lowerEnd;
    }
}

void SlotDepth::whole()
{
    Buffers& b = *buffers;
    b.narrowed = false;
    b.upperBegin = 0;
    b.upperEnd = top.cut ? b.topRun.size() : b.upper.points.size();
    b.lowerBegin = 0;
    b.lowerEnd = bottom.cut ? b.bottomRun.size() : b.lower.points.size();
    spanUncutSides();
}

void SlotDepth::narrow(float low, float high)
{
    Buffers& b = *buffers;
    // Narrowed before, over a wider span of shares: only the points that
    // were left may be left again, measured on the stretches kept.
    const bool again = b.narrowed;
    const size_t upperBegin = b.upperBegin;
    const size_t upperEnd = b.upperEnd;
    const size_t lowerBegin = b.lowerBegin;
    const size_t lowerEnd = b.lowerEnd;
    whole();
    // The depth grows with the share: every share from low to high sinks
    // the floors between where low and high do.
    if (!(FLT_MAX >= web) || !(depth >= 0.0f && depth <= FLT_MAX))
        return;
    const std::vector<FloorPoint>& upperRun = top.cut ? b.topRun : b.upper.points;
    const std::vector<FloorPoint>& lowerRun = bottom.cut ? b.bottomRun : b.lower.points;
    const size_t upperCount = upperRun.size();
    const size_t lowerCount = lowerRun.size();
    // Under a dozen points or so, leaving some out saves less than finding
    // which costs.
    if (upperCount + lowerCount < 20)
        return;
    const float dLow = depth * low;
    const float dHigh = depth * high;
    if (!boxesOf(upperRun, top, topLeast, dLow, dHigh, upperBegin, upperEnd, b.upperBoxes)
        || !boxesOf(lowerRun, bottom, bottomLeast, dLow, dHigh, lowerBegin, lowerEnd, b.lowerBoxes))
        return;
    const int upperOrder = segmentsOf(b.upperBoxes, upperBegin, upperEnd, b.upperSegments);
    const int lowerOrder = segmentsOf(b.lowerBoxes, lowerBegin, lowerEnd, b.lowerSegments);
    b.upper.points.resize(upperCount);
    b.lower.points.resize(lowerCount);
    b.wasLive.swap(b.live);
    if (!again) {
        b.wasLive.clear();
        for (size_t k = 0; k < upperCount + lowerCount; ++k)
            b.wasLive.push_back(int(k));
    }
    b.live.clear();
    float kept = FLT_MAX;
    size_t upperFirst = SIZE_MAX;
    size_t upperLast = 0;
    size_t lowerFirst = SIZE_MAX;
    size_t lowerLast = 0;
    // A point whose box lies farther than the web (and the rounding of the
    // measure) from all the other floor may reach under it never comes
    // closer: it, and what it is measured against, can be left alone.
    const double wide = web;
    for (const int k : b.wasLive) {
        const bool onUpper = size_t(k) < upperCount;
        const size_t i = onUpper ? size_t(k) : size_t(k) - upperCount;
        const PointBox& p = onUpper ? b.upperBoxes[i] : b.lowerBoxes[i];
        double reach = 0.0;
        double size = std::fabs(p.y0) + std::fabs(p.y1) + wide;
        size_t first = 0;
        size_t last = 0;
        const bool any = onUpper ? across(p, b.lowerSegments, lowerBegin, lowerEnd < lowerBegin + 2 ? lowerBegin : lowerEnd - 1,
                                          lowerOrder, true, reach, size, first, last)
                                 : across(p, b.upperSegments, upperBegin, upperEnd < upperBegin + 2 ? upperBegin : upperEnd - 1,
                                          upperOrder, false, reach, size, first, last);
        if (!any)
            continue;
        const double gap = onUpper ? p.y0 - reach : reach - p.y1;
        if (gap >= wide + 1e-5 * size + 1e-30)
            continue;
        b.live.push_back(k);
        size_t& ownFirst = onUpper ? upperFirst : lowerFirst;
        size_t& ownLast = onUpper ? upperLast : lowerLast;
        size_t& otherFirst = onUpper ? lowerFirst : upperFirst;
        size_t& otherLast = onUpper ? lowerLast : upperLast;
        ownFirst = std::min(ownFirst, i);
        ownLast = std::max(ownLast, i);
        otherFirst = std::min(otherFirst, first);
        otherLast = std::max(otherLast, last + 1);
    }
    b.upperBegin = upperFirst == SIZE_MAX ? 0 : upperFirst;
    b.upperEnd = upperFirst == SIZE_MAX ? 0 : upperLast + 1;
    b.lowerBegin = lowerFirst == SIZE_MAX ? 0 : lowerFirst;
    b.lowerEnd = lowerFirst == SIZE_MAX ? 0 : lowerLast + 1;
    spanUncutSides();
    if (std::find(b.live.begin(), b.live.end(), thin) == b.live.end())
        thin = -1;
    b.narrowed = true;
    // Only the points of the stretches kept are sunk now: below their own
    // least depths they stay where they are. An answer found before holds
    // for every point, not only these: it is found anew.
    if (stillBelowLeast) {
        stillFits = -1;
        for (const auto& side : {std::make_pair(&topLeast, std::make_pair(b.upperBegin, b.upperEnd)),
                                 std::make_pair(&bottomLeast, std::make_pair(b.lowerBegin, b.lowerEnd))}) {
            if (side.first->empty())
                continue;
            for (size_t i = side.second.first; i < side.second.second; ++i)
                kept = std::min(kept, (*side.first)[i]);
        }
        leastOfAll = kept;
    }
}

float SlotDepth::halve()
{
    float low = 0.0f;
    float high = 1.0f;
    stillBelowLeast = top.cut || bottom.cut;
    leastOfAll = FLT_MAX;
    for (const auto& side : {std::make_pair(&top, &topLeast), std::make_pair(&bottom, &bottomLeast)}) {
        if (!side.first->cut)
            continue;
        stillBelowLeast = stillBelowLeast && !side.second->empty();
        for (const float least : *side.second) {
            stillBelowLeast = stillBelowLeast && least == least;
            leastOfAll = std::min(leastOfAll, least);
        }
    }
    for (int i = 0; i < 20; ++i) {
        // Once the share is known to a hundredth or so, the points far from
        // coming closer than the web are left out.
        if (i == 7)
            narrow(low, high);
        const float mid = (low + high) * 0.5f;
        if (fits(mid))
            low = mid;
        else
            high = mid;
    }
    whole();
    stillBelowLeast = false;
    return low;
}

float SlotDepth::share(const std::vector<Vector3D*>& outline, const Side& top, const Side& bottom, float depth,
                       float web, const std::vector<float>& topLeast, const std::vector<float>& bottomLeast)
{
    if (!top.cut && !bottom.cut)
        return 1.0f;
    SlotDepth search(outline, top, bottom, depth, web, topLeast, bottomLeast);
    return search.fits(1.0f) ? 1.0f : search.halve();
}
