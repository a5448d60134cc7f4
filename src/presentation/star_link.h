#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// The StarLink collection of the analysis: for each star 日 … 孛 a section "[star_<id>]" of 52
// entry lines (the 28 mansions from 角, the 12 palaces from 本命宫, the 12 branches from 子),
// closed by "[end]".
class StarLink {
  public:
    // Keeps the lines of the text, trimmed; lines of one character or less are dropped.
    explicit StarLink(std::string_view text);

    // The collection compiled into the program (data/texts/star_link.txt), loaded once.
    static const StarLink& Embedded();

    // The n-th entry line (from 1) of the section, or an empty text when the section is missing
    // or ends before its n-th entry. Headers match without regard to case; a section ends at
    // "[end]", and also at the next section header so that a lost "[end]" cannot let one star read
    // another's entries.
    std::string_view StarLinkEntry(std::string_view section, int n) const;

  private:
    std::vector<std::string> lines_;
};

}  // namespace tavrel
