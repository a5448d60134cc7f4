#include <cmath>

#include "astronomy/constants.h"
#include "calendar/ssq_class.h"

namespace tavrel {

namespace {

// The low-precision computations carry their own ΔT estimate, in days of centuries t.
double BuiltInDeltaT(double t) { return (32 * (t + 1.8) * (t + 1.8) - 20) / 86400 / 36525; }

}  // namespace

double SSQ_class::NewMoonLow(double W) {
    constexpr double rate = 7771.37714500204;
    double t = (W + 1.08472) / rate;
    t -= (-0.0000331 * t * t + 0.10976 * std::cos(0.785 + 8328.6914 * t) +
          0.02224 * std::cos(0.187 + 7214.0629 * t) - 0.03342 * std::cos(4.669 + 628.3076 * t)) /
             rate +
         BuiltInDeltaT(t);
    return t * 36525 + BEIJING_OFFSET;
}

double SSQ_class::TermLow(double W) {
    constexpr double rate = 628.3319653318;
    double t = (W - 4.895062166) / rate;
    t -= (53 * t * t + 334116 * std::cos(4.67 + 628.307585 * t) +
          2061 * std::cos(2.678 + 628.3076 * t) * t) /
         rate / 10000000;
    const double L = 48950621.66 + 6283319653.318 * t + 53 * t * t +
                     334166 * std::cos(4.669257 + 628.307585 * t) +
                     3489 * std::cos(4.6261 + 1256.61517 * t) +
                     2060.6 * std::cos(2.67823 + 628.307585 * t) * t - 994 -
                     834 * std::sin(2.1824 - 33.75705 * t);
    t -= (L / 10000000 - W) / 628.332 + BuiltInDeltaT(t);
    return t * 36525 + BEIJING_OFFSET;
}

}  // namespace tavrel
