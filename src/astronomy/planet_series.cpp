#include "astronomy/planet_series.h"

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/tables/planet_tables.h"

namespace tavrel {
namespace {

constexpr int kPowers = 6;

// Constant offsets added after evaluation for Mercury … Neptune: longitude and latitude in
// arcseconds, radius in 1e-6 AU.
constexpr double PlanetCorrection[7][3] = {
    {-0.08631, 0.00039, -0.00008}, {-0.07447, 0.00006, 0.00017}, {-0.07135, -0.00026, -0.00176},
    {-0.20239, 0.00273, -0.00347}, {-0.25486, 0.00276, 0.42926}, {0.24588, 0.00345, -14.46266},
    {-0.95116, 0.02481, 58.30651},
};

// The end (exclusive, in doubles) of the terms used from the series [lo, hi) of power p, when
// n terms of the constant series of length n0 doubles are asked for.
int SeriesEnd(int lo, int hi, int p, int n, int n0) {
    if (n < 0) return hi;
    // Counted in double so that no n overflows.
    double end = std::floor(3.0 * n * (hi - lo) / n0 + 0.5) + lo;
    if (p > 0) end += 3;
    return end > hi ? hi : static_cast<int>(end);
}

double Corrected(int body, int coordinate, double tau, double v) {
    if (body == 0) {
        const double tau2 = tau * tau;
        const double tau3 = tau2 * tau;
        switch (coordinate) {
            case 0:
                return v + (-0.0728 - 2.7702 * tau - 1.1019 * tau2 - 0.0996 * tau3) / RAD_ARCSEC;
            case 1:
                return v + (0.0000 + 0.0004 * tau + 0.0004 * tau2 - 0.0026 * tau3) / RAD_ARCSEC;
            default:
                return v + (-0.0020 + 0.0044 * tau + 0.0213 * tau2 - 0.0250 * tau3) * 1e-6;
        }
    }
    const double k = PlanetCorrection[body - 1][coordinate];
    if (coordinate == 0) v += -3 * tau / RAD_ARCSEC;
    return coordinate == 2 ? v + k * 1e-6 : v + k / RAD_ARCSEC;
}

}  // namespace

double PlanetCoord(int body, int coordinate, double t, int n) {
    if (body < 0 || body > 7 || coordinate < 0 || coordinate > 2) return 0;
    const double* table = PlanetSeries[body];
    // offsets[i] is element i + 1 of the table: series p of this coordinate runs over
    // [offsets[first + p], offsets[first + p + 1]).
    const int* offsets = PlanetSeriesOffsets[body];
    const int first = coordinate * kPowers;
    const int n0 = offsets[first + 1] - offsets[first];
    const double tau = t * 0.1;
    double v = 0;
    double taup = 1;
    for (int p = 0; p < kPowers; ++p, taup *= tau) {
        const int lo = offsets[first + p];
        const int hi = offsets[first + p + 1];
        if (lo == hi) continue;
        const int end = SeriesEnd(lo, hi, p, n, n0);
        double sum = 0;
        for (int k = lo; k < end; k += 3)
            sum += table[k] * std::cos(table[k + 1] + table[k + 2] * tau);
        v += sum * taup;
    }
    return Corrected(body, coordinate, tau, v / table[0]);
}

TSpherical EarthCoords(double t, int nL, int nB, int nR) {
    return {PlanetCoord(0, 0, t, nL), PlanetCoord(0, 1, t, nB), PlanetCoord(0, 2, t, nR)};
}

}  // namespace tavrel
