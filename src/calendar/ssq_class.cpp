#include "calendar/ssq_class.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/int2.h"
#include "astronomy/sun_moon_events.h"
#include "calendar/correction_code.h"
#include "calendar/mean_rule_tables.h"
#include "calendar/tables/calendar_corrections.h"

namespace tavrel {

namespace {

constexpr double J2000 = 2451545;
constexpr double MODERN_START = 2436935;  // 1960-01-01: full computation from here on

// The Beijing day count x of an instant in centuries TT, and the seconds of x after Beijing
// midnight.
double BeijingDays(double centuries) {
    const double x = centuries * 36525;
    return x - DeltaT(x) + BEIJING_OFFSET;
}

double SecondsAfterMidnight(double x) { return (x + 0.5 - std::floor(x + 0.5)) * 86400; }

// The fast inversion is good to a few minutes; near midnight the full one decides the day.
double NearMidnightChecked(double W, double (*fast)(double), double (*full)(double),
                           double margin) {
    const double x = BeijingDays(fast(W));
    const double s = SecondsAfterMidnight(x);
    if (s >= margin && s <= 86400 - margin) return x;
    return full(W) * 36525 - DeltaT(x) + BEIJING_OFFSET;
}

int DayOf(double count) { return Int2(count + 0.5); }

// The historical mean rule in force at Julian day J + pc.
int MeanRuleDay(std::span<const MeanRule> rules, double J, double pc) {
    size_t i = 0;
    while (i + 1 < rules.size() && rules[i + 1].start <= J + pc) ++i;
    const MeanRule& r = rules[i];
    int D = DayOf(r.start + r.period * std::floor((J + pc - r.start) / r.period));
    if (D == 1683460) D = 1683461;  // the Taichu new moon of −103-01-24 stands on the 24th
    return D - static_cast<int>(J2000);
}

int Corrected(int D, const std::string& corrections, double index) {
    if (index < 0 || index >= static_cast<double>(corrections.size())) return D;
    const char c = corrections[static_cast<size_t>(index)];
    return c == '1' ? D + 1 : c == '2' ? D - 1 : D;
}

}  // namespace

SSQ_class::SSQ_class()
    : newMoonCorrections_(ExpandCorrections(NEW_MOON_CORRECTIONS)),
      termCorrections_(ExpandCorrections(TERM_CORRECTIONS)) {}

double SSQ_class::TermHigh(double W) {
    return NearMidnightChecked(W, SunLongitudeTimeFast, SunLongitudeTime, 1200);
}

double SSQ_class::NewMoonHigh(double W) {
    return NearMidnightChecked(W, ElongationTimeFast, ElongationTime, 1800);
}

int SSQ_class::EventDay(double d, EventKind kind) const {
    const bool moon = kind == EventKind::NewMoon;
    const double J = d + J2000;
    const double pc = moon ? 14 : 7;
    const double P = moon ? 29.5306 : 365.2422 / 24;
    const double epoch = moon ? 2451551 : 2451259;
    const std::span<const MeanRule> rules = moon ? std::span<const MeanRule>(MeanNewMoonTable)
                                                 : std::span<const MeanRule>(MeanTermTable);
    const double end = moon ? MeanNewMoonTableEnd : MeanTermTableEnd;
    const double f1 = rules.front().start - pc;
    const double f2 = end - pc;

    if (!(J >= f1 && J < MODERN_START)) {
        const double k = std::floor((J + pc - epoch) / P);
        return moon ? DayOf(NewMoonHigh(k * 2 * PI_VALUE)) : DayOf(TermHigh(k * PI_VALUE / 12));
    }
    if (J < f2) return MeanRuleDay(rules, J, pc);
    if (moon) {
        const int D = DayOf(NewMoonLow(std::floor((J + pc - 2451551) / 29.5306) * 2 * PI_VALUE));
        return Corrected(D, newMoonCorrections_, std::floor((J - f2) / 29.5306));
    }
    const int D = DayOf(TermLow(std::floor((J + pc - 2451259) / 365.2422 * 24) * PI_VALUE / 12));
    return Corrected(D, termCorrections_, std::floor((J - f2) / 365.2422 * 24));
}

void SSQ_class::ComputeYear(int d) {
    YearState& s = year_;
    double W = Int2((d - 355 + 183) / 365.2422) * 365.2422 + 355;
    if (EventDay(W, EventKind::Term) > d) W -= 365.2422;
    for (int i = 0; i < 25; ++i) s.terms[i] = EventDay(W + 15.2184 * i, EventKind::Term);
    s.termBefore1 = EventDay(W - 15.2, EventKind::Term);
    s.termBefore2 = EventDay(W - 30.4, EventKind::Term);

    double w = EventDay(s.terms[0], EventKind::NewMoon);
    if (w > s.terms[0]) w -= 29.53;
    for (int i = 0; i < 15; ++i) s.newMoons[i] = EventDay(w + 29.5306 * i, EventKind::NewMoon);

    s.leap = 0;
    for (int i = 0; i < 14; ++i) {
        s.monthLen[i] = s.newMoons[i + 1] - s.newMoons[i];
        s.monthNo[i] = i;
    }

    hasYear_ = true;
    const int Y = Int2((s.terms[0] + 10 + 180) / 365.2422) + 2000;
    if (Y >= -721 && Y <= -104) {
        NameEarlyCalendarMonths(Y);
        return;
    }
    if (s.newMoons[13] <= s.terms[24]) {
        int i = 1;
        while (i < 13 && s.newMoons[i + 1] > s.terms[2 * i]) ++i;
        s.leap = i;
        for (int j = i; j < 14; ++j) s.monthNo[j] = s.monthNo[j] == 1 ? 12 : s.monthNo[j] - 1;
    }
    NameMonths();
}

namespace {

constexpr int MONTH_OF_BRANCH[12] = {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

int Mod12(int v) { return ((v % 12) + 12) % 12; }

}  // namespace

void SSQ_class::NameMonths() {
    YearState& s = year_;
    for (int i = 0; i < 14; ++i) {
        const int Dm = s.newMoons[i] + static_cast<int>(J2000);
        const int v = s.monthNo[i];
        int m = MONTH_OF_BRANCH[Mod12(v)];
        // Eras that counted the months from another branch: Wang Mang's Xin (9–23), Wei of
        // Mingdi (237–239), Suzong's 761–762 and Wu Zetian's Zhou (689–700).
        if ((Dm >= 1724360 && Dm <= 1729794) || (Dm >= 1807724 && Dm <= 1808699)) {
            m = MONTH_OF_BRANCH[Mod12(v + 1)];
        } else if (Dm >= 1999349 && Dm <= 1999467) {
            m = MONTH_OF_BRANCH[Mod12(v + 2)];
        } else if (Dm >= 1973067 && Dm <= 1977052) {
            if (Mod12(v) == 0 || v == 2) m = 1;
        }
        if (Dm == 1729794 || Dm == 1808699) m = 12;
        s.monthNo[i] = m;
    }
}

void SSQ_class::NameEarlyCalendarMonths(int Y) {
    YearState& s = year_;
    int start[3] = {};
    int thirteenth[3] = {};
    int first[3] = {};
    for (int k = 0; k < 3; ++k) {
        // No rule precedes that of −721, so it is extended backwards: months before its
        // first bound get negative counts from it.
        const int y = std::max(Y + k - 1, -721);
        start[k] =
            EventDay(-993847 + Int2(0.342 + (y + 721) * 12.368422) * 29.5306, EventKind::NewMoon);
        thirteenth[k] = 13;
        first[k] = 2;
        if (y >= -479) {
            start[k] =
                EventDay(-905462 + Int2(0.5 + (y + 479) * 12.368422) * 29.5306, EventKind::NewMoon);
            thirteenth[k] = 13;
            first[k] = 2;
        }
        if (y >= -220) {
            start[k] =
                EventDay(-810904 + Int2(0.866 + (y + 220) * 12.369) * 29.5306, EventKind::NewMoon);
            thirteenth[k] = 10;
            first[k] = 11;
        }
    }
    for (int i = 0; i < 14; ++i) {
        int k = 0;
        for (int j = 2; j >= 0; --j) {
            if (s.newMoons[i] >= start[j]) {
                k = j;
                break;
            }
        }
        const int f = Int2((s.newMoons[i] - start[k] + 15) / 29.5306);
        s.monthNo[i] = f < 12 ? MONTH_OF_BRANCH[Mod12(f + first[k])] : thirteenth[k];
    }
    s.leap = 0;
}

}  // namespace tavrel
