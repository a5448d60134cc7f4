#include "calendar/calendar_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "calendar/rounding.h"

namespace tavrel {
namespace {

std::string CycleName(int n) { return std::string(STEM_NAME[n % 10]).append(BRANCH_NAME[n % 12]); }

TEST(CalendarNames, TablesFollowTheSexagenaryNumbering) {
    EXPECT_EQ(CycleName(1), "甲子");
    EXPECT_EQ(CycleName(55), "戊午");  // the day 2000-01-01
    EXPECT_EQ(CycleName(59), "壬戌");
    EXPECT_EQ(CycleName(0), "癸亥");
    EXPECT_EQ(ANIMAL_NAME[1], "鼠");  // 1984, year 甲子
    EXPECT_EQ(TERM_NAME[2], "立春");
    EXPECT_EQ(TERM_NAME[23], "冬至");
    EXPECT_EQ(WEEKDAY_NAME[6], "六");
}

struct NumeralCase {
    int n;
    const char* text;
};

TEST(ChineseNumeral, WordsUpToThirtyDigitsBeyond) {
    const NumeralCase cases[] = {
        {1, "一"},
        {9, "九"},
        {10, "十"},
        {11, "十一"},
        {19, "十九"},
        {20, "二十"},
        {21, "廿一"},
        {29, "廿九"},
        {30, "三十"},
        {31, "三一"},
        {45, "四五"},
        {99, "九九"},
        {100, "一〇〇"},
        {999, "九九九"},
        {1000, "一〇〇〇"},
        {2024, "二〇二四"},
        {9999, "九九九九"},
        {12345, "一二三四五"},
        {0, "〇〇〇〇"},
        {-5, "前五"},
        {-10, "前一〇"},
        {-221, "前二二一"},
        {-4713, "前四七一三"},
        {INT_MIN, "前二一四七四八三六四八"},
    };
    for (const NumeralCase& c : cases) EXPECT_EQ(ChineseNumeral(c.n), c.text) << c.n;
}

TEST(LunarNames, MonthsAndDays) {
    EXPECT_EQ(LunarMonthName(1, false), "正月");
    EXPECT_EQ(LunarMonthName(1, true), "闰正月");
    EXPECT_EQ(LunarMonthName(2, true), "闰二月");
    EXPECT_EQ(LunarMonthName(10, false), "十月");
    EXPECT_EQ(LunarMonthName(11, false), "十一月");
    EXPECT_EQ(LunarMonthName(12, false), "十二月");

    const NumeralCase days[] = {{1, "初一"},  {9, "初九"},  {10, "初十"},
                                {11, "十一"}, {19, "十九"}, {20, "二十"},
                                {21, "廿一"}, {29, "廿九"}, {30, "三十"}};
    for (const NumeralCase& c : days) EXPECT_EQ(LunarDayName(c.n), c.text) << c.n;
}

TEST(RoundTo, HalvesGoDown) {
    EXPECT_DOUBLE_EQ(RoundTo(2.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(RoundTo(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(RoundTo(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundTo(2.6, 0), 3.0);
    EXPECT_DOUBLE_EQ(RoundTo(1.23456, 3), 1.235);
    EXPECT_DOUBLE_EQ(RoundTo(-1.26, 1), -1.3);
    EXPECT_DOUBLE_EQ(RoundTo(7.0, 2), 7.0);
    EXPECT_DOUBLE_EQ(RoundTo(1234.0, -2), 1200.0);
}

}  // namespace
}  // namespace tavrel
