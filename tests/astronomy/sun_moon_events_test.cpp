#include "astronomy/sun_moon_events.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/equation_of_time.h"
#include "astronomy/stations.h"
#include "astronomy/time_scales.h"

namespace tavrel {
namespace {

// Minutes between a TT instant in centuries and a calendar moment.
double MinutesFrom(double t, int year, int month, int day, int hour, int minute) {
    const double jd = t * 36525 + 2451545;
    return (jd - JulianDay(year, month, day + (hour + minute / 60.0) / 24)) * 1440;
}

double CenturiesOf(int year, int month, double day) {
    return (JulianDay(year, month, day) - 2451545) / 36525;
}

TEST(SunLongitudeTime, WholeTurnsSelectThePassage) {
    EXPECT_NEAR(MinutesFrom(SunLongitudeTime(0), 1999, 3, 21, 1, 47), 0, 1.5);
    EXPECT_NEAR(MinutesFrom(SunLongitudeTime(TWO_PI), 2000, 3, 20, 7, 36), 0, 1.5);
}

TEST(ElongationTime, WholeTurnsSelectTheNewMoon) {
    EXPECT_NEAR(MinutesFrom(ElongationTime(0), 2000, 1, 6, 18, 15), 0, 1.5);
    EXPECT_NEAR(MinutesFrom(ElongationTime(TWO_PI), 2000, 2, 5, 13, 4), 0, 1.5);
}

TEST(FastInversions, AgreeWithTheFullOnesFrom600To3000) {
    double sunWorst = 0;
    double moonWorst = 0;
    // Solar terms and lunations spread over the span, a few hundred of each. Eight Earth terms
    // leave the fast solar inversion a few arcseconds, some minutes of time, off.
    for (int k = -33600; k <= 24000; k += 97) {
        const double W = k * PI_VALUE / 12;
        sunWorst = std::max(sunWorst, std::abs(SunLongitudeTimeFast(W) - SunLongitudeTime(W)));
    }
    for (int k = -17300; k <= 12400; k += 97) {
        const double W = k * TWO_PI;
        moonWorst = std::max(moonWorst, std::abs(ElongationTimeFast(W) - ElongationTime(W)));
    }
    const double toMinutes = 36525.0 * 1440;
    EXPECT_LT(sunWorst * toMinutes, 7);
    EXPECT_LT(moonWorst * toMinutes, 5);
    std::printf("fast minus full, 600-3000: solar %.2f min, lunar %.2f min\n", sunWorst * toMinutes,
                moonWorst * toMinutes);
}

TEST(EquationOfTime, ExtremesOfNovemberAndFebruary) {
    EXPECT_NEAR(EquationOfTime(CenturiesOf(2000, 11, 3)) * 1440, 16.4, 0.1);
    EXPECT_NEAR(EquationOfTime(CenturiesOf(2000, 2, 12)) * 1440, -14.2, 0.1);
}

TEST(StationTime, JupiterAndMercuryIn2000) {
    const double start = CenturiesOf(2000, 7, 1);
    struct Case {
        int body;
        StationKind kind;
        int year, month, day;
        double hour;
        double toleranceHours;
    };
    // Mercury's station falls late on the 22nd or early on the 23rd, hence the wide window.
    const Case cases[] = {
        {4, StationKind::kBegins, 2000, 9, 29, 12, 12},
        {4, StationKind::kEnds, 2001, 1, 25, 12, 12},
        {1, StationKind::kBegins, 2000, 6, 23, 0, 12},
        {1, StationKind::kEnds, 2000, 7, 17, 12, 12},
    };
    for (const Case& c : cases) {
        const double t = StationTime(c.body, start, c.kind);
        EXPECT_NEAR(MinutesFrom(t, c.year, c.month, c.day, 0, 0) / 60, c.hour, c.toleranceHours)
            << c.body << " " << static_cast<int>(c.kind);
    }
}

}  // namespace
}  // namespace tavrel
