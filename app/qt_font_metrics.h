#pragma once

#include <QFont>

#include "platform/font_metrics.h"

namespace tavrel {

// The Qt font a chart font stands for: the face through the substitutions of fonts.h ("宋体"
// becomes kSongFace once InstallFontSubstitutions ran), its size as a pixel size so that every
// device measures and draws it alike.
QFont ChartQFont(std::string_view face, int size, bool bold);

// Font metrics of the installed faces; needs the Qt application object.
class QtFontMetrics final : public FontMetrics {
  public:
    TextExtent Measure(std::string_view face, int size, bool bold,
                       std::string_view text) const override;
};

}  // namespace tavrel
