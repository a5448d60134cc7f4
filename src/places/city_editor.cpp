#include "places/city_editor.h"

#include "places/integer_text.h"
#include "places/place_file.h"
#include "places/province_names.h"
#include "platform/string_util.h"

namespace tavrel {

namespace {

// The editor reads an empty or unreadable degree field as −300 and a minute field as −1, values
// its ranges refuse.
int FieldValue(std::string_view text, int unreadable) {
    int value = 0;
    return ParseWholeInteger(Trim(text), value) ? value : unreadable;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

CityValueFields ReadCityValueFields(const IniFile& placeFile, int province, std::string_view city) {
    const std::string value = placeFile.ReadString(ProvinceName(province), city, kDefaultCityValue);
    CityValueFields fields{"", "", "", ""};
    std::string* parts[] = {&fields.longitudeDegrees, &fields.longitudeMinutes,
                            &fields.latitudeDegrees, &fields.latitudeMinutes};
    std::size_t part = 0;
    for (const char c : value) {
        if (c == '*' || c == ':') {
            if (++part == std::size(parts)) break;
        } else {
            *parts[part] += c;
        }
    }
    return fields;
}

std::string CityEditQuestion(int province, std::string_view city) {
    return "确定要修改：" + std::string(ProvinceName(province)) + std::string(city) +
           " 的经纬度数据吗？";
}

CityEditCheck CheckCityEdit(const CityValueFields& fields) {
    const int longitudeDegrees = FieldValue(fields.longitudeDegrees, -300);
    const int longitudeMinutes = FieldValue(fields.longitudeMinutes, -1);
    const int latitudeDegrees = FieldValue(fields.latitudeDegrees, -300);
    const int latitudeMinutes = FieldValue(fields.latitudeMinutes, -1);
    CityEditCheck check;
    if (!InRange(longitudeDegrees, -179, 179) || !InRange(longitudeMinutes, 0, 59)) {
        check.message = "经度在-180到180之间，分数在0-60之间";
    } else if (!InRange(latitudeDegrees, -89, 89) || !InRange(latitudeMinutes, 0, 59)) {
        check.message = "纬度在-90到90之间，分数在0-60之间";
    } else {
        check.ok = true;
        check.value = std::to_string(longitudeDegrees) + ":" + std::to_string(longitudeMinutes) +
                      "*" + std::to_string(latitudeDegrees) + ":" + std::to_string(latitudeMinutes);
    }
    return check;
}

bool WriteCityValue(IniFile& placeFile, int province, std::string_view city,
                    std::string_view value) {
    if (province < 0 || province >= kPlaceFileProvinceCount) return false;
    return placeFile.WriteString(ProvinceName(province), city, value);
}

}  // namespace tavrel
