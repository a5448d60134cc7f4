#include "chart/dignities.h"

#include <array>
#include <string_view>

#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

namespace {

// Branch numbers: 亥 0, 子 1, 丑 2, 寅 3, 卯 4, 辰 5, 巳 6, 午 7, 未 8, 申 9, 酉 10, 戌 11.
enum Branch : int { kHai, kZi, kChou, kYin, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu };

constexpr unsigned Set(std::initializer_list<int> branches) {
    unsigned bits = 0;
    for (int b : branches) bits |= 1U << b;
    return bits;
}

struct DignityRow {
    unsigned temple;   // 庙
    unsigned strong;   // 旺
    unsigned joyful;   // 喜
    unsigned pleased;  // 乐
};

// Stars 0..10. The 旺 of 水星 (子 巳 申) and 计都 (寅 卯 戌) are their own rules.
constexpr std::array<DignityRow, 11> kDignities = {{
    {Set({kWu}), Set({kXu, kSi}), Set({kYin}), Set({kWu, kChen})},           // 日
    {Set({kXu}), Set({kYou}), Set({kHai}), Set({kWei})},                     // 月
    {Set({kWu}), Set({kZi, kSi, kShen}), Set({kChen}), Set({kSi, kShen})},   // 水
    {Set({kYou, kChen}), Set({kHai, kWu}), Set({kSi}), Set({kChen, kYou})},  // 金
    {Set({kMao}), Set({kChou}), Set({kChou, kShen}), Set({kMao, kXu})},      // 火
    {Set({kHai}), Set({kWei}), Set({kWei}), Set({kYin, kHai})},              // 木
    {Set({kZi, kChou}), Set({kMao, kChen}), Set({kWu}), Set({kChou, kZi})},  // 土
    {Set({kYin, kWu}), Set({kMao}), Set({kXu}), 0},                          // 罗
    {Set({kHai, kSi}), Set({kYin, kMao, kXu}), Set({kZi}), Set({kMao})},     // 计
    {Set({kShen}), Set({kHai, kChou}), Set({kXu}), 0},                       // 气
    {Set({kWei}), Set({kYin, kSi}), Set({kMao, kHai}), Set({kYou, kZi})},    // 孛
}};

// Element groups in generating order.
constexpr std::array<std::string_view, 5> kGroupNames = {"水孛", "木气", "火罗", "土计", "金星"};

int GroupOf(StarId governor) {
    switch (governor) {
        case kMercury:
            return 0;
        case kJupiter:
            return 1;
        case kMars:
            return 2;
        case kSaturn:
            return 3;
        default:
            return 4;  // 金; 日 and 月 have fixed lines
    }
}

std::string RelationLine(std::string_view head, StarId lord) {
    std::string line(head);
    if (lord == kSun) return line + "恩-金星 用-火罗 仇-土计 难-木气";
    if (lord == kMoon) return line + "恩-金星 用-木气 仇-火罗 难-土计";
    const int g = GroupOf(lord);
    const std::string_view labels[4] = {"恩-", " 用-", " 仇-", " 难-"};
    const int steps[4] = {4, 1, 2, 3};
    for (int i = 0; i < 4; ++i) line.append(labels[i]).append(kGroupNames[(g + steps[i]) % 5]);
    return line;
}

}  // namespace

std::string Dignities(int star, const TPlacedPoint& point) {
    if (star < 0 || star >= static_cast<int>(kDignities.size())) return {};
    const int p = point.palace % 12;
    const unsigned bit = 1U << p;
    const DignityRow& row = kDignities[static_cast<std::size_t>(star)];
    std::string text;
    if (IsGovernor(star) && PalaceLord(p) == star) text += "垣";
    if (IsGovernor(star) && DegreeLord(point.mansion) == star) text += "殿";
    if (row.temple & bit) text += "庙";
    if (row.strong & bit) text += "旺";
    if (row.joyful & bit) text += "喜";
    if (row.pleased & bit) text += "乐";
    return text;
}

TLifeRelations LifeRelations(int lifeMansion, int lifePalace) {
    return {RelationLine("度:", DegreeLord(lifeMansion)),
            RelationLine("宫:", PalaceLord(lifePalace))};
}

}  // namespace tavrel
