#include "records/case_names.h"

#include "platform/string_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

bool IsRemovedByte(char c) {
    switch (c) {
        case '"':
        case '*':
        case '<':
        case '>':
        case '?':
        case '\\':
        case '/':
        case '|':
        case ':':
        case '\'':
        case ' ':
            return true;
        default:
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }
}

}  // namespace

bool CleanName(std::string& text, int limit) {
    if (text.empty()) {
        text = "甲";
        return true;
    }
    // Every removed character is a single ASCII byte, so one pass removes them all and can
    // never join the halves of a multi-byte character into a new one.
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text) {
        if (!IsRemovedByte(c)) cleaned += c;
    }
    if (limit > 0) cleaned = CutToGbkBytes(cleaned, static_cast<std::size_t>(limit) * 2);
    // A name made only of removed characters would name no file either.
    if (cleaned.empty()) cleaned = "甲";
    const bool changed = cleaned != text;
    text = std::move(cleaned);
    return changed;
}

std::vector<std::string> SplitItems(std::string_view text) {
    std::vector<std::string> items;
    for (;;) {
        const std::size_t space = text.find(' ');
        if (space == std::string_view::npos || space == 0) break;
        items.emplace_back(text.substr(0, space));
        text.remove_prefix(space + 1);
    }
    if (!text.empty()) items.emplace_back(text);
    return items;
}

std::string JoinItems(const std::vector<std::string>& items) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += items[i];
    }
    return joined;
}

bool ContainsName(const std::vector<std::string>& names, std::string_view name) {
    for (const std::string& item : names) {
        if (EqualsIgnoreCase(item, name)) return true;
    }
    return false;
}

}  // namespace tavrel
