#include "presentation/canvas.h"

namespace tavrel {

TextExtent Canvas::MeasureText(std::string_view text) const {
    return Metrics().Measure(font_.face, font_.size, font_.bold, text);
}

}  // namespace tavrel
