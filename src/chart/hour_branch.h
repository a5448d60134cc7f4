#pragma once

namespace tavrel {

// Branch number (0 亥, 1 子 … 11 戌) of a clock hour 0..23: 23:00-00:59 is 子, 01:00-02:59 丑,
// 21:00-22:59 亥.
inline constexpr int HourBranch(int hour) {
    const int even = (hour + 1) / 2 * 2 % 24;
    return (even / 2 + 1) % 12;
}

}  // namespace tavrel
