#pragma once

#include <QString>
#include <string>

// Numbers in files are read and written in the "C" convention whatever the
// user's desktop locale, and without touching the process locale (which is
// shared with the airfoil-loading thread).
class CLocale
{
public:
    // Parses one number filling the whole range [begin, end) (surrounding
    // blanks allowed). Refuses empty text, trailing garbage, NaN and infinity.
    static bool parseDouble(const char* begin, const char* end, double& value);
    static bool parseDouble(const std::string& text, double& value);
    static bool parseDouble(const QString& text, double& value);
    static bool parseFloat(const QString& text, float& value);
    // A number as a person typed it into a field or a table cell: a single
    // '.' or ',' is the decimal separator whatever the desktop's language,
    // and a second one makes the text no number, so that grouping
    // ("1.000,5", "1,000.5") is never read as another value.
    static bool parseTyped(const QString& text, double& value);
    // Reads the number at the very start of [begin, end), as many characters
    // as form one (a leading '+' taken), and returns where it stopped: begin
    // when there is no number. inRange is false for a magnitude beyond or
    // below what a double holds; NaN and infinity come back as read.
    static const char* scanDouble(const char* begin, const char* end, double& value, bool& inRange);

    // Shortest text that reads back as the same double ("0.5", "1e-07").
    static std::string toStdString(double value);
    // At most decimals places, trailing zeros and a bare point left out
    // ("5000", "0.000025"); what rounds to zero is "0", never "-0".
    static std::string toFixedString(double value, int decimals);
    // printf-like fixed or general formatting, always with a '.'.
    static QString format(double value, char format = 'g', int precision = 6);
    // A number shown beside the fields of a form, with the decimal
    // separator and no grouping, just as the spin boxes beside it show
    // theirs (the desktop's language, or QLocale::setDefault).
    static QString display(double value, char format = 'f', int precision = 2);
};
