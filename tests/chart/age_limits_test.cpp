#include "chart/age_limits.h"

#include <gtest/gtest.h>

#include "chart/annual_chart.h"
#include "chart/moving_chart.h"
#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {
namespace {

constexpr double kMinute = 1.0 / 1440;

// A birth at noon Beijing time with the Sun at `sunDegree` in 申 and the life palace in 戌.
struct Natal {
    MYiDateEx calendar;
    TTimeBlock time{};
    TPositionSheet sheet{};
    TGridLevel limits;
    double runningStart = 0;

    explicit Natal(const TDateRec& birth, double sunDegree = 13.5, int tongXian = 0) {
        time.beijingTime = birth;
        time.pillarTime = birth;
        time.jdBeijing = MYiDateEx::JdOfDate(birth);
        time.pillarYear = PillarYearAt(calendar, time.jdBeijing);
        time.monthPillar = 7;  // a 午 month
        sheet.lifePalace.longitude = 15;
        PlacePoint(sheet.lifePalace, 11, 0);
        sheet.points[kSun].longitude = 60 + sunDegree;
        PlacePoint(sheet.points[kSun], 11, 0);
        runningStart = ComputeChildhoodLimit(sheet, time, tongXian, calendar);
        BuildLimitTable(limits, sheet, time, runningStart, true, calendar);
    }
};

constexpr TDateRec kBirth{1990, 6, 15, 12, 0};

TEST(ChildhoodLimit, ThreeDegreesAYearWithTheRestInDays) {
    const Natal natal(kBirth);
    EXPECT_EQ(natal.sheet.childhoodYears, 14);
    EXPECT_EQ(natal.sheet.childhoodDays, 182);
    EXPECT_DOUBLE_EQ(natal.runningStart, natal.time.jdBeijing + 14 * 365.25 + 182);
    // 1990-06-15 + 14 years 182 days falls in December 2004: the fifteenth pillar year.
    EXPECT_EQ(MYiDateEx::DateOfJd(natal.runningStart).year, 2004);
    EXPECT_EQ(natal.sheet.limitStartAge, 15);
}

TEST(ChildhoodLimit, RoughAndOldMethodsStartThreeMinutesAfter立春) {
    const Natal rough(kBirth, 13.5, 1);
    EXPECT_EQ(rough.sheet.limitStartAge, 15);  // y + 11
    // 立春 2004 fell on 4 February at 19:56 Beijing time.
    EXPECT_EQ(MYiDateEx::DateOfJd(rough.runningStart), (TDateRec{2004, 2, 4, 19, 59}));
    EXPECT_DOUBLE_EQ(rough.runningStart, SpringJd(rough.calendar, 2004) + 0.0020833);

    const Natal old(kBirth, 13.5, 2);
    EXPECT_EQ(old.sheet.limitStartAge, 14);  // 2004 - 1990 by calendar years
    EXPECT_DOUBLE_EQ(old.runningStart, SpringJd(old.calendar, 2003) + 0.0020833);
    // Years whose low bytes wrap (2040 → 248, 2054 → 6) still differ by fourteen.
    const Natal wrapped({2040, 6, 15, 12, 0}, 13.5, 2);
    EXPECT_EQ(wrapped.sheet.limitStartAge, 14);
}

TEST(LimitTable, ChildhoodRowThenElevenRunningLimits) {
    const Natal natal(kBirth);
    const TGridLevel& t = natal.limits;
    EXPECT_EQ(t.count, 12);
    EXPECT_EQ(t.shown, 12);
    EXPECT_EQ(t.paged, 0);
    EXPECT_EQ(t.rows[0].label, "命宫");
    EXPECT_DOUBLE_EQ(t.rows[0].start, natal.time.jdBeijing);
    EXPECT_DOUBLE_EQ(t.rows[0].end, natal.runningStart);
    EXPECT_EQ(t.rows[0].startAge, 1);
    EXPECT_EQ(t.rows[0].endAge, 14);
    EXPECT_EQ(t.rows[1].label, PalaceTitle(11, true));
    EXPECT_EQ(t.rows[11].label, PalaceTitle(1, true));
    EXPECT_EQ(t.rows[1].pillarYear, 2004);
    EXPECT_EQ(t.rows[1].startAge, 15);
    EXPECT_EQ(t.rows[1].endAge, 24);  // round(15 + 10 + 0.1) - 1
    EXPECT_FLOAT_EQ(t.rows[7].years, 4.5f);
    EXPECT_EQ(t.rows[7].endAge, t.rows[7].startAge + 4);
    for (int i = 1; i < 12; ++i) EXPECT_DOUBLE_EQ(t.rows[i].start, t.rows[i - 1].end);
    // The eleven lengths add up to 85.5 years.
    EXPECT_NEAR(t.rows[11].end, natal.runningStart + 85.5 * 365.25, 1e-6);
}

TEST(RunningLimit, WalksFromTheUpperToTheLowerEdgeOfEachPalace) {
    const Natal natal(kBirth);
    const TGridLevel& t = natal.limits;
    const int life = 11;  // 戌: row 1 is 亥 (330°-360°), row 2 子 (300°-330°)
    EXPECT_NEAR(RunningLimitLongitude(t, life, t.rows[1].start + 5 * 365.25), 345, 1e-9);
    EXPECT_NEAR(RunningLimitLongitude(t, life, t.rows[2].start), 330, 1e-9);
    EXPECT_NEAR(RunningLimitLongitude(t, life, t.rows[2].start + 5.5 * 365.25), 315, 1e-6);
    EXPECT_NEAR(RunningLimitLongitude(t, life, t.rows[2].end - 1e-7), 300, 1e-6);
    // The childhood row runs through the life palace 戌 itself.
    EXPECT_NEAR(RunningLimitLongitude(t, life, t.rows[0].start), 30, 1e-9);
}

TEST(Limits, SmallLimitWalksBackYearlyAndMonthLimitMonthly) {
    struct Case {
        int life, age, small;
    } cases[] = {{11, 1, 11}, {11, 2, 10}, {11, 12, 0}, {11, 13, 11}, {3, 5, 11}};
    for (const Case& c : cases) EXPECT_EQ(SmallLimitPalace(c.life, c.age), c.small) << c.age;
    EXPECT_EQ(MonthLimitPalace(5, 3, 7), 9);   // 寅 month against a 午 birth month
    EXPECT_EQ(MonthLimitPalace(5, 19, 7), 5);  // the birth month's branch again
}

TEST(AnnualChart, RefusedWithoutNatalChartAndOutsideTheLimits) {
    const Natal natal(kBirth);
    TChartSettings settings;
    TAnnualState state{};
    state.age = -7;
    std::string error;
    TAnnualInputs inputs{-1, 8, 120, settings, natal.time, natal.sheet, natal.limits};
    EXPECT_FALSE(
        PrepareAnnualChart(natal.time.jdBeijing + 400, inputs, natal.calendar, state, error));
    EXPECT_EQ(error, "请先排一个本命盘。");
    inputs.chartKind = 0;
    const double end = natal.limits.rows[11].end;
    EXPECT_TRUE(PrepareAnnualChart(end - kMinute, inputs, natal.calendar, state, error));
    EXPECT_EQ(state.age, PillarYearAt(natal.calendar, end) - 1990 + 1);
    const TAnnualState kept = state;
    error.clear();
    EXPECT_FALSE(PrepareAnnualChart(end, inputs, natal.calendar, state, error));
    EXPECT_EQ(error, "流年时间应在行限范围内！");
    EXPECT_FALSE(
        PrepareAnnualChart(natal.time.jdBeijing - kMinute, inputs, natal.calendar, state, error));
    EXPECT_EQ(state.age, kept.age);
    // On the zone clock: 06:00 UTC+0 of the end's date is 14:00 Beijing.
    inputs.tz = 0;
    EXPECT_FALSE(PrepareAnnualChart(end - 8.0 / 24, inputs, natal.calendar, state, error));
    EXPECT_TRUE(PrepareAnnualChart(end - 8.0 / 24 - kMinute, inputs, natal.calendar, state, error));
}

TEST(AnnualChart, AgeLimitsAndRunningPointOfAMoment) {
    const Natal natal(kBirth);
    TChartSettings settings;
    TAnnualState state{};
    std::string error;
    const TAnnualInputs inputs{0, 8, 120, settings, natal.time, natal.sheet, natal.limits};
    const double jd = MYiDateEx::JdOfDate({2010, 3, 1, 10, 0});
    ASSERT_TRUE(PrepareAnnualChart(jd, inputs, natal.calendar, state, error));
    EXPECT_EQ(state.age, 21);
    EXPECT_EQ(state.smallLimit, SmallLimitPalace(11, 21));
    EXPECT_EQ(state.pillars.year, 27);   // 庚寅
    EXPECT_EQ(state.pillars.month, 15);  // 戊寅
    EXPECT_EQ(state.monthLimit, MonthLimitPalace(state.smallLimit, 15, 7));
    EXPECT_FLOAT_EQ(state.runningLongitude,
                    static_cast<float>(RunningLimitLongitude(natal.limits, 11, jd)));
    EXPECT_NEAR(state.years, (jd - natal.time.jdBeijing) / 365.25 + 1, 1e-12);
}

TEST(AnnualChart, LateEveningTakesTheNextDayWhateverTheZishiRule) {
    MYiDateEx calendar;
    const TDateRec evening{2010, 3, 1, 23, 30};
    TDateRec next = evening;
    MYiDateEx::NextDay(next);
    const TPillars p = ComputeAnnualPillars(MYiDateEx::JdOfDate(evening), evening, calendar);
    EXPECT_EQ(p.day, MYiDateEx::DayGanzhi(next));
    EXPECT_EQ(p.hour, MYiDateEx::HourGanzhi(0, p.day));
    EXPECT_EQ(p.hour % 12, 1);  // 子
}

TEST(AnnualChart, SheetKeepsTheNatalPalacesWithTheRunningPointAsEntry14) {
    const Natal natal(kBirth);
    TPositionSheet stars{};
    stars.points[kMoon].longitude = 100;
    stars.points[kMoon].latitude = 4;
    stars.points[kMoon].motion = 1;
    const TPositionSheet sheet = PlaceAnnualSheet(natal.sheet, stars, 345.5, 0);
    EXPECT_EQ(sheet.points[kMoon].palace, 8);        // 未
    EXPECT_EQ(sheet.points[kMoon].palaceNumber, 3);  // counted from the natal 戌
    EXPECT_DOUBLE_EQ(sheet.points[kMoon].latitude, 4);
    EXPECT_EQ(sheet.points[kLifeDegree].palace, 0);
    EXPECT_DOUBLE_EQ(sheet.points[kLifeDegree].longitude, 345.5);
    EXPECT_EQ(sheet.lifePalace.palace, natal.sheet.lifePalace.palace);
    EXPECT_EQ(sheet.childhoodYears, natal.sheet.childhoodYears);
}

TEST(MovingChart, HourMethodMovesTheSunIntoTheHourPalace) {
    TPositionSheet natal{};
    natal.lifePalace.longitude = 15;
    PlacePoint(natal.lifePalace, 11, 0);
    natal.points[kSun].longitude = 84.5;  // 申, 24.5°
    PlacePoint(natal.points[kSun], 11, 0);
    natal.points[kMoon].longitude = 300;
    natal.points[kMoon].latitude = -3;
    natal.points[kMoon].motion = 2;
    PlacePoint(natal.points[kMoon], 11, 0);
    natal.points[kLifeDegree] = natal.lifePalace;
    TTimeBlock time{};
    time.hourPillar = 43;  // 丙午
    const double angle = MovingTurnAngle(natal, time, 1);
    EXPECT_DOUBLE_EQ(angle, 60);
    const TPositionSheet moved = TurnMovingChart(natal, angle, 0);
    EXPECT_EQ(moved.points[kSun].palace, 7);        // 午
    EXPECT_EQ(moved.points[kSun].palaceNumber, 4);  // counted from the natal life palace 戌
    EXPECT_DOUBLE_EQ(moved.points[kSun].degreeInSign, 24.5);
    // 300 + 60 stays 360, in 戌 at 0°, keeping latitude and motion.
    EXPECT_DOUBLE_EQ(moved.points[kMoon].longitude, 360);
    EXPECT_EQ(moved.points[kMoon].palace, 11);
    EXPECT_DOUBLE_EQ(moved.points[kMoon].degreeInSign, 0);
    EXPECT_DOUBLE_EQ(moved.points[kMoon].latitude, -3);
    EXPECT_EQ(moved.points[kMoon].motion, 2);
    EXPECT_EQ(moved.points[kLifeDegree].longitude, natal.points[kLifeDegree].longitude);
    EXPECT_EQ(moved.points[kLifeDegree].palace, natal.points[kLifeDegree].palace);
}

TEST(MovingChart, ExactMethodPutsTheSunByTheTrueSolarClock) {
    TPositionSheet natal{};
    natal.points[kSun].longitude = 84.5;
    TTimeBlock time{};
    struct Case {
        TDateRec clock;
        double sun;
    } cases[] = {{{1990, 6, 15, 12, 0}, 135},
                 {{1990, 6, 15, 0, 0}, 315},
                 {{1990, 6, 15, 22, 30}, 337.5},
                 {{1990, 6, 15, 6, 0}, 225}};
    for (const Case& c : cases) {
        time.jdTrueSolar = MYiDateEx::JdOfDate(c.clock);
        const TPositionSheet moved = TurnMovingChart(natal, MovingTurnAngle(natal, time, 0), 0);
        EXPECT_NEAR(moved.points[kSun].longitude, c.sun, 1e-9) << c.clock.hour;
    }
}

}  // namespace
}  // namespace tavrel
