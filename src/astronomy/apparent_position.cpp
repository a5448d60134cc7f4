#include "astronomy/apparent_position.h"

#include <cmath>

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/frames.h"
#include "astronomy/helio_coords.h"
#include "astronomy/moon_series.h"
#include "astronomy/nutation.h"

namespace tavrel {

namespace {

TSpherical ApparentMoon(double t) {
    const double distanceKm = MoonCoord(2, t, -1);
    const double retarded = t - distanceKm * LIGHT_TIME_AU / AU_KM;
    // The series give the longitude unreduced, thousands of turns from J2000 (1337 a century).
    // Reduced by TWO_PI, which is 7.2e-9 rad short of a true turn, it would drift 0.0015″ a turn:
    // 8″ by 1600. Its own sine and cosine reduce it by the true turn, as the rectangular step
    // does for the planets.
    const double lon = MoonCoord(0, retarded, -1);
    return {std::atan2(std::sin(lon), std::cos(lon)), MoonCoord(1, retarded, -1), distanceKm};
}

// The body and the Earth both at the time the light left the body.
TSpherical ApparentFromEarth(int body, double t) {
    const TSpherical now =
        HelioToGeo(HelioCoords(body, t, -1, -1, -1), HelioCoords(0, t, -1, -1, -1));
    const double retarded = t - now.r * LIGHT_TIME_AU;
    return HelioToGeo(HelioCoords(body, retarded, -1, -1, -1),
                      HelioCoords(0, retarded, -1, -1, -1));
}

}  // namespace

bool ApparentPosition(int body, double d, double& lon, double& lat) {
    if (body < 1 || body > BODY_MOON) return false;
    const double t = (d + DeltaT(d)) / 36525;
    const TSpherical g = body == BODY_MOON ? ApparentMoon(t) : ApparentFromEarth(body, t);
    const double degrees = NormAngle(g.lon + NutationLongitude(t)) * RAD_DEG;
    // A longitude a hair below a full turn can round up to 360 on the way to degrees.
    lon = degrees >= 360 ? degrees - 360 : degrees;
    lat = g.lat * RAD_DEG;
    return true;
}

}  // namespace tavrel
