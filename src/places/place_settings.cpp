#include "places/place_settings.h"

namespace tavrel {

PlaceSettings ReadPlaceSettings(const IniFile& settings) {
    const PlaceSettings defaults;
    const std::string_view section = kPlaceSettingsSection;
    return {settings.ReadInteger(section, "iProv", defaults.province),
            settings.ReadInteger(section, "iCity", defaults.city),
            settings.ReadString(section, "name", defaults.placeText),
            static_cast<float>(settings.ReadFloat(section, "fLong", defaults.longitude)),
            static_cast<float>(settings.ReadFloat(section, "fLat", defaults.latitude))};
}

bool WritePlaceSettings(IniFile& settings, const PlaceSettings& place) {
    const std::string_view section = kPlaceSettingsSection;
    return settings.WriteInteger(section, "iProv", place.province) &&
           settings.WriteInteger(section, "iCity", place.city) &&
           settings.WriteString(section, "name", place.placeText) &&
           settings.WriteFloat(section, "fLong", place.longitude) &&
           settings.WriteFloat(section, "flat", place.latitude);
}

PlaceState RestorePlaceState(const IniFile& settings, const IniFile& placeFile) {
    const PlaceSettings saved = ReadPlaceSettings(settings);
    PlaceState state;
    state.province =
        saved.province >= 0 && saved.province < kProvinceCount ? saved.province : kCustomProvince;
    state.cities = ReadProvinceCities(placeFile, state.province);
    state.city = saved.city >= 0 && static_cast<std::size_t>(saved.city) < state.cities.size()
                     ? saved.city
                     : 0;
    state.placeText = saved.placeText;
    state.longitude = saved.longitude;
    state.latitude = saved.latitude;
    state.coordinateTexts = ShowCoordinates(state.longitude, state.latitude);

    CommonPlaceTexts common;
    if (ReadCommonPlace(settings, common)) {
        state.customPlace = CommonPlaceAsCustomPlace(common);
    } else if (saved.province == kCustomProvince) {
        state.customPlace = {saved.placeText, saved.longitude, saved.latitude};
    }
    return state;
}

}  // namespace tavrel
