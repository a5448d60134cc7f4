#include "chart/dignities.h"

#include <gtest/gtest.h>

#include "chart/star_list.h"

namespace tavrel {
namespace {

TPlacedPoint At(int palace, int mansion) {
    TPlacedPoint point{};
    point.palace = static_cast<uint8_t>(palace);
    point.mansion = static_cast<uint8_t>(mansion);
    return point;
}

TEST(Dignities, InTheirOrder) {
    struct Case {
        int star;
        int palace;
        int mansion;
        const char* text;
    };
    const Case cases[] = {
        {kSaturn, 1, 0, "垣庙乐"},    // 土 in 子, 轸 (水)
        {kSaturn, 1, 3, "垣殿庙乐"},  // and in 氐, its own mansion
        {kSun, 7, 4, "垣殿庙乐"},     // 日 in 午, 房
        {kMercury, 1, 0, "殿旺"},     // 水 in 子: its own 旺 rule
        {kMercury, 6, 1, "垣旺乐"},   // 水 in 巳
        {kMercury, 5, 1, "喜"},       // 水 in 辰
        {kKetu, 4, 0, "旺乐"},        // 计 in 卯
        {kKetu, 11, 0, "旺"},         // 计 in 戌
        {kKetu, 1, 0, "喜"},          // 计 in 子
        {kRahu, 11, 0, "喜"},         // 罗 in 戌, no 乐 anywhere
        {kLunarApogee, 1, 0, "乐"},   // 孛 in 子
        {kPurpleQi, 0, 0, "旺"},      // 气 in 亥
        {kMars, 2, 6, "殿旺喜"},      // 火 in 丑, 尾
        {kMoon, 3, 0, ""},            // 月 in 寅
        {kUranus, 1, 0, ""},         {kLifeDegree, 1, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Dignities(c.star, At(c.palace, c.mansion)), c.text)
            << c.star << " " << c.palace << " " << c.mansion;
    }
}

TEST(Dignities, LifeRelations) {
    // 轸 is lorded by 水 (group 0), 戌 by 火 (group 2).
    TLifeRelations r = LifeRelations(0, 11);
    EXPECT_EQ(r.degreeLine, "度:恩-金星 用-木气 仇-火罗 难-土计");
    EXPECT_EQ(r.palaceLine, "宫:恩-木气 用-土计 仇-金星 难-水孛");
    r = LifeRelations(4, 7);  // 房 (日), 午
    EXPECT_EQ(r.degreeLine, "度:恩-金星 用-火罗 仇-土计 难-木气");
    EXPECT_EQ(r.palaceLine, "宫:恩-金星 用-火罗 仇-土计 难-木气");
    r = LifeRelations(5, 8);  // 心 (月), 未
    EXPECT_EQ(r.degreeLine, "度:恩-金星 用-木气 仇-火罗 难-土计");
    EXPECT_EQ(r.palaceLine, "宫:恩-金星 用-木气 仇-火罗 难-土计");
    r = LifeRelations(2, 10);  // 亢 (金, group 4), 酉 (金)
    EXPECT_EQ(r.degreeLine, "度:恩-土计 用-水孛 仇-木气 难-火罗");
    EXPECT_EQ(r.palaceLine, "宫:恩-土计 用-水孛 仇-木气 难-火罗");
}

}  // namespace
}  // namespace tavrel
