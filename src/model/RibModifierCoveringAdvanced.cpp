#include "model/RibModifierCoveringAdvanced.h"

#include "foundation/GLUtils.h"
#include "foundation/OutlineClip.h"
#include "foundation/Polygon3D.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripList.h"

#include <algorithm>
#include <cfloat>
#include <memory>

namespace {

// Sinks one run of outline points [first, last] along their normals and
// records the band: copies of the surface as it was, then the sunken points
// backwards with their normals turned inwards.
void sinkRun(std::vector<Vector3D*>& outline, int first, int last, float depth, float clipFromX, float fromX,
             float toX, OutlineClip& camberLine, std::vector<Vertex*>& strip)
{
    const size_t count = last >= first ? size_t(last - first + 1) : 0;
    // The sunken points fill the band's second half from its end backwards.
    const size_t start = strip.size();
    strip.resize(start + 2 * count);
    size_t outer = start;
    size_t inner = start + 2 * count;
    const float shift = -depth;
    // The point the band ends on at a trailing-edge face (toX) stays on the
    // face: sunk along a normal that leans back, it would come off it
    // forwards and leave a hair of wood standing up the face.
    int onFace = -1;
    // Through local pointers: a point written could alias the lists'
    // members, which were read again for every point. The band's storage
    // stays in place from the resize on.
    Vector3D* const* const points = outline.data();
    Vertex** const band = strip.data();
    for (int i = first; i <= last; ++i) {
        Vector3D& point = *points[i];
        if (toX != FLT_MAX && point.getX() == toX)
            onFace = i;
        Vertex* surface = new Vertex(point);
        surface->setAux(0.0f, 0.0f);
        band[outer++] = surface;
        // Only the coordinates of the sunken position are used: no need to
        // copy the normal (a heap allocation) along with them, nor to make a
        // point of them unless the clip needs one.
        float movedX = point.getX();
        float movedY = point.getY();
        float movedZ = point.getZ();
        if (const Vector3D* normal = point.getNormal()) {
            movedX += normal->getX() * shift;
            movedY += normal->getY() * shift;
            movedZ += normal->getZ() * shift;
        }
        // Behind the nose the rib is thin: the sheeting may eat into it but
        // never through the camber line.
        if (point.getX() > clipFromX) {
            Vector3D moved(movedX, movedY, movedZ);
            camberLine.clip(point, moved);
            movedX = moved.getX();
            movedY = moved.getY();
            movedZ = moved.getZ();
        }
        // The point keeps how far the sheets have moved it from the bare
        // surface: a slot cut later must reach at least as deep as the bare
        // rib's (see RibDefinition::splitAtChordPosition).
        point.setAux(point.getAuxA() + movedX - point.getX(), point.getAuxB() + movedY - point.getY());
        point.setX(movedX);
        point.setY(movedY);
        point.setZ(movedZ);
        Vertex* back = new Vertex(point);
        back->setAux(0.0f, 0.0f);
        back->scaleNormal(-1.0f, -1.0f, 1.0f);
        band[--inner] = back;
    }
    // Where the band ends at the face of a leading or trailing edge piece,
    // or at a blunt trailing edge, a surface that curves against the sheet
    // moves the points next to the face out past it: they go back onto the
    // face. Only points that lay
    // within the sheet's thickness of the face can have passed it, so the
    // run is followed from either end only while it is that near.
    if (fromX == -FLT_MAX && toX == FLT_MAX)
        return;
    auto nearFace = [&](int i) {
        const float x = outline[size_t(i)]->getX();
        return x < fromX + depth || x > toX - depth;
    };
    auto ontoFace = [&](int i) {
        Vector3D& point = *outline[size_t(i)];
        const float x = std::min(toX, std::max(fromX, point.getX()));
        if (x == point.getX())
            return;
        point.setAux(point.getAuxA() + x - point.getX(), point.getAuxB());
        point.setX(x);
        strip[start + 2 * count - 1 - size_t(i - first)]->setX(x);
    };
    for (int i = first; i <= last && nearFace(i); ++i)
        ontoFace(i);
    for (int i = last; i >= first && nearFace(i); --i)
        ontoFace(i);
    if (onFace >= 0 && outline[size_t(onFace)]->getX() < toX) {
        Vector3D& point = *outline[size_t(onFace)];
        point.setAux(point.getAuxA() + toX - point.getX(), point.getAuxB());
        point.setX(toX);
        strip[start + 2 * count - 1 - size_t(onFace - first)]->setX(toX);
    }
}

// The height of the side [from, to] of the outline (either order) at x,
// found from the nose end (from) back; false where it does not reach x.
// Across the face a leading-edge piece leaves, the side is as high as the
// face's top (upper) or as low as its bottom. Asked at stations that run
// back along the chord, it goes on from the segment it found last as long
// as the side has run back all the way to there: no segment ahead of that
// one can hold a station farther back.
class SideHeights
{
public:
    SideHeights(const std::vector<Vector3D*>& outline, int from, int to, bool upper)
        : outline(outline), from(from), to(to), step(to >= from ? 1 : -1), upper(upper), found(from)
    {
    }
    bool at(float x, float& y)
    {
        int i = from;
        if (ordered && x >= lastX) {
            i = found;
        } else {
            ordered = true;
        }
        for (; i != to; i += step) {
            const Vector3D& a = *outline[size_t(i)];
            const Vector3D& b = *outline[size_t(i + step)];
            if (x < std::min(a.getX(), b.getX()) || x > std::max(a.getX(), b.getX())) {
                ordered = ordered && b.getX() >= a.getX();
                continue;
            }
            const float dx = b.getX() - a.getX();
            y = dx != 0.0f ? a.getY() + (b.getY() - a.getY()) * (x - a.getX()) / dx
                           : (upper ? std::max(a.getY(), b.getY()) : std::min(a.getY(), b.getY()));
            found = i;
            lastX = x;
            return true;
        }
        // Not reached: the next station starts from the nose again.
        ordered = false;
        return false;
    }

private:
    const std::vector<Vector3D*>& outline;
    const int from;
    const int to;
    const int step;
    const bool upper;
    int found;
    float lastX = 0.0f;
    bool ordered = false;
};

// Whether q stands farther into the rib than b, seen from the nose point
// tip, for a sheet on the lower side (sheetBelow) or the upper one.
bool deeperSeenFrom(const Vector3D& tip, const Vector3D& b, const Vector3D& q, bool sheetBelow)
{
    const float turn = (b.getX() - tip.getX()) * (q.getY() - tip.getY())
                       - (b.getY() - tip.getY()) * (q.getX() - tip.getX());
    return sheetBelow ? turn > 0.0f : turn < 0.0f;
}

// Where the normal of the sunk point i (from the bare surface, which the
// point's shift gives back, to the point) passes out through the other side
// behind fromX; fromX where it does not. A sheet's normals lean back where
// the surface falls towards the nose: an end face straight across the rib
// at fromX would leave wood in the sheet beneath the normals ahead of it.
float sheetLeavesOtherSideAt(const std::vector<Vector3D*>& outline, int i, int otherNose, int otherEnd,
                             bool sheetBelow, float fromX)
{
    const Vector3D& inner = *outline[size_t(i)];
    const float outerX = inner.getX() - inner.getAuxA();
    const float outerY = inner.getY() - inner.getAuxB();
    float other = 0.0f;
    if (!(inner.getX() > fromX) || !SideHeights(outline, otherNose, otherEnd, sheetBelow).at(inner.getX(), other)
        || (sheetBelow ? inner.getY() < other : inner.getY() > other))
        return fromX;
    // The normal is through the other side at its inner end: the crossing
    // lies between there and fromX (or its outer end), found by halving.
    float through = 1.0f;
    float before = std::max(0.0f, (fromX - outerX) / (inner.getX() - outerX));
    for (int step = 0; step < 12; ++step) {
        const float t = 0.5f * (before + through);
        const float x = outerX + (inner.getX() - outerX) * t;
        const float y = outerY + (inner.getY() - outerY) * t;
        const bool passed = SideHeights(outline, otherNose, otherEnd, sheetBelow).at(x, other)
                            && (sheetBelow ? y >= other : y <= other);
        (passed ? through : before) = t;
    }
    return std::max(fromX, outerX + (inner.getX() - outerX) * through);
}

// Where the end face from corner must meet the other side for the sunk
// point i, ahead of the corner along the sheet, to lie in front of it (the
// corner's x where it already does). The camber line holds the sunk points
// up only behind the front tenth of the rib: ahead of that, a sheet thicker
// than half a thin tip sinks its normals to just short of the other side,
// behind the first held one, where the face stands. The sheet's inner face
// runs from the corner down to such a point: a face straight across would
// leave the wood between standing in the sheet.
float faceThroughSunkPointAt(const std::vector<Vector3D*>& outline, int i, const Vector3D& corner, int otherNose,
                             int otherEnd, bool sheetBelow)
{
    const Vector3D& q = *outline[size_t(i)];
    const float dx = q.getX() - corner.getX();
    const float dy = q.getY() - corner.getY();
    float other = 0.0f;
    // Only a point behind the corner and between it and the other side: one
    // through the other side leans the face by its normal's crossing.
    if (!(dx > 0.0f) || (sheetBelow ? !(dy > 0.0f) : !(dy < 0.0f))
        || !SideHeights(outline, otherNose, otherEnd, sheetBelow).at(q.getX(), other)
        || (sheetBelow ? q.getY() >= other : q.getY() <= other))
        return corner.getX();
    // The line from the corner through the point meets the other side
    // beyond it: out to a multiple of the way where it has, then halved.
    float inside = 1.0f;
    float beyond = 2.0f;
    const auto passed = [&](float t) {
        float y = 0.0f;
        const float x = corner.getX() + dx * t;
        const float lineY = corner.getY() + dy * t;
        return !SideHeights(outline, otherNose, otherEnd, sheetBelow).at(x, y)
               || (sheetBelow ? lineY >= y : lineY <= y);
    };
    while (!passed(beyond) && beyond < 64.0f) {
        inside = beyond;
        beyond *= 2.0f;
    }
    for (int step = 0; step < 12; ++step) {
        const float t = 0.5f * (inside + beyond);
        (passed(t) ? beyond : inside) = t;
    }
    return corner.getX() + dx * beyond;
}

// A sheet on one side of a nose wraps round it, or, behind a leading-edge
// piece, sinks the thin front of the rib behind the piece's face: its inner
// face runs back through the thin front of the rib and may pass through the
// other side's surface, a hook of wood with no rib left in it. The rib ends
// where the inner face has drawn at least limit away from the other side
// for good (within the front third of the chord), or at the band's end
// where it never does: the sunk run [nose, rear] ahead of that point and
// the other side ahead of its station go onto the end face across the rib
// there. The face leans back to where the rearmost of the sheet's normals
// ahead of it passes out through the other side: no wood stays beneath them.
bool endNoseAtSheet(std::vector<Vector3D*>& outline, int nose, int rear, int otherNose, int otherEnd, bool sheetBelow,
                    float limit, float frontX)
{
    const int step = rear >= nose ? 1 : -1;
    int lastThin = -1;
    SideHeights otherSide(outline, otherNose, otherEnd, sheetBelow);
    for (int i = nose; i != rear + step; i += step) {
        const Vector3D& q = *outline[size_t(i)];
        if (q.getX() > frontX)
            break;
        float other = 0.0f;
        const bool reached = otherSide.at(q.getX(), other);
        const float gap = sheetBelow ? other - q.getY() : q.getY() - other;
        if (!reached || gap < limit)
            lastThin = i;
    }
    if (lastThin < 0)
        return false;
    const int endIndex = lastThin + step;
    const Vector3D end(*outline[size_t(endIndex)]);
    float otherY = 0.0f;
    if (!SideHeights(outline, otherNose, otherEnd, sheetBelow).at(end.getX(), otherY))
        return false;
    float footX = end.getX();
    for (int i = nose; i != endIndex; i += step)
        footX = std::max(footX, sheetLeavesOtherSideAt(outline, i, otherNose, otherEnd, sheetBelow, end.getX()));
    // Ended at the band's end, the face starts on the surface: where the
    // band's last normal leans back, the face runs down it to its sunk end
    // and on to the other side there, not straight across beneath it.
    Vector3D corner(end);
    if (lastThin == rear) {
        const Vector3D& sunk = *outline[size_t(rear)];
        float below = 0.0f;
        if (sunk.getX() > end.getX() && otherSide.at(sunk.getX(), below)
            && (sheetBelow ? below > sunk.getY() : sunk.getY() > below)) {
            corner = sunk;
            footX = std::max(footX, sunk.getX());
        }
    }
    for (int i = nose; i != endIndex; i += step)
        footX = std::max(footX, faceThroughSunkPointAt(outline, i, corner, otherNose, otherEnd, sheetBelow));
    if (footX > end.getX())
        SideHeights(outline, otherNose, otherEnd, sheetBelow).at(footX, otherY);
    for (int i = nose; i != endIndex; i += step)
        outline[size_t(i)]->set(corner.getX(), corner.getY(), corner.getZ());
    const int otherStep = otherEnd >= otherNose ? 1 : -1;
    for (int i = otherNose; i != otherEnd && outline[size_t(i)]->getX() < footX; i += otherStep)
        outline[size_t(i)]->set(footX, otherY, outline[size_t(i)]->getZ());
    return true;
}

// Round a nose tighter than a one-sided sheet is thick, the normals of the
// points just behind the nose fan out: their sunk points rise above the end
// face the nose's own normal draws (wood where the sheet lies) and fall
// again behind it, a groove too narrow to cut. The end face then runs from
// the nose (otherNose, the untouched copy) straight to the sunk point that
// stands farthest into the rib within a sheet's thickness behind the sunk
// nose, and the fan ahead of that point goes onto it.
void leanNoseFaceOverFan(std::vector<Vector3D*>& outline, int nose, int rear, int otherNose, int otherEnd,
                         bool sheetBelow, float limit, float depth)
{
    const int step = rear >= nose ? 1 : -1;
    const Vector3D& tip = *outline[size_t(otherNose)];
    const float reach = outline[size_t(nose)]->getX() + depth;
    int best = nose;
    for (int i = nose + step; i != rear + step; i += step) {
        const Vector3D& q = *outline[size_t(i)];
        if (q.getX() > reach)
            break;
        if (q.getX() > tip.getX() && deeperSeenFrom(tip, *outline[size_t(best)], q, sheetBelow))
            best = i;
    }
    if (best == nose)
        return;
    const Vector3D end(*outline[size_t(best)]);
    float otherY = 0.0f;
    if (!SideHeights(outline, otherNose, otherEnd, sheetBelow).at(end.getX(), otherY)
        || (sheetBelow ? otherY - end.getY() : end.getY() - otherY) < limit)
        return;
    for (int i = nose; i != best; i += step)
        outline[size_t(i)]->set(end.getX(), end.getY(), end.getZ());
}

// Round a nose tighter than a one-sided sheet is thick, the points just
// behind the nose sink past the nose's own sunk point: the inner face turns
// forwards under the sheet's end face and back again, a notch too narrow to
// cut. Of the nose's sunk point and those ahead of it, the one that stands
// farthest into the rib seen from the nose (tip, the untouched copy) ends
// the face: the points before it and those after it still ahead of it go
// onto it. The face then clears the nose's own normal, which the sheet's end
// lies against, as well as the fanned ones, and the inner face runs from
// there straight to the first point behind, taking the wood beside the
// notch. The sunk run is [nose, rear] (either order).
void closeNotchAtNose(std::vector<Vector3D*>& outline, int nose, int rear, const Vector3D& tip, bool sheetBelow)
{
    const int step = rear >= nose ? 1 : -1;
    const float noseX = outline[size_t(nose)]->getX();
    int target = nose;
    int i = nose + step;
    for (; i != rear + step && outline[size_t(i)]->getX() < noseX; i += step) {
        if (deeperSeenFrom(tip, *outline[size_t(target)], *outline[size_t(i)], sheetBelow))
            target = i;
    }
    const Vector3D end(*outline[size_t(target)]);
    for (int k = nose; k != i; k += step) {
        const bool before = (k - target) * step < 0;
        if (before || outline[size_t(k)]->getX() < end.getX())
            outline[size_t(k)]->set(end.getX(), end.getY(), end.getZ());
    }
    for (; i != rear + step && outline[size_t(i)]->getX() < end.getX(); i += step)
        outline[size_t(i)]->set(end.getX(), end.getY(), end.getZ());
}

// A one-sided sheet's end at the nose, its sunk run [nose, rear] and the
// other side's run from otherNose to otherEnd: the notch under it closed,
// then the rib ended where the sheet leaves too little of it, or else the
// end face leant over the fan of the sheet's normals.
void endOneSidedNose(std::vector<Vector3D*>& outline, int nose, int rear, int otherNose, int otherEnd,
                     bool sheetBelow, float limit, float frontX, float depth)
{
    closeNotchAtNose(outline, nose, rear, *outline[size_t(otherNose)], sheetBelow);
    if (!endNoseAtSheet(outline, nose, rear, otherNose, otherEnd, sheetBelow, limit, frontX))
        leanNoseFaceOverFan(outline, nose, rear, otherNose, otherEnd, sheetBelow, limit, depth);
}

// A band that runs out over a trailing edge with no piece cut off ends on
// the section's own face: the untouched copies of the surface at the
// trailing edge, left at [from, to), would stand a hair of wood up that face
// to the bare surface and straight back down to the sheet's inner face. They
// go onto the sunk trailing-edge point, which sinkRun kept on the face, with
// its shift, so that the face runs from the other side to the sheet. Only
// points at the face (faceX) go: the outline's end as an earlier band left
// it stays.
void settleTrailingEdgeUnderSheet(std::vector<Vector3D*>& outline, int from, int to, int sunk, float faceX)
{
    const Vector3D& end = *outline[size_t(sunk)];
    for (int i = from; i < to; ++i) {
        Vector3D& point = *outline[size_t(i)];
        if (point.getX() >= faceX) {
            point.set(end.getX(), end.getY(), end.getZ());
            point.setAux(end.getAuxA(), end.getAuxB());
        }
    }
}

} // namespace

