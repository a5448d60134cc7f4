#pragma once

namespace tavrel {

// Annual aberration in the Sun's longitude, radians; t in Julian centuries from J2000.
double SunAberration(double t);

// Aberration in the Moon's longitude, radians (a constant).
double MoonAberration(double t);

}  // namespace tavrel
