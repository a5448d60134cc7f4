#pragma once

#include <array>
#include <string_view>

#include "chart/star_list.h"

namespace tavrel {

// The twenty-eight lunar mansions from 轸, with their widths in degrees (they add up to 360 and
// serve both star maps) and their governing stars in the cycle 水 木 金 土 日 月 火.
struct TMansion {
    std::string_view name;
    float width;
    StarId governor;
};

inline constexpr int kMansionCount = 28;
extern const std::array<TMansion, kMansionCount> MANSIONS;

// Where mansion 0 (轸) begins for the year of the pillar time, and the precession in it.
struct TMansionOrigin {
    double precession;  // (year - 1900) × 50.27″ a year, in degrees
    double origin;      // 189.37 + precession
};
TMansionOrigin MansionOriginOfYear(int year);

struct TMansionPlace {
    int mansion;
    double degree;  // from the start of the mansion
};

// The mansion of longitude x (0 <= x < 360, same star map as the origin). The running start is
// not reduced, so a longitude below the origin is found after it has passed x + 360; a value no
// mansion holds (outside 0..360) gives (0, 0).
TMansionPlace PlaceInMansion(double x, double origin);

}  // namespace tavrel
