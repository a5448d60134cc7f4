#include "chart/zx_china.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astronomy/local_time.h"
#include "calendar/lunar_calendar.h"
#include "chart/birth_time.h"
#include "chart/star_list.h"
#include "platform/fixed_font_metrics.h"
#include "platform/ini_file.h"
#include "support/birth_request.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

TChartRequest Birth(int year, int month, int day, int hour, int minute) {
    return testing::BirthAt(year, month, day, hour, minute);
}

class ZxChina : public ::testing::Test {
  protected:
    void Set(const char* key, int value) {
        IniFile ini(settings_);
        ASSERT_TRUE(ini.WriteInteger("tavrel", key, value));
    }
    CZxChina& Chart() { return chart_; }

    testing::TempFolder folder_;
    std::string settings_ = folder_.File("set.ini");
    FixedFontMetrics metrics_;
    CZxChina chart_{settings_, metrics_};
};

TEST_F(ZxChina, EveryFailureHasItsMessage) {
    struct Case {
        TChartRequest request;
        bool lunar;
        bool leap;
        const char* message;
    };
    const Case cases[] = {
        {Birth(1582, 10, 10, 12, 0), false, false, "不存在这个日期"},
        {Birth(2023, 2, 29, 12, 0), false, false, "不存在这个日期"},
        {Birth(2023, 4, 31, 12, 0), false, false, "不存在这个日期"},
        {Birth(2023, 4, 30, 24, 0), false, false, "不存在这个日期"},
        {Birth(2023, 4, 30, 12, 60), false, false, "不存在这个日期"},
        {Birth(1599, 12, 31, 12, 0), false, false, "时间越界，年份在1600-2200之间"},
        {Birth(2201, 1, 1, 12, 0), false, false, "时间越界，年份在1600-2200之间"},
        {Birth(2200, 12, 31, 23, 30), false, false, "时间越界，年份在1600-2200之间"},
        // 2024 has no leap month; 2023's leap month is the second.
        {Birth(2024, 5, 1, 12, 0), true, true, "不存在这个农历日期，无法转换到公历！"},
        {Birth(2023, 3, 1, 12, 0), true, true, "不存在这个农历日期，无法转换到公历！"},
        // The last lunar days of 2200 fall in January 2201; the first of 1599 in 1599.
        {Birth(2200, 12, 20, 12, 0), true, false, "时间越界，年份在1600-2200之间"},
        {Birth(1599, 1, 1, 12, 0), true, false, "时间越界，年份在1600-2200之间"},
    };
    for (const Case& c : cases) {
        TChartRequest request = c.request;
        request.isLunar = c.lunar ? 1 : 0;
        request.isLeapMonth = c.leap ? 1 : 0;
        EXPECT_FALSE(Chart().Cast(request)) << request.year << "-" << request.month;
        EXPECT_EQ(Chart().lastError(), c.message) << request.year << "-" << request.month;
        EXPECT_EQ(Chart().chartKind(), -1);
    }
    // 1582-10-15 is a date (the first Gregorian day), only too early for a chart.
    EXPECT_FALSE(Chart().Cast(Birth(1582, 10, 15, 12, 0)));
    EXPECT_EQ(Chart().lastError(), "时间越界，年份在1600-2200之间");
    TChartRequest nowhere = Birth(2000, 1, 1, 12, 0);
    nowhere.latitude = 91;
    EXPECT_FALSE(Chart().Cast(nowhere));
    EXPECT_EQ(Chart().lastError(), "经纬度超出范围");
    nowhere.latitude = std::nanf("");
    EXPECT_FALSE(Chart().Cast(nowhere));
    EXPECT_TRUE(Chart().Cast(Birth(1600, 1, 1, 0, 0))) << Chart().lastError();
    EXPECT_EQ(Chart().lastError(), "");
    EXPECT_EQ(Chart().chartKind(), 0);
}

