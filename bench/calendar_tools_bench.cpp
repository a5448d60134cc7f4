#include <benchmark/benchmark.h>

#include <string>

#include "calendar/display_year.h"
#include "calendar/month_view.h"
#include "pillars/pillar_search.h"

namespace tavrel {
namespace {

// One month of the calendar window, a different year each run so that the year's terms are
// computed every time.
void BM_ShowMonth(benchmark::State& state) {
    MonthModel model;
    MonthView view;
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.ShowMonth({year, 3, 15, 23, 30}, view));
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_ShowMonth)->Unit(benchmark::kMillisecond);

// A search whose only candidate year (9984) fails: the cost of one candidate year.
void BM_PillarSearchOneCandidate(benchmark::State& state) {
    MPillarSearch search;
    search.ReadPillars("9950", {0, 0, 2, 0, 0, 0});  // 甲子 寅 甲子 子
    for (auto _ : state) benchmark::DoNotOptimize(search.PillarSearch());
}
BENCHMARK(BM_PillarSearchOneCandidate)->Unit(benchmark::kMicrosecond);

// The search repeated from the year after each find, from −4713 until nothing is found: every
// candidate year up to 9999 is tried once, ending in a search that scans to 9999 unsuccessfully.
void BM_PillarSearchWholeRange(benchmark::State& state) {
    int searches = 0;
    for (auto _ : state) {
        MPillarSearch search;
        std::string from = "-4713";
        searches = 0;
        for (;;) {
            ++searches;
            if (!search.ReadPillars(from, {0, 0, 2, 0, 0, 0}) || !search.PillarSearch()) break;
            from = std::to_string(DisplayYearOf(search.foundMoment.year + 1));
        }
    }
    state.counters["searches"] = searches;
}
BENCHMARK(BM_PillarSearchWholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrel
