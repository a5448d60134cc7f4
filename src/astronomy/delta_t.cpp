#include "astronomy/delta_t.h"

#include <cstddef>
#include <iterator>

namespace tavrel {
namespace {

struct DeltaTSegment {
    double startYear;
    double a, b, c, d;
};

// Each segment runs to the next one's start year; the last runs to kEndYear.
constexpr DeltaTSegment DELTA_T_TABLE[] = {
    {-4000, 108371.7, -13036.8, 392.0, 0},
    {-500, 17201.0, -627.82, 16.17, -0.3413},
    {-150, 12200.6, -346.41, 5.403, -0.1593},
    {150, 9113.8, -328.13, -1.647, 0.0377},
    {500, 5707.5, -391.41, 0.915, 0.3145},
    {900, 2203.4, -283.45, 13.034, -0.1778},
    {1300, 490.1, -57.35, 2.085, -0.0072},
    {1600, 120.0, -9.81, -1.532, 0.1403},
    {1700, 10.2, -0.91, 0.51, -0.037},
    {1800, 13.4, -0.72, 0.202, -0.0193},
    {1830, 7.8, -1.81, 0.416, -0.0247},
    {1860, 8.3, -0.13, -0.406, 0.0292},
    {1880, -5.4, 0.32, -0.183, 0.0173},
    {1900, -2.3, 2.06, 0.169, -0.0135},
    {1920, 21.2, 1.69, -0.304, 0.0167},
    {1940, 24.2, 1.22, -0.064, 0.0031},
    {1960, 33.2, 0.51, 0.231, -0.0109},
    {1980, 51.0, 1.29, -0.026, 0.0032},
    {2000, 63.87, 0.1, 0, 0},
    {2005, 64.7, 0.4, 0, 0},
};
constexpr double kEndYear = 2015;
constexpr double kEndValue = 69;  // seconds at kEndYear
constexpr double kBlendYears = 100;
constexpr double kParabolaK = 31;

double DeltaTExtrapolate(double year, double k) {
    const double u = (year - 1820) * 0.01;
    return k * u * u - 20;
}

}  // namespace

double DeltaTSeconds(double year) {
    if (year >= kEndYear) {
        const double parabola = DeltaTExtrapolate(year, kParabolaK);
        if (year > kEndYear + kBlendYears) return parabola;
        const double step = DeltaTExtrapolate(kEndYear, kParabolaK) - kEndValue;
        return parabola - step * (kEndYear + kBlendYears - year) * 0.01;
    }
    constexpr std::size_t count = std::size(DELTA_T_TABLE);
    // The first segment also serves every year before its start.
    std::size_t i = 0;
    while (i + 1 < count && DELTA_T_TABLE[i + 1].startYear <= year) ++i;
    const DeltaTSegment& s = DELTA_T_TABLE[i];
    const double end = i + 1 < count ? DELTA_T_TABLE[i + 1].startYear : kEndYear;
    const double x = (year - s.startYear) / (end - s.startYear) * 10;
    return s.a + x * (s.b + x * (s.c + x * s.d));
}

double DeltaT(double d) { return DeltaTSeconds(d / 365.2425 + 2000) / 86400; }

}  // namespace tavrel
