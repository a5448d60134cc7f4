#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// Pinyin initials of Chinese text, as the surname orders of the case tree use them.
class ImCode {
  public:
    // Flag bits of GetInitials.
    static constexpr int kWholeSyllables = 1;  // "Zhang" instead of "z"
    static constexpr int kMarkUnread = 2;      // "?" for a character without a reading
    static constexpr int kKeepSymbols = 4;     // keep single-byte characters other than A-Z, 0-9

    // Walks the UTF-8 text character by character and writes, each followed by one space (also
    // when the character gave nothing): ASCII letters and digits as they are; a Chinese
    // character's initial in lower case (or its whole syllable, first letter upper case);
    // numbered symbols such as ⑤ or Ⅻ as their number; full-width letters and digits as ASCII;
    // Greek letters as their upper-case Latin transliteration. Characters that GBK cannot hold
    // and bytes that are not UTF-8 count as characters without a reading.
    static std::string GetInitials(std::string_view text, int flags);
};

}  // namespace tavrel
