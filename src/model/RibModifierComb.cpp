#include "model/RibModifierComb.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/RibCombData.h"
#include "model/RibDefinition.h"

namespace {

enum CombPartKind { KindBody = 10, KindRemainder = 11, KindSlit = 12 };

Vector3D withY(const Vector3D& p, float y)
{
    Vector3D q(p);
    q.setY(y);
    return q;
}

// The comb parts show the comb at its nominal width while the notch in the
// outline includes the gaps. Corners 1 and 2 of every comb rectangle are
// its front corners, 0 and 3 its rear ones.
void shortenByGaps(Rectangle3D& part, float front, float rear)
{
    if (front == 0.0f && rear == 0.0f)
        return;
    const auto& c = part.getPoints();
    // A zero-width comb without gaps has no edge to shorten along.
    if (c[0]->distanceXY(*c[1]) == 0.0f || c[2]->distanceXY(*c[3]) == 0.0f)
        return;
    part.shortenXY(front, rear);
}

Rectangle3D* makePart(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, int kind, int id,
                      const float* color)
{
    auto* part = new Rectangle3D(a, b, c, d);
    part->setType(kind);
    part->setId(id);
    part->setColor(color);
    return part;
}

void addPart(RibDefinition& rib, const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d,
             int kind, int id, const float* color, float front, float rear)
{
    std::unique_ptr<Rectangle3D> part(makePart(a, b, c, d, kind, id, color));
    shortenByGaps(*part, front, rear);
    rib.getCombParts().push_back(part.get());
    part.release();
}

// The body reaches to the line (bottom corners c and d from below, top
// corners a and b from above).
void placeBody(RibDefinition& rib, const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d,
               const RibCombData& comb, bool below, float front, float rear, float scale,
               std::vector<RibModifierComb::PendingBody>* pendingBodies)
{
    if (pendingBodies && comb.getExtendToBuildingTabs()) {
        std::unique_ptr<Rectangle3D> owned(makePart(a, b, c, d, KindBody, comb.getFirstPartId(), GLUtils::colorCombPart1));
        rib.getCombParts().push_back(owned.get());
        Rectangle3D* part = owned.release();
        pendingBodies->push_back({part, below, front, rear, scale});
        return;
    }
    addPart(rib, a, b, c, d, KindBody, comb.getFirstPartId(), GLUtils::colorCombPart1, front, rear);
}

} // namespace

