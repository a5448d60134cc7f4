#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The letter code of the calendar's correction strings: each letter stands for a run of
// digits (J = 00, t = 02, k = 01, A = sixty zeros …); digits stand for themselves.
std::string ExpandCorrections(std::string_view compressed);

// The shortest text in the letter code that expands to `digits` (0, 1 and 2 only). A lone
// trailing 0 has no code and is kept as the digit, which expansion returns unchanged.
std::string CompressCorrections(std::string_view digits);

}  // namespace tavrel
