#include "model/RibModifierSquareSpar.h"

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/SlotDepth.h"
#include "model/SparDefinition.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>

namespace {

const int kindSlot = 2;
const int kindWebbing = 3;

// The thinnest web the finishing pass leaves standing, in mm.
const float narrowestWeb = 0.5f;

using Slot = SlotDepth::Side;

Slot slotOf(const std::vector<Vector3D*>& outline, bool cut, bool top, bool vertical, int from, int to,
            int front)
{
    Slot slot;
    slot.from = from;
    slot.to = to;
    slot.top = top;
    slot.vertical = vertical;
    if (!cut)
        return slot;
    if (vertical) {
        const float a = outline[from]->getY();
        const float b = outline[to]->getY();
        slot.edgeY = top ? std::max(a, b) : std::min(a, b);
        slot.cut = true;
    } else if (const Vector3D* normal = outline[front]->getNormal()) {
        slot.normal = *normal;
        slot.cut = true;
    }
    return slot;
}

void sink(Vector3D& point, const Slot& slot, float depth)
{
    if (!slot.cut)
        return;
    if (slot.vertical) {
        point.setY(slot.top ? slot.edgeY - depth : slot.edgeY + depth);
    } else {
        Vector3D shift(slot.normal);
        shift *= -depth;
        point += shift;
    }
}

// Whether sheets have sunk any point of the slot's run (see
// RibDefinition::splitAtChordPosition).
bool sheeted(const std::vector<Vector3D*>& outline, const Slot& slot)
{
    for (int i = slot.from - 1; i <= slot.to + 1; ++i)
        if (outline[size_t(i)]->getAuxA() != 0.0f || outline[size_t(i)]->getAuxB() != 0.0f)
            return true;
    return false;
}

// Sheeting only takes wood off: where sheets have sunk the surface, a slot
// is cut from their inner face, and its floor must lie at least as deep as
// the bare rib's, also where the web to the other side keeps a slot short
// of its full depth. Fills topLeast and bottomLeast with the depth each
// point of the runs sinks at the least for that: the bare rib's slot depth
// less what the sheets have already taken there.
void leastDepths(const std::vector<Vector3D*>& outline, const Slot& top, const Slot& bottom, float depth,
                 float web, std::vector<float>& topLeast, std::vector<float>& bottomLeast)
{
    if (!sheeted(outline, top) && !sheeted(outline, bottom))
        return;
    // The runs as the bare rib has them, with their points beside them.
    std::vector<Vector3D> bareStore;
    std::vector<Vector3D*> bare(outline.size(), nullptr);
    bareStore.reserve(size_t(top.to - top.from + 3 + bottom.to - bottom.from + 3));
    for (const Slot* slot : {&top, &bottom}) {
        for (int i = slot->from - 1; i <= slot->to + 1; ++i) {
            const Vector3D& p = *outline[size_t(i)];
            bareStore.emplace_back(p.getX() - p.getAuxA(), p.getY() - p.getAuxB(), p.getZ());
            bare[size_t(i)] = &bareStore.back();
        }
    }
    Slot bareTop = top;
    Slot bareBottom = bottom;
    if (top.vertical && top.cut)
        bareTop.edgeY = std::max(bare[size_t(top.from)]->getY(), bare[size_t(top.to)]->getY());
    if (bottom.vertical && bottom.cut)
        bareBottom.edgeY = std::min(bare[size_t(bottom.from)]->getY(), bare[size_t(bottom.to)]->getY());
    const float bareDepth = depth * SlotDepth::share(bare, bareTop, bareBottom, depth, web);
    for (const auto& side : {std::make_pair(&top, &topLeast), std::make_pair(&bottom, &bottomLeast)}) {
        const Slot& slot = *side.first;
        std::vector<float>& least = *side.second;
        if (!slot.cut)
            continue;
        const float normalSquared = slot.normal.getX() * slot.normal.getX() + slot.normal.getY() * slot.normal.getY();
        for (int i = slot.from; i <= slot.to; ++i) {
            const Vector3D& p = *outline[size_t(i)];
            float d = bareDepth;
            if (slot.vertical) {
                const float bareEdge = slot.top ? bareTop.edgeY : bareBottom.edgeY;
                d += slot.top ? slot.edgeY - bareEdge : bareEdge - slot.edgeY;
            } else if (normalSquared > 0.0f) {
                // The sheets' shift across the slot's direction of cut.
                d += (p.getAuxA() * slot.normal.getX() + p.getAuxB() * slot.normal.getY()) / normalSquared;
            }
            least.push_back(std::min(depth, std::max(0.0f, d)));
        }
    }
}

// A band whose end face stands at a slot's wall leaves at that end of the
// slot's run a few points the sheets have sunk beside the bare ones: sunk
// again by the slot's depth, they would open a groove narrower than a cutter
// can follow between the wall and the face. Gives the first bare point from
// the run's end (stepping by step towards other) where the sunk points ahead
// of it span less than narrowest along the chord; end where there are none,
// or where the sheets have sunk the whole run.
int narrowSunkEnd(const std::vector<Vector3D*>& outline, int end, int other, int step, float narrowest)
{
    const auto sunk = [&](int i) {
        return outline[size_t(i)]->getAuxA() != 0.0f || outline[size_t(i)]->getAuxB() != 0.0f;
    };
    float low = FLT_MAX;
    float high = -FLT_MAX;
    int i = end;
    for (; i != other && sunk(i); i += step) {
        low = std::min(low, outline[size_t(i)]->getX());
        high = std::max(high, outline[size_t(i)]->getX());
    }
    return i != end && !sunk(i) && high - low < narrowest ? i : end;
}

// How far the sheets have sunk a point along a slot's direction of cut.
float sunkAlong(const Vector3D& point, const Slot& slot)
{
    const float nx = slot.normal.getX();
    const float ny = slot.normal.getY();
    const float normalSquared = nx * nx + ny * ny;
    return normalSquared > 0.0f ? -(point.getAuxA() * nx + point.getAuxB() * ny) / normalSquared : 0.0f;
}

// Where the rib's front is, for a station that must lie on both sides: the
// nose, or the face across the rib where sheets have ended it, holds the
// middle pair of points (each side has kept its count of points).
float frontOfBothSides(const std::vector<Vector3D*>& outline)
{
    const size_t half = outline.size() / 2;
    if (half == 0)
        return outline.empty() ? 0.0f : outline.front()->getX();
    return std::max(outline[half - 1]->getX(), outline[half]->getX());
}

// A band that ends inside a slot leaves there the untouched copy of the
// surface beside its own sunk end: the sheet's end face runs from one to the
// other, down the band's last normal. Sunk along the slot's direction of cut
// where that leans unlike the normal, the copy could land past the normal,
// inside the sheet, and leave a sliver of wood there at the floor's corner.
// Gives, for point i of the run [first, last], the point down that normal at
// the floor's depth; false where i is no such copy, where the floor lies
// deeper than the sheet's sunk end or where the slot's direction keeps the
// corner clear of the sheet. Where the sunk end comes within web of the
// other side (from, to), the rib is no thicker there than the web the spar
// rule leaves: the copy only slides along its floor onto the normal, so the
// sheet's wood goes and the floor, and with it the web, stays as it is
// (taken down the normal, the corner thinned that web until the finishing
// parted the rib there); false where the floor does not reach the normal
// between the copy and the next point, or meets it within a quarter
// millimetre of the sunk end.
bool downSheetEnd(const std::vector<Vector3D*>& outline, int i, int first, int last, const Slot& slot, float depth,
                  int from, int to, float web, float hair, Vector3D& down)
{
    const Vector3D& p = *outline[size_t(i)];
    if (slot.vertical || !slot.cut || p.getAuxA() != 0.0f || p.getAuxB() != 0.0f)
        return false;
    for (const int j : {i - 1, i + 1}) {
        if (j < first || j > last)
            continue;
        const Vector3D& q = *outline[size_t(j)];
        const float ax = q.getAuxA();
        const float ay = q.getAuxB();
        const float length = std::hypot(ax, ay);
        if (!(length > hair) || std::fabs(q.getX() - ax - p.getX()) + std::fabs(q.getY() - ay - p.getY()) > hair)
            continue;
        // How far down the normal the slot's depth lies.
        const float along = -(ax * slot.normal.getX() + ay * slot.normal.getY()) / length;
        if (!(along > 0.5f) || depth / along > length)
            return false;
        bool nearWeb = false;
        for (int k = std::min(from, to); k < std::max(from, to) && !nearWeb; ++k) {
            const Vector3D& a = *outline[size_t(k)];
            const Vector3D& b = *outline[size_t(k + 1)];
            nearWeb = (a.getX() <= q.getX()) != (b.getX() <= q.getX())
                      && std::fabs(a.getY() + (q.getX() - a.getX()) * (b.getY() - a.getY()) / (b.getX() - a.getX())
                                   - q.getY())
                             < web;
        }
        // The bare surface beyond the copy lies on the side of the normal
        // the sheet does not.
        const int beyond = 2 * i - j;
        if (beyond < 0 || beyond >= int(outline.size()))
            return false;
        Vector3D floor(p);
        sink(floor, slot, depth);
        const Vector3D& bare = *outline[size_t(beyond)];
        const auto side = [&](const Vector3D& r) {
            return ax * (r.getY() - p.getY()) - ay * (r.getX() - p.getX());
        };
        const float corner = side(floor);
        if (!(std::fabs(corner) > hair * length) || (corner > 0.0f) == (side(bare) > 0.0f))
            return false;
        if (nearWeb) {
            // The floor from the copy to the next point, sunk alike, crosses
            // the normal where the sheet's end face meets it.
            if (beyond < first || beyond > last)
                return false;
            Vector3D next(bare);
            sink(next, slot, depth);
            const float reach = side(next) - corner;
            if (!(std::fabs(reach) > hair * length))
                return false;
            const float f = -corner / reach;
            if (!(f > 0.0f && f <= 1.0f))
                return false;
            down.set(floor.getX() + (next.getX() - floor.getX()) * f, floor.getY() + (next.getY() - floor.getY()) * f,
                     p.getZ());
            // Within a quarter millimetre of the sunk end the face would
            // leave a step no cutter follows, and the web beside it reads
            // as a neck to the finishing.
            return std::hypot(down.getX() - q.getX(), down.getY() - q.getY()) >= 0.5f * web;
        }
        const float t = depth / along / length;
        down.set(p.getX() + ax * t, p.getY() + ay * t, p.getZ());
        return true;
    }
    return false;
}

// A slot's station that falls on a band's end face puts a point there that
// carries part of the sheet's shift: its bare place is the band's bare end.
// Sunk along the slot's direction of cut where that leans more than the
// face, the point would land ahead of the face, in the sheet, and leave a
// sliver of wood there. Gives, for point i of a slot's run, the point down
// the face at the floor's depth; false where i lies on no such face (the
// sunk end itself included), where the face runs too near across the
// slot's direction or where the depth would take the point past the sunk
// end.
bool downEndFace(const std::vector<Vector3D*>& outline, int i, const Slot& slot, float depth, float hair,
                 Vector3D& down)
{
    const Vector3D& p = *outline[size_t(i)];
    const float ax = p.getAuxA();
    const float ay = p.getAuxB();
    const float length = std::hypot(ax, ay);
    if (slot.vertical || !slot.cut || !(length > hair) || !(depth > 0.0f))
        return false;
    const float bareX = p.getX() - ax;
    const float bareY = p.getY() - ay;
    const auto at = [&](const Vector3D& q, float x, float y) {
        return std::fabs(q.getX() - x) + std::fabs(q.getY() - y) <= hair;
    };
    const int n = int(outline.size());
    // The band's bare end a few points away, beyond the run's copies.
    int bareStep = 0;
    for (const int step : {-1, 1}) {
        for (int j = i + step, k = 0; k < 4 && j >= 0 && j < n && bareStep == 0; j += step, ++k) {
            const Vector3D& q = *outline[size_t(j)];
            if (q.getAuxA() == 0.0f && q.getAuxB() == 0.0f) {
                if (at(q, bareX, bareY))
                    bareStep = step;
                break;
            }
        }
    }
    if (bareStep == 0)
        return false;
    // The sunk end the other way, on the same face and farther down it.
    float reach = 0.0f;
    for (int j = i - bareStep, k = 0; k < 4 && j >= 0 && j < n; j -= bareStep, ++k) {
        const Vector3D& e = *outline[size_t(j)];
        if (!at(e, bareX + e.getAuxA(), bareY + e.getAuxB()))
            break;
        reach = std::max(reach, std::hypot(e.getAuxA(), e.getAuxB()) - length);
    }
    if (!(reach > hair))
        return false;
    const float along = -(ax * slot.normal.getX() + ay * slot.normal.getY()) / length;
    if (!(along > 0.5f) || depth / along > reach)
        return false;
    const float t = depth / along / length;
    down.set(p.getX() + ax * t, p.getY() + ay * t, p.getZ());
    return true;
}

// Brings point i of a face ahead of a slot's wall down to the floor at
// floorY, on the upper side (above) or the lower one. Where the next point
// towards the other side (at i + step) already lies beyond the floor, the
// face from i to it is a band's end face leaning back down its last normal:
// the point slides down that face to the floor, since straight down it would
// stand ahead of the face, in the sheet. Not where that lands within a
// hundredth of a millimetre of the wall: a step that small ahead of the
// wall's corner reads to the finishing as the end of the web between two
// slots, which the spar rule leaves a hair under 0.5 mm on tilted floors,
// and the web would go with it; straight down, the sheet keeps a sliver as
// thin as that step.
void downToFloor(std::vector<Vector3D*>& outline, int i, int step, float floorY, float wallX, float hair, bool above)
{
    Vector3D& p = *outline[size_t(i)];
    const Vector3D& next = *outline[size_t(i + step)];
    const bool over = above ? p.getY() > floorY : p.getY() < floorY;
    const bool nextBeyond = above ? next.getY() < floorY : next.getY() > floorY;
    if (over && nextBeyond) {
        const float x = p.getX() + (next.getX() - p.getX()) * (p.getY() - floorY) / (p.getY() - next.getY());
        if (x > p.getX() && x < wallX - hair)
            p.setX(x);
    }
    p.setY(above ? std::min(p.getY(), floorY) : std::max(p.getY(), floorY));
}

// A slot whose front wall stands a hair behind the rib's front (sheets have
// taken the rib off as far as inside the slot) would leave a sliver of the
// end face standing in the bare rib's slot: the face ahead of the wall goes
// down to the slot's floor.
void openSlotsAtTheFront(std::vector<Vector3D*>& outline, const RibDefinition::CutRuns& runs, bool top,
                         bool bottom, float scale)
{
    const float foremost = frontOfBothSides(outline);
    const float hair = 0.05f / scale;
    if (top && outline[size_t(runs.topFront + 1)]->getX() - foremost <= hair) {
        const float wallX = outline[size_t(runs.topFront + 1)]->getX();
        const float floorY = outline[size_t(runs.topFront)]->getY();
        for (int i = runs.topFront + 1; i < runs.bottomFront && outline[size_t(i)]->getX() <= wallX; ++i)
            downToFloor(outline, i, 1, floorY, wallX, 0.01f / scale, true);
    }
    if (bottom && outline[size_t(runs.bottomFront - 1)]->getX() - foremost <= hair) {
        const float wallX = outline[size_t(runs.bottomFront - 1)]->getX();
        const float floorY = outline[size_t(runs.bottomFront)]->getY();
        for (int i = runs.bottomFront - 1; i > runs.topFront && outline[size_t(i)]->getX() <= wallX; --i)
            downToFloor(outline, i, -1, floorY, wallX, 0.01f / scale, false);
    }
}

} // namespace

