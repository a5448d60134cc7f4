#pragma once

#include <string>

#include "calendar/lunar_calendar.h"
#include "chart/chart_records.h"
#include "chart/chart_settings.h"
#include "chart/grid_rows.h"

namespace tavrel {

// Sexagenary indexes of the four pillars of a moment.
struct TPillars {
    int year;
    int month;
    int day;
    int hour;

    friend bool operator==(const TPillars&, const TPillars&) = default;
};

// What an annual chart is read against: the natal chart as the last cast left it.
struct TAnnualInputs {
    int chartKind;    // -1 while no natal chart has been cast
    int tz;           // hour offset of the request's zone
    float longitude;  // of the birth place, for the iDate clock
    const TChartSettings& settings;
    const TTimeBlock& time;  // of the birth
    const TPositionSheet& natal;
    const TGridLevel& limits;  // the age-limit table
};

// The annual-chart state of one moment.
struct TAnnualState {
    double jdBeijing;    // the moment in Beijing time
    double jdCorrected;  // on the iDate clock at the birth longitude
    int tz;
    TPillars pillars;
    int age;             // nominal age of the annual year
    double years;        // years since birth + 1
    int16_t smallLimit;  // palace indexes
    int16_t monthLimit;
    float runningLongitude;
};

// The pillars of an annual moment: year and month from the Beijing time, day and hour from the
// corrected clock; 23:00 always counts as the next day, whatever zishi says.
TPillars ComputeAnnualPillars(double jdBeijing, const TDateRec& corrected,
                              const MYiDateEx& calendar);

// Everything of the annual chart but its stars, for a Julian day on the request's zone clock.
// False with lastError set when there is no natal chart, the moment is not a date or it lies
// outside the age-limit table; `state` is then left as it was.
bool PrepareAnnualChart(double jd, const TAnnualInputs& inputs, const MYiDateEx& calendar,
                        TAnnualState& state, std::string& lastError);

// The annual sheet: the natal sheet with the fourteen stars of `stars` (longitude, latitude and
// motion of the annual moment on the chart's star map) placed in the natal palaces, and the
// running-limit point as entry 14. The mansion origin is the natal one.
TPositionSheet PlaceAnnualSheet(const TPositionSheet& natal, const TPositionSheet& stars,
                                double runningLongitude, double mansionOrigin);

}  // namespace tavrel
