#!/usr/bin/env python3
"""Writes the Moon series table and the Moon reference extract.

Source: the lunar solution ELP/MPP02 (Chapront & Francou 2003): main problem and
perturbations, with the constants fitted to DE405 and the additive corrections to the secular
terms that keep it close to DE406.

Every term's argument polynomial (up to t^4) is expanded into A cos(phi + w t + c2 t^2/1e4 +
c3 t^3/1e8 + c4 t^4/1e8), main problem and perturbations of one power of t are merged and
sorted by amplitude and cut at the kept counts. The mean longitude W1 and the precession in
longitude are not stored: the evaluator adds them. Prints the amplitude sums it drops, checks
the full series against the published check positions, and compares the kept terms with the
full series over 1600-2200.

usage: gen_moon_table.py ELPMPP02_FOLDER REPO_ROOT
"""

import math
import sys
from pathlib import Path

import numpy as np

SEC = math.pi / 648000  # radians per arcsecond

# Terms kept per coordinate (longitude, latitude, distance) and power of t 0 … 3.
KEPT = [[442, 149, 34, 2], [206, 45, 12, 0], [221, 52, 12, 0]]
SLOT = 2660
END_MARK = 900000

# Corrections of ELP/MPP02(405) and the secular additions (arcsec, per century powers).
DW1 = [-0.07008, -0.35106, -0.03743, -0.00018865, -0.00001024]
DW2 = [0.20794, 0.08017, 0.00470602, -0.00025213, 0]
DW3 = [-0.07215, -0.04317, -0.00261070, -0.00010712, 0]
D_GAMMA, D_E, D_EART0, D_EART1, D_PERI, D_EP = 0.00085, -0.00006, -0.00033, 0.00732, -0.00749, 0.00224

AM = 0.074801329  # n' / nu
ALPHA = 0.002571881  # a0 / a'
RA0 = 384747.961370173 / 384747.980674318
# Derivatives of the perigee and node mean motions (ELP/MPP02 table 5), j = nu, Gamma, E, e', n'.
BP = [[0.311079095, -0.103837907], [-0.004482398, 0.000668287], [-0.001102485, -0.001298072],
      [0.001056062, -0.000178028], [0.000050928, -0.000037342]]


def dms(d, m, s):
    return (d * 60 + m) * 60 + s


def arguments():
    """Polynomials (arcsec, powers 0 … 4) of D, F, l, l', Me, V, T, Ma, J, S, U, N, zeta and W1."""
    w1 = [dms(218, 18, 59.95571), 1732559343.73604, -6.8084, 0.006604, -0.00003169]
    w2 = [dms(83, 21, 11.67475), 14643420.3171, -38.2631, -0.045047, 0.00021301]
    w3 = [dms(125, 2, 40.39816), -6967919.5383, 6.3590, 0.007625, -0.00003586]
    ea = [dms(100, 27, 59.13885), 129597742.2930, -0.0202, 0.000009, 0.00000015]
    peri = [dms(102, 56, 14.45766), 1161.24342, 0.529265, -0.00011814, 0.000011379]
    nu = w1[1]
    # Corrections to the perigee and node mean motions implied by the fitted constants.
    x2, x3 = w2[1] / nu, w3[1] / nu
    y2 = AM * BP[0][0] + 2 * ALPHA / 3 * BP[4][0]
    y3 = AM * BP[0][1] + 2 * ALPHA / 3 * BP[4][1]
    dw2 = ((x2 - y2) * DW1[1] + y2 / AM * D_EART1 +
           nu * (BP[1][0] * D_GAMMA + BP[2][0] * D_E + BP[3][0] * D_EP) * SEC)
    dw3 = ((x3 - y3) * DW1[1] + y3 / AM * D_EART1 +
           nu * (BP[1][1] * D_GAMMA + BP[2][1] * D_E + BP[3][1] * D_EP) * SEC)
    w1 = [a + d for a, d in zip(w1, DW1)]
    w2 = [a + d for a, d in zip(w2, DW2)]
    w3 = [a + d for a, d in zip(w3, DW3)]
    w2[1] += dw2
    w3[1] += dw3
    ea[0] += D_EART0
    ea[1] += D_EART1
    peri[0] += D_PERI

    def sub(a, b):
        return [x - y for x, y in zip(a, b)]

    d = sub(w1, ea)
    d[0] += 180 * 3600
    planets = [
        [dms(252, 15, 3.216919), 538101628.68888],
        [dms(181, 58, 44.758419), 210664136.45777],
        [dms(100, 27, 59.13885), 129597742.29300],
        [dms(355, 26, 3.642778), 68905077.65936],
        [dms(34, 21, 5.379392), 10925660.57335],
        [dms(50, 4, 38.902495), 4399609.33632],
        [dms(314, 3, 4.354234), 1542482.57845],
        [dms(304, 20, 56.808371), 786547.89700],
    ]
    planets = [p + [0, 0, 0] for p in planets]
    zeta = list(w1)
    zeta[1] += 5029.0966 - 0.29965
    args = [d, sub(w1, w3), sub(w1, w2), sub(ea, peri)] + planets + [zeta]
    w1 = np.array(w1) * SEC
    return np.array(args) * SEC, lambda t: np.polyval(w1[::-1], t)


def main_factors():
    """Factors of the main-problem amplitude corrections: (fA, fB1 … fB5)."""
    nu = 1732559343.73604 + DW1[1]
    delta_nu = 0.55604 + DW1[1]
    delta_gamma = -0.08066 + D_GAMMA
    delta_e = 0.01789 + D_E
    delta_ep = -0.12879 + D_EP
    delta_np = -0.0642 + D_EART1
    fa = 1 - 2 * delta_nu / (3 * nu)
    fb = [(delta_np - AM * delta_nu) / nu, delta_gamma * SEC, delta_e * SEC, delta_ep * SEC,
          2 * ALPHA / (3 * AM * nu) * (delta_np - AM * delta_nu)]
    return fa, fb


def read_main(path, coordinate):
    """[(A, [i1..i4], kind)] where kind 'sin' or 'cos'; A in arcsec or km."""
    fa, fb = main_factors()
    terms = []
    lines = path.read_text().splitlines()[1:]
    for line in lines:
        if not line.strip():
            continue
        idx = [int(line[k * 3:k * 3 + 3]) for k in range(4)]
        a = float(line[14:27])
        b = [float(line[27 + 12 * j:39 + 12 * j]) for j in range(6)]
        if coordinate == 2:
            a = fa * a + sum(f * bj for f, bj in zip(fb, b[:5]))
            terms.append((a * RA0, idx + [0] * 9, 0.0, "cos"))
        else:
            a = a + sum(f * bj for f, bj in zip(fb, b[:5]))
            terms.append((a, idx + [0] * 9, 0.0, "sin"))
    return terms


def read_pert(path, coordinate):
    """{power: [(A, [i1..i13], theta, 'sin')]}: S sin + C cos folded into A sin(phi + theta)."""
    groups = {}
    power = None
    for line in path.read_text().splitlines():
        if not line.strip():
            continue
        if line.startswith("PERTURBATIONS"):
            power = int(line.split()[-1])
            groups[power] = []
            continue
        s = float(line[5:25].replace("D", "E"))
        c = float(line[25:45].replace("D", "E"))
        idx = [int(line[45 + 3 * k:48 + 3 * k]) for k in range(13)]
        a = math.hypot(s, c)
        theta = math.atan2(c, s)
        if coordinate == 2:
            a *= RA0
        groups[power].append((a, idx, theta, "sin"))
    return groups


def cosine_terms(terms, args):
    """Rows (A, phi, w, c2, c3, c4) with A > 0: the polynomial of each argument combination."""
    if not terms:
        return []
    idx = np.array([t[1] for t in terms], dtype=float)
    poly = idx @ args  # radians, powers 0 … 4
    rows = []
    for (a, _, theta, kind), p in zip(terms, poly):
        phase = p[0] + theta - (math.pi / 2 if kind == "sin" else 0)
        if a < 0:
            a, phase = -a, phase + math.pi
        rows.append((a, phase % (2 * math.pi), p[1], p[2] * 1e4, p[3] * 1e8, p[4] * 1e8))
    return rows


def evaluate(rows, t):
    """Sum of rows (A, phi, w, c2, c3, c4) at the times t (array), in blocks to bound memory."""
    if not rows:
        return np.zeros_like(t)
    r = np.array(rows)
    out = []
    for block in np.array_split(t, max(1, len(t) // 500)):
        arg = (r[:, 1:2] + r[:, 2:3] * block + r[:, 3:4] * block**2 / 1e4 +
               r[:, 4:5] * block**3 / 1e8 + r[:, 5:6] * block**4 / 1e8)
        out.append((r[:, 0:1] * np.cos(arg)).sum(axis=0))
    return np.concatenate(out)


def table_mean_longitude(t):
    """The mean longitude W1 the evaluator adds, radians."""
    return (3.81034409 + 8399.684730072 * t - 3.319e-5 * t**2 + 3.11e-8 * t**3 -
            2.033e-10 * t**4)


def coordinates(series, w1, t, precession):
    """Longitude of date and latitude (radians), distance (km) from the series at times t; w1
    is the mean longitude as a function of t."""
    out = []
    for c in range(3):
        v = sum(evaluate(series[c][p], t) * t**p for p in range(4))
        out.append(v)
    lon = w1(t) + out[0] * SEC + precession(t) * SEC
    return lon, out[1] * SEC, out[2]


def elp_precession(t):
    """Precession in longitude of ELP/MPP02 (Laskar, with the Herring correction), arcsec."""
    return (5029.0966 - 0.29965) * t + 1.1120 * t**2 + 0.000077 * t**3 - 0.00002353 * t**4


def table_precession(t):
    """The precession term the evaluator adds, arcsec."""
    return (5028.792262 * t + 1.1124406 * t**2 + 0.00007699 * t**3 - 0.000023479 * t**4 -
            0.0000000178 * t**5)


def j2000_rectangular(series, w1, t):
    """ELP/MPP02 X, Y, Z (km), inertial mean ecliptic and equinox of J2000."""
    v, u, r = coordinates(series, w1, t, lambda x: 0 * x)
    p = (0.10180391e-4 * t + 0.47020439e-6 * t**2 - 0.5417367e-9 * t**3 -
         0.2507948e-11 * t**4 + 0.463486e-14 * t**5)
    q = (-0.113469002e-3 * t + 0.12372674e-6 * t**2 + 0.1265417e-8 * t**3 -
         0.1371808e-11 * t**4 - 0.320334e-14 * t**5)
    x1, y1, z1 = r * np.cos(v) * np.cos(u), r * np.sin(v) * np.cos(u), r * np.sin(u)
    s = np.sqrt(1 - p * p - q * q)
    x = (1 - 2 * p * p) * x1 + 2 * p * q * y1 + 2 * p * s * z1
    y = 2 * p * q * x1 + (1 - 2 * q * q) * y1 - 2 * q * s * z1
    z = -2 * p * s * x1 + 2 * q * s * y1 + (1 - 2 * p * p - 2 * q * q) * z1
    return x, y, z


# ELP/MPP02(405) check positions of the published note (km, J2000 ecliptic).
CHECKS = [
    (2500000.5, 274034.59103, 252067.53689, -18998.75519),
    (2300000.5, 353104.31359, -195254.11808, 34943.54592),
    (2100000.5, -19851.27674, -385646.17717, -27597.66134),
    (1900000.5, -370342.79254, -37574.25533, -4527.91840),
    (1700000.5, -164673.04720, 367791.71329, 31603.98027),
]


def write_table(repo, kept):
    h = repo / "src/astronomy/tables/moon_table.h"
    h.write_text("""\
#pragma once

// Generated by tools/gen_moon_table.py from ELP/MPP02; do not edit.

namespace tavrel {

// Doubles per series in MoonSeries.
inline constexpr int MOON_SERIES_SLOT = 2660;

// Per coordinate (longitude, latitude in arcseconds; distance in km) and power p = 0 … 3 of t:
// terms (A, phase, w, c2, c3, c4) meaning A cos(phase + w t + c2 t^2/1e4 + c3 t^3/1e8 +
// c4 t^4/1e8), largest first, followed by the marker 900000.
extern const double MoonSeries[3][4][MOON_SERIES_SLOT];

// Length in doubles of each series of MoonSeries.
extern const int MoonSeriesLength[3][4];

}  // namespace tavrel
""")
    out = ["// Generated by tools/gen_moon_table.py from ELP/MPP02; do not edit.", "",
           '#include "astronomy/tables/moon_table.h"', "", "namespace tavrel {", "",
           "// clang-format off", "const double MoonSeries[3][4][MOON_SERIES_SLOT] = {"]
    names = ["longitude", "latitude", "distance"]
    for c in range(3):
        out.append(f"    {{  // {names[c]}")
        for p in range(4):
            out.append(f"        {{  // t^{p}")
            for row in kept[c][p]:
                out.append("            " + ", ".join(f"{v:.15g}" for v in row) + ",")
            out.append(f"            {END_MARK},")
            out.append("        },")
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("const int MoonSeriesLength[3][4] = {")
    for c in range(3):
        out.append("    {" + ", ".join(str(6 * len(kept[c][p])) for p in range(4)) + "},")
    out += ["};", "// clang-format on", "", "}  // namespace tavrel", ""]
    (repo / "src/astronomy/tables/moon_table.cpp").write_text("\n".join(out))


def write_reference(repo, t, lon, lat, dist):
    out = ["#pragma once", "",
           "// Generated by tools/gen_moon_table.py: the Moon from the full ELP/MPP02(405) series",
           "// (all 35901 terms), longitude referred to the mean equinox of date by the precession",
           "// of ELP/MPP02, at dates spread over 1600-2200 and a few outside.", "",
           "namespace tavrel::testing {", "", "struct MoonReference {",
           "    double t;    // Julian centuries from J2000 (TDB)",
           "    double lon;  // radians, not reduced", "    double lat;  // radians",
           "    double r;    // km", "};", "", "// clang-format off",
           "inline constexpr MoonReference MOON_REFERENCE[] = {"]
    for row in zip(t, lon, lat, dist):
        out.append("    {" + ", ".join(repr(float(v)) for v in row) + "},")
    out += ["};", "// clang-format on", "", "}  // namespace tavrel::testing", ""]
    (repo / "tests/data/moon_reference.h").write_text("\n".join(out))


def main():
    source, repo = Path(sys.argv[1]), Path(sys.argv[2])
    args, w1 = arguments()
    files = ["S1", "S2", "S3"]
    series = []
    for c in range(3):
        main_terms = read_main(source / f"ELP_MAIN.{files[c]}", c)
        pert = read_pert(source / f"ELP_PERT.{files[c]}", c)
        per_power = []
        for p in range(4):
            terms = pert.get(p, []) + (main_terms if p == 0 else [])
            rows = cosine_terms(terms, args)
            rows.sort(key=lambda r: -r[0])
            per_power.append(rows)
        assert max(pert) <= 3
        series.append(per_power)

    print("check positions of ELP/MPP02(405), full series - published (km):")
    t = np.array([(c[0] - 2451545.0) / 36525 for c in CHECKS])
    x, y, z = j2000_rectangular(series, w1, t)
    for k, c in enumerate(CHECKS):
        d = (x[k] - c[1], y[k] - c[2], z[k] - c[3])
        print(f"  JD{c[0]}: {d[0]:+.5f} {d[1]:+.5f} {d[2]:+.5f}")
        assert max(abs(v) for v in d) < 1e-3, c

    kept = [[series[c][p][:KEPT[c][p]] for p in range(4)] for c in range(3)]
    assert all(len(kept[c][p]) == KEPT[c][p] for c in range(3) for p in range(4))
    assert all(6 * len(kept[c][p]) + 1 <= SLOT for c in range(3) for p in range(4))
    print("dropped amplitude sums per power (arcsec, arcsec, km):")
    for c, name in enumerate(["longitude", "latitude", "distance"]):
        sums = [sum(r[0] for r in series[c][p][KEPT[c][p]:]) for p in range(4)]
        print(f"  {name:9s}: " + " ".join(f"{s:10.3f}" for s in sums))
    write_table(repo, kept)

    # Kept terms (with the evaluator's precession) against the full series (with ELP's).
    rng = np.random.default_rng(20240506)
    span = rng.uniform(-4, 2, 20000)
    full = coordinates(series, w1, span, elp_precession)
    trunc = coordinates(kept, table_mean_longitude, span, table_precession)
    print("kept terms - full series over 1600-2200 (20000 dates): max / rms")
    for k, name, scale in ((0, "longitude", 1 / SEC), (1, "latitude", 1 / SEC),
                           (2, "distance km", 1)):
        d = (trunc[k] - full[k]) * scale
        print(f"  {name:11s}: {np.abs(d).max():.3f} / {np.sqrt((d * d).mean()):.3f}")

    ref_t = np.concatenate([np.linspace(-4, 2, 37), [-10, -6, 5, 10.5]])
    lon, lat, dist = coordinates(series, w1, ref_t, elp_precession)
    write_reference(repo, ref_t, lon, lat, dist)


if __name__ == "__main__":
    main()