bool RibModifierSquareSpar::splitAtStations(RibDefinition& rib, float front, float rear,
                                            float scale, int& frontUpper, int& frontLower,
                                            int& rearUpper, int& rearLower)
{
    if (rear < front)
        return false;
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    if (!rib.splitAtChordPosition(front, xLE, xTE, frontUpper, frontLower))
        return false;
    if (!rib.splitAtChordPosition(rear, xLE, xTE, rearUpper, rearLower))
        return false;
    // The rear upper point lands ahead of the front one in outline order.
    ++frontUpper;
    ++frontLower;
    return true;
}

bool RibModifierSquareSpar::splitSlotStations(RibDefinition& rib, float front, float rear, float scale,
                                              int& frontUpper, int& frontLower, int& rearUpper, int& rearLower,
                                              bool verticalCut)
{
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    // Where sheets have taken the front of a rib off behind the slot's front
    // wall, the rib starts inside the slot: the slot runs from the rib's new
    // front, so that the wood the bare rib has no more of goes there too.
    float newFront = -FLT_MAX;
    if (!rib.getCoveringPolygons().empty()) {
        newFront = (frontOfBothSides(rib.getRibCoords()) - xLE) * scale + 0.001f;
        if (front < newFront && newFront < rear)
            front = newFront;
    }
    // Vertical walls stand where the bare rib's stand: the sheet only
    // lowers the mouth. Moved along the chord with the sheeted surface, they
    // closed the slot in, or shifted it off the spar.
    if (verticalCut)
        return splitAtStations(rib, front, rear, scale, frontUpper, frontLower, rearUpper, rearLower);
    float frontShift[2] = {0.0f, 0.0f};
    float rearShift[2] = {0.0f, 0.0f};
    float frontShiftY[2] = {0.0f, 0.0f};
    float rearShiftY[2] = {0.0f, 0.0f};
    rib.getSheetShiftAtChordPosition(front, xLE, xTE, frontShift[0], frontShift[1], &frontShiftY[0],
                                     &frontShiftY[1]);
    rib.getSheetShiftAtChordPosition(rear, xLE, xTE, rearShift[0], rearShift[1], &rearShiftY[0], &rearShiftY[1]);
    // Where the surface at a station is sunk at all, by either component.
    const auto shifted = [](float x, float y) { return x != 0.0f || y != 0.0f; };
    const bool sunk[4] = {shifted(frontShift[0], frontShiftY[0]), shifted(rearShift[0], rearShiftY[0]),
                          shifted(frontShift[1], frontShiftY[1]), shifted(rearShift[1], rearShiftY[1])};
    // A wall moved by less than a tenth of a millimetre leaves no sliver
    // worth two more splits, but for one wall of a slot a band ends in: the
    // other wall stands in the bare surface, so where the sheet moves the
    // surface into the slot (the front wall forwards, the rear wall back)
    // the wall left at its bare station stands inside the spar by that much.
    const float least = 0.1f / scale;
    const float hair = 0.005f / scale;
    const float shifts[4] = {frontShift[0], rearShift[0], frontShift[1], rearShift[1]};
    const auto moves = [&](int k) {
        return std::fabs(shifts[k]) >= least
               || (!sunk[k ^ 1] && (k % 2 == 0 ? -shifts[k] : shifts[k]) >= hair);
    };
    if (!moves(0) && !moves(1) && !moves(2) && !moves(3))
        return splitAtStations(rib, front, rear, scale, frontUpper, frontLower, rearUpper, rearLower);
    // A slot in a sheeted surface is the bare rib's slot moved along its
    // direction of cut by the sheet, as the surface is: where that
    // direction leans, its walls move along the chord with it, each side
    // by its own sheets' shift. Cut at the bare stations, a leaning wall
    // would leave a sliver of wood inside the bare rib's slot.
    float stations[4] = {std::max(newFront, front + frontShift[0] * scale), rear + rearShift[0] * scale,
                         std::max(newFront, front + frontShift[1] * scale), rear + rearShift[1] * scale};
    // Where a band's end face leans, its sunk surface reaches past the band's
    // end over the bare surface: a station there finds the sheet's shift,
    // though the wall stands in the bare surface. Moved by it, the wall would
    // land on the bare surface and leave a web of wood standing in the bare
    // rib's slot; it is cut at its own station instead.
    const float bare[4] = {front, rear, front, rear};
    bool sheeted[4] = {false, false, false, false};
    bool heldBack[4] = {false, false, false, false};
    const auto sameShiftAt = [&](float station, int k) {
        float moved[2] = {0.0f, 0.0f};
        rib.getSheetShiftAtChordPosition(station, xLE, xTE, moved[0], moved[1]);
        return std::fabs(moved[k / 2] - shifts[k]) <= least;
    };
    for (int k = 0; k < 4; ++k) {
        if (!moves(k))
            continue;
        sheeted[k] = sameShiftAt(stations[k], k);
        heldBack[k] = !sheeted[k];
        if (heldBack[k])
            stations[k] = bare[k];
    }
    // The slot is cut along one direction, its front wall's normal, so the
    // bare rear wall meets the sheeted surface where the front wall's shift
    // takes it, wherever the sheet lies over both walls: near the section's
    // thickest point the rear wall's own shift is next to nothing, and the
    // slot closed in by the front wall's and the spar no longer went in.
    for (int k = 0; k < 4; k += 2) {
        const float withFront = bare[k + 1] + shifts[k] * scale;
        if ((sheeted[k] && sheeted[k + 1])
            || (sunk[k] && !heldBack[k] && sunk[k + 1] && !heldBack[k + 1] && sameShiftAt(withFront, k + 1)))
            stations[k + 1] = std::max(stations[k + 1], withFront);
        // A wall held at its own station beside one the sheet moves into
        // the slot (a band ending just behind a steep slot's rear wall) left
        // the slot narrower than the spar by that shift: the moved wall stays
        // at its own station too, where the sheet has already taken the wood
        // of the bare slot off.
        if ((heldBack[k] || heldBack[k + 1]) && stations[k + 1] - stations[k] < bare[k + 1] - bare[k]) {
            if (!heldBack[k])
                stations[k] = std::min(stations[k], std::max(newFront, front));
            if (!heldBack[k + 1])
                stations[k + 1] = std::max(stations[k + 1], rear);
        }
    }
    if (stations[1] < stations[0] || stations[3] < stations[2])
        return false;
    // Each split puts a point into both surfaces; the one on the other
    // side of each pair lies on its surface and changes nothing.
    int found[4] = {0, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        // A band that starts inside the slot sinks the surface at the rear
        // wall only. The slot is cut along the bare front wall's normal, so
        // the bare rear wall meets the sheeted surface where that direction
        // takes it from the bare station across the sheet; moved with the
        // sheet's own shift along the chord instead, the wall stood inside
        // the bare rib's slot and the spar no longer went in.
        if (k % 2 == 1 && !sunk[k - 1] && sunk[k] && !heldBack[k]) {
            if (const Vector3D* normal = rib.getRibCoords()[size_t(found[k - 1])]->getNormal()) {
                if (std::fabs(normal->getY()) > 0.5f)
                    stations[k] = std::max(stations[k],
                                           bare[k] + rearShiftY[k / 2] * scale * normal->getX() / normal->getY());
            }
        }
        int upper = 0;
        int lower = 0;
        if (!rib.splitAtChordPosition(stations[k], xLE, xTE, upper, lower))
            return false;
        // The lower point went in first, then the upper one ahead of it.
        for (int j = 0; j < k; ++j) {
            if (found[j] >= lower - 1)
                ++found[j];
            if (found[j] >= upper)
                ++found[j];
        }
        found[k] = k < 2 ? upper : lower;
    }
    frontUpper = found[0];
    rearUpper = found[1];
    frontLower = found[2];
    rearLower = found[3];
    return true;
}

