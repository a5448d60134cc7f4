#include "places/place_settings.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class PlaceSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileAtomically(
            placePath_, Utf8ToGbk("[福建省]\r\n福州=119:18*26:5\r\n厦门=118:5*24:29\r\n")));
    }
    void WriteSettings(const std::string& utf8) {
        ASSERT_TRUE(WriteFileAtomically(settingsPath_, Utf8ToGbk(utf8)));
    }

    TempFolder folder_;
    std::string placePath_ = folder_.File("dat/address.ini");
    std::string settingsPath_ = folder_.File("dat/tavrelinit.ini");
    IniFile PlaceFile() const { return IniFile(placePath_); }
};

TEST_F(PlaceSettingsTest, FirstStartIsTheUnknownPlaceAt120And30) {
    const PlaceState state = RestorePlaceState(IniFile(settingsPath_), PlaceFile());
    EXPECT_EQ(state.province, 34);
    ASSERT_EQ(state.cities.size(), 1u);
    EXPECT_EQ(state.cities[0].name, "未知地");
    EXPECT_EQ(state.city, 0);
    EXPECT_EQ(state.placeText, "未知地");
    EXPECT_EQ(state.coordinateTexts.longitude, "120:0");
    EXPECT_EQ(state.coordinateTexts.latitude, "30:0");
    EXPECT_EQ(state.customPlace.name, "未知地");
    EXPECT_EQ(state.customPlace.longitude, 120);
}

TEST_F(PlaceSettingsTest, RestoresTheSavedCityAndPlace) {
    WriteSettings(
        "[address]\r\niProv=0\r\niCity=1\r\nname=福建省厦门\r\nfLong=118.1\r\nflat=24.5\r\n");
    const PlaceState state = RestorePlaceState(IniFile(settingsPath_), PlaceFile());
    EXPECT_EQ(state.province, 0);
    EXPECT_EQ(state.cities.size(), 2u);
    EXPECT_EQ(state.city, 1);
    EXPECT_EQ(state.placeText, "福建省厦门");
    EXPECT_FLOAT_EQ(state.latitude, 24.5f);
    EXPECT_EQ(state.coordinateTexts.longitude, "118:6");
    EXPECT_EQ(state.coordinateTexts.latitude, "24:30");
    EXPECT_EQ(state.customPlace.name, "未知地");  // not the custom province, no common place
}

TEST_F(PlaceSettingsTest, OutOfRangeIndexesFallBack) {
    WriteSettings("[address]\r\niProv=0\r\niCity=5\r\n");
    EXPECT_EQ(RestorePlaceState(IniFile(settingsPath_), PlaceFile()).city, 0);
    WriteSettings("[address]\r\niProv=77\r\niCity=-3\r\n");
    const PlaceState state = RestorePlaceState(IniFile(settingsPath_), PlaceFile());
    EXPECT_EQ(state.province, 34);
    EXPECT_EQ(state.city, 0);
}

TEST_F(PlaceSettingsTest, TheCustomPlaceComesFromCommAddrElseFromTheSavedCustomPlace) {
    WriteSettings("[address]\r\niProv=34\r\nname=纽约\r\nfLong=-73.9667\r\nfLat=40.7833\r\n");
    PlaceState state = RestorePlaceState(IniFile(settingsPath_), PlaceFile());
    EXPECT_EQ(state.customPlace.name, "纽约");
    EXPECT_FLOAT_EQ(state.customPlace.longitude, -73.9667f);
    EXPECT_EQ(state.coordinateTexts.longitude, "-73:58");

    WriteSettings(
        "[address]\r\niProv=34\r\nname=纽约\r\n[CommAddr]\r\nname=伦敦\r\nlong=-0 7\r\n"
        "lat=51.30\r\n");
    state = RestorePlaceState(IniFile(settingsPath_), PlaceFile());
    EXPECT_EQ(state.customPlace.name, "伦敦");
    EXPECT_FLOAT_EQ(state.customPlace.longitude, -7 / 60.0f);
    EXPECT_FLOAT_EQ(state.customPlace.latitude, 51.5f);
}

TEST_F(PlaceSettingsTest, CloseWritesTheFiveKeysWithLatitudeAsFlat) {
    IniFile settings(settingsPath_);
    ASSERT_TRUE(WritePlaceSettings(settings, {0, 1, "福建省厦门", 118.1f, 24.5f}));
    const std::string text = GbkToUtf8(ReadFileBytes(settingsPath_).value_or(""));
    EXPECT_NE(text.find("flat="), std::string::npos);
    EXPECT_EQ(text.find("fLat="), std::string::npos);
    const PlaceSettings back = ReadPlaceSettings(IniFile(settingsPath_));
    EXPECT_EQ(back.province, 0);
    EXPECT_EQ(back.city, 1);
    EXPECT_EQ(back.placeText, "福建省厦门");
    EXPECT_FLOAT_EQ(back.longitude, 118.1f);
    EXPECT_FLOAT_EQ(back.latitude, 24.5f);
}

}  // namespace
}  // namespace tavrel
