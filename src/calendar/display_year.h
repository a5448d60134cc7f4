#pragma once

namespace tavrel {

// Years shown to and typed by the user have no year 0: display year −1 is calendar year 0.
inline int CalendarYearOf(int displayYear) {
    return displayYear < 0 ? displayYear + 1 : displayYear;
}
inline int DisplayYearOf(int calendarYear) {
    return calendarYear <= 0 ? calendarYear - 1 : calendarYear;
}

}  // namespace tavrel
