#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The two coordinate fields of the main window, "degrees:minutes" each.
struct CoordinateTexts {
    std::string longitude;
    std::string latitude;
};

// "%d:%d": degrees toward zero, minutes rounded (a half down). Minutes that round up to 60 carry
// into the degrees, so 116.9999 shows as 117:0, which reads back. A value strictly between −1°
// and 0° keeps its sign on the zero degrees ("-0:30"); ReadCoordinates reads that back.
std::string ShowCoordinate(double value);
CoordinateTexts ShowCoordinates(double longitude, double latitude);

inline constexpr std::string_view kCoordinateFormatHint =
    "例如:东经117度48分,北纬25度42分,就按以下格式输入:\n 经度=117:48  纬度=25:42\n"
    "注意:东经为正，西经为负。北纬为正，南纬为负。";
inline constexpr std::string_view kMinutesRangeMessage = "分数在0-59";
inline constexpr std::string_view kLongitudeDegreesMessage = "经度在-180至180之间";
inline constexpr std::string_view kLatitudeDegreesMessage = "纬度在-90至90之间";
inline constexpr std::string_view kCoordinateRangeMessage =
    "经度在-180至180之间，纬度在-90至90之间";
// Caption of the message box of every refusal but one.
inline constexpr std::string_view kCoordinateFormatCaption = "格式错误";
// Longitude degrees outside −180…180 are refused in a box of their own with this caption.
inline constexpr std::string_view kLongitudeErrorCaption = "经度错误";

struct CoordinateReading {
    bool ok = false;
    float longitude = 0;  // degrees, east positive
    float latitude = 0;   // degrees, north positive
    std::string message;  // why not, to show in a box captioned `caption`
    std::string_view caption;
};

// Reads the two fields; each is degrees and minutes separated by the first ":", else the first
// "-", else the first full-width "：". Negative degrees make the minutes count negative.
CoordinateReading ReadCoordinates(std::string_view longitudeText, std::string_view latitudeText);

// The notation of the custom-place dialog: degrees and minutes split at the first blank, else at
// the first "." or ","; so "116.30" is 116°30′. Unreadable parts count as 0, minutes modulo 60.
double ReadCustomCoordinate(std::string_view text);
// "%s%d %d": "-" for a negative value, the absolute degrees, the rounded minutes (carrying 60
// into the degrees, as ShowCoordinate does).
std::string WriteCustomCoordinate(double value);

}  // namespace tavrel
