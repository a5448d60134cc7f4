#include "chart/year_stars.h"

#include "calendar/calendar_names.h"
#include "chart/star_list.h"

namespace tavrel {

namespace {

using Stem10 = std::array<StarId, 10>;    // by year stem, 0 癸, 1 甲 … 9 壬
using Branch12 = std::array<StarId, 12>;  // by branch number, 0 亥, 1 子 … 11 戌

constexpr StarId 日 = kSun, 月 = kMoon, 水 = kMercury, 金 = kVenus, 火 = kMars, 木 = kJupiter,
                 土 = kSaturn, 罗 = kRahu, 计 = kKetu, 气 = kPurpleQi, 孛 = kLunarApogee;

constexpr Stem10 KE_MING = {水, 木, 木, 火, 火, 土, 土, 金, 金, 水};
constexpr Stem10 WEN_XING = {月, 罗, 计, 金, 火, 金, 气, 木, 土, 日};
constexpr Stem10 KUI_XING = {水, 月, 日, 罗, 计, 火, 金, 水, 孛, 气};
constexpr Stem10 LU_YUAN = {土, 木, 火, 水, 日, 水, 日, 水, 金, 木};
constexpr Stem10 GUI_YUAN_FIRST = {火, 土, 土, 木, 金, 月, 水, 月, 日, 水};
constexpr Stem10 GUI_YUAN_SECOND = {水, 月, 水, 金, 木, 土, 土, 土, 木, 火};

struct StemRow {
    std::string_view name;
    Stem10 stars;
};
constexpr std::array<StemRow, 4> STEM_ROWS = {{
    {"伤官", {孛, 金, 木, 月, 土, 气, 水, 罗, 计, 火}},
    {"催官", {计, 金, 水, 日, 罗, 木, 气, 孛, 土, 月}},
    {"禄神", {月, 木, 木, 计, 罗, 土, 火, 金, 气, 日}},
    {"喜神", {火, 罗, 计, 气, 水, 月, 土, 金, 木, 孛}},
}};

struct BranchRow {
    std::string_view name;
    Branch12 stars;
};
constexpr std::array<BranchRow, 6> BRANCH_ROWS = {{
    {"爵星", {水, 土, 水, 木, 气, 孛, 木, 水, 火, 火, 金, 金}},
    {"天马", {木, 火, 计, 水, 木, 火, 计, 水, 木, 火, 计, 水}},
    {"地驿", {火, 木, 水, 金, 火, 木, 水, 金, 火, 木, 水, 金}},
    {"血支", {火, 木, 土, 土, 木, 火, 金, 水, 日, 月, 水, 金}},
    {"血忌", {木, 日, 土, 土, 月, 木, 水, 火, 金, 金, 火, 水}},
    {"产星", {火, 金, 水, 木, 火, 金, 水, 木, 火, 金, 水, 木}},
}};

// By the life palace's branch number.
constexpr Branch12 KE_JIA = {水, 日, 月, 水, 金, 火, 木, 土, 土, 木, 火, 金};
constexpr Branch12 SHE_WEN = {水, 火, 火, 水, 木, 土, 金, 木, 水, 金, 土, 木};

// 寿元 is the star of the sound element 土 金 水 木 火.
constexpr std::array<StarId, 5> SHOU_YUAN = {土, 金, 水, 木, 火};

constexpr std::array<std::string_view, 10> TRANSFORMATION_NAME = {"禄", "暗", "福", "耗", "荫",
                                                                  "贵", "刑", "印", "囚", "权"};
constexpr Stem10 TRANSFORMATION_STAR = {罗, 火, 孛, 木, 金, 土, 月, 水, 气, 计};
constexpr std::array<std::string_view, 10> TEN_GOD_NAME = {"比", "劫", "食", "伤", "才",
                                                           "财", "杀", "官", "枭", "印"};

int Mod(int x, int n) { return ((x % n) + n) % n; }

std::string Star(StarId star) { return std::string(STAR_SHORT_NAME[star]); }

std::string Labelled(std::string_view label, StarId star) {
    return std::string(label) + ":" + Star(star);
}

StarId MaYuan(int branch) { return Mod(branch - 1, 12) / 2 % 2 == 0 ? 木 : 水; }

// The stem standing in ten-god relation `god` to year stem `stem`.
int TenGodStem(int stem, int god) {
    if (stem % 2 == 1 || god % 2 == 0) return Mod(stem + god, 10);
    return Mod(stem + god - 2, 10);
}

}  // namespace

int SoundElement(int yearPillar) {
    int n = Mod(yearPillar, 60);
    if (n == 0) n = 60;
    if (n % 2 == 0) --n;
    constexpr int kAnchors[5] = {37, 1, 13, 49, 25};
    for (int element = 0; element < 5; ++element) {
        int d = n - kAnchors[element];
        if (d < 0) d += 60;
        for (const int step : {0, 8, 16, 30, 38, 46}) {
            if (d == step) return element;
        }
    }
    return 0;
}

TYearRelations YearRelations(int yearPillar) {
    const int stem = Mod(yearPillar, 10);
    return {
        LU_YUAN[stem], MaYuan(Mod(yearPillar, 12)), {GUI_YUAN_FIRST[stem], GUI_YUAN_SECOND[stem]}};
}

TYearStars YearStars(int yearPillar, int lifePalace, int soundElement) {
    const int stem = Mod(yearPillar, 10);
    const int branch = Mod(yearPillar, 12);
    const int life = Mod(lifePalace, 12);
    const TYearRelations relations = YearRelations(yearPillar);
    TYearStars stars;
    stars.fortune = {Labelled("科名", KE_MING[stem]),
                     Labelled("科甲", KE_JIA[life]),
                     Labelled("文星", WEN_XING[stem]),
                     Labelled("魁星", KUI_XING[stem]),
                     Labelled("寿元", SHOU_YUAN[Mod(soundElement, 5)]),
                     Labelled("禄元", relations.luYuan),
                     Labelled("马元", relations.maYuan),
                     Labelled("贵元", relations.guiYuan[0]) + "-" + Star(relations.guiYuan[1]),
                     Labelled("赦文", SHE_WEN[life])};
    for (int i = 0; i < 10; ++i) {
        stars.transformations[i] = "天" + std::string(TRANSFORMATION_NAME[i]) +
                                   Star(TRANSFORMATION_STAR[Mod(stem + i, 10)]);
        const int h = TenGodStem(stem, i);
        stars.tenGods[i] = std::string(TEN_GOD_NAME[i]) + Star(TRANSFORMATION_STAR[h]) + "　" +
                           std::string(STEM_NAME[h]);
    }
    for (std::size_t i = 0; i < STEM_ROWS.size(); ++i) {
        stars.stemStars[i] = std::string(STEM_ROWS[i].name) + Star(STEM_ROWS[i].stars[stem]);
    }
    for (std::size_t i = 0; i < BRANCH_ROWS.size(); ++i) {
        stars.branchStars[i] =
            std::string(BRANCH_ROWS[i].name) + Star(BRANCH_ROWS[i].stars[branch]);
    }
    return stars;
}

}  // namespace tavrel
