#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/lunar_calendar.h"
#include "chart/annual_chart.h"
#include "chart/grid_rows.h"

namespace tavrel {

// Levels of the time-selection grid: 大限, 流年, 流月, 流日, 流时.
inline constexpr int kGridLevelCount = 5;
// Cells a level shows; a level with more rows pages ten at a time between two paging cells.
inline constexpr int kGridCells = 12;
inline constexpr int kGridPageRows = 10;

// Where a level lies on the picker image, and what is chosen and shown in it.
struct TGridSelection {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int16_t selected = 0;
    int16_t firstShown = 0;
};

// The grid: level 0 is the age-limit table, which BuildLimitTable fills.
struct TTimeGrid {
    std::array<TGridLevel, kGridLevelCount> levels{};
    std::array<TGridSelection, kGridLevelCount> selections{};
    int rebuildLevel = 0;     // the levels below levels[rebuildLevel] are rebuilt
    double chosenMoment = 0;  // Julian day (Beijing time) of the annual chart
};

// What the grid operations work with.
struct TGridContext {
    MYiDateEx& calendar;
    int zishi;  // the late-子-hour rule of the pillars
    std::string& lastError;
};

// The pillars of a grid date, taken as both Beijing and pillar time, with the year the year
// pillar belongs to.
struct TGridPillars {
    TPillars pillars;
    int pillarYear;
};
TGridPillars GridPillars(const TDateRec& date, int zishi, const MYiDateEx& calendar);

// Rebuilds every level below the rebuild level from the selected rows; each rebuilt level
// selects its first row.
void RebuildGrid(TTimeGrid& grid, const TGridContext& context);

// Selects on every level the row holding the date (plus one second), rebuilding as it goes;
// true when all five levels hold it.
bool LocateMoment(TTimeGrid& grid, const TDateRec& date, const TGridContext& context);

// Makes the date the chosen moment; false with lastError when it lies outside the age limits or
// the grid has no cell for it.
bool SetAnnualMoment(TTimeGrid& grid, const TDateRec& date, const TGridContext& context);

// SetAnnualMoment for `now`, the computer's local time to the minute, or for two minutes after
// the birth when now lies outside the age limits.
bool DefaultAnnualMoment(TTimeGrid& grid, const TDateRec& now, const TGridContext& context);

// The computer's local date and time to the minute, the clock of DefaultAnnualMoment.
TDateRec LocalClockNow();

// A click at (x, y) on the picker image: 0 when a moment was chosen (the middle of the selected
// double hour), 1 on an empty cell (lastError set), -1 outside every level.
int ClickGrid(TTimeGrid& grid, int x, int y, const TGridContext& context);

}  // namespace tavrel
