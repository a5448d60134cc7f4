#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "astronomy/time_scales.h"
#include "calendar/lunar_calendar.h"

namespace tavrel {

inline constexpr std::string_view kStartYearMessage =
    "起始年必须在-4713到9999年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-"
    "120";
inline constexpr std::string_view kStartYearCaption = "年份错误";
inline constexpr std::string_view kInvalidPillarCaption = "无效的四柱";
inline constexpr std::string_view kNotFoundText =
    "没有符合的四柱，改变起始年反推，或许可以找到。\r\n\r\n";
// The start year an unreadable year field counts as; it is refused.
inline constexpr int kUnreadableStartYear = -5000;

// The selections of the six lists of the search dialog: stem lists 甲 … 癸 (index 0 … 9),
// branch lists 子 … 亥 (index 0 … 11).
struct PillarChoice {
    int yearStem = 9;
    int yearBranch = 11;
    int monthBranch = 11;
    int dayStem = 9;
    int dayBranch = 11;
    int hourBranch = 11;
};

// Sexagenary indexes (1 = 甲子 … 59 = 壬戌, 0 = 癸亥) of year, month, day and hour.
using FourPillars = std::array<int, 4>;

// The list selections showing stored pillars: their stems and branches (for the month and
// the hour only the branch). Stored zeros select 癸亥 and 亥.
PillarChoice PresetChoice(const std::array<std::uint8_t, 4>& stored);

// The month pillar of branch list index monthBranch in a year of sexagenary index yearNumber,
// and the hour pillar of branch list index hourBranch on a day of index dayNumber.
int MonthPillarOf(int yearNumber, int monthBranch);
int HourPillarOf(int dayNumber, int hourBranch);

// What the main window casts after the search: a Beijing-time moment in display years, minute 0.
struct PillarHandOver {
    int displayYear = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool male = true;
};

// The reverse search of the four-pillars dialog: the earliest moment from a start year on
// whose four pillars are the chosen ones, with the texts the dialog accumulates.
class MPillarSearch {
  public:
    // Reads the start year (display year text) and the pillars; false with the message and its
    // caption in lastError and lastErrorCaption when the year or a stem and branch is refused.
    bool ReadPillars(std::string_view startYearText, const PillarChoice& choice);

    // Searches from the start year read last; true when a moment was found. On success the
    // result text is appended to `resultText`, otherwise `resultText` becomes kNotFoundText.
    bool PillarSearch();

    // The found moment as the main window takes it; only meaningful after a successful search.
    PillarHandOver HandOver(bool male) const;

    FourPillars searchPillars{};
    int startYear = 0;       // calendar year
    TDateRec foundMoment{};  // calendar year, minute 0
    bool found = false;      // enables 本命盘
    std::string resultText;  // Memo1
    std::string lastError;
    std::string_view lastErrorCaption;

  private:
    bool ReadStemBranch(int stemIndex, int branchIndex, std::string_view word, int& number);

    MYiDateEx calendar_;
};

}  // namespace tavrel
