#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "pillars/pillar_spirits.h"
#include "platform/fixed_text.h"

namespace tavrel {

// Patterns of the day pillar, in the order they are tested.
inline constexpr std::array<std::string_view, 7> DAY_PATTERN_NAME = {
    "魁罡", "金神", "阴阳差错", "天赦", "十恶大败", "四废", "孤鸾"};

// Appends to the day pillar's text each day pattern that holds, name and blank.
void AppendDayPatterns(const TPillarSet& pillars, TPillarText& text);

// 孤鸾, also looked for on the hour pillar.
bool IsLonelyPillar(int n);
void AppendLonelyPillar(int n, TPillarText& text);

// Whole-chart notes: at most one of each kind, 三奇 counted once.
inline constexpr std::size_t kSpecialNotesBytes = 64;
using TSpecialNotes = FixedText<kSpecialNotesBytes>;

// Writes the whole-chart patterns (箭刃双全, 三奇, 德秀, 拱禄), each as "☆name ".
void SpecialNotes(const TPillarSet& pillars, TSpecialNotes& notes);

}  // namespace tavrel
