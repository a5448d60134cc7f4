#include "qt_font_metrics.h"

#include <QFontMetrics>
#include <QString>

namespace tavrel {

QFont ChartQFont(std::string_view face, int size, bool bold) {
    QFont font(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
    font.setPixelSize(PointsToPixels(size));
    font.setBold(bold);
    return font;
}

TextExtent QtFontMetrics::Measure(std::string_view face, int size, bool bold,
                                  std::string_view text) const {
    const QFontMetrics metrics(ChartQFont(face, size, bold));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(qtext), metrics.height()};
}

}  // namespace tavrel
