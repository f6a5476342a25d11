#pragma once

#include <QStringList>
#include <string>

class PanelBaseData;

// What several benchmarks build before they measure: the shipped airfoils
// and a large wing, so that their figures compare across areas.
namespace BenchWing {

// Loads the airfoils shipped beside the benchmark program once; false when
// they cannot be found, and a benchmark should then skip rather than time
// a wing without sections.
bool loadAirfoils();

// Loads the named files of the public sections kept beside the project
// (../shared/airfoils-public, or the folder in OUTLINE_CHECK_PUBLIC): test
// data read in place, never shipped. Returns their airfoil names in the
// files' order, or an empty list when one cannot be read.
QStringList loadPublicSections(const QStringList& files);

// Replaces the plane's contents with five panels of the editor's largest
// size, 100 ribs each, every one carrying every feature: all six spar
// kinds, sheeting with a strip, edges, building tabs and a rib comb, with
// standard and advanced covering in turn. False when the airfoils are
// missing.
bool buildFivePanelWing();
// The same with any number of panels, each 20 mm shorter in chord than the
// one before (up to ten), of 100 ribs or the given number each.
bool buildWing(int panels, int ribs = 100);

// A panel of the given number of ribs that carries every feature the
// pipeline cuts, on its own (not in the plane): the panel dialog rebuilds
// such a working panel on every keystroke. Needs the airfoils loaded.
PanelBaseData fullFeaturePanel(int ribs);

// A document of `panels` panels of `ribs` generated ribs, each `length` mm
// long with as many square spars, sheeting strips under advanced covering
// and rib combs as given, spread over the chord.
std::string documentOf(int panels, int ribs, int spars, int strips, int combs, float length = 1000.0f);
// The largest plane a document may hold, at every bound at once: 1000
// panels, 8000 ribs, nearly 60000 rib cuts and 10000 of them of the heaviest kind,
// in one panel of 200 ribs with 50 spars, 50 sheeting strips under advanced
// covering and 50 combs; the other ribs in panels of 200 with 3 spars
// (53400 rib cuts in all), and empty panels up to the panel bound.
std::string largestPlaneDocument();

// A memory figure of the whole benchmark program from /proc/self/status, in
// MB: "VmRSS:" resident now, "VmHWM:" the peak so far.
double statusMegabytes(const char* field = "VmRSS:");

} // namespace BenchWing
