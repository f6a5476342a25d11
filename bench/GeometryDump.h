#pragma once

#include <QString>

// A hidden mode of the benchmark program: writes every point, normal, mark
// and part of the benchmark panels (and the DXF drawing of their wing) into
// a folder, with floats in hexadecimal, so that two builds can be compared
// byte for byte after a change to the rib pipeline. Returns the exit code.
int dumpGeometry(const QString& folder);
