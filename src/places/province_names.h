#pragma once

#include <array>
#include <string_view>

namespace tavrel {

// The province list of the place controls. The first 34 are the sections of the place file;
// the last, 未知地, stands for a place typed in by hand (the custom place).
inline constexpr int kProvinceCount = 35;
inline constexpr int kPlaceFileProvinceCount = 34;
inline constexpr int kCustomProvince = 34;

extern const std::array<std::string_view, kProvinceCount> PROVINCE_NAME;

// The name of province `index`, or "" when the index lies outside the list.
std::string_view ProvinceName(int index);

}  // namespace tavrel
