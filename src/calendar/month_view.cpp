#include "calendar/month_view.h"

#include <cmath>
#include <cstdio>

#include "calendar/calendar_names.h"
#include "calendar/display_year.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

constexpr std::array<std::string_view, 7> kWeekHeaderDay = {"一", "二", "三", "四",
                                                            "五", "六", "日"};

int Mod(int a, int n) { return ((a % n) + n) % n; }

bool IsOctober1582(const TDateRec& r) { return r.year == 1582 && r.month == 10; }

std::string CycleName(int n) {
    return std::string(STEM_NAME[static_cast<size_t>(n % 10)]) +
           std::string(BRANCH_NAME[static_cast<size_t>(n % 12)]);
}

std::string Format(const char* pattern, auto... values) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

}  // namespace

std::string WeekHeaderText(int column) {
    return "星期" + std::string(kWeekHeaderDay[static_cast<size_t>(column)]);
}

std::uint32_t WeekHeaderColour(int column) { return column < 5 ? kWeekdayColour : kWeekendColour; }

int MonthLength(const TDateRec& r) {
    int b = r.day;
    if (IsOctober1582(r)) {
        if (b >= 5 && b <= 14) return 0;
        if (b > 14) b -= 10;
    }
    const TDateRec first{r.year, r.month, 1, 12, 1};
    const TDateRec next = r.month == 12
                              ? TDateRec{static_cast<int16_t>(r.year + 1), 1, 1, 12, 1}
                              : TDateRec{r.year, static_cast<int16_t>(r.month + 1), 1, 12, 1};
    const int length =
        static_cast<int>(std::floor(MYiDateEx::JdOfDate(next) - MYiDateEx::JdOfDate(first)));
    return b <= length ? length : 0;
}

bool IsCalendarDisplayYear(int displayYear) {
    return displayYear != 0 && displayYear >= kFirstDisplayYear && displayYear <= kLastDisplayYear;
}

MonthRequest OpeningRequest(MonthRequest entered) {
    const TDateRec r{static_cast<int16_t>(CalendarYearOf(entered.displayYear)),
                     static_cast<int16_t>(entered.month), static_cast<int16_t>(entered.day), 12, 0};
    if (IsCalendarDisplayYear(entered.displayYear) && MonthLength(r) == 0) entered.day = 15;
    return entered;
}

bool PreviousMonth(MonthRequest& request) {
    if (request.month == 1) {
        if (request.displayYear <= kFirstDisplayYear) return false;
        request.displayYear = request.displayYear == 1 ? -1 : request.displayYear - 1;
        request.month = 12;
    } else {
        --request.month;
    }
    request.day = 1;
    return true;
}

bool NextMonth(MonthRequest& request) {
    if (request.month == 12) {
        if (request.displayYear >= kLastDisplayYear) return false;
        request.displayYear = request.displayYear == -1 ? 1 : request.displayYear + 1;
        request.month = 1;
    } else {
        ++request.month;
    }
    request.day = 1;
    return true;
}

// The terms follow the year being shown, also when the year changed without being reloaded
// explicitly, so a month is never marked with another year's terms.
const std::vector<TermEntry>& MonthModel::TermsOf(int year) {
    if (!termsLoaded_ || termsYear_ != year) {
        yearTerms_ = calendar_.YearTerms(year);
        termsYear_ = year;
        termsLoaded_ = true;
    }
    return yearTerms_;
}

