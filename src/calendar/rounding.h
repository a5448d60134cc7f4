#pragma once

namespace tavrel {

// `value` rounded to `decimals` places; an exact half goes down (2.5 → 2, -2.5 → -3).
double RoundTo(double value, int decimals);

}  // namespace tavrel
