#include "chart/mansions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavrel {
namespace {

TEST(Mansions, TableStartsAt轸AndCoversTheCircle) {
    double total = 0;
    for (const TMansion& m : MANSIONS) total += m.width;
    EXPECT_NEAR(total, 360, 1e-4);
    EXPECT_EQ(MANSIONS[0].name, "轸");
    EXPECT_EQ(MANSIONS[22].name, "井");
    EXPECT_EQ(MANSIONS[27].name, "翼");
    constexpr StarId cycle[7] = {kMercury, kJupiter, kVenus, kSaturn, kSun, kMoon, kMars};
    for (int i = 0; i < kMansionCount; ++i) EXPECT_EQ(MANSIONS[i].governor, cycle[i % 7]) << i;
}

TEST(Mansions, OriginMovesWithThePrecessionOfTheYear) {
    EXPECT_DOUBLE_EQ(MansionOriginOfYear(1900).origin, 189.37);
    const TMansionOrigin o = MansionOriginOfYear(2000);
    EXPECT_NEAR(o.precession, 1.39639, 1e-5);
    EXPECT_NEAR(o.origin, 190.76639, 1e-5);
}

TEST(Mansions, PlacesLongitudesAroundTheOrigin) {
    const double origin = MansionOriginOfYear(2000).origin;
    struct Case {
        double x;
        int mansion;
        double degree;
    };
    const Case cases[] = {
        {origin, 0, 0},
        {origin - 0.01, 27, 17.99},
        {origin + 12.8, 0, 12.8},  // the width is single precision: a hair over 12.8
        {origin + 12.81, 1, 0.01},
        {std::fmod(origin + 180, 360), 14, 180 - 179.48},  // 壁 begins 179.48° on
        {0, 13, 360 - origin - 162.73},                    // 室 begins 162.73° on
        {359.999, 13, 359.999 - origin - 162.73},
    };
    for (const Case& c : cases) {
        const TMansionPlace p = PlaceInMansion(c.x, origin);
        EXPECT_EQ(p.mansion, c.mansion) << c.x;
        EXPECT_NEAR(p.degree, c.degree, 1e-4) << c.x;
    }
    const TMansionPlace outside = PlaceInMansion(-400, origin);
    EXPECT_EQ(outside.mansion, 0);
    EXPECT_EQ(outside.degree, 0);
}

}  // namespace
}  // namespace tavrel
