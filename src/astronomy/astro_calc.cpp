#include "astronomy/astro_calc.h"

#include <cmath>

#include "astronomy/apparent_position.h"
#include "astronomy/constants.h"

namespace tavrel {

namespace {

double Reduce360(double x) { return x - std::floor(x / 360) * 360; }

double BeijingJd(const TDateRec& r) {
    return JulianDay(r.year, r.month, r.day + (r.hour + r.minute / 60.0) / 24);
}

}  // namespace

void MAstroCalc::SetInstant(const TDateRec& beijing) { jd_ = BeijingJd(beijing) - BEIJING_OFFSET; }

bool MAstroCalc::BodyPosition(int star, double& lon, double& lat) const {
    if (star < 0 || star >= CHART_STAR_COUNT || STAR_BODY[star] == 0) return false;
    return ApparentPosition(STAR_BODY[star], jd_ - 2451545, lon, lat);
}

double MAstroCalc::RemainderDays() const { return std::trunc(jd_ - JulianDay(1600, 1, 1.0) + 1); }

void MAstroCalc::NodeLongitudes(double& rahu, double& ketu, bool rahuAscending) const {
    // The mean ascending node moves backwards, one turn in 18.6 years.
    double ascending = 301.540314 - Reduce360(RemainderDays() * 0.052953924);
    if (ascending < 0) ascending += 360;
    const double descending = Reduce360(ascending + 180);
    rahu = rahuAscending ? ascending : descending;
    ketu = rahuAscending ? descending : ascending;
}

void MAstroCalc::QiAndApogee(double& purpleQi, double& apogee) const {
    const double k = RemainderDays();
    purpleQi = Reduce360(k * 0.035200938 + 85.92762053);
    apogee = Reduce360(k * 0.111365843 + 193.110485);
}

int MAstroCalc::MotionState(int star, const TDateRec& beijing) {
    if (star < 0 || star >= CHART_STAR_COUNT) return 0;
    const int body = STAR_BODY[star];
    if (body == 0 || body > 7) return 0;
    return MotionOfStations(stations_.Get(body, beijing.year - 3), BeijingJd(beijing));
}

}  // namespace tavrel
