#pragma once

#include <array>
#include <string_view>

namespace tavrel {

// Tables of the pillar spirits by day stem number (癸 = 0, 甲 = 1 … 壬 = 9); the values are
// branch numbers (亥 = 0 … 戌 = 11) except LITERARY_HALL, which holds sexagenary indexes.
inline constexpr std::array<int, 10> SCHOLAR = {4, 6, 7, 9, 10, 9, 10, 0, 1, 3};  // 文昌
inline constexpr std::array<int, 10> SEAL = {9, 11, 0, 2, 3, 2, 3, 5, 6, 8};      // 国印
inline constexpr std::array<int, 10> LITERARY_HALL = {59, 27, 28, 42, 55,         // 词馆
                                                      54, 7,  9,  10, 0};
inline constexpr std::array<int, 10> SALARY = {1, 3, 4, 6, 7, 6, 7, 9, 10, 0};        // 禄
inline constexpr std::array<int, 10> BLADE = {2, 4, 5, 7, 8, 7, 8, 10, 11, 1};        // 羊刃
inline constexpr std::array<int, 10> RED_BEAUTY = {9, 7, 7, 3, 8, 5, 5, 11, 10, 1};   // 红艳
inline constexpr std::array<int, 10> FLOWING_RED = {3, 10, 11, 8, 9, 6, 7, 5, 4, 0};  // 流霞

// 天德 by month branch number (亥 = 0 … 戌 = 11): a stem or a branch name.
inline constexpr std::array<std::string_view, 12> HEAVEN_VIRTUE = {
    "乙", "巳", "庚", "丁", "申", "壬", "辛", "亥", "甲", "癸", "寅", "丙"};

// The seven spirits keyed by a branch's triad, in the order they are tested.
inline constexpr int kTriadSpiritCount = 7;
inline constexpr std::array<std::string_view, kTriadSpiritCount> TRIAD_SPIRIT_NAME = {
    "驿马", "华盖", "将星", "桃花", "劫煞", "灾煞", "亡神"};
// 桃花 keyed by the year branch is written 年桃花.
inline constexpr std::array<std::string_view, kTriadSpiritCount> YEAR_TRIAD_SPIRIT_NAME = {
    "驿马", "华盖", "将星", "年桃花", "劫煞", "灾煞", "亡神"};

// Branch of each triad spirit by the key branch's triad, branch mod 4: 0 亥卯未, 1 子辰申,
// 2 丑巳酉, 3 寅午戌.
inline constexpr std::array<std::array<int, kTriadSpiritCount>, 4> TRIAD_SPIRITS = {{
    {6, 8, 4, 1, 9, 10, 3},
    {3, 5, 1, 10, 6, 7, 0},
    {0, 2, 10, 7, 3, 4, 9},
    {9, 11, 7, 4, 0, 1, 6},
}};

// Pillars of 孤鸾, tested on the day and the hour pillar.
inline constexpr std::array<int, 8> LONELY_PILLARS = {42, 54, 48, 45, 39, 55, 49, 43};

}  // namespace tavrel
