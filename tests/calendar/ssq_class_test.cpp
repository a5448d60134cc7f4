#include "calendar/ssq_class.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/sun_moon_events.h"
#include "astronomy/time_scales.h"

namespace tavrel {
namespace {

int DayNumber(int y, int m, int d) {
    return static_cast<int>(std::floor(JulianDay(y, m, d + 0.5))) - 2451545;
}

std::vector<int> MonthNumbers(const SSQ_class::YearState& s) {
    return {s.monthNo.begin(), s.monthNo.end()};
}

TEST(SsqClass, LeapMonthsOfModernYears) {
    SSQ_class ssq;
    struct Case {
        int year;
        int leap;
        std::vector<int> months;
    };
    const Case cases[] = {
        {2023, 4, {11, 12, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},  // 闰二月
        {2017, 8, {11, 12, 1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 10, 11}},  // 闰六月
        {2020, 6, {11, 12, 1, 2, 3, 4, 4, 5, 6, 7, 8, 9, 10, 11}},  // 闰四月
        {2000, 0, {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases) {
        ssq.ComputeYear(DayNumber(c.year, 7, 1));
        EXPECT_EQ(ssq.Year().leap, c.leap) << c.year;
        EXPECT_EQ(MonthNumbers(ssq.Year()), c.months) << c.year;
        for (int i = 0; i < 14; ++i) {
            const int len = ssq.Year().monthLen[i];
            EXPECT_TRUE(len == 29 || len == 30) << c.year;
        }
    }
}

TEST(SsqClass, NewYearsAndSolsticesOfKnownYears) {
    SSQ_class ssq;
    ssq.ComputeYear(DayNumber(2023, 7, 1));
    EXPECT_EQ(ssq.Year().terms[0], DayNumber(2022, 12, 22));
    EXPECT_EQ(ssq.Year().newMoons[2], DayNumber(2023, 1, 22));
    ssq.ComputeYear(DayNumber(1984, 7, 1));
    EXPECT_EQ(ssq.Year().newMoons[2], DayNumber(1984, 2, 2));
}

TEST(SsqClass, TaichuNewMoonMovedToTheRecordedDay) {
    SSQ_class ssq;
    EXPECT_EQ(ssq.EventDay(1683458 - 2451545, SSQ_class::EventKind::NewMoon), 1683461 - 2451545);
}

TEST(SsqClass, EarlyCalendars) {
    SSQ_class ssq;
    // Qin–Han: the year begins with month 10 and closes with the post-ninth month, written 10.
    ssq.ComputeYear(DayNumber(-201, 7, 1));
    EXPECT_EQ(ssq.Year().leap, 0);
    bool postNinth = false;
    for (int i = 0; i + 1 < 14; ++i)
        if (ssq.Year().monthNo[i] == 10 && ssq.Year().monthNo[i + 1] == 10) postNinth = true;
    EXPECT_TRUE(postNinth);
    ssq.ComputeYear(DayNumber(-500, 7, 1));
    EXPECT_EQ(ssq.Year().leap, 0);
    bool thirteenth = false;
    for (int m : ssq.Year().monthNo) thirteenth = thirteenth || m == 13;
    EXPECT_TRUE(thirteenth);
    // The first year of the rules: every month gets a number 1 … 13.
    ssq.ComputeYear(DayNumber(-721, 3, 1));
    for (int m : ssq.Year().monthNo) {
        EXPECT_GE(m, 1);
        EXPECT_LE(m, 13);
    }
}

TEST(SsqClass, ZhouCalendarOf689To700CountsFromZi) {
    SSQ_class ssq;
    ssq.ComputeYear(DayNumber(700, 3, 1));
    EXPECT_EQ(ssq.Year().monthNo[0], 1);
    EXPECT_EQ(ssq.Year().monthNo[1], 12);
    EXPECT_EQ(ssq.Year().monthNo[2], 1);
    EXPECT_EQ(ssq.Year().monthNo[3], 2);
}

TEST(SsqClass, NearMidnightNewMoonsUseTheFullComputation) {
    // Find modern new moons whose fast time lies 25 and 35 minutes after Beijing midnight:
    // the first must come from the full inversion, the second from the fast one.
    bool seen25 = false;
    bool seen35 = false;
    for (int k = 0; k < 2500 && !(seen25 && seen35); ++k) {
        const double W = k * 2 * PI_VALUE;
        const double xf = ElongationTimeFast(W) * 36525;
        const double x = xf - DeltaT(xf) + BEIJING_OFFSET;
        const double minutes = (x + 0.5 - std::floor(x + 0.5)) * 1440;
        const double high = SSQ_class::NewMoonHigh(W);
        if (minutes > 20 && minutes < 29) {
            seen25 = true;
            EXPECT_NEAR(high, ElongationTime(W) * 36525 - DeltaT(xf) + BEIJING_OFFSET, 1e-7);
            EXPECT_GT(std::abs(high - x), 1e-7);
        } else if (minutes > 31 && minutes < 40) {
            seen35 = true;
            EXPECT_DOUBLE_EQ(high, x);
        }
    }
    EXPECT_TRUE(seen25);
    EXPECT_TRUE(seen35);
}

TEST(SsqClass, ExtremeDaysDoNotBreakTheYear) {
    SSQ_class ssq;
    for (int y : {-4712, -3000, -722, -104, 618, 619, 1644, 1645, 1959, 1960, 5000, 9999}) {
        ssq.ComputeYear(DayNumber(y, 6, 1));
        for (int i = 0; i < 14; ++i) {
            EXPECT_GE(ssq.Year().monthLen[i], 29) << y;
            EXPECT_LE(ssq.Year().monthLen[i], 30) << y;
        }
    }
}

}  // namespace
}  // namespace tavrel
