#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

// Length in bytes of the well-formed UTF-8 sequence starting at text[pos], or 0 when the bytes
// there do not form one (stray continuation byte, overlong form, surrogate, truncated sequence).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Decodes the well-formed sequence at text[pos] of the given length.
char32_t Utf8Decode(std::string_view text, std::size_t pos, std::size_t length);

void AppendUtf8(std::string& out, char32_t codePoint);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

}  // namespace tavrel
