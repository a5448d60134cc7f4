#include "chart/star_label_layout.h"

#include <algorithm>
#include <numeric>

#include "chart/star_list.h"

namespace tavrel {
namespace {

// The life point is marked on the mansion ring's inner edge whatever the layout.
constexpr float kLifePointFraction = 0.7f;
// Radius of the one-ring labels: a share of the band inside the star circle.
constexpr float kNatalSlotLabelFraction = 0.628f;   // 0.7 - (0.7 - 0.52) × 0.4
constexpr float kSecondSlotLabelFraction = 0.454f;  // 0.52 - (0.52 - 0.3) × 0.3

float Longitude(const TPositionSheet& sheet, int id) {
    return static_cast<float>(sheet.points[id].longitude);
}

StarPlacement& Append(SectorBlock& block, int id) {
    StarPlacement& placement = block.placements[block.count++];
    placement = StarPlacement{};
    placement.starId = static_cast<uint8_t>(id);
    return placement;
}

void PlaceFoot(StarPlacement& placement, float longitude, const DiskGeometry& geometry,
               LayoutRing ring) {
    placement.screenAngle = LongitudeToScreenAngle(geometry.baseAngle, longitude);
    placement.footPoint =
        DiskPoint(geometry, FootRadiusFraction(ring) * static_cast<float>(geometry.diskRadius),
                  placement.screenAngle);
}

void PlaceLabel(StarPlacement& placement, float fraction, float displayLongitude,
                const DiskGeometry& geometry) {
    placement.labelPoint = DiskPoint(geometry, fraction * static_cast<float>(geometry.diskRadius),
                                     LongitudeToScreenAngle(geometry.baseAngle, displayLongitude));
    placement.labelCentre = TruncatePoint(placement.labelPoint);
}

void AppendLifePoint(SectorBlock& block, const TPositionSheet& sheet,
                     const DiskGeometry& geometry) {
    StarPlacement& life = Append(block, kLifeDegree);
    life.screenAngle = LongitudeToScreenAngle(geometry.baseAngle, Longitude(sheet, kLifeDegree));
    life.footPoint = DiskPoint(
        geometry, kLifePointFraction * static_cast<float>(geometry.diskRadius), life.screenAngle);
    life.labelPoint = life.footPoint;
    life.labelCentre = TruncatePoint(life.footPoint);
}

int LayerStart(int layer) {
    int start = 0;
    for (int i = 0; i < layer; ++i) start += kSlotsInLayer[i];
    return start;
}

// The slot a star takes in a layer, or -1 when the layer is full: the wanted slot, else the
// first free one after it, else the last free one before it.
int FreeSlotInLayer(const std::array<bool, kLayerSlotCount>& occupied, int layer, int wanted) {
    const int start = LayerStart(layer);
    const int slots = kSlotsInLayer[layer];
    for (int s = wanted; s < slots; ++s) {
        if (!occupied[start + s]) return start + s;
    }
    for (int s = slots - 1; s >= 0; --s) {
        if (!occupied[start + s]) return start + s;
    }
    return -1;
}

}  // namespace

float FootRadiusFraction(LayoutRing ring) { return ring == LayoutRing::kNatal ? 0.7f : 0.52f; }

const std::array<float, kLayerCount>& LayerRadiusFractions(LayoutRing ring) {
    static constexpr std::array<float, kLayerCount> natal = {0.65f, 0.59f, 0.54f, 0.48f};
    static constexpr std::array<float, kLayerCount> second = {0.47f, 0.41f, 0.36f, 0.30f};
    return ring == LayoutRing::kNatal ? natal : second;
}

std::array<bool, kLayerSlotCount> AssignLayerSlots(std::span<const float> longitudes) {
    std::array<bool, kLayerSlotCount> occupied{};
    int layer = 0;
    for (const float longitude : longitudes) {
        const float offset =
            longitude - 30.0f * static_cast<float>(static_cast<int>(longitude / 30.0f));
        while (layer < kLayerCount) {
            const int slots = kSlotsInLayer[layer];
            const int wanted =
                static_cast<int>(offset / (30.0f / static_cast<float>(slots))) % slots;
            const int slot = FreeSlotInLayer(occupied, layer, wanted);
            if (slot >= 0) {
                occupied[slot] = true;
                break;
            }
            ++layer;
        }
        if (layer == kLayerCount) break;
    }
    return occupied;
}

void LayoutStarsInLayers(SectorBlock& block, int branch, std::span<const int> stars,
                         bool withLifePoint, const TPositionSheet& sheet,
                         const DiskGeometry& geometry, LayoutRing ring) {
    std::array<float, kLayerSlotCount> longitudes{};
    const std::size_t starCount = std::min<std::size_t>(stars.size(), kLayerSlotCount);
    for (std::size_t i = 0; i < starCount; ++i) longitudes[i] = Longitude(sheet, stars[i]);
    const std::array<bool, kLayerSlotCount> occupied =
        AssignLayerSlots(std::span<const float>(longitudes.data(), starCount));

    const float sectorStart = static_cast<float>(((23 - branch) % 12) * 30);
    const std::array<float, kLayerCount>& radii = LayerRadiusFractions(ring);
    std::size_t next = 0;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const float width = 30.0f / static_cast<float>(kSlotsInLayer[layer]);
        for (int slot = 0; slot < kSlotsInLayer[layer]; ++slot) {
            if (!occupied[LayerStart(layer) + slot] || next == starCount) continue;
            const int id = stars[next++];
            StarPlacement& placement = Append(block, id);
            PlaceFoot(placement, Longitude(sheet, id), geometry, ring);
            PlaceLabel(placement, radii[layer],
                       sectorStart + width * static_cast<float>(slot) + width * 0.5f, geometry);
        }
    }
    if (withLifePoint) AppendLifePoint(block, sheet, geometry);
}

