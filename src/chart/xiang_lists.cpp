#include "chart/xiang_lists.h"

#include <cmath>

namespace tavrel {
namespace {

uint8_t MatchingDefinition(float separation, const TXiangRelate& definitions) {
    const int count =
        definitions.count < kMaxAspectDefinitions ? definitions.count : kMaxAspectDefinitions;
    for (int i = 0; i < count; ++i) {
        const TXiangItem& item = definitions.items[i];
        const float low = static_cast<float>(item.angle - item.orb);
        const float high = static_cast<float>(item.angle + item.orb);
        if (low <= separation && separation < high) return static_cast<uint8_t>(i + 1);
    }
    return 0;
}

void FillPartnerPlaces(TAspectList& list, const StarLayout& partnerLayout) {
    for (int k = 0; k < kChartPointCount; ++k) {
        TAspectEntry& entry = list.entries[k];
        entry.partnerPlace = entry.aspectIndex != 0 ? FindPlacement(partnerLayout, k) : -1;
    }
}

float PointLongitude(const TPositionSheet& sheet, int id) {
    return static_cast<float>(sheet.points[id].longitude);
}

TAspectList& ChosenList(StarPlacement& placement, AspectListChoice list) {
    switch (list) {
        case AspectListChoice::kOwn:
            return placement.ownAspects;
        case AspectListChoice::kOther:
            return placement.otherAspects;
        case AspectListChoice::kNatalCross:
            break;
    }
    return placement.natalCrossAspects;
}

}  // namespace

void FillAspectList(int point, float longitude, const TPositionSheet& partners,
                    const TXiangRelate& definitions, TAspectList& list, bool sameChart) {
    for (int k = 0; k < kChartPointCount; ++k) {
        TAspectEntry& entry = list.entries[k];
        entry.aspectIndex = 0;
        entry.separation = 0;
        if (sameChart && k == point) continue;
        float d = std::fabs(longitude - PointLongitude(partners, k));
        if (d > 180.0f) d = 360.0f - d;
        entry.separation = static_cast<int16_t>(d + 0.5f);
        entry.aspectIndex = MatchingDefinition(d, definitions);
    }
}

int16_t FindPlacement(const StarLayout& layout, int id) {
    for (int s = 0; s < kSectorCount; ++s) {
        const SectorBlock& block = layout.sectors[s];
        for (int row = 0; row < block.count && row < kSectorPlacementCapacity; ++row) {
            if (block.placements[row].starId == id) return PlacementPlace(s, row);
        }
    }
    return -1;
}

void ListNatalAspects(StarLayout& natal, const TPositionSheet& natalSheet,
                      const TXiangRelate& definitions) {
    for (SectorBlock& block : natal.sectors) {
        for (int row = 0; row < block.count; ++row) {
            StarPlacement& placement = block.placements[row];
            const int m = placement.starId;
            FillAspectList(m, PointLongitude(natalSheet, m), natalSheet, definitions,
                           placement.ownAspects, true);
            FillPartnerPlaces(placement.ownAspects, natal);
        }
    }
}

void ListSecondChartAspects(StarLayout& working, const TPositionSheet& workingSheet,
                            const StarLayout& natal, const TPositionSheet& natalSheet,
                            const TXiangRelate& definitions) {
    for (int s = 0; s < kSectorCount; ++s) {
        const SectorBlock& natalBlock = natal.sectors[s];
        for (int row = 0; row < natalBlock.count; ++row) {
            const int m = natalBlock.placements[row].starId;
            TAspectList& list = working.sectors[s].placements[row].natalCrossAspects;
            FillAspectList(m, PointLongitude(natalSheet, m), workingSheet, definitions, list,
                           false);
            FillPartnerPlaces(list, working);
        }
    }
    for (SectorBlock& block : working.sectors) {
        for (int row = 0; row < block.count; ++row) {
            StarPlacement& placement = block.placements[row];
            const int m = placement.starId;
            const float longitude = PointLongitude(workingSheet, m);
            FillAspectList(m, longitude, workingSheet, definitions, placement.ownAspects, true);
            FillPartnerPlaces(placement.ownAspects, working);
            FillAspectList(m, longitude, natalSheet, definitions, placement.otherAspects, false);
            FillPartnerPlaces(placement.otherAspects, natal);
        }
    }
}

void RemoveAspect(const StarLayout& search, StarLayout& target, int id, int partner,
                  AspectListChoice list) {
    const int16_t place = FindPlacement(search, id);
    if (place < 0 || partner < 0 || partner >= kChartPointCount) return;
    StarPlacement& placement = target.sectors[place / 100].placements[place % 100];
    ChosenList(placement, list).entries[partner].aspectIndex = 0;
}

void RemoveLifeDegreeCrossAspects(const StarLayout& natal, StarLayout& working) {
    RemoveAspect(working, working, kChartPointCount - 1, kChartPointCount - 1,
                 AspectListChoice::kOther);
    RemoveAspect(natal, working, kChartPointCount - 1, kChartPointCount - 1,
                 AspectListChoice::kNatalCross);
}

void CopyNatalCrossAspects(const StarLayout& working, StarLayout& natal) {
    for (int s = 0; s < kSectorCount; ++s) {
        for (int row = 0; row < kSectorPlacementCapacity; ++row) {
            natal.sectors[s].placements[row].otherAspects =
                working.sectors[s].placements[row].natalCrossAspects;
        }
    }
}

}  // namespace tavrel
