#include "model/finishing/SheetMeeting.h"

#include <algorithm>
#include <cmath>

#include "foundation/Vector3D.h"
#include "model/finishing/OutlineRuns.h"

SheetMeeting::SheetMeeting(PointList& outline, const std::vector<int>& runStarts, float scale)
    : outline(outline), runStarts(runStarts), scale(scale)
{
}

const Vector3D& SheetMeeting::point(int run) const
{
    const int m = int(runStarts.size());
    return *outline[size_t(runStarts[size_t(((run % m) + m) % m)])];
}

void SheetMeeting::setRun(int run, float x, float y)
{
    const int m = int(runStarts.size());
    OutlineRuns::moveRun(outline, runStarts, ((run % m) + m) % m, x, y);
}

bool SheetMeeting::sheetsMeet(int low, int high) const
{
    // How far the sheets sank a segment: the more sunk of its two ends. The
    // copies left at a band's ends are not sunk, so a band's end face
    // counts with its inner corner.
    auto sinking = [&](int segment, float& x, float& y) {
        const Vector3D& a = point(segment);
        const Vector3D& b = point(segment + 1);
        const float la = a.getAuxA() * a.getAuxA() + a.getAuxB() * a.getAuxB();
        const float lb = b.getAuxA() * b.getAuxA() + b.getAuxB() * b.getAuxB();
        const Vector3D& more = la >= lb ? a : b;
        x = more.getAuxA();
        y = more.getAuxB();
        return std::max(la, lb) > 0.0f;
    };
    float lx = 0.0f;
    float ly = 0.0f;
    float hx = 0.0f;
    float hy = 0.0f;
    return sinking(low, lx, ly) && sinking(high, hx, hy) && lx * hx + ly * hy < 0.0f;
}

void SheetMeeting::collectSide(std::vector<SidePoint>& side, const Vector3D& at, int first, int step, float dir,
                               int most, float slack) const
{
    side.clear();
    side.push_back({at.getX(), at.getY(), -1});
    float lastX = at.getX();
    for (int k = 0; k < most; ++k) {
        const int run = first + step * k;
        const Vector3D& p = point(run);
        float x = p.getX();
        if (dir * (x - lastX) < 0.0f) {
            // Where the sheets pinch the rib without meeting, at lies halfway
            // across the gap, and the side's first point may lie a hair
            // behind it along the chord: that side still runs away from it.
            if (k > 0 || at.distanceXY(p) > slack) {
                break;
            }
            x = lastX;
        }
        side.push_back({x, p.getY(), run});
        lastX = x;
    }
}

bool SheetMeeting::heightAt(const std::vector<SidePoint>& side, float x, float dir, float& y)
{
    for (size_t i = 1; i < side.size(); ++i) {
        const SidePoint& p = side[i - 1];
        const SidePoint& q = side[i];
        if (dir * (x - p.x) >= 0.0f && dir * (q.x - x) >= 0.0f) {
            y = q.x != p.x ? p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x) : p.y;
            return true;
        }
    }
    return false;
}

