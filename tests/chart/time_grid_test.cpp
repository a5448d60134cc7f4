#include "chart/time_grid.h"

#include <gtest/gtest.h>

#include <random>

#include "calendar/calendar_names.h"
#include "chart/age_limits.h"
#include "chart/annual_chart.h"
#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {
namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;

// A birth on 1990-06-15 at noon with the Sun at 13.5° of its sign (running limits from December
// 2004, the first of ten years); each level is a strip of twelve 10-pixel cells, 20 pixels high.
class TimeGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TTimeBlock time{};
        time.beijingTime = time.pillarTime = {1990, 6, 15, 12, 0};
        time.jdBeijing = MYiDateEx::JdOfDate(time.beijingTime);
        time.pillarYear = 1990;
        TPositionSheet sheet{};
        sheet.points[kSun].longitude = 73.5;
        PlacePoint(sheet.points[kSun], 11, 0);
        const double start = ComputeChildhoodLimit(sheet, time, 0, calendar);
        BuildLimitTable(grid.levels[0], sheet, time, start, true, calendar);
        for (int level = 0; level < kGridLevelCount; ++level) {
            TGridSelection& s = grid.selections[static_cast<size_t>(level)];
            s.left = 0;
            s.right = 125;  // five pixels right of the twelfth cell hold no cell
            s.top = level * 20;
            s.bottom = s.top + 20;
        }
    }

    const TGridLevel& Level(int level) const { return grid.levels[static_cast<size_t>(level)]; }
    const TGridSelection& Selection(int level) const {
        return grid.selections[static_cast<size_t>(level)];
    }
    const TGridRow& SelectedRow(int level) const {
        return Level(level).rows[static_cast<size_t>(Selection(level).selected)];
    }
    int Click(int level, int cell) {
        return ClickGrid(grid, cell * 10 + 5, level * 20 + 5, context);
    }

    MYiDateEx calendar;
    std::string error;
    TTimeGrid grid;
    TGridContext context{calendar, 0, error};
};

TEST_F(TimeGridTest, AMomentIsFoundOnEveryLevel) {
    const TDateRec moment{2010, 3, 1, 10, 0};
    ASSERT_TRUE(SetAnnualMoment(grid, moment, context)) << error;
    const double x = MYiDateEx::JdOfDate(moment);
    EXPECT_DOUBLE_EQ(grid.chosenMoment, x);
    EXPECT_EQ(Selection(0).selected, 1);
    EXPECT_EQ(SelectedRow(1).label, "21岁");
    EXPECT_EQ(SelectedRow(1).pillar, 27);  // 庚寅
    EXPECT_EQ(SelectedRow(2).label, "寅月");
    TDateRec march1 = moment;
    const std::string branch(BRANCH_NAME[static_cast<size_t>(MYiDateEx::DayGanzhi(march1) % 12)]);
    EXPECT_EQ(SelectedRow(3).label, "3-1" + branch + "日");
    EXPECT_EQ(SelectedRow(3).date, (TDateRec{2010, 2, 28, 23, 0}));
    EXPECT_EQ(SelectedRow(4).label, "巳时");
    for (int level = 0; level < kGridLevelCount; ++level) {
        EXPECT_LE(SelectedRow(level).start, x) << level;
        EXPECT_LT(x, SelectedRow(level).end) << level;
    }
}

TEST_F(TimeGridTest, TenYearLimitHasElevenYearRows) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 3, 1, 10, 0}, context));
    const TGridLevel& years = Level(1);
    EXPECT_EQ(years.count, 11);  // 2004 … 2014: the limit runs from one December to another
    EXPECT_EQ(years.paged, 0);   // eleven rows fit the twelve cells
    EXPECT_EQ(years.shown, 11);
    EXPECT_EQ(years.rows[0].label, "15岁");
    EXPECT_EQ(years.rows[10].label, "25岁");
    EXPECT_DOUBLE_EQ(years.rows[0].start, Level(0).rows[1].start);
    EXPECT_DOUBLE_EQ(years.rows[1].start, SpringJd(calendar, 2005));
    EXPECT_DOUBLE_EQ(years.rows[10].end, Level(0).rows[1].end);
    // The fifteen-year limit (December 2025 on) touches sixteen pillar years and is paged.
    ASSERT_TRUE(SetAnnualMoment(grid, {2030, 3, 1, 10, 0}, context));
    EXPECT_EQ(Level(1).count, 16);
    EXPECT_EQ(Level(1).paged, 1);
    EXPECT_EQ(Level(1).shown, 10);
    EXPECT_EQ(Selection(1).firstShown, 0);
    ASSERT_TRUE(SetAnnualMoment(grid, {2039, 3, 1, 10, 0}, context));
    EXPECT_EQ(Selection(1).firstShown, 10);
    EXPECT_EQ(Selection(1).selected, 14);
}

