#include "chart/palaces.h"

#include <gtest/gtest.h>

#include "chart/hour_branch.h"
#include "chart/mansions.h"

namespace tavrel {
namespace {

TEST(HourBranch, TwoHourBranchesFrom23) {
    const int expected[24] = {1, 2, 2, 3, 3, 4,  4,  5,  5,  6, 6, 7,
                              7, 8, 8, 9, 9, 10, 10, 11, 11, 0, 0, 1};
    for (int h = 0; h < 24; ++h) EXPECT_EQ(HourBranch(h), expected[h]) << h;
}

TEST(Palaces, PalaceIndexRunsBackwardsFrom戌) {
    EXPECT_EQ(PalaceOf(0), 11);
    EXPECT_EQ(PalaceOf(29.999), 11);
    EXPECT_EQ(PalaceOf(30), 10);
    EXPECT_EQ(PalaceOf(300), 1);
    EXPECT_EQ(PalaceOf(359.999), 0);
    EXPECT_EQ(PalaceOf(360), 11);
    EXPECT_EQ(PalaceOf(-5), 0);
    EXPECT_NEAR(DegreeInSign(345.25), 15.25, 1e-12);
    EXPECT_NEAR(DegreeInSign(10), 10, 1e-12);
}

TEST(Palaces, PlacePointCountsFromTheLifePalace) {
    const double origin = MansionOriginOfYear(2000).origin;
    TPlacedPoint point{};
    point.longitude = 45;  // 酉, with the life palace in 戌: number 1
    PlacePoint(point, 11, origin);
    EXPECT_EQ(point.palace, 10);
    EXPECT_EQ(point.palaceNumber, 1);
    EXPECT_NEAR(point.degreeInSign, 15, 1e-12);
    const TMansionPlace mansion = PlaceInMansion(45, origin);
    EXPECT_EQ(point.mansion, mansion.mansion);
    EXPECT_DOUBLE_EQ(point.degreeInMansion, mansion.degree);
    point.longitude = 365;  // reduced first
    PlacePoint(point, 0, origin);
    EXPECT_DOUBLE_EQ(point.longitude, 5);
    EXPECT_EQ(point.palace, 11);
    EXPECT_EQ(point.palaceNumber, 1);
}

TEST(Palaces, NamesAndLords) {
    EXPECT_EQ(PalaceName(0, true, false), "命");
    EXPECT_EQ(PalaceName(2, true, false), "兄弟");
    EXPECT_EQ(PalaceName(2, false, false), "姐妹");
    EXPECT_EQ(PalaceName(6, false, false), "夫君");
    EXPECT_EQ(PalaceName(6, true, true), "妻");
    EXPECT_EQ(PalaceName(6, false, true), "夫");
    EXPECT_EQ(PalaceName(11, false, true), "相");
    EXPECT_EQ(PalaceTitle(0, true), "命宫");
    EXPECT_EQ(PalaceTitle(11, false), "相貌宫");
    const StarId lords[12] = {kJupiter, kSaturn, kSaturn, kJupiter, kMars,  kVenus,
                              kMercury, kSun,    kMoon,   kMercury, kVenus, kMars};
    for (int p = 0; p < 12; ++p) EXPECT_EQ(PalaceLord(p), lords[p]) << p;
    EXPECT_EQ(DegreeLord(0), kMercury);  // 轸
    EXPECT_EQ(DegreeLord(4), kSun);      // 房
    EXPECT_EQ(DegreeLord(27), kMars);    // 翼
}

TEST(Palaces, LifePointByTheHourMethods) {
    struct Case {
        int mgong;
        int mingdu;
        int hourBranch;
        int sunriseBranch;
        double expected;
    };
    const Case cases[] = {
        {1, 0, 4, 0, 10},      // Sun at 10° (戌), 卯 hour: 戌, 10°
        {1, 0, 1, 0, 280},     // 子 hour: three palaces on, 丑, 280°
        {1, 1, 4, 0, 12.5},    // 折中: half way to the middle of the sign
        {2, 0, 1, 3, 310},     // from the sunrise hour 寅: two palaces on, 子
        {2, 0, 5, 4, 40},      // sunrise 卯, born 辰: eleven on, 酉
        {0, 1, 1, 3, 123.25},  // the ascendant, whatever the hour
        {7, 0, 1, 3, 123.25},  // unknown methods count as the ascendant
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(
            LifePointLongitude(c.mgong, c.mingdu, 123.25, 10, c.hourBranch, c.sunriseBranch),
            c.expected, 1e-12)
            << c.mgong << " " << c.hourBranch;
    }
}

TEST(Palaces, BodyPointByItsMethods) {
    const TEclipticPoint moon{100, -4.5};  // 未, 10° in the sign
    const TEclipticPoint same = BodyPoint(0, 1, moon, 200, 1, 1);
    EXPECT_EQ(same.longitude, 100);
    EXPECT_EQ(same.latitude, -4.5);
    const TEclipticPoint arc = BodyPoint(1, 0, moon, 200.5, 1, 1);
    EXPECT_EQ(arc.longitude, 200.5);
    EXPECT_EQ(arc.latitude, 0);
    // 酉 method, born in 子: nine palaces back from 未 (8) is 戌 ((8 - 9 + 24) mod 12 = 11).
    EXPECT_NEAR(BodyPoint(2, 0, moon, 0, 1, 0).longitude, 10, 1e-12);
    EXPECT_NEAR(BodyPoint(2, 1, moon, 0, 10, 0).longitude, 102.5, 1e-12);  // 未, 折中
    // Sunset branch 戌, born 申: two palaces back from 未 is 巳.
    EXPECT_NEAR(BodyPoint(3, 0, moon, 0, 9, 11).longitude, 160, 1e-12);
    EXPECT_EQ(BodyPoint(3, 0, moon, 0, 9, 11).latitude, 0);
}

TEST(Palaces, FortunePointByDayAndNight) {
    EXPECT_NEAR(FortunePointLongitude(10, 300, 20, true), 90, 1e-12);
    EXPECT_NEAR(FortunePointLongitude(10, 300, 20, false), 290, 1e-12);
    EXPECT_NEAR(FortunePointLongitude(359, 0, 1, true), 0, 1e-12);
}

}  // namespace
}  // namespace tavrel
