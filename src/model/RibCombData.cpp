#include "model/RibCombData.h"

#include <QCoreApplication>
#include <iostream>

#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"

namespace {
int clampWhich(int which)
{
    return which == 1 ? 1 : 0;
}
} // namespace

RibCombData::RibCombData()
    : RibCombData(QCoreApplication::translate("RibCombData", "New comb"), Below, 50.0f, 50.0f, true, true, false,
                  true, 2.0f, 0.0f, 50.0f, 0.0f, 0.0f, 0.0f, 1, 2, true, 2.0f, 2.0f)
{
}

RibCombData::RibCombData(const QString& name, int type, float position, float positionLast,
                         bool percentageSelected, bool percentageSelectedLast, bool separateLastPosition,
                         bool measureFromLE, float width, float extend, float cutIntoRib, float cutoutGapFore,
                         float cutoutGapAft, float gapNeedle, int firstRib, int lastRib,
                         bool extendToBuildingTabs, float slitHeight, float slitAdjust)
    : type(type),
      name(name),
      position(position),
      positionLast(positionLast),
      percentageSelected(percentageSelected),
      percentageSelectedLast(percentageSelectedLast),
      separateLastPosition(separateLastPosition),
      measureFromLE(measureFromLE),
      width(width),
      extend(extend),
      cutIntoRib(cutIntoRib),
      cutoutGapFore(cutoutGapFore),
      cutoutGapAft(cutoutGapAft),
      gapNeedle(gapNeedle),
      firstRib(firstRib),
      lastRib(lastRib),
      extendToBuildingTabs(extendToBuildingTabs),
      slitHeight(slitHeight),
      slitAdjust(slitAdjust)
{
    generateIds();
}

void RibCombData::generateIds()
{
    if (type == Above || type == Below) {
        firstPartId = PlaneAccess::nextId();
        secondPartId = PlaneAccess::nextId();
        thirdPartId = PlaneAccess::nextId();
    } else {
        std::cout << "Unknown comb ID in " << Q_FUNC_INFO << ", " << __LINE__ << ": " << type << std::endl;
    }
}

void RibCombData::getAbsolutePosition(float& out, int which, const RibDefinition& rib) const
{
    const int i = separateLastPosition ? clampWhich(which) : 0;
    const float chord = rib.getChord();
    float v = getPosition(i);
    if (getPercentageSelected(i))
        v = chord * v / 100.0f;
    if (!measureFromLE)
        v = chord - v;
    out = v - width / 2.0f;
}

void RibCombData::getAbsolutePosition(float& out, int which, const RibDefinition* rib) const
{
    if (rib == nullptr) {
        out = 0.0f;
        return;
    }
    getAbsolutePosition(out, which, *rib);
}

bool RibCombData::setType(int value)
{
    type = value;
    return true;
}

float RibCombData::getPosition(int which) const
{
    return clampWhich(which) == 0 ? position : positionLast;
}

void RibCombData::setPosition(int which, float value)
{
    if (clampWhich(which) == 0)
        position = value;
    else
        positionLast = value;
}

bool RibCombData::getPercentageSelected(int which) const
{
    return clampWhich(which) == 0 ? percentageSelected : percentageSelectedLast;
}

void RibCombData::setPercentageSelected(int which, bool value)
{
    if (clampWhich(which) == 0)
        percentageSelected = value;
    else
        percentageSelectedLast = value;
}

int RibCombData::getColumnCount()
{
    return 4;
}

int RibCombData::getCombTypeCount()
{
    return 2;
}

QString RibCombData::getColumnName(int column)
{
    switch (column) {
    case 0:
        return QCoreApplication::translate("RibCombData", "Name");
    case 1:
        return QCoreApplication::translate("RibCombData", "Comb type");
    case 2:
        return QCoreApplication::translate("RibCombData", "First rib");
    case 3:
        return QCoreApplication::translate("RibCombData", "Last rib");
    default:
        return QString();
    }
}

QString RibCombData::getCombTypeName(int type)
{
    switch (type) {
    case Above:
        return QCoreApplication::translate("RibCombData", "Above");
    case Below:
        return QCoreApplication::translate("RibCombData", "Below");
    default:
        return QString();
    }
}

QVariant RibCombData::getCellData(int column) const
{
    switch (column) {
    case 0:
        return QVariant(name);
    case 1:
        return QVariant(type);
    case 2:
        return QVariant(firstRib);
    case 3:
        return QVariant(lastRib);
    default:
        std::cout << "Unknown position in RibCombData::getCellData: " << column << std::endl;
        return QVariant(QString());
    }
}

bool RibCombData::setCellData(int column, const QVariant& value)
{
    bool ok = false;
    switch (column) {
    case 0:
        name = value.toString();
        return true;
    case 1: {
        const int v = value.toInt(&ok);
        // A type number outside the two comb types would leave the comb
        // without part ids and uncuttable, so it is refused like bad text.
        if (!ok || v < 0 || v >= getCombTypeCount())
            return false;
        if (v != type)
            type = v;
        return true;
    }
    case 2:
    case 3: {
        const int v = value.toInt(&ok);
        if (!ok)
            return false;
        int& rib = column == 2 ? firstRib : lastRib;
        if (v != rib)
            rib = v;
        return true;
    }
    default:
        std::cout << "Unknown position in " << "bool RibCombData::setCellData(int, const QVariant&)" << ": " << column
                  << std::endl;
        return true;
    }
}
