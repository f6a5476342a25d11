#include "model/PanelDrawing.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <iterator>
#include <qopengl.h>

#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/Panel.h"
#include "model/PlaneVisualisationOptions.h"
#include "model/RibCombData.h"
#include "model/RibCombList.h"
#include "model/RibDefinition.h"
#include "model/SegmentEndFaces.h"
#include "model/SheetingStripDefinition.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "model/SparList.h"

namespace {

using Ribs = PanelDrawing::Ribs;

// The shape with the given owner id in one rib's part list, or null.
const IdentifiableObject* findPart(int id, const RibDefinition::PartList& parts)
{
    const int index = RibDefinition::findPartIndex(id, parts);
    return index < 0 ? nullptr : parts[static_cast<size_t>(index)];
}

const Rectangle3D* asRectangle(const IdentifiableObject* part)
{
    const auto* rectangle = dynamic_cast<const Rectangle3D*>(part);
    return rectangle && rectangle->hasCorners() ? rectangle : nullptr;
}

// A shape made without a colour record keeps the colour in force.
void setPartColour(const IdentifiableObject& part, const PlaneVisualisationOptions& options)
{
    if (part.getColor())
        GLUtils::setObjectColor(part.getColor(), options.getTransparency());
}

// Calls draw(ribA, ribB, first, last) for every pair of neighbouring ribs
// from rib number firstRib to lastRib (1-based), as far as the ribs go.
template <class Draw>
void walkSegments(int firstRib, int lastRib, const Ribs& ribs, Draw draw)
{
    if (firstRib < 1)
        return;
    int segments = lastRib - firstRib;
    bool first = true;
    for (size_t k = static_cast<size_t>(firstRib - 1); segments > 0 && k + 1 < ribs.size(); ++k, --segments) {
        draw(*ribs[k], *ribs[k + 1], first, segments == 1);
        first = false;
    }
}

// The solid of one rectangular piece between two ribs, end faces taken from
// where it meets the rib faces.
void drawBoxSegment(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribA,
                    const RibDefinition& ribB, bool first, bool last, float offset, int side)
{
    Rectangle3D faceA;
    Rectangle3D faceB;
    calculateBoxSegmentEndFaces(a, b, ribA, ribB, first, last, offset, faceA, faceB);
    if (!faceA.hasCorners() || !faceB.hasCorners())
        return;
    if (faceB.getPoints()[0]->getZ() > faceA.getPoints()[0]->getZ())
        GLUtils::drawBoxSolid(faceA.getPoints(), 0.0f, 0.0f, 0.0f, faceB.getPoints(), 0.0f, 0.0f, 0.0f, side, true,
                              true);
}

// One chain of point lists along the span, one list per rib (null where a
// rib has none): a slab on the first rib, strips joining each pair of
// neighbours (through the last rib on the last pair), the faces of the last.
template <class P>
void drawSpanSolid(const std::vector<const std::vector<P*>*>& pieces, const Ribs& ribs, int side)
{
    const size_t n = std::min(pieces.size(), ribs.size());
    if (n == 0)
        return;
    if (pieces[0] && !pieces[0]->empty()) {
        GLUtils::normal(0.0f, 0.0f, static_cast<float>(-side));
        GLUtils::drawOutlineSlabZ(*pieces[0], ribs[0]->scaledThickness);
    }
    if (n == 1)
        return;
    for (size_t k = 0; k + 1 < n; ++k) {
        const std::vector<P*>* a = pieces[k];
        const std::vector<P*>* b = pieces[k + 1];
        // A rib without this piece (or a different count of points, as a rib
        // too short for its cut gives) is joined only where both have points.
        if (!a || !b || a->empty() || b->empty())
            continue;
        const float extra = k + 2 == n ? ribs[n - 1]->scaledThickness : 0.0f;
        const size_t m = std::min(a->size(), b->size());
        const size_t count = a->size() == b->size() ? m + 1 : m;
        GLUtils::beginPrimitive(GL_TRIANGLE_STRIP);
        for (size_t i = 0; i < count; ++i) {
            const P* pa = (*a)[i % m];
            const P* pb = (*b)[i % m];
            if (const Vector3D* normal = pa->getNormal())
                GLUtils::normal(normal->getX() * side, normal->getY() * side, normal->getZ() * side);
            GLUtils::vertex(*pb, 0.0f, 0.0f, extra);
            GLUtils::vertex(*pa);
        }
        GLUtils::endPrimitive();
    }
    if (pieces[n - 1] && !pieces[n - 1]->empty())
        GLUtils::drawOutlineFaces(*pieces[n - 1], ribs[n - 1]->scaledThickness, 0.0f);
}

void drawEdge(const Ribs& ribs, const float colour[4], const PlaneVisualisationOptions& options, int side,
              bool leading)
{
    GLUtils::setColor(colour, options.getTransparency());
    std::vector<const RibDefinition::PointList*> pieces;
    pieces.reserve(ribs.size());
    for (const RibDefinition* rib : ribs)
        pieces.push_back(leading ? &rib->getLEPieceCoords() : &rib->getTEPieceCoords());
    drawSpanSolid(pieces, ribs, side);
}

// One side of an advanced sheeting strip: its covering polygons from the
// strip's first to its last rib.
void drawStripSide(const SheetingStripDefinition& strip, int polygonId, const Ribs& ribs,
                   const PlaneVisualisationOptions& options, int side)
{
    if (strip.getFirstRib() < 1 || static_cast<size_t>(strip.getFirstRib()) > ribs.size())
        return;
    const size_t from = static_cast<size_t>(strip.getFirstRib() - 1);
    const size_t to = std::min(ribs.size(), static_cast<size_t>(std::max(strip.getFirstRib(), strip.getLastRib())));
    Ribs range(ribs.begin() + static_cast<long>(from), ribs.begin() + static_cast<long>(to));
    std::vector<const std::vector<Vertex*>*> polygons;
    const IdentifiableObject* firstPolygon = nullptr;
    for (const RibDefinition* rib : range) {
        const IdentifiableObject* polygon = findPart(polygonId, rib->getCoveringPolygons());
        polygons.push_back(polygon ? &polygon->getPoints() : nullptr);
        if (polygon && !firstPolygon)
            firstPolygon = polygon;
    }
    if (!firstPolygon)
        return;
    if (strip.isSelected())
        GLUtils::setColor(GLUtils::colorSelection, options.getTransparency());
    else
        setPartColour(*firstPolygon, options);

    if (range.size() == 1) {
        GLUtils::drawOutlineSlabZ(*polygons[0], range[0]->scaledThickness);
        return;
    }
    if (!strip.getCapStrip()) {
        drawSpanSolid(polygons, range, side);
        return;
    }
    // A cap strip lies on each rib only.
    for (size_t k = 0; k < range.size(); ++k) {
        if (!polygons[k])
            continue;
        const float t = range[k]->scaledThickness;
        GLUtils::drawOutlineWallZ(*polygons[k], static_cast<float>(side), t, false);
        GLUtils::drawOutlineSlabZ(*polygons[k], t);
        GLUtils::drawOutlineFaces(*polygons[k], t, 0.0f);
    }
}

} // namespace

