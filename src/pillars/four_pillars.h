#pragma once

#include <cstdint>

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"
#include "pillars/luck_cycles.h"
#include "pillars/pillar_patterns.h"
#include "pillars/pillar_spirits.h"

namespace tavrel {

// The four-pillars reading of a cast: sound elements, luck cycles, pillar spirits and the
// whole-chart notes. Fixed size, so a cast fills it without allocating.
struct TFourPillars {
    uint8_t pillarElement[4];         // sound elements of year, month, day and hour (PillarElement)
    int luckDirection;                // +1 forward, −1 backward
    int luckMinutes;                  // from the birth to the term that starts the count
    int16_t luckStartAge;             // nominal age of the first luck cycle
    int16_t luckStartDate[3];         // year, month, day; lunar under 农历精算, else solar
    TPillarText pillarSpiritText[4];  // spirit names of each pillar, each followed by a blank
    TSpecialNotes specialNotes;       // whole-chart patterns, each "☆name "
};

// The pillars of a time block as one set.
TPillarSet PillarsOf(const TTimeBlock& time);

// Fills `data` from the cast's time block, the sex and the luck reckoning `iYunLi`. On failure
// (the lunar start date cannot be found) `data` is left cleared and the reason is in
// calendar.lastError.
bool FourPillarsData(const TTimeBlock& time, bool male, int iYunLi, MYiDateEx& calendar,
                     TFourPillars& data);

}  // namespace tavrel
