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

int AstronomicalYear(int displayYear) { return displayYear < 0 ? displayYear + 1 : displayYear; }
int DisplayYear(int astronomicalYear) {
    return astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear;
}

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
    const int astronomical = AstronomicalYear(bc ? -year : year);
    const double jd = JulianDay(astronomical, month, day);
    // A day past the month's end (or inside the Gregorian gap) comes back as another date.
    const TDateTimeSec back = CalendarOf(jd);
    if (back.year != astronomical || back.month != month || back.day != day) return std::nullopt;
    return jd;
}

std::string FormatSeconds(double jdBeijing) {
    const TDateTimeSec c = CalendarOf(jdBeijing + 0.5 / 86400);
    const int year = DisplayYear(c.year);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%04d-%02d-%02d %02d:%02d:%02d", year < 0 ? "-" : "",
                  std::abs(year), c.month, c.day, c.hour, c.minute, c.second);
    return buffer;
}

}  // namespace tavrel::cli