bool MonthModel::ShowMonth(const MonthRequest& request, MonthView& view) {
    if (!IsCalendarDisplayYear(request.displayYear)) {
        lastError = kCalendarYearRangeMessage;
        lastErrorCaption = kYearRangeCaption;
        return false;
    }
    const TDateRec r{static_cast<int16_t>(CalendarYearOf(request.displayYear)),
                     static_cast<int16_t>(request.month), static_cast<int16_t>(request.day),
                     static_cast<int16_t>(request.hour), static_cast<int16_t>(request.minute)};
    const int dayCount = MonthLength(r);
    if (dayCount == 0) {
        lastError = kMissingDayMessage;
        lastErrorCaption = kMissingDayCaption;
        return false;
    }

    MonthView next;
    next.chosen = r;
    next.dayCount = dayCount;
    for (TermEntry& slot : next.monthTerms) slot.date.day = -100;
    size_t filled = 0;
    for (const TermEntry& term : TermsOf(r.year)) {
        if (term.date.year != r.year) break;  // the closing entry of year −5000
        if (term.date.month != r.month || filled == next.monthTerms.size()) continue;
        next.monthTerms[filled++] = term;
        next.termText += Format("%s:%d日%d时%d分\r\n\r\n",
                                std::string(TERM_NAME[static_cast<size_t>(term.index)]).c_str(),
                                term.date.day, term.date.hour, term.date.minute);
    }

    next.firstColumn = Mod(MYiDateEx::Weekday({r.year, r.month, 1, 12, 1}) + 6, 7);
    for (int j = 1; j <= dayCount; ++j) {
        MonthCell cell;
        cell.day = IsOctober1582(r) && j > 4 ? j + 10 : j;
        const int slot = next.firstColumn + j - 1;
        cell.row = 1 + slot / 7;
        cell.column = slot % 7;
        cell.upperText = j == 1 ? Format("%d月", r.month) : Format("%d", cell.day);
        const TermEntry* dayTerm = nullptr;
        for (const TermEntry& term : next.monthTerms) {
            if (term.date.day == cell.day) dayTerm = &term;
        }
        if (dayTerm) {
            cell.upperText += " " + std::string(TERM_NAME[static_cast<size_t>(dayTerm->index)]);
            cell.colour = kTermDayColour;
            cell.upperSizeOffset = 1;
        } else {
            cell.colour = kDayColour;
            cell.upperSizeOffset = 5;
        }
        TDateRec lunar{};
        bool leap = false;
        calendar_.SolarToLunar({r.year, r.month, static_cast<int16_t>(cell.day), r.hour, r.minute},
                               lunar, leap);
        cell.lowerText = LunarMonthName(lunar.month, leap) + LunarDayName(lunar.day);
        cell.lowerFixedSize = GbkByteLength(cell.lowerText) > 10 ? 8 : 0;
        cell.chosen = cell.day == r.day;
        next.cells.push_back(std::move(cell));
    }

    next.caption = Format("%d年%d月", request.displayYear, r.month);

    int springYear = 0;
    const int yearNumber = calendar_.YearGanzhi(r, &springYear);
    next.title = eras_.EraNames(springYear) +
                 Format("  【%s年】",
                        std::string(ANIMAL_NAME[static_cast<size_t>(yearNumber % 12)]).c_str());
    int dayNumber = MYiDateEx::DayGanzhi(r);
    // From 23:00 the day pillar is the next day's, and the hour its 子.
    if (r.hour == 23) dayNumber = (dayNumber + 1) % 60;
    next.pillars = {yearNumber, calendar_.MonthGanzhi(yearNumber, r), dayNumber,
                    MYiDateEx::HourGanzhi(r.hour, dayNumber)};
    next.pillarText = CycleName(next.pillars[0]) + "年\r\n" + CycleName(next.pillars[1]) +
                      "月\r\n" + CycleName(next.pillars[2]) + "日\r\n" +
                      CycleName(next.pillars[3]) + "时";
    view = std::move(next);
    return true;
}

int DayAtPoint(const MonthView& view, const GridSize& size, int x, int y) {
    const int cw = size.width / 7;
    const int rh = size.height / 7;
    // The strip right of or below the seventh column or row belongs to no cell.
    if (cw <= 0 || rh <= 0 || x < 0 || y < 0 || x >= 7 * cw || y >= 7 * rh) return 0;
    const int index = (y / rh) * 7 + x / cw - 7;
    if (index < view.firstColumn || index > view.firstColumn + view.dayCount - 1) return 0;
    const int k = index - view.firstColumn;
    return IsOctober1582(view.chosen) && k >= 4 ? k + 11 : k + 1;
}

}  // namespace tavrel
