#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "places/place_file.h"
#include "records/lunar_conversion.h"
#include "records/record_data.h"

namespace tavrel {

// One line of a birthday file as read: "name sex Y-M-D-h:m [place]".
struct BirthdayLine {
    std::string name;  // cleaned, 1 to 20 GBK bytes
    bool male = false;
    int year = 1900;
    int month = 6;
    int day = 15;
    int hour = 12;
    int minute = 30;
    std::string place;  // trimmed rest of the line, may be empty
};

// Parses one UTF-8 line; nothing when the line is to be skipped (shorter than 10 GBK bytes after
// trimming, a separator missing, a name longer than 20 bytes or a place longer than 300). A
// field that is not a number, or lies outside its range, takes the default of BirthdayLine.
std::optional<BirthdayLine> ParseBirthdayLine(std::string_view line);

// The case an imported line gives: solar date, zone 8 (东八区), the place matched against the
// place file (else 未知地 at 120°, 30°), the category and the default comment. The comment file
// is left to the caller.
TRecordData CaseOfBirthdayLine(const BirthdayLine& line, const PlaceList& places,
                               const std::string& category);

// The line of a case (UTF-8, no line end): a lunar case gives its solar date; nothing when that
// date does not convert.
std::optional<std::string> FormatBirthdayLine(const TRecordData& record,
                                              const LunarToSolarFn& lunarToSolar);

// The category a birthday file imports into: its file name without the last four characters
// (".txt"), cleaned; nothing when that name is 21 GBK bytes or longer.
std::optional<std::string> BirthdayFileCategory(const std::string& path);

}  // namespace tavrel
