#pragma once

#include <cstdint>

namespace tavrel {

// A civil date and time to the minute. Years are astronomical (0 = 1 BC); dates before
// 1582-10-15 are Julian-calendar dates. The clock (Beijing time unless stated) is fixed by the
// operation that made the record.
struct TDateRec {
    int16_t year;
    int16_t month;
    int16_t day;
    int16_t hour;
    int16_t minute;

    friend bool operator==(const TDateRec&, const TDateRec&) = default;
};

// The working clock with seconds. It starts at J2000.0, 2000-01-01 12:00:00.
struct TDateTimeSec {
    int32_t year = 2000;
    int32_t month = 1;
    int32_t day = 1;
    int32_t hour = 12;
    int32_t minute = 0;
    int32_t second = 0;

    friend bool operator==(const TDateTimeSec&, const TDateTimeSec&) = default;
};

// Julian day of a date; the fraction of `day` is the time of day. Dates from 1582-10-15 on are
// Gregorian, earlier ones Julian.
double JulianDay(int year, int month, double day);

// The calendar date and time of a Julian day, seconds truncated.
TDateTimeSec CalendarOf(double jd);

// The date of a Julian day rounded to the nearest minute (30 s stays, 31 s goes up).
TDateRec DateOfJd(double jd);

double JdOfDateTimeSec(const TDateTimeSec& r);

// Julian day of the record one second past its minute, so that DateOfJd gives the record back.
double JdOfDate(const TDateRec& r);

}  // namespace tavrel
