#pragma once

#include <string_view>

namespace tavrel {

// Day corrections of the low-precision new moons (from 619) and solar terms (from 1645) up
// to 1959, in the letter code of correction_code.h: after expansion one digit per event,
// 0 none, 1 one day later, 2 one day earlier. Written by tools/calendar_corrections.cpp.
extern const std::string_view NEW_MOON_CORRECTIONS;
extern const std::string_view TERM_CORRECTIONS;

}  // namespace tavrel
