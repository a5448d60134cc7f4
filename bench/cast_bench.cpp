#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "astronomy/time_scales.h"
#include "chart/zx_china.h"
#include "platform/fixed_font_metrics.h"

namespace tavrel {
namespace {

// A settings file of its own, so the casts read (and on the first one write) a real file.
std::string SettingsPath() {
    static const std::string path = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tavrel-cast-bench-XXXXXX").string();
        return std::string(::mkdtemp(pattern.data())) + "/set.ini";
    }();
    return path;
}

const FixedFontMetrics kMetrics;

TChartRequest Birth(int year, int day, int minute) {
    TChartRequest request;
    request.name = "甲";
    request.year = static_cast<int16_t>(year);
    request.month = 5;
    request.day = static_cast<int16_t>(day);
    request.hour = 14;
    request.minute = static_cast<int16_t>(minute);
    request.zone = 8;
    request.isMale = 1;
    request.longitude = 116.4F;
    request.latitude = 39.9F;
    return request;
}

// A fresh engine and a new year each time: the planetary stations of that year are searched.
void BM_NatalCastCold(benchmark::State& state) {
    int year = 1700;
    for (auto _ : state) {
        CZxChina chart(SettingsPath(), kMetrics);
        const bool done = chart.Cast(Birth(year, 10, 30));
        benchmark::DoNotOptimize(done);
        year = year == 2150 ? 1700 : year + 1;
    }
}
BENCHMARK(BM_NatalCastCold)->Unit(benchmark::kMillisecond);

// One engine, births within one year: the stations come from the cache.
void BM_NatalCastWarm(benchmark::State& state) {
    CZxChina chart(SettingsPath(), kMetrics);
    chart.Cast(Birth(1990, 1, 0));
    int day = 1;
    for (auto _ : state) {
        const bool done = chart.Cast(Birth(1990, day, day));
        benchmark::DoNotOptimize(done);
        day = day == 28 ? 1 : day + 1;
    }
}
BENCHMARK(BM_NatalCastWarm)->Unit(benchmark::kMillisecond);

// The cast with its moving chart, then the annual chart of the default moment for a clock at
// 14:30 on that day of December 2026.
bool CastComplete(CZxChina& chart, const TChartRequest& birth, int day) {
    return chart.Cast(birth) &&
           chart.DefaultAnnualMoment({2026, 12, static_cast<int16_t>(day), 14, 30}) &&
           chart.CastChosenAnnualChart();
}

// What the window does for a new birth: the cast with its moving chart, then the annual chart
// of the default moment. Fresh engine and a new birth year each time.
void BM_CompleteCastCold(benchmark::State& state) {
    int year = 1700;
    for (auto _ : state) {
        CZxChina chart(SettingsPath(), kMetrics);
        benchmark::DoNotOptimize(CastComplete(chart, Birth(year, 10, 30), 11));
        year = year == 1940 ? 1700 : year + 1;
    }
}
BENCHMARK(BM_CompleteCastCold)->Unit(benchmark::kMillisecond);

// The same on one engine for births within one year and annual moments within another.
void BM_CompleteCastWarm(benchmark::State& state) {
    CZxChina chart(SettingsPath(), kMetrics);
    CastComplete(chart, Birth(1990, 1, 0), 11);
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CastComplete(chart, Birth(1990, day, day), day));
        day = day == 28 ? 1 : day + 1;
    }
}
BENCHMARK(BM_CompleteCastWarm)->Unit(benchmark::kMillisecond);

// A new moment picked in a year whose annual chart was already cast.
void BM_AnnualChartOfANewMoment(benchmark::State& state) {
    CZxChina chart(SettingsPath(), kMetrics);
    chart.Cast(Birth(1990, 1, 0));
    const double start = JdOfDate(TDateRec{2026, 1, 1, 0, 0});
    chart.CastAnnualChart(start);
    int minute = 0;
    for (auto _ : state) {
        const bool done = chart.CastAnnualChart(start + minute * 53.0 / 1440);
        benchmark::DoNotOptimize(done);
        minute = minute == 9000 ? 0 : minute + 1;
    }
}
BENCHMARK(BM_AnnualChartOfANewMoment)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrel
