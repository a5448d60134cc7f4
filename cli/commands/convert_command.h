#pragma once

#include "command.h"

namespace tavrel::cli {

// A solar date-time to its lunar date or back, with the four pillars, the animal and the era
// names of its year.
Command ConvertCommand();

}  // namespace tavrel::cli
