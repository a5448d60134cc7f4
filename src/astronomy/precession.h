#pragma once

#include <string_view>

#include "astronomy/frames.h"

namespace tavrel {

// The polynomial value (radians) of a precession quantity at t Julian centuries from J2000.
// Quantities: fi (ψ_A), w (ω_A), P, Q, E (ε_A), x (χ_A), pi (π_A), II (Π_A), p (p_A), th (θ_A),
// Z (ζ_A), z (z_A); names are exact. Models: IAU1976, IAU2000, P03, with case ignored. An unknown
// model or quantity gives 0.
double Precession(double t, std::string_view quantity, std::string_view model);

// Ecliptic and equinox J2000 to the mean ecliptic and equinox of date, by the P03 angles: along
// the J2000 ecliptic by ψ_A, up to the equator of date by ω_A, back along it by χ_A, down to the
// ecliptic of date by ε_A.
TSpherical EclipticJ2000ToDate(double t, const TSpherical& s);

}  // namespace tavrel
