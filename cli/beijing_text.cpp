#include "beijing_text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "astronomy/time_scales.h"

namespace tavrel::cli {

namespace {

bool ReadNumber(std::string_view text, int& value) {
    if (text.empty() || text.front() == '-' || text.front() == '+') return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<double> ParseDate(std::string_view text) {
    const bool bc = !text.empty() && text.front() == '-';
    if (bc) text.remove_prefix(1);
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ReadNumber(text.substr(0, first), year) ||
        !ReadNumber(text.substr(first + 1, second - first - 1), month) ||
        !ReadNumber(text.substr(second + 1), day) || year == 0 || year > 9999 ||
        (bc && year > 4712) || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const int astronomical = CalendarYearOf(bc ? -year : year);
    const double jd = JulianDay(astronomical, month, day);
    // A day past the month's end (or inside the Gregorian gap) comes back as another date.
    const TDateTimeSec back = CalendarOf(jd);
    if (back.year != astronomical || back.month != month || back.day != day) return std::nullopt;
    return jd;
}

std::optional<double> ParseInstant(std::string_view text) {
    const std::size_t gap = text.find(' ');
    if (gap == std::string_view::npos) return std::nullopt;
    const std::optional<double> midnight = ParseDate(text.substr(0, gap));
    if (!midnight) return std::nullopt;
    // Hours, minutes and optional seconds.
    std::string_view time = text.substr(gap + 1);
    constexpr int kLimits[3] = {23, 59, 59};
    int fields[3] = {0, 0, 0};
    int count = 0;
    for (;;) {
        const std::size_t colon = time.find(':');
        if (count == 3 || !ReadNumber(time.substr(0, colon), fields[count]) ||
            fields[count] > kLimits[count]) {
            return std::nullopt;
        }
        ++count;
        if (colon == std::string_view::npos) break;
        time.remove_prefix(colon + 1);
    }
    if (count < 2) return std::nullopt;
    return *midnight + ((fields[2] / 60.0 + fields[1]) / 60.0 + fields[0]) / 24.0;
}

std::string FormatSeconds(double jdBeijing) {
    const TDateTimeSec c = CalendarOf(jdBeijing + 0.5 / 86400);
    const int year = DisplayYearOf(c.year);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%04d-%02d-%02d %02d:%02d:%02d", year < 0 ? "-" : "",
                  std::abs(year), c.month, c.day, c.hour, c.minute, c.second);
    return buffer;
}

}  // namespace tavrel::cli
