#pragma once

#include "astronomy/coordinates.h"

namespace tavrel {

// Pluto's heliocentric rectangular position (AU), ecliptic and equinox J2000, at t Julian
// centuries from J2000 (TT). The series are fitted to 1500–2300 (within 2.5″ of the Swiss
// Ephemeris there); outside that span they are degrees off within decades, finite but unusable.
TRectangular PlutoCoord(double t);

}  // namespace tavrel
