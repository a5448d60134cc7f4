#include "chart/year_stars.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(SoundElement, PairsOfTheCycle) {
    EXPECT_EQ(SoundElement(1), 1);   // 甲子 海中金
    EXPECT_EQ(SoundElement(2), 1);   // 乙丑
    EXPECT_EQ(SoundElement(0), 2);   // 癸亥 大海水, taken as 60 then 59
    EXPECT_EQ(SoundElement(59), 2);  // 壬戌
    EXPECT_EQ(SoundElement(3), 4);   // 丙寅 炉中火
    EXPECT_EQ(SoundElement(5), 3);   // 戊辰 大林木
    EXPECT_EQ(SoundElement(7), 0);   // 庚午 路旁土
    EXPECT_EQ(SoundElement(41), 4);  // 甲辰 覆灯火
}

TEST(YearStars, JiaZiYearInTheXuPalace) {
    const TYearStars stars = YearStars(1, 11, 1);
    EXPECT_EQ(stars.fortune[0], "科名:木");
    EXPECT_EQ(stars.fortune[1], "科甲:金");
    EXPECT_EQ(stars.fortune[4], "寿元:金");
    EXPECT_EQ(stars.fortune[6], "马元:木");
    EXPECT_EQ(stars.fortune[7], "贵元:土-月");
    EXPECT_EQ(stars.fortune[8], "赦文:木");
    EXPECT_EQ(stars.transformations[0], "天禄火");
    EXPECT_EQ(stars.transformations[1], "天暗孛");
    EXPECT_EQ(stars.transformations[9], "天权罗");
    EXPECT_EQ(stars.stemStars[0], "伤官金");
    EXPECT_EQ(stars.branchStars[0], "爵星土");
    EXPECT_EQ(stars.branchStars[5], "产星金");
    EXPECT_EQ(stars.tenGods[0], "比火　甲");
    EXPECT_EQ(stars.tenGods[1], "劫孛　乙");
    EXPECT_EQ(stars.tenGods[2], "食木　丙");
    EXPECT_EQ(stars.tenGods[9], "印罗　癸");
}

TEST(YearStars, YiYearCountsItsRivalsBack) {
    const TYearStars stars = YearStars(2, 0, 1);  // 乙丑, life palace 亥
    EXPECT_EQ(stars.tenGods[0], "比孛　乙");
    EXPECT_EQ(stars.tenGods[1], "劫火　甲");
    EXPECT_EQ(stars.tenGods[3], "伤木　丙");
    EXPECT_EQ(stars.fortune[1], "科甲:水");
    EXPECT_EQ(stars.fortune[7], "贵元:土-水");
    EXPECT_EQ(stars.branchStars[1], "天马计");
}

TEST(YearStars, GuiHaiYear) {
    const TYearStars stars = YearStars(0, 7, 2);  // 癸亥, life palace 午
    EXPECT_EQ(stars.fortune[0], "科名:水");
    EXPECT_EQ(stars.fortune[1], "科甲:土");
    EXPECT_EQ(stars.fortune[4], "寿元:水");
    EXPECT_EQ(stars.fortune[6], "马元:水");
    EXPECT_EQ(stars.fortune[7], "贵元:火-水");
    EXPECT_EQ(stars.transformations[0], "天禄罗");
    EXPECT_EQ(stars.stemStars[3], "喜神火");
    EXPECT_EQ(stars.branchStars[4], "血忌木");
}

}  // namespace
}  // namespace tavrel
