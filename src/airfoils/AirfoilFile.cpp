#include "airfoils/AirfoilFile.h"

#include "foundation/CLocale.h"
#include "foundation/Vector3D.h"

#include <QFileInfo>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>


AirfoilFileType getAirfoilFileType(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Dat;
    if (suffix.compare(QLatin1String("cor"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Cor;
    return AirfoilFileType::Unknown;
}

bool readAirfoilLine(char** line, unsigned* length, FILE* stream)
{
    // Two bytes of the 500 are kept back for the line end and the zero.
    const int MaxCharacters = 498;
    char raw[500] = {};
    int count = 0;
    bool whole = true;
    while (true) {
        if (std::feof(stream))
            break;
        if (count == MaxCharacters) {
            // The buffer is full. Unless a line end follows, the rest of the
            // line comes as the next line, which the caller must know.
            const int next = std::getc(stream);
            whole = next == EOF || ((next < 0x20 || next > 0x7E) && next != '\t');
            if (next != EOF)
                std::ungetc(next, stream);
            else if (!std::ferror(stream))
                std::clearerr(stream);  // the end is met again by the next read, as before
            break;
        }
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
    return whole;
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
    double parsed = 0.0;
    bool inRange = false;
    const char* end = CLocale::scanDouble(cursor, cursor + std::strlen(cursor), parsed, inRange);
    if (end == cursor)
        return NumberKind::None;
    cursor = end;
    if (!inRange || !std::isfinite(parsed) || std::fabs(parsed) > FLT_MAX)
        return NumberKind::NonFinite;
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

namespace {

bool isPointCount(float value)
{
    return value > 1.0f && value < 1.0e7f && value == std::floor(value);
}

// The two-surface layout opens with the counts of the upper and the lower
// points, which read like a point far off the chord. Taken as counts only
// when they account for exactly the points behind them, so that no file in
// the one-loop layout is reordered.
void joinSurfacesIntoOneLoop(std::vector<Vector3D*>& points)
{
    if (points.empty())
        return;
    const float upperCount = points[0]->getX();
    const float lowerCount = points[0]->getY();
    if (!isPointCount(upperCount) || !isPointCount(lowerCount)
        || double(upperCount) + double(lowerCount) != double(points.size() - 1))
        return;
    const size_t upperEnd = 1 + size_t(upperCount);
    std::vector<Vector3D*> loop;
    loop.reserve(points.size());
    for (size_t i = upperEnd - 1; i >= 1; --i)
        loop.push_back(points[i]);
    size_t lower = upperEnd;
    // Both sides start at the nose; the loop passes it once.
    if (*points[lower] == *points[1])
        delete points[lower++];
    for (; lower < points.size(); ++lower)
        loop.push_back(points[lower]);
    delete points[0];
    points.swap(loop);
}

} // namespace

bool readAirfoilPoints(FILE* stream, std::vector<Vector3D*>& points)
{
    bool trusted = true;
    while (trusted && !std::feof(stream) && !std::ferror(stream)) {
        char* line = nullptr;
        unsigned length = 0;
        // A cut line would be read on as numbers it does not hold.
        trusted = readAirfoilLine(&line, &length, stream);
        float x = 0.0f;
        float y = 0.0f;
        const AirfoilPointLine kind = trusted ? parseAirfoilPointLine(line, x, y) : AirfoilPointLine::NotAPoint;
        std::free(line);
        if (kind == AirfoilPointLine::NonFinite)
            trusted = false;  // no station could be trusted with such a point
        else if (kind == AirfoilPointLine::Point)
            points.push_back(new Vector3D(x, y, 0.0f));
    }
    if (trusted)
        joinSurfacesIntoOneLoop(points);
    return trusted;
}