void RibModifierSquareSpar::apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
                                  float firstRibChord, const RibDefinition& firstRib,
                                  const RibDefinition& lastRib, const RibDefinition& thisRib,
                                  float /*joinerOffsetY*/, float scale, bool isLastRibOfPanel,
                                  float /*sweepPerLength*/, bool sparEndsAtLastRib)
{
    if (lastRib.position < firstRib.position)
        return;

    float p = 0.0f;
    float offsetY = 0.0f;
    positionAt(p, offsetY, spar, firstRib, lastRib, thisRib, isLastRibOfPanel, sparEndsAtLastRib);

    float w = spar.getSquareSparWidth();
    if (spar.getSquareSparAutoAdjustWidth() != 0.0f && firstRibChord != 0.0f)
        w = w * rib.getChord() / firstRibChord;

    const float adjustFront = spar.getSquareSparWidthAdjustFront();
    const float adjustBehind = spar.getSquareSparWidthAdjustBehind();
    int F = 0, f = 0, R = 0, r = 0;
    if (!splitSlotStations(rib, p - adjustFront, p + w + adjustBehind, scale, F, f, R, r,
                           spar.getSquareSparVerticalCut()))
        return;

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    const RibDefinition::CutRuns runs = rib.duplicateCutPoints(F, f, R, r);
    const float height = spar.getSquareSparHeight() / scale;
    const bool verticalCut = spar.getSquareSparVerticalCut();
    std::vector<IdentifiableObject*>& parts = rib.getSquareSparParts();

    const Slot topSlot = slotOf(outline, spar.getSquareSparTop(), true, verticalCut, runs.topRear,
                                runs.topFront, runs.topFront);
    const Slot bottomSlot = slotOf(outline, spar.getSquareSparBottom(), false, verticalCut,
                                   runs.bottomFront, runs.bottomRear, runs.bottomFront);
    // The spar is drawn at its full depth; only its cut into the rib stops
    // short of severing it.
    std::vector<float> topLeast;
    std::vector<float> bottomLeast;
    float share = 1.0f;
    if (topSlot.cut || bottomSlot.cut) {
        const std::vector<float> none;
        SlotDepth search(outline, topSlot, bottomSlot, height, narrowestWeb / scale, none, none);
        // At full depth from the sheets' inner face a slot reaches deeper
        // than the bare rib's in any case. Short of it, where sheets have
        // sunk the runs, the share is searched with the least depths alone.
        if (!search.fits(1.0f)) {
            leastDepths(outline, topSlot, bottomSlot, height, narrowestWeb / scale, topLeast, bottomLeast);
            if (!topLeast.empty() || !bottomLeast.empty())
                share = SlotDepth::share(outline, topSlot, bottomSlot, height, narrowestWeb / scale, topLeast,
                                   bottomLeast);
            else
                share = search.halve();
        }
    }
    const float cutDepth = share < 1.0f ? height * share : height;

    // A slot's part runs from the outline's points beside the slot down to
    // its floor at the spar's full depth; the corners on the floor face
    // into the rib.
    const auto cutSlot = [&](const Slot& slot, int first, int last, bool upper) {
        Vector3D floorFirst(*outline[first]);
        Vector3D floorLast(*outline[last]);
        sink(floorFirst, slot, height);
        sink(floorLast, slot, height);
        const std::vector<float>& least = upper ? topLeast : bottomLeast;
        const auto depthAt = [&](int i) {
            return least.empty() ? cutDepth : std::max(cutDepth, least[size_t(i - first)]);
        };
        // The narrow sunk points at either end go down no deeper than the
        // floor beside them, or not at all where the sheet's inner face they
        // lie on is deeper; a groove of less than a tenth of a millimetre is
        // left as it is.
        const int firstBare = slot.vertical ? first : narrowSunkEnd(outline, first, last, 1, narrowestWeb / scale);
        const int lastBare = slot.vertical ? last : narrowSunkEnd(outline, last, first, -1, narrowestWeb / scale);
        // The copies a band ends on, found before their sunk neighbours move.
        Vector3D downEnd[2];
        int endAt[2] = {-1, -1};
        for (int i = first, found = 0; i <= last && found < 2; ++i) {
            if (downSheetEnd(outline, i, first, last, slot, depthAt(i), upper ? runs.bottomFront : runs.topRear,
                             upper ? runs.bottomRear : runs.topFront, narrowestWeb / scale, 0.001f / scale,
                             downEnd[found]))
                endAt[found++] = i;
        }
        const auto sunkDepth = [&](int i) {
            float depth = depthAt(i);
            if (i < firstBare || i > lastBare) {
                const float beside = depthAt(i < firstBare ? firstBare : lastBare) - sunkAlong(*outline[i], slot);
                if (depth - std::max(0.0f, beside) > 0.1f / scale)
                    depth = std::max(0.0f, beside);
            }
            return depth;
        };
        // The points on a band's end face, found before the face's ends move.
        std::vector<std::pair<int, Vector3D>> onFace;
        if (sheeted(outline, slot)) {
            Vector3D down;
            for (int i = first; i <= last; ++i) {
                const Vector3D& p = *outline[size_t(i)];
                if (i != endAt[0] && i != endAt[1] && (p.getAuxA() != 0.0f || p.getAuxB() != 0.0f)
                    && downEndFace(outline, i, slot, sunkDepth(i), 0.001f / scale, down))
                    onFace.emplace_back(i, down);
            }
        }
        size_t face = 0;
        for (int i = first; i <= last; ++i) {
            if (i == endAt[0] || i == endAt[1]) {
                const Vector3D& down = downEnd[i == endAt[0] ? 0 : 1];
                outline[size_t(i)]->set(down.getX(), down.getY(), down.getZ());
                continue;
            }
            if (face < onFace.size() && onFace[face].first == i) {
                const Vector3D& down = onFace[face++].second;
                outline[size_t(i)]->set(down.getX(), down.getY(), down.getZ());
                continue;
            }
            sink(*outline[i], slot, sunkDepth(i));
        }
        auto* part = upper ? new Rectangle3D(*outline[first - 1], *outline[last + 1], floorLast, floorFirst)
                           : new Rectangle3D(floorLast, floorFirst, *outline[first - 1], *outline[last + 1]);
        // The slot may be cut wider than the spar; the part is the spar.
        part->shortenXY(adjustFront / scale, adjustBehind / scale);
        std::vector<Vertex*>& corners = part->getModifiablePoints();
        // The sheets' shift the outline points carry is no part of the spar.
        for (Vertex* corner : corners)
            corner->setAux(0.0f, 0.0f);
        const size_t floor = upper ? 2 : 0;
        corners[floor]->scaleNormal(1.0f, -1.0f, 1.0f);
        corners[floor + 1]->scaleNormal(1.0f, -1.0f, 1.0f);
        addPart(parts, part, kindSlot, spar.getSquareSparId(upper ? 0 : 1), GLUtils::colorSquareSpar);
        return part;
    };
    Rectangle3D* top = spar.getSquareSparTop() ? cutSlot(topSlot, runs.topRear, runs.topFront, true) : nullptr;
    Rectangle3D* bottom =
        spar.getSquareSparBottom() ? cutSlot(bottomSlot, runs.bottomFront, runs.bottomRear, false) : nullptr;
    if (!rib.getCoveringPolygons().empty())
        openSlotsAtTheFront(outline, runs, top != nullptr, bottom != nullptr, scale);

    const SquareWebbingType webbing = spar.getSquareWebbingType();
    const int webbingTo = spar.getSquareWebbingTo();
    if (webbing != SquareWebbingType::None && spar.getSquareWebbingFrom() <= ribNumber
        && (ribNumber <= webbingTo || webbingTo == 0)) {
        addWebbing(rib, spar, 0, p, w, top, bottom, scale);
        if (webbing == SquareWebbingType::Box)
            addWebbing(rib, spar, 1, p, w, top, bottom, scale);
    }
}

