#include "foundation/CloseSegments.h"

#include <algorithm>
#include <cmath>

namespace {

struct Extent {
    float low;
    float high;
};

Extent extentOf(float a, float b)
{
    return a < b ? Extent{a, b} : Extent{b, a};
}

// The margin widened for the rounding of coordinates of the given size, so
// that a pair within the margin by any rounding of the comparison is never
// missed; a few more pairs may be offered.
float roomFor(float margin, float size)
{
    return 2.0f * margin + 1e-6f * std::fabs(size);
}

bool within(const Extent& a, const Extent& b, float room)
{
    return b.low <= a.high + room && b.high >= a.low - room;
}

// Segments of a stretch checked at once against the other stretch by the
// extent of them all: along most of a rib, the surfaces lie far apart.
constexpr int block = 8;

} // namespace

void CloseSegments::nearestOnSegment(const Point& p, const Point& a, const Point& b, double& x, double& y)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::min(1.0, std::max(0.0, ((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / lengthSquared));
    }
    x = double(a.x) + t * dx;
    y = double(a.y) + t * dy;
}

bool CloseSegments::find(const Point* points, int count, float margin, const std::function<bool(int, int)>& accept)
{
    this->points = points;
    this->count = count;
    stretches.clear();
    upright.clear();
    if (count < 2) {
        return false;
    }
    if (!cutStretches(margin)) {
        return true;
    }
    if (withinStretches(margin, accept)) {
        return true;
    }
    // The stretches by their least x: a stretch is set against those that
    // begin before it ends.
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& a, const Stretch& b) { return a.minX < b.minX; });
    const size_t n = stretches.size();
    for (size_t i = 0; i < n; ++i) {
        const Stretch& a = stretches[i];
        const float end = a.maxX + roomFor(margin, a.size);
        for (size_t j = i + 1; j < n; ++j) {
            const Stretch& b = stretches[j];
            const float room = roomFor(margin, std::max(a.size, b.size));
            if (b.minX > a.maxX + room) {
                if (b.minX > end) {
                    break;
                }
                continue;
            }
            if (b.minY > a.maxY + room || a.minY > b.maxY + room) {
                continue;
            }
            // The shorter stretch is walked, the longer searched.
            if (a.segments <= b.segments ? betweenStretches(a, b, room, accept)
                                         : betweenStretches(b, a, room, accept)) {
                return true;
            }
        }
    }
    return false;
}

// Cuts the polyline where it turns back along x, and notes the segments
// that continue their stretch upright or nearly so. Tells whether every
// coordinate is finite: one that is not defeats every comparison.
bool CloseSegments::cutStretches(float margin)
{
    // Read through a local pointer: the lists written below could alias the
    // member.
    const Point* const p = points;
    const int n = count;
    int begin = 0;
    float direction = 0.0f;
    float x = p[0].x;
    float minY = p[0].y;
    float maxY = minY;
    float sum = minY;
    const float uprightLimit = 4.0f * margin;
    for (int s = 0; s < n; ++s) {
        const float nextX = p[s + 1].x;
        const float y = p[s + 1].y;
        const float dx = nextX - x;
        x = nextX;
        // How far the segment goes on the stretch's way; as long as the
        // stretch has none, no way at all.
        const float along = dx * direction;
        if (along < 0.0f) {
            addStretch(begin, s, direction, minY, maxY);
            begin = s;
            direction = -direction;
            minY = p[s].y;
            maxY = minY;
        } else if (along <= uprightLimit) {
            if (direction == 0.0f) {
                direction = dx > 0.0f ? 1.0f : (dx < 0.0f ? -1.0f : 0.0f);
            }
            if (std::fabs(dx) <= uprightLimit) {
                const int segment = s;
                upright.push_back(segment);
            }
        }
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        sum += along + y;
    }
    addStretch(begin, n, direction, minY, maxY);
    if (!std::isfinite(sum)) {
        return false;
    }
    // Where rounding at the largest x leaves more room than the margin,
    // the upright segments are looked for again with it. A stretch's
    // largest x is at one of its ends.
    float largestX = 0.0f;
    for (const Stretch& stretch : stretches) {
        largestX = std::max({largestX, std::fabs(stretch.minX), std::fabs(stretch.maxX)});
    }
    if (1e-6f * largestX > margin) {
        upright.clear();
        for (int s = 0; s < count; ++s) {
            if (std::fabs(points[s + 1].x - points[s].x) <= 2.0f * roomFor(margin, largestX)) {
                upright.push_back(s);
            }
        }
    }
    return true;
}

