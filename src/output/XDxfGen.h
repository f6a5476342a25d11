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
    bool begin(const QString& fileName, std::string& errorMessage, float extMaxX, float extMaxY);
    // The same for an 8-bit path.
    bool begin(const std::string& fileName, std::string& errorMessage, float extMaxX, float extMaxY);

    // Closes the entity section and the file. False when anything could not
    // be written or the target could not be replaced; the reason is in
    // errorString(). True (and nothing written) when the writer is not begun.
    bool end();
    QString errorString() const;

    void point(float x, float y, int layer);
    void circle(float radius, float centreX, float centreY, float thickness, int layer);
    // text is UTF-8; it is written in the drawing's code page.
    void text(float x, float y, float height, const char* text, float rotation, int layer);
    void line(float x1, float y1, float x2, float y2, float thickness, int layer);
    void rectangle(float x, float y, float width, float height, float thickness, int layer);
    // A closed polyline; lists of different lengths, or empty ones, write
    // nothing. A point that repeats the one before it is left out.
    void polyline(const std::vector<float>& xs, const std::vector<float>& ys, float thickness, int layer);
    // Angles in degrees, counter-clockwise.
    void arc(float centreX, float centreY, float radius, float startAngle, float endAngle, float thickness,
             int layer);

    // Entities refused because one of their numbers was not finite; CAD
    // programs reject a whole drawing over a single "nan".
    int skippedEntityCount() const;

private:
    void group(int code, const char* value);
    void group(int code, const std::string& value);
    void group(int code, int value);
    void group(int code, float value);
    static std::string numberText(float value);
    void layerGroup(int layer);
    void writeRaw(const char* data, std::size_t size);
    void flushBuffer();
    bool allFinite(std::initializer_list<float> values);

    std::vector<std::string> layerNames;
    std::unique_ptr<AtomicFileWriter> file;
    std::string buffer;
    QString lastError;
    bool notBegun = true;
    bool success = true;
    int skippedEntities = 0;
};
