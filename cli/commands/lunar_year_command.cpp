#include "commands/lunar_year_command.h"

#include <optional>
#include <string>

#include "calendar/calendar_names.h"
#include "calendar/lunar_calendar.h"
#include "commands/calendar_dates.h"

namespace tavrel::cli {

namespace {

int RunLunarYear(CommandContext& context) {
    const auto& words = context.args.Positionals();
    const std::optional<int> year = words.size() == 1 ? ParseDisplayYear(words[0]) : std::nullopt;
    if (!year) return UsageError(context, LunarYearCommand(), "give one year, -4712 … 9999, not 0");

    MYiDateEx calendar;
    Json months = Json::MakeArray();
    std::string text;
    TDateRec day{static_cast<int16_t>(*year), 1, 1, 12, 0};
    for (; day.year == *year; MYiDateEx::NextDay(day)) {
        TDateRec lunar{};
        bool leap = false;
        int length = 0;
        calendar.SolarToLunarEx(day, lunar, leap, length);
        if (lunar.day != 1) continue;
        months.Push(Json::MakeObject()
                        .Set("first_day", FormatDate(day))
                        .Set("month", lunar.month)
                        .Set("leap", leap)
                        .Set("length", length));
        text += FormatDate(day) + "  " + LunarMonthName(lunar.month, leap) + "  " +
                std::to_string(length) + "\n";
    }
    Json document = Json::MakeObject();
    document.Set("year", DisplayYearOf(*year)).Set("months", std::move(months));
    return Succeed(context, document, text);
}

}  // namespace

Command LunarYearCommand() {
    return {"lunar-year",
            "Y",
            "the lunar months beginning in year Y: first day, month, leap flag and length",
            {},
            RunLunarYear};
}

}  // namespace tavrel::cli
