#pragma once

class PanelBaseData;

// What several benchmarks build before they measure: the shipped airfoils
// and a large wing, so that their figures compare across areas.
namespace BenchWing {

// Loads the airfoils shipped beside the benchmark program once; false when
// they cannot be found, and a benchmark should then skip rather than time
// a wing without sections.
bool loadAirfoils();

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

} // namespace BenchWing
