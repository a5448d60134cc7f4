#include "chart/sun_events.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavrel {
namespace {

TEST(SunEvents, HourAngleAtTheEquinox) {
    // At the equator the day arc is a little over half the day: refraction and the limb.
    EXPECT_NEAR(SunriseHourAngle(0, 0), 90.85, 1e-4);
    EXPECT_NEAR(SunriseHourAngle(0, 40), 91.109, 1e-3);
    // Summer at 40° N: about 15 hours of day.
    EXPECT_NEAR(SunriseHourAngle(23.44, 40) * 2 / 15, 15.0, 0.1);
}

TEST(SunEvents, PolarDayAndNightAreWholeDays) {
    EXPECT_EQ(SunriseHourAngle(-23.44, 80), 0);
    EXPECT_NEAR(SunriseHourAngle(23.44, 80), 180, 1e-4);
    EXPECT_EQ(SunriseHourAngle(23.44, -90), 0);
    EXPECT_TRUE(std::isfinite(SunriseHourAngle(10, 90)));
    const TSunEventMinutes night = SunEventMinutes(0, 0, 120);
    EXPECT_EQ(night.rise, night.set);
    EXPECT_FALSE(IsDayBirth(10, 10, 10));
    const TSunEventMinutes day = SunEventMinutes(180, 0, 120);
    EXPECT_EQ(day.rise, 0);
    EXPECT_EQ(day.set, 1440);
}

TEST(SunEvents, MinutesOnTheBeijingClock) {
    const TSunEventMinutes m = SunEventMinutes(90, -14, 90);
    EXPECT_DOUBLE_EQ(m.rise, 720 - 360 + 14 + 120);
    EXPECT_DOUBLE_EQ(m.set, 720 + 360 + 14 + 120);
}

TEST(SunEvents, ClockTimeTruncatesAndCarriesIntoOtherDays) {
    const TDateRec date{2000, 12, 31, 9, 9};
    EXPECT_EQ(ClockTimeOnDate(date, 385.99), (TDateRec{2000, 12, 31, 6, 25}));
    EXPECT_EQ(ClockTimeOnDate(date, 0), (TDateRec{2000, 12, 31, 0, 0}));
    // Far west of Beijing the sunset falls on the next Beijing day.
    EXPECT_EQ(ClockTimeOnDate(date, 1860.5), (TDateRec{2001, 1, 1, 7, 0}));
    EXPECT_EQ(ClockTimeOnDate(date, -10.5), (TDateRec{2000, 12, 30, 23, 49}));
}

TEST(SunEvents, BirthAtSunriseIsByDayAtSunsetByNight) {
    EXPECT_TRUE(IsDayBirth(100.25, 100.25, 100.75));
    EXPECT_FALSE(IsDayBirth(100.75, 100.25, 100.75));
    EXPECT_FALSE(IsDayBirth(100.2, 100.25, 100.75));
}

}  // namespace
}  // namespace tavrel