TEST_F(TimeGridTest, MonthRowsStartAtTheYearThenAtEach节) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 3, 1, 10, 0}, context));
    const TGridLevel& months = Level(2);
    ASSERT_EQ(months.count, 12);
    EXPECT_EQ(months.paged, 0);
    EXPECT_DOUBLE_EQ(months.rows[0].start, SpringJd(calendar, 2010));
    for (int g = 3; g <= 12; ++g) {
        EXPECT_DOUBLE_EQ(months.rows[g - 2].start,
                         MYiDateEx::JdOfDate(calendar.TermTime(2010, g, true)))
            << g;
    }
    EXPECT_DOUBLE_EQ(months.rows[11].start, MYiDateEx::JdOfDate(calendar.TermTime(2011, 1, true)));
    EXPECT_DOUBLE_EQ(months.rows[11].end, SpringJd(calendar, 2011));
    EXPECT_EQ(months.rows[11].label, "丑月");
    // 立春 2010 fell on 4 February, the first day of 正月 lunar month was 14 February.
    EXPECT_EQ(months.rows[0].date.day, 4);
    EXPECT_EQ(months.rows[0].lunarDate.month, 12);
}

TEST_F(TimeGridTest, DaysRunFrom23HoursAndTheFirstEndsThen) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 2, 10, 10, 0}, context));
    const TGridLevel& days = Level(3);
    const TDateRec first = days.rows[0].date;  // 立春, 2010-02-04 evening
    EXPECT_EQ(first.day, 4);
    EXPECT_DOUBLE_EQ(days.rows[0].start, SpringJd(calendar, 2010));
    EXPECT_EQ(MYiDateEx::DateOfJd(days.rows[0].end), (TDateRec{2010, 2, 4, 23, 0}));
    EXPECT_EQ(days.rows[1].date, (TDateRec{2010, 2, 4, 23, 0}));
    EXPECT_EQ(days.rows[1].label.substr(0, 3), "2-5");
    // The 寅 month holds 立春 to 惊蛰 (6 March): 31 day rows, paged.
    EXPECT_EQ(days.count, 31);
    EXPECT_EQ(days.paged, 1);
    EXPECT_EQ(days.rows[30].label.substr(0, 3), "3-6");
    for (int j = 1; j < days.count; ++j) {
        EXPECT_NEAR(days.rows[j].start, days.rows[j - 1].end, 1e-9);
        EXPECT_NEAR(days.rows[j].end - days.rows[j].start, 1, 1e-9);
    }
}

TEST_F(TimeGridTest, TheChosenMomentIsTheMiddleOfTheDoubleHour) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 3, 1, 10, 0}, context));
    const TGridLevel& hours = Level(4);
    ASSERT_EQ(hours.count, 12);
    EXPECT_EQ(hours.rows[0].label, "子时");
    EXPECT_EQ(hours.rows[11].label, "亥时");
    EXPECT_EQ(hours.rows[0].date, (TDateRec{2010, 2, 28, 23, 0}));
    ASSERT_EQ(Click(4, 6), 0);  // 午
    EXPECT_EQ(MYiDateEx::DateOfJd(grid.chosenMoment), (TDateRec{2010, 3, 1, 12, 0}));
    EXPECT_NEAR(grid.chosenMoment - hours.rows[6].start, kHour, kSecond);
    // A click on a day starts its double hours afresh at 子.
    ASSERT_EQ(Click(3, 2), 0);
    EXPECT_EQ(Selection(4).selected, 0);
    EXPECT_NEAR(grid.chosenMoment, Level(4).rows[0].start + kHour, kSecond);
}

TEST_F(TimeGridTest, PagingCellsTurnPagesAndStopAtTheEnds) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 2, 10, 10, 0}, context));
    ASSERT_EQ(Level(3).count, 31);  // pages from rows 0, 10, 20 and 30
    for (int page = 10; page <= 30; page += 10) {
        EXPECT_EQ(Click(3, 11), 0);
        EXPECT_EQ(Selection(3).firstShown, page);
        EXPECT_EQ(Selection(3).selected, page);
    }
    EXPECT_EQ(Click(3, 11), 0);  // the last page is shown: the selection stays
    EXPECT_EQ(Selection(3).firstShown, 30);
    EXPECT_EQ(Selection(3).selected, 30);
    EXPECT_EQ(Click(3, 3), 1);  // an empty cell of the last page
    EXPECT_EQ(error, "空白格子没有时间可以选择！");
    EXPECT_EQ(Selection(3).selected, 30);
    EXPECT_EQ(Click(3, 0), 0);
    EXPECT_EQ(Selection(3).firstShown, 20);
    EXPECT_EQ(Click(3, 5), 0);  // cell 1 holds the page's first row
    EXPECT_EQ(Selection(3).selected, 24);
    EXPECT_EQ(Click(3, 0), 0);
    EXPECT_EQ(Click(3, 0), 0);
    EXPECT_EQ(Click(3, 0), 0);  // the first page is shown
    EXPECT_EQ(Selection(3).firstShown, 0);
    EXPECT_EQ(Selection(3).selected, 0);
}

