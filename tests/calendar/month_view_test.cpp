#include "calendar/month_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

class MonthViewTest : public ::testing::Test {
  protected:
    MonthView Show(int year, int month, int day, int hour = 12, int minute = 0) {
        MonthView view;
        EXPECT_TRUE(model.ShowMonth({year, month, day, hour, minute}, view)) << model.lastError;
        return view;
    }
    static const MonthCell& Cell(const MonthView& view, int day) {
        for (const MonthCell& cell : view.cells) {
            if (cell.day == day) return cell;
        }
        ADD_FAILURE() << "no cell for day " << day;
        return view.cells.front();
    }

    MonthModel model;
};

TEST(MonthLength, DaysOfTheMonthOrZeroForAMissingDay) {
    struct Case {
        int year, month, day, length;
    };
    const Case cases[] = {
        {2024, 2, 29, 29},  {2023, 2, 29, 0},  {2023, 2, 28, 28},  {2024, 4, 31, 0},
        {2024, 12, 31, 31}, {1900, 2, 29, 0},  {1500, 2, 29, 29},  {0, 2, 29, 29},
        {1582, 10, 4, 21},  {1582, 10, 5, 0},  {1582, 10, 14, 0},  {1582, 10, 15, 21},
        {1582, 10, 31, 21}, {-4712, 1, 1, 31}, {9999, 12, 31, 31},
    };
    for (const Case& c : cases) {
        const TDateRec r{static_cast<int16_t>(c.year), static_cast<int16_t>(c.month),
                         static_cast<int16_t>(c.day), 12, 0};
        EXPECT_EQ(MonthLength(r), c.length) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST_F(MonthViewTest, October1582SkipsTheTenDaysOfTheReform) {
    const MonthView view = Show(1582, 10, 4);
    ASSERT_EQ(view.dayCount, 21);
    std::vector<int> days;
    for (const MonthCell& cell : view.cells) days.push_back(cell.day);
    EXPECT_EQ(days, (std::vector<int>{1,  2,  3,  4,  15, 16, 17, 18, 19, 20, 21,
                                      22, 23, 24, 25, 26, 27, 28, 29, 30, 31}));
    EXPECT_EQ(view.firstColumn, 0);       // 1 October 1582 (Julian) was a Monday
    EXPECT_EQ(Cell(view, 15).column, 4);  // and 15 October (Gregorian) a Friday
    EXPECT_EQ(Cell(view, 15).lowerText, "九月十九");
    const GridSize size;  // 450 × 330: cells of 64 × 47
    EXPECT_EQ(DayAtPoint(view, size, 4 * 64 + 10, 47 + 10), 15);
    EXPECT_EQ(DayAtPoint(view, size, 3 * 64 + 10, 47 + 10), 4);
    EXPECT_EQ(DayAtPoint(view, size, 6 * 64 + 10, 3 * 47 + 10), 31);
}

TEST_F(MonthViewTest, ClicksOutsideTheDaysSelectNothing) {
    const MonthView view = Show(2023, 3, 1);  // Wednesday first, 31 days
    const GridSize size;
    EXPECT_EQ(DayAtPoint(view, size, 10, 10), 0);       // the weekday row
    EXPECT_EQ(DayAtPoint(view, size, 10, 47 + 10), 0);  // before the first
    EXPECT_EQ(DayAtPoint(view, size, 2 * 64 + 1, 47 + 1), 1);
    EXPECT_EQ(DayAtPoint(view, size, 6 * 64 + 1, 5 * 47 + 1), 0);  // after the 31st
    // The two pixels right of the seventh column are no cell of the next row.
    EXPECT_EQ(DayAtPoint(view, size, 449, 47 + 10), 0);
    EXPECT_EQ(DayAtPoint(view, size, -1, 47 + 10), 0);
}

TEST_F(MonthViewTest, January2024StartsOnMondayWithItsTwoTermsInRed) {
    const MonthView view = Show(2024, 1, 1);
    EXPECT_EQ(view.firstColumn, 0);
    EXPECT_EQ(view.dayCount, 31);
    const MonthCell& first = view.cells.front();
    EXPECT_EQ(first.row, 1);
    EXPECT_EQ(first.column, 0);
    EXPECT_EQ(first.upperText, "1月");
    EXPECT_EQ(first.lowerText, "十一月二十");
    EXPECT_EQ(first.lowerFixedSize, 0);  // five characters still fit
    EXPECT_TRUE(first.chosen);
    EXPECT_EQ(view.termText, "小寒:6日4时49分\r\n\r\n大寒:20日22时7分\r\n\r\n");
    EXPECT_EQ(view.monthTerms[2].date.day, -100);
    for (const MonthCell& cell : view.cells) {
        const bool term = cell.day == 6 || cell.day == 20;
        EXPECT_EQ(cell.colour, term ? kTermDayColour : kDayColour) << cell.day;
        EXPECT_EQ(cell.upperSizeOffset, term ? 1 : 5) << cell.day;
        EXPECT_EQ(cell.chosen, cell.day == 1);
    }
    EXPECT_EQ(Cell(view, 6).upperText, "6 小寒");
    EXPECT_EQ(Cell(view, 20).upperText, "20 大寒");
    EXPECT_EQ(Cell(view, 11).lowerText, "十二月初一");
    EXPECT_EQ(view.cells.back().row, 5);
    EXPECT_EQ(view.cells.back().column, 2);
    EXPECT_EQ(view.caption, "2024年1月");
    EXPECT_EQ(view.pillarText, "癸卯年\r\n甲子月\r\n甲子日\r\n庚午时");
}

TEST_F(MonthViewTest, March2023HasTheLeapSecondMonth) {
    const MonthView view = Show(2023, 3, 22);
    EXPECT_EQ(view.firstColumn, 2);
    EXPECT_EQ(Cell(view, 21).lowerText, "二月三十");
    EXPECT_EQ(Cell(view, 21).upperText, "21 春分");
    EXPECT_EQ(Cell(view, 22).lowerText, "闰二月初一");
    EXPECT_EQ(Cell(view, 22).lowerFixedSize, 0);
    EXPECT_EQ(view.termText, "惊蛰:6日4时36分\r\n\r\n春分:21日5时24分\r\n\r\n");
}

TEST_F(MonthViewTest, LunarNamesOfSixCharactersAreDrawnSmall) {
    const MonthView view = Show(2033, 12, 1);  // 闰十一月 begins on 22 December 2033
    EXPECT_EQ(Cell(view, 21).lowerText, "十一月三十");
    EXPECT_EQ(Cell(view, 21).lowerFixedSize, 0);
    EXPECT_EQ(Cell(view, 22).lowerText, "闰十一月初一");
    EXPECT_EQ(Cell(view, 22).lowerFixedSize, 8);
}

TEST_F(MonthViewTest, At23HoursThePillarsMoveToTheNextDayButTheGridStays) {
    const MonthView before = Show(2023, 3, 22, 22, 59);
    const MonthView after = Show(2023, 3, 22, 23, 30);
    EXPECT_EQ(before.pillarText, "癸卯年\r\n乙卯月\r\n己卯日\r\n乙亥时");
    EXPECT_EQ(after.pillarText, "癸卯年\r\n乙卯月\r\n庚辰日\r\n丙子时");
    EXPECT_TRUE(Cell(after, 22).chosen);
    EXPECT_EQ(Cell(after, 22).lowerText, "闰二月初一");
}

TEST_F(MonthViewTest, TheYearBeginsAtTheStartOfSpring) {
    const MonthView before = Show(2024, 2, 1);
    EXPECT_EQ(before.title, "[当代] 中国  公历纪元2023年  【兔年】");
    EXPECT_EQ(before.pillarText.substr(0, 9), "癸卯年");
    const MonthView after = Show(2024, 2, 5);  // 立春 fell on 4 February at 16:27
    EXPECT_EQ(after.title, "[当代] 中国  公历纪元2024年  【龙年】");
    EXPECT_EQ(after.pillarText.substr(0, 9), "甲辰年");
}

TEST_F(MonthViewTest, RefusedYearsAndDaysLeaveTheViewAlone) {
    MonthView view = Show(2024, 3, 31);
    const std::string caption = view.caption;
    EXPECT_FALSE(model.ShowMonth({2024, 4, 31, 12, 0}, view));
    EXPECT_EQ(model.lastError, "不存在这个日期，请重新输入！");
    EXPECT_EQ(model.lastErrorCaption, "日期不对");
    EXPECT_FALSE(model.ShowMonth({1582, 10, 10, 12, 0}, view));
    EXPECT_EQ(model.lastErrorCaption, "日期不对");
    for (const int year : {0, -4714, 10000}) {
        EXPECT_FALSE(model.ShowMonth({year, 1, 1, 12, 0}, view)) << year;
        EXPECT_EQ(model.lastError, "年份在-4713 到 9999年之间，并且没有公元0年");
        EXPECT_EQ(model.lastErrorCaption, "年份不对");
    }
    EXPECT_EQ(view.caption, caption);
    EXPECT_EQ(view.dayCount, 31);
}

TEST_F(MonthViewTest, AnotherYearBringsItsOwnTerms) {
    Show(2024, 1, 1);
    EXPECT_EQ(Show(2023, 1, 1).termText, "小寒:5日23时5分\r\n\r\n大寒:20日16时29分\r\n\r\n");
}

TEST_F(MonthViewTest, MonthStepsSkipYearZeroAndStopAtTheEnds) {
    MonthRequest request{1, 1, 15, 8, 30};
    EXPECT_TRUE(PreviousMonth(request));
    EXPECT_EQ(request.displayYear, -1);
    EXPECT_EQ(request.month, 12);
    EXPECT_EQ(request.day, 1);
    const MonthView december = Show(request.displayYear, request.month, request.day);
    EXPECT_EQ(december.chosen.year, 0);
    EXPECT_EQ(december.caption, "-1年12月");
    EXPECT_TRUE(NextMonth(request));
    EXPECT_EQ(request.displayYear, 1);
    EXPECT_EQ(request.month, 1);
    request = {2024, 5, 31, 0, 0};
    EXPECT_TRUE(NextMonth(request));
    EXPECT_EQ(request.month, 6);
    EXPECT_EQ(request.day, 1);

    MonthRequest first{-4713, 1, 9, 0, 0};
    EXPECT_FALSE(PreviousMonth(first));
    EXPECT_EQ(first.day, 9);
    MonthRequest last{9999, 12, 9, 0, 0};
    EXPECT_FALSE(NextMonth(last));
    EXPECT_EQ(last.month, 12);
    Show(-4713, 1, 1);
    Show(9999, 12, 31);
}

TEST(OpeningRequest, AMissingEnteredDayOpensOnThe15th) {
    EXPECT_EQ(OpeningRequest({2023, 2, 30, 8, 5}).day, 15);
    EXPECT_EQ(OpeningRequest({1582, 10, 10, 8, 5}).day, 15);
    const MonthRequest kept = OpeningRequest({2024, 2, 29, 8, 5});
    EXPECT_EQ(kept.day, 29);
    EXPECT_EQ(kept.hour, 8);
    EXPECT_EQ(kept.minute, 5);
}

TEST(WeekHeader, NamesAndColours) {
    EXPECT_EQ(WeekHeaderText(0), "星期一");
    EXPECT_EQ(WeekHeaderText(6), "星期日");
    EXPECT_EQ(WeekHeaderColour(4), 0x008000u);
    EXPECT_EQ(WeekHeaderColour(5), 0x0000FFu);
}

}  // namespace
}  // namespace tavrel
