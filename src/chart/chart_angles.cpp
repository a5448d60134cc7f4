#include "chart/chart_angles.h"

#include <cmath>

namespace tavrel {

double ReduceDegrees(double x) {
    const double r = x - std::floor(x / 360) * 360;
    return r >= 360 ? 0 : r;
}

TDegreesMinutes TruncateToMinutes(double degrees) {
    const double whole = std::trunc(degrees);
    return {static_cast<int>(whole), static_cast<int>(std::trunc((degrees - whole) * 60))};
}

}  // namespace tavrel
