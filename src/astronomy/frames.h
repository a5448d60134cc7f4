#pragma once

#include "astronomy/coordinates.h"

namespace tavrel {

TRectangular SphToRect(const TSpherical& s);

// The longitude comes back in [0, TWO_PI). The zero vector gives (0, 0, 0).
TSpherical RectToSph(const TRectangular& v);

// The coordinates in a frame turned about the x axis by e: ecliptic to equatorial for e = the
// obliquity, equatorial to ecliptic for e = −obliquity.
TSpherical RotateFrame(const TSpherical& s, double e);

// The body as seen from the observer, both given in the same heliocentric frame.
TSpherical HelioToGeo(const TSpherical& body, const TSpherical& observer);

// Mean obliquity of the ecliptic of date, radians; t in Julian centuries from J2000.
double Obliquity(double t);

}  // namespace tavrel
