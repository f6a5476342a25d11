#include "output/XDxfGen.h"

#include "foundation/AtomicFileWriter.h"
#include "foundation/CLocale.h"

#include <QFile>
#include <cmath>
#include <cstdio>

namespace {

// Large enough that the many small groups of a rib outline reach the disk in
// few writes, small enough to keep memory flat on big drawings.
constexpr std::size_t FlushThreshold = 64 * 1024;

// A millionth of a millimetre: far below what any cutter resolves, and far
// below the thousandth that a part must keep anywhere on the sheet.
constexpr int Decimals = 6;
constexpr double RepeatTolerance = 1e-6;

// A line break inside a string value would end the group early and shift
// every following code/value pair, so user texts lose them here.
std::string singleLine(const char* text)
{
    std::string result(text);
    for (char& c : result)
        if (c == '\n' || c == '\r')
            c = ' ';
    return result;
}

// Texts come as UTF-8, which a release 12 drawing cannot hold: CAD programs
// read its strings in the Windows code page (ANSI_1252) and turn "\U+00FC"
// escapes into characters. Latin-1 letters keep their one byte, which is the
// same in that code page; everything else beyond ASCII is escaped.
std::string codePageText(const char* utf8)
{
    std::string result;
    for (const uint code : QString::fromUtf8(singleLine(utf8).c_str()).toUcs4()) {
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            result += static_cast<char>(code);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\U+%04X", code <= 0xFFFF ? code : 0xFFFDu);
            result += escape;
        }
    }
    return result;
}

} // namespace

XDxfGen::XDxfGen(const std::vector<std::string>& layerNames)
    : layerNames(layerNames)
{
}

XDxfGen::~XDxfGen()
{
    end();
}

bool XDxfGen::begin(const std::string& fileName, std::string& errorMessage, double extMaxX, double extMaxY)
{
    return begin(QFile::decodeName(QByteArray::fromStdString(fileName)), errorMessage, extMaxX, extMaxY);
}

bool XDxfGen::begin(const QString& fileName, std::string& errorMessage, double extMaxX, double extMaxY)
{
    if (!notBegun)
        return true;

    auto target = std::make_unique<AtomicFileWriter>(fileName);
    if (!target->open(true)) {
        errorMessage = target->errorString().toStdString();
        return false;
    }
    file = std::move(target);
    buffer.clear();
    buffer.reserve(FlushThreshold + 256);
    lastError.clear();
    notBegun = false;
    success = true;
    skippedEntities = 0;

    group(0, "SECTION");
    group(2, "HEADER");
    group(9, "$ACADVER");
    group(1, "AC1009");
    group(9, "$INSBASE");
    group(10, 0.0);
    group(20, 0.0);
    group(30, 0.0);
    group(9, "$EXTMIN");
    group(10, 0.0);
    group(20, 0.0);
    group(9, "$EXTMAX");
    group(10, std::isfinite(extMaxX) ? extMaxX : 0.0);
    group(20, std::isfinite(extMaxY) ? extMaxY : 0.0);
    group(0, "ENDSEC");
    group(0, "SECTION");
    group(2, "TABLES");
    group(0, "TABLE");
    group(2, "LAYER");
    group(70, static_cast<int>(layerNames.size()));
    for (const std::string& name : layerNames) {
        group(0, "LAYER");
        group(2, singleLine(name.c_str()));
        group(70, 0);
        group(62, 7);
        group(6, "Continuous");
    }
    group(0, "ENDTAB");
    group(0, "ENDSEC");
    group(0, "SECTION");
    group(2, "ENTITIES");
    return true;
}

bool XDxfGen::end()
{
    if (notBegun)
        return success;
    group(0, "ENDSEC");
    static const char eof[] = "0\nEOF";
    writeRaw(eof, sizeof eof - 1);
    flushBuffer();
    if (success && !file->commit()) {
        success = false;
        lastError = file->errorString();
    }
    file.reset();
    notBegun = true;
    return success;
}

void XDxfGen::cancel()
{
    if (notBegun)
        return;
    buffer.clear();
    file.reset();
    notBegun = true;
}

QString XDxfGen::errorString() const
{
    return lastError;
}

int XDxfGen::skippedEntityCount() const
{
    return skippedEntities;
}

void XDxfGen::point(double x, double y, int layer)
{
    if (!allFinite({x, y}))
        return;
    group(0, "POINT");
    layerGroup(layer);
    group(10, x);
    group(20, y);
    group(30, 0.0);
}

void XDxfGen::circle(double radius, double centreX, double centreY, double thickness, int layer)
{
    if (!allFinite({radius, centreX, centreY, thickness}))
        return;
    group(0, "CIRCLE");
    layerGroup(layer);
    group(39, thickness);
    group(10, centreX);
    group(20, centreY);
    group(30, 0.0);
    group(40, radius);
}

void XDxfGen::text(double x, double y, double height, const char* text, double rotation, int layer)
{
    if (text == nullptr || !allFinite({x, y, height, rotation}))
        return;
    group(0, "TEXT");
    layerGroup(layer);
    group(10, x);
    group(20, y);
    group(30, 0.0);
    group(40, height);
    group(50, rotation);
    group(1, codePageText(text));
}

void XDxfGen::line(double x1, double y1, double x2, double y2, double thickness, int layer)
{
    if (!allFinite({x1, y1, x2, y2, thickness}))
        return;
    group(0, "LINE");
    layerGroup(layer);
    group(39, thickness);
    group(10, x1);
    group(20, y1);
    group(30, 0.0);
    group(11, x2);
    group(21, y2);
    group(31, 0.0);
}

void XDxfGen::rectangle(double x, double y, double width, double height, double thickness, int layer)
{
    const double x2 = x + width;
    const double y2 = y + height;
    if (!allFinite({x, y, x2, y2, thickness}))
        return;
    line(x, y, x2, y, thickness, layer);
    line(x2, y, x2, y2, thickness, layer);
    line(x2, y2, x, y2, thickness, layer);
    line(x, y2, x, y, thickness, layer);
}

void XDxfGen::polyline(const std::vector<double>& xs, const std::vector<double>& ys, double thickness, int layer)
{
    if (xs.size() != ys.size() || xs.empty())
        return;
    if (!allFinite({thickness}))
        return;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) {
            ++skippedEntities;
            return;
        }
    group(0, "POLYLINE");
    layerGroup(layer);
    group(39, thickness);
    group(100, "AcDb2dPolyline");
    group(66, 1);
    group(10, 0.0);
    group(20, 0.0);
    group(30, 0.0);
    group(70, 1);

    // Cutting software flags the zero-length segments that a repeated point
    // makes (every rib outline repeats one at its leading edge), including
    // the closing segment back to the first point. A point is a repeat when
    // neither coordinate differs by more than a millionth of a millimetre
    // from the one before; judged on the numbers as given, so the rounding
    // in the file merges no real corner, while any two points kept differ
    // in their written text.
    const auto repeats = [&xs, &ys](std::size_t a, std::size_t b) {
        return std::fabs(xs[a] - xs[b]) <= RepeatTolerance && std::fabs(ys[a] - ys[b]) <= RepeatTolerance;
    };
    std::vector<std::size_t> kept;
    kept.reserve(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (kept.empty() || !repeats(kept.back(), i))
            kept.push_back(i);
    while (kept.size() > 1 && repeats(kept.back(), kept.front()))
        kept.pop_back();

    for (const std::size_t i : kept) {
        group(0, "VERTEX");
        layerGroup(layer);
        group(100, "AcDb2dVertex");
        group(10, xs[i]);
        group(20, ys[i]);
        group(30, 0.0);
    }
    group(0, "SEQEND");
}

void XDxfGen::arc(double centreX, double centreY, double radius, double startAngle, double endAngle,
                  double thickness, int layer)
{
    if (!allFinite({centreX, centreY, radius, startAngle, endAngle, thickness}))
        return;
    group(0, "ARC");
    group(100, "AcDbEntity");
    layerGroup(layer);
    group(100, "AcDbCircle");
    group(39, thickness);
    group(10, centreX);
    group(20, centreY);
    group(30, 0.0);
    group(40, radius);
    group(100, "AcDbArc");
    group(50, startAngle);
    group(51, endAngle);
}

bool XDxfGen::allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) {
            ++skippedEntities;
            return false;
        }
    return true;
}

void XDxfGen::layerGroup(int layer)
{
    // Layer "0" exists in every DXF drawing, so a caller's stray index still
    // yields a drawing that loads.
    if (layer < 0 || static_cast<std::size_t>(layer) >= layerNames.size())
        group(8, "0");
    else
        group(8, singleLine(layerNames[static_cast<std::size_t>(layer)].c_str()));
}

void XDxfGen::group(int code, const char* value)
{
    if (notBegun)
        return;
    buffer += std::to_string(code);
    buffer += '\n';
    buffer += value;
    buffer += '\n';
    if (buffer.size() >= FlushThreshold)
        flushBuffer();
}

void XDxfGen::group(int code, const std::string& value)
{
    group(code, value.c_str());
}

void XDxfGen::group(int code, int value)
{
    group(code, std::to_string(value).c_str());
}

void XDxfGen::group(int code, double value)
{
    group(code, numberText(value));
}

std::string XDxfGen::numberText(double value)
{
    // Fixed decimals, not significant digits: the rows of a drawing stack
    // downwards, and six digits would round a part 10 m down the sheet to
    // 0.1 mm and one 100 m down to 1 mm. to_chars writes the "C" convention
    // whatever the desktop locale. Trailing zeros go, so 5000 stays "5000".
    return CLocale::toFixedString(value, Decimals);
}

void XDxfGen::writeRaw(const char* data, std::size_t size)
{
    if (notBegun)
        return;
    buffer.append(data, size);
}

void XDxfGen::flushBuffer()
{
    if (!file || buffer.empty())
        return;
    if (success) {
        if (!file->write(buffer.data(), static_cast<qint64>(buffer.size()))) {
            success = false;
            lastError = file->errorString();
        }
    }
    buffer.clear();
}
