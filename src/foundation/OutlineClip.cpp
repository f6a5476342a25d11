#include "foundation/OutlineClip.h"

#include <algorithm>
#include <cmath>

#include "foundation/GLUtils.h"
#include "foundation/Vector3D.h"

void OutlineClip::use(const std::vector<Vector3D*>& points)
{
    if (outline != &points)
        indexed = false;
    outline = &points;
}

void OutlineClip::forget()
{
    indexed = false;
}

void OutlineClip::clip(const Vector3D& a, Vector3D& b)
{
    const std::vector<Vector3D*>& points = *outline;
    const std::size_t n = points.size();
    if (n < 3)
        return;
    if (!indexed || lowestX.size() != n)
        index();
    const float xhi = std::max(a.getX(), b.getX());
    std::size_t k = 1;
    if (searchable && !std::isnan(xhi)) {
        k = firstAtOrAhead(xhi);
    } else {
        while (k < n && points[k]->getX() > xhi)
            ++k;
    }
    GLUtils::clipToOutlineFrom(a, b, points, k);
}

void OutlineClip::index()
{
    const std::vector<Vector3D*>& points = *outline;
    const std::size_t n = points.size();
    lowestX.resize(n);
    searchable = true;
    float lowest = points[1]->getX();
    for (std::size_t k = 1; k < n; ++k) {
        const float x = points[k]->getX();
        if (std::isnan(x))
            searchable = false;
        lowest = std::min(lowest, x);
        lowestX[k] = lowest;
    }
    indexed = true;
    lastFound = 1;
}

// The first k from 1 with lowestX[k] <= x, or the point count. lowestX
// falls (or stays) along the side, so the points before the answer are all
// above x and those from it on are not. A few steps from the last answer
// first, as the next segment of a run usually starts near it; halving else.
std::size_t OutlineClip::firstAtOrAhead(float x)
{
    const std::size_t n = lowestX.size();
    const auto above = [x](float lowest) { return lowest > x; };
    std::size_t k = std::min(lastFound, n);
    const int steps = 4;
    if (k < n && above(lowestX[k])) {
        // The answer lies behind k.
        for (int i = 0; i < steps && k < n && above(lowestX[k]); ++i)
            ++k;
        if (k < n && above(lowestX[k]))
            k = std::size_t(std::partition_point(lowestX.begin() + std::ptrdiff_t(k), lowestX.end(), above)
                            - lowestX.begin());
    } else {
        // k answers or the answer lies ahead of it.
        for (int i = 0; i < steps && k > 1 && !above(lowestX[k - 1]); ++i)
            --k;
        if (k > 1 && !above(lowestX[k - 1]))
            k = std::size_t(std::partition_point(lowestX.begin() + 1, lowestX.begin() + std::ptrdiff_t(k), above)
                            - lowestX.begin());
    }
    lastFound = k;
    return k;
}
