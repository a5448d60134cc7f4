#pragma once

#include <string>
#include <vector>

#include "places/coordinate_notation.h"
#include "places/custom_place.h"
#include "places/place_file.h"
#include "platform/ini_file.h"

namespace tavrel {

// The place of the last cast, section `address` of dat/tavrelinit.ini.
inline constexpr std::string_view kPlaceSettingsSection = "address";
struct PlaceSettings {
    int province = kCustomProvince;    // iProv
    int city = 0;                      // iCity
    std::string placeText = "未知地";  // name
    float longitude = 120;             // fLong
    float latitude = 30;               // fLat
};

PlaceSettings ReadPlaceSettings(const IniFile& settings);
// Written at close: iProv, iCity, name, fLong and the latitude under the key text "flat".
bool WritePlaceSettings(IniFile& settings, const PlaceSettings& place);

// What the main window's place controls hold.
struct PlaceState {
    int province = kCustomProvince;
    std::vector<City> cities;  // the city list of the province
    int city = 0;
    std::string placeText;
    float longitude = 120;
    float latitude = 30;
    CoordinateTexts coordinateTexts;  // the two fields, as ShowCoordinates writes them
    CustomPlace customPlace;
};

// The start-up rule: the saved province (未知地 when the index is outside the list) with its
// cities and the saved city (city 0 when the index is not below their number), then the saved
// place text and coordinates shown in the fields; the custom place from CommAddr when that
// section exists, else, with the custom province saved, the saved place.
PlaceState RestorePlaceState(const IniFile& settings, const IniFile& placeFile);

}  // namespace tavrel
