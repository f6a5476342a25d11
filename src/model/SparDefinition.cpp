#include "model/SparDefinition.h"

#include "foundation/Mathematics.h"
#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"

#include <QCoreApplication>
#include <cmath>
#include <iostream>

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("SparDefinition", text);
}

bool isKnownType(int type)
{
    return type >= 0 && type < SparDefinition::getNumberOfTypes();
}

} // namespace

SparDefinition::SparDefinition()
    : SparDefinition(translate("New spar"), SparType::Round, 1, 2, 25.0f, 25.0f, true, false)
{
}

SparDefinition::SparDefinition(const QString& sparName, SparType type, int firstRib, int lastRib,
                               float position, float lastPosition, bool measureFromLE,
                               bool separateLastPosition)
    : sparName(sparName)
    , type(type)
    , firstRib(firstRib)
    , lastRib(lastRib)
    , position(position)
    , lastPosition(lastPosition)
    , separateLastPosition(separateLastPosition)
    , measureFromLE(measureFromLE)
{
    if (!isKnownType(static_cast<int>(type))) {
        std::cout << "Unknown spar type: " << static_cast<int>(type) << std::endl;
        // A type that no modifier knows would leave the spar uncuttable and
        // unsaveable; fall back to the default kind.
        this->type = SparType::Round;
    }
    // Ids are drawn in a fixed order so that two spars built the same way
    // get their ids in the same pattern.
    setRoundDefaults(true);
    setSquareDefaults(false);
    squareSparIds[0] = nextId();
    squareSparIds[1] = nextId();
    squareWebbingIds[0] = nextId();
    squareWebbingIds[1] = nextId();
    setWebbingDefaults(true);
    setTubeDefaults(true);
    setCubeDefaults(true);
    setCubeTubeDefaults(true);
}

int SparDefinition::nextId()
{
    return PlaneAccess::nextId();
}

QString SparDefinition::getTypeName(int type)
{
    switch (type) {
    case 0: return translate("Round");
    case 1: return translate("Rectangle");
    case 2: return translate("Webbing");
    case 3: return translate("Round joiner");
    case 4: return translate("Cuboid");
    case 5: return translate("Cuboid joiner");
    default: return QString();
    }
}

int SparDefinition::getNumberOfTypes()
{
    return 6;
}

void SparDefinition::setRoundDefaults(bool newIds)
{
    roundSparRadius = 5.0f;
    if (newIds)
        roundSparId = nextId();
}

void SparDefinition::setSquareDefaults(bool newIds)
{
    squareSparWidth = 4.5f;
    squareSparAutoAdjustWidth = false;
    squareSparWidthAdjustFront = 0.0f;
    squareSparWidthAdjustBehind = 0.0f;
    squareSparHeight = 2.0f;
    squareSparTop = true;
    squareSparBottom = true;
    squareWebbingWidth = 2.0f;
    squareWebbingType = SquareWebbingType::None;
    squareSparWebbingInside = false;
    squareWebbingFrom = 1;
    squareWebbingTo = 0;
    squareSparVerticalCut = false;
    if (newIds) {
        squareSparIds[0] = nextId();
        squareSparIds[1] = nextId();
        squareWebbingIds[0] = nextId();
        squareWebbingIds[1] = nextId();
    }
}

void SparDefinition::setWebbingDefaults(bool newIds)
{
    webbingWidth = 2.0f;
    if (newIds)
        webbingId = nextId();
}

void SparDefinition::setTubeDefaults(bool newIds)
{
    tubeRadius = 6.0f;
    if (newIds)
        tubeId = nextId();
}

void SparDefinition::setCubeDefaults(bool newIds)
{
    cubeSparWidth = 4.0f;
    cubeSparHeight = 6.0f;
    cubeSparRotation = 0.0f;
    if (newIds)
        cubeSparId = nextId();
}

void SparDefinition::setCubeTubeDefaults(bool newIds)
{
    cubeTubeWidth = 4.0f;
    cubeTubeHeight = 6.0f;
    if (newIds)
        cubeTubeId = nextId();
}

void SparDefinition::resetTypeDefaults()
{
    switch (type) {
    case SparType::Round: setRoundDefaults(true); break;
    case SparType::Square: setSquareDefaults(true); break;
    case SparType::Webbing: setWebbingDefaults(true); break;
    case SparType::Tube: setTubeDefaults(true); break;
    case SparType::Cube: setCubeDefaults(true); break;
    case SparType::CubeTube: setCubeTubeDefaults(true); break;
    }
}

void SparDefinition::assignNewIds()
{
    switch (type) {
    case SparType::Round: roundSparId = nextId(); break;
    case SparType::Square:
        squareSparIds[0] = nextId();
        squareSparIds[1] = nextId();
        squareWebbingIds[0] = nextId();
        squareWebbingIds[1] = nextId();
        break;
    case SparType::Webbing: webbingId = nextId(); break;
    case SparType::Tube: tubeId = nextId(); break;
    case SparType::Cube: cubeSparId = nextId(); break;
    case SparType::CubeTube: cubeTubeId = nextId(); break;
    }
}

bool SparDefinition::setSparName(const QString& name)
{
    sparName = name;
    return true;
}

bool SparDefinition::setType(SparType newType)
{
    type = newType;
    return true;
}

bool SparDefinition::setFirstRib(int rib)
{
    firstRib = rib;
    return true;
}

bool SparDefinition::setLastRib(int rib)
{
    lastRib = rib;
    return true;
}

