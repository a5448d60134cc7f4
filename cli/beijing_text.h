#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::cli {

// A display year (no year 0; −1 is 1 BC) as the astronomical year, and back.
int AstronomicalYear(int displayYear);
int DisplayYear(int astronomicalYear);

// "YYYY-MM-DD" in display years to the Julian day of its midnight; nothing for text that is not
// a date of the calendar (1582-10-05 … 14 do not exist).
std::optional<double> ParseDate(std::string_view text);

// A Beijing-time Julian day as "YYYY-MM-DD HH:MM:SS", rounded to the second, display year.
std::string FormatSeconds(double jdBeijing);

}  // namespace tavrel::cli
