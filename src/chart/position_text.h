#pragma once

#include <string>

#include "chart/chart_records.h"

namespace tavrel {

// "DD:MM", degrees and minutes both truncated.
std::string FormatDegreesMinutes(double degrees);

// Mansion, its governor and the degree in it, with a trailing blank: "轸水10:05 ".
std::string FormatMansionDegree(const TPlacedPoint& point);

// Branch of the palace and the degree in the sign, with a trailing blank: "戌10:05 ".
std::string FormatSignDegree(const TPlacedPoint& point);

}  // namespace tavrel
