#include "astronomy/time_scales.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(JulianDay, CrossesTheGregorianSwitchWithoutAGap) {
    EXPECT_DOUBLE_EQ(JulianDay(2000, 1, 1.5), 2451545.0);
    EXPECT_DOUBLE_EQ(JulianDay(1582, 10, 15), 2299160.5);
    EXPECT_DOUBLE_EQ(JulianDay(1582, 10, 4), 2299159.5);
    EXPECT_DOUBLE_EQ(JulianDay(-4712, 1, 1.5), 0.0);
    // Julian leap day of 1500 (not Gregorian) and the Gregorian one of 1600.
    EXPECT_DOUBLE_EQ(JulianDay(1500, 3, 1) - JulianDay(1500, 2, 28), 2.0);
    EXPECT_DOUBLE_EQ(JulianDay(1700, 3, 1) - JulianDay(1700, 2, 28), 1.0);
    EXPECT_DOUBLE_EQ(JulianDay(1600, 3, 1) - JulianDay(1600, 2, 28), 2.0);
}

TEST(CalendarOf, GivesBothSidesOfTheSwitch) {
    EXPECT_EQ(CalendarOf(2299160.5), (TDateTimeSec{1582, 10, 15, 0, 0, 0}));
    EXPECT_EQ(CalendarOf(2299159.5), (TDateTimeSec{1582, 10, 4, 0, 0, 0}));
    EXPECT_EQ(CalendarOf(2451545.0), (TDateTimeSec{2000, 1, 1, 12, 0, 0}));
    EXPECT_EQ(CalendarOf(0.0), (TDateTimeSec{-4712, 1, 1, 12, 0, 0}));
}

TEST(DateOfJd, RoundsToTheMinuteWithTiesDownAndCarries) {
    const double minute = JulianDay(2024, 5, 6) + (13 * 60 + 27) / 1440.0;
    EXPECT_EQ(DateOfJd(minute + 30.9 * kSecond), (TDateRec{2024, 5, 6, 13, 27}));
    EXPECT_EQ(DateOfJd(minute + 31 * kSecond), (TDateRec{2024, 5, 6, 13, 28}));
    EXPECT_EQ(DateOfJd(minute + 59.9 * kSecond), (TDateRec{2024, 5, 6, 13, 28}));
    const double newYearsEve = JulianDay(1999, 12, 31) + (23 * 3600 + 59 * 60 + 45) * kSecond;
    EXPECT_EQ(DateOfJd(newYearsEve), (TDateRec{2000, 1, 1, 0, 0}));
    // The carry across the switch lands on 15 October.
    const double lastJulianMinute = JulianDay(1582, 10, 4) + (1440 - 0.25) / 1440.0;
    EXPECT_EQ(DateOfJd(lastJulianMinute), (TDateRec{1582, 10, 15, 0, 0}));
}

TEST(DateOfJd, GivesBackEveryRecordMadeByJdOfDate) {
    // Every day from 1500 to 2300 at a few clock times (minute 59 of hour 23 tests the carry
    // margin), plus the first and last minute of each day.
    const int clockTimes[][2] = {{0, 0}, {0, 1}, {6, 30}, {11, 59}, {12, 0}, {23, 59}};
    const double first = JulianDay(1500, 1, 1.5);
    const double last = JulianDay(2300, 12, 31.5);
    int checked = 0;
    for (double jd = first; jd <= last; jd += 1) {
        const TDateTimeSec day = CalendarOf(jd);
        for (const auto& hm : clockTimes) {
            const TDateRec r{static_cast<int16_t>(day.year), static_cast<int16_t>(day.month),
                             static_cast<int16_t>(day.day), static_cast<int16_t>(hm[0]),
                             static_cast<int16_t>(hm[1])};
            ASSERT_EQ(DateOfJd(JdOfDate(r)), r)
                << r.year << '-' << r.month << '-' << r.day << ' ' << r.hour << ':' << r.minute;
            ++checked;
        }
    }
    EXPECT_GT(checked, 290000 * 6);
}

TEST(JdOfDate, LiesOneSecondPastTheMinute) {
    const TDateRec r{1987, 7, 15, 9, 45};
    EXPECT_NEAR(JdOfDate(r) - JulianDay(1987, 7, 15 + (9 * 60 + 45) / 1440.0), kSecond, 1e-9);
}

TEST(CalendarOf, GivesNumbersForAnyDouble) {
    for (double jd : {1e300, -1e300, 1e18, -1e18}) {
        const TDateTimeSec c = CalendarOf(jd);
        EXPECT_GE(c.hour, 0) << jd;
        EXPECT_NO_FATAL_FAILURE(DateOfJd(jd));
    }
}

}  // namespace
}  // namespace tavrel
