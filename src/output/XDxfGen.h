#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class AtomicFileWriter;

// Writes a two-dimensional drawing as an ASCII DXF file of release 12
// ("AC1009"): header with the extents, a layer table made of the names given
// at construction, and one entity section. Layers are addressed by their
// index in that list. The writer knows nothing of wings; it writes whatever
// numbers it is given (millimetres in practice) and declares no unit.
//
// The drawing goes to a temporary file next to the target, which replaces
// the target only when end() has written everything, so an interrupted or
// failed export never leaves a half drawing under the user's file name.
class XDxfGen
{
public:
    explicit XDxfGen(const std::vector<std::string>& layerNames);
    ~XDxfGen();

    XDxfGen(const XDxfGen&) = delete;
    XDxfGen& operator=(const XDxfGen&) = delete;

    // Opens the file and writes the header and the layer table. Returns true
    // when the entity section is open (or already was: a second begin is
    // ignored); false with errorMessage set when the file cannot be created.
    bool begin(const QString& fileName, std::string& errorMessage, double extMaxX, double extMaxY);
    // The same for an 8-bit path.
    bool begin(const std::string& fileName, std::string& errorMessage, double extMaxX, double extMaxY);

    // Closes the entity section and the file. False when anything could not
    // be written or the target could not be replaced; the reason is in
    // errorString(). True (and nothing written) when the writer is not begun.
    bool end();
    // Gives the drawing up: the temporary file goes, the target stays as it
    // was. The writer is then not begun.
    void cancel();
    QString errorString() const;

    // Coordinates are taken in double precision: far down a long sheet a
    // float no longer holds a thousandth of a millimetre. Every number is
    // written to a millionth, whatever its size.
    void point(double x, double y, int layer);
    void circle(double radius, double centreX, double centreY, double thickness, int layer);
    // text is UTF-8; it is written in the drawing's code page.
    void text(double x, double y, double height, const char* text, double rotation, int layer);
    void line(double x1, double y1, double x2, double y2, double thickness, int layer);
    void rectangle(double x, double y, double width, double height, double thickness, int layer);
    // A closed polyline; lists of different lengths, or empty ones, write
    // nothing. A point within a millionth of the one before it is left out.
    void polyline(const std::vector<double>& xs, const std::vector<double>& ys, double thickness, int layer);
    // Angles in degrees, counter-clockwise.
    void arc(double centreX, double centreY, double radius, double startAngle, double endAngle, double thickness,
             int layer);

    // Entities refused because one of their numbers was not finite; CAD
    // programs reject a whole drawing over a single "nan".
    int skippedEntityCount() const;

private:
    void group(int code, const char* value);
    void group(int code, const std::string& value);
    void group(int code, int value);
    void group(int code, double value);
    static std::string numberText(double value);
    void layerGroup(int layer);
    void writeRaw(const char* data, std::size_t size);
    void flushBuffer();
    bool allFinite(std::initializer_list<double> values);

    std::vector<std::string> layerNames;
    std::unique_ptr<AtomicFileWriter> file;
    std::string buffer;
    QString lastError;
    bool notBegun = true;
    bool success = true;
    int skippedEntities = 0;
};
