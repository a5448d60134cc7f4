#pragma once

#include <string>

#include "astronomy/astro_calc.h"
#include "calendar/lunar_calendar.h"
#include "chart/annual_chart.h"
#include "chart/chart_layouts.h"
#include "chart/chart_records.h"
#include "chart/chart_request.h"
#include "chart/chart_settings.h"
#include "chart/disk_geometry.h"
#include "chart/mansions.h"
#include "chart/palace_table.h"
#include "chart/time_grid.h"
#include "chart/xiang_definitions.h"
#include "pillars/four_pillars.h"
#include "platform/font_metrics.h"

namespace tavrel {

// The chart engine: one birth entry in, the natal chart with its moving chart out, and annual
// charts of later moments on demand. It keeps the calendar and the astronomy objects (and so the
// station cache) for the whole run; single-threaded. Every result is a fixed-size record.
//
// A cast computes, in this order: the settings, the birth time, the instant, the mansion origin,
// the fourteen stars with their motion, ascendant, midheaven and houses, the equatorial map when
// chosen, the four pillars, sunrise and sunset, the life, body and fortune points with every
// star's palace and mansion, the year's sound element and the disk's base angle, the childhood
// limit, the four-pillars data, the natal star layout with its aspects, the natal palace table
// with the year's spirits, the age-limit table (level 0 of the grid) and the moving chart.
class CZxChina {
  public:
    // `settingsPath` is dat/set.ini, read again by every cast; its chart font size sets the disk
    // geometry, measured with `metrics`, which must outlive the engine.
    CZxChina(std::string settingsPath, const FontMetrics& metrics);

    // False with the reason in lastError() when the entry has no date the chart can use or its
    // luck start cannot be dated; every result is then cleared and chartKind() is -1.
    bool Cast(const TChartRequest& request);

    // The annual chart of a Julian day on the clock of the request's zone. False with lastError()
    // before any natal chart, for a moment that is not a date or one outside the age limits; the
    // annual results then stay as they were.
    bool CastAnnualChart(double jd);

    // The grid's chosen moment for the computer's clock `now`, or two minutes after the birth when
    // now lies outside the age limits; false with lastError() when the grid cannot hold it.
    bool DefaultAnnualMoment(const TDateRec& now);

    // CastAnnualChart for the grid's chosen moment, which is Beijing time.
    bool CastChosenAnnualChart();

    const std::string& lastError() const { return lastError_; }
    // -1 no chart; 0 after a cast, the natal chart; 1 after an annual chart.
    int chartKind() const { return chartKind_; }
    int activeStarCount() const { return activeStarCount_; }
    const TChartSettings& Settings() const { return settings_; }
    // The aspect definitions the last cast read, which the annual charts keep using.
    const TXiangRelate& GetAspectDefinitions() const { return aspects_; }
    // The entry of the last cast, its leap flag that of the computed lunar date.
    const TChartRequest& Request() const { return request_; }
    // Hours east of Greenwich of the last cast's zone.
    int ZoneHours() const { return zoneHours_; }
    const TTimeBlock& Time() const { return time_; }
    const TPositionSheet& Natal() const { return natal_; }
    const TPositionSheet& AnnualSheet() const { return annualSheet_; }
    const TPositionSheet& MovingSheet() const { return movingSheet_; }
    // Start of mansion 0 on the chart's star map (a right ascension on the equatorial map).
    const TMansionOrigin& MansionOrigin() const { return mansionOrigin_; }
    // Julian day (Beijing time) at which the running limits start, the end of the childhood limit.
    double RunningStart() const { return runningStart_; }
    const TFourPillars& FourPillars() const { return fourPillars_; }
    const TPalaceTable& NatalTable() const { return natalTable_; }
    const TPalaceTable& AnnualTable() const { return annualTable_; }
    const TPalaceTable& MovingTable() const { return movingTable_; }
    // The moment, pillars and limits of the last annual chart.
    const TAnnualState& Annual() const { return annual_; }
    const DiskGeometry& Geometry() const { return geometry_; }
    const TChartLayouts& Layouts() const { return layouts_; }
    // A copy of the natal (0), annual (1) or moving (2) layout; false for another kind.
    bool GetStarLayout(int kind, StarLayout& copy) const;
    // Level 0 holds the age-limit table; the lower levels follow the chosen annual moment.
    const TTimeGrid& Grid() const { return grid_; }

  private:
    void ComputeAngles();
    void CastMovingChart();
    void BuildLayout(ChartKind kind);
    void BuildTable(const TPositionSheet& sheet, int yearPillar, TPalaceTable& table) const;
    void ClearResults();

    std::string settingsPath_;
    const FontMetrics& metrics_;
    MYiDateEx calendar_;
    MAstroCalc astro_;
    TChartSettings settings_;
    TXiangRelate aspects_{};
    TChartRequest request_;
    int zoneHours_ = 8;
    TTimeBlock time_{};
    TMansionOrigin mansionOrigin_{};
    TPositionSheet natal_{};
    TPositionSheet working_{};  // the second chart being cast: annual or moving
    TPositionSheet annualSheet_{};
    TPositionSheet movingSheet_{};
    DiskGeometry geometry_{};
    TChartLayouts layouts_{};
    double runningStart_ = 0;
    TFourPillars fourPillars_{};
    TPalaceTable natalTable_{};
    TPalaceTable annualTable_{};
    TPalaceTable movingTable_{};
    TAnnualState annual_{};
    TTimeGrid grid_{};
    int activeStarCount_ = 14;
    int chartKind_ = -1;
    std::string lastError_;
};

}  // namespace tavrel
