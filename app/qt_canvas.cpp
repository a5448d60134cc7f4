#include "qt_canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel {
namespace {

QPen QPenOf(const CanvasPen& pen) {
    if (pen.style == PenStyle::kClear) {
        return Qt::NoPen;
    }
    QPen qpen(QColorOf(pen.colour));
    if (pen.width <= 1) {
        // A one-pixel Windows pen leaves out the last pixel of a line, as a flat cap does.
        qpen.setWidth(1);
        qpen.setCosmetic(true);
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
        if (pen.style == PenStyle::kDot) {
            qpen.setDashPattern({3, 3});
        }
    } else {
        // Wider Windows pens are always solid, with round ends and joins.
        qpen.setWidth(pen.width);
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    return qpen;
}

QBrush QBrushOf(const CanvasBrush& brush) {
    if (brush.style == BrushStyle::kClear) {
        return Qt::NoBrush;
    }
    return QBrush(QColorOf(brush.colour));
}

// The rectangle Qt outlines on exactly the pixels of a box with exclusive right and bottom.
QRect OutlineRect(const PixelRect& box) {
    const int left = std::min(box.left, box.right);
    const int top = std::min(box.top, box.bottom);
    const int right = std::max(box.left, box.right);
    const int bottom = std::max(box.top, box.bottom);
    return QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0));
}

// Screen angle in degrees, counter-clockwise from the right, of the ray from centre to point.
double RayAngle(QPointF centre, PixelPoint point) {
    return std::atan2(centre.y() - point.y, point.x - centre.x()) * 180.0 / std::numbers::pi;
}

}  // namespace

QColor QColorOf(WindowsColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QtCanvas::QtCanvas(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::UsePenAndBrush() {
    painter_.setPen(QPenOf(Pen()));
    painter_.setBrush(QBrushOf(Brush()));
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
    const CanvasFont& font = Font();
    const QFont qfont = ChartQFont(font.face, font.size, font.bold);
    const QFontMetrics metrics(qfont);
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.save();
    painter_.translate(x, y);
    if (font.escapement != 0) {
        // Windows turns counter-clockwise on a y-down screen; Qt's positive angle is clockwise.
        painter_.rotate(-font.escapement / 10.0);
    }
    if (Brush().style == BrushStyle::kSolid) {
        painter_.fillRect(QRect(0, 0, metrics.horizontalAdvance(qtext), metrics.height()),
                          QColorOf(Brush().colour));
    }
    painter_.setFont(qfont);
    painter_.setPen(QColorOf(font.colour));
    painter_.drawText(QPoint(0, metrics.ascent()), qtext);
    painter_.restore();
}

void QtCanvas::Line(PixelPoint from, PixelPoint to) {
    UsePenAndBrush();
    painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::Rectangle(const PixelRect& box) {
    if (Pen().style == PenStyle::kClear) {
        if (Brush().style == BrushStyle::kSolid) {
            const QRect outline = OutlineRect(box);
            painter_.fillRect(outline.x(), outline.y(), outline.width(), outline.height(),
                              QColorOf(Brush().colour));
        }
        return;
    }
    UsePenAndBrush();
    painter_.drawRect(OutlineRect(box));
}

void QtCanvas::Ellipse(const PixelRect& box) {
    UsePenAndBrush();
    painter_.drawEllipse(OutlineRect(box));
}

void QtCanvas::Arc(const PixelRect& box, PixelPoint start, PixelPoint end, ArcDirection direction) {
    const QRect rect = OutlineRect(box);
    const QPointF centre = QRectF(rect).center();
    const double from = RayAngle(centre, start);
    double span = RayAngle(centre, end) - from;
    if (direction == ArcDirection::kCounterClockwise) {
        while (span <= 0) {
            span += 360;
        }
    } else {
        while (span >= 0) {
            span -= 360;
        }
    }
    painter_.setPen(QPenOf(Pen()));
    painter_.setBrush(Qt::NoBrush);
    // Qt takes arc angles in sixteenths of a degree.
    painter_.drawArc(rect, static_cast<int>(std::lround(from * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::Polygon(std::span<const PixelPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& point : points) {
        polygon.append(QPoint(point.x, point.y));
    }
    UsePenAndBrush();
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

}  // namespace tavrel
