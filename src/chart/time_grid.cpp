#include "chart/time_grid.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "calendar/calendar_names.h"
#include "chart/age_limits.h"

namespace tavrel {

namespace {

constexpr double kMinute = 1.0 / 1440;
// The month of a grid date is looked up 59 seconds on, so that a 节 inside its minute counts.
constexpr double kMonthLookup = 0.00068287;
// Days after the first are looked up 61 minutes past their 23:00 start.
constexpr double kDayLookup = 0.0423611;
constexpr double kDoubleHour = 1.0 / 12;
constexpr double kEmptyHalf = 0.0000591;
constexpr const char* kEmptyCell = "空白格子没有时间可以选择！";

TGridRow& Row(TGridLevel& level, int i) { return level.rows[static_cast<size_t>(i)]; }
const TGridRow& Row(const TGridLevel& level, int i) { return level.rows[static_cast<size_t>(i)]; }

const TGridRow& Selected(const TTimeGrid& grid, int level) {
    return Row(grid.levels[static_cast<size_t>(level)],
               grid.selections[static_cast<size_t>(level)].selected);
}

void FinishLevel(TTimeGrid& grid, int level, int count) {
    TGridLevel& target = grid.levels[static_cast<size_t>(level)];
    target.count = static_cast<int16_t>(count);
    target.paged = count > kGridCells ? 1 : 0;
    target.shown = static_cast<int16_t>(target.paged ? kGridPageRows : count);
    grid.selections[static_cast<size_t>(level)].selected = 0;
    grid.selections[static_cast<size_t>(level)].firstShown = 0;
}

// A date at 23:xx belongs to the next day.
TDateRec CivilDay(TDateRec date) {
    if (date.hour == 23) MYiDateEx::NextDay(date);
    return date;
}

void SetLunarDate(TGridRow& row, const TDateRec& day, MYiDateEx& calendar) {
    bool leap = false;
    calendar.SolarToLunar(day, row.lunarDate, leap);
    row.isLeapMonth = leap ? 1 : 0;
}

std::string Label(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string BranchLabel(int pillar, std::string_view suffix) {
    return std::string(BRANCH_NAME[static_cast<size_t>(pillar % 12)]) + std::string(suffix);
}

void BuildYears(TTimeGrid& grid, const MYiDateEx& calendar) {
    const TGridRow limit = Selected(grid, 0);
    TGridLevel& years = grid.levels[1];
    years = TGridLevel{};
    // Every pillar year the limit touches gets a row, the last one ending with the limit.
    const int last = PillarYearAt(calendar, limit.end - kMinute) - limit.pillarYear;
    int count = 0;
    for (int j = 0; j <= last && count < kGridRowCapacity; ++j, ++count) {
        TGridRow& row = Row(years, j);
        row.level = 2;
        row.pillarYear = limit.pillarYear + j;
        row.age = static_cast<int16_t>(limit.startAge + j);
        row.start = j == 0 ? limit.start : SpringJd(calendar, row.pillarYear);
        row.end = j == last ? limit.end : SpringJd(calendar, row.pillarYear + 1);
        row.pillar = static_cast<int16_t>((row.pillarYear + 6897) % 60);
        row.label = Label("%d岁", row.age);
    }
    FinishLevel(grid, 1, count);
}

void BuildMonths(TTimeGrid& grid, const TGridContext& context) {
    const TGridRow year = Selected(grid, 1);
    TGridLevel& months = grid.levels[2];
    months = TGridLevel{};
    const TGridPillars first =
        GridPillars(MYiDateEx::DateOfJd(year.start), context.zishi, context.calendar);
    int p = first.pillars.month;
    int y = first.pillarYear;
    int g = p % 12 - 1;
    if (g < 1) g += 12;
    if (g == 1) ++y;
    double start = year.start;
    int count = 0;
    while (start < year.end && count < kGridRowCapacity) {
        TGridRow& row = Row(months, count);
        row.level = 3;
        row.start = start;
        row.date = MYiDateEx::DateOfJd(start);
        SetLunarDate(row, CivilDay(row.date), context.calendar);
        const int nextG = g == 12 ? 1 : g + 1;
        const int nextY = g == 12 ? y + 1 : y;
        row.end = MYiDateEx::JdOfDate(context.calendar.TermTime(nextY, nextG, true));
        row.pillar = static_cast<int16_t>(p);
        row.label = BranchLabel(p, "月");
        ++count;
        g = nextG;
        y = nextY;
        p = (p + 1) % 60;
        start = row.end;
    }
    FinishLevel(grid, 2, count);
}

void BuildDays(TTimeGrid& grid, const TGridContext& context) {
    const TGridRow month = Selected(grid, 2);
    const double yearEnd = Selected(grid, 1).end;
    TGridLevel& days = grid.levels[3];
    days = TGridLevel{};
    double s = month.start;
    int count = 0;
    while (count < kGridRowCapacity && (count == 0 || s < yearEnd)) {
        const TDateRec lookup = MYiDateEx::DateOfJd(count == 0 ? s : s + kDayLookup);
        // The day a row stands for: a start at 23:xx belongs to the next day.
        const TDateRec day = CivilDay(lookup);
        const TGridPillars pillars = GridPillars(lookup, context.zishi, context.calendar);
        if (pillars.pillars.month != month.pillar) break;
        TGridRow& row = Row(days, count);
        row.level = 4;
        row.start = s;
        row.pillar = static_cast<int16_t>(pillars.pillars.day);
        row.date = MYiDateEx::DateOfJd(s);
        SetLunarDate(row, day, context.calendar);
        char text[32];
        std::snprintf(text, sizeof text, "%d-%d%s日", day.month, day.day,
                      BRANCH_NAME[static_cast<size_t>(row.pillar % 12)].data());
        row.label = text;
        if (count == 0) {
            TDateRec evening = day;
            evening.hour = 0;
            evening.minute = 0;
            s = MYiDateEx::JdOfDate(evening) - kMinute / 60 - 1.0 / 24;
        }
        s += 1;
        row.end = s;
        ++count;
    }
    FinishLevel(grid, 3, count);
}

void BuildDoubleHours(TTimeGrid& grid, const TGridContext& context) {
    const TGridRow day = Selected(grid, 3);
    const double yearEnd = Selected(grid, 1).end;
    TGridLevel& hours = grid.levels[4];
    hours = TGridLevel{};
    double s = day.start;
    int p = GridPillars(MYiDateEx::DateOfJd(s), context.zishi, context.calendar).pillars.hour;
    int count = 0;
    for (;;) {
        TGridRow& row = Row(hours, count);
        row.level = 5;
        row.start = s;
        row.pillar = static_cast<int16_t>(p);
        row.label = BranchLabel(p, "时");
        row.date = MYiDateEx::DateOfJd(s);
        if (count == 0) {
            TDateRec branchStart = CivilDay(row.date);
            branchStart.hour = static_cast<int16_t>(2 * ((p % 12 + 11) % 12));
            branchStart.minute = 0;
            s = MYiDateEx::JdOfDate(branchStart) - kMinute / 60 - 1.0 / 24;
        }
        s += kDoubleHour;
        row.end = s;
        ++count;
        p = (p + 1) % 60;
        if (p % 12 == 1 || s >= yearEnd || count == kGridRowCapacity) break;
    }
    FinishLevel(grid, 4, count);
}

// Builds one level from the selection of the level above it.
void BuildLevel(TTimeGrid& grid, int level, const TGridContext& context) {
    if (grid.levels[static_cast<size_t>(level - 1)].count <= 0) {
        // Below a level without rows there is nothing to build.
        grid.levels[static_cast<size_t>(level)] = TGridLevel{};
        FinishLevel(grid, level, 0);
    } else if (level == 1) {
        BuildYears(grid, context.calendar);
    } else if (level == 2) {
        BuildMonths(grid, context);
    } else if (level == 3) {
        BuildDays(grid, context);
    } else {
        BuildDoubleHours(grid, context);
    }
}

void Select(TTimeGrid& grid, int level, int row, int firstShown) {
    TGridSelection& selection = grid.selections[static_cast<size_t>(level)];
    selection.selected = static_cast<int16_t>(row);
    selection.firstShown = static_cast<int16_t>(firstShown);
}

// Selects row `row` of level `level` and rebuilds the levels below it.
void Choose(TTimeGrid& grid, int level, int row, int firstShown, const TGridContext& context) {
    Select(grid, level, row, firstShown);
    if (level < kGridLevelCount - 1) {
        grid.rebuildLevel = level;
        RebuildGrid(grid, context);
    }
}

}  // namespace

TGridPillars GridPillars(const TDateRec& date, int zishi, const MYiDateEx& calendar) {
    TGridPillars result{};
    const double jd = MYiDateEx::JdOfDate(date);
    result.pillarYear = PillarYearAt(calendar, jd);
    TPillars& pillars = result.pillars;
    pillars.year = (result.pillarYear + 6897) % 60;
    pillars.month = calendar.MonthGanzhiAt(pillars.year, jd - 1.0 / 86400 + kMonthLookup);
    pillars.day = MYiDateEx::DayGanzhi(date);
    const bool late = date.hour == 23;
    if (late && (zishi == 0 || zishi == 1)) pillars.day = (pillars.day + 1) % 60;
    pillars.hour = MYiDateEx::HourGanzhi(date.hour, pillars.day);
    if (late && zishi == 1) pillars.hour = (pillars.hour + 48) % 60;
    if (late && zishi == 2) pillars.hour = (pillars.hour + 12) % 60;
    return result;
}

void RebuildGrid(TTimeGrid& grid, const TGridContext& context) {
    for (int level = grid.rebuildLevel + 1; level < kGridLevelCount; ++level) {
        BuildLevel(grid, level, context);
    }
}

bool LocateMoment(TTimeGrid& grid, const TDateRec& date, const TGridContext& context) {
    const double x = MYiDateEx::JdOfDate(date);
    // Going down, only the next level is built from each new selection; the deeper ones would
    // be built again from the following selection anyway.
    for (int level = 0; level < kGridLevelCount; ++level) {
        const TGridLevel& rows = grid.levels[static_cast<size_t>(level)];
        const int row = FindGridRow(rows, x);
        if (row < 0) {
            // The levels below stay as the choice above left them: from their first rows.
            if (level < kGridLevelCount - 1) {
                grid.rebuildLevel = level;
                RebuildGrid(grid, context);
            }
            return false;
        }
        Select(grid, level, row, row / rows.shown * rows.shown);
        if (level < kGridLevelCount - 1) {
            grid.rebuildLevel = level;
            BuildLevel(grid, level + 1, context);
        }
    }
    return true;
}

bool SetAnnualMoment(TTimeGrid& grid, const TDateRec& date, const TGridContext& context) {
    const TGridLevel& limits = grid.levels[0];
    const double x = MYiDateEx::JdOfDate(date);
    if (limits.count <= 0 || x < Row(limits, 0).start || x >= Row(limits, limits.count - 1).end) {
        context.lastError = "流年时间必须在大限范围内！";
        return false;
    }
    grid.chosenMoment = x;
    if (!LocateMoment(grid, date, context)) {
        context.lastError = "流年时间越界！";
        return false;
    }
    return true;
}

bool DefaultAnnualMoment(TTimeGrid& grid, const TDateRec& now, const TGridContext& context) {
    const TGridLevel& limits = grid.levels[0];
    const double x = MYiDateEx::JdOfDate(now);
    TDateRec moment = now;
    if (limits.count > 0 && (x < Row(limits, 0).start || x >= Row(limits, limits.count - 1).end)) {
        moment = MYiDateEx::DateOfJd(Row(limits, 0).start + 2 * kMinute);
    }
    return SetAnnualMoment(grid, moment, context);
}

TDateRec LocalClockNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<int16_t>(local.tm_year + 1900), static_cast<int16_t>(local.tm_mon + 1),
            static_cast<int16_t>(local.tm_mday), static_cast<int16_t>(local.tm_hour),
            static_cast<int16_t>(local.tm_min)};
}

