#include "airfoils/AirfoilFile.h"

#include "foundation/CLocale.h"
#include "foundation/Vector3D.h"

#include <QFileInfo>
#include <algorithm>
#include <QTextCodec>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>


const char* airfoilReadFailureText(AirfoilReadFailure failure)
{
    switch (failure) {
    case AirfoilReadFailure::None:
        break;
    case AirfoilReadFailure::CannotOpen:
        return "the file cannot be opened";
    case AirfoilReadFailure::NotEnoughMemory:
        return "there is not enough memory to read it";
    case AirfoilReadFailure::SeveralPoints:
        return "a line holds more than one point";
    case AirfoilReadFailure::NotFinite:
        return "a coordinate is not a finite number";
    case AirfoilReadFailure::TooFewPoints:
        return "it holds fewer than five distinct points";
    case AirfoilReadFailure::NoOutline:
        return "its points give no outline";
    case AirfoilReadFailure::Cancelled:
        return "the reading was cancelled";
    case AirfoilReadFailure::SeveralElements:
        return "it holds several elements separated by 999 999, not one section";
    case AirfoilReadFailure::NoGridDomain:
        return "the line behind the name is neither a point nor a grid domain of four numbers around the points";
    case AirfoilReadFailure::FarOffChord:
        return "a point lies further off the chord line than the chord is long";
    case AirfoilReadFailure::CrossesItself:
        return "its outline crosses itself";
    }
    return "";
}

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

