#pragma once

namespace tavrel {

// Right ascension in degrees (0 <= α < 360) of ecliptic longitude and latitude, for the
// equatorial star map (赤道制).
double ToRightAscension(double longitude, double latitude);

// Declination in degrees of ecliptic longitude and latitude.
double Declination(double longitude, double latitude);

}  // namespace tavrel
