#include "places/place_file.h"

#include <cmath>
#include <cstdlib>

#include "places/integer_text.h"
#include "places/province_names.h"
#include "platform/string_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

// Two characters, counted as GBK bytes the way the names are limited everywhere else.
constexpr std::size_t kFindSlackBytes = 4;

bool ParseDegreesMinutes(std::string_view text, int maxDegrees, double& value) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view degreesText = Trim(text.substr(0, colon));
    int degrees = 0;
    int minutes = 0;
    if (!ParseWholeInteger(degreesText, degrees) ||
        !ParseWholeInteger(Trim(text.substr(colon + 1)), minutes)) {
        return false;
    }
    if (minutes < 0 || minutes > 59 || std::abs(degrees) > maxDegrees) return false;
    const bool negative = degrees < 0 || (degrees == 0 && degreesText.front() == '-');
    value = (std::abs(degrees) + minutes / 60.0) * (negative ? -1 : 1);
    return std::abs(value) <= maxDegrees;
}

bool Accepts(std::string_view name, std::string_view answer) {
    return name.find(answer) != std::string_view::npos &&
           GbkByteLength(name) <= GbkByteLength(answer) + kFindSlackBytes;
}

constexpr std::string_view kCitySuffix = "市";

// The province a text starts with, by its full name or, with `shortForm`, without its 省/市;
// -1 when none.
int LeadingProvince(std::string_view text, bool shortForm, std::string_view& rest) {
    for (int index = 0; index < kPlaceFileProvinceCount; ++index) {
        std::string_view name = ProvinceName(index);
        if (shortForm) {
            if (!name.ends_with("省") && !name.ends_with(kCitySuffix)) continue;
            name.remove_suffix(kCitySuffix.size());
        }
        if (text.starts_with(name)) {
            rest = Trim(text.substr(name.size()));
            return index;
        }
    }
    return -1;
}

int FindEqualCity(const std::vector<City>& cities, std::string_view name) {
    std::string_view bare = name;
    if (bare.ends_with(kCitySuffix)) bare.remove_suffix(kCitySuffix.size());
    for (const std::string_view wanted : {name, bare}) {
        for (std::size_t index = 0; index < cities.size(); ++index) {
            if (!wanted.empty() && cities[index].name == wanted) return static_cast<int>(index);
        }
    }
    return -1;
}

bool Choose(const PlaceList& places, int province, int city, PlaceChoice& choice) {
    const std::vector<City>& cities = places[static_cast<std::size_t>(province)];
    if (city < 0 || static_cast<std::size_t>(city) >= cities.size()) return false;
    const City& chosen = cities[static_cast<std::size_t>(city)];
    choice.province = province;
    choice.city = city;
    choice.placeText = CityPlaceText(province, chosen.name);
    choice.longitude = chosen.longitude;
    choice.latitude = chosen.latitude;
    return true;
}

bool ChooseInProvince(const PlaceList& places, int province, std::string_view rest,
                      PlaceChoice& choice) {
    const std::vector<City>& cities = places[static_cast<std::size_t>(province)];
    int city = rest.empty() ? 0 : FindEqualCity(cities, rest);
    if (city < 0) city = FindCity(cities, rest);
    return Choose(places, province, city, choice);
}

bool ChooseAnywhere(const PlaceList& places, std::string_view text, bool equal,
                    PlaceChoice& choice) {
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        const std::vector<City>& cities = places[static_cast<std::size_t>(province)];
        const int city = equal ? FindEqualCity(cities, text) : FindCity(cities, text);
        if (city >= 0) return Choose(places, province, city, choice);
    }
    return false;
}

}  // namespace

bool ParseCityValue(std::string_view value, float& longitude, float& latitude) {
    const std::size_t star = value.find('*');
    if (star == std::string_view::npos) return false;
    double longitudeValue = 0;
    double latitudeValue = 0;
    if (!ParseDegreesMinutes(Trim(value.substr(0, star)), 180, longitudeValue) ||
        !ParseDegreesMinutes(Trim(value.substr(star + 1)), 90, latitudeValue)) {
        return false;
    }
    longitude = static_cast<float>(longitudeValue);
    latitude = static_cast<float>(latitudeValue);
    return true;
}

std::vector<City> ReadProvinceCities(const IniFile& placeFile, int province) {
    if (province == kCustomProvince) {
        return {City{std::string(ProvinceName(kCustomProvince))}};
    }
    std::vector<City> cities;
    if (province < 0 || province >= kPlaceFileProvinceCount) return cities;
    const std::string_view section = ProvinceName(province);
    for (std::string& name : placeFile.ReadSection(section)) {
        City city{std::move(name)};
        ParseCityValue(placeFile.ReadString(section, city.name, kDefaultCityValue), city.longitude,
                       city.latitude);
        cities.push_back(std::move(city));
    }
    return cities;
}

int FindCity(const std::vector<City>& cities, std::string_view answer) {
    answer = Trim(answer);
    if (answer.empty()) return -1;
    for (std::size_t index = 0; index < cities.size(); ++index) {
        if (Accepts(cities[index].name, answer)) return static_cast<int>(index);
    }
    return -1;
}

std::string CityPlaceText(int province, std::string_view city) {
    return std::string(ProvinceName(province)) + std::string(city);
}

PlaceList ReadPlaceList(const IniFile& placeFile) {
    PlaceList places;
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        places[static_cast<std::size_t>(province)] = ReadProvinceCities(placeFile, province);
    }
    return places;
}

std::vector<PlaceMatch> FindPlaces(const PlaceList& places, std::string_view answer) {
    answer = Trim(answer);
    std::vector<PlaceMatch> matches;
    if (answer.empty()) return matches;
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        const std::vector<City>& cities = places[static_cast<std::size_t>(province)];
        for (std::size_t index = 0; index < cities.size(); ++index) {
            const City& city = cities[index];
            if (!Accepts(city.name, answer)) continue;
            matches.push_back({province, static_cast<int>(index),
                               std::string(ProvinceName(province)), city.name, city.longitude,
                               city.latitude});
        }
    }
    return matches;
}

bool ResolvePlace(const PlaceList& places, std::string_view text, PlaceChoice& choice,
                  std::string& error) {
    text = Trim(text);
    std::string_view rest;
    bool found = false;
    if (const int province = LeadingProvince(text, false, rest); province >= 0) {
        found = ChooseInProvince(places, province, rest, choice);
    } else if (!text.empty()) {
        const int shortProvince = LeadingProvince(text, true, rest);
        found = ChooseAnywhere(places, text, true, choice) ||
                (shortProvince >= 0 ? ChooseInProvince(places, shortProvince, rest, choice)
                                    : ChooseAnywhere(places, text, false, choice));
    }
    if (!found) error = "地点文件中没有“" + std::string(text) + "”";
    return found;
}

}  // namespace tavrel
