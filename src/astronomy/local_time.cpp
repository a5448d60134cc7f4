#include "astronomy/local_time.h"

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/equation_of_time.h"

namespace tavrel {

double EquationOfTimeSeconds(const TDateRec& r) {
    const double d = JulianDay(r.year, r.month, r.day + (r.hour + r.minute / 60.0) / 24) -
                     BEIJING_OFFSET - 2451545;
    return EquationOfTime((DeltaT(d) + d) / 36525) * 86400;
}

int ToLocalTime(float longitude, TDateRec& r, int mode) {
    if (mode == CLOCK_TIME) return 0;
    const double jd = JdOfDate(r);
    const int e =
        mode == TRUE_SOLAR_TIME ? static_cast<int>(std::trunc(EquationOfTimeSeconds(r))) : 0;
    // Seconds by which local mean time is behind Beijing time. A longitude typed as 116.4 is
    // stored a hair off (and 3.6° is no exact double either): the 5 ms allowance keeps 864 s
    // from flooring to 863.
    const int behind =
        static_cast<int>(std::floor((120 - static_cast<double>(longitude)) * 4 * 60 + 0.005));
    r = DateOfJd(jd + (e - behind) / 86400.0);
    return e;
}

}  // namespace tavrel
