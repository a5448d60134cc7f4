#include "chart/chart_layouts.h"

#include "chart/xiang_lists.h"

namespace tavrel {

bool GetStarLayout(const TChartLayouts& layouts, int kind, StarLayout& copy) {
    switch (kind) {
        case static_cast<int>(ChartKind::kNatal):
            copy = layouts.natal;
            return true;
        case static_cast<int>(ChartKind::kAnnual):
            copy = layouts.annual;
            return true;
        case static_cast<int>(ChartKind::kMoving):
            copy = layouts.moving;
            return true;
        default:
            return false;
    }
}

void StoreWorkingLayout(TChartLayouts& layouts, ChartKind kind) {
    if (kind == ChartKind::kAnnual) layouts.annual = layouts.working;
    if (kind == ChartKind::kMoving) layouts.moving = layouts.working;
}

void ShowChartLayout(TChartLayouts& layouts, ChartKind kind) {
    if (kind == ChartKind::kNatal) return;
    layouts.working = kind == ChartKind::kAnnual ? layouts.annual : layouts.moving;
    CopyNatalCrossAspects(layouts.working, layouts.natal);
}

}  // namespace tavrel
