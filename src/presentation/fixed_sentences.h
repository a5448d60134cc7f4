#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// The fixed sentences of the analysis, read from "heading<TAB>text" lines; the sentence the
// analysis prints is the heading, "：" and the text.
class FixedSentences {
  public:
    // Lines that repeat an earlier heading are skipped and listed with the malformed ones.
    explicit FixedSentences(std::string_view contents);

    // The sentences compiled into the program (data/texts/fixed_sentences.txt), loaded once.
    static const FixedSentences& Embedded();

    // The whole sentence under that heading (for example "★日月同宫"), or an empty text when
    // there is none.
    std::string Sentence(std::string_view heading) const;

    // Heading → the text after the heading.
    const std::map<std::string, std::string, std::less<>>& Texts() const { return texts_; }
    // Numbers of the skipped lines, ascending.
    const std::vector<int>& SkippedLines() const { return skippedLines_; }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::vector<int> skippedLines_;
};

}  // namespace tavrel
