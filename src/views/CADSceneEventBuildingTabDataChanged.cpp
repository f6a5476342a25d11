#include "views/CADSceneEventBuildingTabDataChanged.h"

CADSceneEventBuildingTabDataChanged::CADSceneEventBuildingTabDataChanged(const BuildingTabData& data, float minY,
                                                                         float maxY)
    : tabData(data.getDoUpper(), data.getDoLower(), data.getOffsetLE(), data.getOffsetTE(), data.getWidth()),
      minY(minY),
      maxY(maxY)
{
}

int CADSceneEventBuildingTabDataChanged::type() const
{
    return BuildingTabDataChanged;
}
