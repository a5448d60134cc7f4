#include "commands/positions_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "astronomy/apparent_position.h"
#include "astronomy/delta_t.h"
#include "astronomy/time_scales.h"

namespace tavrel::cli {

namespace {

struct Body {
    const char* key;
    int number;  // ApparentPosition's body number
};

constexpr Body kBodies[] = {{"sun", BODY_SUN}, {"moon", BODY_MOON}, {"mercury", 1}, {"venus", 2},
                            {"mars", 3},       {"jupiter", 4},      {"saturn", 5},  {"uranus", 6},
                            {"neptune", 7},    {"pluto", 8}};

bool IsLeapYear(int year, bool gregorian) {
    if (!gregorian) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool gregorian) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year, gregorian) ? 29 : kDays[month - 1];
}

// Reads a run of 1 … maxDigits digits at text[pos], moving pos past it.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits) {
    int value = 0;
    const char* begin = text.data() + pos;
    const char* end = text.data() + std::min(text.size(), pos + maxDigits);
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop == begin || *begin == '-' || *begin == '+') {
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(stop - begin);
    return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// "YYYY-MM-DD HH:MM[:SS]" in display years (no year 0, −1 is 1 BC) to a Julian day; dates before
// 1582-10-15 are Julian-calendar dates and 1582-10-05 … 14 do not exist.
std::optional<double> ParseInstant(std::string_view text) {
    std::size_t pos = 0;
    const bool bc = Expect(text, pos, '-');
    const auto year = ReadNumber(text, pos, 4);
    if (!year || !Expect(text, pos, '-')) return std::nullopt;
    const auto month = ReadNumber(text, pos, 2);
    if (!month || !Expect(text, pos, '-')) return std::nullopt;
    const auto day = ReadNumber(text, pos, 2);
    if (!day || !Expect(text, pos, ' ')) return std::nullopt;
    const auto hour = ReadNumber(text, pos, 2);
    if (!hour || !Expect(text, pos, ':')) return std::nullopt;
    const auto minute = ReadNumber(text, pos, 2);
    if (!minute) return std::nullopt;
    std::optional<int> second = 0;
    if (Expect(text, pos, ':')) second = ReadNumber(text, pos, 2);
    if (!second || pos != text.size()) return std::nullopt;
    if (*year == 0 || (bc && *year > 4712) || *month < 1 || *month > 12 || *hour > 23 ||
        *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    const int astronomical = bc ? 1 - *year : *year;
    const int key = astronomical * 372 + *month * 31 + *day;
    if (key >= 1582 * 372 + 10 * 31 + 5 && key < 1582 * 372 + 10 * 31 + 15) return std::nullopt;
    const bool gregorian = key >= 1582 * 372 + 10 * 31 + 15;
    if (*day < 1 || *day > DaysInMonth(astronomical, *month, gregorian)) return std::nullopt;
    const double fraction = ((*second / 60.0 + *minute) / 60.0 + *hour) / 24.0;
    return JulianDay(astronomical, *month, *day + fraction);
}

std::string FormatDegrees(double degrees) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%11.6f", degrees);
    return buffer;
}

int RunPositions(CommandContext& context) {
    const std::optional<std::string> ut = context.args.Value("ut");
    if (!ut || !context.args.Positionals().empty()) {
        return UsageError(context, PositionsCommand(), "give the instant with --ut");
    }
    const std::optional<double> jd = ParseInstant(*ut);
    if (!jd) {
        return UsageError(context, PositionsCommand(),
                          "'" + *ut + "' is not a date and time YYYY-MM-DD HH:MM[:SS]");
    }
    const bool givenInTt = context.args.Has("tt");
    double jdUt = *jd;
    double jdTt = *jd;
    if (givenInTt) {
        jdUt = jdTt - DeltaT(jdTt - 2451545);
    } else {
        jdTt = jdUt + DeltaT(jdUt - 2451545);
    }
    const double deltaTSeconds = (jdTt - jdUt) * 86400;

    Json document = Json::MakeObject();
    document.Set("jd_ut", jdUt).Set("jd_tt", jdTt).Set("delta_t_s", deltaTSeconds);
    char header[160];
    std::snprintf(header, sizeof header, "JD %.6f UT, %.6f TT (delta T %.2f s)\n", jdUt, jdTt,
                  deltaTSeconds);
    std::string text = header;
    text += "body        longitude     latitude\n";
    for (const Body& body : kBodies) {
        double lon = 0;
        double lat = 0;
        ApparentPosition(body.number, jdUt - 2451545, lon, lat);
        document.Set(body.key, Json::MakeObject().Set("lon", lon).Set("lat", lat));
        std::string name = body.key;
        name.resize(9, ' ');
        text += name + FormatDegrees(lon) + "  " + FormatDegrees(lat) + "\n";
    }
    return Succeed(context, document, text);
}

}  // namespace

Command PositionsCommand() {
    return {"positions",
            "--ut \"YYYY-MM-DD HH:MM[:SS]\" [--tt]",
            "apparent ecliptic longitude and latitude of date (degrees) of the Sun, the Moon and "
            "the planets; --tt reads the time as TT instead of UT",
            {{"ut", true}, {"tt", false}},
            RunPositions};
}

}  // namespace tavrel::cli
