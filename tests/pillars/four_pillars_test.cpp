#include "pillars/four_pillars.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "pillars/pillar_elements.h"

namespace tavrel {
namespace {

TDateRec D(int y, int m, int d, int h = 12, int mi = 0) {
    return {static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
            static_cast<int16_t>(h), static_cast<int16_t>(mi)};
}

class FourPillars : public ::testing::Test {
  protected:
    // The time block of a daytime birth on the Beijing clock, as the cast fills it.
    TTimeBlock Birth(const TDateRec& when) {
        TTimeBlock time{};
        time.beijingTime = when;
        time.pillarTime = when;
        time.jdBeijing = JdOfDate(when);
        int solarYear = 0;
        time.yearPillar = calendar.YearGanzhi(when, &solarYear);
        time.pillarYear = solarYear;
        time.monthPillar = calendar.MonthGanzhi(time.yearPillar, when);
        time.dayPillar = MYiDateEx::DayGanzhi(when);
        time.hourPillar = MYiDateEx::HourGanzhi(when.hour, time.dayPillar);
        TDateRec jie{}, zhongqi{}, nextJie{};
        calendar.SolarMonthOf(when, jie, zhongqi, nextJie);
        time.termPrev = JdOfDate(jie);
        time.termMid = JdOfDate(zhongqi);
        time.termNext = JdOfDate(nextJie);
        return time;
    }

