#include "astronomy/planet_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astronomy/constants.h"
#include "astronomy/tables/planet_tables.h"
#include "data/planet_checks.h"

namespace tavrel {
namespace {

struct Term {
    double a, phase, frequency;
};

// Term k (from 0) of series (coordinate, power) of a body, read from the flat table.
Term TableTerm(int body, int coordinate, int power, int k) {
    const int start = PlanetSeriesOffsets[body][coordinate * 6 + power] + 3 * k;
    const double* t = PlanetSeries[body] + start;
    return {t[0], t[1], t[2]};
}

int SeriesTerms(int body, int coordinate, int power) {
    const int* o = PlanetSeriesOffsets[body] + coordinate * 6;
    return (o[power + 1] - o[power]) / 3;
}

TEST(PlanetTables, HoldTheLeadingTermsInPublishedOrder) {
    struct Row {
        int body, coordinate, power, k;
        Term term;
    };
    const Row rows[] = {
        {0, 0, 0, 0, {17534704567, 0, 0}},
        {0, 0, 0, 1, {334165646, 4.669256804, 6283.075849991}},
        {0, 0, 0, 2, {3489428, 4.6261024, 12566.1517}},
        {0, 0, 1, 0, {62833196674749, 0, 0}},
        {0, 1, 0, 0, {27962, 3.1987, 84334.66158}},
        {0, 2, 0, 0, {10001398880, 0, 0}},
        {0, 2, 0, 1, {167069963, 3.098463508, 6283.075849991}},
        {1, 0, 0, 0, {4402507101, 0, 0}},
        {1, 0, 0, 1, {409894150, 1.483020342, 26087.903141574}},
        {1, 0, 1, 0, {26088147062227, 0, 0}},
        {4, 0, 0, 0, {59954691, 0, 0}},
        {4, 0, 0, 1, {9695899, 5.0619179, 529.6909651}},
        {7, 0, 0, 0, {531188633, 0, 0}},
    };
    for (const Row& r : rows) {
        const Term t = TableTerm(r.body, r.coordinate, r.power, r.k);
        EXPECT_EQ(t.a, r.term.a) << r.body << ' ' << r.coordinate << ' ' << r.power << ' ' << r.k;
        EXPECT_EQ(t.phase, r.term.phase) << r.body << ' ' << r.coordinate << ' ' << r.power;
        EXPECT_EQ(t.frequency, r.term.frequency) << r.body << ' ' << r.coordinate;
    }
    const double divisors[8] = {1e10, 1e9, 1e9, 1e9, 1e8, 1e8, 1e8, 1e8};
    for (int body = 0; body < 8; ++body) {
        EXPECT_EQ(PlanetSeries[body][0], divisors[body]);
        EXPECT_EQ(PlanetSeries[body][1], 20);
        for (int i = 1; i <= 19; ++i)
            EXPECT_EQ(PlanetSeries[body][i], PlanetSeriesOffsets[body][i - 1]);
        EXPECT_LE(PlanetSeriesOffsets[body][18], PLANET_SERIES_SLOT);
    }
    EXPECT_EQ(SeriesTerms(0, 0, 0), 186);
    EXPECT_EQ(SeriesTerms(5, 2, 0), 355);
    EXPECT_EQ(SeriesTerms(0, 1, 3), 0);
}

// The model offsets added to the series (frame and fit corrections), in the unit of the result.
double ModelOffset(int body, int coordinate, double tau) {
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    if (body == 0) {
        const double earth[3] = {
            (-0.0728 - 2.7702 * tau - 1.1019 * tau2 - 0.0996 * tau3) / RAD_ARCSEC,
            (0.0004 * tau + 0.0004 * tau2 - 0.0026 * tau3) / RAD_ARCSEC,
            (-0.0020 + 0.0044 * tau + 0.0213 * tau2 - 0.0250 * tau3) * 1e-6};
        return earth[coordinate];
    }
    const double k[7][3] = {{-0.08631, 0.00039, -0.00008},  {-0.07447, 0.00006, 0.00017},
                            {-0.07135, -0.00026, -0.00176}, {-0.20239, 0.00273, -0.00347},
                            {-0.25486, 0.00276, 0.42926},   {0.24588, 0.00345, -14.46266},
                            {-0.95116, 0.02481, 58.30651}};
    const double c = k[body - 1][coordinate];
    if (coordinate == 2) return c * 1e-6;
    return (coordinate == 0 ? -3 * tau : 0) / RAD_ARCSEC + c / RAD_ARCSEC;
}

TEST(PlanetCoord, AgreesWithTheFullSeriesWithinTheDroppedAmplitudes) {
    // Ten dates from 1100 to 2000 per planet; the bound is the sum of every dropped amplitude.
    for (const testing::PlanetCheck& check : testing::PLANET_CHECKS) {
        const double t = (check.jd - 2451545.0) / 36525;
        for (int c = 0; c < 3; ++c) {
            double diff = PlanetCoord(check.body, c, t, -1) - check.value[c] -
                          ModelOffset(check.body, c, t / 10);
            if (c == 0) diff = std::remainder(diff, 2 * std::numbers::pi);
            EXPECT_LE(std::abs(diff), check.bound[c] + 1e-9)
                << "body " << check.body << " coordinate " << c << " JD " << check.jd;
        }
    }
}

// The sum over the first counts[p] terms of each series, evaluated from the table itself.
double SumOfLeadingTerms(int body, int coordinate, double t, const int (&counts)[6]) {
    const double tau = t / 10;
    double v = 0;
    for (int p = 0; p < 6; ++p) {
        double s = 0;
        for (int k = 0; k < counts[p]; ++k) {
            const Term term = TableTerm(body, coordinate, p, k);
            s += term.a * std::cos(term.phase + term.frequency * tau);
        }
        v += s * std::pow(tau, p);
    }
    return v / PlanetSeries[body][0] + ModelOffset(body, coordinate, tau);
}

TEST(PlanetCoord, CutsEveryPowerInProportionPlusOneTerm) {
    const double t = -2.7;
    struct Case {
        int body, coordinate, n;
        int counts[6];
    };
    const Case cases[] = {
        // The cut is made in doubles: 3 × 8 × 114 / 186 + 0.5 → 15 doubles, five terms, plus
        // one; for power 3, 3 × 8 × 8 / 186 + 0.5 → 1 double still takes a whole term.
        {0, 0, 8, {8, 6, 4, 2, 2, 2}},
        // No term of the constant series, one of each higher series; the empty latitude
        // series of powers 3 … 5 take nothing.
        {0, 0, 0, {0, 1, 1, 1, 1, 1}},
        {0, 1, 0, {0, 1, 1, 0, 0, 0}},
        {0, 2, 50, {50, 31, 19, 2, 3, 2}},
        {5, 2, 10, {10, 10, 8, 6, 3, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PlanetCoord(c.body, c.coordinate, t, c.n),
                    SumOfLeadingTerms(c.body, c.coordinate, t, c.counts), 1e-15)
            << c.body << ' ' << c.coordinate << ' ' << c.n;
    }
}

TEST(PlanetCoord, CapsLargeTermCountsAtTheSeriesEnd) {
    for (int body = 0; body < 8; ++body) {
        for (int c = 0; c < 3; ++c) {
            const double all = PlanetCoord(body, c, 0.37, -1);
            EXPECT_EQ(PlanetCoord(body, c, 0.37, 400), all);
            EXPECT_EQ(PlanetCoord(body, c, 0.37, 2147483647), all);
        }
    }
}

TEST(PlanetCoord, GivesZeroForBodiesAndCoordinatesItDoesNotHave) {
    EXPECT_EQ(PlanetCoord(8, 0, 0.1, -1), 0.0);
    EXPECT_EQ(PlanetCoord(-1, 0, 0.1, -1), 0.0);
    EXPECT_EQ(PlanetCoord(3, 3, 0.1, -1), 0.0);
}

TEST(PlanetCoord, GivesNumbersAcrossItsRange) {
    for (double t = -60; t <= 60; t += 0.731) {
        for (int body = 0; body < 8; ++body) {
            ASSERT_TRUE(std::isfinite(PlanetCoord(body, 0, t, -1))) << body << ' ' << t;
            ASSERT_TRUE(std::isfinite(PlanetCoord(body, 1, t, 8))) << body << ' ' << t;
            ASSERT_TRUE(std::isfinite(PlanetCoord(body, 2, t, 0))) << body << ' ' << t;
        }
    }
}

TEST(EarthCoords, CollectsTheThreeCoordinates) {
    const TSpherical e = EarthCoords(0.25, 10, -1, 3);
    EXPECT_EQ(e.lon, PlanetCoord(0, 0, 0.25, 10));
    EXPECT_EQ(e.lat, PlanetCoord(0, 1, 0.25, -1));
    EXPECT_EQ(e.r, PlanetCoord(0, 2, 0.25, 3));
}

}  // namespace
}  // namespace tavrel
