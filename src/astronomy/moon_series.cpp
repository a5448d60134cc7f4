#include "astronomy/moon_series.h"

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/tables/moon_table.h"

namespace tavrel {
namespace {

constexpr int kPowers = 4;
constexpr int kTermSize = 6;

// The mean longitude W1 plus the general precession in longitude, in arcseconds. The series
// count longitude from the J2000 departure point on the ecliptic of date; the precession
// brings it to the mean equinox of date.
double MeanLongitudeOfDate(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double t5 = t4 * t;
    double v = (3.81034409 + 8399.684730072 * t - 3.319e-5 * t2 + 3.11e-8 * t3 - 2.033e-10 * t4) *
               RAD_ARCSEC;
    v += 5028.792262 * t + 1.1124406 * t2 + 0.00007699 * t3 - 0.000023479 * t4 - 0.0000000178 * t5;
    // A quadratic fit keeps the longitude on the long-range ephemeris after the year 3000.
    const double tx = t - 10;
    if (tx > 0) v += -0.866 + 1.43 * tx + 0.054 * tx * tx;
    return v;
}

}  // namespace

double MoonCoord(int coordinate, double t, int n) {
    if (coordinate < 0 || coordinate > 2) return 0;
    double v = coordinate == 0 ? MeanLongitudeOfDate(t) : 0;
    const double t2 = t * t / 1e4;
    const double t3 = t * t * t / 1e8;
    const double t4 = t * t * t * t / 1e8;
    const int* lengths = MoonSeriesLength[coordinate];
    // The cut is counted in doubles (six per term), in double so that no n overflows.
    const double wanted = n < 0 ? lengths[0] : 6.0 * n;
    double tp = 1;
    for (int p = 0; p < kPowers; ++p, tp *= t) {
        const int length = lengths[p];
        double end = std::floor(wanted * length / lengths[0] + 0.5);
        if (p > 0) end += kTermSize;
        const int last = end >= length ? length : static_cast<int>(end);
        const double* s = MoonSeries[coordinate][p];
        double sum = 0;
        for (int k = 0; k < last; k += kTermSize) {
            sum += s[k] * std::cos(s[k + 1] + s[k + 2] * t + s[k + 3] * t2 + s[k + 4] * t3 +
                                   s[k + 5] * t4);
        }
        v += sum * tp;
    }
    return coordinate == 2 ? v : v / RAD_ARCSEC;
}

TSpherical MoonCoords(double t, int nL, int nB, int nR) {
    return {MoonCoord(0, t, nL), MoonCoord(1, t, nB), MoonCoord(2, t, nR)};
}

}  // namespace tavrel
