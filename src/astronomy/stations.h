#pragma once

#include "astronomy/coordinates.h"

namespace tavrel {

// Days from the heliocentric conjunction with the Earth (inferior conjunction of Mercury and
// Venus, opposition of the outer planets) to the station, indexed by body 1 … 8.
inline constexpr double STATION_OFFSET_DAYS[9] = {0, 17.4, 28, 52, 82, 86, 88, 89, 90};

enum class StationKind { kBegins, kEnds };  // retrograde motion begins or ends

// Geocentric right ascension and declination of date (radians) and distance (AU) of planet b
// (1 … 7) at t Julian centuries TT, from n terms of the series, both bodies taken at t − lt.
// With lt ≠ 0 the nutation is applied too.
TSpherical StationCoordinate(int b, double t, int n, double lt);

// The station of planet b (1 … 7) of the given kind that belongs to the conjunction nearest t
// (Julian centuries TT); the extremum of the apparent right ascension.
double StationTime(int b, double t, StationKind kind);

}  // namespace tavrel
