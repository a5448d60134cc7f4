#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astronomy/time_scales.h"
#include "beijing_text.h"

namespace tavrel::cli {

// A year argument in display years (−4712 … 9999, not 0) as an astronomical year.
std::optional<int> ParseDisplayYear(std::string_view text);

// "Y-M-D HH:MM" with a display year (a leading − for BC) and one- or two-digit month, day,
// hour and minute, as an astronomical date; ranges are checked, not the day's existence.
std::optional<TDateRec> ParseDateTime(std::string_view text);

// "YYYY-MM-DD" and "YYYY-MM-DD HH:MM" in display years.
std::string FormatDate(const TDateRec& r);
std::string FormatDateTime(const TDateRec& r);

}  // namespace tavrel::cli
