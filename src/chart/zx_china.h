#pragma once

#include <string>

#include "astronomy/astro_calc.h"
#include "calendar/lunar_calendar.h"
#include "chart/aspect_definitions.h"
#include "chart/chart_records.h"
#include "chart/chart_request.h"
#include "chart/chart_settings.h"
#include "chart/mansions.h"

namespace tavrel {

// The chart engine: one birth entry in, the natal chart out. It keeps the calendar and the
// astronomy objects (and so the station cache) for the whole run; single-threaded.
//
// A cast computes, in this order: the settings, the birth time, the instant, the mansion origin,
// the fourteen stars with their motion, ascendant, midheaven and houses, the equatorial map when
// chosen, the four pillars, sunrise and sunset, the life, body and fortune points with every
// star's palace and mansion, the year's sound element and the disk's base angle. The childhood
// limit, the four-pillars data, the star layout and aspects, the spirits, the age-limit table and
// the moving chart are not computed: the sheet's childhood-limit fields stay 0.
class CZxChina {
  public:
    // `settingsPath` is dat/set.ini, read again by every cast.
    explicit CZxChina(std::string settingsPath);

    // False with the reason in lastError() when the entry has no date the chart can use; the
    // natal results are then not usable (chartKind() is -1).
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

  private:
    void ComputeAngles();

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
    int activeStarCount_ = 14;
    int chartKind_ = -1;
    std::string lastError_;
};

}  // namespace tavrel
