#include "pillars/pillar_spirits.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "calendar/calendar_names.h"
#include "pillars/pillar_elements.h"
#include "pillars/pillar_patterns.h"
#include "pillars/pillar_spirit_tables.h"

namespace tavrel {

namespace {

constexpr std::array<std::string_view, 26> SPIRIT_NAME = {
    "天乙", "太极", "月德", "天德", "福星", "文昌", "国印", "勾煞", "绞煞",
    "大耗", "童子", "天罗", "地网", "学堂", "词馆", "天医", "禄神", "金舆",
    "羊刃", "孤辰", "寡宿", "空亡", "红鸾", "天喜", "红艳", "流霞"};
enum Spirit {
    kNobleman,
    kTaiji,
    kMonthVirtue,
    kHeavenVirtue,
    kLuckStar,
    kScholar,
    kSeal,
    kHookKill,
    kStrangleKill,
    kGreatWaste,
    kChildSpirit,
    kHeavenNet,
    kEarthNet,
    kSchoolHall,
    kLiteraryHall,
    kHeavenDoctor,
    kSalary,
    kGoldCarriage,
    kBlade,
    kLonelyStar,
    kWidowStar,
    kVoid,
    kRedPhoenix,
    kHeavenJoy,
    kRedBeauty,
    kFlowingRed,
};

constexpr std::size_t NamesBytes(auto names) {
    std::size_t total = 0;
    for (std::string_view name : names) total += name.size() + 1;
    return total;
}
static_assert(NamesBytes(SPIRIT_NAME) + NamesBytes(TRIAD_SPIRIT_NAME) +
                      NamesBytes(YEAR_TRIAD_SPIRIT_NAME) + NamesBytes(DAY_PATTERN_NAME) <=
                  kPillarTextBytes,
              "a pillar's text must hold every name it can take");

constexpr int Mod(int a, int n) { return (a % n + n) % n; }

bool In(int value, std::initializer_list<int> set) {
    for (int v : set) {
        if (v == value) return true;
    }
    return false;
}

void Add(TPillarText& text, std::string_view name) {
    // The capacity holds every name at once (static_assert above), so this cannot refuse.
    text.Append(name);
    text.Append(" ");
}

bool Nobleman(int ds, int tb) {
    return (In(ds, {9, 0}) && In(tb, {4, 6})) || (In(ds, {1, 5}) && In(tb, {2, 8})) ||
           (In(ds, {2, 6}) && In(tb, {1, 9})) || (In(ds, {3, 4}) && In(tb, {0, 10})) ||
           (In(ds, {7, 8}) && In(tb, {3, 7}));
}

bool Taiji(int ds, int tb) {
    return (In(ds, {1, 2}) && In(tb, {1, 7})) || (In(ds, {3, 4}) && In(tb, {10, 4})) ||
           (In(ds, {5, 6}) && In(tb, {2, 5, 8, 11})) || (In(ds, {7, 8}) && In(tb, {3, 0})) ||
           (In(ds, {9, 0}) && In(tb, {6, 9}));
}

bool MonthVirtue(int mb, int ts) {
    constexpr std::array<int, 4> kStemByGroup = {1, 9, 7, 3};  // by mb mod 4
    return ts == kStemByGroup[static_cast<std::size_t>(mb % 4)];
}

bool LuckStar(int ds, int tb) {
    if (In(ds, {0, 2})) return In(tb, {2, 4});
    if (In(ds, {1, 3})) return In(tb, {1, 3});
    constexpr std::array<int, 6> kBranchOfStem = {0, 9, 8, 7, 6, 5};  // ds = 4 … 9
    return tb == kBranchOfStem[static_cast<std::size_t>(ds - 4)];
}

bool ChildSpirit(int mb, int tb, PillarElement yearElement) {
    const Season season = SeasonOfBranch(mb);
    const bool bySeason =
        (season == kSpring || season == kAutumn) ? In(tb, {1, 3}) : In(tb, {4, 5, 8});
    bool byElement = false;
    switch (yearElement) {
        case kWater:
        case kFire:
            byElement = In(tb, {10, 11});
            break;
        case kWood:
        case kMetal:
            byElement = In(tb, {4, 7});
            break;
        case kEarth:
            byElement = In(tb, {5, 6});
            break;
    }
    return bySeason || byElement;
}

bool SchoolHall(PillarElement dayElement, int n) {
    switch (dayElement) {
        case kMetal:
            return n == 18;
        case kWood:
            return n == 36;
        case kWater:
            return n == 21;
        case kEarth:
            return n == 45;
        case kFire:
            return n == 3;
    }
    return false;
}

}  // namespace

void PillarSpirits(int n, int position, const TPillarSet& pillars, bool male, TPillarText& text) {
    text.Clear();
    const int ts = n % 10;
    const int tb = n % 12;
    const int ds = pillars.day % 10;
    const int db = pillars.day % 12;
    const int mb = pillars.month % 12;
    const int yb = pillars.year % 12;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    const auto table = [&](const std::array<int, 10>& values) { return values[at(ds)]; };
    const PillarElement dayElement = StemElement(ds);
    const PillarElement yearElement = NayinElement(pillars.year);
    const bool forward = CountsForward(pillars.year, male);
    const bool notYear = position != kYearPosition;

    if (Nobleman(ds, tb)) Add(text, SPIRIT_NAME[kNobleman]);
    if (Taiji(ds, tb)) Add(text, SPIRIT_NAME[kTaiji]);
    if (MonthVirtue(mb, ts)) Add(text, SPIRIT_NAME[kMonthVirtue]);
    if (HEAVEN_VIRTUE[at(mb)] == BRANCH_NAME[at(tb)] ||
        HEAVEN_VIRTUE[at(mb)] == STEM_NAME[at(ts)]) {
        Add(text, SPIRIT_NAME[kHeavenVirtue]);
    }
    if (LuckStar(ds, tb)) Add(text, SPIRIT_NAME[kLuckStar]);
    if (tb == table(SCHOLAR)) Add(text, SPIRIT_NAME[kScholar]);
    if (tb == table(SEAL)) Add(text, SPIRIT_NAME[kSeal]);

    // The day branch's triad speaks of the other pillars, the year branch's of all but the year.
    std::array<bool, kTriadSpiritCount> foundByDay{};
    if (position != kDayPosition) {
        const auto& branches = TRIAD_SPIRITS[at(db % 4)];
        for (std::size_t i = 0; i < branches.size(); ++i) {
            foundByDay[i] = tb == branches[i];
            if (foundByDay[i]) Add(text, TRIAD_SPIRIT_NAME[i]);
        }
    }
    if (notYear) {
        const auto& branches = TRIAD_SPIRITS[at(yb % 4)];
        for (std::size_t i = 0; i < branches.size(); ++i) {
            if (!foundByDay[i] && tb == branches[i]) Add(text, YEAR_TRIAD_SPIRIT_NAME[i]);
        }
        const int u = (yb + 3) % 12;
        const int v = (yb + 9) % 12;
        if (tb == (forward ? u : v)) Add(text, SPIRIT_NAME[kHookKill]);
        if (tb == (forward ? v : u)) Add(text, SPIRIT_NAME[kStrangleKill]);
        if (tb == (yb + (forward ? 7 : 5)) % 12) Add(text, SPIRIT_NAME[kGreatWaste]);
    }
    if ((position == kDayPosition || position == kHourPosition) &&
        ChildSpirit(mb, tb, yearElement)) {
        Add(text, SPIRIT_NAME[kChildSpirit]);
    }
    if (dayElement == kFire && In(tb, {11, 0})) Add(text, SPIRIT_NAME[kHeavenNet]);
    if ((dayElement == kWater || dayElement == kEarth) && In(tb, {5, 6})) {
        Add(text, SPIRIT_NAME[kEarthNet]);
    }
    if (SchoolHall(dayElement, n)) Add(text, SPIRIT_NAME[kSchoolHall]);
    if (n == table(LITERARY_HALL)) Add(text, SPIRIT_NAME[kLiteraryHall]);
    if (tb == Mod(mb - 1, 12)) Add(text, SPIRIT_NAME[kHeavenDoctor]);
    if (tb == table(SALARY)) Add(text, SPIRIT_NAME[kSalary]);
    if (tb == (table(SALARY) + 2) % 12) Add(text, SPIRIT_NAME[kGoldCarriage]);
    if (tb == table(BLADE)) Add(text, SPIRIT_NAME[kBlade]);
    const int lonely = (yb / 3 * 3 + 3) % 12;
    if (tb == lonely) Add(text, SPIRIT_NAME[kLonelyStar]);
    if (tb == Mod(lonely - 4, 12)) Add(text, SPIRIT_NAME[kWidowStar]);
    const int decade = ((pillars.day == 0 ? 60 : pillars.day) - 1) / 10;
    if (tb == 11 - 2 * decade || tb == (12 - 2 * decade) % 12) Add(text, SPIRIT_NAME[kVoid]);
    if (tb == (17 - yb) % 12) Add(text, SPIRIT_NAME[kRedPhoenix]);
    if (tb == (23 - yb) % 12) Add(text, SPIRIT_NAME[kHeavenJoy]);
    if (tb == table(RED_BEAUTY) || (tb == 9 && In(ds, {1, 2}))) Add(text, SPIRIT_NAME[kRedBeauty]);
    if (tb == table(FLOWING_RED)) Add(text, SPIRIT_NAME[kFlowingRed]);
}

}  // namespace tavrel
