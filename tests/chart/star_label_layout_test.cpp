#include "chart/star_label_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fixed_font_metrics.h"
#include "support/position_sheets.h"

namespace tavrel {
namespace {

using testing::SheetAt;

constexpr int kXu = 11;  // branch number of 戌, 0° to 30°

DiskGeometry Geometry() {
    DiskGeometry geometry;
    SetChartFontSize(geometry, 12, FixedFontMetrics());  // R 307, centre (310, 310)
    geometry.baseAngle = 37.5f;
    return geometry;
}

struct Expected {
    int id;
    int x, y;  // label centre
};

void ExpectRows(const SectorBlock& block, const std::vector<Expected>& rows) {
    ASSERT_EQ(block.count, rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const StarPlacement& p = block.placements[r];
        EXPECT_EQ(p.starId, rows[r].id) << "row " << r;
        EXPECT_EQ(p.labelCentre.x, rows[r].x) << "row " << r;
        EXPECT_EQ(p.labelCentre.y, rows[r].y) << "row " << r;
        EXPECT_EQ(p.aspectShowState, 0);
    }
}

TEST(AssignLayerSlots, TheCurrentLayerFillsBeforeTheNextOneIsUsed) {
    struct Case {
        std::vector<float> longitudes;
        std::vector<int> occupied;
    };
    const std::vector<Case> cases = {
        {{1, 2, 10, 20, 25}, {0, 1, 2, 3, 7}},  // the fifth star opens layer 1 at its slot
        {{25, 26}, {2, 3}},                     // the last slot taken: search back from it
        {{31, 62.5f}, {0, 1}},                  // offsets within the sign
        {{5, 5, 5, 5, 5, 5, 5, 5, 5}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {{29.9f, 29.9f, 29.9f, 29.9f, 29.9f}, {0, 1, 2, 3, 7}},
    };
    for (const Case& c : cases) {
        const auto slots = AssignLayerSlots(c.longitudes);
        std::vector<int> occupied;
        for (int s = 0; s < kLayerSlotCount; ++s) {
            if (slots[s]) occupied.push_back(s);
        }
        EXPECT_EQ(occupied, c.occupied)
            << c.longitudes.size() << " stars from " << c.longitudes.front();
    }
}

TEST(LayoutStarsInLayers, NeighboursKeepTheirOrderAndTheFifthStarGoesToTheSecondLayer) {
    const TPositionSheet sheet =
        SheetAt({1, 2, 10, 20, 25, 40, 70, 100, 130, 160, 190, 220, 250, 280, 200});
    const int stars[] = {0, 1, 2, 3, 4};
    SectorBlock block{};
    LayoutStarsInLayers(block, kXu, stars, false, sheet, Geometry(), LayoutRing::kNatal);
    // Layer 0 at 0.65R in slots of 7.5°, then layer 1 at 0.59R.
    ExpectRows(block, {{0, 488, 398}, {1, 498, 374}, {2, 505, 348}, {3, 509, 323}, {4, 490, 321}});
    const StarPlacement& fifth = block.placements[4];
    EXPECT_FLOAT_EQ(fifth.screenAngle, 355.0f);
    EXPECT_NEAR(fifth.footPoint.x, 524.0822f, 1e-3f);  // 0.7R on its own longitude
    EXPECT_NEAR(fifth.footPoint.y, 328.7298f, 1e-3f);
    EXPECT_NEAR(fifth.labelPoint.x, 490.7422f, 1e-3f);
    EXPECT_NEAR(fifth.labelPoint.y, 321.8465f, 1e-3f);
}

TEST(LayoutStarsInLayers, TwoStarsWantingTheLastSlotTakeTheLastTwoInLongitudeOrder) {
    const TPositionSheet sheet =
        SheetAt({26, 25, 40, 70, 100, 130, 160, 190, 220, 250, 280, 310, 340, 350, 200});
    const int stars[] = {1, 0};
    SectorBlock block{};
    LayoutStarsInLayers(block, kXu, stars, false, sheet, Geometry(), LayoutRing::kNatal);
    ExpectRows(block, {{1, 505, 348}, {0, 509, 323}});
}

TEST(LayoutStarsInLayers, ACrowdedSectorHoldsFourteenStarsAndTheLifePoint) {
    std::array<double, kChartPointCount> longitudes{};
    for (int i = 0; i < kStarCount; ++i) longitudes[i] = 5.0 + 0.1 * i;
    longitudes[kLifeDegree] = 5.5;
    const TPositionSheet sheet = SheetAt(longitudes);
    std::vector<int> stars(kStarCount);
    for (int i = 0; i < kStarCount; ++i) stars[i] = i;
    SectorBlock block{};
    LayoutStarsInLayers(block, kXu, stars, true, sheet, Geometry(), LayoutRing::kNatal);
    ASSERT_EQ(block.count, kSectorPlacementCapacity);
    for (int r = 0; r < kSectorPlacementCapacity; ++r) EXPECT_EQ(block.placements[r].starId, r);
    const auto at = [&](int row) {
        return std::pair{block.placements[row].labelCentre.x, block.placements[row].labelCentre.y};
    };
    EXPECT_EQ(at(0), std::pair(488, 398));  // layer 0, 0.65R, 4 slots
    EXPECT_EQ(at(4), std::pair(472, 390));  // layer 1, 0.59R, 4 slots
    EXPECT_EQ(at(8), std::pair(460, 380));  // layer 2, 0.54R, 3 slots of 10°
    EXPECT_EQ(at(10), std::pair(475, 324));
    EXPECT_EQ(at(11), std::pair(443, 372));  // layer 3, 0.48R
    EXPECT_EQ(at(13), std::pair(456, 322));
    // The life point takes no slot: its label stands on its foot at 0.7R.
    EXPECT_EQ(at(14), std::pair(505, 399));
    EXPECT_NEAR(block.placements[14].footPoint.x, 505.5507f, 1e-3f);
}

TEST(LayoutStarsInLayers, TheSecondChartUsesTheInnerCircleAndItsLayers) {
    const TPositionSheet sheet =
        SheetAt({1, 40, 70, 100, 130, 160, 190, 220, 250, 280, 310, 340, 350, 355, 200});
    const int stars[] = {0};
    SectorBlock block{};
    LayoutStarsInLayers(block, kXu, stars, false, sheet, Geometry(), LayoutRing::kSecond);
    ASSERT_EQ(block.count, 1);
    EXPECT_NEAR(block.placements[0].footPoint.x, 449.6243f, 1e-3f);  // 0.52R
    EXPECT_NEAR(block.placements[0].footPoint.y, 387.3950f, 1e-3f);
    // Layer 0 of the second chart lies at 0.47R.
    const LabelPixel expected = DiskPixel(Geometry(), 0.47f * 307, 333.75f);
    EXPECT_EQ(block.placements[0].labelCentre.x, expected.x);
    EXPECT_EQ(block.placements[0].labelCentre.y, expected.y);
}

TEST(LayoutStarsInSlots, AStarAt359GoesBeforeTheStarsOfTheFirstSlots) {
    // Stars 1°, 2°, 356° and 359°: 356° fills the last slot, so 359° takes the first slot and
    // pushes the 1° and 2° stars one slot on.
    const TPositionSheet sheet = SheetAt({1, 2, 356, 359, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100});
    StarLayout layout{};
    LayoutStarsInSlots(layout, 4, sheet, Geometry(), LayoutRing::kNatal);
    ExpectRows(layout.sectors[kXu], {{3, 482, 395}, {0, 492, 371}, {1, 499, 347}});
    ExpectRows(layout.sectors[0], {{2, 470, 417}});
    const StarPlacement& late = layout.sectors[kXu].placements[0];
    EXPECT_NEAR(late.footPoint.x, 494.2053f, 1e-3f);  // still on its own longitude
    EXPECT_NEAR(late.footPoint.y, 420.6817f, 1e-3f);
    // The life point at 100° joins the block of its own sector, 未 (8).
    ASSERT_EQ(layout.sectors[8].count, 1);
    EXPECT_EQ(layout.sectors[8].placements[0].starId, kLifeDegree);
    int placed = 0;
    for (const SectorBlock& block : layout.sectors) placed += block.count;
    EXPECT_EQ(placed, 5);
}

TEST(LayoutStarsInSlots, FreeSlotsAheadAreTakenWithoutShifting) {
    // 10° and 10.5° both want slot 1: the second takes slot 2; 359° finds its slot 47 free.
    const TPositionSheet sheet = SheetAt({10.5, 10, 359, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100});
    StarLayout layout{};
    LayoutStarsInSlots(layout, 3, sheet, Geometry(), LayoutRing::kNatal);
    ExpectRows(layout.sectors[kXu], {{1, 492, 371}, {0, 499, 347}});
    ExpectRows(layout.sectors[0], {{2, 470, 417}});
}

TEST(LayoutStarsInSlots, TheSecondChartHasThreeSlotsPerSignAtTheInnerRadius) {
    const TPositionSheet sheet = SheetAt({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100});
    StarLayout layout{};
    LayoutStarsInSlots(layout, 1, sheet, Geometry(), LayoutRing::kSecond);
    ExpectRows(layout.sectors[kXu], {{0, 436, 368}});  // 0.454R on the middle of slot 0, 5°
    EXPECT_NEAR(layout.sectors[kXu].placements[0].footPoint.x, 449.6243f, 1e-3f);
}

}  // namespace
}  // namespace tavrel
