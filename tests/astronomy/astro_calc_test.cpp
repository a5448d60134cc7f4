#include "astronomy/astro_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astronomy/apparent_position.h"
#include "astronomy/station_lists.h"

namespace tavrel {
namespace {

double BeijingJd(const TDateRec& r) {
    return JulianDay(r.year, r.month, r.day + (r.hour + r.minute / 60.0) / 24);
}

TEST(MAstroCalc, RemaindersOnTheFirstDayOf1600) {
    MAstroCalc calc;
    calc.SetInstant({1600, 1, 1, 8, 30});  // 00:30 UT
    double rahu = 0;
    double ketu = 0;
    calc.NodeLongitudes(rahu, ketu, true);
    EXPECT_NEAR(rahu, 301.540314 - 0.052953924, 1e-9);
    EXPECT_NEAR(ketu, 121.540314 - 0.052953924, 1e-9);
    double swappedRahu = 0;
    double swappedKetu = 0;
    calc.NodeLongitudes(swappedRahu, swappedKetu, false);
    EXPECT_EQ(swappedRahu, ketu);
    EXPECT_EQ(swappedKetu, rahu);
    double qi = 0;
    double apogee = 0;
    calc.QiAndApogee(qi, apogee);
    EXPECT_NEAR(qi, 85.962821468, 1e-8);
    EXPECT_NEAR(apogee, 193.221850843, 1e-8);
}

TEST(MAstroCalc, NodesStayInOneTurnAcrossCenturies) {
    MAstroCalc calc;
    for (int16_t year : {1600, 1750, 1999, 2200}) {
        calc.SetInstant({year, 6, 15, 12, 0});
        double rahu = -1;
        double ketu = -1;
        double qi = -1;
        double apogee = -1;
        calc.NodeLongitudes(rahu, ketu, true);
        calc.QiAndApogee(qi, apogee);
        for (double v : {rahu, ketu, qi, apogee}) {
            EXPECT_GE(v, 0) << year;
            EXPECT_LT(v, 360) << year;
        }
        EXPECT_NEAR(std::abs(std::remainder(ketu - rahu, 360.0)), 180, 1e-9) << year;
    }
}

TEST(MAstroCalc, BodyPositionIsTheApparentPositionAtTheUtInstant) {
    MAstroCalc calc;
    calc.SetInstant({2000, 1, 1, 20, 0});  // 12:00 UT
    EXPECT_EQ(calc.Jd(), 2451545);
    for (int star : {0, 1, 2, 6, 11, 13}) {
        double lon = 0;
        double lat = 0;
        double expectedLon = 0;
        double expectedLat = 0;
        ASSERT_TRUE(calc.BodyPosition(star, lon, lat)) << star;
        ASSERT_TRUE(ApparentPosition(STAR_BODY[star], 0, expectedLon, expectedLat));
        EXPECT_EQ(lon, expectedLon) << star;
        EXPECT_EQ(lat, expectedLat) << star;
    }
    for (int star : {-1, 7, 8, 9, 10, 14}) {
        double lon = 123;
        double lat = 45;
        EXPECT_FALSE(calc.BodyPosition(star, lon, lat)) << star;
        EXPECT_EQ(lon, 123);
        EXPECT_EQ(lat, 45);
    }
}

TEST(MAstroCalc, MotionStateOfKnownRetrogradePeriods) {
    struct Case {
        int star;
        TDateRec at;
        int state;
    };
    // Jupiter retrograde 2000-09-29 … 2001-01-25, Mercury 2000-06-23 … 2000-07-17.
    const Case cases[] = {
        {5, {2000, 8, 1, 12, 0}, 1},  {5, {2000, 11, 15, 12, 0}, 2}, {5, {2001, 3, 1, 0, 0}, 1},
        {2, {2000, 7, 5, 12, 0}, 2},  {2, {2000, 8, 5, 12, 0}, 1},   {6, {2000, 10, 1, 0, 0}, 2},
        {0, {2000, 7, 5, 12, 0}, 0},  {1, {2000, 7, 5, 12, 0}, 0},   {13, {2000, 7, 5, 12, 0}, 0},
        {7, {2000, 7, 5, 12, 0}, 0},  {10, {2000, 7, 5, 12, 0}, 0},  {14, {2000, 7, 5, 12, 0}, 0},
        {-1, {2000, 7, 5, 12, 0}, 0},
    };
    MAstroCalc calc;
    for (const Case& c : cases) {
        EXPECT_EQ(calc.MotionState(c.star, c.at), c.state) << c.star << " " << c.at.month;
    }
}

TEST(MotionOfStations, OutsideTheListIsNeither) {
    StationList list;
    for (int i = 0; i < STATION_COUNT; ++i) {
        list.begins[i] = 1000 + 100 * i;
        list.ends[i] = 1020 + 100 * i;
    }
    EXPECT_EQ(MotionOfStations(list, 999.5), 0);  // before the first retrograde start
    EXPECT_EQ(MotionOfStations(list, 1000), 2);
    EXPECT_EQ(MotionOfStations(list, 1020), 1);
    EXPECT_EQ(MotionOfStations(list, 1099.9), 1);
    EXPECT_EQ(MotionOfStations(list, 1100), 2);
    EXPECT_EQ(MotionOfStations(list, 2900), 0);  // the last period is never closed
}

// Station lists straight from the search and from the cache, across more keys than the cache
// holds, so that evicted entries are searched again.
TEST(StationCache, GivesTheSearchedListsBitForBit) {
    StationCache cache;
    for (int round = 0; round < 2; ++round) {
        for (int year = 1995; year < 2000; ++year) {
            for (int body = 1; body <= 7; ++body) {
                const StationList searched = ComputeStationList(body, year);
                const StationList& cached = cache.Get(body, year);
                EXPECT_EQ(std::memcmp(&searched, &cached, sizeof searched), 0) << body << year;
            }
        }
    }
}

TEST(MAstroCalc, MotionStateWithTheCacheWarmMatchesAFreshSearch) {
    MAstroCalc warm;
    for (int16_t month = 1; month <= 12; ++month) {
        const TDateRec at{1987, month, 14, 6, 30};
        for (int star : {2, 3, 4, 5, 6, 11, 12}) {
            const int fresh =
                MotionOfStations(ComputeStationList(STAR_BODY[star], 1984), BeijingJd(at));
            EXPECT_EQ(warm.MotionState(star, at), fresh) << star << " " << month;
        }
    }
}

}  // namespace
}  // namespace tavrel
