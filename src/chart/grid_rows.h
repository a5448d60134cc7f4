#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "astronomy/time_scales.h"

namespace tavrel {

// One row of the time-selection grid; level 1 is the age-limit table.
struct TGridRow {
    uint8_t level;       // 1 age limits, 2 years, 3 months, 4 days, 5 double hours
    std::string label;   // 命宫, 相貌宫 …, 35岁, 寅月, 2-4寅日, 子时
    int16_t pillar;      // sexagenary index of the row's year, month, day or hour (levels 2-5)
    double start;        // Julian day (Beijing time) where the row begins
    double end;          // and where it ends
    int32_t pillarYear;  // year of the year pillar at start (levels 1 and 2)
    float years;         // length in years (level 1)
    int16_t startAge;    // nominal age (虚岁) at start (level 1)
    int16_t endAge;      // nominal age at the end (level 1)
    int16_t age;         // nominal age of the year (level 2)
    TDateRec date;       // date-time of start (levels 3-5)
    TDateRec lunarDate;  // lunar date of date (levels 3 and 4)
    int16_t isLeapMonth;
};

// The double-hour level may hold up to 70 rows, the others 35.
inline constexpr int kGridRowCapacity = 70;

// One level of the grid: its header and rows.
struct TGridLevel {
    uint8_t paged = 0;  // more rows than cells: ten rows a page between two paging cells
    int16_t count = 0;
    int16_t shown = 0;  // rows shown per page
    std::array<TGridRow, kGridRowCapacity> rows{};
};

// The row holding t (start <= t < end), -1 when none does.
int FindGridRow(const TGridLevel& level, double t);

}  // namespace tavrel
