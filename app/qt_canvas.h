#pragma once

#include <QPainter>

#include "presentation/canvas.h"
#include "qt_font_metrics.h"

namespace tavrel {

// A chart canvas on a QPainter, so that one drawing goes to a QImage (BMP, JPEG, PNG), a
// QSvgGenerator or a QPrinter. Shapes are drawn without antialiasing, as the Windows canvas drew
// them; texts keep Qt's smoothing. The painter must stay active while the canvas is used.
class QtCanvas final : public Canvas {
  public:
    // width and height: the size of the chart image in the painter's logical pixels.
    QtCanvas(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void TextOut(int x, int y, std::string_view text) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Rectangle(const PixelRect& box) override;
    void Ellipse(const PixelRect& box) override;
    void Arc(const PixelRect& box, PixelPoint start, PixelPoint end,
             ArcDirection direction) override;
    void Polygon(std::span<const PixelPoint> points) override;

  protected:
    const FontMetrics& Metrics() const override { return metrics_; }

  private:
    void UsePenAndBrush();

    QPainter& painter_;
    int width_;
    int height_;
    QtFontMetrics metrics_;
};

// The Qt colour of a Windows colour value 0x00BBGGRR.
QColor QColorOf(WindowsColour colour);

}  // namespace tavrel
