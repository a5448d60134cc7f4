// Term and new-moon days 1960–2200 against the Swiss Ephemeris. The instants are found in TT
// from its apparent positions and turned into Beijing time with the program's own ΔT, so the
// comparison tests the event computation, not the ΔT extrapolation.

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/time_scales.h"
#include "calendar/ssq_class.h"

namespace tavrel {
namespace {

class CalendarEphemeris : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char path[] = "/usr/share/libswe/ephe";
        swe_set_ephe_path(path);
    }
    static void TearDownTestSuite() { swe_close(); }

    static double Longitude(double jdTt, int body) {
        double xx[6] = {};
        char error[AS_MAXCH] = {};
        swe_calc(jdTt, body, SEFLG_SWIEPH, xx, error);
        return xx[0];
    }

    // The Beijing day count of a TT Julian day, with this program's ΔT.
    static double BeijingDays(double jdTt) {
        const double x = jdTt - 2451545;
        return x - DeltaT(x) + BEIJING_OFFSET;
    }

    static bool NearMidnight(double days) {
        const double s = (days + 0.5 - std::floor(days + 0.5)) * 86400;
        return s < 60 || s > 86400 - 60;
    }
};

TEST_F(CalendarEphemeris, TermDays1960To2200) {
    SSQ_class ssq;
    int compared = 0;
    int skipped = 0;
    double jd = JulianDay(1960, 1, 1);
    char error[AS_MAXCH] = {};
    for (int k = 0; jd < JulianDay(2201, 1, 1); ++k) {
        const double longitude = std::fmod(285 + 15 * k, 360);
        jd = swe_solcross(longitude, jd, SEFLG_SWIEPH, error);
        const double days = BeijingDays(jd);
        if (NearMidnight(days)) {
            ++skipped;
            continue;
        }
        const int day = static_cast<int>(std::floor(days + 0.5));
        EXPECT_EQ(ssq.EventDay(day, SSQ_class::EventKind::Term), day) << longitude << " " << jd;
        ++compared;
    }
    EXPECT_GT(compared, 241 * 24 - 20);
    EXPECT_LT(skipped, 20);
}

TEST_F(CalendarEphemeris, NewMoonDays1960To2200) {
    SSQ_class ssq;
    int compared = 0;
    int skipped = 0;
    const double synodic = 29.530588853;
    // Mean new moon of 2000-01-06 18:14 TT, stepped back to before 1960.
    for (double mean = 2451550.26 - 497 * synodic; mean < JulianDay(2201, 1, 1); mean += synodic) {
        double jd = mean;
        for (int n = 0; n < 8; ++n) {
            double e = std::fmod(Longitude(jd, SE_MOON) - Longitude(jd, SE_SUN) + 540, 360) - 180;
            jd -= e / 12.1907;
        }
        if (jd < JulianDay(1960, 1, 1) || jd >= JulianDay(2201, 1, 1)) continue;
        const double days = BeijingDays(jd);
        if (NearMidnight(days)) {
            ++skipped;
            continue;
        }
        const int day = static_cast<int>(std::floor(days + 0.5));
        EXPECT_EQ(ssq.EventDay(day, SSQ_class::EventKind::NewMoon), day) << jd;
        ++compared;
    }
    EXPECT_GT(compared, 2970);
    EXPECT_LT(skipped, 10);
}

}  // namespace
}  // namespace tavrel