PanelDrawing::Scene PanelDrawing::sceneOf(const Panel& panel)
{
    Scene scene;
    for (const RibDefinition& rib : panel.getRibList().getRibs())
        scene.ribs.push_back(&rib);
    scene.spars = &panel.getSparList();
    scene.combs = &panel.getCombList();
    scene.covering = &panel.getPanelBaseData().getCoveringDefinition();
    scene.strips = &panel.getSheetingStripList();
    scene.rootChord = panel.getRootChord();
    scene.tipChord = panel.getTipChord();
    scene.length = panel.getLength();
    scene.sweep = panel.getSweep();
    const float wingRootChord = panel.getWingRootChord();
    scene.reference = wingRootChord > 0.0f ? wingRootChord : panel.getRootChord();
    scene.selected = panel.isSelected();
    return scene;
}

namespace {

float referenceOf(const PanelDrawing::Scene& scene)
{
    return scene.reference > 0.0f ? scene.reference : 1.0f;
}

void drawSelectionBox(const PanelDrawing::Scene& scene)
{
    if (!scene.selected || scene.ribs.empty())
        return;
    const float reference = referenceOf(scene);
    const RibDefinition& root = *scene.ribs.front();
    const float height =
        root.getRibCoords().empty() ? 0.0f : (std::fabs(root.getMaxY()) + std::fabs(root.getMinY())) * reference;
    GLUtils::drawPanelBox(scene.rootChord, scene.tipChord, scene.length, scene.sweep, height, 1.0f / reference);
}

} // namespace

