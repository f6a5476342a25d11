#include "model/RibModifierSquareSpar.h"

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

#include <algorithm>
#include <cfloat>
#include <iostream>

namespace {

const int kindSlot = 2;
const int kindWebbing = 3;

void addAlongNormal(std::vector<Vector3D*>& outline, int from, int to, const Vector3D& shift)
{
    for (int i = from; i <= to; ++i)
        *outline[i] += shift;
}

void setY(std::vector<Vector3D*>& outline, int from, int to, float y)
{
    for (int i = from; i <= to; ++i)
        outline[i]->setY(y);
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
    if (!splitAtStations(rib, p - adjustFront, p + w + adjustBehind, scale, F, f, R, r))
        return;

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    const RibDefinition::CutRuns runs = rib.duplicateCutPoints(F, f, R, r);
    const float height = spar.getSquareSparHeight() / scale;
    const bool verticalCut = spar.getSquareSparVerticalCut();
    std::vector<IdentifiableObject*>& parts = rib.getSquareSparParts();

    Rectangle3D* top = nullptr;
    if (spar.getSquareSparTop()) {
        if (verticalCut) {
            const float floorY = std::max(outline[runs.topRear]->getY(),
                                          outline[runs.topFront]->getY()) - height;
            setY(outline, runs.topRear, runs.topFront, floorY);
        } else if (const Vector3D* normal = outline[runs.topFront]->getNormal()) {
            Vector3D shift(*normal);
            shift *= -height;
            addAlongNormal(outline, runs.topRear, runs.topFront, shift);
        }
        top = new Rectangle3D(*outline[runs.topRear - 1], *outline[runs.topFront + 1],
                              *outline[runs.topFront], *outline[runs.topRear]);
        // The slot may be cut wider than the spar; the part is the spar.
        top->shortenXY(adjustFront / scale, adjustBehind / scale);
        std::vector<Vertex*>& corners = top->getModifiablePoints();
        corners[2]->scaleNormal(1.0f, -1.0f, 1.0f);
        corners[3]->scaleNormal(1.0f, -1.0f, 1.0f);
        addPart(parts, top, kindSlot, spar.getSquareSparId(0), GLUtils::colorSquareSpar);
    }

    Rectangle3D* bottom = nullptr;
    if (spar.getSquareSparBottom()) {
        if (verticalCut) {
            const float floorY = std::min(outline[runs.bottomFront]->getY(),
                                          outline[runs.bottomRear]->getY()) + height;
            setY(outline, runs.bottomFront, runs.bottomRear, floorY);
        } else if (const Vector3D* normal = outline[runs.bottomFront]->getNormal()) {
            Vector3D shift(*normal);
            shift *= -height;
            addAlongNormal(outline, runs.bottomFront, runs.bottomRear, shift);
        }
        bottom = new Rectangle3D(*outline[runs.bottomRear], *outline[runs.bottomFront],
                                 *outline[runs.bottomFront - 1], *outline[runs.bottomRear + 1]);
        bottom->shortenXY(adjustFront / scale, adjustBehind / scale);
        std::vector<Vertex*>& corners = bottom->getModifiablePoints();
        corners[0]->scaleNormal(1.0f, -1.0f, 1.0f);
        corners[1]->scaleNormal(1.0f, -1.0f, 1.0f);
        addPart(parts, bottom, kindSlot, spar.getSquareSparId(1), GLUtils::colorSquareSpar);
    }

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
    corners[0]->scaleNormal(1.0f, -1.0f, 1.0f);
    corners[1]->scaleNormal(1.0f, -1.0f, 1.0f);
    addPart(rib.getSquareSparParts(), web, kindWebbing, spar.getSquareWebbingId(pass), GLUtils::colorWebbing);
}
