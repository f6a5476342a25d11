#include "foundation/CLocale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <QLocale>

bool CLocale::parseDouble(const char* begin, const char* end, double& value)
{
    while (begin < end && (*begin == ' ' || *begin == '\t' || *begin == '\r' || *begin == '\n'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r' || end[-1] == '\n'))
        --end;
    double parsed = 0.0;
    bool inRange = false;
    if (begin == end || scanDouble(begin, end, parsed, inRange) != end || !inRange || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool CLocale::parseDouble(const std::string& text, double& value)
{
    return parseDouble(text.data(), text.data() + text.size(), value);
}

bool CLocale::parseDouble(const QString& text, double& value)
{
    return parseDouble(text.toStdString(), value);
}

bool CLocale::parseFloat(const QString& text, float& value)
{
    double parsed = 0.0;
    if (!parseDouble(text, parsed) || std::fabs(parsed) > 3.4e38)
        return false;
    value = static_cast<float>(parsed);
    return true;
}

bool CLocale::parseTyped(const QString& text, double& value)
{
    QString number = text.trimmed();
    if (number.count(QLatin1Char('.')) + number.count(QLatin1Char(',')) > 1)
        return false;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    return parseDouble(number, value);
}

const char* CLocale::scanDouble(const char* begin, const char* end, double& value, bool& inRange)
{
    const char* start = begin;
    // from_chars does not take a leading '+'; files sometimes carry one.
    if (end - start > 1 && *start == '+' && start[1] != '-' && start[1] != '+')
        ++start;
    const auto result = std::from_chars(start, end, value, std::chars_format::general);
    if (result.ptr == start)
        return begin;
    inRange = result.ec != std::errc::result_out_of_range;
    return result.ptr;
}

std::string CLocale::toStdString(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string CLocale::toFixedString(double value, int decimals)
{
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    char* end = result.ptr;
    if (std::find(text, end, '.') != end) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    }
    std::string written(text, end);
    if (written == "-0")
        written = "0";
    return written;
}

QString CLocale::format(double value, char format, int precision)
{
    return QLocale::c().toString(value, format, precision);
}

QString CLocale::display(double value, char format, int precision)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}
