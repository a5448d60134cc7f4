#include "chart/build_star_layout.h"

#include <algorithm>
#include <array>

#include "chart/star_list.h"
#include "chart/xiang_lists.h"

namespace tavrel {
namespace {

void LayoutBySector(StarLayout& layout, const TPositionSheet& sheet, LayoutRing ring,
                    const StarLayoutContext& context) {
    const int count = ActiveStarCount(context.settings);
    for (int branch = 0; branch < kSectorCount; ++branch) {
        std::array<int, kStarCount> stars{};
        int members = 0;
        for (int id = 0; id < count; ++id) {
            if (sheet.points[id].palace % kSectorCount == branch) stars[members++] = id;
        }
        std::stable_sort(stars.begin(), stars.begin() + members, [&](int a, int b) {
            return sheet.points[a].longitude < sheet.points[b].longitude;
        });
        const bool withLifePoint = sheet.points[kLifeDegree].palace % kSectorCount == branch;
        LayoutStarsInLayers(layout.sectors[branch], branch,
                            std::span<const int>(stars.data(), members), withLifePoint, sheet,
                            context.geometry, ring);
    }
}

}  // namespace

void LayoutStarLabels(StarLayout& layout, const TPositionSheet& sheet, LayoutRing ring,
                      const StarLayoutContext& context) {
    const bool slots = context.settings.iStarLayer == 0;
    // One ring of labels has room for a larger natal font.
    layout.labelFontSize =
        context.geometry.fontSize + (ring == LayoutRing::kNatal && slots ? 2 : 0);
    const TextExtent cell =
        context.metrics.Measure(kChartFontFace, layout.labelFontSize, false, "国");
    layout.labelWidth = cell.width;
    layout.labelHeight = cell.height;
    if (slots) {
        LayoutStarsInSlots(layout, ActiveStarCount(context.settings), sheet, context.geometry,
                           ring);
    } else {
        LayoutBySector(layout, sheet, ring, context);
    }
}

void BuildStarLayout(ChartKind kind, const StarLayoutContext& context, StarLayoutCharts charts) {
    if (kind == ChartKind::kNatal) {
        charts.natalLayout = StarLayout{};
        LayoutStarLabels(charts.natalLayout, charts.natalSheet, LayoutRing::kNatal, context);
        ListNatalAspects(charts.natalLayout, charts.natalSheet, context.definitions);
        return;
    }
    charts.workingLayout = StarLayout{};
    LayoutStarLabels(charts.workingLayout, charts.workingSheet, LayoutRing::kSecond, context);
    ListSecondChartAspects(charts.workingLayout, charts.workingSheet, charts.natalLayout,
                           charts.natalSheet, context.definitions);
}

}  // namespace tavrel
