#pragma once

#include <array>
#include <string_view>

namespace tavrel {

// Star ids of a chart. 0..6 are the seven governors (七政), 7..10 the four remainders (四余),
// 11..13 the outer planets; 14 is the life degree, drawn and aspected like a star.
enum StarId : int {
    kSun = 0,
    kMoon = 1,
    kMercury = 2,
    kVenus = 3,
    kMars = 4,
    kJupiter = 5,
    kSaturn = 6,
    kRahu = 7,
    kKetu = 8,
    kPurpleQi = 9,
    kLunarApogee = 10,
    kUranus = 11,
    kNeptune = 12,
    kPluto = 13,
    kLifeDegree = 14,
};

inline constexpr std::array<std::string_view, 15> STAR_NAME = {
    "太阳", "月亮", "水星", "金星",   "火星",   "木星",   "土星", "罗喉",
    "计都", "紫气", "月孛", "天王星", "海王星", "冥王星", "命度"};
inline constexpr std::array<std::string_view, 15> STAR_SHORT_NAME = {
    "日", "月", "水", "金", "火", "木", "土", "罗", "计", "气", "孛", "天", "海", "冥", "命"};

inline constexpr bool IsGovernor(int star) { return star >= kSun && star <= kSaturn; }

}  // namespace tavrel
