#include "chart/moving_chart.h"

#include "calendar/lunar_calendar.h"
#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

double MovingTurnAngle(const TPositionSheet& natal, const TTimeBlock& time, int dongCalc) {
    const TPlacedPoint& sun = natal.points[kSun];
    if (dongCalc == 1) return ((sun.palace - time.hourPillar % 12 + 12) % 12) * 30.0;
    const TDateRec solar = MYiDateEx::DateOfJd(time.jdTrueSolar);
    double c = 315 - 15.0 * solar.hour - 0.25 * solar.minute;
    if (c < 0) c += 360;
    double angle = c - sun.longitude;
    if (angle < 0) angle += 360;
    return angle;
}

TPositionSheet TurnMovingChart(const TPositionSheet& natal, double angle, double mansionOrigin) {
    TPositionSheet sheet = natal;
    const int lifePalace = natal.lifePalace.palace;
    for (int star = 0; star < kStarCount; ++star) {
        TPlacedPoint& point = sheet.points[star];
        double longitude = point.longitude + angle;
        if (longitude > 360) longitude -= 360;
        point.longitude = longitude;
        PlacePoint(point, lifePalace, mansionOrigin);
        point.longitude = longitude;
    }
    return sheet;
}

}  // namespace tavrel
