#pragma once

#include <climits>
#include <cmath>

namespace tavrel {

// floor(x) as an int. Values beyond the int range saturate and NaN gives 0, so that no input
// makes the conversion undefined.
inline int Int2(double x) {
    const double f = std::floor(x);
    if (!(f == f)) return 0;
    if (f <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (f >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(f);
}

}  // namespace tavrel
