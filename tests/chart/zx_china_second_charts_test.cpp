#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "chart/star_list.h"
#include "chart/xiang_lists.h"
#include "chart/zx_china.h"
#include "platform/fixed_font_metrics.h"
#include "platform/ini_file.h"
#include "support/birth_request.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

TChartRequest Birth(int year, int month, int day, int hour, int minute, int zone = 8) {
    TChartRequest request = testing::BirthAt(year, month, day, hour, minute);
    request.zone = static_cast<uint8_t>(zone);
    return request;
}

double ZoneJd(int year, int month, int day, int hour, int minute) {
    return JdOfDate(TDateRec{static_cast<int16_t>(year), static_cast<int16_t>(month),
                             static_cast<int16_t>(day), static_cast<int16_t>(hour),
                             static_cast<int16_t>(minute)});
}

int Placements(const StarLayout& layout) {
    int n = 0;
    for (const SectorBlock& block : layout.sectors) n += block.count;
    return n;
}

const StarPlacement& PlacementOf(const StarLayout& layout, int id) {
    const int place = FindPlacement(layout, id);
    return layout.sectors[place / 100].placements[place % 100];
}

class ZxChinaSecondCharts : public ::testing::Test {
  protected:
    void Set(const char* key, int value) {
        IniFile ini(settings_);
        ASSERT_TRUE(ini.WriteInteger("tavrel", key, value));
    }
    std::unique_ptr<CZxChina> NewChart() { return std::make_unique<CZxChina>(settings_, metrics_); }

    testing::TempFolder folder_;
    std::string settings_ = folder_.File("set.ini");
    FixedFontMetrics metrics_;
    std::unique_ptr<CZxChina> chart_ = NewChart();
};

TEST_F(ZxChinaSecondCharts, CastLaysOutTheNatalAndMovingCharts) {
    ASSERT_TRUE(chart_->Cast(Birth(1984, 2, 10, 9, 30)));
    EXPECT_EQ(chart_->chartKind(), 0);
    // The default 12-point font is 16 pixels high in the fixed metrics.
    const DiskGeometry& disk = chart_->Geometry();
    EXPECT_EQ(disk.imageWidth, 960);
    EXPECT_EQ(disk.diskRadius, 307);
    EXPECT_FLOAT_EQ(disk.baseAngle, 37.5F);
    const TSquareBounds square = NatalSquareBounds(16, 16, 307);
    for (const TPalaceTable* table : {&chart_->NatalTable(), &chart_->MovingTable()}) {
        EXPECT_EQ(table->bounds.right, square.right);
        EXPECT_EQ(table->bounds.bottom, square.bottom);
    }

    const TChartLayouts& layouts = chart_->Layouts();
    EXPECT_EQ(Placements(layouts.natal), kChartPointCount);
    for (int id = 0; id < kChartPointCount; ++id) {
        const StarPlacement& placement = PlacementOf(layouts.natal, id);
        for (int k = 0; k < kChartPointCount; ++k) {
            const TAspectEntry& entry = placement.ownAspects.entries[k];
            if (entry.aspectIndex != 0) {
                EXPECT_EQ(entry.partnerPlace, FindPlacement(layouts.natal, k));
            }
        }
    }
    StarLayout copy{};
    ASSERT_TRUE(chart_->GetStarLayout(2, copy));
    EXPECT_EQ(copy, layouts.moving);
    EXPECT_EQ(Placements(layouts.moving), kChartPointCount);

    // The two life degrees stand together; their 0° says nothing and is gone from both sides.
    const TPositionSheet& moving = chart_->MovingSheet();
    EXPECT_EQ(moving.points[kLifeDegree].longitude, chart_->Natal().points[kLifeDegree].longitude);
    EXPECT_EQ(
        PlacementOf(layouts.moving, kLifeDegree).otherAspects.entries[kLifeDegree].aspectIndex, 0);
    const int natalLife = FindPlacement(layouts.natal, kLifeDegree);
    const TAspectEntry& cross = layouts.moving.sectors[natalLife / 100]
                                    .placements[natalLife % 100]
                                    .natalCrossAspects.entries[kLifeDegree];
    EXPECT_EQ(cross.aspectIndex, 0);
    EXPECT_EQ(cross.separation, 0);

    int stars = 0;
    for (const TPalaceCell& cell : chart_->MovingTable().cells) stars += cell.starCount;
    EXPECT_EQ(stars, kStarCount);
    EXPECT_EQ(chart_->MovingTable().cells[0].spiritCount,
              chart_->NatalTable().cells[0].spiritCount);
}

