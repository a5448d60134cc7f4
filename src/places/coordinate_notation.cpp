#include "places/coordinate_notation.h"

#include <cmath>

#include "places/integer_text.h"
#include "platform/string_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

constexpr std::string_view kFullWidthColon = "：";

struct DegreesMinutes {
    bool negative;
    int degrees;  // absolute
    int minutes;  // 0…59
};

// Rounds |value| to whole minutes, a half down, and carries 60 minutes into the degrees.
DegreesMinutes SplitDegrees(double value) {
    const double magnitude = std::fabs(value);
    double degrees = std::trunc(magnitude);
    double minutes = std::ceil((magnitude - degrees) * 60.0 - 0.5);
    if (minutes >= 60.0) {
        degrees += 1.0;
        minutes = 0.0;
    }
    const bool negative = value < 0 && (degrees > 0 || minutes > 0);
    return {negative, static_cast<int>(degrees), static_cast<int>(minutes)};
}

// A field cut at its separator; ok is false when the separator is missing or at either end.
struct FieldParts {
    bool ok = false;
    std::string_view degrees;
    std::string_view minutes;
};

FieldParts CutField(std::string_view field) {
    std::size_t at = field.find(':');
    std::size_t width = 1;
    if (at == std::string_view::npos) at = field.find('-');
    if (at == std::string_view::npos) {
        at = field.find(kFullWidthColon);
        width = kFullWidthColon.size();
    }
    if (at == std::string_view::npos || at == 0 || at + width >= field.size()) return {};
    return {true, Trim(field.substr(0, at)), Trim(field.substr(at + width))};
}

bool StartsNegative(std::string_view text) { return !text.empty() && text.front() == '-'; }

// Degrees and minutes into one value; the minutes take the sign of the degrees, including the
// sign typed on a zero degree value.
double Combine(std::string_view degreesText, int degrees, int minutes) {
    const bool negative = degrees < 0 || (degrees == 0 && StartsNegative(degreesText));
    const double magnitude = std::abs(degrees) + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

CoordinateReading Refuse(std::string_view message,
                         std::string_view caption = kCoordinateFormatCaption) {
    CoordinateReading reading;
    reading.message = std::string(message);
    reading.caption = caption;
    return reading;
}

}  // namespace

std::string ShowCoordinate(double value) {
    const DegreesMinutes parts = SplitDegrees(value);
    return (parts.negative ? "-" : "") + std::to_string(parts.degrees) + ":" +
           std::to_string(parts.minutes);
}

CoordinateTexts ShowCoordinates(double longitude, double latitude) {
    return {ShowCoordinate(longitude), ShowCoordinate(latitude)};
}

CoordinateReading ReadCoordinates(std::string_view longitudeText, std::string_view latitudeText) {
    if (GbkByteLength(longitudeText) < 3 || GbkByteLength(latitudeText) < 3) {
        return Refuse(kCoordinateFormatHint);
    }
    const FieldParts longitude = CutField(Trim(longitudeText));
    const FieldParts latitude = CutField(Trim(latitudeText));
    if (!longitude.ok || !latitude.ok) return Refuse(kCoordinateFormatHint);

    int degrees = 0;
    int minutes = 0;
    if (!ParseWholeInteger(longitude.degrees, degrees) || degrees < -180 || degrees > 180) {
        return Refuse(kLongitudeDegreesMessage, kLongitudeErrorCaption);
    }
    if (!ParseWholeInteger(longitude.minutes, minutes) || minutes < 0 || minutes > 59) {
        return Refuse(kMinutesRangeMessage);
    }
    const double longitudeValue = Combine(longitude.degrees, degrees, minutes);

    if (!ParseWholeInteger(latitude.degrees, degrees) || degrees < -90 || degrees > 90) {
        return Refuse(kLatitudeDegreesMessage);
    }
    if (!ParseWholeInteger(latitude.minutes, minutes) || minutes < 0 || minutes > 59) {
        return Refuse(kMinutesRangeMessage);
    }
    const double latitudeValue = Combine(latitude.degrees, degrees, minutes);

    if (!(longitudeValue > -180 && longitudeValue < 180 && latitudeValue > -90 &&
          latitudeValue < 90)) {
        return Refuse(kCoordinateRangeMessage);
    }
    CoordinateReading reading;
    reading.ok = true;
    reading.longitude = static_cast<float>(longitudeValue);
    reading.latitude = static_cast<float>(latitudeValue);
    return reading;
}

double ReadCustomCoordinate(std::string_view text) {
    text = Trim(text);
    std::size_t at = text.find(' ');
    if (at == std::string_view::npos) at = text.find_first_of(".,");
    std::string_view degreesText = text;
    std::string_view minutesText;
    if (at != std::string_view::npos && at > 0) {
        degreesText = Trim(text.substr(0, at));
        minutesText = Trim(text.substr(at + 1));
    }
    int degrees = 0;
    int minutes = 0;
    if (!ParseWholeInteger(degreesText, degrees)) degrees = 0;
    if (!ParseWholeInteger(minutesText, minutes)) minutes = 0;
    minutes = ((minutes % 60) + 60) % 60;
    return Combine(degreesText, degrees, minutes);
}

std::string WriteCustomCoordinate(double value) {
    const DegreesMinutes parts = SplitDegrees(value);
    return (parts.negative ? "-" : "") + std::to_string(parts.degrees) + " " +
           std::to_string(parts.minutes);
}

}  // namespace tavrel
