#include "astronomy/local_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavrel {
namespace {

TEST(EquationOfTimeSeconds, EarlyNovemberAndMidFebruary) {
    EXPECT_NEAR(EquationOfTimeSeconds({2000, 11, 3, 20, 0}), 16.4 * 60, 6);
    EXPECT_NEAR(EquationOfTimeSeconds({2000, 2, 12, 20, 0}), -14.2 * 60, 6);
}

TEST(ToLocalTime, MeanTimeOfTheLongitude) {
    struct Case {
        float longitude;
        TDateRec from;
        TDateRec to;
    };
    const Case cases[] = {
        {120, {2000, 5, 5, 8, 0}, {2000, 5, 5, 8, 0}},
        {116.4f, {2000, 5, 5, 8, 0}, {2000, 5, 5, 7, 46}},     // 864 s behind
        {116.4f, {2001, 1, 1, 0, 5}, {2000, 12, 31, 23, 51}},  // back over the year end
        {130, {1999, 12, 31, 23, 50}, {2000, 1, 1, 0, 30}},    // forward over it
        {87.6f, {2000, 3, 1, 1, 0}, {2000, 2, 29, 22, 50}},    // into a leap day
        {-73.9f, {2000, 7, 1, 10, 0}, {2000, 6, 30, 21, 4}},   // west of Greenwich
    };
    for (const Case& c : cases) {
        TDateRec r = c.from;
        EXPECT_EQ(ToLocalTime(c.longitude, r, LOCAL_MEAN_TIME), 0);
        EXPECT_EQ(r, c.to) << c.longitude << " " << c.from.day;
    }
}

TEST(ToLocalTime, ClockTimeIsKept) {
    TDateRec r{2000, 5, 5, 8, 0};
    EXPECT_EQ(ToLocalTime(100, r, CLOCK_TIME), 0);
    EXPECT_EQ(r, (TDateRec{2000, 5, 5, 8, 0}));
}

TEST(ToLocalTime, TrueSolarTimeAcrossMidnightMonthAndYear) {
    struct Case {
        TDateRec from;
        TDateRec to;
    };
    // At 120°E only the equation of time moves the clock: about +16 min early in November,
    // −3 min at the turn of the year.
    const Case cases[] = {
        {{2000, 11, 3, 23, 50}, {2000, 11, 4, 0, 6}},
        {{2000, 10, 31, 23, 55}, {2000, 11, 1, 0, 11}},
        {{2001, 1, 1, 0, 1}, {2000, 12, 31, 23, 58}},
    };
    for (const Case& c : cases) {
        TDateRec r = c.from;
        const int e = ToLocalTime(120, r, TRUE_SOLAR_TIME);
        EXPECT_EQ(e, static_cast<int>(std::trunc(EquationOfTimeSeconds(c.from))));
        EXPECT_EQ(r, c.to) << c.from.month << "-" << c.from.day << " gave " << r.month << "-"
                           << r.day << " " << r.hour << ":" << r.minute;
    }
}

}  // namespace
}  // namespace tavrel
