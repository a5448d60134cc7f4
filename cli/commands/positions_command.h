#pragma once

#include "command.h"

namespace tavrel::cli {

// Apparent geocentric ecliptic longitude and latitude of date of the Sun, the Moon and the
// planets Mercury … Pluto at one instant.
Command PositionsCommand();

}  // namespace tavrel::cli
