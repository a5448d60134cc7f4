// Writes src/calendar/tables/calendar_corrections.cpp (the day corrections of the
// low-precision new moons and terms) and tests/data/calendar_history.h (the historical month
// starts of the Chinese years 1600–2200 and the expanded corrections).
//
// Source: calendarData.js of Yuk Tung Liu's historical Chinese calendar (the chinese-calendar
// data set): ChineseToGregorian() for the first days of the months, calendricalSolarTerms()
// for the term days of the calendar up to 1733. Its later term days are not given; for
// 1734–1959 the term days are the full astronomical computation in Beijing time (120° E).
// On that meridian every leap month of 1734–1959 agrees with the compilation; Beijing local
// mean time (116°25′ E) would move 处暑 of 1805 to 08-23 and the leap month from 6 to 7.
//
// Usage: calendar_corrections <calendarData.js> <source folder>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/sun_moon_events.h"
#include "astronomy/time_scales.h"
#include "calendar/correction_code.h"
#include "calendar/mean_rule_tables.h"
#include "calendar/ssq_class.h"

namespace {

using Rows = std::vector<std::vector<int>>;

constexpr int J2000 = 2451545;
constexpr double MODERN_START = 2436935;

// The arrays of integers in line `lineNo` (1-based) of the JavaScript file, one row per
// innermost bracket; the data follow "return [" or fill the line.
Rows ReadRows(const std::vector<std::string>& lines, size_t lineNo) {
    Rows rows;
    if (lineNo > lines.size()) return rows;
    const std::string& s = lines[lineNo - 1];
    size_t i = s.find("return [");
    i = i == std::string::npos ? 0 : i + 8;
    std::vector<int>* row = nullptr;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '[') {
            rows.emplace_back();
            row = &rows.back();
        } else if (c == ']') {
            row = nullptr;
        } else if (row && (c == '-' || (c >= '0' && c <= '9'))) {
            size_t used = 0;
            row->push_back(std::stoi(s.substr(i), &used));
            i += used - 1;
        }
    }
    return rows;
}

// Julian day number of the day `offset` days after 31 December of year - 1.
int DayOfYearJd(int year, int offset) {
    return static_cast<int>(std::floor(tavrel::JulianDay(year - 1, 12, 31.5))) + offset;
}

int DayOf(double count) { return static_cast<int>(std::floor(count + 0.5)); }

struct Digits {
    std::string text;
    int misses = 0;  // events whose historical day is more than one day away
};

char DigitOf(int historical, int computed, int& misses) {
    const int diff = historical - computed;
    if (diff == 1) return '1';
    if (diff == -1) return '2';
    if (diff != 0) ++misses;
    return '0';
}

// The first days of all months of the compilation, as Julian day numbers.
std::vector<int> MonthStarts(const Rows& years) {
    std::vector<int> starts;
    for (const auto& r : years) {
        if (r.size() < 16) continue;
        for (int m = 1; m <= 12; ++m) starts.push_back(DayOfYearJd(r[0], r[m]));
        if (r[14] != 0) starts.push_back(DayOfYearJd(r[0], r[13]));
    }
    std::sort(starts.begin(), starts.end());
    return starts;
}

int Nearest(const std::vector<int>& sorted, int jd) {
    auto it = std::lower_bound(sorted.begin(), sorted.end(), jd);
    int best = it == sorted.end() ? sorted.back() : *it;
    if (it != sorted.begin() && std::abs(*(it - 1) - jd) < std::abs(best - jd)) best = *(it - 1);
    return best;
}

Digits NewMoonDigits(const std::vector<int>& starts) {
    const double P = 29.5306;
    const double f2 = tavrel::MeanNewMoonTableEnd - 14;
    Digits out;
    out.text.assign(static_cast<size_t>(std::floor((MODERN_START - f2) / P)) + 1, '0');
    const int k0 = static_cast<int>(std::floor((f2 - 2451551) / P)) - 1;
    for (int k = k0;; ++k) {
        const int D = DayOf(tavrel::SSQ_class::NewMoonLow(k * 2 * tavrel::PI_VALUE));
        const int jd = D + J2000;
        if (jd < f2) continue;
        if (jd >= MODERN_START) break;
        const auto index = static_cast<size_t>(std::floor((jd - f2) / P));
        out.text[index] = DigitOf(Nearest(starts, jd), jd, out.misses);
    }
    return out;
}

// Historical day of the term of index n (0 = 小寒) in the Western year of jd, or of the
// nearest year.
struct TermDays {
    std::map<std::pair<int, int>, int> byYearAndIndex;  // (year, term index) → Julian day
};

TermDays CalendricalTerms(const Rows& rows, int firstYear) {
    TermDays days;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& r = rows[i];
        if (r.size() != 24) continue;
        const int year = firstYear + static_cast<int>(i);
        int offset = r[0];
        for (int n = 0; n < 24; ++n) {
            if (n > 0) offset += 14 + r[static_cast<size_t>(n)];
            days.byYearAndIndex[{year, n}] = DayOfYearJd(year, offset);
        }
    }
    return days;
}

int AstronomicalTermJd(double W) {
    const double t = tavrel::SunLongitudeTime(W);
    const double x = t * 36525;
    return DayOf(x - tavrel::DeltaT(x) + tavrel::BEIJING_OFFSET) + J2000;
}

struct TermResult {
    Digits digits;
    int calendricalCompared = 0;
    int calendricalAgreeWithAstronomy = 0;
};

