#pragma once

#include "command.h"

namespace tavrel::cli {

// Instants at which a planet begins and ends retrograde motion, from a date on.
Command StationsCommand();

}  // namespace tavrel::cli
