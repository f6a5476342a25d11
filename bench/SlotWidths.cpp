#include "SlotWidths.h"

#include <algorithm>
#include <cmath>

#include "OutlineMeasures.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vertex.h"

namespace outlinecheck {

namespace {

// The type the square spar modifier gives a slot's part (its webs have
// another).
const int slotPart = 2;

// How far below the mouth and above the floor a width is taken, in mm: clear
// of the corners' rounding by the float points.
const double clearance = 0.02;

// Where the closed outline (in the slot's frame: x across, y deep) crosses
// the line at the depth, across; sorted.
std::vector<double> crossingsAtDepth(const std::vector<P>& st, double depth)
{
    std::vector<double> across;
    for (size_t i = 0, j = st.size() - 1; i < st.size(); j = i++) {
        const P& a = st[j];
        const P& b = st[i];
        if ((a.y <= depth) != (b.y <= depth))
            across.push_back(a.x + (depth - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(across.begin(), across.end());
    return across;
}

// The stretch of air at the depth around the point across; false where the
// point lies in wood. Where the air runs out of the rib on a side (a rib
// that starts inside the slot), the stretch reaches as far as open.
const double open = 1e6;

bool airAround(const std::vector<P>& st, double depth, double at, double& low, double& high)
{
    const std::vector<double> across = crossingsAtDepth(st, depth);
    const size_t before = size_t(std::lower_bound(across.begin(), across.end(), at) - across.begin());
    if (before % 2 == 1)
        return false;
    low = before == 0 ? at - open : across[before - 1];
    high = before == across.size() ? at + open : across[before];
    return true;
}

// The first outline the line across at `at` meets deeper than the depth.
double floorBelow(const std::vector<P>& st, double at, double depth)
{
    double nearest = 1e30;
    for (size_t i = 0, j = st.size() - 1; i < st.size(); j = i++) {
        const P& a = st[j];
        const P& b = st[i];
        if ((a.x <= at) != (b.x <= at)) {
            const double y = a.y + (at - a.x) * (b.y - a.y) / (b.x - a.x);
            if (y > depth)
                nearest = std::min(nearest, y);
        }
    }
    return nearest;
}

// The slot whose part has the corners c, read as cut into the upper side or
// the lower; false where it has no width to speak of.
bool measureSlot(const std::vector<P>& outline, const P* c, int id, bool upper, SlotWidth& width)
{
    const P& frontMouth = upper ? c[1] : c[2];
    const P& rearMouth = upper ? c[0] : c[3];
    const P& frontFloor = upper ? c[2] : c[1];
    const P& rearFloor = upper ? c[3] : c[0];
    double ux = frontFloor.x - frontMouth.x + rearFloor.x - rearMouth.x;
    double uy = frontFloor.y - frontMouth.y + rearFloor.y - rearMouth.y;
    const double length = std::hypot(ux, uy);
    if (!(length > 0.0))
        return false;
    ux /= length;
    uy /= length;
    double vx = uy;
    double vy = -ux;
    if ((rearMouth.x - frontMouth.x) * vx + (rearMouth.y - frontMouth.y) * vy < 0.0) {
        vx = -vx;
        vy = -vy;
    }
    const P middle{(frontMouth.x + rearMouth.x) * 0.5, (frontMouth.y + rearMouth.y) * 0.5};
    const auto frame = [&](const P& q) {
        return P{(q.x - middle.x) * vx + (q.y - middle.y) * vy, (q.x - middle.x) * ux + (q.y - middle.y) * uy};
    };
    std::vector<P> st;
    st.reserve(outline.size());
    for (const P& q : outline)
        st.push_back(frame(q));
    width = SlotWidth();
    width.id = id;
    width.upper = upper;
    const P front = frame(frontMouth);
    const P rear = frame(rearMouth);
    width.spar = rear.x - front.x;
    // The floor's shallowest point under the spar is one of its corners
    // or lies at an end of the stretch: a step where a band ends, or a
    // floor leaning across the walls' direction, stands highest at one.
    const double higherMouth = std::min(front.y, rear.y) + clearance;
    const double reach = width.spar * 0.5 - 0.05;
    double shallowest = std::min(floorBelow(st, -reach, higherMouth), floorBelow(st, reach, higherMouth));
    for (const P& q : st)
        if (q.y > higherMouth && std::fabs(q.x) < reach)
            shallowest = std::min(shallowest, q.y);
    const double floorDepth = shallowest - clearance;
    // A slot the sheets leave next to no depth has no width to speak of.
    if (!(floorDepth - higherMouth >= 0.1))
        return false;
    // Just below the deeper mouth corner both walls stand, unless a band
    // ends at a wall and its sunk mouth lies below the floor the spar
    // stands on: then the spar's top reaches the higher corner only.
    const double deeperMouth = std::max(front.y, rear.y) + clearance;
    const double mouthDepth = deeperMouth < floorDepth ? deeperMouth : higherMouth;
    double low = 0.0;
    double high = 0.0;
    if (airAround(st, mouthDepth, 0.0, low, high)) {
        width.mouth = high - low;
        // A side without a wall at the mouth is the rib's front inside
        // the slot, whose end face below is no wall either.
        if (low <= -open || high >= open) {
            width.floor = width.mouth;
            width.measured = true;
        } else if (airAround(st, floorDepth, 0.0, low, high)) {
            width.floor = high - low;
            width.measured = true;
        }
    }
    return true;
}

} // namespace

std::vector<SlotWidth> squareSlotWidths(const RibDefinition& rib, double mm, const std::vector<SlotWidth>& sides)
{
    std::vector<SlotWidth> widths;
    const std::vector<P> outline = passesOf(rib.getRibCoords(), mm);
    if (outline.size() < 3)
        return widths;
    for (const IdentifiableObject* part : rib.getSquareSparParts()) {
        const std::vector<Vertex*>& corners = part->getPoints();
        if (part->getType() != slotPart || corners.size() != 4)
            continue;
        P c[4];
        for (size_t k = 0; k < 4; ++k)
            c[k] = P{corners[k]->getX() * mm, corners[k]->getY() * mm};
        // An upper slot's part has its mouth first, a lower one's its floor:
        // the part lies nearer the side it is cut into.
        const P centre{(c[0].x + c[1].x + c[2].x + c[3].x) * 0.25, (c[0].y + c[1].y + c[2].y + c[3].y) * 0.25};
        double top = -1e30;
        double bottom = 1e30;
        for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
            const P& a = outline[j];
            const P& b = outline[i];
            if ((a.x <= centre.x) != (b.x <= centre.x)) {
                const double y = a.y + (centre.x - a.x) * (b.y - a.y) / (b.x - a.x);
                top = std::max(top, y);
                bottom = std::min(bottom, y);
            }
        }
        const bool ownSide = top < bottom || centre.y > (top + bottom) * 0.5;
        const auto known = std::find_if(sides.begin(), sides.end(),
                                        [&](const SlotWidth& side) { return side.id == part->getId(); });
        const bool side = known != sides.end() ? known->upper : ownSide;
        SlotWidth width;
        bool read = measureSlot(outline, c, part->getId(), side, width);
        // A bare slot read the wrong way round (one deeper than half a thin
        // rib) leaves wood at both depths; the part's own reading stands then.
        if (read && !width.measured && side != ownSide)
            read = measureSlot(outline, c, part->getId(), ownSide, width);
        if (read)
            widths.push_back(width);
    }
    return widths;
}

} // namespace outlinecheck
