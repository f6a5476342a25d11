#include "model/SlotDepth.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
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
};

} // namespace slotfloor

namespace {

using slotfloor::Floor;
using slotfloor::FloorPoint;

// The direction along the chord of a line of points, as Floor has it.
int directionOf(const std::vector<FloorPoint>& line)
{
    bool rising = true;
    bool falling = true;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
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
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        line[i].low = std::min(line[i].x, line[i + 1].x);
        line[i].high = std::max(line[i].x, line[i + 1].x);
    }
}

// Sets the floor's direction, and where it runs both ways, its spans.
void settle(Floor& floor)
{
    floor.direction = directionOf(floor.points);
    if (floor.direction == 0)
        spans(floor);
}

// The run's points, as the outline has them, sunk by depth into the rib,
// to the float the slot's cut gives them: along the slot's direction of cut,
// or to a vertical cut's flat floor. least, when not empty, holds for each
// point of the run the depth it sinks at the least. runDirection is the
// run's own direction.
void sinkFloor(const std::vector<FloorPoint>& run, int runDirection, const SlotDepth::Side& slot, float depth,
               const std::vector<float>& least, Floor& floor)
{
    std::vector<FloorPoint>& line = floor.points;
    line.resize(run.size());
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
        for (size_t i = 0; i < run.size(); ++i) {
            line[i].x = slot.vertical ? run[i].x : run[i].x + byX;
            line[i].y = slot.vertical ? y : run[i].y + byY;
        }
        if (runDirection != 0 && (slot.vertical || std::isfinite(byX))) {
            floor.direction = runDirection;
            return;
        }
        settle(floor);
        return;
    }
    for (size_t i = 0; i < run.size(); ++i) {
        const float d = std::max(depth, least[i]);
        if (slot.vertical) {
            line[i].x = run[i].x;
            line[i].y = slot.top ? slot.edgeY - d : slot.edgeY + d;
        } else {
            const float down = -d;
            line[i].x = run[i].x + nx * down;
            line[i].y = run[i].y + ny * down;
        }
    }
    settle(floor);
}

// The height of a line at x, its highest or lowest where it passes x more
// than once; false where it does not reach x. The segments over x are
// taken in order along the line however they are found.
bool heightAt(const Floor& floor, float x, bool highest, float& y)
{
    const std::vector<FloorPoint>& line = floor.points;
    bool found = false;
    const size_t segments = line.size() < 2 ? 0 : line.size() - 1;
    const auto at = [&](size_t i) {
        const FloorPoint& a = line[i];
        const FloorPoint& b = line[i + 1];
        const float dx = b.x - a.x;
        const float h = dx != 0.0f ? a.y + (b.y - a.y) * (x - a.x) / dx
                                   : (highest ? std::max(a.y, b.y) : std::min(a.y, b.y));
        y = !found ? h : (highest ? std::max(y, h) : std::min(y, h));
        found = true;
    };
    if (floor.direction == 0 || !(x == x)) {
        for (size_t i = 0; i < segments; ++i)
            if (!(x < line[i].low || x > line[i].high))
                at(i);
        return found;
    }
    // The first segment whose far end reaches x, then those on from it
    // that start no farther than x. Whether a segment's far end falls short
    // of x holds for the segments up to the first and for none after it.
    const auto fallsShort = [&](size_t i) {
        const float end = line[i + 1].x;
        return floor.direction > 0 ? end < x : end > x;
    };
    // From the last first segment the search gallops towards x, then halves.
    size_t first = 0;
    size_t last = segments;
    const size_t hint = std::min(floor.hint, segments);
    size_t step = 1;
    if (hint < segments && fallsShort(hint)) {
        first = hint + 1;
        while (first + step - 1 < segments && fallsShort(first + step - 1)) {
            first += step;
            step *= 2;
        }
        last = std::min(segments, first + step - 1);
    } else {
        last = hint;
        while (last >= step && !fallsShort(last - step)) {
            last -= step;
            step *= 2;
        }
        first = last >= step ? last - step + 1 : 0;
    }
    while (first < last) {
        const size_t middle = first + (last - first) / 2;
        if (fallsShort(middle))
            first = middle + 1;
        else
            last = middle;
    }
    floor.hint = first;
    for (size_t i = first; i < segments && (floor.direction > 0 ? line[i].x <= x : line[i].x >= x); ++i)
        at(i);
    return found;
}

// Whether the rib stays at least web thick between the upper and the lower
// line, each point of one measured straight across to the other: whether
// no point comes closer (a point across from nothing, or one whose gap is
// not a number, has no say). thin names the point last found closer (upper
// points first, then lower ones), which is looked at first: the search for
// the depth asks again and again near the same share, and where the answer
// is no, mostly for the same point.
bool webAtLeast(const Floor& upper, const Floor& lower, float web, int& thin)
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
        floor.direction = direction;
        if (direction == 0)
            spans(floor);
    }
    return direction;
}

} // namespace

struct SlotDepth::Buffers {
    using FloorPoint = slotfloor::FloorPoint;
    using Floor = slotfloor::Floor;

    std::vector<FloorPoint> topRun;
    std::vector<FloorPoint> bottomRun;
    int topDirection = 0;
    int bottomDirection = 0;
    Floor upper;
    Floor lower;
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
    if (top.cut)
        sinkFloor(buffers->topRun, buffers->topDirection, top, depth * share, topLeast, buffers->upper);
    if (bottom.cut)
        sinkFloor(buffers->bottomRun, buffers->bottomDirection, bottom, depth * share, bottomLeast, buffers->lower);
    return webAtLeast(buffers->upper, buffers->lower, web, thin);
}

float SlotDepth::halve()
{
    float low = 0.0f;
    float high = 1.0f;
    for (int i = 0; i < 20; ++i) {
        const float mid = (low + high) * 0.5f;
        if (fits(mid))
            low = mid;
        else
            high = mid;
    }
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
