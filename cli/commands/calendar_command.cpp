#include "commands/calendar_command.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar_names.h"
#include "calendar/month_view.h"
#include "commands/calendar_dates.h"

namespace tavrel::cli {

namespace {

std::optional<int> ReadInteger(std::string_view text) {
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop != text.data() + text.size() || text.empty()) return {};
    return value;
}

// "HH:MM" with one- or two-digit hour and minute.
bool ReadTime(std::string_view text, MonthRequest& request) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon > 2 || text.size() - colon - 1 > 2) return false;
    const std::optional<int> hour = ReadInteger(text.substr(0, colon));
    const std::optional<int> minute = ReadInteger(text.substr(colon + 1));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) return false;
    request.hour = *hour;
    request.minute = *minute;
    return true;
}

std::string CycleName(int n) {
    return std::string(STEM_NAME[static_cast<size_t>(n % 10)]) +
           std::string(BRANCH_NAME[static_cast<size_t>(n % 12)]);
}

std::string Pad(const std::string& text, size_t width) {
    size_t columns = 0;  // ASCII is one column, Chinese two
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++columns;
        } else if ((c & 0xC0) != 0x80) {
            columns += 2;
        }
    }
    return text + std::string(columns < width ? width - columns : 0, ' ');
}

// Week rows of cells "day lunar", a term's name after its day.
std::string GridText(const MonthView& view) {
    constexpr size_t kUpperWidth = 9;
    constexpr size_t kWidth = 22;
    std::string text;
    for (int column = 0; column < 7; ++column) text += Pad(WeekHeaderText(column), kWidth);
    text += '\n';
    int row = 1;
    int column = 0;
    for (const MonthCell& cell : view.cells) {
        for (; row < cell.row; ++row, column = 0) text += '\n';
        for (; column < cell.column; ++column) text += std::string(kWidth, ' ');
        text +=
            Pad((cell.chosen ? "[" : "") + cell.upperText + (cell.chosen ? "]" : ""), kUpperWidth);
        text += Pad(cell.lowerText, kWidth - kUpperWidth);
        ++column;
    }
    return text + "\n";
}

int RunCalendar(CommandContext& context) {
    const auto& words = context.args.Positionals();
    const std::optional<int> year = words.size() == 2 ? ReadInteger(words[0]) : std::nullopt;
    const std::optional<int> month = words.size() == 2 ? ReadInteger(words[1]) : std::nullopt;
    if (!year || !month || *month < 1 || *month > 12) {
        return UsageError(context, CalendarCommand(), "give a year and a month 1 … 12");
    }
    MonthRequest request{*year, *month, 1, 12, 0};
    if (const auto day = context.args.Value("day")) {
        const std::optional<int> d = ReadInteger(*day);
        if (!d || *d < 1 || *d > 31) {
            return UsageError(context, CalendarCommand(), "--day takes a day 1 … 31");
        }
        request.day = *d;
    }
    if (const auto time = context.args.Value("time"); time && !ReadTime(*time, request)) {
        return UsageError(context, CalendarCommand(), "--time takes HH:MM");
    }

    MonthModel model;
    MonthView view;
    if (!model.ShowMonth(request, view)) return Fail(context, model.lastError);

    Json days = Json::MakeArray();
    for (const MonthCell& cell : view.cells) {
        const TDateRec date{view.chosen.year, view.chosen.month, static_cast<int16_t>(cell.day), 12,
                            1};
        std::optional<std::string> term;
        for (const TermEntry& entry : view.monthTerms) {
            if (entry.date.day == cell.day)
                term = std::string(TERM_NAME[static_cast<size_t>(entry.index)]);
        }
        days.Push(Json::MakeObject()
                      .Set("day", cell.day)
                      .Set("weekday", WEEKDAY_NAME[static_cast<size_t>(MYiDateEx::Weekday(date))])
                      .Set("lunar", cell.lowerText)
                      .Set("term", term ? Json(*term) : Json()));
    }
    Json terms = Json::MakeArray();
    std::string termLines;
    for (const TermEntry& entry : view.monthTerms) {
        if (entry.date.day == -100) continue;
        const std::string name(TERM_NAME[static_cast<size_t>(entry.index)]);
        terms.Push(Json::MakeObject()
                       .Set("name", name)
                       .Set("index", entry.index)
                       .Set("time", FormatDateTime(entry.date)));
        termLines += name + "  " + FormatDateTime(entry.date) + "\n";
    }
    Json pillars = Json::MakeObject()
                       .Set("year", CycleName(view.pillars[0]))
                       .Set("month", CycleName(view.pillars[1]))
                       .Set("day", CycleName(view.pillars[2]))
                       .Set("hour", CycleName(view.pillars[3]));
    Json document = Json::MakeObject();
    document.Set("year", request.displayYear)
        .Set("month", request.month)
        .Set("days", std::move(days))
        .Set("terms", std::move(terms))
        .Set("title", view.title)
        .Set("pillars", std::move(pillars));

    std::string text = view.caption + "\n" + view.title + "\n\n" + GridText(view) + "\n" +
                       termLines + "\n" + CycleName(view.pillars[0]) + "年 " +
                       CycleName(view.pillars[1]) + "月 " + CycleName(view.pillars[2]) + "日 " +
                       CycleName(view.pillars[3]) + "时\n";
    return Succeed(context, document, text);
}

}  // namespace

Command CalendarCommand() {
    return {"calendar",
            "Y M [--day D] [--time HH:MM]",
            "the month of the perpetual calendar with lunar dates, terms and pillars",
            {{"day", true}, {"time", true}},
            RunCalendar,
            "  Y is a display year (-4713 … 9999, no year 0; -1 is 1 BC), M the month.\n"
            "  --day D and --time HH:MM choose the moment of the pillars (day 1, 12:00).\n"};
}

}  // namespace tavrel::cli
