#!/usr/bin/env python3
"""Writes the planet series tables and the planet check extract.

Source: VSOP87, version D (Bretagnon & Francou 1988, CDS catalogue VI/81): heliocentric
spherical coordinates of the planets, mean ecliptic and equinox of date, and its check file
vsop87.chk.

Keeps the leading terms of every series in the published order, amplitudes as integers in
1/divisor, phases and frequencies to as many decimals as the amplitude has digits (3 to 10).
Prints, per series, the sum of the amplitudes it drops.

usage: gen_planet_tables.py VSOP87D_FOLDER REPO_ROOT
"""

import math
import re
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

BODIES = [  # body number order: file suffix, name, divisor
    ("ear", "EARTH", 10**10),
    ("mer", "MERCURY", 10**9),
    ("ven", "VENUS", 10**9),
    ("mar", "MARS", 10**9),
    ("jup", "JUPITER", 10**8),
    ("sat", "SATURN", 10**8),
    ("ura", "URANUS", 10**8),
    ("nep", "NEPTUNE", 10**8),
]

# Terms kept per coordinate (longitude, latitude, radius) and power of time 0 … 5.
KEPT = [
    [[186, 114, 60, 8, 4, 4], [23, 3, 1, 0, 0, 0], [236, 142, 85, 5, 9, 2]],
    [[141, 89, 17, 10, 9, 2], [73, 21, 12, 9, 7, 2], [118, 64, 13, 9, 5, 0]],
    [[79, 39, 17, 4, 4, 3], [36, 21, 4, 4, 4, 1], [87, 37, 14, 3, 1, 0]],
    [[192, 144, 87, 32, 14, 9], [44, 28, 8, 5, 3, 2], [212, 171, 94, 28, 12, 4]],
    [[161, 120, 131, 65, 26, 7], [42, 42, 36, 18, 8, 1], [174, 144, 179, 93, 45, 9]],
    [[262, 200, 180, 77, 35, 17], [68, 63, 47, 32, 15, 6], [355, 324, 242, 157, 64, 28]],
    [[173, 99, 48, 30, 5, 1], [35, 26, 12, 5, 1, 0], [275, 170, 92, 51, 11, 0]],
    [[56, 24, 7, 4, 2, 1], [19, 15, 5, 1, 1, 0], [71, 21, 14, 1, 0, 0]],
]

SLOT = 6600
HEADER_START = 20
ARCSEC = 648000 / math.pi


def read_series(path):
    """{(coordinate, power): [(A, phase, frequency) as decimal strings]} in file order."""
    series = {}
    current = None
    for line in path.read_text().splitlines():
        if "VSOP87" in line:
            m = re.search(r"VARIABLE (\d).*\*T\*\*(\d)\s+(\d+) TERM", line)
            current = (int(m.group(1)) - 1, int(m.group(2)))
            series[current] = []
            expected = int(m.group(3))
            series[current + ("count",)] = expected
            continue
        if line.strip():
            series[current].append((line[79:97].strip(), line[97:111].strip(),
                                    line[111:131].strip()))
    for key in [k for k in series if len(k) == 3]:
        assert len(series[key[:2]]) == series.pop(key), key
    return series


def fixed(text, decimals):
    """The decimal text rounded half up to `decimals` places, trailing zeros dropped."""
    value = Decimal(text).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    out = format(value, "f")
    if "." in out:
        out = out.rstrip("0").rstrip(".")
    if out in ("-0", ""):
        out = "0"
    return out


def table_term(term, divisor):
    amplitude = int(
        (Decimal(term[0]) * divisor).quantize(Decimal(1), rounding=ROUND_HALF_UP))
    decimals = min(10, max(3, len(str(abs(amplitude)))))
    return amplitude, fixed(term[1], decimals), fixed(term[2], decimals)


def build_body(series, kept, divisor):
    """The flat array of one body and the dropped amplitude sums per series."""
    offsets = [HEADER_START]
    terms = []
    dropped = {}
    for c in range(3):
        for p in range(6):
            full = series.get((c, p), [])
            n = kept[c][p]
            assert n <= len(full), (c, p, n, len(full))
            terms.extend(table_term(t, divisor) for t in full[:n])
            offsets.append(offsets[-1] + 3 * n)
            dropped[(c, p)] = sum(abs(float(t[0])) for t in full[n:])
    assert offsets[-1] <= SLOT, offsets[-1]
    return [divisor] + offsets, terms, dropped


def read_checks(path):
    """[(body name, jd, l, b, r)] of the version D block of vsop87.chk."""
    rows = []
    lines = path.read_text().splitlines()
    for i, line in enumerate(lines):
        m = re.match(r"\s*VSOP87D\s+(\w+)\s+JD(\d+\.\d+)", line)
        if m:
            v = re.findall(r"[-+]?\d*\.\d+", lines[i + 1])
            rows.append((m.group(1), float(m.group(2)), float(v[0]), float(v[1]),
                         float(v[2])))
    return rows


def evaluate(header, terms, c, tau):
    """Value of coordinate c from the kept terms, before corrections."""
    divisor, offsets = header[0], header[1:]
    value = 0.0
    power = 1.0
    for p in range(6):
        lo = (offsets[c * 6 + p] - HEADER_START) // 3
        hi = (offsets[c * 6 + p + 1] - HEADER_START) // 3
        value += power * sum(a * math.cos(float(ph) + float(w) * tau)
                             for a, ph, w in terms[lo:hi])
        power *= tau
    return value / divisor


