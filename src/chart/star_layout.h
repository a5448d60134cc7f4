#pragma once

#include <cstdint>

#include "chart/chart_records.h"

namespace tavrel {

// The chart a layout belongs to, numbered as chartKind numbers them.
enum class ChartKind { kNatal = 0, kAnnual = 1, kMoving = 2 };

inline constexpr int kSectorCount = 12;
// Fourteen stars and the life point can share one sector.
inline constexpr int kSectorPlacementCapacity = 15;

// The relation of one chart point with one partner point.
struct TAspectEntry {
    uint8_t aspectIndex;   // 0 none, else the aspect definition number 1..n
    int16_t separation;    // whole degrees 0..180, rounded half up
    int16_t partnerPlace;  // sector × 100 + row of the partner in its layout, -1 when none

    friend bool operator==(const TAspectEntry&, const TAspectEntry&) = default;
};

// One entry per partner point 0..14 of the partner sheet.
struct TAspectList {
    TAspectEntry entries[kChartPointCount];

    friend bool operator==(const TAspectList&, const TAspectList&) = default;
};

struct FloatPoint {
    float x;
    float y;

    friend bool operator==(const FloatPoint&, const FloatPoint&) = default;
};

struct LabelPixel {
    int x;
    int y;

    friend bool operator==(const LabelPixel&, const LabelPixel&) = default;
};

// One star label of a sector.
struct StarPlacement {
    uint8_t starId;          // 0..13 the stars, 14 the life point
    LabelPixel labelCentre;  // centre of the label text, also its hit-test point
    FloatPoint footPoint;    // the star's true longitude on its star circle
    FloatPoint labelPoint;   // the other end of the leader line
    float screenAngle;       // degrees, of the star's true longitude
    uint8_t aspectShowState;
    TAspectList ownAspects;    // partners in the layout's own chart
    TAspectList otherAspects;  // partners in the other chart
    // Second-chart layouts only: row j here serves row j of the natal layout's same sector.
    TAspectList natalCrossAspects;

    friend bool operator==(const StarPlacement&, const StarPlacement&) = default;
};

struct SectorBlock {
    uint8_t count;
    StarPlacement placements[kSectorPlacementCapacity];

    friend bool operator==(const SectorBlock&, const SectorBlock&) = default;
};

// The labels of one chart, sector index = branch number (0 亥 … 11 戌). A zero-filled value is
// the cleared layout.
struct StarLayout {
    SectorBlock sectors[kSectorCount];
    int labelFontSize;
    int labelWidth;  // of "国" at labelFontSize
    int labelHeight;

    friend bool operator==(const StarLayout&, const StarLayout&) = default;
};

// The place written into partnerPlace: sector × 100 + row.
inline constexpr int16_t PlacementPlace(int sector, int row) {
    return static_cast<int16_t>(sector * 100 + row);
}

}  // namespace tavrel
