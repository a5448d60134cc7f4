#include "commands/positions_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "astronomy/apparent_position.h"
#include "astronomy/delta_t.h"
#include "beijing_text.h"

namespace tavrel::cli {

namespace {

struct Body {
    const char* key;
    int number;  // ApparentPosition's body number
};

constexpr Body kBodies[] = {{"sun", BODY_SUN}, {"moon", BODY_MOON}, {"mercury", 1}, {"venus", 2},
                            {"mars", 3},       {"jupiter", 4},      {"saturn", 5},  {"uranus", 6},
                            {"neptune", 7},    {"pluto", 8}};

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
