#pragma once

#include <QCoreApplication>
#include <QString>

// The validation rule of one input field: a kind number and, for the two
// range kinds, its bounds. It judges a text and knows nothing of widgets.
//
// Kinds: 0 anything, 1 not empty, 2 unsigned integer, 3 unsigned integer
// other than 0, 4 unsigned integer above 1, 5 number >= 0, 6 number > 0,
// 7 any number, 9 number within [min, max], 10 integer within
// [intMin, intMax].
class InputValueType
{
    Q_DECLARE_TR_FUNCTIONS(InputValueType)

public:
    explicit InputValueType(int type);
    InputValueType(int type, double min, double max);
    InputValueType(int type, int intMin, int intMax);

    bool validate(const QString& text) const;
    // What the kind takes, in the user's words, for a field that refuses a
    // text; empty for kind 0, which refuses nothing.
    QString expectation() const;

    // Writes a typed decimal comma of the number kinds (5, 6, 7, 9) as a
    // point, on every desktop ("12,5" is 12.5); other kinds keep the text.
    static void normalizeDecimalSeparator(QString& text, int type);

    int getType() const { return type; }
    double getMin() const { return min; }
    double getMax() const { return max; }
    int getIntMin() const { return intMin; }
    int getIntMax() const { return intMax; }

private:
    int type;
    double min;
    double max;
    int intMin;
    int intMax;
};
