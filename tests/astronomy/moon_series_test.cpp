#include "astronomy/moon_series.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/tables/moon_table.h"
#include "data/moon_reference.h"

namespace tavrel {
namespace {

constexpr double kArcsec = 1 / RAD_ARCSEC;

TEST(MoonTable, HoldsTheLargestTermsFirstWithTheEndMarker) {
    struct Row {
        int coordinate, k;
        double term[6];
        double tolerance;  // relative
    };
    const Row rows[] = {
        {0, 0, {22639.586, 0.78475822, 8328.691424623, 1.5229241, 25.0719, -0.123598}, 5e-6},
        {0, 1, {4586.438, 0.1873974, 7214.06286536, -2.184756, -18.86, 0.0828}, 1e-4},
        {1, 0, {18461.24, 0.05710892, 8433.466157492, -0.6400617, -0.5345, -0.00294}, 1e-3},
        {2, 0, {385000.51, 0, 0, 0, 0, 0}, 1e-7},
        {2, 1, {20905.354, 5.4971472, 8328.691424623, 1.522924, 25.0719, -0.1236}, 1e-4},
    };
    for (const Row& r : rows) {
        const double* term = MoonSeries[r.coordinate][0] + 6 * r.k;
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(term[i], r.term[i], std::abs(r.term[i]) * r.tolerance)
                << r.coordinate << ' ' << r.k << ' ' << i;
        }
    }
    const int lengths[3][4] = {{2652, 894, 204, 12}, {1236, 270, 72, 0}, {1326, 312, 72, 0}};
    for (int c = 0; c < 3; ++c) {
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(MoonSeriesLength[c][p], lengths[c][p]);
            const double* s = MoonSeries[c][p];
            EXPECT_EQ(s[lengths[c][p]], 900000.0) << c << ' ' << p;
            for (int k = 6; k < lengths[c][p]; k += 6) EXPECT_LE(s[k], s[k - 6]) << c << ' ' << p;
        }
    }
}

TEST(MoonCoord, FollowsTheFullSeriesOverTheChartYears) {
    // The reference is every term of the lunar solution; over 1600-2200 the kept terms stay
    // within 0.59" and 0.91 km of it (20000 sampled dates); further out the t-power terms grow.
    for (const testing::MoonReference& ref : testing::MOON_REFERENCE) {
        const bool chartYears = ref.t >= -4 && ref.t <= 2;
        const double angle = (chartYears ? 0.7 : 1.5) * kArcsec;
        const double km = chartYears ? 1.2 : 3.0;
        const TSpherical m = MoonCoords(ref.t, -1, -1, -1);
        // After the year 3000 the evaluator adds a fit the series do not have.
        const double fit =
            ref.t > 10
                ? (-0.866 + 1.43 * (ref.t - 10) + 0.054 * (ref.t - 10) * (ref.t - 10)) * kArcsec
                : 0;
        EXPECT_NEAR(m.lon - fit, ref.lon, angle) << ref.t;
        EXPECT_NEAR(m.lat, ref.lat, angle) << ref.t;
        EXPECT_NEAR(m.r, ref.r, km) << ref.t;
    }
}

TEST(MoonCoord, AddsTheLongRangeFitOnlyAfterTheYear3000) {
    const double at10 = MoonCoord(0, 10, -1);
    const double past10 = MoonCoord(0, 10 + 1e-13, -1);
    // 1e-13 century moves the Moon by 0.0002"; the fit starts with a step of -0.866".
    EXPECT_NEAR((past10 - at10) / kArcsec, -0.866, 0.002);
    EXPECT_NEAR((MoonCoord(0, 10 - 1e-13, -1) - at10) / kArcsec, 0, 0.002);
}

TEST(MoonCoord, CutsTheHigherPowersInProportion) {
    const double t = 1.3;
    for (int c = 0; c < 3; ++c) {
        // n = 0 keeps one term of each non-empty higher series and none of the constant one.
        double expected = c == 0 ? MoonCoord(0, t, -1) : 0;
        if (c == 0) {
            for (int p = 0; p < 4; ++p) {
                const double* s = MoonSeries[0][p];
                double sum = 0;
                for (int k = 0; k < MoonSeriesLength[0][p]; k += 6) {
                    sum += s[k] *
                           std::cos(s[k + 1] + s[k + 2] * t + s[k + 3] * t * t / 1e4 +
                                    s[k + 4] * t * t * t / 1e8 + s[k + 5] * t * t * t * t / 1e8);
                }
                expected -= sum * std::pow(t, p) / RAD_ARCSEC;
            }
        }
        for (int p = 1; p < 4; ++p) {
            if (MoonSeriesLength[c][p] == 0) continue;
            const double* s = MoonSeries[c][p];
            const double term =
                s[0] * std::cos(s[1] + s[2] * t + s[3] * t * t / 1e4 + s[4] * t * t * t / 1e8 +
                                s[5] * t * t * t * t / 1e8);
            expected += term * std::pow(t, p) / (c == 2 ? 1 : RAD_ARCSEC);
        }
        EXPECT_NEAR(MoonCoord(c, t, 0), expected, c == 2 ? 1e-9 : 1e-13) << c;
        EXPECT_EQ(MoonCoord(c, t, 10000), MoonCoord(c, t, -1)) << c;
        EXPECT_EQ(MoonCoord(c, t, 2147483647), MoonCoord(c, t, -1)) << c;
    }
    // Few terms already place the Moon within a degree.
    EXPECT_NEAR(MoonCoord(0, t, 20), MoonCoord(0, t, -1), 1.0 / RAD_DEG);
    EXPECT_EQ(MoonCoord(3, t, -1), 0.0);
}

TEST(MoonCoord, GivesNumbersAcrossItsRange) {
    for (double t = -60; t <= 60; t += 0.731) {
        const TSpherical m = MoonCoords(t, -1, -1, -1);
        ASSERT_TRUE(std::isfinite(m.lon) && std::isfinite(m.lat) && std::isfinite(m.r)) << t;
        EXPECT_LT(std::abs(m.lat), 5.5 / RAD_DEG) << t;
        EXPECT_GT(m.r, 350000) << t;
        EXPECT_LT(m.r, 410000) << t;
    }
}

}  // namespace
}  // namespace tavrel
