#include "airfoils/AirfoilFile.h"

#include <QFileInfo>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "foundation/CLocale.h"

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

// A token that is a number the C library would read but that is no use as a
// coordinate: "nan", "inf", "1e999".
bool isNonFiniteNumber(const char* begin, const char* end)
{
    if (begin < end && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ptr != end)
        return false;
    if (result.ec == std::errc::result_out_of_range)
        return true;
    return result.ec == std::errc() && !std::isfinite(value);
}

enum class TokenKind { Missing, Number, NonFinite, Text };

TokenKind readToken(const char*& cursor, float& value)
{
    while (*cursor && isBlank(*cursor))
        ++cursor;
    const char* begin = cursor;
    while (*cursor && !isBlank(*cursor))
        ++cursor;
    if (begin == cursor)
        return TokenKind::Missing;
    double parsed = 0.0;
    if (CLocale::parseDouble(begin, cursor, parsed)) {
        if (std::fabs(parsed) > FLT_MAX)
            return TokenKind::NonFinite;
        value = static_cast<float>(parsed);
        return TokenKind::Number;
    }
    return isNonFiniteNumber(begin, cursor) ? TokenKind::NonFinite : TokenKind::Text;
}

} // namespace

AirfoilPointLine parseAirfoilPointLine(const char* line, float& x, float& y)
{
    const char* cursor = line;
    float first = 0.0f;
    float second = 0.0f;
    const TokenKind a = readToken(cursor, first);
    if (a != TokenKind::Number && a != TokenKind::NonFinite)
        return AirfoilPointLine::NotAPoint;
    const TokenKind b = readToken(cursor, second);
    if (b != TokenKind::Number && b != TokenKind::NonFinite)
        return AirfoilPointLine::NotAPoint;
    if (a == TokenKind::NonFinite || b == TokenKind::NonFinite)
        return AirfoilPointLine::NonFinite;
    x = first;
    y = second;
    return AirfoilPointLine::Point;
}
