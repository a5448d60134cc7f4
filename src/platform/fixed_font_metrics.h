#pragma once

#include "platform/font_metrics.h"

namespace tavrel {

// Metrics of an ideal SimSun, the same for every face and weight, so that layouts can be
// asserted to the pixel: with e = PointsToPixels(size), a character below U+0080 is e div 2
// wide, any other character (and a byte that is not UTF-8) e wide, and every text is e high.
class FixedFontMetrics final : public FontMetrics {
  public:
    TextExtent Measure(std::string_view face, int size, bool bold,
                       std::string_view text) const override;
};

}  // namespace tavrel
