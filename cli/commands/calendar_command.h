#pragma once

#include "command.h"

namespace tavrel::cli {

// The perpetual calendar's month: the day grid with lunar dates and term days, the month's
// solar terms, the year's title and the four pillars of the chosen moment.
Command CalendarCommand();

}  // namespace tavrel::cli
