#include "astronomy/delta_t.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

double Parabola(double year) {
    const double u = (year - 1820) * 0.01;
    return 31 * u * u - 20;
}

TEST(DeltaTSeconds, MatchesTheTableAtSegmentStarts) {
    const double cases[][2] = {{1600, 120.0}, {1700, 10.2}, {1900, -2.3},
                               {2000, 63.87}, {2005, 64.7}, {-500, 17201.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(DeltaTSeconds(c[0]), c[1]) << c[0];
}

TEST(DeltaTSeconds, BlendsTheParabolaIntoTheEndValue) {
    EXPECT_DOUBLE_EQ(DeltaTSeconds(2015), 69.0);
    EXPECT_NEAR(DeltaTSeconds(2015 - 1e-9), 68.7, 0.05);
    EXPECT_NEAR(DeltaTSeconds(2050), 125.22, 0.01);
    EXPECT_NEAR(DeltaTSeconds(2115), Parabola(2115), 1e-9);
    EXPECT_NEAR(DeltaTSeconds(2115), 249.78, 0.01);
    EXPECT_DOUBLE_EQ(DeltaTSeconds(2500), Parabola(2500));
}

TEST(DeltaTSeconds, ExtrapolatesTheFirstSegmentBackwards) {
    EXPECT_NEAR(DeltaTSeconds(-5000), 148819.7, 0.05);
}

TEST(DeltaT, TakesADayCountAndGivesDays) {
    EXPECT_DOUBLE_EQ(DeltaT(0), 63.87 / 86400);
    EXPECT_NEAR(DeltaT(-146097), DeltaTSeconds(1600) / 86400, 1e-12);
}

}  // namespace
}  // namespace tavrel
