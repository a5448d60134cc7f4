#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavrel {

// Five elements as the pillars number them.
enum PillarElement : uint8_t {
    kWater = 0,  // 水
    kWood = 1,   // 木
    kFire = 2,   // 火
    kEarth = 3,  // 土
    kMetal = 4,  // 金
};

// Sound (纳音) element of each pair of consecutive pillars: pair k holds the pillars 2k − 1 and
// 2k, pair 0 the pillars 59 and 0.
inline constexpr std::array<uint8_t, 30> NAYIN_ELEMENT = {
    0, 4, 2, 1, 3, 4, 2, 0, 3, 4, 1, 0, 3, 2, 1, 0, 4, 2, 1, 3, 4, 2, 0, 3, 4, 1, 0, 3, 2, 1};

// The sound element of sexagenary index n (甲子 and 乙丑 give 金).
constexpr PillarElement NayinElement(int n) {
    const int m = n % 2 == 0 ? n : (n + 1) % 60;
    return static_cast<PillarElement>(NAYIN_ELEMENT[static_cast<std::size_t>(m / 2)]);
}

// The element of stem number s (癸 = 0 … 壬 = 9): 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
constexpr PillarElement StemElement(int stem) {
    return static_cast<PillarElement>((stem + 1) / 2 % 5);
}

enum Season { kWinter = 0, kSpring = 1, kSummer = 2, kAutumn = 3 };

// The season of a month branch: 亥子丑 winter, 寅卯辰 spring, 巳午未 summer, 申酉戌 autumn.
constexpr Season SeasonOfBranch(int branch) { return static_cast<Season>(branch / 3); }

}  // namespace tavrel
