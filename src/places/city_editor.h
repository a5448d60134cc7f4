#pragma once

#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace tavrel {

// The four fields of the coordinate editor TFrmDiLi, as text.
struct CityValueFields {
    std::string longitudeDegrees = "120";
    std::string longitudeMinutes = "0";
    std::string latitudeDegrees = "30";
    std::string latitudeMinutes = "0";
};

// A city's value of the place file (the default "120:0*30:0" when the key is missing), split at
// "*" and ":" into the four fields; the parts a malformed value lacks stay empty.
CityValueFields ReadCityValueFields(const IniFile& placeFile, int province, std::string_view city);

inline constexpr std::string_view kCityEditCaption = "注意了";
inline constexpr std::string_view kCityEditErrorCaption = "输入错误";
inline constexpr std::string_view kCityEditDoneMessage = "完成";

// "确定要修改：%s%s 的经纬度数据吗？" with the province and the city.
std::string CityEditQuestion(int province, std::string_view city);

struct CityEditCheck {
    bool ok = false;
    std::string value;    // when ok: the new value, "%d:%d*%d:%d"
    std::string message;  // when not: shown in a box captioned kCityEditErrorCaption
};

// Longitude degrees −179…179 and minutes 0…59, then latitude degrees −89…89 and minutes 0…59;
// an empty or unreadable field is refused.
CityEditCheck CheckCityEdit(const CityValueFields& fields);

// Writes the checked value of a city; false when the file could not be written.
bool WriteCityValue(IniFile& placeFile, int province, std::string_view city,
                    std::string_view value);

}  // namespace tavrel
