#include "chart/age_limits.h"

#include <cmath>

#include "calendar/rounding.h"
#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

namespace {

constexpr double kYearDays = 365.25;
// Methods 1 and 2 start the running limits three minutes after 立春.
constexpr double kAfterSpring = 0.0020833;

int Mod12(int n) { return ((n % 12) + 12) % 12; }

}  // namespace

double SpringJd(const MYiDateEx& calendar, int year) {
    return MYiDateEx::JdOfDate(calendar.TermTime(year, 2, true));
}

int PillarYearAt(const MYiDateEx& calendar, double jd) {
    const int year = MYiDateEx::DateOfJd(jd).year;
    return jd < SpringJd(calendar, year) ? year - 1 : year;
}

double ComputeChildhoodLimit(TPositionSheet& sheet, const TTimeBlock& time, int tongXian,
                             const MYiDateEx& calendar) {
    const double d = sheet.points[kSun].degreeInSign / 3;
    const int y = static_cast<int>(std::trunc(d));
    const int days = static_cast<int>(std::trunc((d - y) * kYearDays));
    sheet.childhoodYears = static_cast<int16_t>(y + 10);
    sheet.childhoodDays = static_cast<int16_t>(days);
    double start = time.jdBeijing + (y + 10) * kYearDays + days;
    int age = 0;
    if (tongXian == 1) {
        age = y + 11;
    } else if (tongXian == 2) {
        // The old method subtracts the calendar years as bytes; the byte of the difference is
        // the difference itself, since a childhood limit is shorter than 256 years.
        age = static_cast<uint8_t>(MYiDateEx::DateOfJd(start).year - time.pillarTime.year);
    } else {
        age = PillarYearAt(calendar, start) - time.pillarYear + 1;
    }
    if (tongXian == 1 || tongXian == 2) {
        start = SpringJd(calendar, time.pillarYear + age - 1) + kAfterSpring;
    }
    sheet.limitStartAge = static_cast<uint8_t>(age);
    return start;
}

void BuildLimitTable(TGridLevel& table, const TPositionSheet& sheet, const TTimeBlock& time,
                     double runningStart, bool isMale, const MYiDateEx& calendar) {
    table = TGridLevel{};
    table.count = kAgeLimitRows;
    table.shown = kAgeLimitRows;
    TGridRow& first = table.rows[0];
    first.level = 1;
    first.label = "命宫";
    first.start = time.jdBeijing;
    first.end = runningStart;
    first.years = static_cast<float>((first.end - first.start) / kYearDays);
    first.pillarYear = time.pillarYear;
    first.startAge = 1;
    first.endAge = static_cast<int16_t>(sheet.limitStartAge - 1);
    for (int i = 1; i < kAgeLimitRows; ++i) {
        TGridRow& row = table.rows[static_cast<size_t>(i)];
        row.level = 1;
        row.label = PalaceTitle(12 - i, isMale);
        row.start = table.rows[static_cast<size_t>(i - 1)].end;
        row.years = RUNNING_LIMIT_YEARS[i - 1];
        row.end = row.start + row.years * kYearDays;
        row.pillarYear = PillarYearAt(calendar, row.start);
        row.startAge = static_cast<int16_t>(row.pillarYear - time.pillarYear + 1);
        row.endAge = static_cast<int16_t>(RoundTo(row.startAge + row.years + 0.1, 0) - 1);
    }
}

double RunningLimitLongitude(const TGridLevel& table, int lifePalace, double jd) {
    int i = FindGridRow(table, jd);
    if (i < 0) i = 0;
    const TGridRow& row = table.rows[static_cast<size_t>(i)];
    const int p = Mod12(lifePalace + i);
    double longitude = Mod12(12 - p) * 30 - ((jd - row.start) / kYearDays) * (30.0 / row.years);
    if (longitude < 0) longitude += 360;
    return longitude;
}

int SmallLimitPalace(int lifePalace, int age) { return Mod12(lifePalace - Mod12(age - 1)); }

int MonthLimitPalace(int smallLimit, int annualMonthPillar, int natalMonthPillar) {
    return Mod12(smallLimit - Mod12(annualMonthPillar % 12 - natalMonthPillar % 12));
}

}  // namespace tavrel
