#include "model/CoveringDefinition.h"

CoveringDefinition::CoveringDefinition(SheetingType sheetingType, float length, float thickness, int extend,
                                       bool percentageSelected, bool doUpper, bool doLower)
    : sheetingType(sheetingType), length(length), thickness(thickness), extend(extend),
      percentageSelected(percentageSelected), doUpper(doUpper), doLower(doLower)
{
}

bool CoveringDefinition::validate(QString&, const RibList&) const
{
    return true;
}

bool CoveringDefinition::setThickness(float value)
{
    thickness = value;
    return true;
}

bool CoveringDefinition::setPercentageSelected(bool on)
{
    percentageSelected = on;
    return true;
}