TEST_F(ZxChinaSecondCharts, HourMethodPutsTheSunInTheBirthHourPalace) {
    Set("iDongCalc", 1);
    Set("bHideKing", 1);
    ASSERT_TRUE(chart_->Cast(Birth(2024, 11, 3, 12, 10)));  // the 午 hour
    const TPlacedPoint& sun = chart_->MovingSheet().points[kSun];
    EXPECT_EQ(sun.palace, 7);
    EXPECT_NEAR(sun.degreeInSign, chart_->Natal().points[kSun].degreeInSign, 1e-9);
    // Uranus, Neptune and Pluto are neither laid out nor counted in the tables.
    for (const StarLayout* layout : {&chart_->Layouts().natal, &chart_->Layouts().moving}) {
        EXPECT_EQ(Placements(*layout), kChartPointCount - 3);
        EXPECT_EQ(FindPlacement(*layout, kPluto), -1);
    }
}

// An annual chart shows the sky of its moment: the stars a natal chart cast then would show.
TEST_F(ZxChinaSecondCharts, AnnualStarsAreThoseOfANatalChartOfTheMoment) {
    for (const int guidao : {0, 1}) {
        Set("guidao", guidao);
        for (const int zone : {8, 1}) {
            ASSERT_TRUE(chart_->Cast(Birth(1984, 2, 10, 9, 30, zone)));
            ASSERT_TRUE(chart_->CastAnnualChart(ZoneJd(2026, 12, 11, 14, 35)))
                << chart_->lastError();
            EXPECT_EQ(chart_->chartKind(), 1);
            const TAnnualState& annual = chart_->Annual();
            EXPECT_NEAR(annual.jdBeijing, ZoneJd(2026, 12, 11, 14, 35) + (8 - zone) / 24.0, 1e-9);

            std::unique_ptr<CZxChina> then = NewChart();
            ASSERT_TRUE(then->Cast(Birth(2026, 12, 11, 14, 35, zone)));
            const TPositionSheet& sheet = chart_->AnnualSheet();
            for (int star = 0; star < kStarCount; ++star) {
                EXPECT_NEAR(sheet.points[star].longitude, then->Natal().points[star].longitude,
                            1e-9)
                    << guidao << " " << zone << " " << star;
                EXPECT_EQ(sheet.points[star].motion, then->Natal().points[star].motion) << star;
            }
            EXPECT_NEAR(sheet.points[kLifeDegree].longitude, annual.runningLongitude, 1e-4);
            EXPECT_EQ(annual.pillars.year, then->Time().yearPillar);
            EXPECT_EQ(annual.pillars.month, then->Time().monthPillar);
            // The annual chart keeps the natal palaces.
            EXPECT_EQ(sheet.lifePalace.longitude, chart_->Natal().lifePalace.longitude);

            StarLayout copy{};
            ASSERT_TRUE(chart_->GetStarLayout(1, copy));
            EXPECT_EQ(copy, chart_->Layouts().annual);
            EXPECT_EQ(Placements(copy), kChartPointCount);
            int spirits = 0;
            for (const TPalaceCell& cell : chart_->AnnualTable().cells) {
                spirits += cell.spiritCount;
            }
            EXPECT_EQ(spirits, kStarSpiritCount);
        }
    }
}

