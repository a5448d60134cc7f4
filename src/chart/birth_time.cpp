#include "chart/birth_time.h"

#include <cmath>

#include "astronomy/local_time.h"

namespace tavrel {

namespace {

bool YearInRange(int year) { return year >= kFirstChartYear && year <= kLastChartYear; }

bool OnTheGlobe(float longitude, float latitude) {
    return std::isfinite(longitude) && std::isfinite(latitude) && std::fabs(longitude) <= 180 &&
           std::fabs(latitude) <= 90;
}

// 23:00-23:59 belongs to the next day under rules 0 and 1.
bool LateZiMovesDay(const TDateRec& pillarTime, int zishi) {
    return pillarTime.hour == 23 && (zishi == 0 || zishi == 1);
}

}  // namespace

int ZoneHourOffset(int zone) { return zone <= 12 ? zone : 12 - zone; }

bool ConvertBirthTime(TChartRequest& request, int tzHours, const TChartSettings& settings,
                      MYiDateEx& calendar, TTimeBlock& time, std::string& lastError) {
    lastError.clear();
    if (!OnTheGlobe(request.longitude, request.latitude)) {
        lastError = kNoSuchPlaceMessage;
        return false;
    }
    const TDateRec entered{request.year, request.month, request.day, request.hour, request.minute};
    TDateRec solar = entered;
    // A clock reading outside the day is no date either, whatever the calendar says.
    if (entered.hour < 0 || entered.hour > 23 || entered.minute < 0 || entered.minute > 59) {
        lastError = kNoSuchDateMessage;
        return false;
    }
    if (request.isLunar != 0) {
        if (!calendar.LunarToSolar(entered, request.isLeapMonth != 0, solar)) {
            lastError = calendar.lastError;
            return false;
        }
        solar.hour = entered.hour;
        solar.minute = entered.minute;
        if (!YearInRange(solar.year)) {
            lastError = kYearOutOfRangeMessage;
            return false;
        }
    } else if (!MYiDateEx::IsValidDate(solar)) {
        lastError = kNoSuchDateMessage;
        return false;
    }

    time.jdInput = JdOfDate(solar);
    time.jdBeijing = time.jdInput + (8 - tzHours) / 24.0;
    time.beijingTime = DateOfJd(time.jdBeijing);
    time.pillarTime = time.beijingTime;
    if (settings.iDate == 1 || settings.iDate == 2) {
        MYiDateEx::ToLocalTime(request.longitude, time.pillarTime,
                               settings.iDate == 1 ? TRUE_SOLAR_TIME : LOCAL_MEAN_TIME);
    }

    TDateRec base = time.pillarTime;
    if (LateZiMovesDay(time.pillarTime, settings.zishi)) MYiDateEx::NextDay(base);
    if (!YearInRange(base.year)) {
        lastError = kYearOutOfRangeMessage;
        return false;
    }
    base.hour = 0;
    base.minute = 0;
    bool leap = false;
    calendar.SolarToLunarEx(base, time.lunarDate, leap, time.lunarMonthLength);
    request.isLeapMonth = leap ? 1 : 0;

    TDateRec trueSolar = time.beijingTime;
    MYiDateEx::ToLocalTime(request.longitude, trueSolar, TRUE_SOLAR_TIME);
    time.jdTrueSolar = JdOfDate(trueSolar);
    time.jdLocalMean = time.jdBeijing + (request.longitude - 120) * 4 / 1440.0;
    return true;
}

}  // namespace tavrel
