#include "astronomy/time_scales.h"

#include <cmath>

#include "astronomy/int2.h"

namespace tavrel {

double JulianDay(int year, int month, double day) {
    // Floors are taken in double so that no year makes an int overflow.
    double y = year;
    double m = month;
    const bool gregorian = y * 372 + m * 31 + std::floor(day) >= 588829;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    double n = 0;
    if (gregorian) {
        n = std::floor(y / 100);
        n = 2 - n + std::floor(n / 4);
    }
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + day + n - 1524.5;
}

TDateTimeSec CalendarOf(double jd) {
    double d = std::floor(jd + 0.5);
    double f = jd + 0.5 - d;
    if (d >= 2299161) {
        const double c = std::floor((d - 1867216.25) * (1 / 36524.25));
        d = d + 1 + c - std::floor(c / 4);
    }
    d += 1524;
    double y = std::floor((d - 122.1) * (1 / 365.25));
    d -= std::floor(365.25 * y);
    double m = std::floor(d * (1 / 30.601));
    const double day = d - std::floor(30.601 * m);
    if (m > 13) {
        m -= 13;
        y -= 4715;
    } else {
        m -= 1;
        y -= 4716;
    }
    TDateTimeSec r;
    r.year = Int2(y);
    r.month = Int2(m);
    r.day = Int2(day);
    f *= 24;
    r.hour = Int2(f);
    f = (f - r.hour) * 60;
    r.minute = Int2(f);
    r.second = Int2((f - r.minute) * 60);
    return r;
}

TDateRec DateOfJd(double jd) {
    TDateTimeSec c = CalendarOf(jd);
    if (c.second > 30) {
        // Aim five seconds into the next minute so that rounding noise cannot land short of it.
        c = CalendarOf(jd - c.second / 86400.0 + 1 / 1440.0 + 5 / 86400.0);
    }
    return {static_cast<int16_t>(c.year), static_cast<int16_t>(c.month),
            static_cast<int16_t>(c.day), static_cast<int16_t>(c.hour),
            static_cast<int16_t>(c.minute)};
}

double JdOfDateTimeSec(const TDateTimeSec& r) {
    return JulianDay(r.year, r.month,
                     r.day + ((r.second / 60.0 + r.minute) / 60.0 + r.hour) / 24.0);
}

double JdOfDate(const TDateRec& r) {
    TDateTimeSec clock;
    clock.year = r.year;
    clock.month = r.month;
    clock.day = r.day;
    clock.hour = r.hour;
    clock.minute = r.minute;
    clock.second = 1;
    return JdOfDateTimeSec(clock);
}

}  // namespace tavrel
