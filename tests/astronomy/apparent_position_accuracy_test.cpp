// Apparent positions against the Swiss Ephemeris (JPL DE431 files from 1800, Moshier's analytical
// ephemeris before), both at the same TT: geocentric ecliptic of date with nutation, aberration
// and light time.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "astronomy/apparent_position.h"
#include "astronomy/delta_t.h"
#include "astronomy/frames.h"
#include "astronomy/helio_coords.h"
#include "astronomy/moon_series.h"
#include "astronomy/pluto_series.h"

namespace tavrel {
namespace {

constexpr double kJ2000 = 2451545;
constexpr double kJd1600 = 2305447.5;
constexpr double kJd2200 = 2524593.5;
constexpr int kInstants = 3600;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// Spans of the figures: 1600–1700, 1700–1800, 1800–2100, 2100–2200.
constexpr double kSpanEdges[] = {2305447.5, 2341972.5, 2378496.5, 2488069.5, 2524593.5};
constexpr int kSpans = 4;
const char* const kSpanNames[kSpans] = {"1600-1700", "1700-1800", "1800-2100", "2100-2200"};

struct BodyCase {
    const char* name;
    int body;              // ApparentPosition's number
    int sweBody;           // the Swiss Ephemeris's number
    double limit[kSpans];  // arcseconds, per span
};

// Uranus before 1700 and Neptune before 1800 miss the 5″ goal: VSOP87D itself, fitted to DE200,
// is 4.0″ (Uranus) and 9.2″ (Neptune) from the reference at 1600 and Neptune 4.3″ at 1800 with
// every term (its published check values); the kept terms add up to 2.5″. Their limits are the
// measured misses rounded up, so that a change for the worse still shows.
const BodyCase kBodies[] = {
    {"Sun", BODY_SUN, SE_SUN, {2, 2, 2, 2}},   {"Moon", BODY_MOON, SE_MOON, {10, 10, 10, 10}},
    {"Mercury", 1, SE_MERCURY, {5, 5, 5, 5}},  {"Venus", 2, SE_VENUS, {5, 5, 5, 5}},
    {"Mars", 3, SE_MARS, {5, 5, 5, 5}},        {"Jupiter", 4, SE_JUPITER, {5, 5, 5, 5}},
    {"Saturn", 5, SE_SATURN, {5, 5, 5, 5}},    {"Uranus", 6, SE_URANUS, {7.5, 5, 5, 5}},
    {"Neptune", 7, SE_NEPTUNE, {10, 8, 5, 5}}, {"Pluto", 8, SE_PLUTO, {60, 10, 10, 60}},
};

struct Figures {
    double maxLon = 0;
    double maxLat = 0;
    double sumLon2 = 0;
    double sumLat2 = 0;
    double worstJd = 0;
    int count = 0;

    void Add(double dLon, double dLat, double jd) {
        if (std::abs(dLon) > maxLon) worstJd = jd;
        maxLon = std::max(maxLon, std::abs(dLon));
        maxLat = std::max(maxLat, std::abs(dLat));
        sumLon2 += dLon * dLon;
        sumLat2 += dLat * dLat;
        ++count;
    }
    double RmsLon() const { return count ? std::sqrt(sumLon2 / count) : 0; }
    double RmsLat() const { return count ? std::sqrt(sumLat2 / count) : 0; }
};

class SwissEphemeris : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char path[] = "/usr/share/libswe/ephe";
        swe_set_ephe_path(path);
    }
    static void TearDownTestSuite() { swe_close(); }
};

// Instants spread evenly over 1600–2200 with a scrambled time of day.
double InstantTt(int i) {
    const double step = (kJd2200 - kJd1600) / kInstants;
    const double scramble = std::fmod(i * 0.6180339887498949, 1.0);
    return kJd1600 + (i + scramble) * step;
}

int SpanOf(double jd) {
    for (int s = 0; s < kSpans; ++s) {
        if (jd < kSpanEdges[s + 1]) return s;
    }
    return kSpans - 1;
}

