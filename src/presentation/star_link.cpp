#include "presentation/star_link.h"

#include "platform/embedded_text.h"
#include "platform/string_util.h"
#include "presentation/text_lines.h"

namespace tavrel {

namespace {

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

StarLink::StarLink(std::string_view text) {
    for (const TextLine& line : SplitTextLines(text)) {
        if (CharacterCount(line.text) > 1) lines_.emplace_back(line.text);
    }
}

const StarLink& StarLink::Embedded() {
    static const StarLink collection(EmbeddedText("star_link.txt"));
    return collection;
}

std::string_view StarLink::StarLinkEntry(std::string_view section, int n) const {
    const std::string header = "[" + std::string(Trim(section)) + "]";
    std::size_t i = 0;
    while (i < lines_.size() && !EqualsIgnoreCase(lines_[i], header)) ++i;
    if (i == lines_.size() || n < 1) return {};
    for (++i; i < lines_.size() && !IsSectionHeader(lines_[i]); ++i) {
        if (--n == 0) return lines_[i];
    }
    return {};
}

}  // namespace tavrel
