#pragma once

// Which of a rib's two airfoils is meant. The underlying type is fixed so
// that any int read from a caller or a file can be held (and reported)
// without undefined behaviour.
enum AirfoilType : int {
    RootAirfoil = 0,
    TipAirfoil = 1
};
