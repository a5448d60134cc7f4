#include "pillars/luck_cycles.h"

#include <algorithm>
#include <cmath>

#include "pillars/pillar_elements.h"
#include "pillars/pillar_spirits.h"

namespace tavrel {

namespace {

constexpr int kMinutesPerYear = 4320;  // three days
constexpr int kMinutesPerMonth = 360;  // six hours
constexpr int kMinutesPerDay = 12;

struct TSpan {
    int years;
    int months;
    int days;
};

TSpan SpanOfMinutes(int minutes) {
    return {minutes / kMinutesPerYear, minutes % kMinutesPerYear / kMinutesPerMonth,
            minutes % kMinutesPerYear % kMinutesPerMonth / kMinutesPerDay};
}

// Adds months and years to a date, carrying past December into the next year.
void AddMonthsAndYears(TDateRec& date, const TSpan& span) {
    date.month = static_cast<int16_t>(date.month + span.months);
    if (date.month > 12) {
        date.month = static_cast<int16_t>(date.month - 12);
        ++date.year;
    }
    date.year = static_cast<int16_t>(date.year + span.years);
}

// Nominal age in the pillar years: the 立春 before `jd` opens the year it is counted in.
int NominalAge(const MYiDateEx& calendar, int year, double jd, int pillarYear) {
    const TDateRec springStart = calendar.TermTime(year, 2, true);
    if (JdOfDate(springStart) > jd) --year;
    return std::max(year, pillarYear) - pillarYear + 1;
}

void SetDate(TLuckStart& start, const TDateRec& date) {
    start.date[0] = date.year;
    start.date[1] = date.month;
    start.date[2] = date.day;
}

TDateRec AtClock(TDateRec date, int hour, int minute) {
    date.hour = static_cast<int16_t>(hour);
    date.minute = static_cast<int16_t>(minute);
    return date;
}

void SolarExact(const TSpan& span, const TTimeBlock& time, const MYiDateEx& calendar,
                TLuckStart& start) {
    TDateRec date = time.beijingTime;
    AddMonthsAndYears(date, span);
    const double jd = JdOfDate(date) + span.days;
    date = DateOfJd(jd);
    SetDate(start, date);
    start.age = static_cast<int16_t>(NominalAge(calendar, date.year, jd, time.pillarYear));
}

bool LunarExact(const TSpan& span, const TTimeBlock& time, MYiDateEx& calendar, TLuckStart& start) {
    TDateRec lunar;
    bool leap = false;
    int monthLength = 0;
    calendar.SolarToLunarEx(time.beijingTime, lunar, leap, monthLength);
    TDateRec monthStart = lunar;
    AddMonthsAndYears(monthStart, span);
    monthStart.day = 1;
    TDateRec solar;
    if (!calendar.LunarToSolar(monthStart, false, solar)) return false;
    const double jd = JdOfDate(solar) + (lunar.day - 1) + span.days;
    const TDateRec date = DateOfJd(jd);
    TDateRec startLunar;
    calendar.SolarToLunar(date, startLunar, leap);
    SetDate(start, startLunar);
    start.age = static_cast<int16_t>(NominalAge(calendar, date.year, jd, time.pillarYear));
    return true;
}

// Whole calendar days between the birth date and the date of the term that starts the count.
int DaysToTerm(const TTimeBlock& time, int direction) {
    const TDateRec birth = time.beijingTime;
    const double days =
        direction > 0
            ? JdOfDate(AtClock(DateOfJd(time.termNext), 12, 20)) - JdOfDate(AtClock(birth, 12, 10))
            : JdOfDate(AtClock(birth, 12, 20)) - JdOfDate(AtClock(DateOfJd(time.termPrev), 12, 10));
    return static_cast<int>(std::floor(days));
}

// The term instant at which the 盲派 count turns over in year y, by the year's sound element.
TDateRec BlindSchoolTerm(const MYiDateEx& calendar, PillarElement element, int year) {
    const auto shifted = [&](int month, bool jie, int days, int hour) {
        const TDateRec term = calendar.TermTime(year, month, jie);
        return AtClock(DateOfJd(JdOfDate(term) + days), hour, 1);
    };
    switch (element) {
        case kWater:
            return shifted(12, false, -3, 22);  // 冬至
        case kWood:
            return shifted(1, false, 0, 4);  // 大寒
        case kFire:
            return shifted(4, true, -3, 12);  // 清明
        case kEarth:
            return shifted(6, true, 9, 8);  // 芒种
        case kMetal:
            return shifted(8, false, 0, 16);  // 处暑
    }
    return shifted(8, false, 0, 16);
}

void BlindSchool(int years, const TTimeBlock& time, const MYiDateEx& calendar, TLuckStart& start) {
    const PillarElement element = NayinElement(time.yearPillar);
    // The birth lies in pillarYear or the year after, so the third year always holds the term.
    TDateRec term{};
    for (int year = time.pillarYear + years; year <= time.pillarYear + years + 2; ++year) {
        term = BlindSchoolTerm(calendar, element, year);
        if (JdOfDate(term) >= time.jdBeijing) break;
    }
    SetDate(start, term);
    const TDateRec springStart = calendar.TermTime(term.year, 2, true);
    start.age = static_cast<int16_t>(term.year - time.pillarYear +
                                     (JdOfDate(springStart) <= JdOfDate(term) ? 1 : 0));
}

}  // namespace

int LuckDirection(int yearPillar, bool male) { return CountsForward(yearPillar, male) ? 1 : -1; }

int LuckMinutes(const TTimeBlock& time, int direction) {
    const double days =
        direction > 0 ? time.termNext - time.jdBeijing : time.jdBeijing - time.termPrev;
    return static_cast<int>(std::floor(days * 1440));
}

bool LuckStart(int minutes, int iYunLi, const TTimeBlock& time, int direction, MYiDateEx& calendar,
               TLuckStart& start) {
    start = {};
    const TSpan span = SpanOfMinutes(minutes);
    switch (iYunLi) {
        case kLuckLunarExact:
            return LunarExact(span, time, calendar, start);
        case kLuckFolk:
        case kLuckBlindSchool: {
            const int days = DaysToTerm(time, direction);
            const int years = days > 4 ? (days - 5) / 3 + 1 : 0;
            if (iYunLi == kLuckFolk) {
                SetDate(start, calendar.TermTime(time.pillarYear + years, 2, true));
                start.age = static_cast<int16_t>(years + 1);
            } else {
                BlindSchool(years, time, calendar, start);
            }
            return true;
        }
        default:
            SolarExact(span, time, calendar, start);
            return true;
    }
}

int LuckPillar(int monthPillar, int direction, int i) {
    return (monthPillar + i * direction + 120) % 60;
}

int LuckCycleAge(int startAge, int i) { return startAge + 10 * (i - 1); }

int LuckCycleYear(int pillarYear, int startAge, int i) {
    return pillarYear + LuckCycleAge(startAge, i) - 1;
}

}  // namespace tavrel
