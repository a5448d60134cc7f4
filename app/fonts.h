#pragma once

namespace tavrel {

// The chart face "宋体" (and its Windows relatives) resolves to an installed CJK Song face, so
// charts laid out for SimSun measure and look the same here. Call once after the Qt application
// object exists.
void InstallFontSubstitutions();

// The face that stands in for "宋体".
inline constexpr const char* kSongFace = "Noto Serif CJK SC";

}  // namespace tavrel
