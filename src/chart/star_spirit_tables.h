#pragma once

#include <array>
#include <string_view>

namespace tavrel {

// The forty-nine star spirits of a year in the order they are placed (空亡 stands twice: the
// void decade has two branches).
inline constexpr int kStarSpiritCount = 49;
inline constexpr std::array<std::string_view, kStarSpiritCount> STAR_SPIRIT_NAME = {
    "太岁", "天空", "丧门", "贯索", "五鬼", "月德", "岁破", "天厄", "白虎", "天德",
    "天狗", "病符", "的杀", "咸池", "飞廉", "孤辰", "寡宿", "禄勋", "阳刃", "飞刃",
    "国印", "天乙", "玉堂", "文昌", "天厨", "三刑", "六害", "劫杀", "亡神", "红鸾",
    "天喜", "血刃", "地解", "天哭", "披头", "黄幡", "豹尾", "空亡", "空亡", "岁合",
    "驿马", "将星", "华盖", "劫煞", "流霞", "红艳", "岁煞", "地煞", "岁刑"};

// Branch numbers (亥 = 0 … 戌 = 11) of the spirits keyed by the year stem, indexed by stem
// number (癸 = 0, 甲 = 1 … 壬 = 9).
using StemTable = std::array<int, 10>;
inline constexpr StemTable SALARY_HONOUR = {1, 3, 4, 6, 7, 6, 7, 9, 10, 0};    // 禄勋
inline constexpr StemTable YANG_BLADE = {2, 4, 5, 7, 8, 7, 8, 10, 11, 1};      // 阳刃
inline constexpr StemTable FLYING_BLADE = {8, 10, 11, 1, 2, 1, 2, 4, 5, 7};    // 飞刃
inline constexpr StemTable STATE_SEAL = {9, 11, 0, 2, 3, 2, 3, 5, 6, 8};       // 国印
inline constexpr StemTable HEAVEN_NOBLE = {6, 8, 9, 10, 0, 2, 1, 2, 3, 4};     // 天乙
inline constexpr StemTable JADE_HALL = {4, 2, 1, 0, 10, 8, 9, 8, 7, 6};        // 玉堂
inline constexpr StemTable LITERARY_STAR = {4, 6, 7, 9, 10, 9, 10, 0, 11, 3};  // 文昌
inline constexpr StemTable HEAVEN_KITCHEN = {0, 6, 7, 1, 6, 7, 9, 3, 7, 10};   // 天厨
inline constexpr StemTable FLOWING_GLOW = {3, 10, 11, 8, 9, 6, 7, 5, 4, 0};    // 流霞
inline constexpr StemTable RED_GLAMOUR = {9, 7, 9, 3, 8, 5, 5, 11, 10, 1};     // 红艳

// Branch numbers of the spirits keyed by the year branch, indexed by branch number.
using BranchTable = std::array<int, 12>;
inline constexpr BranchTable FLYING_HONEST = {2, 9, 10, 11, 6, 7, 8, 3, 4, 5, 0, 1};      // 飞廉
inline constexpr BranchTable THREE_PUNISHMENTS = {0, 4, 11, 6, 7, 5, 9, 7, 2, 3, 10, 8};  // 三刑
inline constexpr BranchTable YEAR_HARMONY = {3, 2, 1, 0, 11, 10, 9, 8, 7, 6, 5, 4};       // 岁合
inline constexpr BranchTable YEAR_PUNISHMENT = {0, 4, 11, 6, 1, 5, 9, 7, 2, 3, 10, 8};    // 岁刑

// By b mod 4 (0 亥卯未, 1 子辰申, 2 丑巳酉, 3 寅午戌).
using TriadTable = std::array<int, 4>;
inline constexpr TriadTable SALTY_POOL = {1, 10, 7, 4};     // 咸池
inline constexpr TriadTable YELLOW_BANNER = {11, 5, 2, 8};  // 黄幡
inline constexpr TriadTable LEOPARD_TAIL = {2, 11, 8, 5};   // 豹尾
inline constexpr TriadTable POST_HORSE = {6, 3, 0, 9};      // 驿马
inline constexpr TriadTable GENERAL_STAR = {4, 1, 10, 7};   // 将星
inline constexpr TriadTable CANOPY = {8, 5, 2, 11};         // 华盖
inline constexpr TriadTable YEAR_KILL = {11, 8, 5, 2};      // 岁煞
inline constexpr TriadTable EARTH_KILL = {0, 9, 6, 3};      // 地煞

}  // namespace tavrel
