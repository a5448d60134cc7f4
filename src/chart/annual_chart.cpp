#include "chart/annual_chart.h"

#include "chart/age_limits.h"
#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

TPillars ComputeAnnualPillars(double jdBeijing, const TDateRec& corrected,
                              const MYiDateEx& calendar) {
    TPillars pillars{};
    pillars.year = (PillarYearAt(calendar, jdBeijing) + 6897) % 60;
    pillars.month = calendar.MonthGanzhi(pillars.year, MYiDateEx::DateOfJd(jdBeijing));
    pillars.day = MYiDateEx::DayGanzhi(corrected);
    if (corrected.hour == 23) pillars.day = (pillars.day + 1) % 60;
    pillars.hour = MYiDateEx::HourGanzhi(corrected.hour, pillars.day);
    return pillars;
}

bool PrepareAnnualChart(double jd, const TAnnualInputs& inputs, const MYiDateEx& calendar,
                        TAnnualState& state, std::string& lastError) {
    if (inputs.chartKind < 0) {
        lastError = "请先排一个本命盘。";
        return false;
    }
    if (!MYiDateEx::IsValidDate(MYiDateEx::DateOfJd(jd))) {
        lastError = "不存在这个日期。";
        return false;
    }
    const double jdB = jd + (8 - inputs.tz) / 24.0;
    const TGridLevel& limits = inputs.limits;
    if (limits.count <= 0 || jdB < limits.rows[0].start ||
        jdB >= limits.rows[static_cast<size_t>(limits.count - 1)].end) {
        lastError = "流年时间应在行限范围内！";
        return false;
    }
    TAnnualState next{};
    next.jdBeijing = jdB;
    next.tz = inputs.tz;
    next.years = (jdB - inputs.time.jdBeijing) / 365.25 + 1;
    TDateRec corrected = MYiDateEx::DateOfJd(jdB);
    next.jdCorrected = jdB;
    if (inputs.settings.iDate == 1 || inputs.settings.iDate == 2) {
        MYiDateEx::ToLocalTime(inputs.longitude, corrected, inputs.settings.iDate);
        next.jdCorrected = MYiDateEx::JdOfDate(corrected);
    }
    next.pillars = ComputeAnnualPillars(jdB, corrected, calendar);
    next.age = PillarYearAt(calendar, jdB) - inputs.time.pillarYear + 1;
    const int lifePalace = inputs.natal.lifePalace.palace;
    next.smallLimit = static_cast<int16_t>(SmallLimitPalace(lifePalace, next.age));
    next.monthLimit = static_cast<int16_t>(
        MonthLimitPalace(next.smallLimit, next.pillars.month, inputs.time.monthPillar));
    next.runningLongitude = static_cast<float>(RunningLimitLongitude(limits, lifePalace, jdB));
    state = next;
    return true;
}

TPositionSheet PlaceAnnualSheet(const TPositionSheet& natal, const TPositionSheet& stars,
                                double runningLongitude, double mansionOrigin) {
    TPositionSheet sheet = natal;
    const int lifePalace = natal.lifePalace.palace;
    for (int star = 0; star < kStarCount; ++star) {
        sheet.points[star] = stars.points[star];
        PlacePoint(sheet.points[star], lifePalace, mansionOrigin);
    }
    TPlacedPoint point{};
    point.longitude = runningLongitude;
    PlacePoint(point, lifePalace, mansionOrigin);
    sheet.points[kLifeDegree] = point;
    return sheet;
}

}  // namespace tavrel