void LayoutStarsInSlots(StarLayout& layout, int starCount, const TPositionSheet& sheet,
                        const DiskGeometry& geometry, LayoutRing ring) {
    const int slotsPerSign = ring == LayoutRing::kNatal ? 4 : 3;
    const int n = 12 * slotsPerSign;
    const float width = 30.0f / static_cast<float>(slotsPerSign);
    constexpr int kEmpty = -1;
    std::array<int, 48> slotStar;
    slotStar.fill(kEmpty);

    std::array<int, kStarCount> order{};
    const int count = std::clamp(starCount, 0, kStarCount);
    std::iota(order.begin(), order.begin() + count, 0);
    std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) {
        return sheet.points[a].longitude < sheet.points[b].longitude;
    });

    for (int i = 0; i < count; ++i) {
        const int star = order[i];
        const float longitude = Longitude(sheet, star);
        const int wanted = static_cast<int>(longitude / width) % n;
        int free = kEmpty;
        for (int tried = 0, s = wanted; tried <= n; ++tried, s = (s + 1) % n) {
            if (slotStar[s] == kEmpty) {
                free = s;
                break;
            }
        }
        if (free == kEmpty) continue;
        if (free >= wanted) {
            slotStar[free] = star;
            continue;
        }
        // The search wrapped past 0°: the star goes before the stars of the first two signs,
        // which move one slot on, rather than far from its longitude.
        int carried = star;
        bool passing = true;
        for (int s = wanted; carried != kEmpty; s = (s + 1) % n) {
            if (passing && slotStar[s] != kEmpty && Longitude(sheet, slotStar[s]) > 60.0f) {
                continue;
            }
            passing = false;
            std::swap(carried, slotStar[s]);
        }
    }

    const float labelFraction =
        ring == LayoutRing::kNatal ? kNatalSlotLabelFraction : kSecondSlotLabelFraction;
    for (int s = 0; s < n; ++s) {
        const int star = slotStar[s];
        if (star == kEmpty) continue;
        const float display = width * static_cast<float>(s) + width * 0.5f;
        int sector = 11 - static_cast<int>(display / 30.0f);
        if (sector < 0) sector += 12;
        StarPlacement& placement = Append(layout.sectors[sector], star);
        PlaceFoot(placement, Longitude(sheet, star), geometry, ring);
        PlaceLabel(placement, labelFraction, display, geometry);
    }
    AppendLifePoint(layout.sectors[sheet.points[kLifeDegree].palace % kSectorCount], sheet,
                    geometry);
}

}  // namespace tavrel
