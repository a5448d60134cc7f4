#pragma once

#include <cstddef>

#include "platform/fixed_text.h"

namespace tavrel {

// The four pillars of a birth as sexagenary indexes (1 = 甲子 … 59 = 壬戌, 0 = 癸亥).
struct TPillarSet {
    int year;
    int month;
    int day;
    int hour;
};

enum PillarPosition { kYearPosition = 0, kMonthPosition = 1, kDayPosition = 2, kHourPosition = 3 };

// Room for every name one pillar can carry, the day patterns included, each with its blank.
inline constexpr std::size_t kPillarTextBytes = 384;
using TPillarText = FixedText<kPillarTextBytes>;

// A chart counts its luck forward when a yang year (odd index) meets a male or a yin year a
// female; several spirits take their branch from the same test.
constexpr bool CountsForward(int yearPillar, bool male) { return (yearPillar % 2 == 1) == male; }

// Writes into `text` the names of the spirits found on pillar n standing at `position`, each
// followed by one blank, in the order they are tested.
void PillarSpirits(int n, int position, const TPillarSet& pillars, bool male, TPillarText& text);

}  // namespace tavrel
