#pragma once

#include <string_view>

namespace tavrel {

// Size of a text as the Windows canvas reported it: the advance width of the whole text and the
// height of the font's line (ascent plus descent), in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// Measures texts without a canvas, so chart geometry can be laid out before anything is drawn.
class FontMetrics {
  public:
    virtual ~FontMetrics() = default;

    // face as the charts name it ("宋体"), size in points, text in UTF-8.
    virtual TextExtent Measure(std::string_view face, int size, bool bold,
                               std::string_view text) const = 0;
};

// Character height in pixels of a font of the given point size on the 96-dpi screen the charts
// were laid out for (MulDiv(size, 96, 72)); never below 1.
int PointsToPixels(int size);

}  // namespace tavrel