RibModifierCoveringAdvanced::~RibModifierCoveringAdvanced() = default;

void RibModifierCoveringAdvanced::apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
                                        const CoveringDefinition&, const SheetingStripList& strips, float scale,
                                        const RibListTableModel& ribTable)
{
    const int ribCount = ribTable.getRibCount();
    camberClip.forget();
    for (const SheetingStripDefinition& strip : strips.getStrips()) {
        if (ribNumber < strip.getFirstRib() || ribNumber > strip.getLastRib())
            continue;
        // Rib numbers from a foreign document may lie outside the panel.
        if (strip.getFirstRib() < 1)
            continue;
        const int firstNumber = std::min(ribCount, strip.getFirstRib());
        const int lastNumber = std::min(ribCount, strip.getLastRib());
        const RibDefinition* firstRib = ribAt(ribTable, firstNumber - 1);
        const RibDefinition* lastRib = ribAt(ribTable, lastNumber - 1);
        if (!firstRib || !lastRib)
            continue;
        const RibDefinition& first = *firstRib;
        const RibDefinition& last = *lastRib;

        float lengthFirst = 0, lengthLast = 0, startFirst = 0, startLast = 0;
        strip.getRealPosition(lengthFirst, 0, first, false);
        strip.getRealPosition(lengthLast, 1, last, false);
        strip.getRealPosition(startFirst, 2, first, true);
        strip.getRealPosition(startLast, 3, last, true);

        // The panel's last rib stands with its far face on the tip, so the
        // strip reaches over its thickness there.
        const bool stripEndsAtTip = lastNumber == ribCount;
        const float e = stripEndsAtTip ? last.thickness : 0.0f;
        const float d = (stripEndsAtTip && ribNumber == lastNumber) ? rib.thickness : 0.0f;
        const float span = last.position + e - first.position;
        float t = 0.0f;
        if (last.position != first.position && span != 0.0f)
            t = (rib.position + d - first.position) / span;

        const float s = startFirst + (startLast - startFirst) * t;
        const float len = lengthFirst + (lengthLast - lengthFirst) * t;
        const bool fromTE = !strip.getMeasureFromLE();
        const float start = fromTE ? s - len : s;
        const float end = fromTE ? s : s + len;

        std::vector<Vertex*> upperPoints;
        std::vector<Vertex*> lowerPoints;
        try {
            if (!cutCovering(rib, upperPoints, lowerPoints, start, strip.getUpper(), strip.getLower(),
                             strip.getThickness(), end, frontLimit, rearLimit, scale, fromTE, &camberClip))
                continue;
            if (strip.getUpper())
                addCoveringPolygon(rib, upperPoints, strip.getId(1));
            if (strip.getLower())
                addCoveringPolygon(rib, lowerPoints, strip.getId(0));
        } catch (...) {
            // Out of memory midway (the build is then refused): the points
            // no polygon has taken over yet belong to nobody else.
            for (Vertex* point : upperPoints)
                delete point;
            for (Vertex* point : lowerPoints)
                delete point;
            throw;
        }
    }
}

