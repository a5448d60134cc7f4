#include "chart/equatorial_map.h"

#include <cmath>

#include "chart/chart_angles.h"

namespace tavrel {

double ToRightAscension(double longitude, double latitude) {
    const double l = longitude * kChartDegToRad;
    const double b = latitude * kChartDegToRad;
    double alpha = std::atan((std::sin(l) * std::cos(b) * std::cos(kChartObliquity) -
                              std::sin(b) * std::sin(kChartObliquity)) /
                             (std::cos(b) * std::cos(l))) *
                   kChartRadToDeg;
    if (std::cos(l) < 0) {
        alpha += 180;
    } else if (alpha < 0) {
        alpha += 360;
    }
    return ReduceDegrees(alpha);
}

double Declination(double longitude, double latitude) {
    const double l = longitude * kChartDegToRad;
    const double b = latitude * kChartDegToRad;
    return std::asin(std::sin(kChartObliquity) * std::cos(b) * std::sin(l) +
                     std::cos(kChartObliquity) * std::sin(b)) *
           kChartRadToDeg;
}

void ToEquatorialMap(TPositionSheet& sheet, double& mansionOrigin) {
    mansionOrigin = ToRightAscension(mansionOrigin, 0);
    sheet.ascendant = ToRightAscension(sheet.ascendant, 0);
    sheet.midheaven = ToRightAscension(sheet.midheaven, 0);
    for (int star = 0; star < kStarCount; ++star) {
        TPlacedPoint& point = sheet.points[star];
        point.longitude = ToRightAscension(point.longitude, point.latitude);
    }
}

}  // namespace tavrel
