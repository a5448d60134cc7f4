#pragma once

#include <string>
#include <string_view>

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"
#include "chart/chart_request.h"
#include "chart/chart_settings.h"

namespace tavrel {

// The failures of a birth entry; the lunar one is the calendar's own message.
inline constexpr std::string_view kYearOutOfRangeMessage = "时间越界，年份在1600-2200之间";
inline constexpr std::string_view kNoSuchDateMessage = "不存在这个日期";
// A stored entry whose coordinates are not a place on the globe (the window never makes one).
inline constexpr std::string_view kNoSuchPlaceMessage = "经纬度超出范围";
inline constexpr int kFirstChartYear = 1600;
inline constexpr int kLastChartYear = 2200;

// Hours east of Greenwich of a zone code: v for v <= 12, 12 - v above (13 is UTC-1).
int ZoneHourOffset(int zone);

// The instants of the request (its zone already an hour offset in `tzHours`): the solar date of
// a lunar entry, Beijing time and the Julian days, the pillar clock by `iDate`, the lunar date
// after the late-子-hour rule. The lunar date's leap flag is written back to `request`. False
// with the reason in `lastError`.
bool ConvertBirthTime(TChartRequest& request, int tzHours, const TChartSettings& settings,
                      MYiDateEx& calendar, TTimeBlock& time, std::string& lastError);

}  // namespace tavrel