bool PanelDrawing::shows(const Scene& scene, Piece piece, const PlaneVisualisationOptions& options)
{
    if (scene.ribs.size() < 2)
        return false;
    switch (piece) {
    case LeadingEdgePiece:
        return options.getShowLE();
    case TrailingEdgePiece:
        return options.getShowTE();
    case CombsPiece:
        return options.getShowCombs() && scene.combs;
    case SparsPiece:
        return options.getShowSpars() && scene.spars;
    case CoveringPiece:
        return options.getShowCovering() && scene.covering && scene.strips;
    case PieceCount:
        break;
    }
    return false;
}

void PanelDrawing::drawPiece(const Scene& scene, Piece piece, const PlaneVisualisationOptions& options, int side)
{
    const size_t parts = pieceParts(scene, piece);
    for (size_t part = 0; part < parts; ++part)
        drawPiecePart(scene, piece, part, options, side);
}

namespace {

bool advancedCovering(const PanelDrawing::Scene& scene)
{
    return scene.covering && scene.strips && static_cast<int>(scene.covering->getSheetingType()) == 2;
}

} // namespace

size_t PanelDrawing::pieceParts(const Scene& scene, Piece piece)
{
    switch (piece) {
    case CombsPiece:
        return scene.combs ? scene.combs->getCombs().size() : 0;
    case SparsPiece:
        return scene.spars ? scene.spars->getSpars().size() : 0;
    case CoveringPiece:
        return advancedCovering(scene) ? scene.strips->getStrips().size() : 1;
    default:
        return 1;
    }
}

void PanelDrawing::drawPiecePart(const Scene& scene, Piece piece, size_t part,
                                 const PlaneVisualisationOptions& options, int side)
{
    const Ribs& ribs = scene.ribs;
    switch (piece) {
    case LeadingEdgePiece:
        drawLeadingEdge(ribs, options, side);
        break;
    case TrailingEdgePiece:
        drawTrailingEdge(ribs, options, side);
        break;
    case CombsPiece:
        if (scene.combs && part < scene.combs->getCombs().size()) {
            const RibCombData& comb = *std::next(scene.combs->getCombs().begin(), long(part));
            if (comb.getType() == RibCombData::Above || comb.getType() == RibCombData::Below)
                drawComb(comb, ribs, referenceOf(scene), options, side);
        }
        break;
    case SparsPiece:
        if (scene.spars && part < scene.spars->getSpars().size())
            drawSpar(*std::next(scene.spars->getSpars().begin(), long(part)), ribs, options, side);
        break;
    case CoveringPiece:
        if (advancedCovering(scene)) {
            if (part < scene.strips->getStrips().size()) {
                const SheetingStripDefinition& strip = *std::next(scene.strips->getStrips().begin(), long(part));
                if (strip.getUpper())
                    drawStripSide(strip, strip.getId(1), ribs, options, side);
                if (strip.getLower())
                    drawStripSide(strip, strip.getId(0), ribs, options, side);
            }
        } else if (scene.covering && scene.strips) {
            drawCovering(*scene.covering, *scene.strips, ribs, options, side);
        }
        break;
    case PieceCount:
        break;
    }
}

