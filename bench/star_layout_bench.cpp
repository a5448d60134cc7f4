#include <benchmark/benchmark.h>

#include <string>

#include "chart/build_star_layout.h"
#include "chart/chart_settings.h"
#include "chart/palaces.h"
#include "chart/xiang_definitions.h"
#include "platform/fixed_font_metrics.h"

namespace {

using namespace tavrel;

// A chart with a crowded sign (five stars in 戌) and the rest spread, as real charts often are.
TPositionSheet Sheet(double shift) {
    constexpr double longitudes[kChartPointCount] = {1.5,   4.0,   9.2,   17.8,  26.1,
                                                     63.4,  95.0,  121.7, 150.3, 183.9,
                                                     215.5, 244.8, 271.2, 305.6, 338.4};
    TPositionSheet sheet{};
    for (int i = 0; i < kChartPointCount; ++i) {
        double lon = longitudes[i] + shift;
        if (lon >= 360) lon -= 360;
        sheet.points[i].longitude = lon;
        sheet.points[i].palace = static_cast<uint8_t>(PalaceOf(lon));
    }
    return sheet;
}

TXiangRelate Defaults() {
    TXiangRelate relate{};
    for (std::string_view value : DefaultAspectValues()) {
        const auto parts = SplitAspectValue(value);
        TXiangItem& item = relate.items[relate.count++];
        item = TXiangItem{};
        item.angle = std::stoi(std::string(parts[1]));
        item.orb = std::stoi(std::string(parts[2]));
    }
    return relate;
}

void BuildLayouts(benchmark::State& state, int starLayer) {
    FixedFontMetrics metrics;
    DiskGeometry geometry;
    SetChartFontSize(geometry, 12, metrics);
    TChartSettings settings;
    settings.iStarLayer = starLayer;
    const TXiangRelate definitions = Defaults();
    const TPositionSheet natalSheet = Sheet(0);
    const TPositionSheet annualSheet = Sheet(47.3);
    static StarLayout natal;
    static StarLayout working;
    const StarLayoutContext context{geometry, metrics, settings, definitions};
    for (auto _ : state) {
        // What one natal cast does: the natal layout, then the moving chart's.
        BuildStarLayout(ChartKind::kNatal, context, {natalSheet, natal, annualSheet, working});
        BuildStarLayout(ChartKind::kMoving, context, {natalSheet, natal, annualSheet, working});
        benchmark::DoNotOptimize(working.sectors[0].count);
    }
}

void BM_NatalAndSecondLayoutInLayers(benchmark::State& state) { BuildLayouts(state, 1); }
BENCHMARK(BM_NatalAndSecondLayoutInLayers);

void BM_NatalAndSecondLayoutInSlots(benchmark::State& state) { BuildLayouts(state, 0); }
BENCHMARK(BM_NatalAndSecondLayoutInSlots);

}  // namespace
