#include "astronomy/apparent_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astronomy/delta_t.h"
#include "astronomy/moon_series.h"
#include "astronomy/nutation.h"

namespace tavrel {
namespace {

TEST(ApparentPosition, OtherBodyNumbersLeaveTheOutputsAlone) {
    for (int body : {-1, 0, 11, 1000}) {
        double lon = 123;
        double lat = 45;
        EXPECT_FALSE(ApparentPosition(body, 0, lon, lat)) << body;
        EXPECT_EQ(lon, 123);
        EXPECT_EQ(lat, 45);
    }
}

TEST(ApparentPosition, AnyFiniteDayCountGivesALongitudeInRange) {
    for (double d : {-1e9, -2e6, -146097.25, -0.5, 0.0, 1e-300, 0.5, 36525.0, 2e6, 1e9}) {
        for (int body = 1; body <= BODY_MOON; ++body) {
            double lon = -1;
            double lat = -1;
            ASSERT_TRUE(ApparentPosition(body, d, lon, lat));
            EXPECT_GE(lon, 0) << body << ' ' << d;
            EXPECT_LT(lon, 360) << body << ' ' << d;
            EXPECT_TRUE(std::isfinite(lat)) << body << ' ' << d;
            // Beyond some millennia the series run wild and only the longitude stays bounded.
            if (std::abs(d) <= 2e6) {
                EXPECT_LE(std::abs(lat), 90) << body << ' ' << d;
            }
        }
    }
}

TEST(ApparentPosition, MoonLightTimeIsUnderOneArcsecond) {
    const double d = 8766.25;
    const double t = (d + DeltaT(d)) / 36525;
    double lon = 0;
    double lat = 0;
    ASSERT_TRUE(ApparentPosition(BODY_MOON, d, lon, lat));
    // The series' longitude is many turns out, in true radians.
    const double geometric =
        std::remainder(MoonCoord(0, t, -1) + NutationLongitude(t), 2 * std::numbers::pi) * 180 /
        std::numbers::pi;
    const double shift = std::remainder(lon - geometric, 360.0) * 3600;
    // The Moon moves about 0.55″ a second and its light takes about 1.3 s.
    EXPECT_LT(shift, -0.3);
    EXPECT_GT(shift, -1.0);
}

}  // namespace
}  // namespace tavrel
