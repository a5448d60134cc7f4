#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "places/place_file.h"
#include "places/province_names.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"

namespace tavrel {
namespace {

const std::string kShippedFile = std::string(TAVREL_SOURCE_DIR) + "/data/dat/address.ini";

// Section names and the number of key lines under each, straight from the file's lines.
std::vector<std::pair<std::string, int>> RawSections() {
    const std::string text = GbkToUtf8(ReadFileBytes(kShippedFile).value_or(""));
    std::vector<std::pair<std::string, int>> sections;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[")) {
            sections.emplace_back(line.substr(1, line.size() - 2), 0);
        } else if (line.find('=') != std::string::npos && !sections.empty()) {
            ++sections.back().second;
        }
        start = end + 1;
    }
    return sections;
}

TEST(ShippedPlaceFile, HasTheProvincesInOrderWithUniqueKeys) {
    const std::vector<std::pair<std::string, int>> sections = RawSections();
    ASSERT_EQ(sections.size(), static_cast<std::size_t>(kPlaceFileProvinceCount));
    const IniFile file(kShippedFile);
    std::size_t total = 0;
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        const auto& [name, keyLines] = sections[static_cast<std::size_t>(province)];
        EXPECT_EQ(name, ProvinceName(province));
        // ReadSection names each key once, so a repeated key would make it come up short.
        const std::vector<std::string> keys = file.ReadSection(name);
        EXPECT_EQ(keys.size(), static_cast<std::size_t>(keyLines)) << name;
        EXPECT_GT(keys.size(), 0u) << name;
        total += keys.size();
    }
    EXPECT_GE(total, 2500u);
}

TEST(ShippedPlaceFile, EveryValueReadsAndLiesInChina) {
    const IniFile file(kShippedFile);
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        const std::string_view section = ProvinceName(province);
        for (const std::string& key : file.ReadSection(section)) {
            float longitude = 0;
            float latitude = 0;
            ASSERT_TRUE(ParseCityValue(file.ReadString(section, key, ""), longitude, latitude))
                << section << key;
            EXPECT_TRUE(longitude >= 73 && longitude <= 136 && latitude >= 3 && latitude <= 54)
                << section << key << " " << longitude << " " << latitude;
        }
    }
}

TEST(ShippedPlaceFile, CitiesLieWithinThreeMinutesOfTheirPublishedCoordinates) {
    struct Case {
        int province;
        const char* city;
        double longitude;  // WGS-84 city centres
        double latitude;
    };
    const Case cases[] = {
        {1, "北京", 116.3975, 39.9087},     {9, "上海", 121.4737, 31.2304},
        {18, "广州", 113.2644, 23.1291},    {21, "成都", 104.0633, 30.6600},
        {25, "拉萨", 91.1172, 29.6469},     {8, "哈尔滨", 126.5350, 45.8038},
        {0, "福州", 119.2965, 26.0745},     {16, "武汉", 114.3055, 30.5928},
        {26, "西安", 108.9398, 34.3416},    {31, "台北", 121.5654, 25.0330},
        {30, "乌鲁木齐", 87.6168, 43.8256}, {24, "昆明", 102.8329, 24.8801},
    };
    const PlaceList places = ReadPlaceList(IniFile(kShippedFile));
    for (const Case& c : cases) {
        const std::vector<City>& cities = places[static_cast<std::size_t>(c.province)];
        const int index = FindCity(cities, c.city);
        ASSERT_GE(index, 0) << c.city;
        const City& city = cities[static_cast<std::size_t>(index)];
        EXPECT_EQ(city.name, c.city);
        EXPECT_LE(std::fabs(city.longitude - c.longitude) * 60, 3.0) << c.city;
        EXPECT_LE(std::fabs(city.latitude - c.latitude) * 60, 3.0) << c.city;
    }
}

TEST(ShippedPlaceFile, ThePlaceOfACastResolvesToProvinceCityAndCoordinates) {
    const PlaceList places = ReadPlaceList(IniFile(kShippedFile));
    PlaceChoice choice;
    std::string error;
    ASSERT_TRUE(ResolvePlace(places, "浙江省杭州", choice, error)) << error;
    EXPECT_EQ(choice.province, 11);
    EXPECT_EQ(places[11][static_cast<std::size_t>(choice.city)].name, "杭州");
    EXPECT_EQ(choice.placeText, "浙江省杭州");
    EXPECT_FLOAT_EQ(choice.longitude, 120.2f);
    EXPECT_FLOAT_EQ(choice.latitude, 30.25f);
    // A county named in two cities of a province is told apart by its city.
    ASSERT_TRUE(ResolvePlace(places, "江苏省鼓楼区(徐州)", choice, error)) << error;
    EXPECT_EQ(choice.placeText, "江苏省鼓楼区(徐州)");
}

}  // namespace
}  // namespace tavrel