TEST_F(ZxChina, LateZiHourRules) {
    // 2024-03-10 is 癸酉 (10), the next day 甲戌 (11); their 子 hours are 壬子 (49) and 甲子 (1).
    const int today = MYiDateEx::DayGanzhi({2024, 3, 10, 12, 0});
    const int tomorrow = MYiDateEx::DayGanzhi({2024, 3, 11, 12, 0});
    ASSERT_EQ(today, 10);
    ASSERT_EQ(tomorrow, 11);
    struct Case {
        int zishi;
        int day;
        int hour;
        int lunarDay;
    };
    // 2024-03-10 is 二月初一.
    const Case cases[] = {{0, 11, 1, 2}, {1, 11, 49, 2}, {2, 10, 1, 1}, {3, 10, 49, 1}};
    for (const Case& c : cases) {
        Set("zishi", c.zishi);
        ASSERT_TRUE(Chart().Cast(Birth(2024, 3, 10, 23, 20)));
        const TTimeBlock& time = Chart().Time();
        EXPECT_EQ(time.dayPillar, c.day) << c.zishi;
        EXPECT_EQ(time.hourPillar, c.hour) << c.zishi;
        EXPECT_EQ(time.lunarDate.month, 2) << c.zishi;
        EXPECT_EQ(time.lunarDate.day, c.lunarDay) << c.zishi;
    }
    // With the same-day rule the last evening of 2200 is still a chart.
    EXPECT_TRUE(Chart().Cast(Birth(2200, 12, 31, 23, 30))) << Chart().lastError();
}

TEST_F(ZxChina, ZonesAndPillarClocks) {
    TChartRequest west = Birth(2024, 6, 1, 12, 0);
    west.zone = 13;
    ASSERT_TRUE(Chart().Cast(west));
    EXPECT_EQ(Chart().ZoneHours(), -1);
    EXPECT_EQ(Chart().Time().beijingTime, (TDateRec{2024, 6, 1, 21, 0}));

    // True solar time at 120° E is Beijing time moved by the equation of time alone.
    Set("iDate", 1);
    ASSERT_TRUE(Chart().Cast(Birth(2024, 11, 3, 10, 0)));
    const TTimeBlock& time = Chart().Time();
    const double shift = (JdOfDate(time.pillarTime) - JdOfDate(time.beijingTime)) * 1440;
    EXPECT_NEAR(shift, EquationOfTimeSeconds(time.beijingTime) / 60, 0.5);
    EXPECT_NEAR(shift, 16.4, 0.5);

    // Local mean time at 90° E is two hours behind Beijing time.
    Set("iDate", 2);
    TChartRequest tibet = Birth(2024, 11, 3, 10, 0);
    tibet.longitude = 90;
    ASSERT_TRUE(Chart().Cast(tibet));
    EXPECT_EQ(Chart().Time().pillarTime, (TDateRec{2024, 11, 3, 8, 0}));
    EXPECT_NEAR((Chart().Time().jdBeijing - Chart().Time().jdLocalMean) * 24, 2, 1e-6);
}

TEST_F(ZxChina, BirthJustBeforeSpringBelongsToThePreviousYear) {
    // 立春 2024 fell on 4 February at 16:27 Beijing time.
    ASSERT_TRUE(Chart().Cast(Birth(2024, 2, 4, 16, 20)));
    EXPECT_EQ(Chart().Time().pillarYear, 2023);
    EXPECT_EQ(Chart().Time().yearPillar, 40);  // 癸卯
    EXPECT_EQ(Chart().Time().monthPillar, 2);  // 乙丑
    ASSERT_TRUE(Chart().Cast(Birth(2024, 2, 4, 16, 40)));
    EXPECT_EQ(Chart().Time().pillarYear, 2024);
    EXPECT_EQ(Chart().Time().yearPillar, 41);  // 甲辰
    EXPECT_EQ(Chart().Time().monthPillar, 3);  // 丙寅
    EXPECT_LE(Chart().Time().termPrev, Chart().Time().jdBeijing);
    EXPECT_GT(Chart().Time().termNext, Chart().Time().jdBeijing);
}

TEST_F(ZxChina, RemaindersOnTheFirstDayOf1600) {
    Set("luoji", 1);
    ASSERT_TRUE(Chart().Cast(Birth(1600, 1, 1, 8, 0)));
    const TPlacedPoint* points = Chart().Natal().points;
    EXPECT_NEAR(points[kRahu].longitude, 301.4874, 1e-4);
    EXPECT_NEAR(points[kKetu].longitude, 121.4874, 1e-4);
    // 85.92762053 + 0.035200938 for the first day.
    EXPECT_NEAR(points[kPurpleQi].longitude, 85.9628, 1e-4);
    EXPECT_NEAR(points[kLunarApogee].longitude, 193.2219, 1e-4);
    Set("luoji", 0);
    ASSERT_TRUE(Chart().Cast(Birth(1600, 1, 1, 8, 0)));
    EXPECT_NEAR(Chart().Natal().points[kRahu].longitude, 121.4874, 1e-4);
}

