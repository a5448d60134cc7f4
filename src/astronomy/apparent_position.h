#pragma once

namespace tavrel {

// Body numbers of ApparentPosition: 1 … 8 Mercury … Pluto as in the series, then these two.
inline constexpr int BODY_SUN = 9;
inline constexpr int BODY_MOON = 10;

// Apparent geocentric ecliptic longitude of date (degrees, [0, 360)) and latitude (degrees) of
// body 1 … 10 at the UT day count d from J2000. The series are evaluated at TT, d + DeltaT(d).
// With light time and, for the Sun and planets, the annual aberration that comes from taking the
// Earth at the retarded time too; nutation in longitude. False, outputs untouched, for another
// body number.
bool ApparentPosition(int body, double d, double& lon, double& lat);

}  // namespace tavrel
