#pragma once

#include <array>

#include "chart/chart_records.h"
#include "chart/palaces.h"

namespace tavrel::testing {

// A sheet with the fifteen points at the given longitudes, each placed in the palace of its
// sign; everything else zero.
inline TPositionSheet SheetAt(const std::array<double, kChartPointCount>& longitudes) {
    TPositionSheet sheet{};
    for (int i = 0; i < kChartPointCount; ++i) {
        sheet.points[i].longitude = longitudes[i];
        sheet.points[i].palace = static_cast<uint8_t>(PalaceOf(longitudes[i]));
    }
    return sheet;
}

// Fifteen longitudes 24° apart from 3°: at most one point in the first sign, 戌.
inline std::array<double, kChartPointCount> SpreadLongitudes() {
    std::array<double, kChartPointCount> longitudes{};
    for (int i = 0; i < kChartPointCount; ++i) longitudes[i] = 3.0 + 24.0 * i;
    return longitudes;
}

}  // namespace tavrel::testing
