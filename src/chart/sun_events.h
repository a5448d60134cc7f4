#pragma once

#include "astronomy/time_scales.h"

namespace tavrel {

// Half the Sun's day arc in degrees at declination δ and latitude φ, for the Sun's upper limb
// with refraction on the horizon (altitude -0.85°). Where the Sun stays below the horizon all day
// it is 0 (sunrise and sunset meet at noon: no day birth), where it stays above it is 180 (the
// day runs from midnight to midnight: every birth is a day birth).
double SunriseHourAngle(double declination, double latitude);

// Sunrise and sunset in minutes after 00:00 of the Beijing-clock date, from the hour angle, the
// equation of time in minutes and the birth longitude (east positive). They may fall outside
// 0..1440 far from 120° E.
struct TSunEventMinutes {
    double rise;
    double set;
};
TSunEventMinutes SunEventMinutes(double hourAngle, double equationOfTimeMinutes, double longitude);

// The clock time `minutes` (whole minutes, truncated) after 00:00 of `date`, carried into the
// day before or after when it falls outside that day.
TDateRec ClockTimeOnDate(const TDateRec& date, double minutes);

// Born at or after sunrise and before sunset (all true solar time).
bool IsDayBirth(double jdTrueSolar, double jdSunrise, double jdSunset);

}  // namespace tavrel
