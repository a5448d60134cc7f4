#include "pillars/pillar_patterns.h"

#include <algorithm>
#include <initializer_list>

#include "pillars/pillar_elements.h"
#include "pillars/pillar_spirit_tables.h"

namespace tavrel {

namespace {

enum DayPattern {
    kKuiGang,
    kGoldSpirit,
    kYinYangMismatch,
    kHeavenPardon,
    kTenEvils,
    kFourWastes,
    kLonelyPhoenix,
};

constexpr std::string_view kBladePair = "☆命带箭刃双全 ";
constexpr std::string_view kHeavenWonders = "☆命带天上三奇 ";
constexpr std::string_view kEarthWonders = "☆命带地下三奇 ";
constexpr std::string_view kManWonders = "☆命带人中三奇 ";
constexpr std::string_view kVirtueGrace = "☆德秀 ";
constexpr std::string_view kEmbracedSalary = "☆拱禄 ";
static_assert(kBladePair.size() + kHeavenWonders.size() + kVirtueGrace.size() +
                      kEmbracedSalary.size() <=
                  kSpecialNotesBytes,
              "the notes must hold every pattern at once");

bool In(int value, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

void Add(TPillarText& text, DayPattern pattern) {
    text.Append(DAY_PATTERN_NAME[pattern]);
    text.Append(" ");
}

bool HeavenPardon(Season season, int d) {
    switch (season) {
        case kSpring:
            return d == 15;
        case kSummer:
            return d == 31;
        case kAutumn:
            return d == 45;
        case kWinter:
            return d == 1;
    }
    return false;
}

bool FourWastes(Season season, int d) {
    switch (season) {
        case kSpring:
            return In(d, {57, 58});
        case kSummer:
            return In(d, {49, 0});
        case kAutumn:
            return In(d, {51, 52});
        case kWinter:
            return In(d, {43, 54});
    }
    return false;
}

bool StemRun(int a, int b, int c, std::initializer_list<int> run) {
    const int* s = run.begin();
    return a == s[0] && b == s[1] && c == s[2];
}

// 三奇: the year, month and day stems or the month, day and hour stems in the given order.
bool Wonders(const int (&stems)[4], std::initializer_list<int> run) {
    return StemRun(stems[0], stems[1], stems[2], run) || StemRun(stems[1], stems[2], stems[3], run);
}

bool VirtueGrace(int monthBranch, const int (&stems)[4]) {
    const auto has = [&](int stem) { return std::find(stems, stems + 4, stem) != stems + 4; };
    switch (monthBranch % 4) {
        case 0:  // 亥卯未
            return (has(1) || has(2)) && has(4) && has(9);
        case 1:  // 子辰申
            return ((has(9) || has(0)) && has(3) && has(8)) ||
                   ((has(5) || has(6)) && has(1) && has(6));
        case 2:  // 丑巳酉
            return (has(7) || has(8)) && has(2) && has(7);
        default:  // 寅午戌
            return (has(3) || has(4)) && has(5) && has(0);
    }
}

}  // namespace

bool IsLonelyPillar(int n) {
    return std::find(LONELY_PILLARS.begin(), LONELY_PILLARS.end(), n) != LONELY_PILLARS.end();
}

void AppendLonelyPillar(int n, TPillarText& text) {
    if (IsLonelyPillar(n)) Add(text, kLonelyPhoenix);
}

void AppendDayPatterns(const TPillarSet& pillars, TPillarText& text) {
    const int d = pillars.day;
    const Season season = SeasonOfBranch(pillars.month % 12);
    if (In(d, {17, 29, 35, 47})) Add(text, kKuiGang);
    if (In(d, {2, 6, 10})) Add(text, kGoldSpirit);
    if (In(d, {0, 13, 14, 15, 28, 29, 30, 43, 44, 45, 58, 59})) Add(text, kYinYangMismatch);
    if (HeavenPardon(season, d)) Add(text, kHeavenPardon);
    if (In(d, {0, 9, 17, 18, 24, 26, 33, 35, 41, 42})) Add(text, kTenEvils);
    if (FourWastes(season, d)) Add(text, kFourWastes);
    AppendLonelyPillar(d, text);
}

void SpecialNotes(const TPillarSet& pillars, TSpecialNotes& notes) {
    notes.Clear();
    const int branches[4] = {pillars.year % 12, pillars.month % 12, pillars.day % 12,
                             pillars.hour % 12};
    const int stems[4] = {pillars.year % 10, pillars.month % 10, pillars.day % 10,
                          pillars.hour % 10};
    const auto hasBranch = [&](int b) {
        return std::find(branches, branches + 4, b) != branches + 4;
    };

    const int blade = BLADE[static_cast<std::size_t>(stems[2])];
    if (hasBranch(blade) && hasBranch((blade + 6) % 12)) notes.Append(kBladePair);

    if (Wonders(stems, {1, 5, 7})) {
        notes.Append(kHeavenWonders);
    } else if (Wonders(stems, {2, 3, 4})) {
        notes.Append(kEarthWonders);
    } else if (Wonders(stems, {9, 0, 8})) {
        notes.Append(kManWonders);
    }

    if (VirtueGrace(branches[1], stems)) notes.Append(kVirtueGrace);

    const int day = pillars.day;
    const int hour = pillars.hour;
    if ((day == 0 && hour == 50) || (day == 50 && hour == 0) || (day == 54 && hour == 44) ||
        (day == 56 && hour == 6) || (day == 5 && hour == 55)) {
        notes.Append(kEmbracedSalary);
    }
}

}  // namespace tavrel
