#include "chart/chart_settings.h"

#include <gtest/gtest.h>

#include "chart/load_settings.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class ChartSettingsTest : public ::testing::Test {
  protected:
    void Write(const std::string& utf8) {
        ASSERT_TRUE(WriteFileAtomically(path_, Utf8ToGbk(utf8)));
    }

    TempFolder folder_;
    std::string path_ = folder_.File("dat/set.ini");
};

TEST_F(ChartSettingsTest, MissingFileGivesEveryDefault) {
    const IniFile ini(path_);
    const TChartSettings s = ReadChartSettings(ini);
    EXPECT_EQ(s, TChartSettings{});
    EXPECT_EQ(s.npos, 3);
    EXPECT_EQ(s.bkcolor, 16777215);
    EXPECT_EQ(s.iStarLayer, 1);
    EXPECT_TRUE(s.bLightColor);
    EXPECT_EQ(ReadChartFontSize(ini), 12);
    EXPECT_EQ(ReadFormFontSettings(ini), TFormFontSettings{});
    EXPECT_EQ(ActiveStarCount(s), 14);
    EXPECT_FLOAT_EQ(BaseAngle(s), 37.5F);
}

TEST_F(ChartSettingsTest, ReadsEveryKey) {
    Write(
        "[tavrel]\r\nguidao=1\r\nluoji=1\r\nnpos=7\r\nmgong=2\r\nsgong=3\r\nmingdu=1\r\n"
        "shendu=1\r\niDate=2\r\nb12Gong=1\r\niTilt=1\r\nbHideKing=5\r\nbkcolor=255\r\nzishi=3\r\n"
        "iCaiName=1\r\niYunLi=3\r\niStarLayer=0\r\niTongXian=2\r\niDongCalc=1\r\n"
        "bLightColor=0\r\nbZiCenter=1\r\n[chart]\r\nfontSize=15\r\n"
        "[set]\r\niFontSizeVar=-2\r\nbChangeMenuSize=1\r\n");
    const IniFile ini(path_);
    const TChartSettings s = ReadChartSettings(ini);
    const TChartSettings expected{1,    1,   7, 2, 3, 1, 1, 2, true,  1,
                                  true, 255, 3, 1, 3, 0, 2, 1, false, true};
    EXPECT_EQ(s, expected);
    EXPECT_EQ(ActiveStarCount(s), 11);
    EXPECT_FLOAT_EQ(BaseAngle(s), 22.5F);
    EXPECT_EQ(ReadChartFontSize(ini), 15);
    EXPECT_EQ(ReadFormFontSettings(ini), (TFormFontSettings{-2, true}));
}

TEST_F(ChartSettingsTest, ValuesOutsideTheirChoicesTakeTheDefault) {
    Write("[tavrel]\nmgong=3\nsgong=-1\nnpos=0\nzishi=4\nbkcolor=16777216\niDate=x\nguidao=2\n");
    EXPECT_EQ(ReadChartSettings(IniFile(path_)), TChartSettings{});
}

TEST_F(ChartSettingsTest, FontSizeIsWrittenBack) {
    IniFile ini(path_);
    ASSERT_TRUE(WriteChartFontSize(ini, 18));
    EXPECT_EQ(ReadChartFontSize(IniFile(path_)), 18);
}

TEST_F(ChartSettingsTest, LoadSettingsReadsBothSections) {
    Write("[tavrel]\nguidao=1\n[xiang]\nxiangWei0=对*180*5*255\n");
    IniFile ini(path_);
    const TChartConfiguration c = LoadSettings(ini);
    EXPECT_EQ(c.settings.guidao, 1);
    ASSERT_EQ(c.aspects.count, 1);
    EXPECT_EQ(c.aspects.items[0].orb, 5);
}

}  // namespace
}  // namespace tavrel
