#include "commands/terms_command.h"

#include <optional>
#include <string>

#include "calendar/calendar_names.h"
#include "calendar/lunar_calendar.h"
#include "commands/calendar_dates.h"

namespace tavrel::cli {

namespace {

int RunTerms(CommandContext& context) {
    const auto& words = context.args.Positionals();
    const std::optional<int> year = words.size() == 1 ? ParseDisplayYear(words[0]) : std::nullopt;
    if (!year) return UsageError(context, TermsCommand(), "give one year, -4712 … 9999, not 0");

    MYiDateEx calendar;
    Json terms = Json::MakeArray();
    std::string text;
    for (const TermEntry& term : calendar.YearTerms(*year)) {
        if (term.date.year != *year) continue;  // the closing entry
        const std::string name(TERM_NAME[static_cast<size_t>(term.index)]);
        terms.Push(Json::MakeObject()
                       .Set("name", name)
                       .Set("index", term.index)
                       .Set("time", FormatDateTime(term.date)));
        text += name + "  " + FormatDateTime(term.date) + "\n";
    }
    Json document = Json::MakeObject();
    document.Set("year", DisplayYearOf(*year)).Set("terms", std::move(terms));
    return Succeed(context, document, text);
}

}  // namespace

Command TermsCommand() {
    return {"terms", "Y", "the solar terms of year Y in Beijing time", {}, RunTerms};
}

}  // namespace tavrel::cli
