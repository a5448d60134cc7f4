#pragma once

#include <cstddef>
#include <string_view>

namespace tavrel {

// A UTF-8 text of at most N bytes held inside its record, so that filling a chart allocates
// nothing. Appending whole pieces only: a piece that does not fit is refused, never cut.
template <std::size_t N>
struct FixedText {
    char bytes[N] = {};
    std::size_t length = 0;

    void Clear() { length = 0; }
    bool Append(std::string_view piece) {
        if (piece.size() > N - length) return false;
        for (char c : piece) bytes[length++] = c;
        return true;
    }
    std::string_view View() const { return std::string_view(bytes, length); }
    bool Empty() const { return length == 0; }
    static constexpr std::size_t Capacity() { return N; }
};

}  // namespace tavrel
