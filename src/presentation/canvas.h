#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/font_metrics.h"

namespace tavrel {

// A Windows colour value, 0x00BBGGRR, as the settings and the chart colours store it.
using WindowsColour = std::uint32_t;

inline constexpr WindowsColour kBlack = 0x000000;
inline constexpr WindowsColour kWhite = 0xFFFFFF;

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A box whose right and bottom edges lie outside it, as the Windows canvas took its shapes.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class PenStyle { kSolid, kDot, kClear };
enum class BrushStyle { kSolid, kClear };
enum class ArcDirection { kCounterClockwise, kClockwise };

struct CanvasPen {
    WindowsColour colour = kBlack;
    int width = 1;
    PenStyle style = PenStyle::kSolid;
    friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

struct CanvasBrush {
    WindowsColour colour = kWhite;
    BrushStyle style = BrushStyle::kSolid;
    friend bool operator==(const CanvasBrush&, const CanvasBrush&) = default;
};

struct CanvasFont {
    std::string face = "宋体";
    int size = 12;  // points
    bool bold = false;
    WindowsColour colour = kBlack;
    // Tenths of a degree, counter-clockwise: the text turns about its top-left reference point.
    int escapement = 0;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// The drawing surface of a chart image, with the state and the operations of the Windows canvas
// the charts were designed on: integer pixel coordinates, y growing downward, shapes outlined
// with the pen and filled with the brush, texts placed by their top-left corner in the font
// colour on a background of the brush colour unless the brush is clear.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    const CanvasPen& Pen() const { return pen_; }
    const CanvasBrush& Brush() const { return brush_; }
    const CanvasFont& Font() const { return font_; }
    void SetPen(const CanvasPen& pen) { pen_ = pen; }
    void SetBrush(const CanvasBrush& brush) { brush_ = brush; }
    void SetFont(const CanvasFont& font) { font_ = font; }

    // Unturned extent of the text in the current font, whatever its escapement.
    TextExtent MeasureText(std::string_view text) const;
    int TextWidth(std::string_view text) const { return MeasureText(text).width; }
    int TextHeight(std::string_view text) const { return MeasureText(text).height; }

    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void Line(PixelPoint from, PixelPoint to) = 0;
    // With a clear pen the filled area is one pixel narrower and lower, as on Windows.
    virtual void Rectangle(const PixelRect& box) = 0;
    virtual void Ellipse(const PixelRect& box) = 0;
    // The part of the ellipse in box from the ray through start to the ray through end (both
    // from the box centre), going the given way; equal rays draw the whole ellipse.
    virtual void Arc(const PixelRect& box, PixelPoint start, PixelPoint end,
                     ArcDirection direction) = 0;
    // Closed polygon, filled with alternate (even-odd) filling.
    virtual void Polygon(std::span<const PixelPoint> points) = 0;

  protected:
    virtual const FontMetrics& Metrics() const = 0;

  private:
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
};

}  // namespace tavrel