QString airfoilNameWithinBound(QString name)
{
    if (name.size() <= AirfoilNameKept)
        return name;
    int cut = AirfoilNameKept;
    const int amp = name.lastIndexOf(QLatin1Char('&'), cut - 1);
    if (amp >= 0 && amp + 5 > cut)
        cut = amp;
    if (cut > 0 && name.at(cut - 1).isHighSurrogate())
        --cut;
    name.truncate(cut);
    return name;
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

// Reads up to count finite numbers from the start of a line into values
// and returns how many there were; *alone tells whether nothing but blanks
// follows them.
int readLeadingNumbers(const char* line, float* values, int count, bool* alone)
{
    const char* cursor = line;
    int read = 0;
    while (read < count && readNumber(cursor, values[read]) == NumberKind::Finite)
        ++read;
    while (*cursor && isBlank(*cursor))
        ++cursor;
    *alone = *cursor == '\0';
    return read;
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

// Whether the first point lies outside the box of all the others: no
// point of an outline does, the counts of a two-surface file do.
bool firstLiesOutsideTheRest(const std::vector<AirfoilRawPoint>& points)
{
    if (points.size() < 2)
        return false;
    float xmin = points[1].x, xmax = xmin, ymin = points[1].y, ymax = ymin;
    for (size_t i = 2; i < points.size(); ++i) {
        xmin = std::min(xmin, points[i].x);
        xmax = std::max(xmax, points[i].x);
        ymin = std::min(ymin, points[i].y);
        ymax = std::max(ymax, points[i].y);
    }
    const AirfoilRawPoint& first = points.front();
    return first.x < xmin || first.x > xmax || first.y < ymin || first.y > ymax;
}

// The two-surface layout opens with the counts of the upper and the lower
// points, which read like a point far off the chord. Taken as counts only
// when they account for exactly the points behind them, so that no file in
// the one-loop layout is reordered. Counts that do not (a miscounted file)
// are dropped when they lie outside the outline; both surfaces then run
// from the nose, as joinRunsFromOneEdge reads them.
void joinSurfacesIntoOneLoop(std::vector<AirfoilRawPoint>& points)
{
    if (points.empty())
        return;
    const float upperCount = points[0].x;
    const float lowerCount = points[0].y;
    if (!isPointCount(upperCount) || !isPointCount(lowerCount))
        return;
    if (double(upperCount) + double(lowerCount) != double(points.size() - 1)) {
        if (firstLiesOutsideTheRest(points))
            points.erase(points.begin());
        return;
    }
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

// Some files give both surfaces from the same edge without counting their
// points: nose to trailing edge twice, or trailing edge to nose twice. The
// line from the end of the first surface back to the start of the second
// spans the whole chord; where a cambered lower surface rises above it, the
// resampler would take that line for the lower surface. Such a line, the
// only one from edge to edge, with the outline starting and ending at the
// edges it joins, is where the surfaces are joined into one loop instead.
void joinRunsFromOneEdge(std::vector<AirfoilRawPoint>& points)
{
    if (points.size() < 4)
        return;
    float xmin = points.front().x;
    float xmax = xmin;
    for (const AirfoilRawPoint& p : points) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
    }
    const double nearEdge = 0.01 * (double(xmax) - xmin);
    const auto atNose = [&](const AirfoilRawPoint& p) { return double(p.x) - xmin <= nearEdge; };
    const auto atTail = [&](const AirfoilRawPoint& p) { return double(xmax) - p.x <= nearEdge; };
    const bool fromNose = atNose(points.front()) && atTail(points.back());
    const bool fromTail = atTail(points.front()) && atNose(points.back());
    if (fromNose == fromTail)
        return;
    size_t jump = 0;
    for (size_t i = 1; i + 2 < points.size(); ++i) {
        const bool across = fromNose ? atTail(points[i]) && atNose(points[i + 1])
                                     : atNose(points[i]) && atTail(points[i + 1]);
        if (!across)
            continue;
        if (jump != 0)
            return;
        jump = i;
    }
    if (jump == 0)
        return;
    // First surface from the trailing edge to the nose, then the second from
    // the nose back, passing a nose they share once.
    std::vector<AirfoilRawPoint> first(points.begin(), points.begin() + long(jump) + 1);
    std::vector<AirfoilRawPoint> second(points.begin() + long(jump) + 1, points.end());
    if (fromNose)
        std::reverse(first.begin(), first.end());
    else
        std::reverse(second.begin(), second.end());
    if (first.back().x == second.front().x && first.back().y == second.front().y)
        second.erase(second.begin());
    points.swap(first);
    points.insert(points.end(), second.begin(), second.end());
}

// The MSES grid domain "xmin xmax ymin ymax" lies around the section; four
// numbers that do not are points or another layout, not to be dropped.
bool isGridDomainAround(const float domain[4], const std::vector<AirfoilRawPoint>& points)
{
    if (!(domain[0] < domain[1] && domain[2] < domain[3]))
        return false;
    return std::all_of(points.begin(), points.end(), [&](const AirfoilRawPoint& p) {
        return p.x >= domain[0] && p.x <= domain[1] && p.y >= domain[2] && p.y <= domain[3];
    });
}

// How far a point lies from the line through a and b, signed by its side.
double sideOf(const AirfoilRawPoint& a, const AirfoilRawPoint& b, const AirfoilRawPoint& p)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    return (dx * (double(p.y) - a.y) - dy * (double(p.x) - a.x)) / std::hypot(dx, dy);
}

// Two segments cross when each one's ends lie on both sides of the other,
// clear of it by more than tolerance: rounding in the last printed digit
// lets the surfaces of a thin trailing edge touch or cross by a hair,
// which real files do and which harms no rib.
bool crossClearly(const AirfoilRawPoint& p0, const AirfoilRawPoint& p1, const AirfoilRawPoint& q0,
                  const AirfoilRawPoint& q1, double tolerance)
{
    const double d0 = sideOf(q0, q1, p0);
    const double d1 = sideOf(q0, q1, p1);
    if (!(d0 * d1 < 0.0) || std::fabs(d0) <= tolerance || std::fabs(d1) <= tolerance)
        return false;
    const double e0 = sideOf(p0, p1, q0);
    const double e1 = sideOf(p0, p1, q1);
    return e0 * e1 < 0.0 && std::fabs(e0) > tolerance && std::fabs(e1) > tolerance;
}

// Share of the chord by which crossing segments must clear each other.
const double CrossingTolerance = 1.0e-3;
// Pairs of segments compared at most; an outline that keeps this many
// pairs side by side without a crossing is let through rather than
// searched for minutes.
const size_t MostPairsCompared = 20000000;

// A sweep along the chord: each segment is compared only with those that
// overlap it in x, which on an airfoil are the few of the other surface.
bool crossesItself(const std::vector<AirfoilRawPoint>& points, double chord)
{
    std::vector<size_t> segments;
    segments.reserve(points.size());
    for (size_t i = 0; i + 1 < points.size(); ++i)
        if (points[i].x != points[i + 1].x || points[i].y != points[i + 1].y)
            segments.push_back(i);
    const auto minX = [&](size_t i) { return std::min(points[i].x, points[i + 1].x); };
    const auto maxX = [&](size_t i) { return std::max(points[i].x, points[i + 1].x); };
    std::sort(segments.begin(), segments.end(), [&](size_t l, size_t r) { return minX(l) < minX(r); });
    const double tolerance = CrossingTolerance * chord;
    std::vector<size_t> active;
    size_t compared = 0;
    for (const size_t s : segments) {
        const float start = minX(s);
        compared += active.size();
        active.erase(std::remove_if(active.begin(), active.end(), [&](size_t a) { return maxX(a) < start; }),
                     active.end());
        for (const size_t a : active)
            if (crossClearly(points[a], points[a + 1], points[s], points[s + 1], tolerance))
                return true;
        compared += active.size();
        if (compared > MostPairsCompared)
            return false;
        active.push_back(s);
    }
    return false;
}

// Whether the points make one section a rib can be cut from; the reason
// in reading.failure when not.
bool isOneSection(const std::vector<AirfoilRawPoint>& points, AirfoilReading& reading)
{
    AirfoilRawPoint distinct[AirfoilMinimumPoints];
    int found = 0;
    for (const AirfoilRawPoint& p : points) {
        if (found == AirfoilMinimumPoints)
            break;
        if (std::none_of(distinct, distinct + found, [&](const AirfoilRawPoint& q) { return q.x == p.x && q.y == p.y; }))
            distinct[found++] = p;
    }
    if (found < AirfoilMinimumPoints) {
        reading.failure = AirfoilReadFailure::TooFewPoints;
        return false;
    }
    float xmin = points.front().x;
    float xmax = xmin;
    for (const AirfoilRawPoint& p : points) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
    }
    // y is measured in chords once read (the file may be in percent), so a
    // point a chord off the chord line is no section but a stray number.
    const double chord = double(xmax) - xmin;
    if (std::any_of(points.begin(), points.end(), [&](const AirfoilRawPoint& p) { return std::fabs(double(p.y)) > chord; })) {
        reading.failure = AirfoilReadFailure::FarOffChord;
        return false;
    }
    if (crossesItself(points, chord)) {
        reading.failure = AirfoilReadFailure::CrossesItself;
        return false;
    }
    return true;
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
    // The line behind a DAT name: a grid domain to check once every point
    // is known, or three numbers that are a point only if the lines after
    // carry a third column too.
    float domain[4] = {};
    bool domainRead = false;
    bool threeNumbersHeld = false;
    AirfoilRawPoint held = {0.0f, 0.0f};
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
            float numbers[5] = {};
            bool alone = false;
            if (domainPossible) {
                const int count = readLeadingNumbers(line.text, numbers, 5, &alone);
                if (count == 4 && alone) {
                    std::copy(numbers, numbers + 4, domain);
                    domainRead = true;
                    continue;
                }
                if (count == 3) {
                    held = {numbers[0], numbers[1]};
                    threeNumbersHeld = true;
                    continue;
                }
            }
            float x = 0.0f;
            float y = 0.0f;
            switch (parseAirfoilPointLine(line.text, x, y)) {
            case AirfoilPointLine::Point:
                if (threeNumbersHeld) {
                    if (readLeadingNumbers(line.text, numbers, 3, &alone) < 3) {
                        reading.failure = AirfoilReadFailure::NoGridDomain;
                        return false;
                    }
                    points.push_back(held);
                    threeNumbersHeld = false;
                }
                // MSES separates the elements of a multi-element section so.
                if (x == 999.0f && y == 999.0f) {
                    reading.failure = AirfoilReadFailure::SeveralElements;
                    return false;
                }
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
        if (threeNumbersHeld || (domainRead && !isGridDomainAround(domain, points))) {
            reading.failure = AirfoilReadFailure::NoGridDomain;
            return false;
        }
        joinSurfacesIntoOneLoop(points);
        joinRunsFromOneEdge(points);
        if (!isOneSection(points, reading))
            return false;
    } catch (const std::bad_alloc&) {
        reading.failure = AirfoilReadFailure::NotEnoughMemory;
        return false;
    }
    reading.setPermille(ReadingPermille);
    return true;
}
