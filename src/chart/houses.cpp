#include "chart/houses.h"

#include <cmath>

#include "chart/chart_angles.h"
#include "chart/tables/equation_of_time_table.h"

namespace tavrel {

namespace {

double Sin(double degrees) { return std::sin(degrees * kChartDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kChartDegToRad); }
double Tan(double degrees) { return std::tan(degrees * kChartDegToRad); }
double Atan(double x) { return std::atan(x) * kChartRadToDeg; }

// atan(tan x × factor) put back into the quadrant of x, for x in 0..360.
double StretchedAngle(double x, double factor) {
    double a = Atan(Tan(x) * factor);
    if (x > 90 && x < 270) {
        a += 180;
    } else if (x >= 270) {
        a += 360;
    }
    return a;
}

// The table's row of a date: its place in a leap year, so that 1 March is the same row in
// every year.
int TableRow(const TDateRec& date) {
    static constexpr int kDaysBefore[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return 0;
    return kDaysBefore[date.month - 1] + date.day - 1;
}

// One intermediate cusp: the right ascension A on the equator whose hour angle is the given
// fraction of its degree's semi-arc, found by repeating A = R + f H (above the horizon, `sign`
// -1) or A = D - f H (below, `sign` +1) until it settles; three rounds, the old practice, leave
// errors of a degree at 60° of latitude. False where a semi-arc does not exist.
bool SemiArcCusp(double ramc, double latitude, double start, double sign, double base,
                 double fraction, double& a) {
    const double factor = std::tan(kChartObliquity) * Tan(latitude);
    a = start;
    for (int round = 0; round < 200; ++round) {
        const double x = sign * factor * Sin(a);
        if (!(x >= -1 && x <= 1)) return false;
        const double h = std::acos(x) * kChartRadToDeg;
        const double next = sign < 0 ? ramc + h * fraction : base - h * fraction;
        const bool settled = std::fabs(next - a) < 1e-10;
        a = next;
        if (settled) break;
    }
    return true;
}

// The cusp's ecliptic longitude from its right ascension A: tan λ = tan A / cos ε, taken in the
// quadrant of A itself (a quadrant fixed from R + 30° steps puts a cusp 180° off whenever A and
// that step lie on opposite sides of 0°, as at RAMC 300° for house 12).
double CuspLongitude(double a) {
    const double r = a * kChartDegToRad;
    return ReduceDegrees(std::atan2(std::sin(r), std::cos(r) * std::cos(kChartObliquity)) *
                         kChartRadToDeg);
}

}  // namespace

double TableEquationOfTimeSeconds(const TDateRec& beijingTime) {
    const int n = TableRow(beijingTime);
    const double today = EQUATION_OF_TIME_TABLE[n];
    const double tomorrow = EQUATION_OF_TIME_TABLE[(n + 1) % kEquationOfTimeDays];
    return today * 60 + (tomorrow - today) * 60 * beijingTime.hour / 24;
}

double ComputeRamc(double sunLongitude, double longitude, const TDateRec& beijingTime,
                   double jdBeijing) {
    const double e = TableEquationOfTimeSeconds(beijingTime);
    const TDateRec apparent = DateOfJd(jdBeijing + e / 86400);
    double t = apparent.hour * 15 + apparent.minute * 0.25 - (120 - longitude);
    if (t <= 0) t += 360;
    const double sunRightAscension = StretchedAngle(sunLongitude, kCosObliquityRounded);
    return ReduceDegrees(sunRightAscension + 180 + t);
}

double ComputeMidheaven(double ramc) {
    return ReduceDegrees(StretchedAngle(ramc, kInverseCosObliquityRounded));
}

double ComputeAscendant(double ramc, double latitude) {
    const double y = Cos(ramc);
    const double x =
        -(std::sin(kChartObliquity) * Tan(latitude) + std::cos(kChartObliquity) * Sin(ramc));
    return ReduceDegrees(std::atan2(y, x) * kChartRadToDeg);
}

void ComputeHouseCusps(double ramc, double latitude, double ascendant, double midheaven,
                       float (&cusps)[12]) {
    const double descending = ramc + 180;
    struct Arc {
        int cusp;
        double start;
        double sign;
        double fraction;
    };
    const Arc arcs[4] = {{10, ramc + 30, -1, 1.0 / 3},
                         {11, ramc + 60, -1, 2.0 / 3},
                         {1, ramc + 120, 1, 2.0 / 3},
                         {2, ramc + 150, 1, 1.0 / 3}};
    double longitudes[4];
    bool placidus = true;
    for (int i = 0; i < 4 && placidus; ++i) {
        double a = 0;
        placidus = SemiArcCusp(ramc, latitude, arcs[i].start, arcs[i].sign, descending,
                               arcs[i].fraction, a);
        longitudes[i] = CuspLongitude(a);
    }
    if (!placidus) {
        const double upper = ReduceDegrees(ascendant - midheaven);
        const double lower = ReduceDegrees(midheaven + 180 - ascendant);
        longitudes[0] = ReduceDegrees(midheaven + upper / 3);
        longitudes[1] = ReduceDegrees(midheaven + upper * 2 / 3);
        longitudes[2] = ReduceDegrees(ascendant + lower / 3);
        longitudes[3] = ReduceDegrees(ascendant + lower * 2 / 3);
    }
    // Single precision rounds a hair below 360 up to 360, which is 0.
    const auto single = [](double lambda) {
        const float f = static_cast<float>(lambda);
        return f >= 360 ? 0.0F : f;
    };
    const auto set = [&](int cusp, double lambda) {
        cusps[cusp] = single(lambda);
        cusps[(cusp + 6) % 12] = single(ReduceDegrees(lambda + 180));
    };
    set(9, midheaven);
    set(0, ascendant);
    for (int i = 0; i < 4; ++i) set(arcs[i].cusp, longitudes[i]);
}

}  // namespace tavrel
