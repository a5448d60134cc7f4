#pragma once

#include "astronomy/frames.h"

namespace tavrel {

// Heliocentric ecliptic coordinates of date of body b (0 Earth, 1 … 7 Mercury … Neptune, 8 Pluto,
// 9 the Sun: all zero) at t Julian centuries; nL, nB, nR are the planets' term counts (negative =
// all) and do not apply to Pluto. Other body numbers give zeros.
TSpherical HelioCoords(int body, double t, int nL, int nB, int nR);

}  // namespace tavrel
