#pragma once

#include "astronomy/astro_calc.h"
#include "chart/chart_records.h"

namespace tavrel {

// Cast steps 6 and 7 at the instant the astronomy object holds: the four remainders (罗喉 on the
// descending node with `luoji` 0, on the ascending one with 1; latitude 0), then the ten bodies'
// apparent longitudes and latitudes of date and, for the planets Mercury to Neptune, whether
// they move direct or retrograde at `beijingTime`.
void FillStarPositions(MAstroCalc& astro, int luoji, const TDateRec& beijingTime,
                       TPositionSheet& sheet);

}  // namespace tavrel
