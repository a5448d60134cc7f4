#include "commands/calendar_dates.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tavrel::cli {

namespace {

std::optional<int> ReadNumber(std::string_view text, size_t& pos, size_t maxDigits) {
    int value = 0;
    const char* begin = text.data() + pos;
    const char* end = text.data() + std::min(text.size(), pos + maxDigits);
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop == begin || *begin == '-' || *begin == '+') return {};
    pos += static_cast<size_t>(stop - begin);
    return value;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

bool YearInRange(int display) { return display != 0 && display >= -4712 && display <= 9999; }

}  // namespace

std::optional<int> ParseDisplayYear(std::string_view text) {
    size_t pos = 0;
    const bool bc = Expect(text, pos, '-');
    const auto year = ReadNumber(text, pos, 4);
    if (!year || pos != text.size()) return {};
    const int display = bc ? -*year : *year;
    if (!YearInRange(display)) return {};
    return CalendarYearOf(display);
}

std::optional<TDateRec> ParseDateTime(std::string_view text) {
    size_t pos = 0;
    const bool bc = Expect(text, pos, '-');
    const auto year = ReadNumber(text, pos, 4);
    if (!year || !Expect(text, pos, '-')) return {};
    const auto month = ReadNumber(text, pos, 2);
    if (!month || !Expect(text, pos, '-')) return {};
    const auto day = ReadNumber(text, pos, 2);
    if (!day || !Expect(text, pos, ' ')) return {};
    const auto hour = ReadNumber(text, pos, 2);
    if (!hour || !Expect(text, pos, ':')) return {};
    const auto minute = ReadNumber(text, pos, 2);
    if (!minute || pos != text.size()) return {};
    const int display = bc ? -*year : *year;
    if (!YearInRange(display) || *month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 ||
        *minute > 59) {
        return {};
    }
    return TDateRec{static_cast<int16_t>(CalendarYearOf(display)), static_cast<int16_t>(*month),
                    static_cast<int16_t>(*day), static_cast<int16_t>(*hour),
                    static_cast<int16_t>(*minute)};
}

std::string FormatDate(const TDateRec& r) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", DisplayYearOf(r.year), r.month, r.day);
    return buffer;
}

std::string FormatDateTime(const TDateRec& r) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02d:%02d", r.hour, r.minute);
    return FormatDate(r) + buffer;
}

}  // namespace tavrel::cli