void CloseSegments::addStretch(int begin, int end, float direction, float minY, float maxY)
{
    const bool forward = direction >= 0.0f;
    const float x0 = points[begin].x;
    const float x1 = points[end].x;
    const float minX = std::min(x0, x1);
    const float maxX = std::max(x0, x1);
    const float size = std::max({std::fabs(minX), std::fabs(maxX), std::fabs(minY), std::fabs(maxY)});
    stretches.push_back(Stretch{forward ? begin : end, forward ? 1 : -1, end - begin, minX, maxX, minY, maxY, size});
}

// Along x the segments of a stretch follow each other, so a segment
// overlaps another of its stretch that is not its neighbour only where the
// segments between them are upright, or shorter along x than the margin.
bool CloseSegments::withinStretches(float margin, const std::function<bool(int, int)>& accept) const
{
    for (const int u : upright) {
        if (u < 1) {
            continue;
        }
        const float x = points[u].x;
        const float room = roomFor(margin, x);
        const Extent sy = extentOf(points[u - 1].y, points[u].y);
        const float yRoom = roomFor(margin, std::max(std::fabs(sy.low), std::fabs(sy.high)));
        for (int t = u + 1; t < count && std::fabs(points[t].x - x) <= room; ++t) {
            if (within(sy, extentOf(points[t].y, points[t + 1].y), yRoom) && offer(u - 1, t, accept)) {
                return true;
            }
        }
    }
    return false;
}

bool CloseSegments::betweenStretches(const Stretch& a, const Stretch& b, float room,
                                     const std::function<bool(int, int)>& accept) const
{
    const Point* pa = points + a.first;
    const Point* pb = points + b.first;
    const int sa = a.step;
    const int sb = b.step;
    auto segmentOf = [](const Stretch& s, int k) { return s.step > 0 ? s.first + k : s.first - k - 1; };
    int k = firstReaching(a, b.minX - room);
    int lo = k < a.segments ? firstReaching(b, pa[sa * k].x - room) : b.segments;
    const float end = b.maxX + room;
    while (k < a.segments && lo < b.segments) {
        const int kEnd = std::min(k + block, a.segments);
        const float x0 = pa[sa * k].x;
        if (x0 > end) {
            break;
        }
        const float x1 = pa[sa * kEnd].x;
        Extent ay{pa[sa * k].y, pa[sa * k].y};
        for (int i = k + 1; i <= kEnd; ++i) {
            const float y = pa[sa * i].y;
            ay.low = std::min(ay.low, y);
            ay.high = std::max(ay.high, y);
        }
        const float from = x0 - room;
        while (lo < b.segments && pb[sb * (lo + 1)].x < from) {
            ++lo;
        }
        const float reach = x1 + room;
        Extent by{pb[sb * lo].y, pb[sb * lo].y};
        int l = lo;
        for (; l < b.segments && pb[sb * l].x <= reach; ++l) {
            const float y = pb[sb * (l + 1)].y;
            by.low = std::min(by.low, y);
            by.high = std::max(by.high, y);
        }
        if (l > lo && within(ay, by, room)) {
            // Segment by segment within the block.
            int first = lo;
            for (int i = k; i < kEnd; ++i) {
                const Point& p = pa[sa * i];
                const Point& q = pa[sa * (i + 1)];
                while (first < b.segments && pb[sb * (first + 1)].x < p.x - room) {
                    ++first;
                }
                const Extent py = extentOf(p.y, q.y);
                for (int j = first; j < b.segments && pb[sb * j].x <= q.x + room; ++j) {
                    if (within(py, extentOf(pb[sb * j].y, pb[sb * (j + 1)].y), room)
                        && offer(segmentOf(a, i), segmentOf(b, j), accept)) {
                        return true;
                    }
                }
            }
        }
        k = kEnd;
    }
    return false;
}

// The first segment of the stretch whose far end reaches x, or the number
// of its segments when none does. Two stretches mostly meet near one end of
// each, where one turns into the other, so the search gallops from the end
// nearer to x before it halves.
int CloseSegments::firstReaching(const Stretch& s, float x) const
{
    auto reaches = [&](int k) { return !(points[s.first + s.step * (k + 1)].x < x); };
    int low = 0;
    int high = s.segments;
    int step = 1;
    if (x - s.minX > s.maxX - x) {
        for (int k = high - 1; k >= low && reaches(k); k = high - step) {
            high = k;
            step *= 2;
        }
        low = std::max(low, high - step);
    } else {
        for (int k = low; k < high && !reaches(k); k = low + step - 1) {
            low = k + 1;
            step *= 2;
        }
        high = std::min(high, low + step - 1);
    }
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (reaches(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

bool CloseSegments::offer(int s, int t, const std::function<bool(int, int)>& accept) const
{
    const int low = std::min(s, t);
    const int high = std::max(s, t);
    if (high - low == 1 || (low == 0 && high == count - 1)) {
        return false;
    }
    return accept(low, high);
}