    MYiDateEx calendar;
};

TEST_F(FourPillars, DirectionFollowsTheYearsPolarityAndTheSex) {
    EXPECT_EQ(LuckDirection(1, true), 1);    // 甲子 male
    EXPECT_EQ(LuckDirection(1, false), -1);  // 甲子 female
    EXPECT_EQ(LuckDirection(0, true), -1);   // 癸亥 is a yin year
    EXPECT_EQ(LuckDirection(0, false), 1);
}

// Three days to the sectional term make a year: forward to the next 节 for a yang-year male,
// backward to the previous one for a yin-year male.
TEST_F(FourPillars, ClassicStartCountsThreeDaysAYear) {
    const TTimeBlock yang = Birth(D(1984, 3, 20));  // 甲子; 清明 falls on 4 April
    TFourPillars data{};
    ASSERT_TRUE(FourPillarsData(yang, true, kLuckSolarExact, calendar, data));
    EXPECT_EQ(data.luckDirection, 1);
    EXPECT_EQ(data.luckMinutes, static_cast<int>((yang.termNext - yang.jdBeijing) * 1440));
    EXPECT_EQ(data.luckMinutes / 4320, 5);
    EXPECT_EQ(data.luckStartAge, 6);
    EXPECT_EQ(data.luckStartDate[0], 1989);

    const TTimeBlock yin = Birth(D(1985, 3, 22));  // 乙丑; 惊蛰 fell on 5 or 6 March
    ASSERT_TRUE(FourPillarsData(yin, true, kLuckSolarExact, calendar, data));
    EXPECT_EQ(data.luckDirection, -1);
    EXPECT_EQ(data.luckMinutes, static_cast<int>((yin.jdBeijing - yin.termPrev) * 1440));
    EXPECT_EQ(data.luckMinutes / 4320, 5);
    EXPECT_EQ(data.luckStartAge, 6);
    EXPECT_EQ(data.luckStartDate[0], 1990);
}

TEST_F(FourPillars, SevenYearsFiveMonthsTwentyDays) {
    const int minutes = 4320 * 7 + 360 * 5 + 12 * 20;
    const TTimeBlock time = Birth(D(1990, 9, 15, 10, 30));
    TLuckStart start{};
    ASSERT_TRUE(LuckStart(minutes, kLuckSolarExact, time, 1, calendar, start));
    // 1990-09-15 + 7 years 5 months carries into February 1998, then 20 days more.
    EXPECT_EQ(start.date[0], 1998);
    EXPECT_EQ(start.date[1], 3);
    EXPECT_EQ(start.date[2], 7);
    EXPECT_EQ(start.age, 1998 - 1990 + 1);

    // Before the 立春 of its year the start still counts in the year before.
    const TTimeBlock autumn = Birth(D(1990, 8, 20, 10, 30));
    ASSERT_TRUE(LuckStart(4320 * 7 + 360 * 5, kLuckSolarExact, autumn, 1, calendar, start));
    EXPECT_EQ(start.date[1], 1);
    EXPECT_EQ(start.date[0], 1998);
    EXPECT_EQ(start.age, 1997 - 1990 + 1);
}

TEST_F(FourPillars, LunarExactStartIsALunarDateNearTheSolarOne) {
    const int minutes = 4320 * 7 + 360 * 5 + 12 * 20;
    const TTimeBlock time = Birth(D(1990, 9, 15, 10, 30));  // lunar 1990-07-27
    TLuckStart lunar{};
    ASSERT_TRUE(LuckStart(minutes, kLuckLunarExact, time, 1, calendar, lunar));
    // Lunar 1997-12-01 (1997 has its twelfth month) + 26 + 20 days.
    TDateRec monthStart{};
    ASSERT_TRUE(calendar.LunarToSolar(D(1997, 12, 1, 10, 30), false, monthStart));
    const TDateRec expected = DateOfJd(JdOfDate(monthStart) + 26 + 20);
    TDateRec expectedLunar{};
    bool leap = false;
    calendar.SolarToLunar(expected, expectedLunar, leap);
    EXPECT_EQ(lunar.date[0], expectedLunar.year);
    EXPECT_EQ(lunar.date[1], expectedLunar.month);
    EXPECT_EQ(lunar.date[2], expectedLunar.day);
    EXPECT_EQ(lunar.date[0], 1998);
    EXPECT_EQ(lunar.date[1], 1);
    EXPECT_EQ(lunar.age, 1998 - 1990 + 1);
}

TEST_F(FourPillars, FolkStartRoundsWholeDays) {
    // Forward from a birth on 1 May to a term K days later at noon.
    struct Case {
        int days;
        int age;
    };
    for (const Case c : {Case{4, 1}, Case{5, 2}, Case{6, 2}, Case{7, 2}, Case{8, 3}}) {
        TTimeBlock time = Birth(D(2000, 5, 1, 9, 0));
        time.termNext = JdOfDate(D(2000, 5, 1 + c.days, 3, 0));
        TLuckStart start{};
        ASSERT_TRUE(LuckStart(0, kLuckFolk, time, 1, calendar, start));
        EXPECT_EQ(start.age, c.age) << c.days;
        const TDateRec spring = calendar.TermTime(2000 + c.age - 1, 2, true);
        EXPECT_EQ(start.date[0], spring.year) << c.days;
        EXPECT_EQ(start.date[1], spring.month) << c.days;
        EXPECT_EQ(start.date[2], spring.day) << c.days;
    }
}

TEST_F(FourPillars, BlindSchoolStartsAtTheElementsTerm) {
    // A 甲子 (metal) female counts backward: fifteen days to 惊蛰 give four years, so the count
    // turns at 16:01 on the day of 处暑 1988.
    const TTimeBlock time = Birth(D(1984, 3, 20));
    TFourPillars data{};
    ASSERT_TRUE(FourPillarsData(time, false, kLuckBlindSchool, calendar, data));
    const TDateRec term = calendar.TermTime(1988, 8, false);
    EXPECT_EQ(data.luckStartDate[0], 1988);
    EXPECT_EQ(data.luckStartDate[1], 8);
    EXPECT_EQ(data.luckStartDate[2], term.day);
    EXPECT_EQ(data.luckStartAge, 5);

    ASSERT_TRUE(FourPillarsData(time, false, kLuckFolk, calendar, data));
    EXPECT_EQ(data.luckStartAge, 5);
    EXPECT_EQ(data.luckStartDate[0], 1988);
    EXPECT_EQ(data.luckStartDate[1], 2);
}

TEST_F(FourPillars, LuckPillarsWrapAroundTheCycle) {
    EXPECT_EQ(LuckPillar(59, 1, 1), 0);
    EXPECT_EQ(LuckPillar(1, -1, 1), 0);
    EXPECT_EQ(LuckPillar(1, -1, 10), 51);
    EXPECT_EQ(LuckCycleAge(4, 3), 24);
    EXPECT_EQ(LuckCycleYear(1990, 4, 1), 1993);
}

// 1893-12-26 at 辰 hour: 癸巳 甲子 丁酉 甲辰, a yin-year male counting back 癸亥 壬戌 辛酉;
// the 丁酉 day sits on its own 天乙, 太极 and 文昌.
TEST_F(FourPillars, PublishedChart) {
    const TTimeBlock time = Birth(D(1893, 12, 26, 8, 0));
    ASSERT_EQ(time.yearPillar, 30);
    ASSERT_EQ(time.monthPillar, 1);
    ASSERT_EQ(time.dayPillar, 34);
    ASSERT_EQ(time.hourPillar, 41);
    TFourPillars data{};
    ASSERT_TRUE(FourPillarsData(time, true, kLuckSolarExact, calendar, data));
    EXPECT_EQ(data.luckDirection, -1);
    EXPECT_EQ(LuckPillar(time.monthPillar, data.luckDirection, 1), 0);
    EXPECT_EQ(LuckPillar(time.monthPillar, data.luckDirection, 2), 59);
    EXPECT_EQ(LuckPillar(time.monthPillar, data.luckDirection, 3), 58);
    EXPECT_EQ(data.pillarSpiritText[kDayPosition].View(), "天乙 太极 文昌 将星 童子 ");
    EXPECT_EQ(data.pillarElement[0], kWater);  // 癸巳 长流水
    EXPECT_EQ(data.pillarElement[2], kFire);   // 丁酉 山下火
}

TEST_F(FourPillars, DayPatternsInTheirOrder) {
    struct Case {
        int day;
        int month;
        std::string_view text;
    };
    const Case cases[] = {
        {29, 3, "魁罡 阴阳差错 "},          // 壬辰
        {17, 3, "魁罡 十恶大败 "},          // 庚辰
        {15, 3, "阴阳差错 天赦 "},          // 戊寅 in a spring month
        {15, 6, "阴阳差错 "},               // not in summer
        {0, 7, "阴阳差错 十恶大败 四废 "},  // 癸亥 in a summer month
        {42, 1, "十恶大败 孤鸾 "},
        {2, 1, "金神 "},
        {1, 1, "天赦 "},  // 甲子 in winter
        {3, 1, ""},
    };
    for (const Case& c : cases) {
        TPillarText text;
        AppendDayPatterns({1, c.month, c.day, 1}, text);
        EXPECT_EQ(text.View(), c.text) << c.day << " " << c.month;
    }
}

TEST_F(FourPillars, DayAndHourTextsEndWithTheirPatterns) {
    TTimeBlock time = Birth(D(1990, 9, 15, 10, 30));
    time.dayPillar = 29;
    time.hourPillar = 42;
    TFourPillars data{};
    ASSERT_TRUE(FourPillarsData(time, true, kLuckSolarExact, calendar, data));
    const std::string_view day = data.pillarSpiritText[kDayPosition].View();
    EXPECT_TRUE(day.ends_with("魁罡 阴阳差错 ")) << day;
    EXPECT_EQ(day.find("魁罡"), day.rfind("魁罡"));
    EXPECT_TRUE(data.pillarSpiritText[kHourPosition].View().ends_with("孤鸾 "));
}

TEST_F(FourPillars, WholeChartNotes) {
    struct Case {
        TPillarSet pillars;
        std::string_view notes;
    };
    const Case cases[] = {
        // 戊午 day: 羊刃 午 with 子 opposite, stems 甲 戊 庚 from the month.
        {{2, 1, 55, 37}, "☆命带箭刃双全 ☆命带天上三奇 "},
        {{59, 2, 3, 4}, "☆命带地下三奇 "},  // 乙 丙 丁 from the month
        {{1, 9, 30, 8}, "☆命带人中三奇 "},  // 壬 癸 辛 from the month
        {{13, 3, 5, 10}, "☆德秀 "},         // 寅 month, 丙 with 戊 and 癸
        {{1, 1, 0, 50}, "☆拱禄 "},
        {{1, 1, 50, 0}, "☆拱禄 "},
        {{1, 1, 54, 44}, "☆拱禄 "},
        {{1, 1, 44, 54}, ""},
    };
    for (const Case& c : cases) {
        TSpecialNotes notes;
        SpecialNotes(c.pillars, notes);
        EXPECT_EQ(notes.View(), c.notes) << c.pillars.year << " " << c.pillars.month << " "
                                         << c.pillars.day << " " << c.pillars.hour;
    }
}

}  // namespace
}  // namespace tavrel
