#pragma once

#include "astronomy/time_scales.h"

namespace tavrel {

// Modes of ToLocalTime.
inline constexpr int CLOCK_TIME = 0;       // the clock reading is kept
inline constexpr int TRUE_SOLAR_TIME = 1;  // local mean time plus the equation of time
inline constexpr int LOCAL_MEAN_TIME = 2;  // any other non-zero mode too

// Equation of time, in seconds, at a Beijing-time record (apparent minus mean solar time).
double EquationOfTimeSeconds(const TDateRec& r);

// Turns a Beijing-time record into the local time of the longitude (degrees, east positive) in
// place, rounded to the minute. Returns the equation of time in whole seconds that was applied
// (0 unless mode is TRUE_SOLAR_TIME).
int ToLocalTime(float longitude, TDateRec& r, int mode);

}  // namespace tavrel
