#include "chart/build_star_layout.h"

#include <gtest/gtest.h>

#include "chart/star_list.h"
#include "chart/xiang_lists.h"
#include "platform/fixed_font_metrics.h"
#include "presentation/layout_report.h"
#include "support/position_sheets.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::SheetAt;
using testing::SpreadLongitudes;

class BuildStarLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetChartFontSize(geometry_, 12, metrics_);
        geometry_.baseAngle = BaseAngle(settings_);
        testing::TempFolder folder;
        IniFile ini(folder.File("set.ini"));
        definitions_ = LoadAspectDefinitions(ini);
        auto natal = SpreadLongitudes();
        natal[kSun] = 10;
        natal[kUranus] = 11;
        natalSheet_ = SheetAt(natal);
        auto second = SpreadLongitudes();
        second[kSun] = 11;
        workingSheet_ = SheetAt(second);
    }

    void Build(ChartKind kind) {
        const StarLayoutContext context{geometry_, metrics_, settings_, definitions_};
        BuildStarLayout(kind, context, {natalSheet_, natal_, workingSheet_, working_});
    }

    static int Members(const StarLayout& layout) {
        int members = 0;
        for (const SectorBlock& block : layout.sectors) members += block.count;
        return members;
    }

    static const StarPlacement& At(const StarLayout& layout, int place) {
        return layout.sectors[place / 100].placements[place % 100];
    }

    FixedFontMetrics metrics_;
    DiskGeometry geometry_;
    TChartSettings settings_;
    TXiangRelate definitions_{};
    TPositionSheet natalSheet_{};
    TPositionSheet workingSheet_{};
    StarLayout natal_{};
    StarLayout working_{};
};

TEST_F(BuildStarLayoutTest, LabelSizeFollowsTheLayoutMethodForTheNatalChartOnly) {
    struct Case {
        int layer;
        ChartKind kind;
        int size, width;
    };
    const Case cases[] = {
        {1, ChartKind::kNatal, 12, 16},
        {0, ChartKind::kNatal, 14, 19},
        {1, ChartKind::kAnnual, 12, 16},
        {0, ChartKind::kMoving, 12, 16},
    };
    for (const Case& c : cases) {
        settings_.iStarLayer = c.layer;
        Build(c.kind);
        const StarLayout& layout = c.kind == ChartKind::kNatal ? natal_ : working_;
        EXPECT_EQ(layout.labelFontSize, c.size) << c.layer;
        EXPECT_EQ(layout.labelWidth, c.width) << c.layer;
        EXPECT_EQ(layout.labelHeight, c.width) << c.layer;
        EXPECT_EQ(Members(layout), kChartPointCount);
    }
}

TEST_F(BuildStarLayoutTest, HiddenOuterPlanetsAreNotLaidOutYetStillMeasured) {
    settings_.bHideKing = true;
    for (int layer : {0, 1}) {
        settings_.iStarLayer = layer;
        Build(ChartKind::kNatal);
        EXPECT_EQ(Members(natal_), 12) << layer;
        for (int id = kUranus; id <= kPluto; ++id) EXPECT_EQ(FindPlacement(natal_, id), -1);
        const int16_t sunPlace = FindPlacement(natal_, kSun);
        ASSERT_GE(sunPlace, 0);
        const TAspectEntry& uranus = At(natal_, sunPlace).ownAspects.entries[kUranus];
        EXPECT_EQ(uranus.aspectIndex, 1) << layer;
        EXPECT_EQ(uranus.separation, 1);
        EXPECT_EQ(uranus.partnerPlace, -1);
    }
}

TEST_F(BuildStarLayoutTest, ASecondChartIsBuiltAfreshOverTheNatalRows) {
    Build(ChartKind::kNatal);
    const StarLayout natalBefore = natal_;
    working_.sectors[3].count = 15;
    working_.sectors[3].placements[14].aspectShowState = 2;
    Build(ChartKind::kAnnual);
    EXPECT_EQ(natal_, natalBefore);
    EXPECT_EQ(working_.sectors[3].placements[14].aspectShowState, 0);
    EXPECT_EQ(Members(working_), kChartPointCount);

    const int16_t natalSun = FindPlacement(natal_, kSun);
    const int16_t annualSun = FindPlacement(working_, kSun);
    ASSERT_GE(natalSun, 0);
    ASSERT_GE(annualSun, 0);
    const TAspectEntry& cross = At(working_, natalSun).natalCrossAspects.entries[kSun];
    EXPECT_EQ(cross.aspectIndex, 1);
    EXPECT_EQ(cross.separation, 1);
    EXPECT_EQ(cross.partnerPlace, annualSun);
    const TAspectEntry& other = At(working_, annualSun).otherAspects.entries[kSun];
    EXPECT_EQ(other.aspectIndex, 1);
    EXPECT_EQ(other.partnerPlace, natalSun);
    // The second chart's labels stand inside its own star circle.
    const StarPlacement& sun = At(working_, annualSun);
    const LabelPixel foot = TruncatePoint(sun.footPoint);
    const LabelPixel expected = DiskPixel(geometry_, 0.52f * 307, sun.screenAngle);
    EXPECT_EQ(foot.x, expected.x);
    EXPECT_EQ(foot.y, expected.y);
}

TEST_F(BuildStarLayoutTest, TheReportListsOnlyPartnersInAspect) {
    Build(ChartKind::kNatal);
    const int16_t sunPlace = FindPlacement(natal_, kSun);
    for (bool hideKing : {false, true}) {
        const std::vector<SectorReport> report = ReportStarLayout(natal_, definitions_, hideKing);
        ASSERT_EQ(report.size(), 12u);
        EXPECT_EQ(report[11].sector, 11);
        const PlacementReport& sun = report[sunPlace / 100].placements[sunPlace % 100];
        EXPECT_EQ(sun.id, kSun);
        EXPECT_EQ(sun.label.x, At(natal_, sunPlace).labelCentre.x);
        EXPECT_FLOAT_EQ(sun.angle, At(natal_, sunPlace).screenAngle);
        bool withUranus = false;
        for (const AspectReport& aspect : sun.own) {
            EXPECT_NE(aspect.aspect, 0);
            if (aspect.partner != kUranus) continue;
            withUranus = true;
            EXPECT_EQ(aspect.name, "守");
            EXPECT_EQ(aspect.separation, 1);
            EXPECT_EQ(aspect.partnerPlace, FindPlacement(natal_, kUranus));
        }
        EXPECT_EQ(withUranus, !hideKing);
    }
}

}  // namespace
}  // namespace tavrel
