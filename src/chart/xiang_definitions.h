#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"

namespace tavrel {

inline constexpr std::string_view kAspectSection = "xiang";
inline constexpr int kMaxAspectDefinitions = 30;
inline constexpr std::size_t kAspectNameBytes = 32;

// One aspect definition: a name, the angle and orb in degrees and a colour 0x00BBGGRR.
struct TXiangItem {
    char name[kAspectNameBytes];  // UTF-8, NUL-terminated, cut at a character boundary
    int32_t angle;
    int32_t orb;
    int32_t colour;
};

// The definitions in use: the first `count` items are valid.
struct TXiangRelate {
    uint8_t count;
    TXiangItem items[kMaxAspectDefinitions];
};

// The parts of a "%s*%d*%d*%d" value. A "*" splits only after the first character, so a name
// may begin with one; whatever follows the last "*" is the last part when it is not empty.
std::vector<std::string_view> SplitAspectValue(std::string_view value);

// The definitions of section `xiang`. When `xiangWei0` is missing the eight defaults are written
// first (and used even if the file cannot be written). Keys `xiangWei0`, `xiangWei1` … are read
// up to the first missing one; a value of fewer than four parts is skipped and the next key still
// read, and parts beyond the fourth are ignored. Numbers that are not numbers read as 0.
TXiangRelate LoadAspectDefinitions(IniFile& ini);

// The eight definitions written to an empty section.
const std::array<std::string_view, 8>& DefaultAspectValues();

}  // namespace tavrel
