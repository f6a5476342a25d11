#pragma once

#include <QString>
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

// Reads one line of an airfoil file, whatever its length, into a newly
// allocated, zero-terminated buffer (release it with std::free) and stores
// its length. TABs become blanks, leading blanks are removed, "&" becomes
// "&amp;" and the line keeps its line end as one '\n'. LF and CR LF ends are
// read alike; any other character outside printable ASCII ends the line as
// well. At the end of the stream the text is empty or a single '\n'.
void readAirfoilLine(char** line, unsigned* length, FILE* stream);

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

// Reads every point line behind the header of an airfoil file into points
// (new objects, owned by the caller) in the order of the one-loop layout:
// trailing edge, upper side, leading edge, lower side, trailing edge. A file
// in the two-surface layout, a line of the two point counts ("61. 61.")
// followed by the upper and then the lower side each from the leading edge
// back, is brought into that order. Lines that are not points (remarks of
// any length) are skipped. False, with nothing to trust, when a point is not
// finite or a line holds more than one point.
bool readAirfoilPoints(FILE* stream, std::vector<Vector3D*>& points);
