#include "calendar/lunar_calendar.h"

#include <algorithm>
#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/int2.h"
#include "astronomy/sun_moon_events.h"

namespace tavrel {

namespace {

constexpr double J2000 = 2451545;
constexpr char NO_SUCH_LUNAR_DATE[] = "不存在这个农历日期，无法转换到公历！";

int Mod(int v, int m) { return ((v % m) + m) % m; }

int NoonJdNumber(const TDateRec& r) {
    return Int2(tavrel::JdOfDate({r.year, r.month, r.day, 12, 0}));
}

int LunarOrder(const TDateRec& r, bool leap) {
    return static_cast<int>(std::floor(r.month * 29.5) + r.year * 354 + r.day) + (leap ? 30 : 0);
}

}  // namespace

void MYiDateEx::SolarToLunar(const TDateRec& solar, TDateRec& lunar, bool& leap) {
    int length = 0;
    SolarToLunarEx(solar, lunar, leap, length);
}

void MYiDateEx::SolarToLunarEx(const TDateRec& solar, TDateRec& lunar, bool& leap,
                               int& monthLength) {
    d0 = NoonJdNumber(solar) - static_cast<int>(J2000);
    if (!YearCovers(d0)) ComputeYear(d0);
    const YearState& s = Year();

    int i = Int2((d0 - s.newMoons[0]) / 30.0);
    if (i < 0) i = 0;
    if (i > 13) i = 13;
    if (i < 13 && d0 >= s.newMoons[i + 1]) ++i;

    int D = s.newMoons[2];
    for (int j = 0; j < 14; ++j) {
        if (s.monthNo[j] != 1 || (s.leap != 0 && j == s.leap)) continue;
        D = s.newMoons[j];
        if (d0 < D) {
            D -= 365;
            break;
        }
    }
    lunar.year = static_cast<int16_t>(Int2((D + 5810) / 365.2422 + 0.5) + 1984);
    lunar.month = static_cast<int16_t>(s.monthNo[i]);
    lunar.day = static_cast<int16_t>(d0 - s.newMoons[i] + 1);
    lunar.hour = solar.hour;
    lunar.minute = solar.minute;
    leap = s.leap != 0 && i == s.leap;
    monthLength = s.monthLen[i];
}

bool MYiDateEx::LunarToSolar(const TDateRec& lunar, bool leap, TDateRec& solar) {
    lastError.clear();
    if (lunar.year < -4712 || lunar.year > 9999) {
        lastError = NO_SUCH_LUNAR_DATE;
        return false;
    }
    // Start from the solar date with the same numbers and walk towards the lunar date.
    TDateRec guess = lunar;
    guess.month = static_cast<int16_t>(std::clamp<int>(lunar.month, 1, 12));
    guess.day = static_cast<int16_t>(std::clamp<int>(lunar.day, 1, guess.month == 2 ? 28 : 31));
    if (!IsValidDate(guess)) guess.day = 28;
    int J = NoonJdNumber(guess);

    TDateRec found{};
    bool foundLeap = false;
    SolarToLunar(tavrel::DateOfJd(J), found, foundLeap);
    const int step = LunarOrder(lunar, leap) < LunarOrder(found, foundLeap) ? -1 : 1;

    for (int n = 0; n < 181; ++n, J += step) {
        SolarToLunar(tavrel::DateOfJd(J), found, foundLeap);
        if (found.year == lunar.year && found.month == lunar.month && found.day == lunar.day &&
            foundLeap == leap) {
            solar = tavrel::DateOfJd(J);
            solar.hour = lunar.hour;
            solar.minute = lunar.minute;
            return true;
        }
    }
    lastError = NO_SUCH_LUNAR_DATE;
    return false;
}

double MYiDateEx::TermJd(double year, double longitude) const {
    const double x = SunLongitudeTime(2 * PI_VALUE * ((year - 2000) + longitude / 360 + 1)) * 36525;
    return x + J2000 + BEIJING_OFFSET - DeltaT(x);
}

TDateRec MYiDateEx::TermTime(int year, int month, bool jie) const {
    const double longitude = (2 * month + (jie ? 0 : 1) - 2) * 15 - 75;
    return tavrel::DateOfJd(TermJd(year, longitude));
}

int MYiDateEx::SolarMonthOf(const TDateRec& r, TDateRec& jie, TDateRec& zhongqi,
                            TDateRec& nextJie) const {
    return SolarMonthAt(tavrel::JdOfDate(r), jie, zhongqi, nextJie);
}

int MYiDateEx::SolarMonthAt(double J, TDateRec& jie, TDateRec& zhongqi, TDateRec& nextJie) const {
    const TDateRec r = tavrel::DateOfJd(J);
    int longitude = r.month * 30 - 105;
    double T1 = 0;
    double T2 = 0;
    // The jie estimated from the month is off by at most one month either way.
    for (int n = 0; n < 4; ++n) {
        T1 = TermJd(r.year, longitude);
        T2 = TermJd(r.year, longitude + 30);
        if (J < T1) {
            longitude -= 30;
        } else if (T2 <= J) {
            longitude += 30;
        } else {
            break;
        }
    }
    jie = tavrel::DateOfJd(T1);
    zhongqi = tavrel::DateOfJd(TermJd(r.year, longitude + 15));
    nextJie = tavrel::DateOfJd(T2);
    while (longitude < 0) longitude += 360;
    return Mod((longitude - 285 < 0 ? longitude + 75 : longitude - 285) / 30 + 2, 12);
}

std::vector<TermEntry> MYiDateEx::YearTerms(int year) const {
    std::vector<TermEntry> terms;
    if (year >= -4712 && year <= 9999) {
        int longitude = -75;
        for (;;) {
            const TDateRec d = tavrel::DateOfJd(TermJd(year, longitude - 15));
            if (d.year != year || d.year < -4712) break;
            longitude -= 15;
        }
        for (;; longitude += 15) {
            const TDateRec d = tavrel::DateOfJd(TermJd(year, longitude));
            if (d.year != year) break;
            const int l = Mod(longitude, 360);
            terms.push_back({d, Mod((l > 284 ? l - 285 : l + 75) / 15, 24)});
        }
    }
    terms.push_back({{-5000, 1, 1, 0, 0}, 0});
    return terms;
}

int MYiDateEx::GanzhiIndex(int stem, int branch) {
    int c = stem - branch;
    if (c < 0) c += 12;
    return stem + 10 * (c / 2);
}

int MYiDateEx::DayGanzhi(const TDateRec& r) { return Mod(NoonJdNumber(r) + 50, 60); }

int MYiDateEx::Weekday(const TDateRec& r) { return Mod(NoonJdNumber(r) + 1, 7); }

bool MYiDateEx::IsValidDate(const TDateRec& r) {
    if (r.month < 1 || r.month > 12 || r.day < 1) return false;
    if (r.year == 1582 && r.month == 10 && r.day >= 5 && r.day <= 14) return false;
    const TDateRec first{r.year, r.month, 1, 12, 1};
    const TDateRec next = r.month == 12
                              ? TDateRec{static_cast<int16_t>(r.year + 1), 1, 1, 12, 1}
                              : TDateRec{r.year, static_cast<int16_t>(r.month + 1), 1, 12, 1};
    const int length = Int2(tavrel::JdOfDate(next) - tavrel::JdOfDate(first));
    const int day = r.year == 1582 && r.month == 10 && r.day > 14 ? r.day - 10 : r.day;
    return day <= length;
}

void MYiDateEx::NextDay(TDateRec& r) { r = tavrel::DateOfJd(tavrel::JdOfDate(r) + 1); }

int MYiDateEx::YearGanzhi(const TDateRec& r, int* solarYear) const {
    const TDateRec spring = TermTime(r.year, 2, true);
    const int Y = spring.year - (tavrel::JdOfDate(r) < tavrel::JdOfDate(spring) ? 1 : 0);
    if (solarYear) *solarYear = Y;
    return Mod(Y + 6897, 60);
}

int MYiDateEx::MonthGanzhi(int yearNumber, const TDateRec& r) const {
    return MonthGanzhiAt(yearNumber, tavrel::JdOfDate(r));
}

int MYiDateEx::MonthGanzhiAt(int yearNumber, double jd) const {
    int s = Mod(yearNumber, 10);
    if (s == 0) s = 10;
    TDateRec jie{};
    TDateRec zhongqi{};
    TDateRec nextJie{};
    const int k = SolarMonthAt(jd, jie, zhongqi, nextJie);
    const int e = k > 2 ? k - 3 : k + 9;
    const int stem = Mod(((s < 6 ? s : s - 5) * 2 + 1) % 10 + e, 10);
    const int branch = (e + 3) % 12;
    return GanzhiIndex(stem, branch);
}

int MYiDateEx::HourGanzhi(int hour, int dayNumber) {
    const int G = Mod(hour % 2 != 0 ? hour + 1 : hour, 24);
    int sd = Mod(dayNumber, 10);
    if (sd == 0) sd = 5;
    const int stem = Mod(G / 2 + 2 * sd - 1, 10);
    const int branch = (G / 2 + 1) % 12;
    return GanzhiIndex(stem, branch);
}

}  // namespace tavrel
