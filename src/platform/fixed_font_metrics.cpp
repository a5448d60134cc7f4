#include "platform/fixed_font_metrics.h"

#include <cstddef>

#include "platform/utf8.h"

namespace tavrel {

TextExtent FixedFontMetrics::Measure(std::string_view /*face*/, int size, bool /*bold*/,
                                     std::string_view text) const {
    const int em = PointsToPixels(size);
    int width = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        const bool halfWidth = length == 1;
        width += halfWidth ? em / 2 : em;
        pos += length == 0 ? 1 : length;
    }
    return {width, em};
}

}  // namespace tavrel
