#include "chart/disk_geometry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_util.h"
#include "platform/fixed_font_metrics.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

DiskGeometry GeometryAt(int size) {
    DiskGeometry geometry;
    SetChartFontSize(geometry, size, FixedFontMetrics());
    return geometry;
}

TEST(SetChartFontSize, ImageAndDiskFollowTheCellOfTheFont) {
    struct Case {
        int size;
        int cell, width, height, radius, centre;
    };
    const Case cases[] = {
        {12, 16, 960, 854, 307, 310},
        {9, 12, 720, 640, 230, 233},
        {25, 33, 1980, 1762, 634, 637},
    };
    for (const Case& c : cases) {
        const DiskGeometry g = GeometryAt(c.size);
        EXPECT_EQ(g.fontSize, c.size);
        EXPECT_EQ(g.cellWidth, c.cell) << c.size;
        EXPECT_EQ(g.cellHeight, c.cell) << c.size;
        EXPECT_EQ(g.imageWidth, c.width) << c.size;
        EXPECT_EQ(g.imageHeight, c.height) << c.size;
        EXPECT_EQ(g.diskRadius, c.radius) << c.size;
        EXPECT_EQ(g.margin, 3);
        EXPECT_EQ(g.centreX, c.centre) << c.size;
        EXPECT_EQ(g.centreY, c.centre) << c.size;
    }
}

class FontStepTest : public ::testing::Test {
  protected:
    testing::TempFolder folder_;
    std::string path_ = folder_.File("set.ini");
    FixedFontMetrics metrics_;
};

TEST_F(FontStepTest, AStepInsideTheRangeIsAppliedAndSaved) {
    IniFile ini(path_);
    DiskGeometry g = GeometryAt(12);
    std::string error;
    ASSERT_TRUE(StepChartFontSize(g, 1, metrics_, ini, error)) << error;
    EXPECT_EQ(g.fontSize, 13);
    EXPECT_EQ(g.imageWidth, 60 * 17);
    EXPECT_EQ(IniFile(path_).ReadInteger("chart", "fontSize", 0), 13);
    EXPECT_EQ(StoredChartFontSize(IniFile(path_)), 13);
}

TEST_F(FontStepTest, StepsBelowNineOrAboveTwentyFiveChangeNothing) {
    IniFile seed(path_);
    ASSERT_TRUE(seed.WriteString("chart", "fontSize", "9"));
    const std::optional<std::string> before = ReadFileBytes(path_);
    ASSERT_TRUE(before);
    const auto written = std::filesystem::last_write_time(path_);
    for (const auto& [size, delta] : {std::pair{9, -1}, std::pair{25, 1}, std::pair{12, 14}}) {
        IniFile ini(path_);
        DiskGeometry g = GeometryAt(size);
        const DiskGeometry unchanged = g;
        std::string error;
        EXPECT_FALSE(StepChartFontSize(g, delta, metrics_, ini, error)) << size << delta;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(g.fontSize, unchanged.fontSize);
        EXPECT_EQ(g.imageWidth, unchanged.imageWidth);
        EXPECT_EQ(g.diskRadius, unchanged.diskRadius);
    }
    EXPECT_EQ(ReadFileBytes(path_), before);
    EXPECT_EQ(std::filesystem::last_write_time(path_), written);
}

TEST_F(FontStepTest, AnUnwritableFileKeepsTheZoomButSaysItWasNotSaved) {
    // A file where the folder of set.ini should be.
    IniFile(path_).WriteString("chart", "fontSize", "12");
    IniFile ini(path_ + "/set.ini");
    DiskGeometry g = GeometryAt(12);
    std::string error;
    EXPECT_FALSE(StepChartFontSize(g, -1, metrics_, ini, error));
    EXPECT_EQ(g.fontSize, 11);
    EXPECT_NE(error.find("set.ini/set.ini"), std::string::npos);
}

TEST_F(FontStepTest, AStoredSizeOutsideTheRangeGivesTheDefault) {
    IniFile ini(path_);
    for (const char* value : {"8", "26", "-3", "big", "25", "9"}) {
        ASSERT_TRUE(ini.WriteString("chart", "fontSize", value));
        const int expected = std::string(value) == "25" ? 25 : std::string(value) == "9" ? 9 : 12;
        EXPECT_EQ(StoredChartFontSize(ini), expected) << value;
    }
}

TEST(LongitudeToScreenAngle, ZeroLongitudeLiesBelowTheRightAndLongitudeRunsCounterClockwise) {
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(37.5f, 0.0f), 330.0f);  // -30°
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(22.5f, 0.0f), 315.0f);  // -45°
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(37.5f, 30.0f), 0.0f);
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(37.5f, 120.0f), 90.0f);
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(37.5f, 359.5f), 329.5f);
    EXPECT_FLOAT_EQ(LongitudeToScreenAngle(22.5f, 45.0f), 0.0f);
}

TEST(DiskPixel, CoordinatesAreTruncatedTowardZero) {
    const DiskGeometry g = GeometryAt(12);
    struct Case {
        float radius, angle;
        int x, y;
    };
    const Case cases[] = {
        {100.0f, 0.0f, 410, 310},   {100.0f, 90.0f, 310, 210}, {100.0f, 180.0f, 210, 310},
        {100.0f, 270.0f, 310, 410}, {100.0f, 45.0f, 380, 239},  // 380.71, 239.29
        {214.9f, 330.0f, 496, 417},                             // 0.7R at longitude 0
    };
    for (const Case& c : cases) {
        const LabelPixel p = DiskPixel(g, c.radius, c.angle);
        EXPECT_EQ(p.x, c.x) << c.angle;
        EXPECT_EQ(p.y, c.y) << c.angle;
    }
    const FloatPoint exact = DiskPoint(g, 100.0f, 45.0f);
    EXPECT_NEAR(exact.x, 380.7107f, 1e-3f);
    EXPECT_NEAR(exact.y, 239.2893f, 1e-3f);
}

}  // namespace
}  // namespace tavrel
