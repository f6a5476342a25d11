#include "model/RibModifierBuildingTab.h"

#include "foundation/Vector3D.h"
#include "model/BuildingTabData.h"
#include "model/RibDefinition.h"
#include "model/RibModifierSquareSpar.h"

void RibModifierBuildingTab::getTabPositions(const RibDefinition& rib, const BuildingTabData& tabs,
                                             float& firstStart, float& secondStart, float scale)
{
    firstStart = rib.getLEDepth(scale) + tabs.getOffsetLE();
    secondStart = rib.getChord() - rib.getTEDepth(scale) - tabs.getOffsetTE() - tabs.getWidth();
}

void RibModifierBuildingTab::apply(RibDefinition& rib, const BuildingTabData& tabs, float upperY,
                                   float lowerY, float scale)
{
    float firstStart = 0.0f;
    float secondStart = 0.0f;
    getTabPositions(rib, tabs, firstStart, secondStart, scale);
    applyTab(firstStart, tabs, upperY, lowerY, rib, scale);
    applyTab(secondStart, tabs, upperY, lowerY, rib, scale);
}

void RibModifierBuildingTab::applyTab(float start, const BuildingTabData& tabs, float upperY,
                                      float lowerY, RibDefinition& rib, float scale)
{
    int F = 0, f = 0, R = 0, r = 0;
    if (!RibModifierSquareSpar::splitAtStations(rib, start, start + tabs.getWidth(), scale, F, f,
                                                R, r))
        return;

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    const RibDefinition::CutRuns runs = rib.duplicateCutPoints(F, f, R, r);
    // The doubled points stay on the surface, so the outline drops back to
    // it at both stations and draws the tab's sides.
    if (tabs.getDoUpper()) {
        for (int i = runs.topRear; i <= runs.topFront; ++i)
            outline[i]->setY(upperY);
    }
    if (tabs.getDoLower()) {
        for (int i = runs.bottomFront; i <= runs.bottomRear; ++i)
            outline[i]->setY(lowerY);
    }
}