void RibModifierComb::apply(RibDefinition& rib, int /*ribNumber*/, const RibCombData& comb, float /*firstRibChord*/,
                            const RibDefinition& firstRib, const RibDefinition& lastRib, float topLine,
                            float bottomLine, float scale, bool isLastRibOfPanel, bool combEndsAtLastRib,
                            std::vector<PendingBody>* pendingBodies) const
{
    if (!(lastRib.position > firstRib.position) || scale == 0.0f)
        return;

    float pFirst = 0.0f;
    float pLast = 0.0f;
    comb.getAbsolutePosition(pFirst, 0, firstRib);
    comb.getAbsolutePosition(pLast, 1, lastRib);
    const float span =
        lastRib.position + (combEndsAtLastRib ? lastRib.thickness : 0.0f) - firstRib.position;
    const float here =
        rib.position + (isLastRibOfPanel ? lastRib.thickness : 0.0f) - firstRib.position;
    if (!(span > 0.0f))
        return;
    const float pos = pFirst + (pLast - pFirst) / span * here;

    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    float yU = 0.0f;
    float yL = 0.0f;
    rib.getHeightsAtChordPosition(pos, xLE, xTE, yU, yL);
    const float h = yU - yL;

    int frontUpper = 0, frontLower = 0, rearUpper = 0, rearLower = 0;
    if (!rib.splitAtChordPosition(pos - comb.getCutoutGapFore(), xLE, xTE, frontUpper, frontLower))
        return;
    if (!rib.splitAtChordPosition(pos + comb.getWidth() + comb.getCutoutGapAft(), xLE, xTE, rearUpper, rearLower))
        return;
    ++frontUpper;
    ++frontLower;

    // Each cut point gets a twin so the notch walls stand vertical: one copy
    // stays on the surface, the other moves with the run.
    const RibDefinition::CutRuns runs = rib.duplicateCutPoints(frontUpper, frontLower, rearUpper, rearLower);
    std::vector<Vector3D*>& outline = rib.getRibCoords();
    const int topFirst = runs.topRear;
    const int topLast = runs.topFront;
    const int bottomFirst = runs.bottomFront;
    const int bottomLast = runs.bottomRear;

    Vector3D p1(*outline[topFirst]);
    Vector3D p2(*outline[topLast]);
    Vector3D p3(p2);
    Vector3D p4(p1);

    const float front = comb.getCutoutGapFore() / scale;
    const float rear = comb.getCutoutGapAft() / scale;
    const float slit = comb.getSlitHeight() / scale;
    const bool cut = comb.getCutIntoRib() > 0.0f;

    if (comb.getType() == RibCombData::Below) {
        const float ref = std::max(outline[bottomFirst]->getY(), outline[bottomLast]->getY());
        const float line = comb.getExtendToBuildingTabs() ? bottomLine / scale : ref - comb.getExtend() / scale;
        p3.setY(line);
        p4.setY(line);
        p1.setY(ref);
        p2.setY(ref);
        addPart(rib, p1, p2, withY(p2, ref - slit), withY(p1, ref - slit), KindSlit, comb.getThirdPartId(),
                GLUtils::colorCombPart1, front, rear);

        const float cutLine = ref + comb.getCutIntoRib() * h / 100.0f;
        p1.setY(cutLine);
        p2.setY(cutLine);
        placeBody(rib, p1, p2, p3, p4, comb, true, front, rear, scale, pendingBodies);
        if (cut) {
            for (int i = bottomFirst; i <= bottomLast; ++i)
                outline[i]->setY(cutLine);
        }
        addPart(rib, withY(p1, yU), withY(p2, yU), p2, p1, KindRemainder, comb.getSecondPartId(),
                GLUtils::colorCombPart2, front, rear);
    } else if (comb.getType() == RibCombData::Above) {
        const float ref = std::min(outline[topFirst]->getY(), outline[topLast]->getY());
        const float line = comb.getExtendToBuildingTabs() ? topLine / scale : ref + comb.getExtend() / scale;
        p1.setY(line);
        p2.setY(line);
        // Unlike a comb from below, the slit follows the surface here.
        addPart(rib, withY(p1, p4.getY() + slit), withY(p2, p3.getY() + slit), p3, p4, KindSlit,
                comb.getThirdPartId(), GLUtils::colorCombPart1, front, rear);

        const float cutLine = ref - comb.getCutIntoRib() * h / 100.0f;
        p3.setY(cutLine);
        p4.setY(cutLine);
        placeBody(rib, p1, p2, p3, p4, comb, false, front, rear, scale, pendingBodies);
        if (cut) {
            for (int i = topFirst; i <= topLast; ++i)
                outline[i]->setY(cutLine);
        }
        addPart(rib, p4, p3, withY(p3, yL), withY(p4, yL), KindRemainder, comb.getSecondPartId(),
                GLUtils::colorCombPart1, front, rear);
    }
}

void RibModifierComb::finishBody(const PendingBody& body, float topLine, float bottomLine)
{
    std::vector<Vertex*>& corners = body.part->getModifiablePoints();
    if (body.below) {
        const float line = bottomLine / body.scale;
        corners[2]->setY(line);
        corners[3]->setY(line);
    } else {
        const float line = topLine / body.scale;
        corners[0]->setY(line);
        corners[1]->setY(line);
    }
    shortenByGaps(*body.part, body.front, body.rear);
}
