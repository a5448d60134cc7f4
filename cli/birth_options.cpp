#include "birth_options.h"

#include <charconv>
#include <cmath>

#include "places/coordinate_notation.h"
#include "places/time_zones.h"
#include "records/case_names.h"

namespace tavrel::cli {

namespace {

constexpr std::int16_t kUnknownProvince = 34;
constexpr const char* kBirthOptionNames[] = {"name", "male", "female", "date", "lunar",
                                             "leap", "zone", "lon",    "lat",  "place"};

bool ParseInt(std::string_view text, long& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseDecimalDegrees(std::string_view text, double limit, float& value) {
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

// Longitude and latitude, each as decimal degrees or in the window's degrees:minutes notation;
// an option not given keeps the request's value.
bool ApplyCoordinates(const Arguments& args, TChartRequest& request, std::string& problem) {
    const auto lon = args.Value("lon");
    const auto lat = args.Value("lat");
    if (!lon && !lat) return true;
    float longitude = request.longitude;
    float latitude = request.latitude;
    const bool lonDecimal = lon && ParseDecimalDegrees(*lon, 180, longitude);
    const bool latDecimal = lat && ParseDecimalDegrees(*lat, 90, latitude);
    if ((lon && !lonDecimal) || (lat && !latDecimal)) {
        const CoordinateTexts shown = ShowCoordinates(longitude, latitude);
        const CoordinateReading reading =
            ReadCoordinates(lon && !lonDecimal ? *lon : shown.longitude,
                            lat && !latDecimal ? *lat : shown.latitude);
        if (!reading.ok) {
            problem = "--lon/--lat: " + reading.message;
            return false;
        }
        if (lon && !lonDecimal) longitude = reading.longitude;
        if (lat && !latDecimal) latitude = reading.latitude;
    }
    request.longitude = longitude;
    request.latitude = latitude;
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
    "  --male | --female    default male\n"
    "  --date \"YYYY-MM-DD HH:MM\"\n"
    "                       birth date and clock time of the zone, display years (-1 is 1 BC)\n"
    "  --lunar              the date is a lunar date (month and day of the lunar calendar)\n"
    "  --leap               the lunar month is the leap month (with --lunar)\n"
    "  --zone CODE          zone of the clock: 0 UTC, 1..12 east, 13..23 west 1..11 hours\n"
    "                       (default 8, Beijing time)\n"
    "  --lon D:M --lat D:M  birth place, degrees:minutes or decimal degrees, east and north\n"
    "                       positive (default 120:0 and 30:0)\n"
    "  --place TEXT         place name as shown with the chart\n";

std::vector<OptionSpec> BirthOptionSpecs() {
    return {{"name", true},  {"male", false}, {"female", false}, {"date", true}, {"lunar", false},
            {"leap", false}, {"zone", true},  {"lon", true},     {"lat", true},  {"place", true}};
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
    if (args.Has("male") && args.Has("female")) {
        problem = "--male and --female exclude each other";
        return false;
    }
    if (args.Has("male")) request.isMale = 1;
    if (args.Has("female")) request.isMale = 0;
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
        long code = 0;
        if (!ParseInt(*zone, code) || code < 0 || code >= kTimeZoneCount) {
            problem = "--zone wants a zone code 0..23 (0 UTC, 1..12 east, 13..23 west 1..11 h)";
            return false;
        }
        request.zone = static_cast<std::uint8_t>(code);
    }
    if (!ApplyCoordinates(args, request, problem)) return false;
    if (const auto place = args.Value("place")) {
        request.placeText = *place;
        if (!request.placeText.empty()) CleanName(request.placeText, kPlaceCharacters);
    }
    return true;
}

}  // namespace tavrel::cli
