#pragma once

#include <string>

#include "astronomy/astro_calc.h"
#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"
#include "chart/chart_request.h"
#include "chart/chart_settings.h"
#include "chart/mansions.h"
#include "chart/palace_table.h"
#include "chart/time_grid.h"
#include "chart/xiang_definitions.h"
#include "pillars/four_pillars.h"

namespace tavrel {

// The chart engine: one birth entry in, the natal chart out. It keeps the calendar and the
// astronomy objects (and so the station cache) for the whole run; single-threaded.
//
// A cast computes, in this order: the settings, the birth time, the instant, the mansion origin,
// the fourteen stars with their motion, ascendant, midheaven and houses, the equatorial map when
// chosen, the four pillars, sunrise and sunset, the life, body and fortune points with every
// star's palace and mansion, the year's sound element and the disk's base angle, the childhood
// limit, the four-pillars data, the natal palace table with the year's spirits and the age-limit
// table (level 0 of the grid). The star layout and aspects and the moving chart are not computed,
// and the palace table's square bounds stay 0 because the disk is not measured.
class CZxChina {
  public:
    // `settingsPath` is dat/set.ini, read again by every cast.
    explicit CZxChina(std::string settingsPath);

    // False with the reason in lastError() when the entry has no date the chart can use or its
    // luck start cannot be dated; every result is then cleared and chartKind() is -1.
    bool Cast(const TChartRequest& request);

    const std::string& lastError() const { return lastError_; }
    // -1 no chart, 0 natal.
    int chartKind() const { return chartKind_; }
    int activeStarCount() const { return activeStarCount_; }
    const TChartSettings& Settings() const { return settings_; }
    const TXiangRelate& Aspects() const { return aspects_; }
    // The entry of the last cast, its leap flag that of the computed lunar date.
    const TChartRequest& Request() const { return request_; }
    // Hours east of Greenwich of the last cast's zone.
    int ZoneHours() const { return zoneHours_; }
    const TTimeBlock& Time() const { return time_; }
    const TPositionSheet& Natal() const { return natal_; }
    // Start of mansion 0 on the chart's star map (a right ascension on the equatorial map).
    const TMansionOrigin& MansionOrigin() const { return mansionOrigin_; }
    // Julian day (Beijing time) at which the running limits start, the end of the childhood limit.
    double RunningStart() const { return runningStart_; }
    const TFourPillars& FourPillars() const { return fourPillars_; }
    const TPalaceTable& NatalTable() const { return natalTable_; }
    // Level 0 holds the age-limit table; the lower levels are not built by a cast.
    const TTimeGrid& Grid() const { return grid_; }

  private:
    void ComputeAngles();
    void ClearResults();

    std::string settingsPath_;
    MYiDateEx calendar_;
    MAstroCalc astro_;
    TChartSettings settings_;
    TXiangRelate aspects_{};
    TChartRequest request_;
    int zoneHours_ = 8;
    TTimeBlock time_{};
    TMansionOrigin mansionOrigin_{};
    TPositionSheet natal_{};
    double runningStart_ = 0;
    TFourPillars fourPillars_{};
    TPalaceTable natalTable_{};
    TTimeGrid grid_{};
    int activeStarCount_ = 14;
    int chartKind_ = -1;
    std::string lastError_;
};

}  // namespace tavrel
