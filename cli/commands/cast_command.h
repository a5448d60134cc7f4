#pragma once

#include "command.h"

namespace tavrel::cli {

// Casts the natal chart of a birth entry and prints its times, pillars, stars and palaces.
Command CastCommand();

}  // namespace tavrel::cli
