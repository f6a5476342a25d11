#include "airfoils/AirfoilFile.h"

#include "foundation/CLocale.h"
#include "foundation/Vector3D.h"

#include <QFileInfo>
#include <QTextCodec>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>


AirfoilFileType getAirfoilFileType(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Dat;
    if (suffix.compare(QLatin1String("cor"), Qt::CaseInsensitive) == 0)
        return AirfoilFileType::Cor;
    return AirfoilFileType::Unknown;
}

namespace {

// One line as the reader keeps it: the first AirfoilLineKept bytes and the
// line end, in a buffer of fixed size. Public airfoil files end with
// remarks of any length, and a file may be one huge line; neither may cost
// more than this.
struct KeptLine {
    char text[AirfoilLineKept + 2];
    unsigned length = 0;
};

// A byte of a UTF-8 sequence other than its first.
bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// A line cut at the kept length must not end in half a letter: the name
// would no longer read as UTF-8.
void dropPartialLetter(KeptLine& line)
{
    unsigned start = line.length;
    while (start > 0 && line.length - start < 4 && isContinuation(static_cast<unsigned char>(line.text[start - 1])))
        --start;
    if (start == 0)
        return;
    const unsigned char lead = static_cast<unsigned char>(line.text[start - 1]);
    const unsigned need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (line.length - (start - 1) < need)
        line.length = start - 1;
}

// Stops reading past a huge line once a while to look at the cancel flag.
const unsigned long SkippedBytesBetweenLooks = 1ul << 20;

// Reads one line into line; false when the reading was cancelled while a
// long line was read past.
bool readKeptLine(FILE* stream, KeptLine& line, const AirfoilReading* reading)
{
    line.length = 0;
    bool cut = false;
    bool leading = true;
    unsigned long skipped = 0;
    // The stream belongs to this reader alone; the unlocked calls spare a
    // lock per character once the program has more than one thread.
    while (!feof_unlocked(stream)) {
        int c = getc_unlocked(stream);
        if (c == EOF) {
            line.text[line.length++] = '\n';
            break;
        }
        if (c == '\t')
            c = ' ';
        if (c == '\r') {
            // CR LF is one line end, as on the systems these files come from.
            const int next = getc_unlocked(stream);
            if (next != '\n' && next != EOF)
                std::ungetc(next, stream);
        }
        if (c < 0x20 || c == 0x7F) {
            line.text[line.length++] = '\n';
            break;
        }
        if (leading && c == ' ')
            continue;
        leading = false;
        if (line.length < AirfoilLineKept) {
            line.text[line.length++] = static_cast<char>(c);
        } else {
            cut = true;
            if (++skipped % SkippedBytesBetweenLooks == 0 && reading && reading->isCancelled()) {
                line.text[line.length] = '\0';
                return false;
            }
        }
    }
    // A cut line still ends in its line end (the loop always stores one
    // unless it started at the end of the stream).
    if (cut) {
        --line.length;
        dropPartialLetter(line);
        line.text[line.length++] = '\n';
    }
    line.text[line.length] = '\0';
    return true;
}

} // namespace

void readAirfoilLine(char** line, unsigned* length, FILE* stream)
{
    KeptLine kept;
    readKeptLine(stream, kept, nullptr);
    unsigned escapedLength = kept.length;
    for (unsigned i = 0; i < kept.length; ++i)
        if (kept.text[i] == '&')
            escapedLength += 4;
    char* buffer = static_cast<char*>(std::malloc(escapedLength + 1));
    if (!buffer) {
        *line = nullptr;
        *length = 0;
        return;
    }
    char* out = buffer;
    for (unsigned i = 0; i < kept.length; ++i) {
        if (kept.text[i] == '&') {
            std::memcpy(out, "&amp;", 5);
            out += 5;
        } else {
            *out++ = kept.text[i];
        }
    }
    *out = '\0';
    *line = buffer;
    *length = escapedLength;
}

