#include "chart/sun_events.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_angles.h"

namespace tavrel {

double SunriseHourAngle(double declination, double latitude) {
    const double d = declination * kChartDegToRad;
    const double f = latitude * kChartDegToRad;
    const double cosH = (std::cos(90.85 * kChartDegToRad) - std::sin(f) * std::sin(d)) /
                        (std::cos(d) * std::cos(f));
    return std::acos(std::clamp(cosH, -1.0, 1.0)) * kChartRadToDeg;
}

TSunEventMinutes SunEventMinutes(double hourAngle, double equationOfTimeMinutes, double longitude) {
    const double toBeijing = (120 - longitude) * 4;
    return {720 - 4 * hourAngle - equationOfTimeMinutes + toBeijing,
            720 + 4 * hourAngle - equationOfTimeMinutes + toBeijing};
}

TDateRec ClockTimeOnDate(const TDateRec& date, double minutes) {
    const double whole = std::floor(minutes);
    if (whole >= 0 && whole < 1440) {
        const int m = static_cast<int>(whole);
        return {date.year, date.month, date.day, static_cast<int16_t>(m / 60),
                static_cast<int16_t>(m % 60)};
    }
    const TDateRec midnight{date.year, date.month, date.day, 0, 0};
    return DateOfJd(JdOfDate(midnight) + whole / 1440);
}

bool IsDayBirth(double jdTrueSolar, double jdSunrise, double jdSunset) {
    return jdTrueSolar >= jdSunrise && jdTrueSolar < jdSunset;
}

}  // namespace tavrel
