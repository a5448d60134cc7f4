#include <benchmark/benchmark.h>

#include "calendar/lunar_calendar.h"

namespace tavrel {
namespace {

// One calendar month of a different year each time, so every run computes its year state.
void BM_SolarToLunarMonth(benchmark::State& state) {
    MYiDateEx calendar;
    int year = 1900;
    for (auto _ : state) {
        TDateRec day{static_cast<int16_t>(year), 3, 1, 12, 0};
        for (int n = 0; n < 31; ++n, MYiDateEx::NextDay(day)) {
            TDateRec lunar{};
            bool leap = false;
            calendar.SolarToLunar(day, lunar, leap);
            benchmark::DoNotOptimize(lunar);
        }
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_SolarToLunarMonth)->Unit(benchmark::kMillisecond);

// A fresh calendar object each time (expansion of the corrections included) and a lunar date
// that does not exist, so that the whole 181-day search runs.
void BM_LunarToSolarWorstCase(benchmark::State& state) {
    for (auto _ : state) {
        MYiDateEx calendar;
        TDateRec solar{};
        const bool found = calendar.LunarToSolar({2023, 2, 30, 12, 0}, true, solar);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LunarToSolarWorstCase)->Unit(benchmark::kMillisecond);

// An existing date whose search starts more than a month away (正月初一 in February).
void BM_LunarToSolarNewYear(benchmark::State& state) {
    MYiDateEx calendar;
    int year = 1900;
    for (auto _ : state) {
        TDateRec solar{};
        calendar.LunarToSolar({static_cast<int16_t>(year), 1, 1, 12, 0}, false, solar);
        benchmark::DoNotOptimize(solar);
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_LunarToSolarNewYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrel
