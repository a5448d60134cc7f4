#include "chart/houses.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_angles.h"
#include "chart/equatorial_map.h"
#include "chart/tables/equation_of_time_table.h"
#include "data/house_checks.h"

namespace tavrel {
namespace {

double Gap(double a, double b) {
    const double d = std::fabs(ReduceDegrees(a - b));
    return std::min(d, 360 - d);
}

TEST(Houses, AscendantAtTheEquator) {
    EXPECT_NEAR(ComputeAscendant(0, 0), 90, 1e-5);
    EXPECT_NEAR(ComputeAscendant(90, 0), 180, 1e-5);
    EXPECT_LT(Gap(ComputeAscendant(270, 0), 0), 1e-5);
}

TEST(Houses, MidheavenKeepsTheQuadrantOfTheMeridian) {
    EXPECT_NEAR(ComputeMidheaven(0), 0, 1e-5);
    EXPECT_NEAR(ComputeMidheaven(90), 90, 1e-3);
    EXPECT_NEAR(ComputeMidheaven(180), 180, 1e-5);
    EXPECT_NEAR(ComputeMidheaven(300), 297.9110, 1e-3);
}

TEST(Houses, PlacidusCuspsAgreeWithTheSwissEphemeris) {
    for (const auto& check : testing::HOUSE_CHECKS) {
        const double asc = ComputeAscendant(check.ramc, check.latitude);
        const double mc = ComputeMidheaven(check.ramc);
        EXPECT_LT(Gap(asc, check.cusps[0]), 1e-4) << check.ramc << " " << check.latitude;
        // The midheaven uses cos ε rounded to 0.9175, which costs up to about 50″.
        EXPECT_LT(Gap(mc, check.cusps[9]), 0.015) << check.ramc << " " << check.latitude;
        float cusps[12];
        ComputeHouseCusps(check.ramc, check.latitude, asc, mc, cusps);
        for (int k = 0; k < 12; ++k) {
            const double tolerance = k % 3 == 0 ? 0.015 : 1e-4;
            EXPECT_LT(Gap(cusps[k], check.cusps[k]), tolerance)
                << "cusp " << k << " at " << check.ramc << " " << check.latitude;
        }
    }
}

TEST(Houses, BeyondThePolarCirclesTheQuadrantsAreTrisected) {
    for (double latitude : {70.0, -75.0, 89.9, 90.0}) {
        for (double ramc = 0; ramc < 360; ramc += 15) {
            const double asc = ComputeAscendant(ramc, latitude);
            const double mc = ComputeMidheaven(ramc);
            float cusps[12];
            ComputeHouseCusps(ramc, latitude, asc, mc, cusps);
            double previous = cusps[9];
            for (int step = 1; step <= 12; ++step) {
                const float cusp = cusps[(9 + step) % 12];
                ASSERT_TRUE(std::isfinite(cusp)) << ramc << " " << latitude;
                ASSERT_GE(cusp, 0);
                ASSERT_LT(cusp, 360);
                // Each cusp lies ahead of the one before, by less than half a turn.
                EXPECT_LT(ReduceDegrees(cusp - previous), 180) << ramc << " " << latitude;
                previous = cusp;
            }
        }
    }
}

TEST(Houses, RamcFromTheSunAndTheApparentTime) {
    // 2000-03-20 12:00 Beijing at 120° E: the Sun near 0°, apparent noon 7.6 minutes late, so
    // the meridian stands 180° from the Sun less the 1.9° of the equation of time.
    const TDateRec noon{2000, 3, 20, 12, 0};
    const double ramc = ComputeRamc(0, 120, noon, JdOfDate(noon));
    EXPECT_NEAR(ramc, 360 - 1.9, 0.15);
    // 90° further west the meridian is 30° of time earlier.
    EXPECT_NEAR(ReduceDegrees(ramc - ComputeRamc(0, 90, noon, JdOfDate(noon))), 30, 1e-9);
}

TEST(Houses, EquationOfTimeTable) {
    EXPECT_NEAR(EQUATION_OF_TIME_TABLE[306], 16.42, 0.02);  // 3 November
    EXPECT_NEAR(EQUATION_OF_TIME_TABLE[42], -14.25, 0.02);  // 12 February
    const TDateRec day{2023, 3, 1, 0, 0};                   // a common year: the row of 1 March
    EXPECT_DOUBLE_EQ(TableEquationOfTimeSeconds(day), EQUATION_OF_TIME_TABLE[60] * 60.0);
    const TDateRec half{2023, 12, 31, 12, 0};  // half way to 1 January
    EXPECT_NEAR(TableEquationOfTimeSeconds(half),
                (EQUATION_OF_TIME_TABLE[365] + EQUATION_OF_TIME_TABLE[0]) * 30.0, 1e-6);
}

TEST(EquatorialMap, RightAscensionOfEclipticPoints) {
    struct Case {
        double longitude;
        double latitude;
        double rightAscension;
    };
    const Case cases[] = {
        {45, 0, 42.5357},   {0, 5, 358.0068},   {0, 0, 0},          {90, 0, 90},
        {135, 0, 137.4643}, {225, 0, 222.5357}, {315, 0, 317.4643}, {180, -5, 178.0068},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ToRightAscension(c.longitude, c.latitude), c.rightAscension, 1e-4)
            << c.longitude << " " << c.latitude;
    }
    EXPECT_NEAR(Declination(90, 0), 23.4400, 1e-4);  // ε = 0.40910518 rad
    EXPECT_NEAR(Declination(0, 5), 4.5864, 1e-3);
}

TEST(ChartAngles, DegreesAndMinutesAreTruncated) {
    EXPECT_EQ(TruncateToMinutes(12.5).degrees, 12);
    EXPECT_EQ(TruncateToMinutes(12.5).minutes, 30);
    EXPECT_EQ(TruncateToMinutes(17.9999).minutes, 59);
    EXPECT_EQ(TruncateToMinutes(17.9999).degrees, 17);
    EXPECT_EQ(TruncateToMinutes(0.0166).minutes, 0);
    EXPECT_EQ(ReduceDegrees(-1e-18), 0);
    EXPECT_DOUBLE_EQ(ReduceDegrees(-30), 330);
    EXPECT_DOUBLE_EQ(ReduceDegrees(725), 5);
}

}  // namespace
}  // namespace tavrel
