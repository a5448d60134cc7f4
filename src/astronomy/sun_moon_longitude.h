#pragma once

namespace tavrel {

// Apparent geocentric longitude of the Sun (radians, not reduced) at t Julian centuries TT, with
// n terms of the Earth's constant longitude series (negative = all).
double SunApparentLongitude(double t, int n);

// Apparent Moon minus apparent Sun longitude (radians, not reduced); nutation cancels out.
double MoonSunElongation(double t, int nMoon, int nSun);

// Mean rates of the Sun's and the Moon's longitudes, radians per Julian century.
double EarthSpeed(double t);
double MoonSpeed(double t);

}  // namespace tavrel
