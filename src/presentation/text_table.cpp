#include "presentation/text_table.h"

#include <algorithm>
#include <charconv>

#include "platform/embedded_text.h"
#include "presentation/text_lines.h"

namespace tavrel {

namespace {

bool ParseNumber(std::string_view key, int& number) {
    const char* end = key.data() + key.size();
    const auto [stop, error] = std::from_chars(key.data(), end, number);
    return error == std::errc() && stop == end && number >= 0;
}

}  // namespace

TextTable::TextTable(std::string_view contents) {
    KeyedLines parsed = ParseKeyedLines(contents);
    skippedLines_ = std::move(parsed.rejected);
    for (const KeyedLine& line : parsed.lines) {
        int number = 0;
        if (!ParseNumber(line.key, number) || !texts_.emplace(number, line.text).second) {
            skippedLines_.push_back(line.number);
        }
    }
    std::sort(skippedLines_.begin(), skippedLines_.end());
}

const TextTable& TextTable::Embedded() {
    static const TextTable table(EmbeddedText("text_table.txt"));
    return table;
}

std::string_view TextTable::Text(int number) const {
    const auto found = texts_.find(number);
    return found == texts_.end() ? std::string_view() : std::string_view(found->second);
}

}  // namespace tavrel
