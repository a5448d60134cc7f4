#include "astronomy/pluto_series.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/helio_coords.h"
#include "astronomy/tables/pluto_table.h"

namespace tavrel {
namespace {

TEST(PlutoSeries, NineSeriesOfTheStatedLengthsWithTerminators) {
    const int counts[9] = {193, 26, 13, 183, 29, 14, 170, 20, 11};
    for (int i = 0; i < 9; ++i) {
        int n = 0;
        while (n < PLUTO_SERIES_SLOT && PlutoSeries[i][n].a != PLUTO_TERMINATOR) {
            EXPECT_GT(PlutoSeries[i][n].a, 0) << i << ' ' << n;
            ++n;
        }
        EXPECT_EQ(n, counts[i]) << "series " << i;
    }
}

TEST(PlutoSeries, DistanceFromTheSunStaysInItsOrbit) {
    // Perihelion 29.7 AU, aphelion 49.3 AU.
    for (double t = -4; t <= 3; t += 0.05) {
        const TRectangular p = PlutoCoord(t);
        const double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
        EXPECT_GT(r, 29.5) << t;
        EXPECT_LT(r, 49.5) << t;
    }
    for (double t : {-1e4, -60.0, 60.0, 1e4}) {
        const TRectangular p = PlutoCoord(t);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) << t;
    }
}

TEST(HelioCoords, SunIsTheOriginAndPlutoIsOfDate) {
    const TSpherical sun = HelioCoords(9, 0.3, -1, -1, -1);
    EXPECT_EQ(sun.lon, 0);
    EXPECT_EQ(sun.lat, 0);
    EXPECT_EQ(sun.r, 0);
    const TSpherical none = HelioCoords(10, 0.3, -1, -1, -1);
    EXPECT_EQ(none.r, 0);
    // A century of precession moves Pluto's longitude by about 5029″.
    const TSpherical j2000 = RectToSph(PlutoCoord(1));
    const TSpherical ofDate = HelioCoords(8, 1, -1, -1, -1);
    EXPECT_NEAR((ofDate.lon - j2000.lon) * 206264.8, 5029, 60);
    EXPECT_NEAR(ofDate.r, j2000.r, 1e-12);
}

}  // namespace
}  // namespace tavrel
