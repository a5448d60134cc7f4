#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// The birth entry as the chart engine takes it; also the leading part of a stored case.
// Texts are UTF-8 in memory; their limits are counted in GBK bytes (two per Chinese character),
// because the Windows program and its files hold them in fixed GBK fields.
struct TChartRequest {
    std::string name;  // at most kNameCharacters characters
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::uint8_t zone = 0;  // 0 = UTC, 1..12 = UTC+1..+12, 13..23 = UTC-1..-11
    std::uint8_t isLunar = 0;
    std::uint8_t isLeapMonth = 0;
    std::uint8_t isMale = 0;
    std::int16_t provinceIndex = 0;
    std::int16_t cityIndex = 0;
    float longitude = 0;    // degrees, east positive
    float latitude = 0;     // degrees, north positive
    std::string placeText;  // at most kPlaceCharacters characters
};

// Limits in characters of two GBK bytes: the name field is char[22], the place field char[304].
inline constexpr int kNameCharacters = 10;
inline constexpr int kPlaceCharacters = 150;

}  // namespace tavrel
