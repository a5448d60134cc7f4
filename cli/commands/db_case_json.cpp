#include "commands/db_case_json.h"

#include <charconv>
#include <cstdio>

#include "beijing_text.h"
#include "birth_options.h"
#include "places/time_zones.h"

namespace tavrel::cli {

namespace {

// The shortest decimal that reads back as the stored float: 116.4, not 116.40000152587891.
double Degrees(float value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    double out = value;
    if (error == std::errc()) std::from_chars(buffer, end, out);
    return out;
}

std::string DegreesText(float value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string DateText(const TChartRequest& r) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", DisplayYearOf(r.year), r.month,
                  r.day, r.hour, r.minute);
    return buffer;
}

std::string ZoneText(int offset) {
    return offset >= 0 ? "UTC+" + std::to_string(offset) : "UTC" + std::to_string(offset);
}

}  // namespace

Json CaseJson(const TRecordData& record) {
    const TChartRequest& r = record.request;
    Json json = Json::MakeObject();
    json.Set("id", record.id)
        .Set("name", r.name)
        .Set("male", r.isMale != 0)
        .Set("year", DisplayYearOf(r.year))
        .Set("month", int{r.month})
        .Set("day", int{r.day})
        .Set("hour", int{r.hour})
        .Set("minute", int{r.minute})
        .Set("lunar", r.isLunar != 0)
        .Set("leap", r.isLeapMonth != 0)
        .Set("zone", static_cast<int>(r.zone))
        .Set("province", int{r.provinceIndex})
        .Set("city", int{r.cityIndex})
        .Set("lon", Degrees(r.longitude))
        .Set("lat", Degrees(r.latitude))
        .Set("place", r.placeText)
        .Set("category", record.className)
        .Set("comment", record.remarkText)
        .Set("comment_file", record.remarkFile);
    return json;
}

std::string CaseLine(const TRecordData& record) {
    const TChartRequest& r = record.request;
    std::string line =
        std::to_string(record.id) + "  " + r.name + "  " + record.className + "  " + DateText(r);
    if (r.isLunar != 0) line += r.isLeapMonth != 0 ? " 农历闰月" : " 农历";
    return line + '\n';
}

std::string CaseText(const TRecordData& record) {
    const TChartRequest& r = record.request;
    std::string text;
    const auto add = [&](const char* label, const std::string& value) {
        text += label;
        text += value;
        text += '\n';
    };
    add("id        ", std::to_string(record.id));
    add("name      ", r.name);
    add("sex       ", r.isMale != 0 ? "male" : "female");
    add("date      ",
        DateText(r) +
            (r.isLunar != 0 ? (r.isLeapMonth != 0 ? " lunar, leap month" : " lunar") : " solar"));
    add("zone      ", ZoneText(TimeZoneHours(r.zone)));
    add("place     ", r.placeText + " (" + DegreesText(r.longitude) + ", " +
                          DegreesText(r.latitude) + "; province " +
                          std::to_string(r.provinceIndex) + ", city " +
                          std::to_string(r.cityIndex) + ")");
    add("category  ", record.className);
    add("comment   ", record.remarkText);
    add("file      ", record.remarkFile);
    return text;
}

}  // namespace tavrel::cli
