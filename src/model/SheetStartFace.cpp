#include "model/SheetStartFace.h"

#include <algorithm>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"

namespace {

struct StartNormal {
    float outerX;
    float outerY;
    float innerX;
    float innerY;
};

// A band's normal at its rear end: of its two end normals, the one whose
// surface point lies farther back.
StartNormal rearNormalOf(const IdentifiableObject& band)
{
    const std::vector<Vertex*>& p = band.getPoints();
    const size_t n = p.size();
    const Vertex& a = *p[0];
    const Vertex& b = *p[n - 1];
    const Vertex& c = *p[n / 2 - 1];
    const Vertex& d = *p[n / 2];
    return a.getX() >= c.getX() ? StartNormal{a.getX(), a.getY(), b.getX(), b.getY()}
                                : StartNormal{c.getX(), c.getY(), d.getX(), d.getY()};
}

bool insideOutline(const std::vector<Vector3D*>& outline, float x, float y)
{
    bool in = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vector3D& u = *outline[i];
        const Vector3D& v = *outline[j];
        if ((u.getX() <= x) != (v.getX() <= x)
            && u.getY() + (x - u.getX()) * (v.getY() - u.getY()) / (v.getX() - u.getX()) > y)
            in = !in;
    }
    return in;
}

} // namespace

bool SheetStartFace::clearLastNormal(std::vector<Vector3D*>& outline, const std::vector<IdentifiableObject*>& bands,
                                     float scale)
{
    const int n = int(outline.size());
    if (bands.size() != 2 || n < 4 || scale <= 0.0f)
        return false;
    for (const IdentifiableObject* band : bands) {
        if (band->getPoints().size() < 4)
            return false;
    }
    StartNormal first = rearNormalOf(*bands[0]);
    StartNormal second = rearNormalOf(*bands[1]);
    const bool firstUpper = first.innerY < first.outerY;
    const bool secondUpper = second.innerY < second.outerY;
    if (firstUpper == secondUpper)
        return false;
    const StartNormal& upper = firstUpper ? first : second;
    const StartNormal& lower = firstUpper ? second : first;
    // Both bands end at one station.
    const float touch = 0.001f / scale;
    if (std::abs(upper.outerX - lower.outerX) > 10.0f * touch)
        return false;
    const bool downUpper = upper.innerX > std::max({upper.outerX, lower.outerX, lower.innerX});
    const bool downLower = lower.innerX > std::max({lower.outerX, upper.outerX, upper.innerX});
    if (!downUpper && !downLower)
        return false;
    const StartNormal& lean = downUpper ? upper : lower;
    const float footX = lean.innerX;
    // The rib starts at the bands' end: nothing of it lies ahead of them.
    // Its front, the points ahead of footX, runs from the upper side (j) to
    // the lower one (k) in Selig order.
    int j = -1;
    int k = -1;
    float frontX = outline[0]->getX();
    for (int i = 0; i < n; ++i) {
        const float x = outline[size_t(i)]->getX();
        frontX = std::min(frontX, x);
        if (x < footX) {
            j = j < 0 ? i : j;
            k = i;
        }
    }
    const float bandEnd = std::min({upper.outerX, lower.outerX, upper.innerX, lower.innerX});
    if (j <= 0 || k >= n - 1 || frontX < bandEnd - 10.0f * touch)
        return false;
    // The sunk end must hold wood now, or the face would put some back.
    if (!insideOutline(outline, lean.innerX, lean.innerY))
        return false;
    // How far a point stands behind the leaning normal (negative ahead).
    const float dy = lean.outerY - lean.innerY;
    const float length = std::hypot(lean.outerX - lean.innerX, dy);
    if (!(std::abs(dy) > touch))
        return false;
    // Only wood more than a quarter millimetre up the normal goes: below
    // that the face meets the normal's sunk end in a point, and cutting the
    // point flat would leave a stub too short for a cutter to follow.
    const float up = 0.25f / scale / length;
    if (!insideOutline(outline, lean.innerX + (lean.outerX - lean.innerX) * up, lean.innerY + dy * up))
        return false;
    const auto behind = [&](const Vector3D& q) {
        return q.getX() - (lean.outerX + (lean.innerX - lean.outerX) * (lean.outerY - q.getY()) / dy);
    };
    // The other side's height at footX.
    const Vector3D& a = downUpper ? *outline[size_t(k)] : *outline[size_t(j)];
    const Vector3D& b = downUpper ? *outline[size_t(k + 1)] : *outline[size_t(j - 1)];
    if (!(b.getX() > a.getX()))
        return false;
    const float footY = a.getY() + (b.getY() - a.getY()) * (footX - a.getX()) / (b.getX() - a.getX());
    if (downUpper ? !(lean.innerY > footY) : !(lean.innerY < footY))
        return false;
    // Along the leaning side from outside the front to where it passes
    // ahead of the normal, into the sheet; the points behind it stay. A
    // face that reaches the normal's sunk end first leaves the sheet clear.
    const int step = downUpper ? 1 : -1;
    int meet = downUpper ? j : k;
    const int stop = downUpper ? k + 1 : j - 1;
    float crossX = 0.0f;
    float crossY = 0.0f;
    for (; meet != stop; meet += step) {
        const Vector3D& q = *outline[size_t(meet)];
        if (downUpper ? !(q.getY() > lean.innerY) : !(q.getY() < lean.innerY))
            return false;
        const float f = behind(q);
        if (f < -touch) {
            const Vector3D& p = *outline[size_t(meet - step)];
            const float fp = behind(p);
            const float t = fp > f ? std::max(0.0f, std::min(1.0f, fp / (fp - f))) : 1.0f;
            crossX = p.getX() + (q.getX() - p.getX()) * t;
            crossY = p.getY() + (q.getY() - p.getY()) * t;
            break;
        }
    }
    if (meet == stop)
        return false;
    // From there: onto the normal, down it, and across to the other side.
    const int count = (stop - meet) * step;
    if (count < 3) {
        const Vector3D& model = *outline[size_t(meet)];
        for (int r = count; r < 3; ++r)
            outline.insert(outline.begin() + (downUpper ? meet + 1 : meet), new Vector3D(model));
        if (!downUpper)
            meet += 3 - count;
    }
    const int last = downUpper ? meet + std::max(count, 3) - 1 : meet - std::max(count, 3) + 1;
    outline[size_t(meet)]->set(crossX, crossY, outline[size_t(meet)]->getZ());
    outline[size_t(meet + step)]->set(lean.innerX, lean.innerY, outline[size_t(meet)]->getZ());
    for (int r = meet + 2 * step; r != last + step; r += step)
        outline[size_t(r)]->set(footX, footY, outline[size_t(r)]->getZ());
    return true;
}
