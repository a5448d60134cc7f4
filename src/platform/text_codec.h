#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

// Text is UTF-8 in memory and GBK (code page 936) in the files that Windows programs share with
// us. Conversion never fails: bytes that cannot be decoded become U+FFFD, characters that GBK
// cannot hold become '?'. When `exact` is given it tells whether nothing had to be replaced.
std::string GbkToUtf8(std::string_view gbk, bool* exact = nullptr);
std::string Utf8ToGbk(std::string_view utf8, bool* exact = nullptr);

// Length limits of names and texts are counted as GBK bytes: one for ASCII, two otherwise.
// A byte that is not part of well-formed UTF-8 counts as one (it would be written as '?').
std::size_t GbkByteLength(std::string_view utf8);

// The longest prefix of `utf8` that ends on a character boundary and is at most maxBytes GBK
// bytes long.
std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes);

}  // namespace tavrel