int ClickGrid(TTimeGrid& grid, int x, int y, const TGridContext& context) {
    int level = 0;
    while (level < kGridLevelCount) {
        const TGridSelection& s = grid.selections[static_cast<size_t>(level)];
        if (s.left <= x && x < s.right && s.top <= y && y < s.bottom) break;
        ++level;
    }
    if (level == kGridLevelCount) return -1;
    const TGridSelection& selection = grid.selections[static_cast<size_t>(level)];
    const TGridLevel& rows = grid.levels[static_cast<size_t>(level)];
    const int cellWidth = (selection.right - selection.left) / kGridCells;
    // Pixels right of the twelfth cell, or a level too narrow for cells, hold no cell.
    const int c = cellWidth > 0 ? (x - selection.left) / cellWidth : kGridCells;
    if (c >= kGridCells) {
        context.lastError = kEmptyCell;
        return 1;
    }
    int row = selection.selected;
    int firstShown = selection.firstShown;
    if (rows.paged) {
        if (c == 0 || c == kGridCells - 1) {
            const int page = c == 0 ? firstShown - rows.shown : firstShown + rows.shown;
            if (page >= 0 && page < rows.count) row = firstShown = page;
        } else {
            row = c + firstShown - 1;
        }
    } else {
        row = c;
    }
    if (row < 0 || row >= rows.count) {
        context.lastError = kEmptyCell;
        return 1;
    }
    Choose(grid, level, row, firstShown, context);
    const TGridLevel& hours = grid.levels[kGridLevelCount - 1];
    const int hour = grid.selections[kGridLevelCount - 1].selected;
    if (hour < 0 || hour >= hours.count) {
        context.lastError = kEmptyCell;
        return 1;
    }
    const TGridRow& chosen = Row(hours, hour);
    const double half = (chosen.end - chosen.start) / 2;
    grid.chosenMoment = chosen.start + (half > 0 ? half : kEmptyHalf);
    return 0;
}

}  // namespace tavrel
