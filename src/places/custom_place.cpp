#include "places/custom_place.h"

#include "places/coordinate_notation.h"
#include "platform/string_util.h"

namespace tavrel {

bool ReadCommonPlace(const IniFile& settings, CommonPlaceTexts& texts) {
    if (!settings.SectionExists(kCommonPlaceSection)) return false;
    const CommonPlaceTexts defaults;
    texts.name = settings.ReadString(kCommonPlaceSection, "name", defaults.name);
    texts.longitude = settings.ReadString(kCommonPlaceSection, "long", defaults.longitude);
    texts.latitude = settings.ReadString(kCommonPlaceSection, "lat", defaults.latitude);
    return true;
}

bool WriteCommonPlace(IniFile& settings, const CommonPlaceTexts& texts) {
    return settings.WriteString(kCommonPlaceSection, "name", Trim(texts.name)) &&
           settings.WriteString(kCommonPlaceSection, "long", Trim(texts.longitude)) &&
           settings.WriteString(kCommonPlaceSection, "lat", Trim(texts.latitude));
}

CustomPlace CommonPlaceAsCustomPlace(const CommonPlaceTexts& texts) {
    return {texts.name, static_cast<float>(ReadCustomCoordinate(texts.longitude)),
            static_cast<float>(ReadCustomCoordinate(texts.latitude))};
}

CommonPlaceTexts CustomPlaceTexts(const CustomPlace& place) {
    return {place.name, WriteCustomCoordinate(place.longitude),
            WriteCustomCoordinate(place.latitude)};
}

CustomPlaceCheck CheckCustomPlace(const CommonPlaceTexts& fields) {
    CustomPlaceCheck check;
    const std::string_view name = Trim(fields.name);
    const double longitude = ReadCustomCoordinate(fields.longitude);
    const double latitude = ReadCustomCoordinate(fields.latitude);
    if (name.empty()) {
        check.message = "请输入地名！";
        check.focus = CustomPlaceField::kName;
    } else if (!(longitude > -180 && longitude < 180)) {
        check.message = "经度数据在-180到180之间！";
        check.focus = CustomPlaceField::kLongitude;
    } else if (!(latitude > -90 && latitude < 90)) {
        check.message = "纬度数据在-90到90之间！";
        check.focus = CustomPlaceField::kLatitude;
    } else {
        check.ok = true;
        check.place = {std::string(name), static_cast<float>(longitude),
                       static_cast<float>(latitude)};
    }
    return check;
}

}  // namespace tavrel
