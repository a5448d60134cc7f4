#include "chart/star_positions.h"

#include "chart/star_list.h"

namespace tavrel {

void FillStarPositions(MAstroCalc& astro, int luoji, const TDateRec& beijingTime,
                       TPositionSheet& sheet) {
    TPlacedPoint* points = sheet.points;
    astro.NodeLongitudes(points[kRahu].longitude, points[kKetu].longitude, luoji == 1);
    astro.QiAndApogee(points[kPurpleQi].longitude, points[kLunarApogee].longitude);
    for (const int remainder : {kRahu, kKetu, kPurpleQi, kLunarApogee}) {
        points[remainder].latitude = 0;
    }
    for (int star = 0; star < kStarCount; ++star) {
        TPlacedPoint& point = points[star];
        if (astro.BodyPosition(star, point.longitude, point.latitude)) {
            point.motion = static_cast<uint8_t>(astro.MotionState(star, beijingTime));
        }
    }
}

}  // namespace tavrel
