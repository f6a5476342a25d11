#include "views/CADWidgetRibView.h"

#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "model/RibDefinition.h"
#include "model/RibModifierBuildingTab.h"
#include "model/RibParting.h"
#include "views/CADGraphicsScene.h"
#include "views/CADSceneControlPoint.h"
#include "views/CADSceneEventBuildingTabDataChanged.h"
#include "views/CADSceneEventSelectionChanged.h"
#include "views/CADSceneLine.h"
#include "views/CADSceneText.h"

#include <cmath>
#include <iostream>

namespace {

// How far the building tabs reach beyond the lowest and the highest rib
// point, in mm; the DXF export draws its tabs to the same lines.
constexpr float TabMargin = 5.5f;

const float* const outlineColour = GLUtils::colorCombPart2;
const float* const camberLineColour = GLUtils::colorRibViewOutline;
const float* const buildingTabColour = GLUtils::colorRibView;

} // namespace

CADWidgetRibView::CADWidgetRibView(QWidget* parent)
    : CADWidget(parent), scale(1.0f), ribNumber(-1), tabData(), minY(0.0f), maxY(0.0f)
{
    setSceneName(QStringLiteral("SingleRibView"));
    setScenePersistent(false);
}

void CADWidgetRibView::setModel(CADSceneModel* model, float newScale)
{
    CADWidget::setModel(model);
    scale = newScale;
    CADGraphicsScene* scene = getScene();
    scene->clearElements();
    scene->addElement(new CADSceneText(0.0f, 0.0f, tr("Please select a rib in the ribs table")));
    scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
}

void CADWidgetRibView::notify(const CADSceneEvent& event)
{
    switch (event.type()) {
    case CADSceneEvent::SelectionChanged:
        ribNumber = static_cast<const CADSceneEventSelectionChanged&>(event).getIndex() + 1;
        break;
    case CADSceneEvent::BuildingTabDataChanged: {
        const auto& tabEvent = static_cast<const CADSceneEventBuildingTabDataChanged&>(event);
        const BuildingTabData& data = tabEvent.getBuildingTabData();
        tabData.setDoUpper(data.getDoUpper());
        tabData.setDoLower(data.getDoLower());
        tabData.setOffsetLE(data.getOffsetLE());
        tabData.setOffsetTE(data.getOffsetTE());
        tabData.setWidth(data.getWidth());
        minY = tabEvent.getMinY();
        maxY = tabEvent.getMaxY();
        break;
    }
    default:
        std::cout << "Unknown event in "
                  << "virtual void CADWidgetRibView::notify(const CADSceneEvent&)"
                  << ": " << event.type() << std::endl;
        break;
    }
    redraw();
}

void CADWidgetRibView::redraw()
{
    auto* panel = dynamic_cast<Panel*>(getModel());
    if (panel == nullptr)
        return;
    bool found = false;
    const RibDefinition* rib = panel->getRibList().getRib(ribNumber, found);
    if (!found || rib == nullptr)
        return;

    CADGraphicsScene* scene = getScene();
    scene->clearElements();
    scene->setPaintFlags(0);

    if (rib->consumedBySheets()) {
        // Nothing of the rib is left to draw, nor to place tabs on.
        scene->addElement(
            new CADSceneText(0.0f, 0.0f, tr("Rib %1: the sheeting leaves nothing to build.").arg(ribNumber)));
        scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
        return;
    }

    if (tabsDrawable()) {
        // The tabs are cut into a copy of the outline, reaching the same
        // building lines as the rectangles below; the panel's rib keeps its
        // outline. The edge pieces go along because the tabs are placed
        // behind and ahead of them.
        RibDefinition withTabs(*rib);
        withTabs.setCoords(rib->getRibCoords(), 0);
        withTabs.setCoords(rib->getLEPieceCoords(), 1);
        withTabs.setCoords(rib->getTEPieceCoords(), 2);
        RibModifierBuildingTab().apply(withTabs, tabData, (maxY + TabMargin) * scale, (minY - TabMargin) * scale,
                                       1.0f / scale);
        drawRib(*rib, withTabs.getRibCoords());
    } else {
        drawRib(*rib, rib->getRibCoords());
    }
    // The further pieces of a parted rib, each closed on its own; the view
    // says what parted it, above the rib.
    for (const auto& piece : rib->getFurtherPieces())
        appendControlPoints(piece, outlineColour, true, -rib->getOffsetX(), 0.0f, 0.0f);
    if (RibParting::told(*rib))
        scene->addElement(
            new CADSceneText(0.0f, -(maxY + 2.0f * TabMargin) * scale, RibParting::ribNote(*rib, ribNumber)));
    drawBuildingTabs(*rib);

    scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
}

