#include "chart/position_text.h"

#include <cstdio>

#include "calendar/calendar_names.h"
#include "chart/chart_angles.h"
#include "chart/mansions.h"
#include "chart/star_list.h"

namespace tavrel {

std::string FormatDegreesMinutes(double degrees) {
    const TDegreesMinutes dm = TruncateToMinutes(degrees);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", dm.degrees, dm.minutes);
    return text;
}

std::string FormatMansionDegree(const TPlacedPoint& point) {
    const TMansion& mansion = MANSIONS[point.mansion % kMansionCount];
    return std::string(mansion.name)
        .append(STAR_SHORT_NAME[mansion.governor])
        .append(FormatDegreesMinutes(point.degreeInMansion))
        .append(" ");
}

std::string FormatSignDegree(const TPlacedPoint& point) {
    return std::string(BRANCH_NAME[point.palace % 12])
        .append(FormatDegreesMinutes(point.degreeInSign))
        .append(" ");
}

}  // namespace tavrel
