#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace tavrel
