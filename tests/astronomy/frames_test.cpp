#include "astronomy/frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astronomy/constants.h"
#include "astronomy/nutation.h"
#include "astronomy/precession.h"

namespace tavrel {
namespace {

constexpr double kArcsec = 1 / RAD_ARCSEC;
// atan2 answers in the machine's pi, while NormAngle adds the eight-decimal TWO_PI to negative
// angles: a longitude that passes through the negative side comes back up to 7.2e-9 rad (0.0015″)
// short.
constexpr double kPi = std::numbers::pi;
constexpr double kTurnSlack = 1e-8;

TEST(Frames, SphericalAndRectangularRoundTrip) {
    const TSpherical s{5.5, -0.3, 12.25};
    const TSpherical back = RectToSph(SphToRect(s));
    EXPECT_NEAR(back.lon, s.lon, kTurnSlack);
    EXPECT_NEAR(back.lat, s.lat, 1e-14);
    EXPECT_NEAR(back.r, s.r, 1e-12);
    const TSpherical zero = RectToSph({0, 0, 0});
    EXPECT_EQ(zero.lon, 0);
    EXPECT_EQ(zero.lat, 0);
    EXPECT_EQ(zero.r, 0);
}

TEST(Frames, RotationToTheEquatorAndBack) {
    const double e = Obliquity(0);
    const TSpherical solstice = RotateFrame({kPi / 2, 0, 1}, e);
    EXPECT_NEAR(solstice.lon, kPi / 2, 1e-12);
    EXPECT_NEAR(solstice.lat, e, 1e-12);
    for (const TSpherical s :
         {TSpherical{0.2, 0.1, 1}, TSpherical{4, -1.2, 2}, TSpherical{3.1, 1.5, 3}}) {
        const TSpherical back = RotateFrame(RotateFrame(s, e), -e);
        EXPECT_NEAR(back.lon, s.lon, kTurnSlack);
        EXPECT_NEAR(back.lat, s.lat, kTurnSlack);
        EXPECT_EQ(back.r, s.r);
    }
    // The ecliptic's north pole lies at right ascension 18h on the equator's side.
    const TSpherical pole = RotateFrame({0, kPi / 2, 1}, e);
    EXPECT_NEAR(pole.lon, TWO_PI - kPi / 2, 1e-12);
    EXPECT_NEAR(pole.lat, kPi / 2 - e, 1e-12);
}

TEST(Frames, GeocentricFromHeliocentric) {
    // The Sun seen from an Earth at heliocentric longitude 10° lies at 190°.
    const TSpherical sun = HelioToGeo({0, 0, 0}, {10 / RAD_DEG, 0, 1});
    EXPECT_NEAR(sun.lon * RAD_DEG, 190, 1e-6);
    EXPECT_NEAR(sun.r, 1, 1e-15);
}

TEST(Obliquity, AtJ2000AndItsDrift) {
    EXPECT_NEAR(Obliquity(0) * RAD_ARCSEC, 84381.406, 1e-9);
    EXPECT_NEAR((Obliquity(1) - Obliquity(0)) * RAD_ARCSEC, -46.8349, 1e-3);
}

TEST(Nutation, TenTermsAgreeWithTheFullTheoryToAFewHundredths) {
    // 1987-04-10 0h TT; the full IAU 1980 theory gives Δψ = −3.788″, Δε = +9.443″.
    const double t = (2446895.5 - 2451545) / 36525;
    const NutationAngles n = Nutation(t);
    EXPECT_NEAR(n.longitude / kArcsec, -3.788, 0.05);
    EXPECT_NEAR(n.obliquity / kArcsec, 9.443, 0.05);
    EXPECT_EQ(NutationLongitude(t), n.longitude);
}

TEST(Precession, ModelsByNameWithCaseIgnored) {
    const double fi = Precession(1, "fi", "P03") * RAD_ARCSEC;
    EXPECT_NEAR(fi, 5038.481507 - 1.0790069 - 0.00114045 + 0.000132851 - 9.51e-8, 1e-9);
    EXPECT_EQ(Precession(1.7, "fi", "p03"), Precession(1.7, "fi", "P03"));
    EXPECT_EQ(Precession(1.7, "E", "iau1976"), Precession(1.7, "E", "IAU1976"));
    EXPECT_NEAR(Precession(0, "w", "IAU1976") * RAD_ARCSEC, 84381.448, 1e-9);
    EXPECT_NEAR(Precession(1, "Z", "IAU2000") * RAD_ARCSEC,
                2306.0809506 + 2.5976176 + 0.3019015 + 0.0179663 - 0.0000327 - 0.0000002, 1e-9);
    EXPECT_EQ(Precession(1, "fi", "IAU1980"), 0);
    EXPECT_EQ(Precession(1, "psi", "P03"), 0);
    EXPECT_EQ(Precession(1, "FI", "P03"), 0);  // quantity names are exact
}

// Rigorous ecliptic precession by the angles of the ecliptic alone (η = π_A, Π_A, p_A), the
// classical independent route to the same result.
TSpherical EclipticPrecessionByPoleAngles(double t, const TSpherical& s) {
    const double eta = Precession(t, "pi", "P03");
    const double bigPi = Precession(t, "II", "P03");
    const double p = Precession(t, "p", "P03");
    const double a =
        std::cos(eta) * std::cos(s.lat) * std::sin(bigPi - s.lon) - std::sin(eta) * std::sin(s.lat);
    const double b = std::cos(s.lat) * std::cos(bigPi - s.lon);
    const double c =
        std::cos(eta) * std::sin(s.lat) + std::sin(eta) * std::cos(s.lat) * std::sin(bigPi - s.lon);
    return {p + bigPi - std::atan2(a, b), std::asin(c), s.r};
}

TEST(Precession, EclipticJ2000ToDateMatchesThePoleAngleRoute) {
    for (const double t : {-4.0, -1.0, 0.5, 2.0}) {
        for (const TSpherical s :
             {TSpherical{0, 0, 30}, TSpherical{2, 0.3, 40}, TSpherical{4.5, -0.2, 35}}) {
            const TSpherical a = EclipticJ2000ToDate(t, s);
            const TSpherical b = EclipticPrecessionByPoleAngles(t, s);
            EXPECT_NEAR(std::remainder(a.lon - b.lon, TWO_PI) / kArcsec, 0, 0.01) << t;
            EXPECT_NEAR((a.lat - b.lat) / kArcsec, 0, 0.01) << t;
            EXPECT_EQ(a.r, s.r);
        }
    }
    const TSpherical same = EclipticJ2000ToDate(0, {1, 0.5, 1});
    EXPECT_NEAR(same.lon, 1, 1e-15);
    EXPECT_NEAR(same.lat, 0.5, 1e-15);
}

}  // namespace
}  // namespace tavrel
