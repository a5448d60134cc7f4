#include <benchmark/benchmark.h>

#include "calendar/lunar_calendar.h"
#include "chart/palace_table.h"
#include "chart/palaces.h"
#include "pillars/four_pillars.h"

namespace {

tavrel::TTimeBlock Birth(tavrel::MYiDateEx& calendar, const tavrel::TDateRec& when) {
    tavrel::TTimeBlock time{};
    time.beijingTime = when;
    time.jdBeijing = tavrel::JdOfDate(when);
    time.yearPillar = calendar.YearGanzhi(when, &time.pillarYear);
    time.monthPillar = calendar.MonthGanzhi(time.yearPillar, when);
    time.dayPillar = tavrel::MYiDateEx::DayGanzhi(when);
    time.hourPillar = tavrel::MYiDateEx::HourGanzhi(when.hour, time.dayPillar);
    tavrel::TDateRec jie{}, zhongqi{}, nextJie{};
    calendar.SolarMonthOf(when, jie, zhongqi, nextJie);
    time.termPrev = tavrel::JdOfDate(jie);
    time.termNext = tavrel::JdOfDate(nextJie);
    return time;
}

// The four-pillars step of one cast, by each luck reckoning.
void BM_FourPillarsData(benchmark::State& state) {
    tavrel::MYiDateEx calendar;
    const tavrel::TTimeBlock time = Birth(calendar, {1990, 9, 15, 10, 30});
    const int reckoning = static_cast<int>(state.range(0));
    tavrel::TFourPillars data{};
    for (auto _ : state) {
        tavrel::FourPillarsData(time, true, reckoning, calendar, data);
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_FourPillarsData)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// One palace table with its forty-nine spirits.
void BM_BuildPalaceTable(benchmark::State& state) {
    tavrel::TPositionSheet sheet{};
    for (int star = 0; star < tavrel::kStarCount; ++star) {
        sheet.points[star].longitude = 10 + 25.0 * star;
        tavrel::PlacePoint(sheet.points[star], 4, 189.37);
    }
    tavrel::TPalaceTable table{};
    int year = 0;
    for (auto _ : state) {
        tavrel::BuildPalaceTable(sheet, 215.5, 4, 189.37, false, year, {}, table);
        benchmark::DoNotOptimize(table);
        year = (year + 1) % 60;
    }
}
BENCHMARK(BM_BuildPalaceTable)->Unit(benchmark::kMicrosecond);

}  // namespace
