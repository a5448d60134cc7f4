#include "commands/stations_command.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/stations.h"
#include "beijing_text.h"
#include "platform/string_util.h"

namespace tavrel::cli {

namespace {

constexpr const char* kPlanets[8] = {"",        "mercury", "venus",  "mars",
                                     "jupiter", "saturn",  "uranus", "neptune"};
constexpr int kMaxCount = 1000;

int PlanetNumber(std::string_view name) {
    for (int b = 1; b <= 7; ++b) {
        if (EqualsIgnoreCase(name, kPlanets[b])) return b;
    }
    return 0;
}

int RunStations(CommandContext& context) {
    const std::optional<std::string> planet = context.args.Value("planet");
    const std::optional<std::string> from = context.args.Value("from");
    const std::optional<std::string> count = context.args.Value("count");
    if (!planet || !from || !count || !context.args.Positionals().empty()) {
        return UsageError(context, StationsCommand(), "give --planet, --from and --count");
    }
    const int body = PlanetNumber(*planet);
    if (body == 0) {
        return UsageError(context, StationsCommand(),
                          "'" + *planet + "' is not one of mercury … neptune");
    }
    const std::optional<double> start = ParseDate(*from);
    if (!start) {
        return UsageError(context, StationsCommand(), "'" + *from + "' is not a date YYYY-MM-DD");
    }
    int wanted = 0;
    const auto [end, error] = std::from_chars(count->data(), count->data() + count->size(), wanted);
    if (error != std::errc() || end != count->data() + count->size() || wanted < 1 ||
        wanted > kMaxCount) {
        return UsageError(context, StationsCommand(),
                          "'" + *count + "' is not a count from 1 to " + std::to_string(kMaxCount));
    }

    // From the conjunction a period before the date on, since the retrograde arc around the
    // nearest one may already have begun; stations before the date (Beijing midnight) are skipped.
    const double period = SYNODIC_DAYS[body] / 36525.0;
    double t = (*start - 2451545) / 36525 - period;
    Json stations = Json::MakeArray();
    std::string text = std::string("stations of ") + kPlanets[body] + " (TT Julian day, Beijing)\n";
    int found = 0;
    while (found < wanted) {
        const double begins = StationTime(body, t, StationKind::kBegins);
        const double ends = StationTime(body, t, StationKind::kEnds);
        t = begins + period;
        for (const auto& [kind, station] : {std::pair{"begin", begins}, std::pair{"end", ends}}) {
            const double jdTt = station * 36525 + 2451545;
            const double jdBeijing = jdTt - DeltaT(station * 36525) + BEIJING_OFFSET;
            if (jdBeijing < *start || found == wanted) continue;
            ++found;
            stations.Push(Json::MakeObject()
                              .Set("kind", kind)
                              .Set("jd_tt", jdTt)
                              .Set("beijing", FormatSeconds(jdBeijing)));
            char line[96];
            std::snprintf(line, sizeof line, "%-6s JD %.6f  ", kind, jdTt);
            text += line + FormatSeconds(jdBeijing) + "\n";
        }
    }
    Json document = Json::MakeObject();
    document.Set("planet", kPlanets[body]).Set("stations", stations);
    return Succeed(context, document, text);
}

}  // namespace

Command StationsCommand() {
    return {"stations",
            "--planet mercury|venus|mars|jupiter|saturn|uranus|neptune --from YYYY-MM-DD --count N",
            "instants at which a planet begins and ends retrograde motion (TT and Beijing time)",
            {{"planet", true}, {"from", true}, {"count", true}},
            RunStations};
}

}  // namespace tavrel::cli
