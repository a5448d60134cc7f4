#pragma once

#include "astronomy/coordinates.h"

namespace tavrel {

// The Moon's geocentric coordinate at t Julian centuries from J2000 from the ELP/MPP02 series:
// coordinate 0 longitude of date (radians, not reduced), 1 latitude (radians), 2 distance (km).
// n is the number of terms of the constant series (negative: all); each higher series takes
// the same share plus one term. Other coordinates give 0.
double MoonCoord(int coordinate, double t, int n);

// The three coordinates with nL, nB, nR terms.
TSpherical MoonCoords(double t, int nL, int nB, int nR);

}  // namespace tavrel
