#pragma once

#include "chart/chart_records.h"

namespace tavrel {

// Cast step 11: sunrise and sunset of the birth date at the birth place on the true solar clock
// (the date of the birth's true solar time, which is the Beijing date except far from 120° E),
// their hour branches and the day-birth flag. `sunLongitude` and `sunLatitude` are the Sun's
// ecliptic ones (also on the equatorial map: the declination needs them).
void ComputeSunriseSunset(TPositionSheet& sheet, const TTimeBlock& time, double sunLongitude,
                          double sunLatitude, float longitude, float latitude);

}  // namespace tavrel
