#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "places/province_names.h"

#include "platform/ini_file.h"

namespace tavrel {

// The place file: a section per province of the first 34 entries of PROVINCE_NAME, a key per
// city in list order, each value "D:M*d:m" (degrees signed, east and north positive).
inline constexpr std::string_view kPlaceFilePath = "dat/address.ini";
inline constexpr std::string_view kDefaultCityValue = "120:0*30:0";
inline constexpr float kDefaultLongitude = 120;
inline constexpr float kDefaultLatitude = 30;

struct City {
    std::string name;
    float longitude = kDefaultLongitude;
    float latitude = kDefaultLatitude;
};

// Reads one value of the place file; false, with the outputs untouched, when it does not have
// the form (integers, minutes 0…59, longitude within ±180° and latitude within ±90°).
bool ParseCityValue(std::string_view value, float& longitude, float& latitude);

// The city list of province `province` in file order. A value that cannot be read gives that
// city 120°, 30° and the cities after it still load. The custom province 未知地 has the one city
// 未知地 at 120°, 30°; an index outside the list, a missing file or section give no cities.
std::vector<City> ReadProvinceCities(const IniFile& placeFile, int province);

// The input box of the quick search among the cities.
inline constexpr std::string_view kFindCityCaption = "输入";
inline constexpr std::string_view kFindCityPrompt = "输入县、市、区名：";

// The first city, in list order, whose name contains `answer` and is at most two characters
// longer; -1 when there is none or the answer is blank.
int FindCity(const std::vector<City>& cities, std::string_view answer);

// The place text of a chosen city: the province name directly followed by the city name.
std::string CityPlaceText(int province, std::string_view city);

// The city lists of all provinces of the place file, indexed as PROVINCE_NAME.
using PlaceList = std::array<std::vector<City>, kPlaceFileProvinceCount>;
PlaceList ReadPlaceList(const IniFile& placeFile);

// One city of the whole place file.
struct PlaceMatch {
    int province = 0;
    int city = 0;
    std::string provinceName;
    std::string cityName;
    float longitude = kDefaultLongitude;
    float latitude = kDefaultLatitude;
};

// Every city of every province that FindCity's rule accepts, in province and list order.
std::vector<PlaceMatch> FindPlaces(const PlaceList& places, std::string_view answer);

// A place as the chart request takes it, from a text such as "浙江省杭州", "浙江杭州" or "杭州".
struct PlaceChoice {
    int province = 0;
    int city = 0;
    std::string placeText;  // CityPlaceText of the chosen city
    float longitude = kDefaultLongitude;
    float latitude = kDefaultLatitude;
};

// In this order: a leading full province name picks the province and the rest names the city;
// a city named exactly so (or so with 市) in any province; a leading province name without its
// 省/市; a city FindCity accepts in any province. Within a province the city is the key equal to
// the rest, else the first one FindCity accepts, and a province alone picks its first city.
// False with a message in `error` when nothing fits.
bool ResolvePlace(const PlaceList& places, std::string_view text, PlaceChoice& choice,
                  std::string& error);

}  // namespace tavrel
