#pragma once

#include "chart/chart_records.h"
#include "chart/chart_settings.h"

namespace tavrel {

// Cast step 12 and 13 on a sheet whose stars, ascendant, house cusps, sunrise and sunset
// branches and day-birth flag are set: the life point by `mgong`/`mingdu` (placed with palace
// number 0), the fourteen stars, the body point by `sgong`/`shendu`, the fortune point, and the
// copy of the life point as entry 14. `hourBranch` is the hour pillar's branch.
void PlacePalaces(TPositionSheet& sheet, const TChartSettings& settings, int hourBranch,
                  double mansionOrigin);

}  // namespace tavrel