TEST_F(TimeGridTest, ClicksOutsideTheCells) {
    ASSERT_TRUE(SetAnnualMoment(grid, {2010, 3, 1, 10, 0}, context));
    EXPECT_EQ(ClickGrid(grid, 5, 105, context), -1);
    EXPECT_EQ(ClickGrid(grid, 122, 5, context), 1);  // past the twelfth cell
    error.clear();
    EXPECT_EQ(Click(0, 11), 0);  // the last age limit, unpaged
    EXPECT_EQ(Selection(0).selected, 11);
    TTimeGrid narrow;
    narrow.selections[0].right = 11;
    narrow.selections[0].bottom = 20;
    EXPECT_EQ(ClickGrid(narrow, 3, 3, context), 1);
}

TEST_F(TimeGridTest, MomentsOutsideTheLimitsAreRefused) {
    EXPECT_FALSE(SetAnnualMoment(grid, {1990, 6, 15, 11, 59}, context));
    EXPECT_EQ(error, "流年时间必须在大限范围内！");
    const TDateRec end = MYiDateEx::DateOfJd(Level(0).rows[11].end);
    EXPECT_FALSE(SetAnnualMoment(grid, end, context));
    TDateRec before = MYiDateEx::DateOfJd(Level(0).rows[11].end - 2.0 / 1440);
    EXPECT_TRUE(SetAnnualMoment(grid, before, context)) << error;
}

TEST_F(TimeGridTest, DefaultMomentIsNowOrJustAfterTheBirth) {
    ASSERT_TRUE(DefaultAnnualMoment(grid, {2026, 12, 11, 14, 30}, context));
    EXPECT_EQ(MYiDateEx::DateOfJd(grid.chosenMoment), (TDateRec{2026, 12, 11, 14, 30}));
    ASSERT_TRUE(DefaultAnnualMoment(grid, {2199, 1, 1, 0, 0}, context));
    EXPECT_EQ(MYiDateEx::DateOfJd(grid.chosenMoment), (TDateRec{1990, 6, 15, 12, 2}));
    const TDateRec now = LocalClockNow();
    EXPECT_TRUE(MYiDateEx::IsValidDate(now));
    EXPECT_GE(now.year, 2024);
}

TEST_F(TimeGridTest, EveryMomentOfTheLimitsHasItsCells) {
    const double first = Level(0).rows[0].start + 2.0 / 1440;
    const double span = Level(0).rows[11].end - first - 1.0 / 1440;
    for (int k = 0; k <= 80; ++k) {
        // Odd offsets reach every hour of the day and the 23:00 boundaries.
        const TDateRec moment = MYiDateEx::DateOfJd(first + span * k / 80 + k * 0.0417);
        if (MYiDateEx::JdOfDate(moment) >= Level(0).rows[11].end) continue;
        ASSERT_TRUE(SetAnnualMoment(grid, moment, context))
            << moment.year << "-" << moment.month << "-" << moment.day << " " << moment.hour;
        const double x = MYiDateEx::JdOfDate(moment);
        EXPECT_LE(SelectedRow(4).start, x);
        EXPECT_LT(x, SelectedRow(4).end);
    }
}

