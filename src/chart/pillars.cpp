#include "chart/pillars.h"

namespace tavrel {

void ComputePillars(TTimeBlock& time, int zishi, const MYiDateEx& calendar) {
    time.yearPillar = calendar.YearGanzhi(time.beijingTime, &time.pillarYear);
    time.monthPillar = calendar.MonthGanzhi(time.yearPillar, time.beijingTime);
    TDateRec jie{};
    TDateRec zhongqi{};
    TDateRec nextJie{};
    calendar.SolarMonthOf(time.beijingTime, jie, zhongqi, nextJie);
    time.termPrev = JdOfDate(jie);
    time.termMid = JdOfDate(zhongqi);
    time.termNext = JdOfDate(nextJie);

    const bool late = time.pillarTime.hour == 23;
    time.dayPillar = MYiDateEx::DayGanzhi(time.pillarTime);
    if (late && (zishi == 0 || zishi == 1)) time.dayPillar = (time.dayPillar + 1) % 60;
    time.hourPillar = MYiDateEx::HourGanzhi(time.pillarTime.hour, time.dayPillar);
    if (late && zishi == 1) time.hourPillar = (time.hourPillar + 48) % 60;
    if (late && zishi == 2) time.hourPillar = (time.hourPillar + 12) % 60;
}

}  // namespace tavrel
