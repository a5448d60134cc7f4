#include "chart/sunrise_sunset.h"

#include "astronomy/local_time.h"
#include "chart/equatorial_map.h"
#include "chart/hour_branch.h"
#include "chart/sun_events.h"

namespace tavrel {

namespace {

struct TSunEvent {
    double jd;
    uint8_t branch;
};

TSunEvent TrueSolarEvent(const TDateRec& date, double beijingMinutes, float longitude) {
    TDateRec clock = ClockTimeOnDate(date, beijingMinutes);
    ToLocalTime(longitude, clock, TRUE_SOLAR_TIME);
    return {JdOfDate(clock), static_cast<uint8_t>(HourBranch(clock.hour))};
}

}  // namespace

void ComputeSunriseSunset(TPositionSheet& sheet, const TTimeBlock& time, double sunLongitude,
                          double sunLatitude, float longitude, float latitude) {
    // The day of the birth place: far from 120° E the Beijing date is often another one, and
    // the sunrise of the Beijing date would then be a day early or late for the birth.
    const TDateRec localDate = DateOfJd(time.jdTrueSolar);
    const double equationMinutes = EquationOfTimeSeconds(time.beijingTime) / 60;
    const double hourAngle = SunriseHourAngle(Declination(sunLongitude, sunLatitude), latitude);
    const TSunEventMinutes minutes = SunEventMinutes(hourAngle, equationMinutes, longitude);
    const TSunEvent rise = TrueSolarEvent(localDate, minutes.rise, longitude);
    const TSunEvent set = TrueSolarEvent(localDate, minutes.set, longitude);
    sheet.jdSunrise = rise.jd;
    sheet.sunriseBranch = rise.branch;
    sheet.jdSunset = set.jd;
    sheet.sunsetBranch = set.branch;
    sheet.dayBirth = IsDayBirth(time.jdTrueSolar, rise.jd, set.jd) ? 1 : 0;
}

}  // namespace tavrel
