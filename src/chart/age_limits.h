#pragma once

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"
#include "chart/grid_rows.h"

namespace tavrel {

// Lengths in years of the eleven running limits (行限), rows 1..11 of the age-limit table.
inline constexpr float RUNNING_LIMIT_YEARS[11] = {10, 11, 15, 8, 7, 11, 4.5, 4.5, 4.5, 5, 5};
inline constexpr int kAgeLimitRows = 12;

// Julian day (Beijing time) of 立春 of a year, as the calendar gives it.
double SpringJd(const MYiDateEx& calendar, int year);

// Year of the year pillar at a Beijing-time Julian day: its calendar year, one less before that
// year's 立春.
int PillarYearAt(const MYiDateEx& calendar, double jd);

// The childhood limit (童限) from the Sun's degree in its sign, three degrees a year: writes its
// length and the nominal age at which the running limits start into the sheet and returns the
// Julian day (Beijing time) of that start. `tongXian` is the iTongXian method.
double ComputeChildhoodLimit(TPositionSheet& sheet, const TTimeBlock& time, int tongXian,
                             const MYiDateEx& calendar);

// The age-limit table: row 0 the childhood limit in the life palace, rows 1..11 the running
// limits walking backward through the palaces; `runningStart` is ComputeChildhoodLimit's result.
void BuildLimitTable(TGridLevel& table, const TPositionSheet& sheet, const TTimeBlock& time,
                     double runningStart, bool isMale, const MYiDateEx& calendar);

// Longitude of the running-limit point at a Beijing-time Julian day: it enters each row's
// palace at its upper edge and leaves it at the lower edge, against the order of the signs.
double RunningLimitLongitude(const TGridLevel& table, int lifePalace, double jd);

// Palace index of the small limit (小限) of a nominal age.
int SmallLimitPalace(int lifePalace, int age);

// Palace index of the month limit (月限): back from the small limit by the months from the
// natal to the annual month branch.
int MonthLimitPalace(int smallLimit, int annualMonthPillar, int natalMonthPillar);

}  // namespace tavrel
