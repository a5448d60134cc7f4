#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// Removes blanks (space, tab, CR, LF) from both ends.
std::string_view Trim(std::string_view text);

// Compares ASCII letters without regard to case; every other byte must match exactly.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tavrel