bool SheetMeeting::keepPiece(int keepFirst, int keepLast, int dropFirst, int dropLast, const Vector3D& at,
                             bool onlyWithFace)
{
    const int m = int(runStarts.size());
    const int dropped = ((dropLast - dropFirst) % m + m) % m + 1;
    // The kept piece's runs are not among those dropped: its end is found
    // the same before they go as after.
    auto drop = [&]() {
        for (int k = 0; k < dropped; ++k) {
            setRun(dropFirst + k, at.getX(), at.getY());
        }
    };
    const int kept = ((keepLast - keepFirst) % m + m) % m + 1;
    // The kept piece lies ahead of the meeting point or behind it.
    double sumX = 0.0;
    for (int k = 0; k < kept; ++k) {
        sumX += point(keepFirst + k).getX();
    }
    const float dir = sumX / kept >= at.getX() ? 1.0f : -1.0f;
    // Its two sides, from the meeting point away from it.
    std::vector<SidePoint> first;
    std::vector<SidePoint> last;
    const float limit = 0.5f / scale;
    const float slack = onlyWithFace ? limit : 0.0f;
    collectSide(first, at, keepFirst, 1, dir, kept, slack);
    collectSide(last, at, keepLast, -1, dir, kept, slack);
    // The first station away from the meeting point where the sides lie
    // 0.5 mm apart; between stations the width changes linearly.
    std::vector<float> stations;
    for (const std::vector<SidePoint>* side : {&first, &last}) {
        for (size_t i = 1; i < side->size(); ++i) {
            stations.push_back(dir * ((*side)[i].x - at.getX()));
        }
    }
    std::sort(stations.begin(), stations.end());
    // Where a face is asked for, it goes where the piece does not narrow
    // again to about as thin a short way on: a slot's notch beside the face
    // would leave a tongue hanging on no more than 0.5 mm (a hair more, as
    // the notches of slots under a sheet may leave exactly that).
    const float ahead = onlyWithFace ? 10.0f * limit : 0.0f;
    const float again = limit + 0.02f / scale;
    float before = 0.0f;
    float beforeWidth = 0.0f;
    for (size_t i = 0; i < stations.size(); ++i) {
        const float s = stations[i];
        const float x = at.getX() + dir * s;
        float ya = 0.0f;
        float yb = 0.0f;
        if (!heightAt(first, x, dir, ya) || !heightAt(last, x, dir, yb)) {
            break;
        }
        const float width = std::fabs(ya - yb);
        bool thin = width < limit;
        for (size_t j = i + 1; !thin && j < stations.size() && stations[j] <= s + ahead; ++j) {
            const float further = at.getX() + dir * stations[j];
            float fa = 0.0f;
            float fb = 0.0f;
            if (!heightAt(first, further, dir, fa) || !heightAt(last, further, dir, fb)) {
                break;
            }
            thin = std::fabs(fa - fb) < std::min(width, again);
        }
        if (thin) {
            before = s;
            beforeWidth = std::min(width, limit);
            continue;
        }
        const float cut =
            width > beforeWidth ? before + (s - before) * (limit - beforeWidth) / (width - beforeWidth) : s;
        const float endX = at.getX() + dir * cut;
        if (!heightAt(first, endX, dir, ya) || !heightAt(last, endX, dir, yb)) {
            break;
        }
        drop();
        // The face across: each side's runs short of it go onto its end.
        for (const SidePoint& p : first) {
            if (p.run >= 0 && dir * (p.x - endX) < 0.0f) {
                setRun(p.run, endX, ya);
            }
        }
        bool lastOnFace = false;
        for (const SidePoint& p : last) {
            if (p.run >= 0 && dir * (p.x - endX) < 0.0f) {
                setRun(p.run, endX, yb);
                lastOnFace = true;
            }
        }
        for (int k = 0; k < dropped; ++k) {
            setRun(dropFirst + k, endX, ya);
        }
        // Where no run of the last side lies short of the face, the dropped
        // run next to it ends the face there: a face is asked for, no point.
        if (onlyWithFace && !lastOnFace && dropped > 1) {
            setRun(dropFirst, endX, yb);
        }
        return true;
    }
    if (onlyWithFace) {
        return endOnFeet(first, last, dropFirst, dropped);
    }
    drop();
    return true;
}

bool SheetMeeting::endOnFeet(const std::vector<SidePoint>& first, const std::vector<SidePoint>& last, int dropFirst,
                             int dropped)
{
    // Each side's first point is the sunk foot of its band's end face, and
    // the face climbs from there back past it, away from the other side:
    // the piece wraps round the pinch, and no station across it is thick
    // until both faces are passed. Its end is the two faces already, with
    // the gap between their feet closed straight across.
    if (first.size() != 2 || last.size() != 2) {
        return false;
    }
    const int footFirst = first.back().run;
    const int footLast = last.back().run;
    const Vector3D& a = point(footFirst);
    const Vector3D& b = point(footLast);
    const Vector3D& up = point(footFirst + 1);
    const Vector3D& down = point(footLast - 1);
    const float limit = 0.5f / scale;
    const float away = a.getY() >= b.getY() ? 1.0f : -1.0f;
    const auto sunk = [](const Vector3D& p) { return p.getAuxA() != 0.0f || p.getAuxB() != 0.0f; };
    if (!(a.distanceXY(b) < limit && sunk(a) && sunk(b) && !sunk(up) && !sunk(down)
          && away * (up.getY() - a.getY()) > limit && away * (b.getY() - down.getY()) > limit)) {
        return false;
    }
    // The dropped piece lies between the two feet going round: onto the
    // foot it leaves from, so the outline runs from there to the other.
    const Vector3D& from = point(dropFirst - 1);
    for (int k = 0; k < dropped; ++k) {
        setRun(dropFirst + k, from.getX(), from.getY());
    }
    return true;
}
