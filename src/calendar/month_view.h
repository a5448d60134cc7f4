#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "astronomy/time_scales.h"
#include "calendar/era_names.h"
#include "calendar/lunar_calendar.h"

namespace tavrel {

inline constexpr std::string_view kCalendarYearRangeMessage =
    "年份在-4713 到 9999年之间，并且没有公元0年";
inline constexpr std::string_view kYearRangeCaption = "年份不对";
inline constexpr std::string_view kEnteredYearMessage = "年份在-4713 到 9999之间";
inline constexpr std::string_view kEnteredYearCaption = "错误";
inline constexpr std::string_view kMissingDayMessage = "不存在这个日期，请重新输入！";
inline constexpr std::string_view kMissingDayCaption = "日期不对";

inline constexpr int kFirstDisplayYear = -4713;
inline constexpr int kLastDisplayYear = 9999;

// Colours of the grid (0x00BBGGRR).
inline constexpr std::uint32_t kGridBackground = 0xC8FFFF;
inline constexpr std::uint32_t kWeekdayColour = 0x008000;
inline constexpr std::uint32_t kWeekendColour = 0x0000FF;
inline constexpr std::uint32_t kTermDayColour = 0x0000FF;
inline constexpr std::uint32_t kDayColour = 0xFF0000;
inline constexpr std::uint32_t kChosenFrameColour = 0x0000FF;

// The moment the calendar window's controls name: display year, month 1 … 12, day 1 … 31,
// hour and minute.
struct MonthRequest {
    int displayYear = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};

// One day of the grid. Both texts share the colour; sizes are given relative to the window's
// font size s so that the window only measures and draws.
struct MonthCell {
    int day = 0;               // day of the month (15 … 31 follow 4 in October 1582)
    int row = 0;               // 1 … 6; row 0 holds the weekday names
    int column = 0;            // 0 = Monday … 6 = Sunday
    std::string upperText;     // "1月" on the first, else the day, with the term's name
    std::string lowerText;     // the lunar month and day, e.g. 闰二月十五
    std::uint32_t colour = 0;  // kTermDayColour on a term day, else kDayColour
    int upperSizeOffset = 0;   // s + 1 on a term day, else s + 5
    int lowerFixedSize = 0;    // 8 when the lunar text has more than five characters, else 0 (s)
    bool chosen = false;       // framed in kChosenFrameColour, pen width 3
};

// Everything the calendar window shows for one moment.
struct MonthView {
    TDateRec chosen{};  // calendar year
    int dayCount = 0;
    int firstColumn = 0;
    std::array<TermEntry, 3> monthTerms{};  // unused slots have day −100
    std::string termText;                   // MeoJie
    std::vector<MonthCell> cells;
    std::string caption;           // LabShow: "%d年%d月" with the display year
    std::string title;             // MeoTitle: era names and animal of the year begun at 立春
    std::array<int, 4> pillars{};  // sexagenary indexes of year, month, day, hour
    std::string pillarText;        // MeoGanZhi
};

// "星期一" … "星期日" for columns 0 … 6, green on weekdays and red on the weekend.
std::string WeekHeaderText(int column);
std::uint32_t WeekHeaderColour(int column);

// The number of days of r's month when r's day exists in it, else 0; October 1582 has 21.
int MonthLength(const TDateRec& r);

// True when an entered year is a display year of the calendar (−4713 … 9999, not 0).
bool IsCalendarDisplayYear(int displayYear);

// The request the window opens with for the main window's entered moment: day 15 when the
// entered day does not exist in its month.
MonthRequest OpeningRequest(MonthRequest entered);

// The month before and after, day set to 1; false (request unchanged) at January −4713 and
// December 9999. The display year skips 0.
bool PreviousMonth(MonthRequest& request);
bool NextMonth(MonthRequest& request);

// The month model of the calendar window. It keeps the solar terms of the last year shown.
class MonthModel {
  public:
    // Computes the view of the request; false with the message and its caption (the old view
    // stays with the caller) when the year or the day is refused.
    bool ShowMonth(const MonthRequest& request, MonthView& view);

    std::string lastError;
    std::string_view lastErrorCaption;

  private:
    const std::vector<TermEntry>& TermsOf(int year);

    MYiDateEx calendar_;
    obb_class eras_;
    std::vector<TermEntry> yearTerms_;
    int termsYear_ = 0;
    bool termsLoaded_ = false;
};

// Grid geometry of the calendar image: seven columns and seven rows.
struct GridSize {
    int width = 450;
    int height = 330;
};

// The day under a click at (x, y) on the image, or 0 when the point is on no day of the view.
int DayAtPoint(const MonthView& view, const GridSize& size, int x, int y);

}  // namespace tavrel