QString readAirfoilTextLine(FILE* stream, const AirfoilReading* reading)
{
    KeptLine kept;
    readKeptLine(stream, kept, reading);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text = QTextCodec::codecForName("UTF-8")->toUnicode(kept.text, int(kept.length), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        text = QString::fromLatin1(kept.text, int(kept.length));
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
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

// The MSES form puts the grid domain, "xmin xmax ymin ymax", on the line
// behind the name: four finite numbers and nothing else.
bool isGridDomain(const char* line)
{
    const char* cursor = line;
    float value = 0.0f;
    for (int i = 0; i < 4; ++i)
        if (readNumber(cursor, value) != NumberKind::Finite)
            return false;
    while (*cursor && isBlank(*cursor))
        ++cursor;
    return *cursor == '\0';
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
void joinSurfacesIntoOneLoop(std::vector<AirfoilRawPoint>& points)
{
    if (points.empty())
        return;
    const float upperCount = points[0].x;
    const float lowerCount = points[0].y;
    if (!isPointCount(upperCount) || !isPointCount(lowerCount)
        || double(upperCount) + double(lowerCount) != double(points.size() - 1))
        return;
    const size_t upperEnd = 1 + size_t(upperCount);
    std::vector<AirfoilRawPoint> loop;
    loop.reserve(points.size());
    for (size_t i = upperEnd - 1; i >= 1; --i)
        loop.push_back(points[i]);
    size_t lower = upperEnd;
    // Both sides start at the nose; the loop passes it once.
    if (points[lower].x == points[1].x && points[lower].y == points[1].y)
        ++lower;
    for (; lower < points.size(); ++lower)
        loop.push_back(points[lower]);
    points.swap(loop);
}

// Lines read between two looks at the cancel flag and the file position.
const unsigned LinesBetweenLooks = 4096;
// The share of the progress that reading the points takes; resampling
// them takes the rest.
const int ReadingPermille = 900;

long long fileSizeOf(FILE* stream)
{
    struct stat status;
    if (fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    return static_cast<long long>(status.st_size);
}

} // namespace

bool readAirfoilPoints(FILE* stream, std::vector<AirfoilRawPoint>& points, AirfoilReading& reading)
{
    const long long size = fileSizeOf(stream);
    KeptLine line;
    bool firstLine = true;
    unsigned linesRead = 0;
    try {
        while (!feof_unlocked(stream) && !ferror_unlocked(stream)) {
            if (!readKeptLine(stream, line, &reading) || (++linesRead % LinesBetweenLooks == 0 && reading.isCancelled())) {
                reading.failure = AirfoilReadFailure::Cancelled;
                return false;
            }
            if (linesRead % LinesBetweenLooks == 0 && size > 0)
                reading.setPermille(int(ReadingPermille * std::min(1.0, double(ftello(stream)) / double(size))));
            const bool domainPossible = firstLine && reading.gridDomainMayFollow;
            firstLine = false;
            if (domainPossible && isGridDomain(line.text))
                continue;
            float x = 0.0f;
            float y = 0.0f;
            switch (parseAirfoilPointLine(line.text, x, y)) {
            case AirfoilPointLine::Point:
                points.push_back({x, y});
                break;
            // Neither a point that is not finite nor a line of several points
            // (read as its first alone) leaves a station to trust.
            case AirfoilPointLine::NonFinite:
                reading.failure = AirfoilReadFailure::NotFinite;
                return false;
            case AirfoilPointLine::SeveralPoints:
                reading.failure = AirfoilReadFailure::SeveralPoints;
                return false;
            case AirfoilPointLine::NotAPoint:
                break;
            }
        }
        joinSurfacesIntoOneLoop(points);
    } catch (const std::bad_alloc&) {
        reading.failure = AirfoilReadFailure::NotEnoughMemory;
        return false;
    }
    reading.setPermille(ReadingPermille);
    return true;
}
