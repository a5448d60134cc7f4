#include "chart/palace_placement.h"

#include <gtest/gtest.h>

#include "chart/equatorial_map.h"
#include "chart/mansions.h"
#include "chart/star_list.h"

namespace tavrel {
namespace {

class PalacePlacementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sheet_.points[kSun].longitude = 10;  // 戌
        sheet_.points[kMoon].longitude = 100;
        sheet_.points[kMoon].latitude = 3.25;
        sheet_.points[kMars].longitude = 45;
        sheet_.ascendant = 200;
        sheet_.houseCusps[6] = 20;
        sheet_.sunriseBranch = 4;
        sheet_.sunsetBranch = 10;
        sheet_.dayBirth = 1;
    }

    TPositionSheet sheet_{};
    TChartSettings settings_;
    double origin_ = MansionOriginOfYear(2000).origin;
};

TEST_F(PalacePlacementTest, LifeAtTheAscendantBodyAtTheMoon) {
    PlacePalaces(sheet_, settings_, 1, origin_);
    EXPECT_EQ(sheet_.lifePalace.longitude, 200);
    EXPECT_EQ(sheet_.lifePalace.palace, 5);  // 辰
    EXPECT_EQ(sheet_.lifePalace.palaceNumber, 0);
    EXPECT_EQ(sheet_.points[kMars].palace, 10);  // 酉, five palaces on from 辰
    EXPECT_EQ(sheet_.points[kMars].palaceNumber, (5 - 10 + 12) % 12);
    EXPECT_EQ(sheet_.bodyPalace.longitude, 100);
    EXPECT_EQ(sheet_.bodyPalace.latitude, 3.25);
    EXPECT_EQ(sheet_.bodyPalace.palaceNumber, (5 - 8 + 12) % 12);
    EXPECT_NEAR(sheet_.fortunePoint.longitude, 290, 1e-12);  // 200 + 100 - 10 by day
    EXPECT_EQ(sheet_.points[kLifeDegree].longitude, sheet_.lifePalace.longitude);
    EXPECT_EQ(sheet_.points[kLifeDegree].mansion, sheet_.lifePalace.mansion);
}

TEST_F(PalacePlacementTest, HourMethodsAndTheDescendant) {
    settings_.mgong = 1;
    settings_.sgong = 1;
    settings_.mingdu = 1;
    sheet_.dayBirth = 0;
    PlacePalaces(sheet_, settings_, 1, origin_);  // 子 hour: 丑
    EXPECT_NEAR(sheet_.lifePalace.longitude, 282.5, 1e-12);
    EXPECT_EQ(sheet_.lifePalace.palace, 2);
    EXPECT_EQ(sheet_.bodyPalace.longitude, 20);
    EXPECT_EQ(sheet_.bodyPalace.latitude, 0);
    EXPECT_NEAR(sheet_.fortunePoint.longitude, 192.5, 1e-12);  // 282.5 + 10 - 100 by night
}

TEST(EquatorialMap, ConvertsOriginAnglesAndStarsButNotCusps) {
    TPositionSheet sheet{};
    sheet.points[kSun].longitude = 45;
    sheet.points[kMoon].latitude = 5;
    sheet.ascendant = 45;
    sheet.midheaven = 0;
    sheet.houseCusps[0] = 45;
    double origin = 45;
    ToEquatorialMap(sheet, origin);
    EXPECT_NEAR(origin, 42.5357, 1e-4);
    EXPECT_NEAR(sheet.ascendant, 42.5357, 1e-4);
    EXPECT_NEAR(sheet.midheaven, 0, 1e-9);
    EXPECT_NEAR(sheet.points[kSun].longitude, 42.5357, 1e-4);
    EXPECT_NEAR(sheet.points[kMoon].longitude, 358.0068, 1e-4);
    EXPECT_EQ(sheet.points[kMoon].latitude, 5);
    EXPECT_EQ(sheet.houseCusps[0], 45);
}

}  // namespace
}  // namespace tavrel
