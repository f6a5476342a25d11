#include "model/SheetedTail.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "foundation/Vector3D.h"

void SheetedTail::collect(const PointList& outline, int from, int step, int stop, float hair, Side& side)
{
    side.points.clear();
    side.points.push_back(from);
    for (int i = from + step; i != stop; i += step) {
        const Vector3D& last = *outline[size_t(side.points.back())];
        const Vector3D& p = *outline[size_t(i)];
        if (p.getX() > last.getX() + hair
            || (p.getX() >= last.getX() - hair && std::fabs(p.getY() - last.getY()) > hair)) {
            break;
        }
        side.points.push_back(i);
    }
}

bool SheetedTail::heightAt(const PointList& outline, const Side& side, float x, float& y)
{
    for (size_t i = 1; i < side.points.size(); ++i) {
        const Vector3D& u = *outline[size_t(side.points[i - 1])];
        const Vector3D& v = *outline[size_t(side.points[i])];
        if (x <= u.getX() && x >= v.getX()) {
            y = u.getX() > v.getX() ? u.getY() + (v.getY() - u.getY()) * (u.getX() - x) / (u.getX() - v.getX())
                                    : v.getY();
            return true;
        }
    }
    return false;
}

bool SheetedTail::endWhereThick(PointList& outline, float scale)
{
    const int n = int(outline.size());
    if (n < 4 || !(scale > 0.0f)) {
        return false;
    }
    const Vector3D& top = *outline.front();
    const Vector3D& bottom = *outline.back();
    const float limit = 0.5f / scale;
    const float faceWidth = top.getY() - bottom.getY();
    // The face's two ends may lie a rounding apart along the chord.
    const float faceX = std::max(top.getX(), bottom.getX());
    if (std::fabs(top.getX() - bottom.getX()) > 0.001f / scale || !(faceWidth > 0.0f) || faceWidth >= limit) {
        return false;
    }
    Side upper;
    Side lower;
    const float hair = 0.001f / scale;
    collect(outline, 0, 1, n, hair, upper);
    collect(outline, n - 1, -1, upper.points.back(), hair, lower);
    // Only a face the sheets have thinned below the limit: a section's own
    // thin trailing edge is the design's, and the sheets' inner faces run
    // into it as its surfaces did. The copies a band leaves at its end are
    // not sunk: each side's most sunk point on the face tells how far.
    float sunk[2] = {0.0f, 0.0f};
    for (const Side* side : {&upper, &lower}) {
        float& most = sunk[side == &upper ? 0 : 1];
        for (const int i : side->points) {
            const Vector3D& p = *outline[size_t(i)];
            if (p.getX() < faceX - hair) {
                break;
            }
            if (std::fabs(p.getAuxB()) > std::fabs(most)) {
                most = p.getAuxB();
            }
        }
    }
    if (faceWidth - sunk[0] + sunk[1] < limit) {
        return false;
    }
    std::vector<float> stations;
    for (const Side* side : {&upper, &lower}) {
        for (const int i : side->points) {
            stations.push_back(outline[size_t(i)]->getX());
        }
    }
    std::sort(stations.begin(), stations.end(), std::greater<float>());
    float before = faceX;
    float beforeWidth = faceWidth;
    for (const float x : stations) {
        if (x >= faceX) {
            continue;
        }
        float yu = 0.0f;
        float yl = 0.0f;
        // Thin as far as a side runs forwards: whether anything buildable
        // is left is asked of the whole rib.
        if (!heightAt(outline, upper, x, yu) || !heightAt(outline, lower, x, yl)) {
            return false;
        }
        const float width = yu - yl;
        if (width < limit) {
            before = x;
            beforeWidth = width;
            continue;
        }
        const float cut = before - (before - x) * (limit - beforeWidth) / (width - beforeWidth);
        if (!heightAt(outline, upper, cut, yu) || !heightAt(outline, lower, cut, yl)) {
            return false;
        }
        for (const Side* side : {&upper, &lower}) {
            const float y = side == &upper ? yu : yl;
            for (const int i : side->points) {
                Vector3D& p = *outline[size_t(i)];
                if (p.getX() > cut) {
                    p.setX(cut);
                    p.setY(y);
                }
            }
        }
        return true;
    }
    return false;
}
