#include "qt_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgGenerator>
#include <vector>

#include "fonts.h"
#include "support/qt_application.h"

namespace tavrel {
namespace {

using testing::QtApplication;

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// Draws on a white image through a QtCanvas.
class QtCanvasTest : public ::testing::Test {
  protected:
    QtCanvasTest() : image_(200, 200, QImage::Format_RGB32) {
        QtApplication();
        image_.fill(Qt::white);
    }

    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&image_);
        QtCanvas canvas(painter, image_.width(), image_.height());
        draw(canvas);
    }

    QColor At(int x, int y) const { return image_.pixelColor(x, y); }
    bool Inked(int x, int y) const { return image_.pixel(x, y) != kWhitePixel; }
    bool InkedNear(int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (Inked(x + dx, y + dy)) {
                    return true;
                }
            }
        }
        return false;
    }
    // Smallest rectangle holding every pixel darker than mid-grey; empty when there is none.
    QRect DarkBounds() const {
        QRect bounds;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                if (qGray(image_.pixel(x, y)) < 128) {
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return bounds;
    }

    QImage image_;
};

TEST_F(QtCanvasTest, LinesStopBeforeTheirEndAndDotsAreThreeOnThreeOff) {
    Paint([](Canvas& canvas) {
        canvas.SetPen({0x0000FF, 1, PenStyle::kSolid});
        canvas.Line({10, 20}, {60, 20});
        canvas.SetPen({0x008000, 1, PenStyle::kDot});
        canvas.Line({10, 40}, {60, 40});
    });
    EXPECT_EQ(At(10, 20), QColor(255, 0, 0));
    EXPECT_EQ(At(59, 20), QColor(255, 0, 0));
    EXPECT_FALSE(Inked(60, 20));  // as LineTo, the last pixel is left out
    EXPECT_FALSE(Inked(35, 19));
    EXPECT_FALSE(Inked(35, 21));
    for (int x = 10; x < 22; ++x) {
        EXPECT_EQ(Inked(x, 40), (x - 10) % 6 < 3) << x;
    }
    EXPECT_EQ(At(10, 40), QColor(0, 128, 0));
}

TEST_F(QtCanvasTest, ShapesStopBeforeTheirRightAndBottomEdges) {
    Paint([](Canvas& canvas) {
        canvas.SetBrush({0xFF0000, BrushStyle::kSolid});
        canvas.Rectangle({100, 100, 120, 110});
        canvas.SetPen({kBlack, 1, PenStyle::kClear});
        canvas.SetBrush({0x008000, BrushStyle::kSolid});
        canvas.Rectangle({130, 100, 140, 110});
        canvas.SetPen({});
        canvas.SetBrush({kWhite, BrushStyle::kClear});
        canvas.Ellipse({20, 100, 41, 121});
    });
    EXPECT_EQ(At(100, 100), QColor(0, 0, 0));
    EXPECT_EQ(At(119, 109), QColor(0, 0, 0));
    EXPECT_EQ(At(110, 105), QColor(0, 0, 255));
    EXPECT_FALSE(Inked(120, 105));
    EXPECT_FALSE(Inked(110, 110));
    // A clear pen leaves the fill one pixel narrower and lower.
    EXPECT_EQ(At(130, 100), QColor(0, 128, 0));
    EXPECT_EQ(At(138, 108), QColor(0, 128, 0));
    EXPECT_FALSE(Inked(139, 105));
    EXPECT_FALSE(Inked(135, 109));
    // The ellipse touches the left, top, right − 1 and bottom − 1 of its box.
    EXPECT_TRUE(Inked(20, 110));
    EXPECT_TRUE(Inked(40, 110));
    EXPECT_TRUE(Inked(30, 100));
    EXPECT_TRUE(Inked(30, 120));
    EXPECT_FALSE(Inked(41, 110));
    EXPECT_FALSE(Inked(30, 121));
    EXPECT_FALSE(Inked(30, 110));
}

TEST_F(QtCanvasTest, ArcsRunTheWayAsked) {
    // Circle of radius 25 about (75, 155) and about (150, 155); from the right to the top.
    Paint([](Canvas& canvas) {
        canvas.Arc({50, 130, 101, 181}, {100, 155}, {75, 130}, ArcDirection::kCounterClockwise);
        canvas.Arc({125, 130, 176, 181}, {175, 155}, {150, 130}, ArcDirection::kClockwise);
    });
    EXPECT_TRUE(InkedNear(93, 137));   // up and right: the short way round
    EXPECT_FALSE(InkedNear(75, 180));  // bottom
    EXPECT_FALSE(InkedNear(57, 137));  // up and left
    EXPECT_FALSE(InkedNear(168, 137));
    EXPECT_TRUE(InkedNear(150, 180));
    EXPECT_TRUE(InkedNear(132, 137));
}

