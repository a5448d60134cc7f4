#pragma once

#include <string_view>

namespace tavrel {

// Reads a whole text as a decimal integer with an optional sign, as the coordinate fields are
// typed; false for anything else (blanks included) or a value beyond ±1e9.
bool ParseWholeInteger(std::string_view text, int& value);

}  // namespace tavrel
