#include "chart/xiang_lists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/star_list.h"
#include "support/position_sheets.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::SheetAt;
using testing::SpreadLongitudes;

TXiangRelate DefaultDefinitions() {
    testing::TempFolder folder;
    IniFile ini(folder.File("set.ini"));
    return LoadAspectDefinitions(ini);
}

TXiangItem Item(const char* name, int angle, int orb) {
    TXiangItem item{};
    std::strncpy(item.name, name, kAspectNameBytes - 1);
    item.angle = angle;
    item.orb = orb;
    return item;
}

TPositionSheet TwoPoints(double first, double second) {
    auto longitudes = SpreadLongitudes();
    longitudes[0] = first;
    longitudes[1] = second;
    return SheetAt(longitudes);
}

void Place(StarLayout& layout, int sector, std::vector<int> ids) {
    SectorBlock& block = layout.sectors[sector];
    block.count = static_cast<uint8_t>(ids.size());
    for (std::size_t row = 0; row < ids.size(); ++row) {
        block.placements[row].starId = static_cast<uint8_t>(ids[row]);
    }
}

void ExpectEntry(const TAspectEntry& entry, int aspect, int separation, int place) {
    EXPECT_EQ(entry.aspectIndex, aspect);
    EXPECT_EQ(entry.separation, separation);
    EXPECT_EQ(entry.partnerPlace, place);
}

TEST(AspectDefinitionsInUse, AnEmptySectionGivesTheEightDefaultsInOrder) {
    const TXiangRelate d = DefaultDefinitions();
    ASSERT_EQ(d.count, 8);
    const char* names[] = {"守", "夹", "刑", "辅", "关", "拱", "刑", "对"};
    for (int i = 0; i < 8; ++i) EXPECT_STREQ(d.items[i].name, names[i]) << i;
}

TEST(FillAspectList, WindowsIncludeTheirLowerEdgeOnlyAndSeparationsRoundHalfUp) {
    struct Case {
        double first, second;
        int aspect, separation;
    };
    const Case cases[] = {
        {100, 103, 0, 3},   {100, 102.99, 1, 3}, {100, 127, 2, 27},  {100, 133, 0, 33},
        {359, 1, 1, 2},     {1, 359, 1, 2},      {10, 190, 8, 180},  {190, 10, 8, 180},
        {100, 102.5, 1, 3}, {100, 102.49, 1, 2}, {100, 97.01, 1, 3}, {0, 135, 7, 135},
    };
    const TXiangRelate definitions = DefaultDefinitions();
    for (const Case& c : cases) {
        const TPositionSheet sheet = TwoPoints(c.first, c.second);
        TAspectList list{};
        FillAspectList(0, static_cast<float>(c.first), sheet, definitions, list, true);
        EXPECT_EQ(list.entries[1].aspectIndex, c.aspect) << c.first << " " << c.second;
        EXPECT_EQ(list.entries[1].separation, c.separation) << c.first << " " << c.second;
    }
}

TEST(FillAspectList, TheFirstDefinitionThatFitsWins) {
    TXiangRelate definitions = DefaultDefinitions();
    definitions.items[definitions.count++] = Item("宽", 45, 5);
    TAspectList list{};
    FillAspectList(0, 100.0f, TwoPoints(100, 144), definitions, list, true);
    EXPECT_EQ(list.entries[1].aspectIndex, 3);  // 刑 45 ± 3 comes first
    FillAspectList(0, 100.0f, TwoPoints(100, 149), definitions, list, true);
    EXPECT_EQ(list.entries[1].aspectIndex, 9);
}

TEST(FillAspectList, WithoutDefinitionsOnlySeparationsAreFilled) {
    TXiangRelate definitions{};
    TAspectList list{};
    FillAspectList(0, 100.0f, TwoPoints(100, 100.5), definitions, list, true);
    for (const TAspectEntry& entry : list.entries) EXPECT_EQ(entry.aspectIndex, 0);
    EXPECT_EQ(list.entries[1].separation, 1);
}

TEST(FillAspectList, APointMeetsItselfOnlyInTheOtherChart) {
    const TXiangRelate definitions = DefaultDefinitions();
    const TPositionSheet sheet = TwoPoints(100, 200);
    TAspectList same{};
    FillAspectList(0, 100.0f, sheet, definitions, same, true);
    EXPECT_EQ(same.entries[0].aspectIndex, 0);
    EXPECT_EQ(same.entries[0].separation, 0);
    TAspectList other{};
    FillAspectList(0, 101.0f, sheet, definitions, other, false);
    EXPECT_EQ(other.entries[0].aspectIndex, 1);
    EXPECT_EQ(other.entries[0].separation, 1);
}

TEST(FindPlacement, FirstRowInSectorOrderOrNone) {
    StarLayout layout{};
    Place(layout, 3, {4, 7});
    Place(layout, 11, {0, 7});
    EXPECT_EQ(FindPlacement(layout, 4), 300);
    EXPECT_EQ(FindPlacement(layout, 7), 301);
    EXPECT_EQ(FindPlacement(layout, 0), 1100);
    EXPECT_EQ(FindPlacement(layout, 11), -1);
}

