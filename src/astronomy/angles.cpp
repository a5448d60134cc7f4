#include "astronomy/angles.h"

#include <cmath>

#include "astronomy/constants.h"

namespace tavrel {

// fmod removes whole turns exactly (the quotient truncated toward zero), so huge angles stay in
// range too.

double NormAngle(double x) {
    double r = std::fmod(x, TWO_PI);
    if (r < 0) {
        r += TWO_PI;
        // A remainder a hair below zero would round up to a full turn.
        if (r >= TWO_PI) r = 0;
    }
    return r;
}

double NormSignedAngle(double x) {
    double r = std::fmod(x, TWO_PI);
    if (r <= -PI_VALUE) {
        r += TWO_PI;
    } else if (r > PI_VALUE) {
        r -= TWO_PI;
    }
    return r;
}

}  // namespace tavrel
