#pragma once

// The inputs the typing tables type into number fields and cells, and what
// each must leave behind.

#include <QDoubleSpinBox>
#include <QString>
#include <cmath>

#include "foundation/InputValueType.h"

// The numbers a field or cell takes.
struct Range
{
    double low = 0.0;
    double high = 0.0;
    bool whole = false;
};

inline Range rangeOf(const QDoubleSpinBox& field)
{
    return {field.minimum(), field.maximum(), field.decimals() == 0};
}

// A text field or cell has only its rule; a size without an upper bound
// is "above the maximum" beyond what a double holds.
inline Range rangeOf(const InputValueType& rule)
{
    switch (rule.getType()) {
    case 2: return {0.0, 1e300, true};
    case 3: return {1.0, 1e300, true};
    case 5: return {0.0, 1e300, false};
    case 6: return {0.001, 1e300, false};
    case 9: return {rule.getMin(), rule.getMax(), false};
    case 10: return {double(rule.getIntMin()), double(rule.getIntMax()), true};
    default: return {-1e300, 1e300, false};
    }
}

// What is typed into a field for one kind of input, and what the field
// must hold after it is left: the typed number or the value from before.
// The numbers taken lie next to the value before, so that a panel stays
// one the dialog builds and OK takes.
struct TypedInput
{
    QString text;
    bool taken = false;
    double number = 0.0;
};

inline TypedInput typedInput(const QString& input, const Range& range, double before, bool german)
{
    const double low = range.low;
    const double high = range.high;
    const auto typed = [german](double number) {
        QString text = QString::number(number, 'g', 12);
        return german ? text.replace('.', ',') : text;
    };
    double count = std::round(before) + 1.0;
    if (count > high)
        count = std::round(before) - 1.0;
    TypedInput result;
    if (input == "point" || input == "comma") {
        double number = std::floor(before) + 0.5;
        if (number > high)
            number -= 1.0;
        result.text = QString::number(number, 'g', 12).replace('.', input == "point" ? '.' : ',');
        result.taken = !range.whole && number >= low;
        result.number = number;
    } else if (input == "whole") {
        result.text = QString::number(count, 'g', 12);
        result.taken = true;
        result.number = count;
    } else if (input == "above maximum") {
        // Its start is in range: the number taken on the way must not stay.
        result.text = QString::number(std::floor(high), 'g', 12) + "1";
    } else if (input == "below minimum") {
        result.text = typed(range.whole ? low - 1.0 : low - 0.5);
    } else if (input == "grouping") {
        result.text = german ? "1.000,5" : "1,000.5";
    } else if (input == "exponent") {
        result.text = QString::number(count * 10, 'g', 12) + "e-1";
        result.taken = !range.whole;
        result.number = count;
    } else if (input == "letters") {
        result.text = "1x5";
    }
    return result;
}
