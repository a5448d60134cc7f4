#include "records/birthday_file.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

#include "places/province_names.h"
#include "platform/string_util.h"
#include "platform/text_codec.h"
#include "records/case_names.h"

namespace tavrel {

namespace {

constexpr std::size_t kMaxNameBytes = 20;
constexpr std::size_t kMaxPlaceBytes = 300;
constexpr std::uint8_t kImportZone = 8;

// The text before `separator`, advancing `rest` past it; nothing when the separator is missing
// or the piece is empty.
std::optional<std::string_view> Take(std::string_view& rest, char separator) {
    const std::size_t end = rest.find(separator);
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    const std::string_view piece = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return piece;
}

int NumberOr(std::string_view text, int fallback, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return fallback;
    }
    return value;
}

}  // namespace

std::optional<BirthdayLine> ParseBirthdayLine(std::string_view raw) {
    // The line passes through GBK as the stored fields do: what GBK cannot hold becomes '?'.
    const std::string text = GbkToUtf8(Utf8ToGbk(raw));
    std::string_view rest = Trim(text);
    if (GbkByteLength(rest) < 10) return std::nullopt;
    BirthdayLine line;
    const auto name = Take(rest, ' ');
    if (!name || GbkByteLength(*name) > kMaxNameBytes) return std::nullopt;
    line.name = std::string(*name);
    CleanName(line.name, kNameCharacters);
    const auto sex = Take(rest, ' ');
    if (!sex) return std::nullopt;
    line.male = *sex == "男";
    const auto year = Take(rest, '-');
    const auto month = year ? Take(rest, '-') : std::nullopt;
    const auto day = month ? Take(rest, '-') : std::nullopt;
    const auto hour = day ? Take(rest, ':') : std::nullopt;
    if (!hour) return std::nullopt;
    const std::size_t minuteEnd = rest.find(' ');
    const std::string_view minute = rest.substr(0, minuteEnd);
    if (minute.empty()) return std::nullopt;
    line.year = NumberOr(*year, 1900, -32767, 32767);
    line.month = NumberOr(*month, 6, 1, 12);
    line.day = NumberOr(*day, 15, 1, 31);
    line.hour = NumberOr(*hour, 12, 0, 23);
    line.minute = NumberOr(minute, 30, 0, 59);
    if (minuteEnd != std::string_view::npos) line.place = std::string(Trim(rest.substr(minuteEnd)));
    if (GbkByteLength(line.place) > kMaxPlaceBytes) return std::nullopt;
    return line;
}

namespace {

void SetUnknownPlace(TChartRequest& r) {
    r.provinceIndex = kCustomProvince;
    r.cityIndex = 0;
    r.placeText = std::string(PROVINCE_NAME[kCustomProvince]);
    r.longitude = kDefaultLongitude;
    r.latitude = kDefaultLatitude;
}

// The first province named in the text and the first of its cities named in what remains.
bool MatchPlace(const PlaceList& places, std::string text, TChartRequest& r) {
    for (int province = 0; province < kPlaceFileProvinceCount; ++province) {
        const std::string_view provinceName = PROVINCE_NAME[static_cast<std::size_t>(province)];
        const std::size_t at = text.find(provinceName);
        if (at == std::string::npos) continue;
        text.erase(at, provinceName.size());
        const auto& cities = places[static_cast<std::size_t>(province)];
        for (std::size_t city = 0; city < cities.size(); ++city) {
            if (cities[city].name.empty() || text.find(cities[city].name) == std::string::npos) {
                continue;
            }
            r.provinceIndex = static_cast<std::int16_t>(province);
            r.cityIndex = static_cast<std::int16_t>(city);
            r.longitude = cities[city].longitude;
            r.latitude = cities[city].latitude;
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace

TRecordData CaseOfBirthdayLine(const BirthdayLine& line, const PlaceList& places,
                               const std::string& category) {
    TRecordData record;
    TChartRequest& r = record.request;
    r.name = line.name;
    r.isMale = line.male ? 1 : 0;
    r.year = static_cast<std::int16_t>(line.year);
    r.month = static_cast<std::int16_t>(line.month);
    r.day = static_cast<std::int16_t>(line.day);
    r.hour = static_cast<std::int16_t>(line.hour);
    r.minute = static_cast<std::int16_t>(line.minute);
    r.zone = kImportZone;
    SetUnknownPlace(r);
    if (!line.place.empty() && MatchPlace(places, line.place, r)) {
        r.placeText = line.place;
        CleanName(r.placeText, kPlaceCharacters);
    }
    record.className = category;
    record.remarkText = kDefaultRemark;
    return record;
}

std::optional<std::string> FormatBirthdayLine(const TRecordData& record,
                                              const LunarToSolarFn& lunarToSolar) {
    TDateRec solar{};
    if (!SolarBirthOf(record, lunarToSolar, solar)) return std::nullopt;
    const TChartRequest& r = record.request;
    char date[80];
    std::snprintf(date, sizeof date, " %d-%d-%d-%d:%d", solar.year, solar.month, solar.day,
                  solar.hour, solar.minute);
    std::string line = r.name + (r.isMale != 0 ? " 男" : " 女") + date;
    if (r.provinceIndex != kCustomProvince) line += " " + r.placeText;
    return line;
}

std::optional<std::string> BirthdayFileCategory(const std::string& path) {
    const std::string fileName = std::filesystem::path(path).filename().string();
    // The last four characters are the extension ".txt".
    std::size_t end = fileName.size();
    for (int n = 0; n < 4 && end > 0; ++n) {
        do {
            --end;
        } while (end > 0 && (static_cast<unsigned char>(fileName[end]) & 0xC0) == 0x80);
    }
    std::string category = fileName.substr(0, end);
    if (GbkByteLength(category) >= 21) return std::nullopt;
    CleanName(category, kNameCharacters);
    return category;
}

}  // namespace tavrel
