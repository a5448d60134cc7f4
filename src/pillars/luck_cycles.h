#pragma once

#include <cstdint>

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"

namespace tavrel {

// Calendars of the luck-cycle start (setting iYunLi).
enum LuckReckoning {
    kLuckSolarExact = 0,   // 公历精算
    kLuckLunarExact = 1,   // 农历精算
    kLuckFolk = 2,         // 民间简算
    kLuckBlindSchool = 3,  // 盲派起运
};

// Where the first luck cycle begins: the nominal age (虚岁, the birth year counting as 1) and the
// date, lunar under 农历精算 and solar otherwise.
struct TLuckStart {
    int16_t age;
    int16_t date[3];  // year, month, day
};

// +1 forward for a yang-year male or a yin-year female, −1 backward otherwise.
int LuckDirection(int yearPillar, bool male);

// Whole minutes from the birth to the next 节 when counting forward, from the previous 节 to
// the birth when counting backward.
int LuckMinutes(const TTimeBlock& time, int direction);

// The start of the luck cycles from the counted minutes, by the reckoning `iYunLi` (values
// outside 0 … 3 reckon as 0). Three days of the interval make a year, six hours a month and
// twelve minutes a day. False when the lunar date of the start cannot be found; the reason is
// then in calendar.lastError.
bool LuckStart(int minutes, int iYunLi, const TTimeBlock& time, int direction, MYiDateEx& calendar,
               TLuckStart& start);

// Sexagenary index of the i-th luck pillar, i = 1 … 10, counted from the month pillar.
int LuckPillar(int monthPillar, int direction, int i);
// The nominal age and the year at which the i-th cycle begins.
int LuckCycleAge(int startAge, int i);
int LuckCycleYear(int pillarYear, int startAge, int i);

}  // namespace tavrel