TEST_F(SwissEphemeris, ApparentPositionsOver1600To2200) {
    Figures figures[std::size(kBodies)][kSpans];
    char error[AS_MAXCH];
    for (int i = 0; i < kInstants; ++i) {
        const double jdTt = InstantTt(i);
        // ApparentPosition takes UT and adds DeltaT; this UT gives back the same TT to well
        // under a millisecond.
        const double dTt = jdTt - kJ2000;
        const double dUt = dTt - DeltaT(dTt);
        const double jdUsed = kJ2000 + dUt + DeltaT(dUt);
        for (std::size_t b = 0; b < std::size(kBodies); ++b) {
            double lon = 0;
            double lat = 0;
            ASSERT_TRUE(ApparentPosition(kBodies[b].body, dUt, lon, lat));
            double reference[6];
            ASSERT_GE(swe_calc(jdUsed, kBodies[b].sweBody, SEFLG_SWIEPH, reference, error), 0)
                << error;
            const double dLon = std::remainder(lon - reference[0], 360.0) * 3600;
            const double dLat = (lat - reference[1]) * 3600;
            figures[b][SpanOf(jdTt)].Add(dLon, dLat, jdTt);
        }
    }

    std::printf("\n%-8s %-10s %9s %9s %9s %9s %13s\n", "body", "span", "max dLon", "rms dLon",
                "max dLat", "rms dLat", "worst at JD");
    for (std::size_t b = 0; b < std::size(kBodies); ++b) {
        const BodyCase& body = kBodies[b];
        for (int s = 0; s < kSpans; ++s) {
            const Figures& f = figures[b][s];
            std::printf("%-8s %-10s %8.3f\" %8.3f\" %8.3f\" %8.3f\" %13.2f\n", body.name,
                        kSpanNames[s], f.maxLon, f.RmsLon(), f.maxLat, f.RmsLat(), f.worstJd);
            EXPECT_LE(f.maxLon, body.limit[s]) << body.name << ' ' << kSpanNames[s];
            EXPECT_LE(f.maxLat, body.limit[s]) << body.name << ' ' << kSpanNames[s];
        }
    }
}

// Where a miss comes from: the series alone, before light time, aberration and nutation.
// Heliocentric of date for the planets (the Earth included), geocentric of date for the Moon,
// heliocentric J2000 for Pluto's own series. Printed for diagnosis; the limits apply to the
// apparent positions above.
TEST_F(SwissEphemeris, GeometricSeriesOver1600To2200) {
    constexpr int kSamples = 1200;
    struct Geometric {
        const char* name;
        int body;  // HelioCoords's number; 10 for the Moon
        int sweBody;
        int sweFlags;
    };
    const int helio = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT;
    const Geometric bodies[] = {
        {"Earth", 0, SE_EARTH, helio},
        {"Mercury", 1, SE_MERCURY, helio},
        {"Venus", 2, SE_VENUS, helio},
        {"Mars", 3, SE_MARS, helio},
        {"Jupiter", 4, SE_JUPITER, helio},
        {"Saturn", 5, SE_SATURN, helio},
        {"Uranus", 6, SE_URANUS, helio},
        {"Neptune", 7, SE_NEPTUNE, helio},
        {"Pluto", 8, SE_PLUTO, helio | SEFLG_J2000},
        {"Moon", 10, SE_MOON,
         SEFLG_SWIEPH | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR | SEFLG_NOGDEFL},
    };
    char error[AS_MAXCH];
    std::printf("\n%-8s %-10s %9s %9s %9s (geometric)\n", "body", "span", "max dLon", "rms dLon",
                "max dLat");
    for (const Geometric& body : bodies) {
        Figures figures[kSpans];
        for (int i = 0; i < kSamples; ++i) {
            const double jd = kJd1600 + (i + 0.5) * (kJd2200 - kJd1600) / kSamples;
            const double t = (jd - kJ2000) / 36525;
            double lon = 0;
            double lat = 0;
            if (body.body == 10) {
                lon = MoonCoord(0, t, -1);
                lat = MoonCoord(1, t, -1);
            } else if (body.body == 8) {
                const TSpherical p = RectToSph(PlutoCoord(t));
                lon = p.lon;
                lat = p.lat;
            } else {
                const TSpherical p = HelioCoords(body.body, t, -1, -1, -1);
                lon = p.lon;
                lat = p.lat;
            }
            double reference[6];
            ASSERT_GE(swe_calc(jd, body.sweBody, body.sweFlags, reference, error), 0) << error;
            // The series' radians are true radians; the longitudes may be many turns out.
            const double dLon =
                std::remainder(lon * kDegreesPerRadian - reference[0], 360.0) * 3600;
            const double dLat = (lat * kDegreesPerRadian - reference[1]) * 3600;
            figures[SpanOf(jd)].Add(dLon, dLat, jd);
        }
        for (int s = 0; s < kSpans; ++s) {
            const Figures& f = figures[s];
            std::printf("%-8s %-10s %8.3f\" %8.3f\" %8.3f\"\n", body.name, kSpanNames[s], f.maxLon,
                        f.RmsLon(), f.maxLat);
        }
    }
}

}  // namespace
}  // namespace tavrel
