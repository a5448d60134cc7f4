#include "calendar/display_year.h"

#include <charconv>

#include "platform/string_util.h"

namespace tavrel {

int ReadYearField(std::string_view text, int unreadable) {
    const std::string_view trimmed = Trim(text);
    int value = 0;
    const char* begin = trimmed.data();
    const char* end = begin + trimmed.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end && stop != begin ? value : unreadable;
}

}  // namespace tavrel
