#include "birth_options.h"

#include <charconv>
#include <cmath>

#include "records/case_names.h"

namespace tavrel::cli {

namespace {

constexpr std::int16_t kUnknownProvince = 34;
constexpr const char* kBirthOptionNames[] = {"name", "sex", "date", "lunar", "leap",
                                             "zone", "lon", "lat",  "place"};

bool ParseInt(std::string_view text, long& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseDegrees(std::string_view text, double limit, float& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(parsed) || std::fabs(parsed) > limit) {
        return false;
    }
    value = static_cast<float>(parsed);
    return true;
}

// Takes the number in front of `text` up to `separator` (or the end when separator is 0).
bool TakeNumber(std::string_view& text, char separator, long& value) {
    const std::size_t stop = separator == 0 ? text.size() : text.find(separator, 1);
    if (stop == std::string_view::npos) return false;
    if (!ParseInt(text.substr(0, stop), value)) return false;
    text.remove_prefix(separator == 0 ? stop : stop + 1);
    return true;
}

bool ParseDate(std::string_view text, TChartRequest& request, std::string& problem) {
    problem = "--date wants \"YYYY-MM-DD HH:MM\", e.g. \"1980-05-06 12:30\"";
    long year = 0, month = 0, day = 0, hour = 0, minute = 0;
    const std::size_t gap = text.find_first_of(" T", 1);
    if (gap == std::string_view::npos) return false;
    std::string_view date = text.substr(0, gap);
    std::string_view time = text.substr(gap + 1);
    while (!time.empty() && time.front() == ' ') time.remove_prefix(1);
    if (!TakeNumber(date, '-', year) || !TakeNumber(date, '-', month) ||
        !TakeNumber(date, 0, day) || !TakeNumber(time, ':', hour) || !TakeNumber(time, 0, minute)) {
        return false;
    }
    if (year == 0) {
        problem = "--date: there is no year 0 (-1 is 1 BC)";
        return false;
    }
    const long stored = year < 0 ? year + 1 : year;
    if (stored < -32768 || stored > 32767 || month < 1 || month > 12 || day < 1 || day > 31 ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        problem = "--date: a field is out of range";
        return false;
    }
    request.year = static_cast<std::int16_t>(stored);
    request.month = static_cast<std::int16_t>(month);
    request.day = static_cast<std::int16_t>(day);
    request.hour = static_cast<std::int16_t>(hour);
    request.minute = static_cast<std::int16_t>(minute);
    return true;
}

}  // namespace

const char* const kBirthOptionsHelp =
    "birth options:\n"
    "  --name NAME          the person's name, at most 10 Chinese characters (default 甲)\n"
    "  --sex male|female    default male\n"
    "  --date \"YYYY-MM-DD HH:MM\"\n"
    "                       birth date and clock time of the zone, display years (-1 is 1 BC)\n"
    "  --lunar              the date is a lunar date (month and day of the lunar calendar)\n"
    "  --leap               the lunar month is the leap month (with --lunar)\n"
    "  --zone H             UTC offset of the clock in whole hours, -11..12 (default 8)\n"
    "  --lon DEG --lat DEG  birth place in decimal degrees, east and north positive\n"
    "                       (default 120 and 30)\n"
    "  --place TEXT         place name as shown with the chart\n";

std::vector<OptionSpec> BirthOptionSpecs() {
    return {{"name", true}, {"sex", true}, {"date", true}, {"lunar", false}, {"leap", false},
            {"zone", true}, {"lon", true}, {"lat", true},  {"place", true}};
}

bool HasBirthOption(const Arguments& args) {
    for (const char* name : kBirthOptionNames) {
        if (args.Has(name)) return true;
    }
    return false;
}

TChartRequest DefaultBirthRequest() {
    TChartRequest request;
    request.name = "甲";
    request.year = 1900;
    request.month = 1;
    request.day = 1;
    request.zone = 8;
    request.isMale = 1;
    request.provinceIndex = kUnknownProvince;
    request.longitude = 120;
    request.latitude = 30;
    return request;
}

bool ApplyBirthOptions(const Arguments& args, TChartRequest& request, std::string& problem) {
    if (const auto name = args.Value("name")) {
        request.name = *name;
        CleanName(request.name, kNameCharacters);
    }
    if (const auto sex = args.Value("sex")) {
        if (*sex == "male" || *sex == "m" || *sex == "男") {
            request.isMale = 1;
        } else if (*sex == "female" || *sex == "f" || *sex == "女") {
            request.isMale = 0;
        } else {
            problem = "--sex wants male or female";
            return false;
        }
    }
    if (const auto date = args.Value("date")) {
        if (!ParseDate(*date, request, problem)) return false;
    }
    // A new date says afresh whether it is lunar; without one the flags are added to the date
    // already there.
    if (args.Has("date")) {
        request.isLunar = args.Has("lunar") ? 1 : 0;
        request.isLeapMonth = args.Has("leap") ? 1 : 0;
    } else {
        if (args.Has("lunar")) request.isLunar = 1;
        if (args.Has("leap")) request.isLeapMonth = 1;
    }
    if (request.isLeapMonth != 0 && request.isLunar == 0) {
        problem = "--leap is for lunar dates (--lunar)";
        return false;
    }
    if (const auto zone = args.Value("zone")) {
        long offset = 0;
        if (!ParseInt(*zone, offset) || offset < -11 || offset > 12) {
            problem = "--zone wants a UTC offset in whole hours, -11..12";
            return false;
        }
        request.zone = static_cast<std::uint8_t>(offset >= 0 ? offset : 12 - offset);
    }
    if (const auto lon = args.Value("lon")) {
        if (!ParseDegrees(*lon, 180, request.longitude)) {
            problem = "--lon wants decimal degrees, -180..180";
            return false;
        }
    }
    if (const auto lat = args.Value("lat")) {
        if (!ParseDegrees(*lat, 90, request.latitude)) {
            problem = "--lat wants decimal degrees, -90..90";
            return false;
        }
    }
    if (const auto place = args.Value("place")) {
        request.placeText = *place;
        if (!request.placeText.empty()) CleanName(request.placeText, kPlaceCharacters);
    }
    return true;
}

int DisplayYear(int year) { return year <= 0 ? year - 1 : year; }

int ZoneOffset(int zoneCode) { return zoneCode <= 12 ? zoneCode : 12 - zoneCode; }

}  // namespace tavrel::cli
