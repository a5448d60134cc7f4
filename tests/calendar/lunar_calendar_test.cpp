#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include "calendar/calendar_names.h"

namespace tavrel {
namespace {

TDateRec D(int y, int m, int d, int h = 12, int mi = 0) {
    return {static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
            static_cast<int16_t>(h), static_cast<int16_t>(mi)};
}

class LunarCalendar : public ::testing::Test {
  protected:
    MYiDateEx calendar;
};

TEST_F(LunarCalendar, SolarToLunarKnownDays) {
    struct Case {
        TDateRec solar;
        TDateRec lunar;
        bool leap;
        int length;
    };
    const Case cases[] = {
        {D(2023, 3, 22, 8, 15), D(2023, 2, 1, 8, 15), true, 29},
        {D(2023, 4, 20), D(2023, 3, 1), false, 29},
        {D(2023, 1, 22), D(2023, 1, 1), false, 29},
        {D(2023, 1, 21), D(2022, 12, 30), false, 30},  // January before the new year
        {D(1984, 2, 2), D(1984, 1, 1), false, 30},
        {D(2017, 7, 23), D(2017, 6, 1), true, 30},
        {D(2020, 5, 23), D(2020, 4, 1), true, 29},
        {D(2000, 2, 5), D(2000, 1, 1), false, 30},
        {D(1582, 10, 4), D(1582, 9, 18), false, 29},   // the last Julian day
        {D(1582, 10, 15), D(1582, 9, 19), false, 29},  // the first Gregorian day
    };
    for (const Case& c : cases) {
        TDateRec lunar{};
        bool leap = false;
        int length = 0;
        calendar.SolarToLunarEx(c.solar, lunar, leap, length);
        EXPECT_EQ(lunar, c.lunar) << c.solar.year << "-" << c.solar.month << "-" << c.solar.day;
        EXPECT_EQ(leap, c.leap) << c.solar.year << "-" << c.solar.month << "-" << c.solar.day;
        EXPECT_EQ(length, c.length) << c.solar.year << "-" << c.solar.month << "-" << c.solar.day;
    }
}

TEST_F(LunarCalendar, LunarToSolarAndItsFailures) {
    TDateRec solar{};
    ASSERT_TRUE(calendar.LunarToSolar(D(2023, 2, 1, 7, 5), true, solar));
    EXPECT_EQ(solar, D(2023, 3, 22, 7, 5));
    ASSERT_TRUE(calendar.LunarToSolar(D(2023, 2, 1), false, solar));
    EXPECT_EQ(solar, D(2023, 2, 20));
    ASSERT_TRUE(calendar.LunarToSolar(D(2022, 12, 30), false, solar));
    EXPECT_EQ(solar, D(2023, 1, 21));
    for (const auto& [lunar, leap] :
         {std::pair{D(2023, 2, 30), true}, std::pair{D(2023, 3, 1), true},
          std::pair{D(2023, 13, 1), false}, std::pair{D(2023, 0, 1), false},
          std::pair{D(2023, 1, 0), false}, std::pair{D(2023, 1, 31), false},
          std::pair{D(2023, -4, 99), false}, std::pair{D(32000, 1, 1), false},
          std::pair{D(-32000, 1, 1), false}}) {
        solar = D(1, 1, 1);
        EXPECT_FALSE(calendar.LunarToSolar(lunar, leap, solar)) << lunar.month << "/" << lunar.day;
        EXPECT_EQ(calendar.lastError, "不存在这个农历日期，无法转换到公历！");
        EXPECT_EQ(solar, D(1, 1, 1));
    }
}

TEST_F(LunarCalendar, OutOfRangeInputGivesSomeAnswerWithoutFault) {
    for (const TDateRec& r : {D(2023, 13, 40, 25, 61), D(2023, 0, 0), D(-4712, 1, 1),
                              D(9999, 12, 31), D(32767, 1, 1), D(-32768, 12, 31)}) {
        TDateRec lunar{};
        bool leap = false;
        int length = 0;
        calendar.SolarToLunarEx(r, lunar, leap, length);
        TDateRec jie{};
        TDateRec zhongqi{};
        TDateRec next{};
        const int branch = calendar.SolarMonthOf(r, jie, zhongqi, next);
        EXPECT_GE(branch, 0);
        EXPECT_LT(branch, 12);
        const int year = calendar.YearGanzhi(r);
        EXPECT_GE(year, 0);
        EXPECT_LT(year, 60);
        calendar.TermTime(r.year, r.month, true);
    }
}

TEST_F(LunarCalendar, RoundTripOfEveryDayOfSampledYears) {
    for (int year = -700; year <= 9900; year += 353) {
        TDateRec day = D(year, 1, 1, 9, 41);
        for (int n = 0; n < 366; ++n, MYiDateEx::NextDay(day)) {
            TDateRec lunar{};
            bool leap = false;
            calendar.SolarToLunar(day, lunar, leap);
            TDateRec back{};
            ASSERT_TRUE(calendar.LunarToSolar(lunar, leap, back)) << year << " " << n;
            EXPECT_EQ(back, day) << year << " " << n;
        }
    }
}

TEST_F(LunarCalendar, TermTimes) {
    EXPECT_EQ(calendar.TermTime(2000, 1, true), D(2000, 1, 6, 9, 1));
    EXPECT_EQ(calendar.TermTime(2024, 2, true).day, 4);
    EXPECT_EQ(calendar.TermTime(1984, 2, true), D(1984, 2, 4, 23, 19));
    EXPECT_EQ(calendar.TermTime(2023, 12, false).day, 22);
}

TEST_F(LunarCalendar, YearTermsListsTheTwentyFourTermsInOrder) {
    const std::vector<TermEntry> terms = calendar.YearTerms(2024);
    ASSERT_EQ(terms.size(), 25u);
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(terms[k].index, k);
        EXPECT_EQ(terms[k].date.year, 2024);
    }
    EXPECT_EQ(terms[2].date, calendar.TermTime(2024, 2, true));
    EXPECT_EQ(terms[24].date.year, -5000);
    EXPECT_EQ(calendar.YearTerms(20000).size(), 1u);
}

TEST_F(LunarCalendar, SolarMonthOfFindsItsJie) {
    TDateRec jie{};
    TDateRec zhongqi{};
    TDateRec next{};
    EXPECT_EQ(calendar.SolarMonthOf(D(2024, 2, 10), jie, zhongqi, next), 3);  // 寅
    EXPECT_EQ(jie, calendar.TermTime(2024, 2, true));
    EXPECT_EQ(zhongqi, calendar.TermTime(2024, 2, false));
    EXPECT_EQ(next, calendar.TermTime(2024, 3, true));
    EXPECT_EQ(calendar.SolarMonthOf(D(2024, 2, 3), jie, zhongqi, next), 2);    // 丑
    EXPECT_EQ(calendar.SolarMonthOf(D(2023, 12, 31), jie, zhongqi, next), 1);  // 子
    EXPECT_EQ(jie, calendar.TermTime(2023, 12, true));
}

TEST_F(LunarCalendar, SexagenaryNumbers) {
    EXPECT_EQ(MYiDateEx::DayGanzhi(D(2000, 1, 1)), 55);  // 戊午
    EXPECT_EQ(MYiDateEx::Weekday(D(2000, 1, 1)), 6);
    EXPECT_EQ(MYiDateEx::GanzhiIndex(0, 0), 0);
    EXPECT_EQ(MYiDateEx::GanzhiIndex(1, 11), 11);  // 甲戌
    for (int n = 0; n < 60; ++n) EXPECT_EQ(MYiDateEx::GanzhiIndex(n % 10, n % 12), n);

    int year = 0;
    EXPECT_EQ(calendar.YearGanzhi(D(1984, 2, 4, 23, 0), &year), 0);  // 癸亥
    EXPECT_EQ(year, 1983);
    EXPECT_EQ(calendar.YearGanzhi(D(1984, 2, 4, 23, 30), &year), 1);  // 甲子
    EXPECT_EQ(year, 1984);
    EXPECT_EQ(ANIMAL_NAME[static_cast<size_t>(calendar.YearGanzhi(D(2024, 6, 1)) % 12)], "龙");

    // 2024 is 甲辰: its 寅 month is 丙寅, 2024-06-10 lies in 庚午.
    const int y2024 = calendar.YearGanzhi(D(2024, 6, 10));
    EXPECT_EQ(calendar.MonthGanzhi(y2024, D(2024, 2, 10)), 3);  // 丙寅
    EXPECT_EQ(calendar.MonthGanzhi(y2024, D(2024, 6, 10)), 7);  // 庚午
    // A 戊午 day (55) starts with 壬子 at 23:00 of the day before and has 戊午 at noon.
    EXPECT_EQ(MYiDateEx::HourGanzhi(0, 55), 49);   // 壬子
    EXPECT_EQ(MYiDateEx::HourGanzhi(12, 55), 55);  // 戊午
    EXPECT_EQ(MYiDateEx::HourGanzhi(23, 55), 49);
    EXPECT_EQ(MYiDateEx::HourGanzhi(1, 1), 2);  // 甲 day: 乙丑 at 01:00
}

TEST_F(LunarCalendar, ValidDates) {
    EXPECT_FALSE(MYiDateEx::IsValidDate(D(1582, 10, 10)));
    EXPECT_TRUE(MYiDateEx::IsValidDate(D(1582, 10, 4)));
    EXPECT_TRUE(MYiDateEx::IsValidDate(D(1582, 10, 31)));
    EXPECT_FALSE(MYiDateEx::IsValidDate(D(1900, 2, 29)));
    EXPECT_TRUE(MYiDateEx::IsValidDate(D(2000, 2, 29)));
    EXPECT_TRUE(MYiDateEx::IsValidDate(D(1500, 2, 29)));
    EXPECT_FALSE(MYiDateEx::IsValidDate(D(2023, 4, 31)));
    EXPECT_TRUE(MYiDateEx::IsValidDate(D(2023, 12, 31)));
    EXPECT_FALSE(MYiDateEx::IsValidDate(D(2023, 13, 1)));
    EXPECT_FALSE(MYiDateEx::IsValidDate(D(2023, 1, 0)));
}

TEST_F(LunarCalendar, NextDayCrossesTheGregorianSwitch) {
    TDateRec r = D(1582, 10, 4, 22, 30);
    MYiDateEx::NextDay(r);
    EXPECT_EQ(r, D(1582, 10, 15, 22, 30));
    r = D(2023, 12, 31, 0, 0);
    MYiDateEx::NextDay(r);
    EXPECT_EQ(r, D(2024, 1, 1, 0, 0));
}

TEST_F(LunarCalendar, ClockOperationsAreTheAstronomyOnes) {
    const TDateRec r = D(2024, 11, 3, 12, 0);
    EXPECT_EQ(MYiDateEx::EquationOfTimeSeconds(r), EquationOfTimeSeconds(r));
    TDateRec mine = r;
    TDateRec theirs = r;
    EXPECT_EQ(MYiDateEx::ToLocalTime(116.4f, mine, TRUE_SOLAR_TIME),
              ToLocalTime(116.4f, theirs, TRUE_SOLAR_TIME));
    EXPECT_EQ(mine, theirs);
    EXPECT_EQ(MYiDateEx::DateOfJd(MYiDateEx::JdOfDate(r)), r);
}

}  // namespace
}  // namespace tavrel
