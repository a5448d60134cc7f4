#include <cstddef>

#include "chart/palace_table.h"

namespace tavrel {

namespace {

constexpr int Mod12(int a) { return (a % 12 + 12) % 12; }

template <std::size_t N>
int At(const std::array<int, N>& table, int i) {
    return table[static_cast<std::size_t>(i)];
}

// Spirits after the twelve year spirits, in placing order.
enum Spirit {
    kDiKill = 12,
    kSaltyPool,
    kFlyingHonest,
    kLonelyStar,
    kWidowStar,
    kSalaryHonour,
    kYangBlade,
    kFlyingBlade,
    kStateSeal,
    kHeavenNoble,
    kJadeHall,
    kLiteraryStar,
    kHeavenKitchen,
    kThreePunishments,
    kSixHarms,
    kRobberyKill,
    kLostSpirit,
    kRedPhoenix,
    kHeavenJoy,
    kBloodBlade,
    kEarthRelease,
    kHeavenWeeping,
    kLooseHair,
    kYellowBanner,
    kLeopardTail,
    kFirstVoid,
    kSecondVoid,
    kYearHarmony,
    kPostHorse,
    kGeneralStar,
    kCanopy,
    kRobberyEvil,
    kFlowingGlow,
    kRedGlamour,
    kYearKill,
    kEarthKill,
    kYearPunishment,
};
static_assert(kYearPunishment == kStarSpiritCount - 1);

}  // namespace

int SpiritBranch(int spirit, int n) {
    const int b = Mod12(n);
    const int s = (n % 10 + 10) % 10;
    const int triad = b % 4;
    if (spirit < kDiKill) return (b + spirit) % 12;  // 太岁 … 病符
    switch (spirit) {
        case kDiKill:
            return 10 - 4 * (b % 3);
        case kSaltyPool:
            return At(SALTY_POOL, triad);
        case kFlyingHonest:
            return At(FLYING_HONEST, b);
        case kLonelyStar:
            return (3 * (b / 3) + 3) % 12;
        case kWidowStar:
            return (3 * (b / 3) + 11) % 12;
        case kSalaryHonour:
            return At(SALARY_HONOUR, s);
        case kYangBlade:
            return At(YANG_BLADE, s);
        case kFlyingBlade:
            return At(FLYING_BLADE, s);
        case kStateSeal:
            return At(STATE_SEAL, s);
        case kHeavenNoble:
            return At(HEAVEN_NOBLE, s);
        case kJadeHall:
            return At(JADE_HALL, s);
        case kLiteraryStar:
            return At(LITERARY_STAR, s);
        case kHeavenKitchen:
            return At(HEAVEN_KITCHEN, s);
        case kThreePunishments:
            return At(THREE_PUNISHMENTS, b);
        case kSixHarms:
            return Mod12(9 - b);
        case kRobberyKill:
            return 9 - 3 * triad;
        case kLostSpirit:
            return Mod12(3 - 3 * triad);
        case kRedPhoenix:
            return Mod12(5 - b);
        case kHeavenJoy:
            return Mod12(11 - b);
        case kBloodBlade:
            return Mod12(12 - b);
        case kEarthRelease:
            return (Mod12(b - 11) / 2 + 7) % 12;
        case kHeavenWeeping:
            return Mod12(8 - b);
        case kLooseHair:
            return Mod12(6 - b);
        case kYellowBanner:
            return At(YELLOW_BANNER, triad);
        case kLeopardTail:
            return At(LEOPARD_TAIL, triad);
        case kFirstVoid:
            return 11 - 2 * (((n - 1) % 60 + 60) % 60 / 10);
        case kSecondVoid:
            return (SpiritBranch(kFirstVoid, n) + 1) % 12;
        case kYearHarmony:
            return At(YEAR_HARMONY, b);
        case kPostHorse:
            return At(POST_HORSE, triad);
        case kGeneralStar:
            return At(GENERAL_STAR, triad);
        case kCanopy:
            return At(CANOPY, triad);
        case kRobberyEvil:
            return (At(CANOPY, triad) + 1) % 12;
        case kFlowingGlow:
            return At(FLOWING_GLOW, s);
        case kRedGlamour:
            return At(RED_GLAMOUR, s);
        case kYearKill:
            return At(YEAR_KILL, triad);
        case kEarthKill:
            return At(EARTH_KILL, triad);
        default:
            return At(YEAR_PUNISHMENT, b);
    }
}

bool AddSpirit(TPalaceTable& table, int lifePalace, int branch, std::string_view name) {
    TPalaceCell& cell = table.cells[Mod12(lifePalace - branch)];
    if (name.size() >= kSpiritNameBytes || cell.spiritCount >= kCellSpiritCapacity) return false;
    char* slot = cell.spirits[cell.spiritCount++];
    std::size_t i = 0;
    for (; i < name.size(); ++i) slot[i] = name[i];
    for (; i < kSpiritNameBytes; ++i) slot[i] = '\0';
    return true;
}

void PlaceSpirits(int yearPillar, int lifePalace, TPalaceTable& table) {
    for (TPalaceCell& cell : table.cells) cell.spiritCount = 0;
    for (int spirit = 0; spirit < kStarSpiritCount; ++spirit) {
        // Every cell holds all forty-nine names, so no placement is refused.
        AddSpirit(table, lifePalace, SpiritBranch(spirit, yearPillar),
                  STAR_SPIRIT_NAME[static_cast<std::size_t>(spirit)]);
    }
}

}  // namespace tavrel
