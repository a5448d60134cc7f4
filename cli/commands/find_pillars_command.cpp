#include "commands/find_pillars_command.h"

#include <optional>
#include <string>
#include <string_view>

#include "birth_options.h"
#include "calendar/calendar_names.h"
#include "calendar/display_year.h"
#include "commands/calendar_dates.h"
#include "commands/cast_command.h"
#include "pillars/pillar_search.h"

namespace tavrel::cli {

namespace {

// The list index (甲 = 0 … 癸 = 9) of a stem name.
std::optional<int> StemListIndex(std::string_view name) {
    for (int k = 0; k < 10; ++k) {
        if (STEM_NAME[static_cast<size_t>((k + 1) % 10)] == name) return k;
    }
    return {};
}

// The list index (子 = 0 … 亥 = 11) of a branch name.
std::optional<int> BranchListIndex(std::string_view name) {
    for (int k = 0; k < 12; ++k) {
        if (BRANCH_NAME[static_cast<size_t>((k + 1) % 12)] == name) return k;
    }
    return {};
}

// A pillar written as stem and branch, e.g. 甲子 (each name is one three-byte character).
bool ReadPillarName(std::string_view text, int& stem, int& branch) {
    if (text.size() != 6) return false;
    const auto s = StemListIndex(text.substr(0, 3));
    const auto b = BranchListIndex(text.substr(3));
    if (!s || !b) return false;
    stem = *s;
    branch = *b;
    return true;
}

std::string WithNewlines(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

int RunFindPillars(CommandContext& context) {
    const auto& words = context.args.Positionals();
    PillarChoice choice;
    std::optional<int> monthBranch;
    std::optional<int> hourBranch;
    if (words.size() != 4 || !ReadPillarName(words[0], choice.yearStem, choice.yearBranch) ||
        !(monthBranch = BranchListIndex(words[1])) ||
        !ReadPillarName(words[2], choice.dayStem, choice.dayBranch) ||
        !(hourBranch = BranchListIndex(words[3]))) {
        return UsageError(context, FindPillarsCommand(),
                          "give the year pillar, the month branch, the day pillar and the hour "
                          "branch, e.g. 甲子 寅 甲子 子");
    }
    choice.monthBranch = *monthBranch;
    choice.hourBranch = *hourBranch;

    MPillarSearch search;
    if (!search.ReadPillars(context.args.Value("from").value_or("1950"), choice)) {
        return Fail(context, search.lastError);
    }
    const bool found = search.PillarSearch();
    Json document = Json::MakeObject();
    document.Set("found", found)
        .Set("moment", found ? Json(FormatDateTime(search.foundMoment)) : Json())
        .Set("text", search.resultText);
    std::string text = WithNewlines(search.resultText);
    if (!found) return Succeed(context, document, text);
    const PillarHandOver handOver = search.HandOver(!context.args.Has("female"));
    document.Set("male", handOver.male);
    if (!context.args.Has("cast")) return Succeed(context, document, text);

    // The found moment goes to the chart as the main window hands it over: a solar birth in
    // Beijing time at the default place.
    TChartRequest request = DefaultBirthRequest();
    request.year = static_cast<std::int16_t>(CalendarYearOf(handOver.displayYear));
    request.month = static_cast<std::int16_t>(handOver.month);
    request.day = static_cast<std::int16_t>(handOver.day);
    request.hour = static_cast<std::int16_t>(handOver.hour);
    request.minute = static_cast<std::int16_t>(handOver.minute);
    request.isMale = handOver.male ? 1 : 0;
    Json chart;
    std::string chartText;
    std::string error;
    if (!CastChart(context, request, chart, chartText, error)) {
        document.Set("cast", Json::MakeObject().Set("error", error));
        context.err << error << '\n';
        if (context.json)
            context.out << document.Dump() << '\n';
        else
            context.out << text;
        return kExitFailed;
    }
    document.Set("cast", std::move(chart));
    return Succeed(context, document, text + "\n" + chartText);
}

}  // namespace

Command FindPillarsCommand() {
    return {"find-pillars",
            "YEAR MONTH DAY HOUR [--from Y] [--female] [--cast]",
            "the earliest moment from a start year on with the given four pillars",
            {{"from", true}, {"female", false}, {"cast", false}},
            RunFindPillars,
            "  YEAR and DAY are pillars such as 甲子, MONTH and HOUR branches such as 寅.\n"
            "  --from Y is the display year the search starts in (1950).\n"
            "  --female marks the hand-over to a chart as a woman's.\n"
            "  --cast casts the found moment (Beijing time, default place) as the natal chart.\n"};
}

}  // namespace tavrel::cli
