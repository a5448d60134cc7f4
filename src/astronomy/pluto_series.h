#pragma once

#include "astronomy/frames.h"

namespace tavrel {

// Pluto's heliocentric rectangular position (AU), ecliptic and equinox J2000, at t Julian
// centuries from J2000 (TT). The series are fitted to 1500–2300; beyond, they extrapolate.
TRectangular PlutoCoord(double t);

}  // namespace tavrel
