#include "astronomy/frames.h"

#include <algorithm>
#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/constants.h"

namespace tavrel {

TRectangular SphToRect(const TSpherical& s) {
    const double c = s.r * std::cos(s.lat);
    return {c * std::cos(s.lon), c * std::sin(s.lon), s.r * std::sin(s.lat)};
}

TSpherical RectToSph(const TRectangular& v) {
    const double r = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (r == 0) return {};
    // Clamped because rounding can push z / r a hair past 1 at the poles.
    return {NormAngle(std::atan2(v.y, v.x)), std::asin(std::clamp(v.z / r, -1.0, 1.0)), r};
}

TSpherical RotateFrame(const TSpherical& s, double e) {
    const double sinE = std::sin(e);
    const double cosE = std::cos(e);
    const double sinLon = std::sin(s.lon);
    // Written with sin and cos of the latitude instead of its tangent, so that the poles give
    // finite values; the quotient of the two atan2 arguments is unchanged.
    const double sinLat = std::sin(s.lat);
    const double cosLat = std::cos(s.lat);
    const double lon =
        NormAngle(std::atan2(sinLon * cosE * cosLat - sinLat * sinE, std::cos(s.lon) * cosLat));
    const double lat = std::asin(std::clamp(cosE * sinLat + sinE * cosLat * sinLon, -1.0, 1.0));
    return {lon, lat, s.r};
}

TSpherical HelioToGeo(const TSpherical& body, const TSpherical& observer) {
    const TRectangular b = SphToRect(body);
    const TRectangular o = SphToRect(observer);
    return RectToSph({b.x - o.x, b.y - o.y, b.z - o.z});
}

double Obliquity(double t) {
    const double arcsec =
        84381.406 +
        t * (-46.836769 + t * (-0.0001831 + t * (0.0020034 + t * (-5.76e-7 + t * -4.34e-8))));
    return arcsec / RAD_ARCSEC;
}

}  // namespace tavrel
