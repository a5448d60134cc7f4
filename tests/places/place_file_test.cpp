#include "places/place_file.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class PlaceFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileAtomically(path_, Utf8ToGbk("[福建省]\r\n"
                                                         "福州=119:18*26:5\r\n"
                                                         "福州市区=119:19*26:4\r\n"
                                                         "福州经济开发区=119:20*26:3\r\n"
                                                         "厦门=118:5*24:29\r\n"
                                                         "[北京市]\r\n"
                                                         "北京=116:28*39:54\r\n"
                                                         "朝阳区=116:26*39:55\r\n"
                                                         "[辽宁省]\r\n"
                                                         "沈阳=123:25*41:48\r\n"
                                                         "坏值=123-25*41:48\r\n"
                                                         "朝阳=120:27*41:34\r\n"
                                                         "[吉林省]\r\n"
                                                         "长春=125:19*43:49\r\n"
                                                         "吉林=126:33*43:50\r\n"
                                                         "[浙江省]\r\n"
                                                         "杭州=120:12*30:15\r\n"
                                                         "西湖区=120:8*30:16\r\n")));
    }

    TempFolder folder_;
    std::string path_ = folder_.File("address.ini");
    IniFile File() const { return IniFile(path_); }
};

TEST(ParseCityValue, ReadsSignedDegreesAndMinutes) {
    float longitude = 0;
    float latitude = 0;
    ASSERT_TRUE(ParseCityValue("116:28*39:54", longitude, latitude));
    EXPECT_FLOAT_EQ(longitude, 116 + 28 / 60.0f);
    EXPECT_FLOAT_EQ(latitude, 39.9f);
    ASSERT_TRUE(ParseCityValue("-73:58*-33:27", longitude, latitude));
    EXPECT_FLOAT_EQ(longitude, -(73 + 58 / 60.0f));
    EXPECT_FLOAT_EQ(latitude, -(33 + 27 / 60.0f));
    for (const char* bad : {"", "116:28", "116:28*", "116*39:54", "116:60*39:54", "181:0*39:54",
                            "116:28*90:30", "116:2x*39:54", "a:b*c:d"}) {
        longitude = latitude = 1;
        EXPECT_FALSE(ParseCityValue(bad, longitude, latitude)) << bad;
        EXPECT_EQ(longitude, 1) << bad;
    }
}

TEST_F(PlaceFileTest, ABadValueGetsTheDefaultAndTheRestStillLoads) {
    const std::vector<City> cities = ReadProvinceCities(File(), 6);
    ASSERT_EQ(cities.size(), 3u);
    EXPECT_EQ(cities[1].name, "坏值");
    EXPECT_EQ(cities[1].longitude, 120);
    EXPECT_EQ(cities[1].latitude, 30);
    EXPECT_EQ(cities[2].name, "朝阳");
    EXPECT_FLOAT_EQ(cities[2].longitude, 120 + 27 / 60.0f);
}

TEST_F(PlaceFileTest, CityListsOfTheCustomProvinceAndOfMissingOnes) {
    const std::vector<City> custom = ReadProvinceCities(File(), 34);
    ASSERT_EQ(custom.size(), 1u);
    EXPECT_EQ(custom[0].name, "未知地");
    EXPECT_EQ(custom[0].longitude, 120);
    EXPECT_EQ(custom[0].latitude, 30);
    EXPECT_TRUE(ReadProvinceCities(File(), 3).empty());
    EXPECT_TRUE(ReadProvinceCities(File(), 35).empty());
    EXPECT_TRUE(ReadProvinceCities(IniFile(folder_.File("none.ini")), 0).empty());
}

TEST_F(PlaceFileTest, FindCityAllowsAtMostTwoMoreCharacters) {
    const std::vector<City> cities = ReadProvinceCities(File(), 0);
    EXPECT_EQ(FindCity(cities, "福州"), 0);
    EXPECT_EQ(FindCity({cities.begin() + 1, cities.end()}, "福州"), 0);   // 福州市区
    EXPECT_EQ(FindCity({cities.begin() + 2, cities.end()}, "福州"), -1);  // five more
    EXPECT_EQ(FindCity(cities, " 厦门 "), 3);
    EXPECT_EQ(FindCity(cities, "上海"), -1);
    EXPECT_EQ(FindCity(cities, ""), -1);
}

TEST_F(PlaceFileTest, PlaceTextIsProvinceThenCity) {
    const std::vector<City> cities = ReadProvinceCities(File(), 1);
    EXPECT_EQ(CityPlaceText(1, cities[0].name), "北京市北京");
    EXPECT_FLOAT_EQ(cities[0].latitude, 39.9f);
    EXPECT_EQ(CityPlaceText(0, "福州"), "福建省福州");
}

TEST_F(PlaceFileTest, FindPlacesSearchesEveryProvince) {
    const std::vector<PlaceMatch> matches = FindPlaces(ReadPlaceList(File()), "朝阳");
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].provinceName, "北京市");
    EXPECT_EQ(matches[0].cityName, "朝阳区");
    EXPECT_EQ(matches[1].province, 6);
    EXPECT_EQ(matches[1].city, 2);
    EXPECT_FLOAT_EQ(matches[1].latitude, 41 + 34 / 60.0f);
}

TEST_F(PlaceFileTest, ResolvePlaceTakesProvinceAndCityFromTheText) {
    const PlaceList places = ReadPlaceList(File());
    struct Case {
        const char* text;
        int province;
        int city;
        const char* placeText;
    };
    const Case cases[] = {
        {"浙江省杭州", 11, 0, "浙江省杭州"},
        {"浙江杭州", 11, 0, "浙江省杭州"},
        {"浙江省 西湖区", 11, 1, "浙江省西湖区"},
        {"浙江省西湖", 11, 1, "浙江省西湖区"},
        {"杭州", 11, 0, "浙江省杭州"},
        {"杭州市", 11, 0, "浙江省杭州"},
        {"吉林", 7, 1, "吉林省吉林"},
        {"吉林省", 7, 0, "吉林省长春"},
        {"北京", 1, 0, "北京市北京"},
        {"朝阳", 6, 2, "辽宁省朝阳"},
        {"朝阳区", 1, 1, "北京市朝阳区"},
    };
    for (const Case& c : cases) {
        PlaceChoice choice;
        std::string error;
        ASSERT_TRUE(ResolvePlace(places, c.text, choice, error)) << c.text;
        EXPECT_EQ(choice.province, c.province) << c.text;
        EXPECT_EQ(choice.city, c.city) << c.text;
        EXPECT_EQ(choice.placeText, c.placeText) << c.text;
    }
    PlaceChoice choice;
    std::string error;
    ASSERT_TRUE(ResolvePlace(places, "浙江省杭州", choice, error));
    EXPECT_FLOAT_EQ(choice.longitude, 120.2f);
    EXPECT_FLOAT_EQ(choice.latitude, 30.25f);
    for (const char* text : {"", "浙江省宁波", "纽约", "未知地"}) {
        EXPECT_FALSE(ResolvePlace(places, text, choice, error)) << text;
        EXPECT_NE(error.find("地点文件中没有"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace tavrel
