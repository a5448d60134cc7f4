#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavrel {

// The time-zone list Cboshiqu: the item index is the zone code of the chart request, 0 UTC,
// 1…12 east (UTC+1…UTC+12), 13…23 west (UTC−1…UTC−11).
inline constexpr int kTimeZoneCount = 24;
inline constexpr int kBeijingTimeZone = 8;
inline constexpr std::string_view kTimeZoneHint = "时区";

// "零时区", "东一区" … "东十一区", "中十二区", "西一区" … "西十一区".
const std::array<std::string, kTimeZoneCount>& TimeZoneLabels();

// Hours east of Greenwich of zone `code`; 0 for a code outside the list.
int TimeZoneHours(int code);

}  // namespace tavrel
