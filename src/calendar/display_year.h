#pragma once

#include <string_view>

namespace tavrel {

// Years shown to and typed by the user have no year 0: display year −1 is calendar year 0.
inline int CalendarYearOf(int displayYear) {
    return displayYear < 0 ? displayYear + 1 : displayYear;
}
inline int DisplayYearOf(int calendarYear) {
    return calendarYear <= 0 ? calendarYear - 1 : calendarYear;
}

// The integer typed into a year field (blanks around it allowed), or `unreadable`.
int ReadYearField(std::string_view text, int unreadable);

}  // namespace tavrel
