#include "chart/grid_rows.h"

namespace tavrel {

int FindGridRow(const TGridLevel& level, double t) {
    for (int i = 0; i < level.count; ++i) {
        const TGridRow& row = level.rows[static_cast<size_t>(i)];
        if (row.start <= t && t < row.end) return i;
    }
    return -1;
}

}  // namespace tavrel
