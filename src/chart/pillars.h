#pragma once

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"

namespace tavrel {

// The four pillars of a converted birth time, with `pillarYear` and the solar month's term
// instants. The year and month follow Beijing time; the day and hour the pillar clock, with the
// late-子-hour rule `zishi` for 23:00-23:59:
//   0 next day's day pillar and next day's 子 hour;  1 next day's day pillar, this day's 子 hour
//   stem;  2 this day's day pillar, next day's 子 hour stem;  3 this day for both.
void ComputePillars(TTimeBlock& time, int zishi, const MYiDateEx& calendar);

}  // namespace tavrel
