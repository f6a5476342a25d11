#include "model/BuildingTabData.h"

BuildingTabData::BuildingTabData()
    : doUpper(false), doLower(false), offsetLE(10.0f), offsetTE(20.0f), width(10.0f)
{
}

BuildingTabData::BuildingTabData(bool doUpper, bool doLower, float offsetLE, float offsetTE,
                                 float width)
    : doUpper(doUpper), doLower(doLower), offsetLE(offsetLE), offsetTE(offsetTE), width(width)
{
}

BuildingTabData::~BuildingTabData() = default;