TermResult TermDigits(const TermDays& calendrical) {
    const double P = 365.2422 / 24;
    const double f2 = tavrel::MeanTermTableEnd - 7;
    TermResult out;
    out.digits.text.assign(static_cast<size_t>(std::floor((MODERN_START - f2) / P)) + 1, '0');
    const int k0 = static_cast<int>(std::floor((f2 - 2451259) / P)) - 1;
    for (int k = k0;; ++k) {
        const double W = k * tavrel::PI_VALUE / 12;
        const int jd = DayOf(tavrel::SSQ_class::TermLow(W)) + J2000;
        if (jd < f2) continue;
        if (jd >= MODERN_START) break;
        const int n = (((k * 15 + 75) % 360 + 360) % 360) / 15;  // 0 = 小寒
        const int year = tavrel::DateOfJd(jd).year;
        const int astronomical = AstronomicalTermJd(W);
        int historical = astronomical;
        auto it = calendrical.byYearAndIndex.find({year, n});
        if (it != calendrical.byYearAndIndex.end()) {
            historical = it->second;
            ++out.calendricalCompared;
            if (historical == astronomical) ++out.calendricalAgreeWithAstronomy;
        }
        const auto index = static_cast<size_t>(std::floor((jd - f2) / P));
        out.digits.text[index] = DigitOf(historical, jd, out.digits.misses);
    }
    return out;
}

std::string Literal(const std::string& text, const char* indent) {
    std::string out;
    for (size_t i = 0; i < text.size(); i += 88) {
        out += indent;
        out += '"' + text.substr(i, 88) + "\"\n";
    }
    return out;
}

int Count(const std::string& s, char c) {
    return static_cast<int>(std::count(s.begin(), s.end(), c));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: calendar_corrections <calendarData.js> <source folder>\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const Rows years = ReadRows(lines, 1);
    const Rows terms = ReadRows(lines, 8);
    if (years.empty() || terms.empty()) {
        std::cerr << "no calendar rows in " << argv[1] << "\n";
        return 1;
    }
    const std::vector<int> starts = MonthStarts(years);
    const Digits moons = NewMoonDigits(starts);
    const TermResult termResult = TermDigits(CalendricalTerms(terms, -105));
    const Digits& termDigits = termResult.digits;

    const std::string moonCode = tavrel::CompressCorrections(moons.text);
    const std::string termCode = tavrel::CompressCorrections(termDigits.text);
    if (tavrel::ExpandCorrections(moonCode) != moons.text ||
        tavrel::ExpandCorrections(termCode) != termDigits.text) {
        std::cerr << "compressed corrections do not expand back\n";
        return 1;
    }

    const std::string root = argv[2];
    std::ofstream table(root + "/src/calendar/tables/calendar_corrections.cpp");
    table << "// Generated by tools/calendar_corrections.cpp from calendarData.js of the "
             "chinese-calendar\n// data set; do not edit.\n\n"
             "#include \"calendar/tables/calendar_corrections.h\"\n\nnamespace tavrel {\n\n"
             "// clang-format off\nconst std::string_view NEW_MOON_CORRECTIONS =\n"
          << Literal(moonCode, "    ") << "    ;\nconst std::string_view TERM_CORRECTIONS =\n"
          << Literal(termCode, "    ") << "    ;\n// clang-format on\n\n}  // namespace tavrel\n";

    std::ofstream extract(root + "/tests/data/calendar_history.h");
    extract << "#pragma once\n\n// Generated by tools/calendar_corrections.cpp from "
               "calendarData.js of the chinese-calendar\n// data set: the first days of the "
               "months of the Chinese years 1600–2200 as Julian day\n// numbers (months 1 … 12, "
               "then the leap month or 0) with the leap month's number, and the\n// correction "
               "digits the compressed tables must expand to.\n\n"
               "namespace tavrel::testing {\n\nstruct HistoricalYear {\n    int year;\n"
               "    int monthStart[13];\n    int leapMonth;\n};\n\n// clang-format off\n"
               "inline constexpr HistoricalYear HISTORICAL_YEARS[] = {\n";
    for (const auto& r : years) {
        if (r.size() < 16 || r[0] < 1600 || r[0] > 2200) continue;
        extract << "    {" << r[0] << ", {";
        for (int m = 1; m <= 13; ++m) {
            const int jd = m == 13 && r[14] == 0 ? 0 : DayOfYearJd(r[0], r[m]);
            extract << jd << (m < 13 ? ", " : "");
        }
        extract << "}, " << r[14] << "},\n";
    }
    extract << "};\n\ninline constexpr const char* NEW_MOON_CORRECTION_DIGITS =\n"
            << Literal(moons.text, "    ")
            << "    ;\ninline constexpr const char* TERM_CORRECTION_DIGITS =\n"
            << Literal(termDigits.text, "    ")
            << "    ;\n// clang-format on\n\n}  // namespace tavrel::testing\n";

    std::printf("new moons: %zu digits, %zu letters, %d ones, %d twos, %d more than a day off\n",
                moons.text.size(), moonCode.size(), Count(moons.text, '1'), Count(moons.text, '2'),
                moons.misses);
    std::printf("terms:     %zu digits, %zu letters, %d ones, %d twos, %d more than a day off\n",
                termDigits.text.size(), termCode.size(), Count(termDigits.text, '1'),
                Count(termDigits.text, '2'), termDigits.misses);
    std::printf("calendar term days 1645-1733 agreeing with the astronomical day: %d of %d\n",
                termResult.calendricalAgreeWithAstronomy, termResult.calendricalCompared);
    return 0;
}
