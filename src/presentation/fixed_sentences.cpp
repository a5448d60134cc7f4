#include "presentation/fixed_sentences.h"

#include <algorithm>

#include "platform/embedded_text.h"
#include "presentation/text_lines.h"

namespace tavrel {

FixedSentences::FixedSentences(std::string_view contents) {
    KeyedLines parsed = ParseKeyedLines(contents);
    skippedLines_ = std::move(parsed.rejected);
    for (const KeyedLine& line : parsed.lines) {
        if (!texts_.emplace(line.key, line.text).second) skippedLines_.push_back(line.number);
    }
    std::sort(skippedLines_.begin(), skippedLines_.end());
}

const FixedSentences& FixedSentences::Embedded() {
    static const FixedSentences sentences(EmbeddedText("fixed_sentences.txt"));
    return sentences;
}

std::string FixedSentences::Sentence(std::string_view heading) const {
    const auto found = texts_.find(heading);
    if (found == texts_.end()) return {};
    return found->first + "：" + found->second;
}

}  // namespace tavrel
