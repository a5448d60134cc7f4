#pragma once

#include <array>
#include <string>

namespace tavrel {

// Solar terms and new moons in Beijing time, and the layout of the lunar year around a day.
// Before 619 (new moons) and 1645 (terms) the mean rules of the historical calendars give the
// days; up to 1959 a low-precision computation corrected day by day to the historical
// calendar; otherwise the full astronomical computation.
class SSQ_class {
  public:
    enum class EventKind { Term, NewMoon };

    // The lunar year around the day of the last ComputeYear.
    struct YearState {
        int leap = 0;  // index 1 … 13 of the leap month in the month list, 0 when none
        // Month numbers 1 … 12 (1 = 正月); 13 and 10 also name the thirteenth and post-ninth
        // months of the early calendars (−721 … −104).
        std::array<int, 14> monthNo{};
        std::array<int, 25> terms{};  // 25 term days from the winter solstice before the day
        int termBefore1 = 0;          // the terms 15.2 and 30.4 days before terms[0]
        int termBefore2 = 0;
        std::array<int, 15> newMoons{};  // month i runs from newMoons[i] to newMoons[i + 1]
        std::array<int, 14> monthLen{};
    };

    SSQ_class();

    // Beijing-time day counts from J2000 of the new moon W (whole turns of elongation since
    // the new moon of 2000-01-06) and of the term W (multiples of 15° of solar longitude since
    // the equinox of 1999-03-21): low precision with a built-in ΔT, and full precision.
    static double NewMoonLow(double W);
    static double TermLow(double W);
    static double NewMoonHigh(double W);
    static double TermHigh(double W);

    // Day number (days from J2000, Beijing time) of the term or new moon at or before d + 7
    // (terms) or d + 14 (new moons), so that an estimate within a few days finds its event.
    int EventDay(double d, EventKind kind) const;

    // Fills the year state for the lunar year around day number d.
    void ComputeYear(int d);

    const YearState& Year() const { return year_; }

    // Whether the year state already describes day d: every day from its winter solstice up
    // to the next one gets the same state from ComputeYear.
    bool YearCovers(int d) const { return hasYear_ && d >= year_.terms[0] && d < year_.terms[24]; }

  private:
    void NameMonths();
    void NameEarlyCalendarMonths(int year);

    std::string newMoonCorrections_;
    std::string termCorrections_;
    YearState year_;
    bool hasYear_ = false;
};

}  // namespace tavrel
