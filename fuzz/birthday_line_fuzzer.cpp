// Any bytes read as a birthday line either are skipped or give a case inside the limits of its
// fields, and the line written for that case reads back as the same birth.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text_codec.h"
#include "records/birthday_file.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto line = tavrel::ParseBirthdayLine(text);
    if (!line) return 0;
    Check(!line->name.empty() && tavrel::GbkByteLength(line->name) <= 20);
    Check(line->name.find(' ') == std::string::npos);
    Check(tavrel::GbkByteLength(line->place) <= 300);
    Check(line->month >= 1 && line->month <= 12 && line->day >= 1 && line->day <= 31);
    Check(line->hour >= 0 && line->hour <= 23 && line->minute >= 0 && line->minute <= 59);
    const tavrel::PlaceList noPlaces;
    const tavrel::TRecordData record = tavrel::CaseOfBirthdayLine(*line, noPlaces, "家人");
    const auto written = tavrel::FormatBirthdayLine(record, nullptr);
    Check(written.has_value());
    const auto again = tavrel::ParseBirthdayLine(*written);
    Check(again.has_value());
    Check(again->name == line->name && again->male == line->male && again->year == line->year &&
          again->month == line->month && again->day == line->day && again->hour == line->hour &&
          again->minute == line->minute);
    return 0;
}
