#pragma once

#include <string>
#include <string_view>

#include "chart/chart_records.h"
#include "chart/star_list.h"

namespace tavrel {

// Palace index of a longitude: the branch number of its 30° sign, 11 戌 for 0°-30°, 10 酉 for
// 30°-60° … 0 亥 for 330°-360°.
int PalaceOf(double longitude);
// Degrees from the start of the sign of that palace.
double DegreeInSign(double longitude);

// Fills palace, palace number (counted from the life palace `lifePalace`), degree in sign, mansion
// and degree in mansion of a point from its longitude (reduced to 0..360 first).
void PlacePoint(TPlacedPoint& point, int lifePalace, double mansionOrigin);

// Palace names by palace number (0 命 … 11 相貌), male or female set, long or short.
std::string_view PalaceName(int number, bool male, bool shortName);
// The long name with 宫 after it, as the age-limit rows write it: 命宫 … 相貌宫.
std::string PalaceTitle(int number, bool male);

// The lord (宫主) of a palace index, one of the seven governors.
StarId PalaceLord(int palace);
// The lord (度主) of a mansion: its governing star.
StarId DegreeLord(int mansion);

// Longitude of the life point by `mgong`: 0 the ascendant; 1 and 2 counted from the Sun's palace
// by the hour branch to 卯 (1) or to the sunrise hour branch (2), at the Sun's degree in its sign,
// or half way to the middle of the sign with `mingdu` 1. Other methods count as 0.
double LifePointLongitude(int mgong, int mingdu, double ascendant, double sunLongitude,
                          int hourBranch, int sunriseBranch);

struct TEclipticPoint {
    double longitude;
    double latitude;
};

// The body point by `sgong`: 0 the Moon itself; 1 the descendant (house cusp 7); 2 and 3 counted
// back from the Moon's palace by the hour branch to 酉 (2) or to the sunset hour branch (3), at
// the Moon's degree in its sign, or half way to the middle with `shendu` 1. Other methods count
// as 0.
TEclipticPoint BodyPoint(int sgong, int shendu, TEclipticPoint moon, double descendant,
                         int hourBranch, int sunsetBranch);

// The fortune point (福) from the life point A, the Sun S and the Moon M: A + M - S by day,
// A + S - M by night.
double FortunePointLongitude(double life, double sun, double moon, bool dayBirth);

}  // namespace tavrel