def series_full_value(series, c, tau):
    return sum(
        tau**p * sum(float(a) * math.cos(float(ph) + float(w) * tau)
                     for a, ph, w in series.get((c, p), []))
        for p in range(6))


def truncation_bound(dropped, c, tau):
    return sum(dropped[(c, p)] * abs(tau)**p for p in range(6))


def write_tables(repo, bodies):
    header = repo / "src/astronomy/tables/planet_tables.h"
    header.write_text("""\
#pragma once

// Generated by tools/gen_planet_tables.py from VSOP87 version D; do not edit.

namespace tavrel {

// Doubles per body in PlanetSeries.
inline constexpr int PLANET_SERIES_SLOT = 6600;

// Per body 0 (Earth) … 7 (Neptune): element 0 the amplitude divisor, elements 1 … 19 the
// offsets of the 18 series (coordinate c, power p from element c × 6 + 1 + p), then terms
// (A, phase, frequency) from element 20 on.
extern const double PlanetSeries[8][PLANET_SERIES_SLOT];

// Elements 1 … 19 of each PlanetSeries slot as integers: entry i is element i + 1.
extern const int PlanetSeriesOffsets[8][19];

}  // namespace tavrel
""")
    out = ["// Generated by tools/gen_planet_tables.py from VSOP87 version D; do not edit.",
           "", '#include "astronomy/tables/planet_tables.h"', "", "namespace tavrel {", "",
           "// clang-format off", "const double PlanetSeries[8][PLANET_SERIES_SLOT] = {"]
    for name, head, terms in bodies:
        out.append(f"    {{  // {name.capitalize()}")
        out.append("        " + ", ".join(str(v) for v in head) + ",")
        for a, ph, w in terms:
            out.append(f"        {a}, {ph}, {w},")
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("const int PlanetSeriesOffsets[8][19] = {")
    for name, head, _ in bodies:
        out.append("    {" + ", ".join(str(v) for v in head[1:]) + f"}},  // {name.capitalize()}")
    out += ["};", "// clang-format on", "", "}  // namespace tavrel", ""]
    (repo / "src/astronomy/tables/planet_tables.cpp").write_text("\n".join(out))


def write_checks(repo, rows):
    out = ["#pragma once", "",
           "// Generated by tools/gen_planet_tables.py from the check file of VSOP87 (version D",
           "// block): full-series l, b, r at ten dates, and the largest error the kept terms can",
           "// make there (sum of the dropped amplitudes times |tau|^p).", "",
           "namespace tavrel::testing {", "",
           "struct PlanetCheck {",
           "    int body;",
           "    double jd;",
           "    double value[3];  // l, b (radians), r (AU)",
           "    double bound[3];",
           "};", "", "// clang-format off", "inline constexpr PlanetCheck PLANET_CHECKS[] = {"]
    for body, jd, values, bounds in rows:
        out.append(f"    {{{body}, {jd:.1f}, {{{values[0]!r}, {values[1]!r}, {values[2]!r}}}, "
                   f"{{{bounds[0]:.3e}, {bounds[1]:.3e}, {bounds[2]:.3e}}}}},")
    out += ["};", "// clang-format on", "", "}  // namespace tavrel::testing", ""]
    (repo / "tests/data/planet_checks.h").write_text("\n".join(out))


def main():
    source, repo = Path(sys.argv[1]), Path(sys.argv[2])
    bodies = []
    dropped_all = []
    all_series = []
    print("dropped amplitude sums (longitude, latitude in arcsec; radius in 1e-6 AU)")
    for (suffix, name, divisor), kept in zip(BODIES, KEPT):
        series = read_series(source / f"VSOP87D.{suffix}")
        head, terms, dropped = build_body(series, kept, divisor)
        bodies.append((name, head, terms))
        dropped_all.append(dropped)
        all_series.append(series)
        for c, label, scale in ((0, "L", ARCSEC), (1, "B", ARCSEC), (2, "R", 1e6)):
            sums = " ".join(f"{dropped[(c, p)] * scale:10.4f}" for p in range(6))
            print(f"  {name:8s} {label}: {sums}")
    write_tables(repo, bodies)

    checks = []
    names = [b[1] for b in BODIES]
    print("check values: kept terms - full series (arcsec, arcsec, 1e-6 AU) / bound")
    for name, jd, l, b, r in read_checks(source / "vsop87.chk"):
        body = names.index(name)
        tau = (jd - 2451545.0) / 365250
        _, head, terms = bodies[body]
        bounds = [truncation_bound(dropped_all[body], c, tau) for c in range(3)]
        full = [series_full_value(all_series[body], c, tau) for c in range(3)]
        kept = [evaluate(head, terms, c, tau) for c in range(3)]
        assert abs(math.remainder(full[0] - l, 2 * math.pi)) < 2e-10, (name, jd)
        assert abs(full[1] - b) < 2e-10 and abs(full[2] - r) < 2e-10, (name, jd)
        checks.append((body, jd, (l, b, r), bounds))
        if jd in (2451545.0, 2305445.0):
            d = [math.remainder(kept[0] - l, 2 * math.pi) * ARCSEC, (kept[1] - b) * ARCSEC,
                 (kept[2] - r) * 1e6]
            print(f"  {name:8s} JD{jd:.1f}: " +
                  " ".join(f"{d[c]:8.4f}/{bounds[c] * (ARCSEC if c < 2 else 1e6):.4f}"
                           for c in range(3)))
    write_checks(repo, checks)


if __name__ == "__main__":
    main()
