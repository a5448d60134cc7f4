#include "presentation/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrel {
namespace {

TEST(RecordingCanvas, KeepsEachCallWithTheStateItWasDrawnWith) {
    RecordingCanvas canvas(960, 854);
    EXPECT_EQ(canvas.Width(), 960);
    EXPECT_EQ(canvas.Height(), 854);

    canvas.SetPen({0x0000FF, 2, PenStyle::kDot});
    canvas.Line({1, 2}, {30, 40});
    canvas.SetBrush({0xF3E2CA, BrushStyle::kSolid});
    canvas.Rectangle({0, 0, 960, 854});
    canvas.SetPen({});
    canvas.Ellipse({307, 307, 314, 314});
    canvas.Arc({0, 0, 100, 100}, {99, 50}, {50, 0}, ArcDirection::kClockwise);
    const std::vector<PixelPoint> triangle = {{0, 0}, {10, 0}, {5, 8}};
    canvas.Polygon(triangle);
    CanvasFont turned = canvas.Font();
    turned.escapement = 900;
    turned.colour = 0x006A90;
    canvas.SetFont(turned);
    canvas.SetBrush({kWhite, BrushStyle::kClear});
    canvas.TextOut(5, 6, "酉");

    const std::vector<CanvasCall>& calls = canvas.Calls();
    ASSERT_EQ(calls.size(), 6u);
    std::vector<std::string> described;
    for (const CanvasCall& call : calls) {
        described.push_back(Describe(call));
    }
    const std::vector<std::string> expected = {
        "line (1,2)-(30,40) pen 0000FF/2/dot",
        "rectangle (0,0)-(960,854) pen 0000FF/2/dot brush F3E2CA/solid",
        "ellipse (307,307)-(314,314) pen 000000/1/solid brush F3E2CA/solid",
        "arc (0,0)-(100,100) from (99,50) to (50,0) clockwise pen 000000/1/solid",
        "polygon (0,0) (10,0) (5,8) pen 000000/1/solid brush F3E2CA/solid",
        "text (5,6) \"酉\" font 宋体/12/006A90/esc 900 brush FFFFFF/clear",
    };
    EXPECT_EQ(described, expected);
    EXPECT_EQ(calls[3].direction, ArcDirection::kClockwise);
    EXPECT_EQ(calls[4].points, triangle);
    EXPECT_EQ(calls[5].font, turned);
}

TEST(RecordingCanvas, MeasuresInTheCurrentFont) {
    RecordingCanvas canvas(100, 100);
    EXPECT_EQ(canvas.TextWidth("国"), 16);
    CanvasFont font = canvas.Font();
    font.size = 10;
    font.escapement = 450;
    canvas.SetFont(font);
    EXPECT_EQ(canvas.TextWidth("88"), 12);
    EXPECT_EQ(canvas.TextHeight("88"), 13);
    EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
}  // namespace tavrel
