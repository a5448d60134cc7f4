#include "commands/convert_command.h"

#include <optional>
#include <string>

#include "calendar/calendar_names.h"
#include "calendar/era_names.h"
#include "calendar/lunar_calendar.h"
#include "commands/calendar_dates.h"

namespace tavrel::cli {

namespace {

std::string CycleName(int n) {
    return std::string(STEM_NAME[static_cast<size_t>(n % 10)]) +
           std::string(BRANCH_NAME[static_cast<size_t>(n % 12)]);
}

int RunConvert(CommandContext& context) {
    const std::optional<std::string> solarText = context.args.Value("solar");
    const std::optional<std::string> lunarText = context.args.Value("lunar");
    if (solarText.has_value() == lunarText.has_value() || !context.args.Positionals().empty() ||
        (solarText && context.args.Has("leap"))) {
        return UsageError(context, ConvertCommand(), "give either --solar or --lunar");
    }
    const std::string& text = solarText ? *solarText : *lunarText;
    const std::optional<TDateRec> given = ParseDateTime(text);
    if (!given) {
        return UsageError(context, ConvertCommand(),
                          "'" + text + "' is not a date and time Y-M-D HH:MM");
    }

    MYiDateEx calendar;
    TDateRec solar = *given;
    if (lunarText) {
        if (!calendar.LunarToSolar(*given, context.args.Has("leap"), solar)) {
            return Fail(context, calendar.lastError);
        }
    } else if (!MYiDateEx::IsValidDate(solar)) {
        return Fail(context, "'" + text + "' is not a day of the calendar");
    }
    TDateRec lunar{};
    bool leap = false;
    int length = 0;
    calendar.SolarToLunarEx(solar, lunar, leap, length);

    int pillarYear = 0;
    const int yearNumber = calendar.YearGanzhi(solar, &pillarYear);
    const int monthNumber = calendar.MonthGanzhi(yearNumber, solar);
    const int dayNumber = MYiDateEx::DayGanzhi(solar);
    // From 23:00 the hour is the next day's 子, reckoned from the next day's stem.
    TDateRec nextDay = solar;
    MYiDateEx::NextDay(nextDay);
    const int hourNumber = MYiDateEx::HourGanzhi(
        solar.hour, solar.hour == 23 ? MYiDateEx::DayGanzhi(nextDay) : dayNumber);
    const std::string animal(ANIMAL_NAME[static_cast<size_t>(yearNumber % 12)]);
    const std::string era = obb_class().EraNames(pillarYear);

    Json document = Json::MakeObject();
    document.Set("solar", Json::MakeObject()
                              .Set("year", DisplayYearOf(solar.year))
                              .Set("month", solar.month)
                              .Set("day", solar.day)
                              .Set("hour", solar.hour)
                              .Set("minute", solar.minute));
    document.Set("lunar", Json::MakeObject()
                              .Set("year", DisplayYearOf(lunar.year))
                              .Set("month", lunar.month)
                              .Set("day", lunar.day)
                              .Set("leap", leap)
                              .Set("month_length", length));
    document.Set("pillars", Json::MakeObject()
                                .Set("year", CycleName(yearNumber))
                                .Set("month", CycleName(monthNumber))
                                .Set("day", CycleName(dayNumber))
                                .Set("hour", CycleName(hourNumber)));
    document.Set("animal", animal).Set("era", era);

    std::string out = "公历 " + FormatDateTime(solar) + "\n";
    out += "农历 " + std::to_string(DisplayYearOf(lunar.year)) + "年" +
           LunarMonthName(lunar.month, leap) + LunarDayName(lunar.day) + "（月" +
           (length == 30 ? "大" : "小") + "）\n";
    out += "四柱 " + CycleName(yearNumber) + " " + CycleName(monthNumber) + " " +
           CycleName(dayNumber) + " " + CycleName(hourNumber) + "  属" + animal + "\n";
    if (!era.empty()) out += era + "\n";
    return Succeed(context, document, out);
}

}  // namespace

Command ConvertCommand() {
    return {"convert",
            "--solar \"Y-M-D HH:MM\" | --lunar \"Y-M-D HH:MM\" [--leap]",
            "solar date to lunar date or back (Beijing time), with the four pillars, animal and "
            "era names",
            {{"solar", true}, {"lunar", true}, {"leap", false}},
            RunConvert};
}

}  // namespace tavrel::cli
