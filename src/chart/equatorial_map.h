#pragma once

#include "chart/chart_records.h"

namespace tavrel {

// Right ascension in degrees (0 <= α < 360) of ecliptic longitude and latitude, for the
// equatorial star map (赤道制).
double ToRightAscension(double longitude, double latitude);

// Declination in degrees of ecliptic longitude and latitude.
double Declination(double longitude, double latitude);

// Cast step 9 for the equatorial map: the mansion origin, the ascendant and the midheaven (on the
// ecliptic) and the fourteen stars (at their latitudes) become right ascensions. Latitudes and
// house cusps stay ecliptic.
void ToEquatorialMap(TPositionSheet& sheet, double& mansionOrigin);

}  // namespace tavrel
