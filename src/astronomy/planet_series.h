#pragma once

#include "astronomy/coordinates.h"

namespace tavrel {

// Heliocentric coordinate of date of body 0 (Earth) … 7 (Neptune) from the VSOP87D series at t
// Julian centuries from J2000: coordinate 0 longitude (radians, not reduced), 1 latitude
// (radians), 2 radius vector (AU). n is the number of terms of the constant series (negative:
// all); each higher series takes the same share plus one term. Other bodies or coordinates
// give 0.
double PlanetCoord(int body, int coordinate, double t, int n);

// The Earth's heliocentric longitude, latitude and radius with nL, nB, nR terms.
TSpherical EarthCoords(double t, int nL, int nB, int nR);

}  // namespace tavrel