void CADWidgetRibView::drawRib(const RibDefinition& rib, const std::vector<Vector3D*>& outline)
{
    const float dx = -rib.getOffsetX();
    appendControlPoints(outline, outlineColour, true, dx, 0.0f, 0.0f);

    const struct {
        const RibDefinition::PartList& parts;
        const float* colour;
    } cutOuts[] = {
        {rib.getRoundSparParts(), GLUtils::colorRoundSpar},
        {rib.getTubeSparParts(), GLUtils::colorTube},
        {rib.getCubeSparParts(), GLUtils::colorCubeSpar},
        {rib.getCubeTubeParts(), GLUtils::colorCubeTube},
    };
    for (const auto& kind : cutOuts)
        for (const IdentifiableObject* part : kind.parts)
            appendControlPoints(part->getPoints(), kind.colour, true, dx, 0.0f, 0.0f);

    appendControlPoints(rib.getCamberLineCoords(), camberLineColour, false, dx, 0.0f, 0.0f);
}

bool CADWidgetRibView::tabsDrawable() const
{
    // Without a usable scale or height range the tabs would land at
    // infinity; the rib itself is still worth showing.
    return (tabData.getDoUpper() || tabData.getDoLower()) && std::isfinite(scale) && scale > 0.0f
           && std::isfinite(1.0f / scale) && std::isfinite(minY) && std::isfinite(maxY);
}

void CADWidgetRibView::drawBuildingTabs(const RibDefinition& rib)
{
    if (!tabsDrawable())
        return;
    const float s = scale;
    float first = 0.0f;
    float second = 0.0f;
    RibModifierBuildingTab::getTabPositions(rib, tabData, first, second, 1.0f / s);

    const float w = tabData.getWidth() * s;
    const float y1 = -(minY - TabMargin) * s;
    const float y2 = -(maxY + TabMargin) * s;
    addRectangle(first * s, y1, y2, w);
    addRectangle(second * s, y1, y2, w);
}

void CADWidgetRibView::addRectangle(float x, float y1, float y2, float w)
{
    auto* points = new std::vector<CADSceneControlPoint*>{
        new CADSceneControlPoint(new Vertex(x, y1, 0.0f)),
        new CADSceneControlPoint(new Vertex(x, y2, 0.0f)),
        new CADSceneControlPoint(new Vertex(x + w, y2, 0.0f)),
        new CADSceneControlPoint(new Vertex(x + w, y1, 0.0f)),
    };
    getScene()->addElement(new CADSceneLine(points, buildingTabColour, true));
}

template <typename Point>
void CADWidgetRibView::appendControlPoints(const std::vector<Point*>& points, const float* colour, bool closed,
                                           float dx, float dy, float dz)
{
    auto* line = new std::vector<CADSceneControlPoint*>;
    line->reserve(points.size());
    for (const Point* v : points)
        line->push_back(
            new CADSceneControlPoint(new Vertex(v->getX() + dx, -(v->getY() + dy), v->getZ() + dz)));
    getScene()->addElement(new CADSceneLine(line, colour, closed));
}
