#include "output/DXFSettings.h"

DXFSettings::DXFSettings(bool drawBox, const QString& fileName)
    : fileName(fileName), drawBox(drawBox)
{
}
