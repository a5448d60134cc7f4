#include "places/integer_text.h"

namespace tavrel {

bool ParseWholeInteger(std::string_view text, int& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 1000000000) return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace tavrel
