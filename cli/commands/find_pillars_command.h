#pragma once

#include "command.h"

namespace tavrel::cli {

// The reverse search: the earliest moment from a start year on with the given four pillars.
Command FindPillarsCommand();

}  // namespace tavrel::cli
