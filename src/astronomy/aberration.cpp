#include "astronomy/aberration.h"

#include <cmath>

#include "astronomy/constants.h"

namespace tavrel {

double SunAberration(double t) {
    // v: the Sun's mean anomaly; e: the eccentricity of the Earth's orbit.
    const double v = -0.043126 + 628.301955 * t - 0.000002732 * t * t;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    return -20.49552 * (1 + e * std::cos(v)) / RAD_ARCSEC;
}

double MoonAberration(double /*t*/) { return -3.4e-6; }

}  // namespace tavrel
