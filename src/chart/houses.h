#pragma once

#include "astronomy/time_scales.h"

namespace tavrel {

// Equation of time in seconds at the Beijing-clock moment `beijingTime`, from the day table:
// its date's value, moved toward the next day's by the hour. The rows are those of a leap year,
// so in a common year 1 March follows 28 February's row by two.
double TableEquationOfTimeSeconds(const TDateRec& beijingTime);

// Right ascension of the meridian in degrees at the birth longitude (east positive), from the
// Sun's longitude and the birth instant (`beijingTime` is DateOfJd of `jdBeijing`).
double ComputeRamc(double sunLongitude, double longitude, const TDateRec& beijingTime,
                   double jdBeijing);

// Ecliptic longitude of the midheaven for the meridian's right ascension `ramc`.
double ComputeMidheaven(double ramc);

// Ecliptic longitude of the ascendant, 0 <= Asc < 360, at geographic latitude `latitude`.
double ComputeAscendant(double ramc, double latitude);

// The twelve cusps by Placidus semi-arcs, cusp k being house k + 1 (0 the ascendant, 9 the
// midheaven). Where the semi-arcs do not exist (beyond the polar circles, where some ecliptic
// degrees never rise or set) the intermediate cusps trisect the quadrants between the ascendant
// and the midheaven instead, as Porphyry's houses do, so every cusp is a longitude.
void ComputeHouseCusps(double ramc, double latitude, double ascendant, double midheaven,
                       float (&cusps)[12]);

}  // namespace tavrel
