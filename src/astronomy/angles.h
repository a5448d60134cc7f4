#pragma once

namespace tavrel {

// The angle (radians) reduced to [0, TWO_PI).
double NormAngle(double x);

// The angle (radians) reduced to (−PI_VALUE, PI_VALUE].
double NormSignedAngle(double x);

}  // namespace tavrel
