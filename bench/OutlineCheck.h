#pragma once

#include <QString>

// Not a benchmark: builds the benchmark wings and a sweep of panels (every
// shipped airfoil as root and as tip, every leading edge, standard and
// advanced covering on one and both sides, bands ending mid-chord, spars
// and trailing-edge pieces) and counts the rib outlines a cutter cannot
// follow: outlines that cross themselves or pass a point twice, features
// narrower than 0.5 mm, and covered ribs farther than their sheet + 0.25 mm
// from the same rib built bare. mode "quick" sweeps five airfoils only;
// "counts" prints no examples.
int checkOutlines(const QString& mode);
