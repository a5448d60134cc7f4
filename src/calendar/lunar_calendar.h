#pragma once

#include <string>
#include <vector>

#include "astronomy/local_time.h"
#include "astronomy/time_scales.h"
#include "calendar/ssq_class.h"

namespace tavrel {

// A solar term in Beijing time with its index k (0 = 小寒 … 23 = 冬至, TERM_NAME order).
struct TermEntry {
    TDateRec date;
    int index;
};

// The calendar object of the program: solar ⇄ lunar dates, solar terms, sexagenary numbers.
// All dates are Beijing time. It keeps one lunar-year state and reuses it while the next
// conversion falls inside it; single-user.
class MYiDateEx : public SSQ_class {
  public:
    // The lunar date of a solar date-time: year, month (1 = 正月), day, with the hour and
    // minute copied; `leap` tells a leap month, `monthLength` is 29 or 30.
    void SolarToLunar(const TDateRec& solar, TDateRec& lunar, bool& leap);
    void SolarToLunarEx(const TDateRec& solar, TDateRec& lunar, bool& leap, int& monthLength);

    // The solar date-time of a lunar date; false with the reason in lastError when that
    // lunar date does not occur.
    bool LunarToSolar(const TDateRec& lunar, bool leap, TDateRec& solar);

    // The sectional term (jie) or principal term falling in Gregorian month 1 … 12 of year:
    // month 1 gives 小寒 or 大寒, month 12 大雪 or 冬至.
    TDateRec TermTime(int year, int month, bool jie) const;

    // The branch number (1 = 子 … 0 = 亥) of the solar month containing r, with the times of
    // its opening jie, its zhongqi and the next jie.
    int SolarMonthOf(const TDateRec& r, TDateRec& jie, TDateRec& zhongqi, TDateRec& nextJie) const;
    // The same at a Beijing-time Julian day, for lookups between whole minutes.
    int SolarMonthAt(double jd, TDateRec& jie, TDateRec& zhongqi, TDateRec& nextJie) const;

    // The terms falling in the year, in order, closed by an entry of year −5000.
    std::vector<TermEntry> YearTerms(int year) const;

    // Sexagenary index 0 … 59 (1 = 甲子, 0 = 癸亥) of stem 0 … 9 and branch 0 … 11 of the
    // same parity.
    static int GanzhiIndex(int stem, int branch);
    static int DayGanzhi(const TDateRec& r);
    static int Weekday(const TDateRec& r);  // 0 = Sunday
    static bool IsValidDate(const TDateRec& r);
    static void NextDay(TDateRec& r);

    // The year's sexagenary index, the year counted from 立春; `solarYear` receives that
    // year, the one whose era names and animal belong to r.
    int YearGanzhi(const TDateRec& r, int* solarYear = nullptr) const;
    // The month's index in the year of sexagenary index yearNumber.
    int MonthGanzhi(int yearNumber, const TDateRec& r) const;
    int MonthGanzhiAt(int yearNumber, double jd) const;
    // The hour's index on the day of sexagenary index dayNumber (23:00 counts as the next 子).
    static int HourGanzhi(int hour, int dayNumber);

    static double JdOfDate(const TDateRec& r) { return tavrel::JdOfDate(r); }
    static TDateRec DateOfJd(double jd) { return tavrel::DateOfJd(jd); }
    static double EquationOfTimeSeconds(const TDateRec& r) {
        return tavrel::EquationOfTimeSeconds(r);
    }
    static int ToLocalTime(float longitude, TDateRec& r, int mode) {
        return tavrel::ToLocalTime(longitude, r, mode);
    }

    std::string lastError;
    TDateTimeSec clock;  // the working clock of the callers' time conversions
    int d0 = 0;          // day number (from J2000) of the last date converted

  private:
    double TermJd(double year, double longitude) const;
};

}  // namespace tavrel
