#include "presentation/layout_report.h"

#include "chart/star_list.h"

namespace tavrel {

std::vector<SectorReport> ReportStarLayout(const StarLayout& layout,
                                           const TXiangRelate& definitions, bool hideKing) {
    std::vector<SectorReport> sectors;
    sectors.reserve(kSectorCount);
    for (int s = 0; s < kSectorCount; ++s) {
        SectorReport& sector = sectors.emplace_back(SectorReport{s, {}});
        const SectorBlock& block = layout.sectors[s];
        for (int row = 0; row < block.count && row < kSectorPlacementCapacity; ++row) {
            const StarPlacement& placement = block.placements[row];
            PlacementReport& report =
                sector.placements.emplace_back(PlacementReport{placement.starId,
                                                               placement.labelCentre,
                                                               placement.footPoint,
                                                               placement.labelPoint,
                                                               placement.screenAngle,
                                                               {}});
            for (int k = 0; k < kChartPointCount; ++k) {
                const TAspectEntry& entry = placement.ownAspects.entries[k];
                if (entry.aspectIndex == 0 || entry.aspectIndex > definitions.count) continue;
                if (hideKing && k >= kUranus && k <= kPluto) continue;
                report.own.push_back({k, entry.aspectIndex,
                                      definitions.items[entry.aspectIndex - 1].name,
                                      entry.separation, entry.partnerPlace});
            }
        }
    }
    return sectors;
}

}  // namespace tavrel
