#pragma once

#include <cstdint>

#include "astronomy/time_scales.h"

namespace tavrel {

// Points of a chart: the fourteen stars and entry 14, the life degree (natal and moving charts)
// or the running-limit point (annual chart).
inline constexpr int kStarCount = 14;
inline constexpr int kChartPointCount = 15;
inline constexpr int kHouseCount = 12;

// Every point of a chart, placed in a palace and a mansion.
struct TPlacedPoint {
    double longitude;  // 0 <= λ < 360, ecliptic, or right ascension on the equatorial map
    double latitude;   // ecliptic latitude, 0 for computed points
    uint8_t palace;  // branch number of its 30° sign: 11 戌 for 0°-30° … 0 亥 for 330°-360°
    uint8_t palaceNumber;    // (life palace - palace) mod 12, 0 = the life palace
    uint8_t mansion;         // 0 轸 … 27 翼
    double degreeInSign;     // longitude - 30 × sign, sign = (11 - palace) mod 12
    double degreeInMansion;  // degrees from the start of the mansion
    uint8_t motion;          // 0 not determined, 1 direct, 2 retrograde
};

// Everything computed for one chart; copied whole when annual and moving charts are made.
struct TPositionSheet {
    TPlacedPoint points[kChartPointCount];  // stars 0..13, then the copy of the life palace
    TPlacedPoint lifePalace;
    TPlacedPoint bodyPalace;
    float houseCusps[kHouseCount];  // index k is house k + 1: 0 the ascendant, 9 the midheaven
    double ascendant;
    double midheaven;
    uint8_t limitStartAge;      // nominal age at which the running limits start
    int16_t childhoodYears;     // childhood-limit length: whole years + 10
    int16_t childhoodDays;      // and the remaining days
    uint8_t soundElement;       // the year's sound element
    TPlacedPoint fortunePoint;  // 福
    double jdSunrise;           // true solar time
    double jdSunset;
    uint8_t sunriseBranch;  // branch numbers of the sunrise and sunset hours
    uint8_t sunsetBranch;
    uint8_t dayBirth;  // 1 when born at or after sunrise and before sunset
    float baseAngle;   // angle of the disk's first sector
};

// The instants of one birth.
struct TTimeBlock {
    TDateRec pillarTime;   // on the clock chosen by iDate; its day and hour give those pillars
    TDateRec lunarDate;    // lunar year, month and day after the 子-hour rule; hour and minute 0
    int lunarMonthLength;  // 29 or 30
    int yearPillar;        // sexagenary indexes, 1 = 甲子 … 59 = 壬戌, 0 = 癸亥
    int monthPillar;
    int dayPillar;
    int hourPillar;
    TDateRec beijingTime;
    double jdInput;      // the entered clock time
    double jdBeijing;    // jdInput + (8 - tz) / 24
    double jdTrueSolar;  // beijingTime on the true solar clock at the birth longitude
    double jdLocalMean;  // jdBeijing + (longitude - 120) × 4 / 1440
    int pillarYear;      // year of the year pillar: the Beijing year, one less before 立春
    double termPrev;     // the 节 opening the birth's solar month (Beijing time)
    double termMid;      // its 中气
    double termNext;     // the 节 opening the next month
};

}  // namespace tavrel
