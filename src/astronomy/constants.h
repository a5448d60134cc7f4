#pragma once

namespace tavrel {

// The astronomy and calendar code works with this eight-decimal pi, not the machine's, and its
// results (solar terms, lunar dates) depend on the stated value; everything derived follows it.
inline constexpr double PI_VALUE = 3.14159265;
inline constexpr double TWO_PI = 2 * PI_VALUE;
inline constexpr double RAD_ARCSEC = 648000 / PI_VALUE;  // arcseconds per radian
inline constexpr double RAD_DEG = 180 / PI_VALUE;        // degrees per radian

inline constexpr double AU_KM = 149597870.691;
inline constexpr double LIGHT_KMS = 299792.458;
// Light time across one astronomical unit, in Julian centuries.
inline constexpr double LIGHT_TIME_AU = AU_KM / LIGHT_KMS / 86400 / 36525;

// Mean synodic periods in whole days, indexed by body number: 1 Mercury … 8 Pluto. The Earth
// (body 0) has none.
inline constexpr int SYNODIC_DAYS[9] = {0, 116, 584, 780, 399, 378, 370, 367, 367};

// Beijing time − UT, in days.
inline constexpr double BEIJING_OFFSET = 0.3333333333333333;

}  // namespace tavrel
