#include "chart/disk_geometry.h"

#include <cmath>
#include <numbers>

namespace tavrel {

int StoredChartFontSize(const IniFile& ini) {
    const int size = ReadChartFontSize(ini);
    return size < kMinChartFontSize || size > kMaxChartFontSize ? kDefaultChartFontSize : size;
}

void SetChartFontSize(DiskGeometry& geometry, int size, const FontMetrics& metrics) {
    const TextExtent cell = metrics.Measure(kChartFontFace, size, false, "国");
    geometry.fontSize = size;
    geometry.cellWidth = cell.width;
    geometry.cellHeight = cell.height;
    geometry.imageWidth = 60 * cell.width;
    geometry.imageHeight = static_cast<int>(geometry.imageWidth * 0.89);
    geometry.diskRadius = static_cast<int>(geometry.imageHeight * 0.36);
    geometry.margin = kDiskMargin;
    geometry.centreX = geometry.diskRadius + kDiskMargin;
    geometry.centreY = geometry.diskRadius + kDiskMargin;
}

bool StepChartFontSize(DiskGeometry& geometry, int delta, const FontMetrics& metrics, IniFile& ini,
                       std::string& lastError) {
    const int size = geometry.fontSize + delta;
    if (size < kMinChartFontSize || size > kMaxChartFontSize) {
        lastError = "图表字号只能在 9 到 25 之间";
        return false;
    }
    SetChartFontSize(geometry, size, metrics);
    if (!WriteChartFontSize(ini, size)) {
        lastError = "图表字号无法写入 " + ini.Path();
        return false;
    }
    return true;
}

float LongitudeToScreenAngle(float baseAngle, float longitude) {
    float a = baseAngle - 67.5f + longitude;
    if (a < 0.0f) a += 360.0f;
    if (a >= 360.0f) a -= 360.0f;
    return a;
}

FloatPoint DiskPoint(const DiskGeometry& geometry, float radius, float screenAngle) {
    const float a = screenAngle * (std::numbers::pi_v<float> / 180.0f);
    return {static_cast<float>(geometry.centreX) + radius * std::cos(a),
            static_cast<float>(geometry.centreY) - radius * std::sin(a)};
}

LabelPixel TruncatePoint(FloatPoint point) {
    return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

LabelPixel DiskPixel(const DiskGeometry& geometry, float radius, float screenAngle) {
    return TruncatePoint(DiskPoint(geometry, radius, screenAngle));
}

}  // namespace tavrel
