#include "pillars/pillar_search.h"

#include <cmath>
#include <cstdio>

#include "calendar/display_year.h"

namespace tavrel {

namespace {

int Mod(int a, int n) { return ((a % n) + n) % n; }

int StemNumber(int listIndex) { return (listIndex + 1) % 10; }
int BranchNumber(int listIndex) { return (listIndex + 1) % 12; }

// The stem number counted 1 … 10, with 6 … 10 folded onto 1 … 5 (甲/己, 乙/庚 … 戊/癸).
int StemPair(int number) {
    int c = Mod(number, 10);
    if (c == 0) c = 10;
    return c < 6 ? c : c - 5;
}

}  // namespace

PillarChoice PresetChoice(const std::array<std::uint8_t, 4>& stored) {
    const auto stem = [](int n) { return (n % 10 + 9) % 10; };
    const auto branch = [](int n) { return (n % 12 + 11) % 12; };
    return {stem(stored[0]), branch(stored[0]), branch(stored[1]),
            stem(stored[2]), branch(stored[2]), branch(stored[3])};
}

int MonthPillarOf(int yearNumber, int monthBranch) {
    const int m = (monthBranch + 10) % 12;  // 寅 = 0
    const int stem = (m + (2 * StemPair(yearNumber) + 1) % 10) % 10;
    return MYiDateEx::GanzhiIndex(stem, BranchNumber(monthBranch));
}

int HourPillarOf(int dayNumber, int hourBranch) {
    const int stem = ((2 * StemPair(dayNumber) - 1) % 10 + hourBranch) % 10;
    return MYiDateEx::GanzhiIndex(stem, BranchNumber(hourBranch));
}

bool MPillarSearch::ReadStemBranch(int stemIndex, int branchIndex, std::string_view word,
                                   int& number) {
    const int s = StemNumber(stemIndex);
    const int b = BranchNumber(branchIndex);
    if (s % 2 != b % 2) {
        lastError = "不存在这个" + std::string(word) + "柱！";
        lastErrorCaption = kInvalidPillarCaption;
        return false;
    }
    number = MYiDateEx::GanzhiIndex(s, b);
    return true;
}

bool MPillarSearch::ReadPillars(std::string_view startYearText, const PillarChoice& choice) {
    const int y = ReadYearField(startYearText, kUnreadableStartYear);
    if (y < -4713 || y > 9999 || y == 0) {
        lastError = kStartYearMessage;
        lastErrorCaption = kStartYearCaption;
        return false;
    }
    found = false;
    FourPillars pillars{};
    if (!ReadStemBranch(choice.yearStem, choice.yearBranch, "年", pillars[0])) return false;
    pillars[1] = MonthPillarOf(pillars[0], choice.monthBranch);
    if (!ReadStemBranch(choice.dayStem, choice.dayBranch, "日", pillars[2])) return false;
    pillars[3] = HourPillarOf(pillars[2], choice.hourBranch);
    searchPillars = pillars;
    startYear = CalendarYearOf(y);
    return true;
}

bool MPillarSearch::PillarSearch() {
    const auto [Y, M, D, H] = searchPillars;
    const int b = M % 12;
    const int g = b <= 1 ? b + 11 : b - 1;  // Gregorian month of the month's opening jie
    const int h = H % 12 == 0 ? 11 : H % 12 - 1;
    found = false;
    for (int a = startYear + Mod(Y - startYear - 6897, 60);; a += 60) {
        const int year = g == 1 ? a + 1 : a;
        const TDateRec jie = calendar_.TermTime(year, g, true);
        const TDateRec nextJie =
            g == 12 ? calendar_.TermTime(year + 1, 1, true) : calendar_.TermTime(year, g + 1, true);
        const double T1 = MYiDateEx::JdOfDate(jie);
        const double T2 = MYiDateEx::JdOfDate(nextJie);
        const double J1 = MYiDateEx::JdOfDate({jie.year, jie.month, jie.day, 12, 30});
        const double J2 = MYiDateEx::JdOfDate({nextJie.year, nextJie.month, nextJie.day, 12, 30});
        const int n = static_cast<int>(std::floor(J2 - J1));
        const int d0 = MYiDateEx::DayGanzhi(MYiDateEx::DateOfJd(J1));
        const int k = Mod(D - d0, 60);
        if (k <= n) {
            // Midnight of the term day, k days on, at the even hour opening the hour branch.
            const double t = J1 - 0.5208333333333334 + k + 2.0 * h / 24;
            if (T1 <= t && t < T2) {
                foundMoment = MYiDateEx::DateOfJd(t);
                foundMoment.minute = 0;
                found = true;
                break;
            }
        }
        if (a + 60 >= 9999) break;
    }
    if (!found) {
        resultText = kNotFoundText;
        return false;
    }
    char line[96];
    std::snprintf(line, sizeof line, "%d年 %d月 %d日 %d时 %d分", DisplayYearOf(foundMoment.year),
                  foundMoment.month, foundMoment.day, foundMoment.hour, 0);
    resultText += "符合四柱：\r\n" + std::string(line) + "\r\n\r\n";
    return true;
}

PillarHandOver MPillarSearch::HandOver(bool male) const {
    return {DisplayYearOf(foundMoment.year),
            foundMoment.month,
            foundMoment.day,
            foundMoment.hour,
            0,
            male};
}

}  // namespace tavrel
