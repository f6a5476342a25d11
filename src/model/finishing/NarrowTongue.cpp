#include "model/finishing/NarrowTongue.h"

#include <cmath>

#include "foundation/Vector3D.h"
#include "model/finishing/OutlineCleanup.h"

bool NarrowTongue::takeOff(OutlineCleanup& cleanup)
{
    const int m = int(cleanup.runStarts.size());
    const std::vector<int>& corners = cleanup.corners;
    if (m < 6 || corners.size() < 2) {
        return false;
    }
    const double limit = 0.5 / cleanup.scale;
    double sense = 0.0;
    // The tip: two corners next to each other, less than the limit apart.
    for (size_t c = 0; c + 1 < corners.size(); ++c) {
        const int tip1 = corners[c];
        const int tip2 = corners[c + 1];
        if (tip2 != tip1 + 1 || tip1 < 1 || tip2 + 1 >= m) {
            continue;
        }
        const Vector3D& t1 = cleanup.runPoint(tip1);
        const Vector3D& t2 = cleanup.runPoint(tip2);
        const double tx = double(t2.getX()) - t1.getX();
        const double ty = double(t2.getY()) - t1.getY();
        if (tx * tx + ty * ty >= limit * limit) {
            continue;
        }
        // Side a runs from its foot up to the tip, side b from the tip down.
        const Vector3D& a = cleanup.runPoint(tip1 - 1);
        const Vector3D& b = cleanup.runPoint(tip2 + 1);
        const double ax = double(t1.getX()) - a.getX();
        const double ay = double(t1.getY()) - a.getY();
        const double bx = double(b.getX()) - t2.getX();
        const double by = double(b.getY()) - t2.getY();
        const double aa = ax * ax + ay * ay;
        const double bb = bx * bx + by * by;
        const double ab = ax * bx + ay * by;
        // A tongue taller than the limit whose walls run side by side.
        if (!(aa > limit * limit && bb > limit * limit && ab < 0.0 && ab * ab > 0.9025 * aa * bb)) {
            continue;
        }
        // It stands out of the rib: the tip turns the way the outline runs
        // round.
        if (sense == 0.0) {
            sense = cleanup.signedArea(0, m, cleanup.runPoint(0)) < 0.0 ? -1.0 : 1.0;
        }
        if ((ax * ty - ay * tx) * sense <= 0.0) {
            continue;
        }
        // The shorter wall's foot, and where a cut across the tongue from it
        // meets the other wall.
        const double la = std::sqrt(aa);
        const double lb = std::sqrt(bb);
        const bool footOnA = la <= lb;
        const Vector3D& foot = footOnA ? a : b;
        const Vector3D& from = footOnA ? t2 : t1;
        const double ux = footOnA ? bx / lb : -ax / la;
        const double uy = footOnA ? by / lb : -ay / la;
        const double along = (double(foot.getX()) - from.getX()) * ux + (double(foot.getY()) - from.getY()) * uy;
        const double px = from.getX() + along * ux;
        const double py = from.getY() + along * uy;
        // Narrower than the limit at the foot too, and the cut within the
        // other wall.
        if (!(std::hypot(px - foot.getX(), py - foot.getY()) < limit) || along <= 0.0
            || along >= (footOnA ? lb : la)) {
            continue;
        }
        cleanup.setRun(tip1, float(px), float(py));
        cleanup.setRun(tip2, float(px), float(py));
        return true;
    }
    return false;
}
