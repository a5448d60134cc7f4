#pragma once

#include "chart/chart_records.h"
#include "chart/chart_settings.h"
#include "chart/disk_geometry.h"
#include "chart/star_label_layout.h"
#include "chart/star_layout.h"
#include "chart/xiang_definitions.h"
#include "platform/font_metrics.h"

namespace tavrel {

// What a layout is made with besides the sheets.
struct StarLayoutContext {
    const DiskGeometry& geometry;
    const FontMetrics& metrics;
    const TChartSettings& settings;
    const TXiangRelate& definitions;
};

// The natal chart's points and label layout, and the annual or moving chart on show.
struct StarLayoutCharts {
    const TPositionSheet& natalSheet;
    StarLayout& natalLayout;
    const TPositionSheet& workingSheet;
    StarLayout& workingLayout;
};

// Clears and lays out the labels of one chart and fills its aspect lists: the natal layout for
// kNatal; the working layout over the working sheet for kAnnual and kMoving, whose lists also
// refer to the natal layout and sheet (left unwritten). The moving chart's life-degree removals
// are the caller's, before the layout is stored.
void BuildStarLayout(ChartKind kind, const StarLayoutContext& context, StarLayoutCharts charts);

// The label placements alone, into a cleared layout.
void LayoutStarLabels(StarLayout& layout, const TPositionSheet& sheet, LayoutRing ring,
                      const StarLayoutContext& context);

}  // namespace tavrel