void PanelDrawing::drawPanel(const Scene& scene, const PlaneVisualisationOptions& options, int side,
                             Recorded* recorded)
{
    const Ribs& ribs = scene.ribs;
    if (ribs.empty())
        return;
    float vx = 0.0f, vy = 0.0f, vz = 0.0f;
    GLUtils::getViewDirection(vx, vy, vz);

    if (!recorded || recorded->startsPanel()) {
        drawSelectionBox(scene);
        if (options.getShowAxes())
            GLUtils::drawAxes(1.5f * scene.rootChord, 1.0f / referenceOf(scene), side);
    }

    const auto piece = [&](Piece which) {
        if (!shows(scene, which, options))
            return;
        if (recorded)
            recorded->drawPiece(which);
        else
            drawPiece(scene, which, options, side);
    };
    const auto rib = [&](size_t index) {
        if (recorded)
            recorded->drawRib(index);
        else
            ribs[index]->visualize(options, static_cast<float>(side));
    };

    piece(vx >= 0.0f ? LeadingEdgePiece : TrailingEdgePiece);
    piece(CombsPiece);
    piece(SparsPiece);

    // The far end of the panel first.
    if (options.getShowRibs()) {
        if (vz >= 0.0f) {
            for (size_t index = 0; index < ribs.size(); ++index)
                rib(index);
        } else {
            for (size_t index = ribs.size(); index-- > 0;)
                rib(index);
        }
    }

    piece(vx < 0.0f ? LeadingEdgePiece : TrailingEdgePiece);
    piece(CoveringPiece);
}

void PanelDrawing::drawOutlines(const Scene& scene, const PlaneVisualisationOptions& options, size_t step)
{
    drawSelectionBox(scene);
    const Ribs& ribs = scene.ribs;
    step = std::max<size_t>(step, 1);
    GLUtils::setColor(GLUtils::colorRibOutline, options.getTransparency());
    size_t index = 0;
    while (index < ribs.size()) {
        GLUtils::beginPrimitive(GL_LINE_LOOP);
        for (const Vector3D* p : ribs[index]->getRibCoords())
            GLUtils::vertex(*p);
        GLUtils::endPrimitive();
        for (const RibDefinition::PointList& piece : ribs[index]->getFurtherPieces()) {
            GLUtils::beginPrimitive(GL_LINE_LOOP);
            for (const Vector3D* p : piece)
                GLUtils::vertex(*p);
            GLUtils::endPrimitive();
        }
        if (index + 1 == ribs.size())
            break;
        // The tip rib closes every panel.
        index = std::min(index + step, ribs.size() - 1);
    }
}

void PanelDrawing::drawComb(const RibCombData& comb, const Ribs& ribs, float wingRootChord,
                            const PlaneVisualisationOptions& options, int side)
{
    const int type = comb.getType();
    if (type != RibCombData::Above && type != RibCombData::Below) {
        std::cout << "Unknown rib comb type: " << type << std::endl;
        return;
    }
    const float wrc = wingRootChord > 0.0f ? wingRootChord : 1.0f;
    GLUtils::clearStencilMarks();

    const IdentifiableObject* firstBody = nullptr;
    if (comb.getFirstRib() >= 1 && static_cast<size_t>(comb.getFirstRib()) <= ribs.size())
        firstBody = findPart(comb.getFirstPartId(), ribs[static_cast<size_t>(comb.getFirstRib() - 1)]->getCombParts());
    if (!comb.isSelected() && firstBody && firstBody->getColor())
        GLUtils::setObjectColor(firstBody->getColor(), options.getTransparency());
    else
        GLUtils::setColor(GLUtils::colorSelection, options.getTransparency());

    walkSegments(comb.getFirstRib(), comb.getLastRib(), ribs,
                 [&](const RibDefinition& ribA, const RibDefinition& ribB, bool first, bool last) {
                     const auto& partsA = ribA.getCombParts();
                     const auto& partsB = ribB.getCombParts();
                     const IdentifiableObject* bodyA = findPart(comb.getFirstPartId(), partsA);
                     const IdentifiableObject* bodyB = findPart(comb.getFirstPartId(), partsB);
                     const Rectangle3D* restA = asRectangle(findPart(comb.getSecondPartId(), partsA));
                     const Rectangle3D* restB = asRectangle(findPart(comb.getSecondPartId(), partsB));
                     if (!bodyA || !bodyB || !restA || !restB || bodyA->getPoints().empty() ||
                         bodyB->getPoints().empty())
                         return;
                     const float extra = last ? ribB.scaledThickness : 0.0f;

                     const Rectangle3D* slitA = asRectangle(findPart(comb.getThirdPartId(), partsA));
                     const Rectangle3D* slitB = asRectangle(findPart(comb.getThirdPartId(), partsB));
                     if (slitA && slitB) {
                         const Vertex up(0.0f, 1.0f, 0.0f);
                         const bool beyond = type == RibCombData::Above
                                                 ? slitA->getMaxProjection(up) > bodyA->getMaxProjection(up)
                                                 : slitA->getMinProjection(up) < bodyA->getMinProjection(up);
                         Rectangle3D face;
                         if (beyond && calculateRoundSegmentEndFaces(*slitA, *slitB, ribA, ribB, first, last,
                                                                     comb.getSlitAdjust() / wrc, face)) {
                             const float depth = comb.getWidth() / wrc;
                             GLUtils::drawOutlineWallX(face.getPoints(), static_cast<float>(side), depth, false);
                             GLUtils::beginStencilMark();
                             GLUtils::drawOutlineSlabX(face.getPoints(), depth);
                             GLUtils::endStencilMark();
                         }
                     }

                     if (bodyB->getPoints()[0]->getZ() + extra - bodyA->getPoints()[0]->getZ() > 0.0f)
                         GLUtils::drawBoxSolid(bodyA->getPoints(), 0.0f, 0.0f, 0.0f, bodyB->getPoints(), 0.0f, 0.0f,
                                               extra, side, first, last);
                     drawBoxSegment(*restA, *restB, ribA, ribB, first, last, comb.getGapNeedle() / wrc, side);
                     GLUtils::clearStencilMarks();
                 });
    glDisable(GL_STENCIL_TEST);
}