TEST_F(ZxChinaSecondCharts, FailedAnnualChartKeepsTheLastOne) {
    EXPECT_FALSE(chart_->CastAnnualChart(ZoneJd(2026, 12, 11, 14, 35)));
    EXPECT_EQ(chart_->lastError(), "请先排一个本命盘。");

    ASSERT_TRUE(chart_->Cast(Birth(1984, 2, 10, 9, 30)));
    ASSERT_TRUE(chart_->CastAnnualChart(ZoneJd(2026, 12, 11, 14, 35)));
    const double shown = chart_->Annual().jdBeijing;
    const StarLayout layout = chart_->Layouts().annual;
    const uint8_t stars = chart_->AnnualTable().cells[0].starCount;
    EXPECT_FALSE(chart_->CastAnnualChart(ZoneJd(1984, 2, 10, 9, 0)));
    EXPECT_EQ(chart_->lastError(), "流年时间应在行限范围内！");
    EXPECT_EQ(chart_->Annual().jdBeijing, shown);
    EXPECT_EQ(chart_->Layouts().annual, layout);
    EXPECT_EQ(chart_->AnnualTable().cells[0].starCount, stars);

    // A failed natal cast leaves no chart to read an annual moment against.
    EXPECT_FALSE(chart_->Cast(Birth(2201, 1, 1, 12, 0)));
    EXPECT_EQ(Placements(chart_->Layouts().natal), 0);
    EXPECT_EQ(Placements(chart_->Layouts().moving), 0);
    EXPECT_EQ(chart_->Annual().jdBeijing, 0);
    EXPECT_FALSE(chart_->CastAnnualChart(ZoneJd(2026, 12, 11, 14, 35)));
    EXPECT_EQ(chart_->lastError(), "请先排一个本命盘。");
}

// Fifty births 1600-2200 with shuffled settings: each casts, takes its default annual moment
// (the clock fixed) and casts the annual chart there, which the grid holds to the double hour.
TEST_F(ZxChinaSecondCharts, RandomBirthsCastWithTheirDefaultAnnualChart) {
    std::mt19937 random(1211);
    for (int n = 0; n < 50; ++n) {
        Set("guidao", static_cast<int>(random() % 2));
        Set("iTongXian", static_cast<int>(random() % 3));
        Set("iDongCalc", static_cast<int>(random() % 2));
        Set("iStarLayer", static_cast<int>(random() % 2));
        Set("zishi", static_cast<int>(random() % 4));
        Set("bHideKing", static_cast<int>(random() % 2));
        const TChartRequest birth =
            Birth(1600 + static_cast<int>(random() % 601), 1 + static_cast<int>(random() % 12),
                  1 + static_cast<int>(random() % 28), static_cast<int>(random() % 24),
                  static_cast<int>(random() % 60), static_cast<int>(random() % 24));
        ASSERT_TRUE(chart_->Cast(birth)) << n << " " << birth.year << " " << chart_->lastError();
        ASSERT_TRUE(chart_->DefaultAnnualMoment({2026, 12, 11, 14, 30}))
            << n << " " << chart_->lastError();
        ASSERT_TRUE(chart_->CastChosenAnnualChart()) << n << " " << chart_->lastError();
        const TTimeGrid& grid = chart_->Grid();
        EXPECT_NEAR(chart_->Annual().jdBeijing, grid.chosenMoment, 1e-9) << n;
        const TGridRow& hour =
            grid.levels[4].rows[static_cast<size_t>(grid.selections[4].selected)];
        EXPECT_LE(hour.start, grid.chosenMoment) << n;
        EXPECT_LT(grid.chosenMoment, hour.end) << n;
        EXPECT_EQ(Placements(chart_->Layouts().annual), chart_->activeStarCount() + 1) << n;
    }
}

}  // namespace
}  // namespace tavrel
