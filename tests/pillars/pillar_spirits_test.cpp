#include "pillars/pillar_spirits.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tavrel {
namespace {

int Count(std::string_view text, std::string_view name) {
    const std::string word = std::string(name) + " ";
    int count = 0;
    for (std::size_t at = 0; (at = text.find(word, at)) != std::string_view::npos; ++at) {
        if (at == 0 || text[at - 1] == ' ') ++count;
    }
    return count;
}

std::string Spirits(int n, int position, const TPillarSet& pillars, bool male = true) {
    TPillarText text;
    PillarSpirits(n, position, pillars, male, text);
    return std::string(text.View());
}

// 甲子 year (its triad 子辰申 puts 驿马 on 寅, 桃花 on 酉, 劫煞 on 巳), 丁卯 day (triad 亥卯未:
// 驿马 巳, 桃花 子, 亡神 寅), 丙寅 month, a spring month.
constexpr TPillarSet kChart = {1, 3, 4, 1};

TEST(PillarSpirits, TriadSpiritsStayOffTheirOwnKeyPillar) {
    // 甲寅: 亡神 by the day branch everywhere but the day; 驿马 by the year branch but not on the
    // year pillar.
    EXPECT_EQ(Count(Spirits(51, kYearPosition, kChart), "亡神"), 1);
    EXPECT_EQ(Count(Spirits(51, kYearPosition, kChart), "驿马"), 0);
    EXPECT_EQ(Count(Spirits(51, kMonthPosition, kChart), "驿马"), 1);
    // 己巳 on the day pillar: no 驿马 of the day triad, but 劫煞 of the year triad.
    EXPECT_EQ(Count(Spirits(6, kDayPosition, kChart), "驿马"), 0);
    EXPECT_EQ(Count(Spirits(6, kDayPosition, kChart), "劫煞"), 1);
    EXPECT_EQ(Count(Spirits(6, kHourPosition, kChart), "驿马"), 1);
    EXPECT_EQ(Count(Spirits(6, kHourPosition, kChart), "劫煞"), 1);
}

TEST(PillarSpirits, YearTriadWritesItsPeachBlossomApart) {
    const std::string year = Spirits(10, kMonthPosition, kChart);  // 癸酉
    EXPECT_EQ(Count(year, "年桃花"), 1) << year;
    EXPECT_EQ(Count(year, "桃花"), 0) << year;
    const std::string day = Spirits(13, kMonthPosition, kChart);  // 丙子
    EXPECT_EQ(Count(day, "桃花"), 1) << day;
    EXPECT_EQ(Count(day, "年桃花"), 0) << day;
}

TEST(PillarSpirits, SameTriadCountsOnce) {
    const TPillarSet sameTriad = {1, 3, 13, 1};  // 丙子 day shares the year's triad
    EXPECT_EQ(Count(Spirits(51, kMonthPosition, sameTriad), "驿马"), 1);
}

TEST(PillarSpirits, HookAndStrangleTurnWithTheDirection) {
    // 甲子 year: u = 卯, v = 酉; 乙卯 carries 勾煞 for a male and 绞煞 for a female.
    EXPECT_EQ(Count(Spirits(52, kMonthPosition, kChart, true), "勾煞"), 1);
    EXPECT_EQ(Count(Spirits(52, kMonthPosition, kChart, false), "绞煞"), 1);
    EXPECT_EQ(Count(Spirits(52, kMonthPosition, kChart, false), "勾煞"), 0);
    EXPECT_EQ(Count(Spirits(52, kYearPosition, kChart, true), "勾煞"), 0);
    // 大耗 on 未 forward, 巳 backward, never on the year pillar.
    EXPECT_EQ(Count(Spirits(8, kHourPosition, kChart, true), "大耗"), 1);
    EXPECT_EQ(Count(Spirits(6, kHourPosition, kChart, false), "大耗"), 1);
    EXPECT_EQ(Count(Spirits(8, kYearPosition, kChart, true), "大耗"), 0);
}

TEST(PillarSpirits, ChildSpiritOnlyOnDayAndHour) {
    // A spring month puts 童子 on 子 and 寅.
    EXPECT_EQ(Count(Spirits(13, kYearPosition, kChart), "童子"), 0);
    EXPECT_EQ(Count(Spirits(13, kMonthPosition, kChart), "童子"), 0);
    EXPECT_EQ(Count(Spirits(13, kDayPosition, kChart), "童子"), 1);
    EXPECT_EQ(Count(Spirits(13, kHourPosition, kChart), "童子"), 1);
}

// The whole list in order for one pillar, checked against the rules by hand: 丁卯 day, 甲子
// year, 丙寅 month, looking at 庚子 on the hour.
TEST(PillarSpirits, FullTextInOrder) {
    EXPECT_EQ(Spirits(37, kHourPosition, kChart), "桃花 将星 童子 ");
}

}  // namespace
}  // namespace tavrel