void PanelDrawing::drawSpar(const SparDefinition& spar, const Ribs& ribs, const PlaneVisualisationOptions& options,
                            int side)
{
    walkSegments(spar.getFirstRib(), spar.getLastRib(), ribs,
                 [&](const RibDefinition& ribA, const RibDefinition& ribB, bool first, bool last) {
                     drawSparSegment(spar, ribA, ribB, side, options, first, last);
                 });
}

void PanelDrawing::drawSparSegment(const SparDefinition& spar, const RibDefinition& ribA, const RibDefinition& ribB,
                                   int side, const PlaneVisualisationOptions& options, bool first, bool last)
{
    const float extra = last ? ribB.scaledThickness : 0.0f;
    const auto colour = [&](const IdentifiableObject& part) {
        if (spar.isSelected())
            GLUtils::setColor(GLUtils::colorSelection, options.getTransparency());
        else
            setPartColour(part, options);
    };
    const auto ring = [&](int id, const RibDefinition::PartList& (RibDefinition::*list)() const, bool tube) {
        const IdentifiableObject* a = findPart(id, (ribA.*list)());
        const IdentifiableObject* b = findPart(id, (ribB.*list)());
        if (!a || !b)
            return;
        colour(*a);
        if (tube)
            GLUtils::drawTubeSolid(a->getPoints(), b->getPoints(), extra, side, first, last);
        else
            GLUtils::drawRoundSparSolid(a->getPoints(), b->getPoints(), extra, side, first, last);
    };
    const auto box = [&](int id, const RibDefinition::PartList& (RibDefinition::*list)() const) {
        const IdentifiableObject* a = findPart(id, (ribA.*list)());
        const IdentifiableObject* b = findPart(id, (ribB.*list)());
        if (!a || !b)
            return;
        colour(*a);
        GLUtils::drawBoxSolid(a->getPoints(), 0.0f, 0.0f, 0.0f, b->getPoints(), 0.0f, 0.0f, extra, side, first, last);
    };

    switch (spar.getType()) {
    case SparType::Round:
        ring(spar.getRoundSparId(), &RibDefinition::getRoundSparParts, false);
        break;
    case SparType::Tube:
        ring(spar.getTubeId(), &RibDefinition::getTubeSparParts, true);
        break;
    case SparType::Cube:
        box(spar.getCubeSparId(), &RibDefinition::getCubeSparParts);
        break;
    case SparType::CubeTube:
        box(spar.getCubeTubeId(), &RibDefinition::getCubeTubeParts);
        break;
    case SparType::Webbing: {
        const IdentifiableObject* a = findPart(spar.getWebbingId(), ribA.getSparWebbingParts());
        const IdentifiableObject* b = findPart(spar.getWebbingId(), ribB.getSparWebbingParts());
        if (!a || !b)
            return;
        colour(*a);
        const Rectangle3D* ra = asRectangle(a);
        const Rectangle3D* rb = asRectangle(b);
        if (ra && rb)
            drawBoxSegment(*ra, *rb, ribA, ribB, first, last, 0.0f, side);
        break;
    }
    case SparType::Square: {
        const bool slotOn[2] = {spar.getSquareSparTop(), spar.getSquareSparBottom()};
        for (int index = 0; index < 2; ++index) {
            if (!slotOn[index])
                continue;
            const IdentifiableObject* a = findPart(spar.getSquareSparId(index), ribA.getSquareSparParts());
            const IdentifiableObject* b = findPart(spar.getSquareSparId(index), ribB.getSquareSparParts());
            if (!a || !b)
                continue;
            const Rectangle3D* ra = asRectangle(a);
            const Rectangle3D* rb = asRectangle(b);
            if (!ra || !rb) {
                std::cout << "malformed ribs: rib1: " << ribA.position << ", rib2: " << ribB.position << std::endl;
                continue;
            }
            colour(*a);
            if (rb->getPoints()[0]->getZ() + extra > ra->getPoints()[0]->getZ())
                GLUtils::drawBoxSolid(ra->getPoints(), 0.0f, 0.0f, 0.0f, rb->getPoints(), 0.0f, 0.0f, extra, side,
                                      first, last);
        }
        if (spar.getSquareWebbingType() == SquareWebbingType::None)
            break;
        // Webbing takes the colour the slots left in force.
        if (spar.isSelected())
            GLUtils::setColor(GLUtils::colorSelection, options.getTransparency());
        for (int index = 0; index < 2; ++index) {
            const Rectangle3D* ra = asRectangle(findPart(spar.getSquareWebbingId(index), ribA.getSquareSparParts()));
            const Rectangle3D* rb = asRectangle(findPart(spar.getSquareWebbingId(index), ribB.getSquareSparParts()));
            if (ra && rb)
                drawBoxSegment(*ra, *rb, ribA, ribB, first, last, 0.0f, side);
        }
        break;
    }
    }
}

