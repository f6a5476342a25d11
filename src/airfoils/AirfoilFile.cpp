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

void readAirfoilLine(char** line, unsigned* length, FILE* stream)
{
    // Lines are read whole, however long: public airfoil files end with
    // remarks of any length, and a line cut in two would read on as text
    // (or numbers) it does not hold.
    std::string raw;
    while (!std::feof(stream)) {
        int c = std::getc(stream);
        if (c == EOF) {
            raw += '\n';
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
            raw += '\n';
            break;
        }
        raw += static_cast<char>(c);
    }

    const size_t blanks = raw.find_first_not_of(' ');
    std::string escaped;
    escaped.reserve(raw.size() + 16);
    for (size_t i = blanks == std::string::npos ? raw.size() : blanks; i < raw.size(); ++i) {
        if (raw[i] == '&')
            escaped += "&amp;";
        else
            escaped += raw[i];
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
    // A third column is ignored, as some files carry one; a fourth number
    // makes a second point, as in a file with every point on one line.
    float third = 0.0f;
    float fourth = 0.0f;
    if (readNumber(cursor, third) != NumberKind::None && readNumber(cursor, fourth) != NumberKind::None)
        return AirfoilPointLine::SeveralPoints;
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
        readAirfoilLine(&line, &length, stream);
        float x = 0.0f;
        float y = 0.0f;
        const AirfoilPointLine kind = parseAirfoilPointLine(line, x, y);
        std::free(line);
        // Neither a point that is not finite nor a line of several points
        // (read as its first alone) leaves a station to trust.
        if (kind == AirfoilPointLine::NonFinite || kind == AirfoilPointLine::SeveralPoints)
            trusted = false;
        else if (kind == AirfoilPointLine::Point)
            points.push_back(new Vector3D(x, y, 0.0f));
    }
    if (trusted)
        joinSurfacesIntoOneLoop(points);
    return trusted;
}
