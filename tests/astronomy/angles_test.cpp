#include "astronomy/angles.h"

#include <gtest/gtest.h>

#include "astronomy/constants.h"

namespace tavrel {
namespace {

TEST(Constants, FollowTheEightDecimalPi) {
    EXPECT_NEAR(RAD_ARCSEC, 206264.8064828, 1e-6);
    EXPECT_DOUBLE_EQ(TWO_PI, 6.2831853);
    EXPECT_NEAR(LIGHT_TIME_AU, 499.004784 / 86400 / 36525, 1e-15);
}

TEST(NormAngle, ReducesIntoOneTurn) {
    EXPECT_DOUBLE_EQ(NormAngle(-0.1), TWO_PI - 0.1);
    EXPECT_EQ(NormAngle(TWO_PI), 0.0);
    EXPECT_EQ(NormAngle(0.0), 0.0);
    EXPECT_DOUBLE_EQ(NormAngle(3 * TWO_PI + 1), 1.0);
    EXPECT_DOUBLE_EQ(NormAngle(-3 * TWO_PI - 1), TWO_PI - 1);
    // A tiny negative angle must not come back as a full turn.
    EXPECT_EQ(NormAngle(-1e-20), 0.0);
    for (double x : {1e300, -1e300, 12345678.9, -987654.3}) {
        const double r = NormAngle(x);
        EXPECT_GE(r, 0.0) << x;
        EXPECT_LT(r, TWO_PI) << x;
    }
}

TEST(NormSignedAngle, ReducesIntoAHalfOpenTurnAroundZero) {
    EXPECT_DOUBLE_EQ(NormSignedAngle(PI_VALUE), PI_VALUE);
    EXPECT_DOUBLE_EQ(NormSignedAngle(-PI_VALUE), PI_VALUE);
    EXPECT_DOUBLE_EQ(NormSignedAngle(PI_VALUE + 0.5), -PI_VALUE + 0.5);
    EXPECT_DOUBLE_EQ(NormSignedAngle(-0.25), -0.25);
    EXPECT_NEAR(NormSignedAngle(5 * TWO_PI + 0.25), 0.25, 1e-14);
    for (double x : {1e300, -1e300, -1e-20}) {
        const double r = NormSignedAngle(x);
        EXPECT_GT(r, -PI_VALUE) << x;
        EXPECT_LE(r, PI_VALUE) << x;
    }
}

}  // namespace
}  // namespace tavrel
