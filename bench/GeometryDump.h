#pragma once

#include <QString>

// A hidden mode of the benchmark program: writes every point, normal, mark
// and part of the benchmark panels (and the DXF drawing of their wing) into
// a folder, with floats in hexadecimal, so that two builds can be compared
// byte for byte after a change to the rib pipeline. When the public
// sections beside the project can be read, a wing of them with sheeting,
// slots and edge pieces follows: its points, document, DXF drawing and
// printed templates as a PDF (which holds its date, so compare its pages'
// pixels). Returns the exit code.
int dumpGeometry(const QString& folder);
