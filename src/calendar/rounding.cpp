#include "calendar/rounding.h"

#include <cmath>

namespace tavrel {

double RoundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double down = std::floor(scaled);
    const double up = std::ceil(scaled);
    return (up - scaled >= scaled - down ? down : up) / scale;
}

}  // namespace tavrel
