#include "astronomy/sun_moon_longitude.h"

#include <cmath>

#include "astronomy/aberration.h"
#include "astronomy/constants.h"
#include "astronomy/moon_series.h"
#include "astronomy/nutation.h"
#include "astronomy/planet_series.h"

namespace tavrel {

double SunApparentLongitude(double t, int n) {
    return PlanetCoord(0, 0, t, n) + NutationLongitude(t) + SunAberration(t) + PI_VALUE;
}

double MoonSunElongation(double t, int nMoon, int nSun) {
    return MoonCoord(0, t, nMoon) + MoonAberration(t) -
           (PlanetCoord(0, 0, t, nSun) + SunAberration(t) + PI_VALUE);
}

double EarthSpeed(double t) {
    const double f = 628.307585 * t;
    return 628.332 + 21 * std::sin(1.527 + f) + 0.44 * std::sin(1.48 + 2 * f) +
           0.129 * std::sin(5.82 + f) * t + 0.00055 * std::sin(4.21 + f) * t * t;
}

double MoonSpeed(double t) {
    return 8399.71 - 914 * std::sin(0.7848 + 8328.691425 * t + 0.0001523 * t * t) -
           (179 * std::sin(2.543 + 15542.7543 * t) + 160 * std::sin(0.1874 + 7214.0629 * t) +
            62 * std::sin(3.14 + 16657.3828 * t) + 34 * std::sin(4.827 + 16866.9323 * t) +
            22 * std::sin(4.9 + 23871.4457 * t) + 12 * std::sin(2.59 + 14914.4523 * t) +
            7 * std::sin(0.23 + 6585.7609 * t) + 5 * std::sin(0.9 + 25195.624 * t) +
            5 * std::sin(2.32 - 7700.3895 * t) + 5 * std::sin(3.88 + 8956.9934 * t) +
            5 * std::sin(0.49 + 7771.3771 * t));
}

}  // namespace tavrel
