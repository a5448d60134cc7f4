#include "chart/chart_layouts.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavrel {
namespace {

TEST(ChartLayouts, StoredLayoutsComeOnShowWithTheirCrossListsForTheNatalRows) {
    auto layouts = std::make_unique<TChartLayouts>();
    layouts->working.sectors[11].count = 1;
    layouts->working.sectors[11].placements[0].natalCrossAspects.entries[0] = {1, 1, 1100};
    StoreWorkingLayout(*layouts, ChartKind::kAnnual);
    layouts->working.sectors[11].placements[0].natalCrossAspects.entries[0] = {2, 27, 500};
    StoreWorkingLayout(*layouts, ChartKind::kMoving);
    StoreWorkingLayout(*layouts, ChartKind::kNatal);  // nothing to store
    EXPECT_EQ(layouts->natal, StarLayout{});

    ShowChartLayout(*layouts, ChartKind::kAnnual);
    EXPECT_EQ(layouts->working, layouts->annual);
    const TAspectEntry& annual = layouts->natal.sectors[11].placements[0].otherAspects.entries[0];
    EXPECT_EQ(annual.aspectIndex, 1);
    EXPECT_EQ(annual.partnerPlace, 1100);

    // Back to the natal chart: its rows keep the lists of the last second chart shown.
    ShowChartLayout(*layouts, ChartKind::kNatal);
    EXPECT_EQ(layouts->working, layouts->annual);
    EXPECT_EQ(layouts->natal.sectors[11].placements[0].otherAspects.entries[0].aspectIndex, 1);

    ShowChartLayout(*layouts, ChartKind::kMoving);
    const TAspectEntry& moving = layouts->natal.sectors[11].placements[0].otherAspects.entries[0];
    EXPECT_EQ(moving.aspectIndex, 2);
    EXPECT_EQ(moving.separation, 27);

    auto copy = std::make_unique<StarLayout>();
    ASSERT_TRUE(GetStarLayout(*layouts, 2, *copy));
    EXPECT_EQ(*copy, layouts->moving);
    ASSERT_TRUE(GetStarLayout(*layouts, 0, *copy));
    EXPECT_EQ(*copy, layouts->natal);
    EXPECT_FALSE(GetStarLayout(*layouts, 3, *copy));
    EXPECT_FALSE(GetStarLayout(*layouts, -1, *copy));
}

}  // namespace
}  // namespace tavrel