// Fifty births 1600-2200 under all three childhood methods: the default moment (clock fixed),
// its annual chart and random moments of the limits all find their cells.
TEST(TimeGridProperty, RandomBirthsFindEveryMoment) {
    MYiDateEx calendar;
    std::string error;
    const TGridContext context{calendar, 0, error};
    std::mt19937 random(20261211);
    const TChartSettings settings;
    for (int n = 0; n < 50; ++n) {
        TTimeBlock time{};
        time.beijingTime = {
            static_cast<int16_t>(1600 + random() % 601), static_cast<int16_t>(1 + random() % 12),
            static_cast<int16_t>(1 + random() % 28), static_cast<int16_t>(random() % 24),
            static_cast<int16_t>(random() % 60)};
        time.pillarTime = time.beijingTime;
        time.jdBeijing = MYiDateEx::JdOfDate(time.beijingTime);
        time.pillarYear = PillarYearAt(calendar, time.jdBeijing);
        time.monthPillar = calendar.MonthGanzhi((time.pillarYear + 6897) % 60, time.beijingTime);
        TPositionSheet sheet{};
        sheet.lifePalace.longitude = (random() % 36000) / 100.0;
        PlacePoint(sheet.lifePalace, PalaceOf(sheet.lifePalace.longitude), 0);
        sheet.points[kSun].longitude = (random() % 36000) / 100.0;
        PlacePoint(sheet.points[kSun], sheet.lifePalace.palace, 0);
        const int method = n % 3;
        TTimeGrid grid;
        const double start = ComputeChildhoodLimit(sheet, time, method, calendar);
        BuildLimitTable(grid.levels[0], sheet, time, start, n % 2 == 0, calendar);
        const TGridLevel& limits = grid.levels[0];
        ASSERT_GT(limits.rows[0].end, limits.rows[0].start) << n;
        ASSERT_TRUE(DefaultAnnualMoment(grid, {2026, 12, 11, 14, 30}, context)) << n << error;
        const TAnnualInputs inputs{0, 8, 120, settings, time, sheet, limits};
        TAnnualState state{};
        ASSERT_TRUE(PrepareAnnualChart(grid.chosenMoment, inputs, calendar, state, error))
            << n << error;
        EXPECT_GE(state.age, 1);
        const double span = limits.rows[11].end - limits.rows[0].start;
        for (int k = 0; k < 5; ++k) {
            const TDateRec moment = MYiDateEx::DateOfJd(limits.rows[0].start + 2.0 / 1440 +
                                                        (random() % 100000) / 100000.0 * span);
            const double x = MYiDateEx::JdOfDate(moment);
            if (x >= limits.rows[11].end) continue;
            ASSERT_TRUE(SetAnnualMoment(grid, moment, context)) << n << " " << k << error;
            const TGridRow& hour =
                grid.levels[4].rows[static_cast<size_t>(grid.selections[4].selected)];
            EXPECT_LE(hour.start, x);
            EXPECT_LT(x, hour.end);
        }
    }
}

TEST(GridPillars, NatalRulesOnTheDateItself) {
    MYiDateEx calendar;
    const TDateRec morning{2010, 3, 1, 10, 0};
    const TGridPillars p = GridPillars(morning, 0, calendar);
    EXPECT_EQ(p.pillarYear, 2010);
    EXPECT_EQ(p.pillars.year, 27);
    EXPECT_EQ(p.pillars.month, 15);  // 戊寅
    EXPECT_EQ(p.pillars.day, MYiDateEx::DayGanzhi(morning));
    EXPECT_EQ(p.pillars.hour, MYiDateEx::HourGanzhi(10, p.pillars.day));
    // Before 立春 the year and month are the old ones.
    EXPECT_EQ(GridPillars({2010, 2, 1, 10, 0}, 0, calendar).pillarYear, 2009);
    // At the minute of a 节 the new month has begun, two minutes before it has not.
    const TDateRec jie = calendar.TermTime(2010, 3, true);
    EXPECT_EQ(GridPillars(jie, 0, calendar).pillars.month, 16);  // 己卯
    EXPECT_EQ(GridPillars(MYiDateEx::DateOfJd(MYiDateEx::JdOfDate(jie) - 2.0 / 1440), 0, calendar)
                  .pillars.month,
              15);
    // 23:30 by the four zishi rules.
    const TDateRec late{2010, 3, 1, 23, 30};
    TDateRec next = late;
    MYiDateEx::NextDay(next);
    const int today = MYiDateEx::DayGanzhi(late);
    const int tomorrow = MYiDateEx::DayGanzhi(next);
    const int ziTomorrow = MYiDateEx::HourGanzhi(0, tomorrow);
    const int ziToday = (ziTomorrow + 48) % 60;
    const struct {
        int zishi, day, hour;
    } cases[] = {{0, tomorrow, ziTomorrow},
                 {1, tomorrow, ziToday},
                 {2, today, ziTomorrow},
                 {3, today, ziToday}};
    for (const auto& c : cases) {
        const TGridPillars q = GridPillars(late, c.zishi, calendar);
        EXPECT_EQ(q.pillars.day, c.day) << c.zishi;
        EXPECT_EQ(q.pillars.hour, c.hour) << c.zishi;
    }
}

}  // namespace
}  // namespace tavrel
