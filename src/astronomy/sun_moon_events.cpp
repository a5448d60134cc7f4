#include "astronomy/sun_moon_events.h"

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/moon_series.h"
#include "astronomy/planet_series.h"
#include "astronomy/sun_moon_longitude.h"

namespace tavrel {

namespace {

constexpr double SUN_MEAN_RATE = 628.3319653318;        // radians per century
constexpr double SYNODIC_MEAN_RATE = 7771.37714500204;  // radians per century

// First estimates from the mean motions; they fix which passage W selects.
double SunFirstEstimate(double W) { return (W - 1.75347 - PI_VALUE) / SUN_MEAN_RATE; }
double MoonFirstEstimate(double W) { return (W + 1.08472) / SYNODIC_MEAN_RATE; }

}  // namespace

double SunLongitudeTime(double W) {
    double t = SunFirstEstimate(W);
    t += (W - SunApparentLongitude(t, 10)) / EarthSpeed(t);
    t += (W - SunApparentLongitude(t, -1)) / EarthSpeed(t);
    return t;
}

double SunLongitudeTimeFast(double W) {
    double t = SunFirstEstimate(W);
    t -= (0.000005297 * t * t + 0.0334166 * std::cos(4.669257 + 628.307585 * t) +
          0.0002061 * std::cos(2.67823 + 628.307585 * t) * t) /
         SUN_MEAN_RATE;
    t += (W - PlanetCoord(0, 0, t, 8) - PI_VALUE +
          (20.5 + 17.2 * std::sin(2.1824 - 33.75705 * t)) / RAD_ARCSEC) /
         SUN_MEAN_RATE;
    return t;
}

double ElongationTime(double W) {
    double t = MoonFirstEstimate(W);
    t += (W - MoonSunElongation(t, 3, 3)) / SYNODIC_MEAN_RATE;
    const double v = MoonSpeed(t) - EarthSpeed(t);
    t += (W - MoonSunElongation(t, 20, 10)) / v;
    t += (W - MoonSunElongation(t, -1, 60)) / v;
    return t;
}

double ElongationTimeFast(double W) {
    double t = MoonFirstEstimate(W);
    double t2 = t * t;
    t -= (-0.00003309 * t2 + 0.10976 * std::cos(0.784758 + 8328.6914246 * t + 0.000152292 * t2) +
          0.02224 * std::cos(0.1874 + 7214.0628654 * t - 0.00021848 * t2) -
          0.03342 * std::cos(4.669257 + 628.307585 * t)) /
         SYNODIC_MEAN_RATE;
    t2 = t * t;
    const double sun = 4.8950632 + SUN_MEAN_RATE * t + 0.000005297 * t2 +
                       0.0334166 * std::cos(4.669257 + 628.307585 * t) +
                       0.0002061 * std::cos(2.67823 + 628.307585 * t) * t +
                       0.000349 * std::cos(4.6261 + 1256.61517 * t) - 20.5 / RAD_ARCSEC;
    const double L = MoonCoord(0, t, 20) - sun;
    const double v = 7771.38 - 914 * std::sin(0.7848 + 8328.691425 * t + 0.0001523 * t2) -
                     179 * std::sin(2.543 + 15542.7543 * t) -
                     160 * std::sin(0.1874 + 7214.0629 * t);
    return t + (W - L) / v;
}

}  // namespace tavrel