void RibModifierSquareSpar::addWebbing(RibDefinition& rib, const SparDefinition& spar, int pass,
                                       float p, float w, const Rectangle3D* top,
                                       const Rectangle3D* bottom, float scale)
{
    const float ww = spar.getSquareWebbingWidth();
    const bool inside = spar.getSquareSparWebbingInside();
    SquareWebbingType kind = spar.getSquareWebbingType();
    if (kind == SquareWebbingType::Box)
        kind = (pass == 0) ? SquareWebbingType::Before : SquareWebbingType::After;

    float s = p;
    switch (kind) {
    case SquareWebbingType::Middle: s = p + (w - ww) * 0.5f; break;
    case SquareWebbingType::Before: s = inside ? p : p - ww; break;
    case SquareWebbingType::After: s = inside ? p + w - ww : p + w; break;
    default:
        std::cout << "Unknown SquareSparWebbingType in line " << __LINE__ << std::endl;
        break;
    }

    int F = 0, f = 0, R = 0, r = 0;
    if (!splitAtStations(rib, s, s + ww, scale, F, f, R, r))
        return;

    // The web stands between the slot floors; the outline keeps its shape.
    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    Vector3D rearUpper(*outline[R]);
    Vector3D frontUpper(*outline[F]);
    Vector3D frontLower(*outline[f]);
    Vector3D rearLower(*outline[r]);
    Vector3D::equalizeYMax(rearUpper, frontUpper);
    Vector3D::equalizeYMin(frontLower, rearLower);
    Rectangle3D* web = new Rectangle3D(rearUpper, frontUpper, frontLower, rearLower);

    auto cornerY = [](const Rectangle3D* shape, int corner) {
        return shape->getPoints()[corner]->getY();
    };
    float upper = FLT_MAX;
    float lower = -FLT_MAX;
    switch (kind) {
    case SquareWebbingType::Middle:
        if (top)
            upper = (cornerY(top, 2) + cornerY(top, 3)) * 0.5f;
        if (bottom)
            lower = (cornerY(bottom, 0) + cornerY(bottom, 1)) * 0.5f;
        break;
    case SquareWebbingType::Before:
        if (top)
            upper = cornerY(top, inside ? 2 : 1);
        if (bottom)
            lower = cornerY(bottom, inside ? 1 : 2);
        break;
    case SquareWebbingType::After:
        if (top)
            upper = cornerY(top, inside ? 3 : 0);
        if (bottom)
            lower = cornerY(bottom, inside ? 0 : 3);
        break;
    default:
        break;
    }
    web->clampY(upper, lower);

    std::vector<Vertex*>& corners = web->getModifiablePoints();
    for (Vertex* corner : corners)
        corner->setAux(0.0f, 0.0f);
    corners[0]->scaleNormal(1.0f, -1.0f, 1.0f);
    corners[1]->scaleNormal(1.0f, -1.0f, 1.0f);
    addPart(rib.getSquareSparParts(), web, kindWebbing, spar.getSquareWebbingId(pass), GLUtils::colorWebbing);
}
