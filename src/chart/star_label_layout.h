#pragma once

#include <array>
#include <span>

#include "chart/chart_records.h"
#include "chart/disk_geometry.h"
#include "chart/star_layout.h"

namespace tavrel {

// Which star circle a layout is drawn on: the natal stars on the outer one at 0.7R, the annual
// or moving stars on the inner one at 0.52R.
enum class LayoutRing { kNatal, kSecond };

float FootRadiusFraction(LayoutRing ring);

// Layered labels: four layers of 4, 4, 3 and 3 slots, slots 0..13 numbered in layer order.
inline constexpr int kLayerCount = 4;
inline constexpr int kLayerSlotCount = 14;
inline constexpr std::array<int, kLayerCount> kSlotsInLayer = {4, 4, 3, 3};
// Label radii of the layers as fractions of R.
const std::array<float, kLayerCount>& LayerRadiusFractions(LayoutRing ring);

// Which of the 14 slots the sorted longitudes of a sector's stars occupy. The current layer
// never goes back; a star that finds no slot (never with 14 stars at most) takes none.
std::array<bool, kLayerSlotCount> AssignLayerSlots(std::span<const float> longitudes);

// Fills the block of branch number `branch` with the given stars (ids into the sheet, sorted by
// ascending longitude) in layers, and then the life point when `withLifePoint`.
void LayoutStarsInLayers(SectorBlock& block, int branch, std::span<const int> stars,
                         bool withLifePoint, const TPositionSheet& sheet,
                         const DiskGeometry& geometry, LayoutRing ring);

// Lays out the stars 0..starCount-1 of the sheet in one ring of slots around the disk, then the
// life point in the block of its own sector. The blocks must be empty.
void LayoutStarsInSlots(StarLayout& layout, int starCount, const TPositionSheet& sheet,
                        const DiskGeometry& geometry, LayoutRing ring);

}  // namespace tavrel
