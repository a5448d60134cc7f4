#include "astronomy/pluto_series.h"

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/tables/pluto_table.h"

namespace tavrel {

TRectangular PlutoCoord(double t) {
    // x runs from −1 to +1 over 2185000 days starting 1825394.5 days before J2000.
    const double x = -1 + 2 * (t * 36525 + 1825394.5) / 2185000;
    const double bigT = t / 1e8;
    const double c0 = PI_VALUE / 180 / 100000;
    double r[3] = {0, 0, 0};
    for (int i = 0; i < 9; ++i) {
        double v = 0;
        for (const PlutoTerm* term = PlutoSeries[i]; term->a != PLUTO_TERMINATOR; ++term) {
            v += static_cast<double>(term->a) *
                 std::sin(static_cast<double>(term->b) * bigT + static_cast<double>(term->c) * c0);
        }
        const int q = i % 3;
        if (q == 1) v *= x;
        if (q == 2) v *= x * x;
        r[i / 3] += v / 1e8;
    }
    r[0] += 9.922274 + 0.154154 * x;
    r[1] += 10.016090 + 0.064073 * x;
    r[2] += -3.947474 - 0.042746 * x;
    return {r[0], r[1], r[2]};
}

}  // namespace tavrel
