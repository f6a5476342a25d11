#include "airfoils/AirfoilFile.h"

#include <QFileInfo>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>


AirfoilFileType getAirfoilFileType(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Dat;
    if (suffix.compare(QLatin1String("cor"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Cor;
    return AirfoilFileType::Unknown;
}

void readAirfoilLine(char** line, unsigned* length, FILE* stream)
{
    // Two bytes of the 500 are kept back for the line end and the zero.
    const int MaxCharacters = 498;
    char raw[500] = {};
    int count = 0;
    while (count < MaxCharacters) {
        if (std::feof(stream))
            break;
        int c = std::getc(stream);
        if (c == EOF) {
            raw[count++] = '\n';
            break;
        }
        if (c == '\t')
            c = ' ';
        if (c == '\r') {
            // CR LF is one line end, as on the systems these files come from.
            const int next = std::getc(stream);
            if (next != '\n' && next != EOF)
                std::ungetc(next, stream);
        }
        if (c < 0x20 || c > 0x7E) {
            raw[count++] = '\n';
            break;
        }
        raw[count++] = static_cast<char>(c);
    }

    const char* text = raw;
    while (*text == ' ')
        ++text;

    // Escaping can make the line longer than it was read; it is kept whole.
    std::string escaped;
    escaped.reserve(std::strlen(text) + 16);
    for (const char* p = text; *p; ++p) {
        if (*p == '&')
            escaped += "&amp;";
        else
            escaped += *p;
    }

    char* buffer = static_cast<char*>(std::malloc(escaped.size() + 1));
    std::memcpy(buffer, escaped.c_str(), escaped.size() + 1);
    *line = buffer;
    *length = static_cast<unsigned>(escaped.size());
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

enum class NumberKind { None, Finite, NonFinite };

// Reads a number the way scanf's "%f" does: leading blanks are skipped, as
// many characters are taken as form a number, and the cursor stops behind
// them. A number that is no use as a coordinate ("nan", "inf", "1e999",
// anything beyond float) is told apart from text.
NumberKind readNumber(const char*& cursor, float& value)
{
    while (*cursor && isBlank(*cursor))
        ++cursor;
    const char* begin = cursor;
    // from_chars does not take a leading '+'; files sometimes carry one.
    if (*begin == '+' && begin[1] != '-')
        ++begin;
    double parsed = 0.0;
    const auto result = std::from_chars(begin, begin + std::strlen(begin), parsed, std::chars_format::general);
    if (result.ptr == begin)
        return NumberKind::None;
    cursor = result.ptr;
    if (result.ec == std::errc::result_out_of_range || !std::isfinite(parsed) || std::fabs(parsed) > FLT_MAX)
        return NumberKind::NonFinite;
    if (result.ec != std::errc())
        return NumberKind::None;
    value = static_cast<float>(parsed);
    return NumberKind::Finite;
}

} // namespace

AirfoilPointLine parseAirfoilPointLine(const char* line, float& x, float& y)
{
    const char* cursor = line;
    float first = 0.0f;
    float second = 0.0f;
    const NumberKind a = readNumber(cursor, first);
    if (a == NumberKind::None)
        return AirfoilPointLine::NotAPoint;
    const NumberKind b = readNumber(cursor, second);
    if (b == NumberKind::None)
        return AirfoilPointLine::NotAPoint;
    if (a == NumberKind::NonFinite || b == NumberKind::NonFinite)
        return AirfoilPointLine::NonFinite;
    x = first;
    y = second;
    return AirfoilPointLine::Point;
}