TEST_F(QtCanvasTest, PolygonsFillWithTheBrush) {
    Paint([](Canvas& canvas) {
        canvas.SetBrush({0xCAE2F3, BrushStyle::kSolid});
        const std::vector<PixelPoint> triangle = {{10, 60}, {50, 60}, {30, 90}};
        canvas.Polygon(triangle);
    });
    EXPECT_EQ(At(30, 70), QColor(0xF3, 0xE2, 0xCA));
    EXPECT_EQ(At(30, 60), QColor(0, 0, 0));
    EXPECT_FALSE(Inked(12, 85));
}

TEST_F(QtCanvasTest, TextStandsOnItsTopLeftCornerOverTheBrush) {
    TextExtent extent;
    Paint([&](Canvas& canvas) {
        canvas.SetBrush({0x00FFFF, BrushStyle::kSolid});
        canvas.TextOut(40, 50, "国");
        extent = canvas.MeasureText("国");
    });
    ASSERT_EQ(extent.width, 16);
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(At(40, 50), yellow);
    EXPECT_EQ(At(40 + extent.width - 1, 50 + extent.height - 1), yellow);
    EXPECT_FALSE(Inked(39, 50));
    EXPECT_FALSE(Inked(40, 49));
    EXPECT_FALSE(Inked(40 + extent.width, 50 + extent.height - 1));
    EXPECT_FALSE(Inked(40, 50 + extent.height));
    const QRect glyph = DarkBounds();
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_TRUE(QRect(40, 50, extent.width, extent.height).contains(glyph));
    // The glyph fills most of its cell, so it was not drawn from the baseline.
    EXPECT_GE(glyph.width(), extent.width * 3 / 4);
}

TEST_F(QtCanvasTest, TurnedTextRunsUpFromItsStartPoint) {
    TextExtent extent;
    Paint([&](Canvas& canvas) {
        CanvasFont font = canvas.Font();
        font.escapement = 900;
        canvas.SetFont(font);
        canvas.SetBrush({kWhite, BrushStyle::kClear});
        canvas.TextOut(100, 150, "国国");
        extent = canvas.MeasureText("国国");
    });
    const QRect glyphs = DarkBounds();
    ASSERT_FALSE(glyphs.isEmpty());
    // Turned a quarter counter-clockwise about (100, 150): the line runs upward, its top to
    // the left, so the ink lies right of x = 100 and above y = 150.
    EXPECT_TRUE(
        QRect(100, 150 - extent.width, extent.height + 1, extent.width + 1).contains(glyphs))
        << glyphs.x() << "," << glyphs.y() << " " << glyphs.width() << "x" << glyphs.height();
    EXPECT_GE(glyphs.height(), extent.width * 3 / 4);
}

TEST(QtFontMetrics, SongFaceMeasuresAsNotoSerifCjk) {
    QtApplication();
    EXPECT_EQ(QFontInfo(ChartQFont("宋体", 12, false)).family().toStdString(), kSongFace);
    // Noto Serif CJK SC: em 1000, full-width advance 1000, hhea ascender 1151 and descender 286;
    // the line height is the rounded ascent plus the rounded descent at the pixel size.
    struct Case {
        int size;
        int width;
        int height;
    };
    for (const Case& c : {Case{9, 12, 17}, Case{12, 16, 23}, Case{25, 33, 47}}) {
        const TextExtent guo = QtFontMetrics().Measure("宋体", c.size, false, "国");
        EXPECT_EQ(guo.width, c.width) << c.size;
        EXPECT_EQ(guo.height, c.height) << c.size;
        EXPECT_EQ(QtFontMetrics().Measure("宋体", c.size, true, "国国").width, 2 * c.width);
    }
    const TextExtent digits = QtFontMetrics().Measure("宋体", 12, false, "88");
    EXPECT_EQ(digits.height, 23);
    EXPECT_LT(digits.width, 32);
}

TEST(QtCanvasSvg, DrawingGoesToAnSvgGenerator) {
    QtApplication();
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(120, 80));
    generator.setViewBox(QRect(0, 0, 120, 80));
    {
        QPainter painter(&generator);
        QtCanvas canvas(painter, 120, 80);
        canvas.SetPen({0x0000FF, 1, PenStyle::kSolid});
        canvas.Line({5, 5}, {100, 5});
        canvas.Rectangle({10, 10, 50, 40});
        canvas.Ellipse({60, 10, 100, 50});
        canvas.TextOut(10, 50, "子丑");
    }
    const QString svg = QString::fromUtf8(buffer.data());
    EXPECT_TRUE(svg.contains(QStringLiteral("子丑"))) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("#ff0000"))) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("<rect"))) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("<circle"))) << svg.toStdString();
}

}  // namespace
}  // namespace tavrel
