#include "platform/font_metrics.h"

namespace tavrel {

int PointsToPixels(int size) {
    // 4/3 × size never ends in a half, so adding a third rounds to the nearest pixel.
    const int pixels = (4 * size + 1) / 3;
    return pixels < 1 ? 1 : pixels;
}

}  // namespace tavrel
