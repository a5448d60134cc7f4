#pragma once

#include <string>
#include <vector>

#include "platform/fixed_font_metrics.h"
#include "presentation/canvas.h"

namespace tavrel {

enum class CanvasOperation { kTextOut, kLine, kRectangle, kEllipse, kArc, kPolygon };

// One drawing call with its arguments and the pen, brush and font it was drawn with.
struct CanvasCall {
    CanvasOperation operation = CanvasOperation::kLine;
    PixelPoint from;  // text position, line start, arc start
    PixelPoint to;    // line end, arc end
    PixelRect box;    // rectangle, ellipse, arc
    ArcDirection direction = ArcDirection::kCounterClockwise;
    std::vector<PixelPoint> points;  // polygon
    std::string text;                // text out
    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;
    friend bool operator==(const CanvasCall&, const CanvasCall&) = default;
};

// A canvas that draws nothing and keeps every drawing call, measuring with FixedFontMetrics, so
// tests can assert a drawing call by call and pixel by pixel without a display.
class RecordingCanvas final : public Canvas {
  public:
    RecordingCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void TextOut(int x, int y, std::string_view text) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Rectangle(const PixelRect& box) override;
    void Ellipse(const PixelRect& box) override;
    void Arc(const PixelRect& box, PixelPoint start, PixelPoint end,
             ArcDirection direction) override;
    void Polygon(std::span<const PixelPoint> points) override;

    const std::vector<CanvasCall>& Calls() const { return calls_; }

  protected:
    const FontMetrics& Metrics() const override { return metrics_; }

  private:
    CanvasCall& Record(CanvasOperation operation);

    int width_;
    int height_;
    FixedFontMetrics metrics_;
    std::vector<CanvasCall> calls_;
};

// One line per call, for readable test failures and drawing transcripts, e.g.
// "line (1,2)-(30,40) pen 0000FF/1/solid brush FFFFFF/solid".
std::string Describe(const CanvasCall& call);

}  // namespace tavrel
