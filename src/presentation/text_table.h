#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// The numbered text table of the analysis, read from "number<TAB>text" lines.
class TextTable {
  public:
    // Lines whose key is not a number, or repeats an earlier number, are skipped and listed.
    explicit TextTable(std::string_view contents);

    // The table compiled into the program (data/texts/text_table.txt), loaded once.
    static const TextTable& Embedded();

    // The text with that number, or an empty text when the table has none.
    std::string_view Text(int number) const;

    const std::map<int, std::string>& Texts() const { return texts_; }
    // Numbers of the skipped lines, ascending.
    const std::vector<int>& SkippedLines() const { return skippedLines_; }

  private:
    std::map<int, std::string> texts_;
    std::vector<int> skippedLines_;
};

}  // namespace tavrel
