#include "chart/palaces.h"

#include <array>
#include <cmath>

#include "chart/chart_angles.h"
#include "chart/mansions.h"

namespace tavrel {

namespace {

constexpr int Mod12(int x) { return (x % 12 + 12) % 12; }

constexpr std::array<std::string_view, 12> kMaleNames = {
    "命", "财帛", "兄弟", "田宅", "男女", "奴仆", "妻妾", "疾厄", "迁移", "官禄", "福德", "相貌"};
constexpr std::array<std::string_view, 12> kFemaleNames = {
    "命", "财帛", "姐妹", "田宅", "男女", "奴仆", "夫君", "疾厄", "迁移", "官禄", "福德", "相貌"};
constexpr std::array<std::string_view, 12> kMaleShortNames = {"命", "财", "兄", "田", "男", "奴",
                                                              "妻", "疾", "迁", "官", "福", "相"};
constexpr std::array<std::string_view, 12> kFemaleShortNames = {"命", "财", "姐", "田", "男", "奴",
                                                                "夫", "疾", "迁", "官", "福", "相"};

// By palace index: 亥 子 丑 寅 卯 辰 巳 午 未 申 酉 戌.
constexpr std::array<StarId, 12> kPalaceLords = {kJupiter, kSaturn,  kSaturn,  kJupiter,
                                                 kMars,    kVenus,   kMercury, kSun,
                                                 kMoon,    kMercury, kVenus,   kMars};

constexpr int kBranchMao = 4;   // 卯
constexpr int kBranchYou = 10;  // 酉

// The longitude in the sign of `palace` at `degree`, or half way from there to the sign's
// middle (折中计算).
double InSign(int palace, double degree, bool halfWay) {
    return (11 - palace) * 30 + (halfWay ? (degree + 15) / 2 : degree);
}

}  // namespace

int PalaceOf(double longitude) {
    return 11 - static_cast<int>(std::trunc(ReduceDegrees(longitude) / 30));
}

double DegreeInSign(double longitude) {
    const double reduced = ReduceDegrees(longitude);
    return reduced - 30 * Mod12(11 - PalaceOf(reduced));
}

void PlacePoint(TPlacedPoint& point, int lifePalace, double mansionOrigin) {
    point.longitude = ReduceDegrees(point.longitude);
    const int palace = PalaceOf(point.longitude);
    point.palace = static_cast<uint8_t>(palace);
    point.palaceNumber = static_cast<uint8_t>(Mod12(lifePalace - palace));
    point.degreeInSign = DegreeInSign(point.longitude);
    const TMansionPlace place = PlaceInMansion(point.longitude, mansionOrigin);
    point.mansion = static_cast<uint8_t>(place.mansion);
    point.degreeInMansion = place.degree;
}

std::string_view PalaceName(int number, bool male, bool shortName) {
    const int n = Mod12(number);
    if (shortName) return male ? kMaleShortNames[n] : kFemaleShortNames[n];
    return male ? kMaleNames[n] : kFemaleNames[n];
}

std::string PalaceTitle(int number, bool male) {
    return std::string(PalaceName(number, male, false)) + "宫";
}

StarId PalaceLord(int palace) { return kPalaceLords[Mod12(palace)]; }

StarId DegreeLord(int mansion) {
    return MANSIONS[static_cast<std::size_t>(((mansion % kMansionCount) + kMansionCount) %
                                             kMansionCount)]
        .governor;
}

double LifePointLongitude(int mgong, int mingdu, double ascendant, double sunLongitude,
                          int hourBranch, int sunriseBranch) {
    if (mgong != 1 && mgong != 2) return ReduceDegrees(ascendant);
    const int k = mgong == 1 ? kBranchMao : sunriseBranch;
    const int palace = Mod12(PalaceOf(sunLongitude) + Mod12(k - hourBranch));
    return InSign(palace, DegreeInSign(sunLongitude), mingdu == 1);
}

TEclipticPoint BodyPoint(int sgong, int shendu, TEclipticPoint moon, double descendant,
                         int hourBranch, int sunsetBranch) {
    if (sgong == 1) return {ReduceDegrees(descendant), 0};
    if (sgong != 2 && sgong != 3) return moon;
    const int k = sgong == 2 ? kBranchYou : sunsetBranch;
    const int palace = Mod12(PalaceOf(moon.longitude) - Mod12(k - hourBranch) + 24);
    return {InSign(palace, DegreeInSign(moon.longitude), shendu == 1), 0};
}

double FortunePointLongitude(double life, double sun, double moon, bool dayBirth) {
    return ReduceDegrees(dayBirth ? life + moon - sun + 720 : life + sun - moon + 720);
}

}  // namespace tavrel
