#pragma once

#include <QString>
#include <atomic>
#include <cstdio>
#include <vector>

class Vector3D;

// How an airfoil file names its airfoil, chosen from the file name's suffix.
enum class AirfoilFileType {
    Dat = 0,     // the first line is the name ("Planformix Extended DAT" form: the second)
    Cor = 1,     // only number pairs; the name is the file's base name
    Unknown = 2  // read like COR
};

// The first line of the extended DAT form, alone on its line (a blank
// behind it makes it a name).
inline constexpr char ExtendedDatMarker[] = "Planformix Extended DAT";

// "dat" and "cor" in any case; everything else, a backup suffix behind
// ".dat" included, is Unknown.
AirfoilFileType getAirfoilFileType(const QString& fileName);

// Why a file gave no airfoil.
enum class AirfoilReadFailure {
    None,
    CannotOpen,       // the system's error number is in systemError
    NotEnoughMemory,  // the points did not fit into memory
    SeveralPoints,    // a line holds more than one point
    NotFinite,        // a number is not finite or beyond float range
    TooFewPoints,     // fewer than AirfoilMinimumPoints distinct points
    NoOutline,        // the points give no finite outline
    Cancelled,        // stopped through cancel()
    SeveralElements,  // elements separated by a "999 999" line (MSES)
    NoGridDomain,     // the line behind the name is neither a point nor a grid domain
    FarOffChord,      // a point lies further off the chord line than the chord is long
    CrossesItself     // the outline crosses itself (points out of order)
};

// The fewest distinct points that make a section: two surfaces need a
// point each between the two edges.
inline constexpr int AirfoilMinimumPoints = 5;

// Why a file gave no airfoil, in English for the console.
const char* airfoilReadFailureText(AirfoilReadFailure failure);

// One read of an airfoil file, shared by the thread that reads and the one
// that waits for it: how far it has come, the way to stop it and, at the
// end, why it failed.
struct AirfoilReading {
    // Set by the file reader: the stream stands right behind the name line
    // of a plain DAT file, where the MSES form puts its grid domain.
    bool gridDomainMayFollow = false;
    AirfoilReadFailure failure = AirfoilReadFailure::None;
    int systemError = 0;

    void cancel() { cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return cancelled.load(std::memory_order_relaxed); }
    // 0 to 1000: the reading of the points up to 900, the resampling after.
    int permille() const { return done.load(std::memory_order_relaxed); }
    void setPermille(int value) { done.store(value, std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled{false};
    std::atomic<int> done{0};
};

// Reads one line of an airfoil file into a newly allocated, zero-terminated
// buffer (release it with std::free) and stores its length. TABs become
// blanks, leading blanks are removed, "&" becomes "&amp;" and the line keeps
// its line end as one '\n'. LF and CR LF ends are read alike; any other
// control character ends the line as well, bytes above 0x7F (UTF-8 letters)
// stay. Only the first AirfoilLineKept bytes of a longer line are kept; the
// rest is read past. At the end of the stream the text is empty or a single
// '\n'. When memory runs out *line is null and *length 0.
void readAirfoilLine(char** line, unsigned* length, FILE* stream);

// The same line as text, for names and header values: UTF-8 where the bytes
// are UTF-8, else Latin-1, with "&" escaped as readAirfoilLine does. A huge
// line is read past until reading (when given) is cancelled.
QString readAirfoilTextLine(FILE* stream, const AirfoilReading* reading = nullptr);

// The longest start of a line that the reader keeps: far more than any
// name or point line needs, little enough that a file of one huge line
// costs no memory.
inline constexpr unsigned AirfoilLineKept = 4096;

// The longest airfoil name the library keeps, in characters as it holds
// them ("&" escaped): a panel's document names its sections, and a
// document's names are bounded, so a longer name line would make every
// document cut from that section unsaveable.
inline constexpr int AirfoilNameKept = 300;

// Cuts a name to AirfoilNameKept characters, never inside an escaped "&"
// or between the two halves of a letter beyond the basic plane.
QString airfoilNameWithinBound(QString name);

// What one line of an airfoil file holds.
enum class AirfoilPointLine {
    NotAPoint,  // anything but two numbers first on the line: skipped
    Point,         // two finite numbers, in x and y
    NonFinite,     // two numbers of which one is NaN, infinite or beyond float range
    SeveralPoints  // four numbers or more: more than one point on the line
};

// Reads two numbers at the start of a line, as scanf("%f %f") would but in
// the "C" convention whatever the process locale: blanks between them are
// optional ("0.5-0.01" is a point) and what follows the second is ignored,
// a third number included, unless it holds another pair of numbers.
AirfoilPointLine parseAirfoilPointLine(const char* line, float& x, float& y);

// A point as the file gives it. Files may hold millions; eight bytes each
// keep them affordable.
struct AirfoilRawPoint {
    float x;
    float y;
};

// Reads every point line behind the header of an airfoil file into points
// in the order of the one-loop layout:
// trailing edge, upper side, leading edge, lower side, trailing edge. A file
// in the two-surface layout, a line of the two point counts ("61. 61.")
// followed by the upper and then the lower side each from the leading edge
// back, is brought into that order. Lines that are not points (remarks of
// any length) are skipped, and so is the MSES grid domain (four numbers
// around the points) on the line right behind a DAT name. False, with
// nothing to trust and the reason in reading.failure, when a point is not
// finite, a line holds more than one point, memory runs out, the reading is
// cancelled, or the points are not one section: several elements, a line
// behind the name that is neither a point nor a grid domain, fewer than
// AirfoilMinimumPoints distinct points, a point far off the chord, or an
// outline that crosses itself.
bool readAirfoilPoints(FILE* stream, std::vector<AirfoilRawPoint>& points, AirfoilReading& reading);
