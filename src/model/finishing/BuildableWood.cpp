#include "model/finishing/BuildableWood.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "foundation/Vector3D.h"

namespace {

std::vector<BuildableWood::Point>& threadPolygon()
{
    thread_local std::vector<BuildableWood::Point> polygon;
    return polygon;
}

// Per station: the wood held across it, the lowest and highest crossing,
// how many times the outline crosses it.
struct Station {
    double wood;
    float low;
    float high;
    int crossings;
};

std::vector<Station>& threadStations()
{
    thread_local std::vector<Station> stations;
    return stations;
}

} // namespace

bool BuildableWood::heldBy(const Point* points, int count, int first, int last, float atX, float atY, float scale)
{
    std::vector<Point>& polygon = threadPolygon();
    polygon.clear();
    if (count <= 0) {
        return false;
    }
    for (int r = first; r <= last; ++r) {
        polygon.push_back(points[((r % count) + count) % count]);
    }
    polygon.push_back({atX, atY});
    return measure(polygon, scale);
}

bool BuildableWood::heldBy(const std::vector<Vector3D*>& outline, float scale)
{
    std::vector<Point>& polygon = threadPolygon();
    polygon.clear();
    for (const Vector3D* p : outline) {
        polygon.push_back({p->getX(), p->getY()});
    }
    return measure(polygon, scale);
}

bool BuildableWood::measure(std::vector<Point>& polygon, float scale)
{
    if (!(scale > 0.0f) || polygon.size() < 3) {
        return false;
    }
    if (measureAlong(polygon, scale)) {
        return true;
    }
    // A nub taller than it is long (a rib's front between a leading-edge
    // piece and a slot) holds its stretch across the chord: measured the
    // same way, turned a quarter round so that it still runs round the
    // same way.
    for (Point& a : polygon) {
        a = {a.y, -a.x};
    }
    return measureAlong(polygon, scale);
}

bool BuildableWood::measureAlong(const std::vector<Point>& polygon, float scale)
{
    const double thick = thickMm / double(scale);
    const double length = lengthMm / double(scale);
    // Cheaply first: too short or too flat a piece holds no such stretch.
    float minX = FLT_MAX;
    float maxX = -FLT_MAX;
    float minY = FLT_MAX;
    float maxY = -FLT_MAX;
    const size_t n = polygon.size();
    for (const Point& a : polygon) {
        minX = std::min(minX, a.x);
        maxX = std::max(maxX, a.x);
        minY = std::min(minY, a.y);
        maxY = std::max(maxY, a.y);
    }
    if (!(double(maxX) - minX >= length) || !(double(maxY) - minY >= thick)) {
        return false;
    }
    // Crossing a station, a segment running backwards adds its height, one
    // running forwards takes it off: what lies inside the outline there,
    // less what lies inside a side turned inside out.
    const double step = 0.1 / double(scale);
    const int count = int((double(maxX) - minX) / step);
    if (count < 2) {
        return false;
    }
    std::vector<Station>& stations = threadStations();
    stations.assign(size_t(count), Station{0.0, FLT_MAX, -FLT_MAX, 0});
    for (size_t i = 0; i < n; ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % n];
        if (a.x == b.x) {
            continue;
        }
        const double lo = std::min(a.x, b.x);
        const double hi = std::max(a.x, b.x);
        // Stations at minX + (k + 0.5) step, strictly inside the segment.
        int k = std::max(0, int(std::ceil((lo - minX) / step - 0.5)));
        const double sign = b.x < a.x ? 1.0 : -1.0;
        for (; k < count; ++k) {
            const double x = minX + (k + 0.5) * step;
            if (x >= hi) {
                break;
            }
            if (x <= lo) {
                continue;
            }
            const double y = a.y + (x - a.x) * (double(b.y) - a.y) / (double(b.x) - a.x);
            Station& s = stations[size_t(k)];
            s.wood += sign * y;
            s.low = std::min(s.low, float(y));
            s.high = std::max(s.high, float(y));
            ++s.crossings;
        }
    }
    // Across the middle line's slope, the wood is that much thinner than
    // it is tall.
    double stretch = 0.0;
    for (int k = 0; k < count; ++k) {
        const Station& s = stations[size_t(k)];
        bool holds = s.crossings == 2 && s.wood >= thick;
        if (holds) {
            const Station& before = stations[size_t(std::max(0, k - 1))];
            const Station& after = stations[size_t(std::min(count - 1, k + 1))];
            const auto middle = [&s](const Station& t) {
                return t.low <= t.high ? 0.5 * (double(t.low) + t.high) : 0.5 * (double(s.low) + s.high);
            };
            const double rise = middle(after) - middle(before);
            const double run = step * double(std::min(count - 1, k + 1) - std::max(0, k - 1));
            holds = s.wood * run >= thick * std::hypot(run, rise);
        }
        stretch = holds ? stretch + step : 0.0;
        if (stretch >= length) {
            return true;
        }
    }
    return false;
}
