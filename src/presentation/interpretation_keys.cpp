#include "presentation/interpretation_keys.h"

#include <array>
#include <string_view>

namespace tavrel {

namespace {

constexpr std::array<std::string_view, kTextStarCount> kShortNames = {
    "日", "月", "水", "金", "火", "木", "土", "罗", "计", "气", "孛"};
constexpr std::array<int, kTextStarCount> kMansionBase = {100, 130, 160, 200, 230, 260,
                                                          300, 330, 360, 400, 430};
constexpr int kPurpleQi = 9;

bool IsStar(int star) { return star >= 0 && star < kTextStarCount; }

std::string Heading(int star, std::string_view middle, int other, std::string_view end) {
    if (!IsStar(star) || !IsStar(other)) return {};
    const std::string_view otherName =
        end == "同宫" && other == kPurpleQi ? "紫" : kShortNames[static_cast<std::size_t>(other)];
    return "★" + std::string(kShortNames[static_cast<std::size_t>(star)]) + std::string(middle) +
           std::string(otherName) + std::string(end);
}

}  // namespace

std::string StarLinkSection(int star) { return "star_" + std::to_string(star); }

int StarLinkMansionEntry(int mansion) { return (mansion + 27) % 28 + 1; }

int StarLinkPalaceEntry(int palaceNumber) { return 29 + palaceNumber; }

int StarLinkBranchEntry(int palaceIndex) { return (palaceIndex + 11) % 12 + 41; }

int MansionTextNumber(int star, int mansion) {
    return IsStar(star) ? kMansionBase[static_cast<std::size_t>(star)] + mansion : -1;
}

int PalaceIndexTextNumber(int star, int palaceIndex) { return 500 + 12 * star + palaceIndex; }

int PalaceNumberTextNumber(int star, int palaceNumber) { return 700 + 20 * palaceNumber + star; }

int LordFlightTextNumber(int lordPalace, int ruledPalace) {
    return 1000 + 12 * lordPalace + ruledPalace;
}

int AppearanceTextNumber(int lifePalaceIndex) { return 1200 + 2 * lifePalaceIndex; }

int CharacterTextNumber(int lifePalaceIndex) { return 1201 + 2 * lifePalaceIndex; }

std::string DegreeSentenceHeading(int governor, int degreeLord) {
    return Heading(governor, "入", degreeLord, "度");
}

std::string PalaceSentenceHeading(int star, int palaceLord) {
    return Heading(star, "入", palaceLord, "宫");
}

std::string ConjunctionSentenceHeading(int governor, int laterStar) {
    return Heading(governor, "", laterStar, "同宫");
}

}  // namespace tavrel
