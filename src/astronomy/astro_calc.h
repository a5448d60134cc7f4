#pragma once

#include "astronomy/station_lists.h"
#include "astronomy/time_scales.h"

namespace tavrel {

inline constexpr int CHART_STAR_COUNT = 14;

// ApparentPosition's body for each chart star 0 … 13 (Sun, Moon, Mercury … Saturn, the four
// remainders, Uranus, Neptune, Pluto); 0 for the remainders, which are mean points.
inline constexpr int STAR_BODY[CHART_STAR_COUNT] = {9, 10, 1, 2, 3, 4, 5, 0, 0, 0, 0, 6, 7, 8};

// The positions a chart asks for at one instant. SetInstant comes first for every chart; the
// station cache makes the object worth keeping for the whole run. Single-threaded.
class MAstroCalc {
  public:
    // The instant, a Beijing-time record; kept as a UT Julian day.
    void SetInstant(const TDateRec& beijing);
    double Jd() const { return jd_; }

    // Apparent ecliptic longitude [0, 360) and latitude of date, degrees. False, outputs left
    // as they were, for the remainders and indexes outside 0 … 13.
    bool BodyPosition(int star, double& lon, double& lat) const;

    // Mean longitudes (degrees) of the lunar nodes; rahuAscending puts Rahu on the ascending one.
    void NodeLongitudes(double& rahu, double& ketu, bool rahuAscending) const;

    // Mean longitudes (degrees) of Purple Qi and the lunar apogee.
    void QiAndApogee(double& purpleQi, double& apogee) const;

    // 2 retrograde, 1 direct at the Beijing-time record; 0 for the Sun, the Moon, Pluto, the
    // remainders and instants outside the stations searched.
    int MotionState(int star, const TDateRec& beijing);

  private:
    // Whole days since the start of 1600-01-01 UT, counting that day as 1.
    double RemainderDays() const;

    double jd_ = 2451545;
    StationCache stations_;
};

}  // namespace tavrel
