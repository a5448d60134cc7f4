#include "chart/palace_table.h"

#include <gtest/gtest.h>

#include <string_view>

#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {
namespace {

int BranchOf(std::string_view spirit, int n, int occurrence = 0) {
    for (int i = 0; i < kStarSpiritCount; ++i) {
        if (STAR_SPIRIT_NAME[static_cast<std::size_t>(i)] == spirit && occurrence-- == 0) {
            return SpiritBranch(i, n);
        }
    }
    return -1;
}

TEST(StarSpirits, JiaZiYear) {
    struct Case {
        std::string_view spirit;
        int occurrence;
        int branch;
    };
    const Case cases[] = {
        {"太岁", 0, 1}, {"病符", 0, 0}, {"空亡", 0, 11}, {"空亡", 1, 0}, {"驿马", 0, 3},
        {"将星", 0, 1}, {"华盖", 0, 5}, {"劫煞", 0, 6},  {"禄勋", 0, 3}, {"天乙", 0, 8},
        {"三刑", 0, 4}, {"岁刑", 0, 4}, {"的杀", 0, 6},  {"地解", 0, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BranchOf(c.spirit, 1, c.occurrence), c.branch) << c.spirit;
}

TEST(StarSpirits, GuiHaiYearVoidWrapsThroughTheCycle) {
    EXPECT_EQ(BranchOf("空亡", 0, 0), 1);  // 子
    EXPECT_EQ(BranchOf("空亡", 0, 1), 2);  // 丑
    // 三刑 and 岁刑 part only in a 卯 year: 丁卯 punishes 子 and 午.
    EXPECT_EQ(BranchOf("三刑", 4), 7);
    EXPECT_EQ(BranchOf("岁刑", 4), 1);
}

TEST(StarSpirits, EveryYearPlacesAllFortyNineIntoTheirPalaces) {
    for (int n = 0; n < 60; ++n) {
        for (int life = 0; life < 12; ++life) {
            TPalaceTable table{};
            PlaceSpirits(n, life, table);
            int placed = 0;
            for (const TPalaceCell& cell : table.cells) placed += cell.spiritCount;
            ASSERT_EQ(placed, kStarSpiritCount) << n;
            // 太岁 is placed first, in the cell of the year branch counted from the life palace.
            const TPalaceCell& first = table.cells[(life - n % 12 + 12) % 12];
            ASSERT_GE(first.spiritCount, 1);
            EXPECT_EQ(first.Spirit(0), "太岁");
        }
    }
}

// A 己巳 year crowds eight spirits into one palace, the most of any year; all of them are kept in
// placing order, and a full cell refuses more without touching what it holds.
TEST(StarSpirits, CrowdedCellKeepsEveryName) {
    TPalaceTable table{};
    PlaceSpirits(6, 0, table);
    int most = 0;
    for (const TPalaceCell& cell : table.cells) most = std::max<int>(most, cell.spiritCount);
    EXPECT_EQ(most, 8);

    TPalaceTable full{};
    for (int i = 0; i < kCellSpiritCapacity; ++i) {
        ASSERT_TRUE(AddSpirit(full, 3, 3, STAR_SPIRIT_NAME[static_cast<std::size_t>(i)]));
    }
    EXPECT_FALSE(AddSpirit(full, 3, 3, "太岁"));
    EXPECT_EQ(full.cells[0].spiritCount, kCellSpiritCapacity);
    EXPECT_EQ(full.cells[0].Spirit(kCellSpiritCapacity - 1), "岁刑");
    EXPECT_FALSE(AddSpirit(full, 3, 4, "太岁太岁"));
    EXPECT_EQ(full.cells[11].spiritCount, 0);
}

class PalaceTable : public ::testing::Test {
  protected:
    void Place(int star, double longitude) {
        sheet.points[star].longitude = longitude;
        PlacePoint(sheet.points[star], kLife, kOrigin);
    }
    void SetUp() override {
        for (int star = 0; star < kStarCount; ++star) Place(star, 10 + 25.0 * star);
    }

    static constexpr int kLife = 4;  // 卯, 210°-240°
    static constexpr double kOrigin = 189.37;
    TPositionSheet sheet{};
    TPalaceTable table{};
};

TEST_F(PalaceTable, CellsStartAtTheLifePointAndTheSigns) {
    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, false, 1, NatalSquareBounds(60, 50, 300), table);
    EXPECT_EQ(table.bounds.left, 60);
    EXPECT_EQ(table.bounds.bottom, 450);
    EXPECT_EQ(table.selectedCell, -1);
    const TPalaceCell& life = table.cells[0];
    EXPECT_FLOAT_EQ(life.startLongitude, 215.5f);
    EXPECT_EQ(life.palace, kLife);
    EXPECT_EQ(life.signDegree, 5);
    EXPECT_EQ(life.signMinute, 30);
    EXPECT_EQ(life.hourIndex, 8);  // (337.5 − 215.5) / 15 = 8.13
    EXPECT_EQ(life.hourDegree, 2);
    EXPECT_EQ(life.opposite, 10);
    // The next palace in palace order is 寅, starting at 240°.
    EXPECT_EQ(table.cells[1].palace, 3);
    EXPECT_FLOAT_EQ(table.cells[1].startLongitude, 240.0f);
    EXPECT_EQ(table.cells[11].palace, 5);
    EXPECT_FLOAT_EQ(table.cells[11].startLongitude, 180.0f);
    int stars = 0;
    for (const TPalaceCell& cell : table.cells) stars += cell.starCount;
    EXPECT_EQ(stars, kStarCount);
}

TEST_F(PalaceTable, HiddenKingsAndEqualLongitudes) {
    Place(kKetu, 100.0);
    Place(kPurpleQi, 100.0);
    Place(kMars, 220.0);
    Place(kSun, 220.0);
    Place(kMoon, 212.0);
    Place(kUranus, 225.0);
    Place(kPluto, 213.0);
    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, true, 1, {}, table);
    const TPalaceCell& life = table.cells[0];
    ASSERT_EQ(life.starCount, 3);
    EXPECT_EQ(life.stars[0], kMoon);
    EXPECT_EQ(life.stars[1], kSun);  // the same longitude as Mars keeps id order
    EXPECT_EQ(life.stars[2], kMars);
    for (const TPalaceCell& cell : table.cells) {
        for (int i = 0; i < cell.starCount; ++i) EXPECT_LT(cell.stars[i], kUranus);
    }

    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, false, 1, {}, table);
    ASSERT_EQ(table.cells[0].starCount, 5);
    EXPECT_EQ(table.cells[0].stars[0], kMoon);
    EXPECT_EQ(table.cells[0].stars[1], kPluto);
    EXPECT_EQ(table.cells[0].stars[4], kUranus);
}

TEST_F(PalaceTable, SelectionMarksTheRelatedCells) {
    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, false, 1, {}, table);
    SelectCell(table, 10);
    EXPECT_EQ(table.selectedCell, 10);
    EXPECT_EQ(table.relatedCells[1], 2);
    EXPECT_EQ(table.relatedCells[2], 6);
    EXPECT_EQ(table.relatedCells[3], 4);
    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, false, 1, {}, table);
    EXPECT_EQ(table.selectedCell, -1);
}

// The Sun in 寅 natally and in 午 on the moving chart: every palace draws its stars from the
// branch four places before its own.
TEST_F(PalaceTable, MovingCellsNameTheirNatalBranch) {
    BuildPalaceTable(sheet, 215.5, kLife, kOrigin, false, 1, {}, table);
    SetSourceBranches(table, 3, 7);
    for (const TPalaceCell& cell : table.cells) {
        EXPECT_EQ(cell.sourceBranch, (cell.palace + 8) % 12) << int(cell.palace);
    }
}

}  // namespace
}  // namespace tavrel