void PanelDrawing::drawLeadingEdge(const Ribs& ribs, const PlaneVisualisationOptions& options, int side)
{
    drawEdge(ribs, GLUtils::colorLESolid, options, side, true);
}

void PanelDrawing::drawTrailingEdge(const Ribs& ribs, const PlaneVisualisationOptions& options, int side)
{
    drawEdge(ribs, GLUtils::colorTESolid, options, side, false);
}

void PanelDrawing::drawCovering(const CoveringDefinition& covering, const SheetingStripList& strips,
                                const Ribs& ribs, const PlaneVisualisationOptions& options, int side)
{
    switch (static_cast<int>(covering.getSheetingType())) {
    case 0:
        return;
    case 1: {
        GLUtils::setColor(GLUtils::colorCovering, options.getTransparency());
        // Upper, lower and upper continued.
        for (int list = 0; list < 3; ++list) {
            std::vector<const RibDefinition::PointList*> pieces;
            pieces.reserve(ribs.size());
            for (const RibDefinition* rib : ribs)
                pieces.push_back(&rib->getCoveringCoords(list));
            drawSpanSolid(pieces, ribs, side);
        }
        return;
    }
    case 2:
        for (const SheetingStripDefinition& strip : strips.getStrips()) {
            if (strip.getUpper())
                drawStripSide(strip, strip.getId(1), ribs, options, side);
            if (strip.getLower())
                drawStripSide(strip, strip.getId(0), ribs, options, side);
        }
        return;
    default:
        std::cout << "Unknown covering type: " << static_cast<int>(covering.getSheetingType()) << std::endl;
    }
}
