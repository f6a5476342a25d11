#include "foundation/InputValueType.h"

#include "foundation/CLocale.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

// Number kinds read the text the way a person typed it, the same on every
// desktop (see CLocale::parseTyped). "inf" and "nan" are refused: no
// length, chord or count of a wing can be either, and they would spread
// into every outline, drawing and file computed from them.
bool toFiniteDouble(const QString& text, double& value)
{
    return CLocale::parseTyped(text, value);
}

} // namespace

InputValueType::InputValueType(int type)
    : type(type), min(0.0), max(0.0), intMin(0), intMax(0)
{
}

InputValueType::InputValueType(int type, double min, double max)
    : type(type), min(min), max(max), intMin(0), intMax(0)
{
}

InputValueType::InputValueType(int type, int intMin, int intMax)
    : type(type), min(0.0), max(0.0), intMin(intMin), intMax(intMax)
{
}

bool InputValueType::validate(const QString& text) const
{
    bool ok = false;
    double value = 0.0;
    switch (type) {
    case 0:
        return true;
    case 1:
        return text.length() > 0;
    case 2:
        text.toULong(&ok, 10);
        return ok;
    case 3:
        return text.toULong(&ok, 10) != 0 && ok;
    case 4:
        return text.toULong(&ok, 10) > 1 && ok;
    case 5:
        return toFiniteDouble(text, value) && value >= 0.0;
    case 6:
        return toFiniteDouble(text, value) && value > 0.0;
    case 7:
        return toFiniteDouble(text, value);
    case 8:
        break;
    case 9:
        return toFiniteDouble(text, value) && min <= value && value <= max;
    case 10: {
        const int intValue = text.toInt(&ok, 10);
        return ok && intMin <= intValue && intValue <= intMax;
    }
    default:
        break;
    }
    std::cerr << "Unknown type to validate: " << type << std::endl;
    std::exit(1);
}

QString InputValueType::expectation() const
{
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    switch (type) {
    case 1:
        return tr("Enter a text.");
    case 2:
        return tr("Enter a whole number of 0 or more.");
    case 3:
        return tr("Enter a whole number of 1 or more.");
    case 4:
        return tr("Enter a whole number of 2 or more.");
    case 5:
        return tr("Enter a number of 0 or more.");
    case 6:
        return tr("Enter a number above 0.");
    case 7:
        return tr("Enter a number.");
    case 9:
        return tr("Enter a number from %1 to %2.").arg(shown.toString(min, 'g', 12), shown.toString(max, 'g', 12));
    case 10:
        return tr("Enter a whole number from %1 to %2.").arg(shown.toString(intMin), shown.toString(intMax));
    default:
        return QString();
    }
}

void InputValueType::normalizeDecimalSeparator(QString& text, int type)
{
    if (type != 5 && type != 6 && type != 7 && type != 9)
        return;
    // Either separator is meant as the decimal one, whatever the desktop's
    // language; a text with two of them stays no number.
    text.replace(QLatin1Char(','), QLatin1Char('.'));
}
