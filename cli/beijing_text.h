#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/display_year.h"

namespace tavrel::cli {

// "YYYY-MM-DD" in display years to the Julian day of its midnight; nothing for text that is not
// a date of the calendar (1582-10-05 … 14 do not exist).
std::optional<double> ParseDate(std::string_view text);

// "YYYY-MM-DD HH:MM[:SS]" (display years; dates before 1582-10-15 Julian) to its Julian day.
std::optional<double> ParseInstant(std::string_view text);

// A Beijing-time Julian day as "YYYY-MM-DD HH:MM:SS", rounded to the second, display year.
std::string FormatSeconds(double jdBeijing);

}  // namespace tavrel::cli
