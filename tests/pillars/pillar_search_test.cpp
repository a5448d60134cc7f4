#include "pillars/pillar_search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "calendar/display_year.h"
#include "calendar/lunar_calendar.h"

namespace tavrel {
namespace {

TDateRec D(int y, int m, int d, int h = 12, int mi = 0) {
    return {static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
            static_cast<int16_t>(h), static_cast<int16_t>(mi)};
}

// The pillars of a moment as the calendar reckons them, 23:00 counting as the next day's 子.
FourPillars PillarsOf(const MYiDateEx& calendar, const TDateRec& r) {
    const int year = calendar.YearGanzhi(r);
    int day = MYiDateEx::DayGanzhi(r);
    if (r.hour == 23) day = (day + 1) % 60;
    return {year, calendar.MonthGanzhi(year, r), day, MYiDateEx::HourGanzhi(r.hour, day)};
}

std::array<std::uint8_t, 4> Stored(const FourPillars& p) {
    return {static_cast<std::uint8_t>(p[0]), static_cast<std::uint8_t>(p[1]),
            static_cast<std::uint8_t>(p[2]), static_cast<std::uint8_t>(p[3])};
}

TEST(PillarSearch, StoredZerosPresetGuihaiAndHai) {
    const PillarChoice choice = PresetChoice({0, 0, 0, 0});
    EXPECT_EQ(choice.yearStem, 9);
    EXPECT_EQ(choice.yearBranch, 11);
    EXPECT_EQ(choice.monthBranch, 11);
    EXPECT_EQ(choice.dayStem, 9);
    EXPECT_EQ(choice.dayBranch, 11);
    EXPECT_EQ(choice.hourBranch, 11);
    const PillarChoice jiazi = PresetChoice({1, 3, 1, 1});  // 甲子 丙寅 甲子 甲子
    EXPECT_EQ(jiazi.yearStem, 0);
    EXPECT_EQ(jiazi.yearBranch, 0);
    EXPECT_EQ(jiazi.monthBranch, 2);
    EXPECT_EQ(jiazi.hourBranch, 0);
}

TEST(PillarSearch, MonthAndHourStemsAgreeWithTheCalendar) {
    MYiDateEx calendar;
    for (int year = 0; year < 60; ++year) {
        for (int k = 0; k < 12; ++k) {
            // The 20th of the Gregorian month after the jie of branch k lies in that month.
            const int g = k == 0 ? 12 : k;
            const TDateRec inside = D(2000, g, 20);
            EXPECT_EQ(MonthPillarOf(year, k), calendar.MonthGanzhi(year, inside))
                << year << " " << k;
        }
    }
    for (int day = 0; day < 60; ++day) {
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(HourPillarOf(day, k), MYiDateEx::HourGanzhi(2 * k, day)) << day << " " << k;
        }
    }
}

TEST(PillarSearch, RefusedStartYearsAndPillars) {
    struct Case {
        const char* year;
        PillarChoice choice;
        const char* message;
        const char* caption;
    };
    const PillarChoice jiazi{0, 0, 2, 0, 0, 0};
    const std::string range(kStartYearMessage);
    const Case cases[] = {
        {"0", jiazi, range.c_str(), "年份错误"},
        {"-4714", jiazi, range.c_str(), "年份错误"},
        {"10000", jiazi, range.c_str(), "年份错误"},
        {"", jiazi, range.c_str(), "年份错误"},
        {"19x0", jiazi, range.c_str(), "年份错误"},
        {"1950", {0, 1, 2, 0, 0, 0}, "不存在这个年柱！", "无效的四柱"},  // 甲丑
        {"1950", {0, 0, 2, 1, 0, 0}, "不存在这个日柱！", "无效的四柱"},  // 乙子
    };
    for (const Case& c : cases) {
        MPillarSearch search;
        search.found = true;
        EXPECT_FALSE(search.ReadPillars(c.year, c.choice)) << c.year;
        EXPECT_EQ(search.lastError, c.message) << c.year;
        EXPECT_EQ(search.lastErrorCaption, c.caption);
    }
    EXPECT_EQ(range,
              "起始年必须在-4713到9999年之间，并且没有公元0年\r\n"
              "注意：公元前用负数，比如公元前120年，就输入-120");
    MPillarSearch search;
    search.found = true;
    EXPECT_FALSE(search.ReadPillars("1950", {0, 1, 2, 0, 0, 0}));
    EXPECT_FALSE(search.found);  // a refused pillar disables the hand-over
    EXPECT_TRUE(search.ReadPillars("-4713", jiazi));
    EXPECT_EQ(search.startYear, -4712);
    EXPECT_TRUE(search.ReadPillars(" 9999 ", jiazi));
}

TEST(PillarSearch, JiaziFrom1950FindsItsFirstCandidate1984) {
    MYiDateEx calendar;
    const TDateRec moment = D(1984, 3, 1, 10);
    const FourPillars pillars = PillarsOf(calendar, moment);
    MPillarSearch search;
    ASSERT_TRUE(search.ReadPillars("1950", PresetChoice(Stored(pillars))));
    EXPECT_EQ(search.searchPillars, pillars);
    EXPECT_EQ(pillars[0], 1);  // 甲子
    ASSERT_TRUE(search.PillarSearch());
    EXPECT_EQ(search.foundMoment, moment);
    EXPECT_EQ(search.resultText, "符合四柱：\r\n1984年 3月 1日 10时 0分\r\n\r\n");
    // A second search appends; from 1985 the next 甲子 year is 2044.
    ASSERT_TRUE(search.ReadPillars("1985", PresetChoice(Stored(pillars))));
    if (search.PillarSearch()) {
        EXPECT_GE(search.foundMoment.year, 2044);
        EXPECT_EQ(search.resultText.rfind("符合四柱：\r\n1984年", 0), 0u);
        EXPECT_NE(search.resultText.find("\r\n\r\n符合四柱：\r\n"), std::string::npos);
    }
}

TEST(PillarSearch, ChouMonthIsSearchedInTheNextJanuaryAndHoursOpenAtEvenHours) {
    MPillarSearch search;
    // 甲子 year, 丑 month, 甲子 day, 亥 hour.
    ASSERT_TRUE(search.ReadPillars("1950", {0, 0, 1, 0, 0, 11}));
    ASSERT_TRUE(search.PillarSearch());
    EXPECT_EQ(search.foundMoment, D(1985, 1, 25, 22, 0));
    // 子 hour of the same day: midnight.
    ASSERT_TRUE(search.ReadPillars("1950", {0, 0, 1, 0, 0, 0}));
    ASSERT_TRUE(search.PillarSearch());
    EXPECT_EQ(search.foundMoment, D(1985, 1, 25, 0, 0));
    MYiDateEx calendar;
    EXPECT_EQ(PillarsOf(calendar, search.foundMoment), search.searchPillars);
}

TEST(PillarSearch, NothingFoundReplacesTheResults) {
    MPillarSearch search;
    search.resultText = "符合四柱：\r\n1984年 3月 1日 10时 0分\r\n\r\n";
    ASSERT_TRUE(search.ReadPillars("9950", {0, 0, 2, 0, 0, 0}));  // 甲子 寅 甲子 子
    EXPECT_FALSE(search.PillarSearch());
    EXPECT_FALSE(search.found);
    EXPECT_EQ(search.resultText, "没有符合的四柱，改变起始年反推，或许可以找到。\r\n\r\n");
}

TEST(PillarSearch, MomentsBefore1600AreHandedOverInDisplayYears) {
    MYiDateEx calendar;
    const TDateRec moment = D(-100, 6, 10, 14);  // 101 BC
    MPillarSearch search;
    ASSERT_TRUE(search.ReadPillars("-101", PresetChoice(Stored(PillarsOf(calendar, moment)))));
    EXPECT_EQ(search.startYear, -100);
    ASSERT_TRUE(search.PillarSearch());
    EXPECT_EQ(PillarsOf(calendar, search.foundMoment), search.searchPillars);
    const PillarHandOver handOver = search.HandOver(false);
    EXPECT_EQ(handOver.displayYear, DisplayYearOf(search.foundMoment.year));
    EXPECT_LT(handOver.displayYear, 1600);
    EXPECT_EQ(handOver.month, search.foundMoment.month);
    EXPECT_EQ(handOver.day, search.foundMoment.day);
    EXPECT_EQ(handOver.hour, search.foundMoment.hour);
    EXPECT_EQ(handOver.minute, 0);
    EXPECT_FALSE(handOver.male);
}

// Every moment found carries the four pillars searched; the search finds the original day
// unless its hour lies outside the solar month or an earlier day of the month matched.
TEST(PillarSearch, RoundTripOfRandomMoments) {
    MYiDateEx calendar;
    std::mt19937 random(20261211);
    int found = 0;
    int original = 0;
    constexpr int kMoments = 200;
    for (int i = 0; i < kMoments; ++i) {
        TDateRec moment{};
        do {
            moment = D(std::uniform_int_distribution(1600, 2200)(random),
                       std::uniform_int_distribution(1, 12)(random),
                       std::uniform_int_distribution(1, 31)(random),
                       std::uniform_int_distribution(0, 23)(random),
                       std::uniform_int_distribution(0, 59)(random));
        } while (!MYiDateEx::IsValidDate(moment));
        const FourPillars pillars = PillarsOf(calendar, moment);
        MPillarSearch search;
        ASSERT_TRUE(search.ReadPillars(std::to_string(moment.year), PresetChoice(Stored(pillars))));
        ASSERT_EQ(search.searchPillars, pillars) << moment.year << "-" << moment.month;
        if (!search.PillarSearch()) continue;
        ++found;
        EXPECT_EQ(PillarsOf(calendar, search.foundMoment), pillars)
            << moment.year << "-" << moment.month << "-" << moment.day << " " << moment.hour;
        TDateRec day = moment;
        if (day.hour == 23) MYiDateEx::NextDay(day);
        if (search.foundMoment.year == day.year && search.foundMoment.month == day.month &&
            search.foundMoment.day == day.day) {
            ++original;
        }
    }
    RecordProperty("found", found);
    RecordProperty("original_day", original);
    std::printf("round trip: %d of %d moments found, %d on the original day\n", found, kMoments,
                original);
    EXPECT_GT(original, kMoments * 9 / 10);
}

}  // namespace
}  // namespace tavrel
