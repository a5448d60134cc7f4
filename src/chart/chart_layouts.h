#pragma once

#include "chart/star_layout.h"

namespace tavrel {

// The label layouts a cast keeps: the natal one, the annual or moving chart on show (the
// working layout its casts build), and the stored annual and moving layouts.
struct TChartLayouts {
    StarLayout natal;
    StarLayout working;
    StarLayout annual;
    StarLayout moving;
};

// A copy of the natal (0), stored annual (1) or stored moving (2) layout; false for another kind.
bool GetStarLayout(const TChartLayouts& layouts, int kind, StarLayout& copy);

// The end of an annual or moving cast: its working layout is kept as that kind's layout.
void StoreWorkingLayout(TChartLayouts& layouts, ChartKind kind);

// An annual or moving chart comes on show: its stored layout becomes the working one, and the
// natal placements take their lists to it as otherAspects. The natal chart copies nothing.
void ShowChartLayout(TChartLayouts& layouts, ChartKind kind);

}  // namespace tavrel
