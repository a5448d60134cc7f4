#include "presentation/recording_canvas.h"

#include <cstdio>

namespace tavrel {
namespace {

std::string PointText(PixelPoint point) {
    return "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}

std::string BoxText(const PixelRect& box) {
    return PointText({box.left, box.top}) + "-" + PointText({box.right, box.bottom});
}

std::string ColourText(WindowsColour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

std::string PenText(const CanvasPen& pen) {
    static constexpr const char* kStyles[] = {"solid", "dot", "clear"};
    return "pen " + ColourText(pen.colour) + "/" + std::to_string(pen.width) + "/" +
           kStyles[static_cast<int>(pen.style)];
}

std::string BrushText(const CanvasBrush& brush) {
    return "brush " + ColourText(brush.colour) + "/" +
           (brush.style == BrushStyle::kSolid ? "solid" : "clear");
}

std::string FontText(const CanvasFont& font) {
    std::string text =
        "font " + font.face + "/" + std::to_string(font.size) + "/" + ColourText(font.colour);
    if (font.bold) {
        text += "/bold";
    }
    if (font.escapement != 0) {
        text += "/esc " + std::to_string(font.escapement);
    }
    return text;
}

}  // namespace

RecordingCanvas::RecordingCanvas(int width, int height) : width_(width), height_(height) {}

CanvasCall& RecordingCanvas::Record(CanvasOperation operation) {
    CanvasCall& call = calls_.emplace_back();
    call.operation = operation;
    call.pen = Pen();
    call.brush = Brush();
    call.font = Font();
    return call;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    CanvasCall& call = Record(CanvasOperation::kTextOut);
    call.from = {x, y};
    call.text = text;
}

void RecordingCanvas::Line(PixelPoint from, PixelPoint to) {
    CanvasCall& call = Record(CanvasOperation::kLine);
    call.from = from;
    call.to = to;
}

void RecordingCanvas::Rectangle(const PixelRect& box) {
    Record(CanvasOperation::kRectangle).box = box;
}

void RecordingCanvas::Ellipse(const PixelRect& box) { Record(CanvasOperation::kEllipse).box = box; }

void RecordingCanvas::Arc(const PixelRect& box, PixelPoint start, PixelPoint end,
                          ArcDirection direction) {
    CanvasCall& call = Record(CanvasOperation::kArc);
    call.box = box;
    call.from = start;
    call.to = end;
    call.direction = direction;
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
    Record(CanvasOperation::kPolygon).points.assign(points.begin(), points.end());
}

std::string Describe(const CanvasCall& call) {
    std::string text;
    switch (call.operation) {
        case CanvasOperation::kTextOut:
            return "text " + PointText(call.from) + " \"" + call.text + "\" " +
                   FontText(call.font) + " " + BrushText(call.brush);
        case CanvasOperation::kLine:
            return "line " + PointText(call.from) + "-" + PointText(call.to) + " " +
                   PenText(call.pen);
        case CanvasOperation::kRectangle:
            text = "rectangle " + BoxText(call.box);
            break;
        case CanvasOperation::kEllipse:
            text = "ellipse " + BoxText(call.box);
            break;
        case CanvasOperation::kArc:
            return "arc " + BoxText(call.box) + " from " + PointText(call.from) + " to " +
                   PointText(call.to) +
                   (call.direction == ArcDirection::kClockwise ? " clockwise "
                                                               : " counter-clockwise ") +
                   PenText(call.pen);
        case CanvasOperation::kPolygon:
            text = "polygon";
            for (const PixelPoint& point : call.points) {
                text += " " + PointText(point);
            }
            break;
    }
    return text + " " + PenText(call.pen) + " " + BrushText(call.brush);
}

}  // namespace tavrel