float SparDefinition::getPosition(int which) const
{
    return (which == 1 && separateLastPosition) ? lastPosition : position;
}

void SparDefinition::setPosition(int which, float value)
{
    float& field = (which == 1) ? lastPosition : position;
    if (field != value)
        field = value;
}

bool SparDefinition::getPercentageSelected(int which) const
{
    return (which == 1 && separateLastPosition) ? percentageSelectedLast : percentageSelected;
}

void SparDefinition::setPercentageSelected(int which, bool on)
{
    if (which == 1)
        percentageSelectedLast = on;
    else
        percentageSelected = on;
}

float SparDefinition::getTypeWidth() const
{
    switch (type) {
    case SparType::Round: return roundSparRadius;
    case SparType::Square: return squareSparWidth;
    case SparType::Webbing: return webbingWidth;
    case SparType::Tube: return tubeRadius;
    case SparType::Cube: return cubeSparWidth;
    case SparType::CubeTube: return cubeTubeWidth;
    }
    return 0.0f;
}

bool SparDefinition::hasYOffset() const
{
    return type == SparType::Round || type == SparType::Cube;
}

bool SparDefinition::isJoiner() const
{
    return type == SparType::Tube || type == SparType::CubeTube;
}

void SparDefinition::getRealPosition(float& result, int which, const RibDefinition& rib,
                                     bool centre) const
{
    const bool last = separateLastPosition && which == 1;
    const float value = last ? lastPosition : position;
    const bool percent = last ? percentageSelectedLast : percentageSelected;
    const float chord = rib.getChord();

    float v = percent ? chord * value / 100.0f : value;
    if (!measureFromLE)
        v = chord - v;
    if (centre) {
        if (type == SparType::Square)
            v -= squareSparWidth / 2.0f;
        else if (type == SparType::Webbing)
            v -= webbingWidth / 2.0f;
    }
    result = v;
}

void SparDefinition::setYOffsetFromAngle(int end, float angle, float zFirst, float zLast)
{
    const float t = std::tan(Mathematics::degToRad(angle));
    if (end == 1)
        sparOffsetYEnd = sparOffsetYStart + (zLast - zFirst) * t;
    else
        sparOffsetYStart = sparOffsetYEnd - (zLast - zFirst) * t;
}

void SparDefinition::setPositionFromAngle(int which, float angle, float positionFirst,
                                          float positionLast, float panelLength, float sweep,
                                          float zFirst, float chordFirst, float zLast,
                                          float chordLast)
{
    if (!(panelLength > 0.0f) || zFirst == zLast)
        return;

    separateLastPosition = true;
    setPercentageSelected(which, false);

    const float leFirst = zFirst * (sweep / panelLength);
    const float leLast = (sweep / panelLength) * zLast;
    const float dz = zLast - zFirst;
    if (which == 1) {
        float v = (leFirst + positionFirst - leLast)
                  - std::tan(Mathematics::degToRad(angle + 90.0f)) * dz;
        if (!measureFromLE)
            v = chordLast - v;
        lastPosition = v;
    } else {
        float v = (leLast + positionLast - leFirst)
                  - std::tan(Mathematics::degToRad(90.0f - angle)) * dz;
        if (!measureFromLE)
            v = chordFirst - v;
        position = v;
    }
}

int SparDefinition::getSquareSparId(int index) const
{
    return squareSparIds[index == 1 ? 1 : 0];
}

void SparDefinition::setSquareSparId(int index, int id)
{
    squareSparIds[index == 1 ? 1 : 0] = id;
}

int SparDefinition::getSquareWebbingId(int index) const
{
    return squareWebbingIds[index == 1 ? 1 : 0];
}

void SparDefinition::setSquareWebbingId(int index, int id)
{
    squareWebbingIds[index == 1 ? 1 : 0] = id;
}

int SparDefinition::getColumnCount()
{
    return 4;
}

QString SparDefinition::getColumnName(int column)
{
    switch (column) {
    case 0: return translate("Name");
    case 1: return translate("Spar Type");
    case 2: return translate("First rib");
    case 3: return translate("Last rib");
    default: return QString();
    }
}

QVariant SparDefinition::getCellData(int column) const
{
    switch (column) {
    case 0: return sparName;
    case 1: return static_cast<int>(type);
    case 2: return firstRib;
    case 3: return lastRib;
    default:
        std::cout << "Unknown position in SparDefinition::getCellData: " << column << std::endl;
        return QStringLiteral("?");
    }
}

bool SparDefinition::setCellData(int column, const QVariant& value)
{
    bool ok = false;
    switch (column) {
    case 0:
        sparName = value.toString();
        return true;
    case 1: {
        const int newType = value.toInt(&ok);
        if (ok && newType == static_cast<int>(type))
            return true;
        // A number that names no kind is refused like text that is no
        // number: storing it would leave a spar that nothing can cut.
        if (!ok || !isKnownType(newType))
            return false;
        type = static_cast<SparType>(newType);
        resetTypeDefaults();
        return true;
    }
    case 2: {
        const int rib = value.toInt(&ok);
        if (ok)
            firstRib = rib;
        return ok;
    }
    case 3: {
        const int rib = value.toInt(&ok);
        if (ok)
            lastRib = rib;
        return ok;
    }
    default:
        std::cout << "Unknown position in bool SparDefinition::setCellData(int, const QVariant&): "
                  << column << ", " << value.toString().toStdString() << std::endl;
        return true;
    }
}
