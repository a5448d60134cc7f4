#include <benchmark/benchmark.h>

#include "chart/age_limits.h"
#include "chart/annual_chart.h"
#include "chart/palaces.h"
#include "chart/star_list.h"
#include "chart/time_grid.h"

namespace {

using namespace tavrel;

// A birth on 1990-06-15 at noon with its age limits, as a cast leaves them.
struct Birth {
    MYiDateEx calendar;
    TTimeBlock time{};
    TPositionSheet sheet{};
    TTimeGrid grid;

    Birth() {
        time.beijingTime = time.pillarTime = {1990, 6, 15, 12, 0};
        time.jdBeijing = MYiDateEx::JdOfDate(time.beijingTime);
        time.pillarYear = 1990;
        sheet.points[kSun].longitude = 73.5;
        PlacePoint(sheet.points[kSun], 11, 0);
        const double start = ComputeChildhoodLimit(sheet, time, 0, calendar);
        BuildLimitTable(grid.levels[0], sheet, time, start, true, calendar);
    }
};

void BM_ChildhoodLimitAndLimitTable(benchmark::State& state) {
    Birth birth;
    for (auto _ : state) {
        const double start = ComputeChildhoodLimit(birth.sheet, birth.time, 0, birth.calendar);
        BuildLimitTable(birth.grid.levels[0], birth.sheet, birth.time, start, true, birth.calendar);
        benchmark::DoNotOptimize(birth.grid.levels[0].rows[11].end);
    }
}
BENCHMARK(BM_ChildhoodLimitAndLimitTable)->Unit(benchmark::kMicrosecond);

// A new moment in the same year, as the picker sets one: the grid located and the annual
// chart's state without its stars.
void BM_NewAnnualMoment(benchmark::State& state) {
    Birth birth;
    std::string error;
    const TGridContext context{birth.calendar, 0, error};
    const TChartSettings settings;
    const TAnnualInputs inputs{0, 8, 120, settings, birth.time, birth.sheet, birth.grid.levels[0]};
    TAnnualState annual{};
    int day = 0;
    for (auto _ : state) {
        const TDateRec moment{2010, 3, static_cast<int16_t>(1 + day % 28), 10, 0};
        SetAnnualMoment(birth.grid, moment, context);
        PrepareAnnualChart(birth.grid.chosenMoment, inputs, birth.calendar, annual, error);
        benchmark::DoNotOptimize(annual.runningLongitude);
        ++day;
    }
}
BENCHMARK(BM_NewAnnualMoment)->Unit(benchmark::kMicrosecond);

}  // namespace
