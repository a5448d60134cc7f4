#pragma once

#include <string>
#include <string_view>

#include "chart/chart_settings.h"
#include "chart/star_layout.h"
#include "platform/font_metrics.h"
#include "platform/ini_file.h"

namespace tavrel {

inline constexpr int kMinChartFontSize = 9;
inline constexpr int kMaxChartFontSize = 25;
inline constexpr std::string_view kChartFontFace = "宋体";
inline constexpr int kDiskMargin = 3;

// Size of the chart image and of the disk on it; everything follows the chart font.
struct DiskGeometry {
    int fontSize = 0;
    int cellWidth = 0;  // of "国" in 宋体 at fontSize
    int cellHeight = 0;
    int imageWidth = 0;   // W = 60 × cellWidth
    int imageHeight = 0;  // H = trunc(W × 0.89)
    int diskRadius = 0;   // R = trunc(H × 0.36)
    int margin = kDiskMargin;
    int centreX = 0;  // R + margin: the disk touches the image's top-left corner
    int centreY = 0;
    float baseAngle = 37.5f;  // BaseAngle of the settings, set at every cast
};

// The chart font size stored in section `chart`; a value outside 9..25 (a hand-edited file)
// gives the default 12, as the image would otherwise be unusably small or huge.
int StoredChartFontSize(const IniFile& ini);

// Stores the size and measures the image and the disk at it.
void SetChartFontSize(DiskGeometry& geometry, int size, const FontMetrics& metrics);

// The zoom step: fontSize + delta. Outside 9..25 it is refused and nothing changes. Otherwise the
// geometry takes the new size and section `chart`, key `fontSize` is written; when the file
// cannot be written the new size stays in use and false is returned with the reason.
bool StepChartFontSize(DiskGeometry& geometry, int delta, const FontMetrics& metrics, IniFile& ini,
                       std::string& lastError);

// Degrees on the screen, 0 pointing right and growing counter-clockwise, in [0, 360).
float LongitudeToScreenAngle(float baseAngle, float longitude);

// The point at radius r (pixels) and screen angle a about the disk centre, in single precision.
FloatPoint DiskPoint(const DiskGeometry& geometry, float radius, float screenAngle);

// The same point with each coordinate truncated toward zero.
LabelPixel DiskPixel(const DiskGeometry& geometry, float radius, float screenAngle);
LabelPixel TruncatePoint(FloatPoint point);

}  // namespace tavrel
