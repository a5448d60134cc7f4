#pragma once

#include <cstdint>

#include "chart/chart_records.h"
#include "chart/star_layout.h"
#include "chart/xiang_definitions.h"

namespace tavrel {

// Fills the fifteen entries of `list` for point `point` at `longitude` against every point of
// `partners`: the whole-degree separation and the first definition whose window
// angle - orb <= d < angle + orb holds. With sameChart the point's own entry stays empty.
// partnerPlace is left to the caller.
void FillAspectList(int point, float longitude, const TPositionSheet& partners,
                    const TXiangRelate& definitions, TAspectList& list, bool sameChart);

// sector × 100 + row of the first placement of `id` in sector and row order, -1 when none.
int16_t FindPlacement(const StarLayout& layout, int id);

// The ownAspects of every natal placement.
void ListNatalAspects(StarLayout& natal, const TPositionSheet& natalSheet,
                      const TXiangRelate& definitions);

// The lists of a second chart (annual or moving): the natal placements' aspects to it (held in
// the working layout's natalCrossAspects, by the natal rows), and the ownAspects and
// otherAspects of its own placements.
void ListSecondChartAspects(StarLayout& working, const TPositionSheet& workingSheet,
                            const StarLayout& natal, const TPositionSheet& natalSheet,
                            const TXiangRelate& definitions);

enum class AspectListChoice { kOwn = 0, kOther = 1, kNatalCross = 2 };

// Clears aspectIndex of entry `partner` of the chosen list, in the target layout's row that
// holds `id` in the search layout; nothing when the search layout does not hold it.
void RemoveAspect(const StarLayout& search, StarLayout& target, int id, int partner,
                  AspectListChoice list);

// The moving chart keeps the natal life degree, so the two life degrees always meet at 0°: that
// aspect is taken out of both cross-chart lists of the working layout.
void RemoveLifeDegreeCrossAspects(const StarLayout& natal, StarLayout& working);

// When an annual or moving chart comes on show, the natal placements' lists to it become the
// natal layout's otherAspects.
void CopyNatalCrossAspects(const StarLayout& working, StarLayout& natal);

}  // namespace tavrel