void RibModifierCoveringAdvanced::addCoveringPolygon(RibDefinition& rib, std::vector<Vertex*>& points, int id)
{
    // Takes the points over, so from here on the polygon frees them.
    auto polygon = std::make_unique<Polygon3D>(points);
    polygon->setId(id);
    polygon->setColor(GLUtils::colorCovering);
    rib.getCoveringPolygons().push_back(polygon.get());
    polygon.release();
}

const RibDefinition* RibModifierCoveringAdvanced::ribAt(const RibListTableModel& ribTable, int row)
{
    const int ribCount = ribTable.getRibCount();
    if (&ribTable != indexedTable || int(ribIndex.size()) != ribCount) {
        ribIndex.clear();
        for (const RibDefinition& rib : ribTable.getRibList().getRibs())
            ribIndex.push_back(&rib);
        indexedTable = &ribTable;
    }
    if (row >= 0 && row < ribCount)
        return ribIndex[size_t(row)];
    // Reports the row it cannot find.
    bool found = false;
    const RibDefinition& rib = ribTable.findRib(row, found);
    return found ? &rib : nullptr;
}

bool RibModifierCoveringAdvanced::cutCovering(RibDefinition& rib, std::vector<Vertex*>& upperStrip,
                                              std::vector<Vertex*>& lowerStrip, float start, bool doUpper,
                                              bool doLower, float thickness, float end, float frontLimit,
                                              float rearLimit, float scale, bool fromTE, OutlineClip* camberClip)
{
    const float chord = rib.getChord();
    const float rearStation = chord - rearLimit;
    if (fromTE) {
        end = std::min(end, rearStation);
        start = std::min(start, rearStation);
    } else if (end >= rearStation) {
        end = rearStation;
    }
    // Wherever the band is measured from, it cannot reach into the leading
    // edge piece.
    start = std::max(start, frontLimit);
    // A band squeezed to nothing (or reversed) by the limits is not cut: the
    // two stations would run the outline backwards.
    if (end < start || scale == 0.0f)
        return false;

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    const int n = int(outline.size());
    if (n < 2)
        return false;
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + chord / scale;

    int frontUpper = 0;
    int frontLower = 0;
    const bool nosePair = start == frontLimit;
    if (nosePair) {
        // The nose pair: after a leading-edge cut these are the two points
        // left where the piece was taken off.
        frontUpper = n / 2 - 1;
        frontLower = n / 2;
    } else if (!rib.splitAtChordPosition(start, xLE, xTE, frontUpper, frontLower)) {
        return false;
    }
    int rearUpper = 0;
    int rearLower = 0;
    if (!rib.splitAtChordPosition(end, xLE, xTE, rearUpper, rearLower))
        return false;
    // The rear upper point went in ahead of both front points.
    ++frontUpper;
    ++frontLower;

    // Each cut point gets a copy, so that the sunken runs and the untouched
    // outline keep a point of their own at every station.
    const RibDefinition::CutRuns runs = rib.duplicateCutPoints(frontUpper, frontLower, rearUpper, rearLower);

    const float clipFromX = outline.front()->getX() - 0.9f * RibDefinition::getPieceDepth(outline);
    const float depth = thickness / scale;
    OutlineClip ownClip;
    OutlineClip& camberLine = camberClip ? *camberClip : ownClip;
    camberLine.use(rib.getCamberLineCoords());
    const float fromX = nosePair && frontLimit > 0.0f ? outline[size_t(runs.topFront)]->getX() : -FLT_MAX;
    // A band that reaches the trailing edge ends on a face there: a
    // trailing-edge piece's, or, where no piece was cut off, the section's
    // own.
    const bool ownFace = !(rearLimit > 0.0f) && end >= chord - 0.001f;
    const float toX = (end == rearStation && rearLimit > 0.0f) || ownFace ? outline[size_t(runs.topRear)]->getX()
                                                                          : FLT_MAX;
    if (doUpper)
        sinkRun(outline, runs.topRear, runs.topFront, depth, clipFromX, fromX, toX, camberLine, upperStrip);
    if (doLower)
        sinkRun(outline, runs.bottomFront, runs.bottomRear, depth, clipFromX, fromX, toX, camberLine, lowerStrip);
    if (ownFace) {
        if (doUpper)
            settleTrailingEdgeUnderSheet(outline, 0, runs.topRear, runs.topRear, toX);
        if (doLower)
            settleTrailingEdgeUnderSheet(outline, runs.bottomRear + 1, int(outline.size()), runs.bottomRear, toX);
    }

    if (nosePair && doUpper != doLower) {
        const float limit = 0.5f / scale;
        const float frontX = xLE + chord / scale / 3.0f;
        if (doLower)
            endOneSidedNose(outline, runs.bottomFront, runs.bottomRear, runs.bottomFront - 1, 0, true, limit, frontX,
                            depth);
        else
            endOneSidedNose(outline, runs.topFront, runs.topRear, runs.topFront + 1, int(outline.size()) - 1, false,
                            limit, frontX, depth);
    }
    // Where no leading-edge piece was cut off, the nose pair is the leading
    // edge itself, doubled. Its two untouched copies have no cut face to
    // draw between the sunk sides: the outline would run out to the old
    // leading edge and straight back, a cut into the nose and out again.
    if (nosePair && doUpper && doLower) {
        const auto first = outline.begin() + (runs.topFront + 1);
        const auto last = outline.begin() + runs.bottomFront;
        if (last - first == 2 && **first == **(first + 1)) {
            delete *first;
            delete *(first + 1);
            outline.erase(first, last);
        }
    }
    return true;
}
