#include "commands/events_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/sun_moon_events.h"
#include "astronomy/time_scales.h"
#include "beijing_text.h"
#include "calendar/calendar_names.h"

namespace tavrel::cli {

namespace {

// Centuries TT to a Beijing-time Julian day.
double BeijingOfTt(double t) {
    const double d = t * 36525;
    return d + 2451545 - DeltaT(d) + BEIJING_OFFSET;
}

// Adds the instant to an event object.
Json& SetInstant(Json& event, double jdBeijing) {
    return event.Set("jd_bj", jdBeijing).Set("beijing", FormatSeconds(jdBeijing));
}

std::string EventLine(std::string_view label, double jdBeijing) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "  JD %.6f\n", jdBeijing);
    return std::string(label) + "  " + FormatSeconds(jdBeijing) + buffer;
}

int RunEvents(CommandContext& context) {
    const std::optional<std::string> value = context.args.Value("year");
    int displayYear = 0;
    if (!value || !context.args.Positionals().empty()) {
        return UsageError(context, EventsCommand(), "give the year with --year");
    }
    const auto [end, error] =
        std::from_chars(value->data(), value->data() + value->size(), displayYear);
    if (error != std::errc() || end != value->data() + value->size() || displayYear == 0 ||
        displayYear < -4712 || displayYear > 9999) {
        return UsageError(context, EventsCommand(),
                          "'" + *value + "' is not a year from -4712 to 9999 (there is no year 0)");
    }
    const int year = CalendarYearOf(displayYear);

    const double first = JulianDay(year, 1, 1);
    const double last = JulianDay(year + 1, 1, 1);

    // Term j of the year's turn lies at 285° + 15° j, turns counted from the passage of 0° in
    // 1999 as the inversion reads W. Far from the present the Julian calendar and the extrapolated
    // ΔT move the terms off their usual dates, so the ones inside the year are searched for.
    Json terms = Json::MakeArray();
    std::string text = "solar terms of " + std::to_string(displayYear) + " (Beijing time)\n";
    for (int j = -6; j < 30; ++j) {
        const double W = TWO_PI * ((year - 2000) + 1) + (j * 15 - 75) * PI_VALUE / 180;
        const double jd = BeijingOfTt(SunLongitudeTime(W));
        if (jd < first) continue;
        if (jd >= last) break;
        const int index = (j % 24 + 24) % 24;
        Json term = Json::MakeObject();
        term.Set("name", TERM_NAME[index]).Set("index", index);
        terms.Push(SetInstant(term, jd));
        text += EventLine(TERM_NAME[index], jd);
    }

    // New moons from the one before the year's first day to the one after its last.
    const double synodicMonth = 29.530588853;
    Json newMoons = Json::MakeArray();
    text += "new moons\n";
    for (int k = static_cast<int>(std::floor((first - 2451550.1) / synodicMonth)) - 1;; ++k) {
        const double jd = BeijingOfTt(ElongationTime(k * TWO_PI));
        if (jd >= last) break;
        if (jd < first) continue;
        Json newMoon = Json::MakeObject();
        newMoons.Push(SetInstant(newMoon, jd));
        text += EventLine("朔", jd);
    }

    Json document = Json::MakeObject();
    document.Set("year", displayYear).Set("terms", terms).Set("new_moons", newMoons);
    return Succeed(context, document, text);
}

}  // namespace

Command EventsCommand() {
    return {"events",
            "--year Y",
            "the 24 solar terms and the new moons of a year, Beijing time to the second",
            {{"year", true}},
            RunEvents};
}

}  // namespace tavrel::cli
