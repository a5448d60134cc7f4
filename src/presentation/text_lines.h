#pragma once

#include <string_view>
#include <vector>

namespace tavrel {

// The lines of a text file (LF or CR LF, a leading UTF-8 byte-order mark dropped), each
// trimmed of surrounding blanks, with their 1-based line numbers.
struct TextLine {
    int number = 0;
    std::string_view text;
};
std::vector<TextLine> SplitTextLines(std::string_view contents);

// Number of characters of a UTF-8 text; a byte that starts no well-formed sequence counts as one.
int CharacterCount(std::string_view text);

// One "key<TAB>text" line of a keyed text file.
struct KeyedLine {
    int number = 0;
    std::string_view key;
    std::string_view text;
};

// The keyed lines of a file, skipping blank lines and "#" comments; lines without a tab or with
// an empty key are listed by number in `rejected` instead.
struct KeyedLines {
    std::vector<KeyedLine> lines;
    std::vector<int> rejected;
};
KeyedLines ParseKeyedLines(std::string_view contents);

}  // namespace tavrel
