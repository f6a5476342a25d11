#pragma once

#include "model/BuildingTabData.h"
#include "views/CADSceneEvent.h"

// The building tabs being edited changed. Carries the height range of all
// the panel's ribs as well, because the tabs reach across all of them.
class CADSceneEventBuildingTabDataChanged : public CADSceneEvent
{
public:
    // minY, maxY: the lowest and highest point of all rib outlines, in mm.
    CADSceneEventBuildingTabDataChanged(const BuildingTabData& data, float minY, float maxY);

    int type() const override;
    const BuildingTabData& getBuildingTabData() const { return tabData; }
    float getMinY() const { return minY; }
    float getMaxY() const { return maxY; }

private:
    BuildingTabData tabData;
    float minY;
    float maxY;
};
