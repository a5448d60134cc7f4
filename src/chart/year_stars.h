#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/star_list.h"

namespace tavrel {

// The year's sound element (纳音) of sexagenary index `yearPillar`: 0 土, 1 金, 2 水, 3 木, 4 火.
inline constexpr std::array<std::string_view, 5> SOUND_ELEMENT_NAME = {"土", "金", "水", "木",
                                                                       "火"};
int SoundElement(int yearPillar);

// The stars named by the year pillar and the life palace, as texts in the order a chart writes
// them: the nine examination and fortune stars ("科名:木" …, "贵元:土-月"), the ten
// transformations ("天禄火" …), the four stem stars ("伤官金" …), the six branch stars ("爵星土"
// …) and the ten-god row ("比火　甲" …).
struct TYearStars {
    std::array<std::string, 9> fortune;
    std::array<std::string, 10> transformations;
    std::array<std::string, 4> stemStars;
    std::array<std::string, 6> branchStars;
    std::array<std::string, 10> tenGods;
};
TYearStars YearStars(int yearPillar, int lifePalace, int soundElement);

// The three lookups the square chart repeats on its relations line.
struct TYearRelations {
    StarId luYuan;      // 禄元
    StarId maYuan;      // 马元
    StarId guiYuan[2];  // 贵元, a pair
};
TYearRelations YearRelations(int yearPillar);

}  // namespace tavrel
