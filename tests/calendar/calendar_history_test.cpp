// The computed calendar against Yuk Tung Liu's historical compilation, Chinese years 1600–2200:
// every month's first day and number, the leap month, and the way back from lunar to solar
// for the first and last day of every month.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "astronomy/time_scales.h"
#include "calendar/correction_code.h"
#include "calendar/lunar_calendar.h"
#include "calendar/tables/calendar_corrections.h"
#include "data/calendar_history.h"

namespace tavrel {
namespace {

TEST(CalendarCorrections, CompressedTablesExpandToTheGeneratedDigits) {
    EXPECT_EQ(ExpandCorrections(NEW_MOON_CORRECTIONS), testing::NEW_MOON_CORRECTION_DIGITS);
    EXPECT_EQ(ExpandCorrections(TERM_CORRECTIONS), testing::TERM_CORRECTION_DIGITS);
}

TEST(CalendarCorrections, CompressionRoundTripsEveryRunShape) {
    for (const char* digits :
         {"0", "00", "1", "2", "01", "0000000000010", "000000000002",
          "0000000000000000000000000000000000000000000000000000000000000000001",
          "1200120001000000000000000000000000000000000000000000000000002"}) {
        const std::string code = CompressCorrections(digits);
        EXPECT_EQ(ExpandCorrections(code), digits) << code;
    }
    EXPECT_EQ(CompressCorrections("013"), "");
}

TEST(CalendarHistory, MonthStartsAndLeapMonthsMatchTheCompilation1600To2200) {
    MYiDateEx calendar;
    std::ostringstream mismatches;
    int months = 0;
    for (const testing::HistoricalYear& y : testing::HISTORICAL_YEARS) {
        for (int m = 1; m <= 13; ++m) {
            const int jd = y.monthStart[m - 1];
            if (jd == 0) continue;
            const bool leap = m == 13;
            const int month = leap ? y.leapMonth : m;
            const int nextJd = [&] {
                int next = 0;
                for (const auto& other : testing::HISTORICAL_YEARS)
                    for (int start : other.monthStart)
                        if (start > jd && (next == 0 || start < next)) next = start;
                return next;
            }();
            ++months;
            TDateRec lunar{};
            bool isLeap = false;
            int length = 0;
            calendar.SolarToLunarEx(DateOfJd(jd), lunar, isLeap, length);
            if (lunar.year != y.year || lunar.month != month || lunar.day != 1 || isLeap != leap ||
                (nextJd != 0 && length != nextJd - jd)) {
                mismatches << y.year << (leap ? " leap " : " month ") << month << " got "
                           << lunar.year << "/" << lunar.month << "/" << lunar.day
                           << (isLeap ? " leap" : "") << " length " << length << "\n";
                continue;
            }
            TDateRec solar{};
            const TDateRec first{static_cast<int16_t>(y.year), static_cast<int16_t>(month), 1, 8,
                                 30};
            ASSERT_TRUE(calendar.LunarToSolar(first, leap, solar)) << y.year << " " << month;
            EXPECT_EQ(solar, DateOfJd(jd + 8.5 / 24 - 0.5)) << y.year << " " << month;
            const TDateRec last{static_cast<int16_t>(y.year), static_cast<int16_t>(month),
                                static_cast<int16_t>(length), 12, 0};
            ASSERT_TRUE(calendar.LunarToSolar(last, leap, solar)) << y.year << " " << month;
            EXPECT_EQ(solar, DateOfJd(jd + length - 1)) << y.year << " " << month;
        }
    }
    EXPECT_EQ(months, 601 * 12 + 221);
    // New moons within three and a half minutes before Beijing midnight (2057-09-28 23:59:31,
    // 2097-08-07 23:59:21, 2133-09-28 23:58:47, 2165-12-03 23:56:43, 2172-10-17 23:56:59 with
    // ΔT of 139 … 366 s): the compilation's larger extrapolated ΔT puts them on the next day.
    EXPECT_EQ(mismatches.str(),
              "2057 month 8 got 2057/8/1 length 29\n2057 month 9 got 2057/9/2 length 30\n"
              "2097 month 6 got 2097/6/1 length 29\n2097 month 7 got 2097/7/2 length 30\n"
              "2133 month 8 got 2133/8/1 length 29\n2133 month 9 got 2133/9/2 length 30\n"
              "2165 month 10 got 2165/10/1 length 29\n2165 month 11 got 2165/11/2 length 30\n"
              "2172 month 8 got 2172/8/1 length 29\n2172 month 9 got 2172/9/2 length 30\n");
}

}  // namespace
}  // namespace tavrel
