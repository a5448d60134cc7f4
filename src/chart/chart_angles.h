#pragma once

namespace tavrel {

// The chart's own angle constants, single precision as the chart has always used them; its
// angles follow from these and not from the astronomy's double values.
inline constexpr double kChartObliquity = static_cast<double>(0.40910518F);  // radians, 23.4393°
inline constexpr double kChartDegToRad = static_cast<double>(0.017453292F);
inline constexpr double kChartRadToDeg = static_cast<double>(57.29578F);
// cos ε rounded, used for the Sun's right ascension and the midheaven, and its reciprocal.
inline constexpr double kCosObliquityRounded = 0.9175;
inline constexpr double kInverseCosObliquityRounded = 1.0899182561307902;

// x reduced to [0, 360) as x - floor(x / 360) × 360, guarding the one rounding that gives 360.
double ReduceDegrees(double x);

// The integer degrees and minutes of an angle, both truncated, never rounded.
struct TDegreesMinutes {
    int degrees;
    int minutes;
};
TDegreesMinutes TruncateToMinutes(double degrees);

}  // namespace tavrel
