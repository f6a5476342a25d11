#include "model/SheetingStripDefinition.h"

#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"

#include <QCoreApplication>

#include <iostream>

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("SheetingStripDefinition", text);
}

bool validWhich(int which)
{
    return which >= 0 && which < 4;
}

} // namespace

SheetingStripDefinition::SheetingStripDefinition() : name(translate("New strip"))
{
    generateIds();
}

SheetingStripDefinition::SheetingStripDefinition(const QString& name, int type, int firstRib, int lastRib,
                                                 float position, float lastPosition, float thickness, bool lower,
                                                 bool upper, bool measureFromLE, bool separateLastPosition,
                                                 float offsetStart, float offsetEnd, bool offsetSeparateEnd,
                                                 bool capStrip)
    : name(name), type(type), firstRib(firstRib), lastRib(lastRib),
      positions{position, lastPosition, offsetStart, offsetEnd}, capStrip(capStrip),
      separateLastPosition(separateLastPosition), offsetSeparateEnd(offsetSeparateEnd),
      measureFromLE(measureFromLE), lower(lower), upper(upper), thickness(thickness)
{
    generateIds();
}

void SheetingStripDefinition::generateIds()
{
    if (type != 0) {
        std::cout << "Unknown sheeting strip ID in " << __FILE__ << ":" << __LINE__ << ": " << type
                  << std::endl;
        return;
    }
    ids[0] = PlaneAccess::nextId();
    ids[1] = PlaneAccess::nextId();
}

int SheetingStripDefinition::getId(int side) const
{
    if (type != 0) {
        std::cout << "Unknown sheeting strip ID in " << __FILE__ << ":" << __LINE__ << ": " << type
                  << std::endl;
        return -1;
    }
    if (side == 1)
        return ids[0];
    if (side == 0)
        return ids[1];
    std::cout << "Unknown sheeting strip side: " << side << std::endl;
    return -1;
}

int SheetingStripDefinition::effectiveIndex(int which) const
{
    if (which == 1 && !separateLastPosition)
        return 0;
    if (which == 3 && !offsetSeparateEnd)
        return 2;
    return which;
}

float SheetingStripDefinition::getPosition(int which) const
{
    return validWhich(which) ? positions[effectiveIndex(which)] : 0.0f;
}

void SheetingStripDefinition::setPosition(int which, float value)
{
    if (validWhich(which))
        positions[which] = value;
}

bool SheetingStripDefinition::getPercentageSelected(int which) const
{
    return validWhich(which) && percentageSelected[effectiveIndex(which)];
}

void SheetingStripDefinition::setPercentageSelected(int which, bool on)
{
    if (validWhich(which))
        percentageSelected[which] = on;
}

void SheetingStripDefinition::getRealPosition(float& out, int which, const RibDefinition& rib, bool convert) const
{
    if (!validWhich(which)) {
        out = 0.0f;
        return;
    }
    const int i = effectiveIndex(which);
    const float chord = rib.getChord();
    float v = positions[i];
    if (percentageSelected[i])
        v = chord * v / 100.0f;
    if (convert && !measureFromLE)
        v = chord - v;
    out = v;
}

int SheetingStripDefinition::getColumnCount()
{
    return 3;
}

int SheetingStripDefinition::getTypeCount()
{
    return 1;
}

QString SheetingStripDefinition::getColumnName(int column)
{
    switch (column) {
    case 0:
        return translate("Name");
    case 1:
        return translate("First rib");
    case 2:
        return translate("Last rib");
    default:
        return QString();
    }
}

QString SheetingStripDefinition::getTypeName(int type)
{
    return type == 0 ? translate("Standard") : QString();
}

QVariant SheetingStripDefinition::getCellData(int column) const
{
    switch (column) {
    case 0:
        return QVariant(name);
    case 1:
        return QVariant(firstRib);
    case 2:
        return QVariant(lastRib);
    default:
        std::cout << "Unknown position in SheetingStripDefinition::getCellData: " << column << std::endl;
        return QVariant();
    }
}

bool SheetingStripDefinition::setCellData(int column, const QVariant& value)
{
    switch (column) {
    case 0:
        name = value.toString();
        return true;
    case 1:
    case 2: {
        bool ok = false;
        const int rib = value.toInt(&ok);
        // A failed conversion must not turn the rib number into 0.
        if (!ok)
            return false;
        (column == 1 ? firstRib : lastRib) = rib;
        return true;
    }
    default:
        std::cout << "Unknown position in bool SheetingStripDefinition::setCellData(int, const QVariant&): "
                  << column << std::endl;
        return false;
    }
}
