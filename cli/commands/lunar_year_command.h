#pragma once

#include "command.h"

namespace tavrel::cli {

// The lunar months whose first day falls in a Gregorian (Julian before 1582) year.
Command LunarYearCommand();

}  // namespace tavrel::cli