TEST_F(ZxChina, NatalSheetIsComplete) {
    TChartRequest request = Birth(1984, 2, 10, 9, 30);
    ASSERT_TRUE(Chart().Cast(request));
    const TPositionSheet& sheet = Chart().Natal();
    for (int star = 0; star < kChartPointCount; ++star) {
        const TPlacedPoint& point = sheet.points[star];
        EXPECT_GE(point.longitude, 0) << star;
        EXPECT_LT(point.longitude, 360) << star;
        EXPECT_EQ(point.palace, 11 - static_cast<int>(point.longitude / 30)) << star;
    }
    // The planets' motion is known; the lights, the remainders and Pluto have none.
    for (int star = kMercury; star <= kSaturn; ++star) EXPECT_NE(sheet.points[star].motion, 0);
    EXPECT_EQ(sheet.points[kSun].motion, 0);
    EXPECT_EQ(sheet.points[kPluto].motion, 0);
    EXPECT_EQ(sheet.points[kLifeDegree].longitude, sheet.lifePalace.longitude);
    EXPECT_EQ(sheet.lifePalace.palaceNumber, 0);
    EXPECT_NEAR(sheet.lifePalace.longitude, sheet.ascendant, 1e-12);
    EXPECT_EQ(sheet.bodyPalace.longitude, sheet.points[kMoon].longitude);
    EXPECT_EQ(sheet.soundElement, 1);  // 甲子 is 海中金
    EXPECT_EQ(Chart().Time().yearPillar, 1);
    EXPECT_FLOAT_EQ(sheet.baseAngle, 37.5F);
    EXPECT_EQ(sheet.dayBirth, 1);
    EXPECT_EQ(Chart().GetAspectDefinitions().count, 8);  // the defaults, written to the new file
    EXPECT_TRUE(IniFile(settings_).ValueExists("xiang", "xiangWei7"));
    EXPECT_EQ(Chart().activeStarCount(), 14);
}

TEST_F(ZxChina, CastFillsLimitsPillarsDataAndPalaceTable) {
    ASSERT_TRUE(Chart().Cast(Birth(1984, 2, 10, 9, 30)));
    const TPositionSheet& sheet = Chart().Natal();
    const TTimeBlock& time = Chart().Time();
    // Ten years and a year for each three degrees of the Sun in its sign.
    const double childhood = sheet.childhoodYears + sheet.childhoodDays / 365.25;
    EXPECT_NEAR(childhood, 10 + sheet.points[kSun].degreeInSign / 3, 1.0 / 365);
    EXPECT_DOUBLE_EQ(Chart().RunningStart(),
                     time.jdBeijing + sheet.childhoodYears * 365.25 + sheet.childhoodDays);

    const TGridLevel& limits = Chart().Grid().levels[0];
    ASSERT_EQ(limits.count, 12);
    EXPECT_DOUBLE_EQ(limits.rows[0].start, time.jdBeijing);
    EXPECT_DOUBLE_EQ(limits.rows[0].end, Chart().RunningStart());
    for (int row = 1; row < 12; ++row) {
        EXPECT_DOUBLE_EQ(limits.rows[row].start, limits.rows[row - 1].end) << row;
    }
    EXPECT_EQ(Chart().Grid().levels[1].count, 0);

    // 甲子 is a yang year: a man's luck runs forward.
    EXPECT_EQ(Chart().FourPillars().luckDirection, 1);
    EXPECT_GT(Chart().FourPillars().luckMinutes, 0);
    EXPECT_FALSE(Chart().FourPillars().pillarSpiritText[0].Empty());

    const TPalaceTable& table = Chart().NatalTable();
    EXPECT_FLOAT_EQ(table.cells[0].startLongitude, static_cast<float>(sheet.lifePalace.longitude));
    EXPECT_EQ(table.cells[0].palace, sheet.lifePalace.palace);
    int spirits = 0;
    int stars = 0;
    for (const TPalaceCell& cell : table.cells) {
        spirits += cell.spiritCount;
        stars += cell.starCount;
    }
    EXPECT_EQ(spirits, kStarSpiritCount);
    EXPECT_EQ(stars, kChartPointCount - 1);

    // A failed cast clears them all.
    EXPECT_FALSE(Chart().Cast(Birth(2201, 1, 1, 12, 0)));
    EXPECT_EQ(Chart().Grid().levels[0].count, 0);
    EXPECT_EQ(Chart().RunningStart(), 0);
    EXPECT_EQ(Chart().FourPillars().luckDirection, 0);
    EXPECT_EQ(Chart().NatalTable().cells[0].spiritCount, 0);
    EXPECT_EQ(Chart().NatalTable().cells[0].starCount, 0);
    EXPECT_EQ(Chart().Natal().childhoodYears, 0);
}

