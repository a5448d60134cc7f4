#include "astronomy/equation_of_time.h"

#include <cmath>

#include "astronomy/aberration.h"
#include "astronomy/angles.h"
#include "astronomy/constants.h"
#include "astronomy/frames.h"
#include "astronomy/planet_series.h"

namespace tavrel {

double EquationOfTime(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double t5 = t4 * t;
    // The Sun's mean longitude, with the aberration constant.
    const double L0 =
        (1753470142 + 628331965331.8 * t + 5296.74 * t2 + 0.432 * t3 - 0.1124 * t4 - 0.00009 * t5) /
            1e9 +
        PI_VALUE - 20.5 / RAD_ARCSEC;
    // Nutation from its leading term alone is enough at the level of a second of time.
    const double node = 2.1824 - 33.75705 * t;
    const double dPsi = -17.2 * std::sin(node) / RAD_ARCSEC;
    const double dEps = 9.2 * std::cos(node) / RAD_ARCSEC;
    const double E = Obliquity(t) + dEps;

    TSpherical sun;
    sun.lon = PlanetCoord(0, 0, t, 50) + PI_VALUE + SunAberration(t) + dPsi;
    sun.lat = -(2796 * std::cos(3.1987 + 8433.46616 * t) + 1016 * std::cos(5.4225 + 550.75532 * t) +
                804 * std::cos(3.88 + 522.3694 * t)) /
              1e9;
    sun.r = 1;
    const TSpherical equatorial = RotateFrame(sun, E);
    // Right ascension measured from the mean equinox (the equation of the equinoxes removed).
    const double alpha = equatorial.lon - dPsi * std::cos(E);
    return NormSignedAngle(L0 - alpha) / TWO_PI;
}

}  // namespace tavrel
