#include "model/finishing/FaceStep.h"

#include <algorithm>
#include <cmath>

#include "foundation/Vector3D.h"
#include "model/finishing/OutlineCleanup.h"

namespace {

struct Dir {
    double x;
    double y;
};

Dir unit(double x, double y)
{
    const double l = std::hypot(x, y);
    return l > 0.0 ? Dir{x / l, y / l} : Dir{0.0, 0.0};
}

double cosine(const Dir& a, const Dir& b)
{
    return a.x * b.x + a.y * b.y;
}

} // namespace

bool FaceStep::trim(OutlineCleanup& cleanup)
{
    const int m = int(cleanup.runStarts.size());
    const float limit = 0.5f / cleanup.scale;
    if (!cleanup.sheeted || m < 6) {
        return false;
    }
    // Only an outline that closes ahead of where its trailing edge lay ends
    // on the sheets' faces.
    const Vector3D& closing = cleanup.runPoint(0);
    const Vector3D& before = cleanup.runPoint(m - 1);
    if (std::max(closing.getX(), before.getX()) > std::min(cleanup.endX[0], cleanup.endX[1]) - limit) {
        return false;
    }
    // The closing place may be one run or two, the last and the first.
    const double hair = 0.001 / cleanup.scale;
    const bool twice
        = std::hypot(double(before.getX()) - closing.getX(), double(before.getY()) - closing.getY()) <= hair;
    const int back = twice ? m - 2 : m - 1;
    const double whole = cleanup.signedArea(0, m, closing);
    // The step runs from the closing place to the run next to it on one
    // side, the face it steps off on the other.
    for (const int side : {1, -1}) {
        const int inner = side > 0 ? 1 : back;
        const int next = side > 0 ? 2 : back - 1;
        const int face = side > 0 ? back : 1;
        const Vector3D& c = closing;
        const Vector3D& p = cleanup.runPoint(inner);
        const Vector3D& q = cleanup.runPoint(next);
        const Vector3D& e = cleanup.runPoint(face);
        const double stepX = double(p.getX()) - c.getX();
        const double stepY = double(p.getY()) - c.getY();
        const double step = std::hypot(stepX, stepY);
        const double faceLength = std::hypot(double(e.getX()) - c.getX(), double(e.getY()) - c.getY());
        if (!(step > hair) || step > 0.1 / cleanup.scale || faceLength < 4.0 * step) {
            continue;
        }
        // In the way of the outline: along the face to the closing place,
        // across the step, up the other face (for side -1 the other way).
        const Dir down = unit(double(e.getX()) - c.getX(), double(e.getY()) - c.getY());
        const Dir across = unit(stepX, stepY);
        const Dir up = unit(double(q.getX()) - p.getX(), double(q.getY()) - p.getY());
        if (cosine(Dir{-down.x, -down.y}, across) >= 0.7) {
            continue;
        }
        // The lip at the closing place is a sharp corner standing out of the
        // rib; past the step the outline turns back out: a notch, not a
        // tooth.
        const double lip = (-down.x * across.y + down.y * across.x) * side;
        const double notch = (across.x * up.y - across.y * up.x) * side;
        if (lip * whole <= 0.0 || notch * whole >= 0.0) {
            continue;
        }
        // The bevel starts down the face as far as it takes for neither of
        // its ends to read as a sharp corner.
        for (const double k : {1.0, 1.5, 2.0, 3.0}) {
            const double d = k * step;
            const double bx = c.getX() + d * down.x;
            const double by = c.getY() + d * down.y;
            const Dir bevel = unit(double(p.getX()) - bx, double(p.getY()) - by);
            if (cosine(Dir{-down.x, -down.y}, bevel) >= 0.7 && cosine(bevel, up) >= 0.7) {
                cleanup.setRun(0, float(bx), float(by));
                if (twice) {
                    cleanup.setRun(m - 1, float(bx), float(by));
                }
                return true;
            }
        }
    }
    return false;
}