TEST(ListNatalAspects, PartnersNotLaidOutHaveNoPlace) {
    auto longitudes = SpreadLongitudes();
    longitudes[kSun] = 10;
    longitudes[kMoon] = 190;
    longitudes[kUranus] = 11;  // hidden: in no block
    longitudes[kLifeDegree] = 12;
    const TPositionSheet sheet = SheetAt(longitudes);
    StarLayout natal{};
    Place(natal, 11, {kSun, kLifeDegree});
    Place(natal, 5, {kMoon});
    ListNatalAspects(natal, sheet, DefaultDefinitions());
    const TAspectList& sun = natal.sectors[11].placements[0].ownAspects;
    ExpectEntry(sun.entries[kSun], 0, 0, -1);
    ExpectEntry(sun.entries[kMoon], 8, 180, 500);
    ExpectEntry(sun.entries[kUranus], 1, 1, -1);
    ExpectEntry(sun.entries[kLifeDegree], 1, 2, 1101);
    ExpectEntry(sun.entries[kMercury], 0, 41, -1);  // 51° - 10°
    ExpectEntry(natal.sectors[5].placements[0].ownAspects.entries[kSun], 8, 180, 1100);
    // Rows without a placement stay cleared.
    ExpectEntry(natal.sectors[5].placements[1].ownAspects.entries[kSun], 0, 0, 0);
}

class SecondChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto natal = SpreadLongitudes();
        natal[kSun] = 10;
        natal[kMoon] = 20;
        natal[kLifeDegree] = 100;
        auto second = SpreadLongitudes();
        second[kSun] = 11;
        second[kMoon] = 21;  // not laid out in the second chart
        second[kLifeDegree] = 100;
        natalSheet_ = SheetAt(natal);
        workingSheet_ = SheetAt(second);
        Place(natal_, 11, {kSun, kMoon});
        Place(natal_, 8, {kLifeDegree});
        Place(working_, 11, {kSun});
        Place(working_, 8, {kLifeDegree});
        ListSecondChartAspects(working_, workingSheet_, natal_, natalSheet_, definitions_);
    }

    TXiangRelate definitions_ = DefaultDefinitions();
    TPositionSheet natalSheet_{};
    TPositionSheet workingSheet_{};
    StarLayout natal_{};
    StarLayout working_{};
};

TEST_F(SecondChartTest, CrossListsFollowTheNatalRowsAndPlacesTheirPartnerLayouts) {
    // Row 1 of sector 11 is the natal Moon's, though the second chart has one star there.
    const SectorBlock& block = working_.sectors[11];
    EXPECT_EQ(block.count, 1);
    ExpectEntry(block.placements[0].natalCrossAspects.entries[kSun], 1, 1, 1100);
    ExpectEntry(block.placements[0].natalCrossAspects.entries[kMoon], 0, 11, -1);
    ExpectEntry(block.placements[1].natalCrossAspects.entries[kMoon], 1, 1, -1);
    ExpectEntry(block.placements[1].natalCrossAspects.entries[kSun], 0, 9, -1);

    const StarPlacement& sun = block.placements[0];
    ExpectEntry(sun.otherAspects.entries[kSun], 1, 1, 1100);
    ExpectEntry(sun.otherAspects.entries[kMoon], 0, 9, -1);
    ExpectEntry(sun.ownAspects.entries[kSun], 0, 0, -1);
    ExpectEntry(sun.ownAspects.entries[kMoon], 0, 10, -1);
    // The natal layout is not written.
    ExpectEntry(natal_.sectors[11].placements[0].otherAspects.entries[kSun], 0, 0, 0);
}

TEST_F(SecondChartTest, TheMovingLifeDegreesKeepTheirSeparationButLoseTheirAspect) {
    const StarPlacement& life = working_.sectors[8].placements[0];
    ExpectEntry(life.otherAspects.entries[kLifeDegree], 1, 0, 800);
    ExpectEntry(life.natalCrossAspects.entries[kLifeDegree], 1, 0, 800);
    RemoveLifeDegreeCrossAspects(natal_, working_);
    ExpectEntry(life.otherAspects.entries[kLifeDegree], 0, 0, 800);
    ExpectEntry(life.natalCrossAspects.entries[kLifeDegree], 0, 0, 800);
    ExpectEntry(working_.sectors[11].placements[0].otherAspects.entries[kSun], 1, 1, 1100);
}

TEST_F(SecondChartTest, RemovingAnAspectOfAPointNotLaidOutChangesNothing) {
    const StarLayout before = working_;
    RemoveAspect(working_, working_, kMoon, kSun, AspectListChoice::kOther);
    EXPECT_EQ(before, working_);
    RemoveAspect(natal_, working_, kMoon, kMoon, AspectListChoice::kNatalCross);
    EXPECT_EQ(working_.sectors[11].placements[1].natalCrossAspects.entries[kMoon].aspectIndex, 0);
}

TEST_F(SecondChartTest, TheKindSwitchGivesTheNatalRowsTheirCrossLists) {
    CopyNatalCrossAspects(working_, natal_);
    for (int s = 0; s < kSectorCount; ++s) {
        for (int row = 0; row < kSectorPlacementCapacity; ++row) {
            EXPECT_EQ(natal_.sectors[s].placements[row].otherAspects,
                      working_.sectors[s].placements[row].natalCrossAspects);
        }
    }
    ExpectEntry(natal_.sectors[11].placements[1].otherAspects.entries[kMoon], 1, 1, -1);
}

}  // namespace
}  // namespace tavrel