TEST_F(ZxChina, DayBirthFollowsSunriseAndSunset) {
    // 2024-06-21 at 30° N: sunrise near 05:00, sunset near 19:00 true solar time.
    struct Case {
        int hour;
        bool day;
    };
    for (const Case c : {Case{4, false}, Case{6, true}, Case{18, true}, Case{20, false}}) {
        ASSERT_TRUE(Chart().Cast(Birth(2024, 6, 21, c.hour, 0)));
        const TPositionSheet& sheet = Chart().Natal();
        EXPECT_EQ(sheet.dayBirth != 0, c.day) << c.hour;
        EXPECT_EQ(sheet.sunriseBranch, 3);  // 寅, just before 05:00
        EXPECT_EQ(sheet.sunsetBranch, 11);  // 戌, just after 19:00
    }
    const TPositionSheet& sheet = Chart().Natal();
    EXPECT_NEAR((sheet.jdSunset - sheet.jdSunrise) * 24, 14.1, 0.3);
}

TEST_F(ZxChina, SunriseOfTheLocalDayFarWest) {
    // New York, 1 June 2024 15:00 UTC-5 (zone 17), which is 2 June 04:00 in Beijing: the
    // afternoon is a day birth although it is already the next night in Beijing.
    TChartRequest request = Birth(2024, 6, 1, 15, 0);
    request.zone = 17;
    request.longitude = -74;
    request.latitude = 40.7F;
    ASSERT_TRUE(Chart().Cast(request));
    const TPositionSheet& sheet = Chart().Natal();
    EXPECT_EQ(Chart().Time().beijingTime.day, 2);
    EXPECT_EQ(DateOfJd(sheet.jdSunrise).day, 1);
    EXPECT_EQ(sheet.dayBirth, 1);
    EXPECT_LT(sheet.jdSunrise, Chart().Time().jdTrueSolar);
    EXPECT_GT(sheet.jdSunset, Chart().Time().jdTrueSolar);
}

TEST_F(ZxChina, PolarBirthsHaveNoUndefinedAngles) {
    // Midsummer and midwinter at 80° N: the Sun never sets, then never rises.
    struct Case {
        int month;
        bool day;
    };
    Set("sgong", 1);
    for (const Case c : {Case{6, true}, Case{12, false}}) {
        TChartRequest request = Birth(2024, c.month, 21, 3, 0);
        request.latitude = 80;
        request.longitude = 15;
        request.zone = 1;
        ASSERT_TRUE(Chart().Cast(request));
        const TPositionSheet& sheet = Chart().Natal();
        EXPECT_EQ(sheet.dayBirth != 0, c.day) << c.month;
        for (const float cusp : sheet.houseCusps) EXPECT_TRUE(std::isfinite(cusp));
        EXPECT_TRUE(std::isfinite(sheet.bodyPalace.longitude));
        EXPECT_TRUE(std::isfinite(sheet.fortunePoint.longitude));
        EXPECT_TRUE(std::isfinite(sheet.jdSunrise) && std::isfinite(sheet.jdSunset));
    }
}

TEST_F(ZxChina, EquatorialMapKeepsTheSunriseOfTheEcliptic) {
    ASSERT_TRUE(Chart().Cast(Birth(2024, 5, 5, 12, 0)));
    const TPositionSheet ecliptic = Chart().Natal();
    Set("guidao", 1);
    ASSERT_TRUE(Chart().Cast(Birth(2024, 5, 5, 12, 0)));
    const TPositionSheet& equatorial = Chart().Natal();
    EXPECT_NE(equatorial.points[kSun].longitude, ecliptic.points[kSun].longitude);
    EXPECT_EQ(equatorial.jdSunrise, ecliptic.jdSunrise);
    EXPECT_EQ(equatorial.jdSunset, ecliptic.jdSunset);
    EXPECT_EQ(equatorial.houseCusps[3], ecliptic.houseCusps[3]);
}

TEST(ZoneHourOffset, EastAndWest) {
    EXPECT_EQ(ZoneHourOffset(0), 0);
    EXPECT_EQ(ZoneHourOffset(8), 8);
    EXPECT_EQ(ZoneHourOffset(12), 12);
    EXPECT_EQ(ZoneHourOffset(13), -1);
    EXPECT_EQ(ZoneHourOffset(23), -11);
}

}  // namespace
}  // namespace tavrel
