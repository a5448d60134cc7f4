#pragma once

#include <cstdint>

#include "chart/chart_request.h"

namespace tavrel::testing {

// A man 甲 born at a Beijing clock time at 120° E 30° N.
inline TChartRequest BirthAt(int year, int month, int day, int hour, int minute) {
    TChartRequest request;
    request.name = "甲";
    request.year = static_cast<int16_t>(year);
    request.month = static_cast<int16_t>(month);
    request.day = static_cast<int16_t>(day);
    request.hour = static_cast<int16_t>(hour);
    request.minute = static_cast<int16_t>(minute);
    request.zone = 8;
    request.isMale = 1;
    request.longitude = 120;
    request.latitude = 30;
    return request;
}

}  // namespace tavrel::testing
