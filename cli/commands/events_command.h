#pragma once

#include "command.h"

namespace tavrel::cli {

// The 24 solar terms and the new moons of a year, Beijing time, full precision.
Command EventsCommand();

}  // namespace tavrel::cli
