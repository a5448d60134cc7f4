#!/usr/bin/python3
"""Writes src/astronomy/tables/pluto_table.{h,cpp}: Pluto's heliocentric rectangular position,
ecliptic and equinox J2000, as nine Fourier/Poisson series fitted by frequency analysis.

Source: the Swiss Ephemeris (Astrodienst; JPL DE431 files 1800-2400, Moshier's analytical
ephemeris before), sampled through the system's libswe (Debian libswe2.0 + swe-basic-data).
PLUTO95 (Chapront & Francou 1995) was the first candidate, but it follows DE200, which places
Pluto up to 25" away from DE431 around 1800, and it covers 1700-2100 only.

Form of a term: A sin(B T + C c0), T = t / 1e8 (t in Julian centuries of TT from J2000),
c0 = PI_VALUE / 180 / 1e5, A in 1e-8 AU; series q = 1, 2 are multiplied by x and x^2, with
x = -1 + 2 (36525 t + 1825394.5) / 2185000. The fixed parts 9.922274 + 0.154154 x (and the like
for y and z) are the evaluator's and are taken off before fitting.

Usage: gen_pluto_table.py [repository root]
"""

import ctypes
import math
import pathlib
import sys

import numpy as np

PI_VALUE = 3.14159265
C0 = PI_VALUE / 180 / 100000
COUNTS = [[193, 26, 13], [183, 29, 14], [170, 20, 11]]
SLOT = 194  # terms per series including the terminator
FIXED = [(9.922274, 0.154154), (10.016090, 0.064073), (-3.947474, -0.042746)]
J2000 = 2451545.0
FIT_FROM, FIT_TO = 2268923.5, 2561118.5  # 1500-01-01 to 2300-01-01: chart years plus a margin
STEP_DAYS = 10.0
MAX_FREQUENCY = 1100.0  # rad per century: the Sun's reflex motion up to Venus's
# Pluto's mean motion and its double as a fit over six millennia finds them (rad per century);
# they seed the leading terms.
SEED_FREQUENCIES = [2.54266726, 5.08545104]
PICKS_PER_ROUND = 24
# Ridge weight on the squared amplitudes (AU^2) against the mean squared residual: it leaves the
# real terms alone and forbids the huge opposite amplitudes of nearly equal columns.
RIDGE = 1e-12


def sample_reference():
    swe = ctypes.CDLL("libswe.so.2")
    swe.swe_set_ephe_path(b"/usr/share/libswe/ephe")
    swe.swe_calc.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_int,
                             ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
    swe.swe_calc.restype = ctypes.c_int
    flags = 2 | 8 | 16 | 32 | 64 | 4096  # SWIEPH HELCTR TRUEPOS J2000 NONUT XYZ
    jds = np.arange(FIT_FROM, FIT_TO + 0.5, STEP_DAYS)
    xyz = np.empty((len(jds), 3))
    out = (ctypes.c_double * 6)()
    err = ctypes.create_string_buffer(256)
    for i, jd in enumerate(jds):
        if swe.swe_calc(jd, 9, flags, out, err) < 0:
            sys.exit("swe_calc failed: " + err.value.decode())
        xyz[i] = out[:3]
    return (jds - J2000) / 36525.0, xyz


def normalised_time(t):
    return -1 + 2 * (t * 36525 + 1825394.5) / 2185000


class Fit:
    """One coordinate: frequency sets for q = 0, 1, 2 and their least-squares amplitudes."""

    def __init__(self, t, y, counts):
        self.t, self.y, self.counts = t, y, counts
        self.x = normalised_time(t)
        self.freqs = [[0.0] + SEED_FREQUENCIES, [0.0] + SEED_FREQUENCIES, [0.0] + SEED_FREQUENCIES]

    def columns(self):
        cols, keys = [], []
        for q in range(3):
            factor = self.x ** q
            for f in self.freqs[q]:
                b = round(f * 1e8) / 1e8
                if b == 0:
                    cols.append(factor)
                    keys.append((q, 0.0, "c"))
                else:
                    cols.append(factor * np.sin(b * self.t))
                    keys.append((q, b, "s"))
                    cols.append(factor * np.cos(b * self.t))
                    keys.append((q, b, "c"))
        return np.column_stack(cols), keys

    def solve(self):
        m, keys = self.columns()
        n = len(self.y)
        gram = m.T @ m / n + RIDGE * np.eye(m.shape[1])
        coef = np.linalg.solve(gram, m.T @ self.y / n)
        self.residual = self.y - m @ coef
        self.terms = [[], [], []]
        for q in range(3):
            for f in self.freqs[q]:
                b = round(f * 1e8) / 1e8
                if b == 0:
                    v = coef[keys.index((q, 0.0, "c"))]
                    self.terms[q].append((abs(v), 0.0, math.pi / 2 if v >= 0 else 1.5 * math.pi))
                else:
                    s = coef[keys.index((q, b, "s"))]
                    c = coef[keys.index((q, b, "c"))]
                    self.terms[q].append((math.hypot(s, c), b, math.atan2(c, s) % (2 * math.pi)))

    def pick_frequencies(self, how_many):
        """The strongest peaks of the residual's periodogram, each refined, none too close to a
        frequency already in the q = 0 set."""
        span = self.t[-1] - self.t[0]
        resolution = 2 * math.pi / span
        # Periods longer than the span are left to the constant and the Poisson terms.
        grid = np.arange(resolution, MAX_FREQUENCY, resolution / 4)
        power = np.empty(len(grid))
        for lo in range(0, len(grid), 64):
            g = grid[lo:lo + 64]
            e = np.exp(-1j * np.outer(self.t, g))
            power[lo:lo + 64] = np.abs(self.residual @ e) ** 2
        # Frequencies closer than the resolution would trade huge opposite amplitudes, which the
        # integer rounding of the phases then spoils.
        taken = list(self.freqs[0])
        picks = []
        for i in np.argsort(power)[::-1]:
            if any(abs(grid[i] - g) < resolution for g in taken):
                continue
            f = max(self.refine(grid[i], resolution / 4), resolution)
            if all(abs(f - g) > 0.9 * resolution for g in taken):
                picks.append(f)
                taken.append(f)
                if len(picks) == how_many:
                    break
        return picks

    def refine(self, f, half_width):
        def strength(w):
            return abs(self.residual @ np.exp(-1j * w * self.t))

        a, b = f - half_width, f + half_width
        g = (math.sqrt(5) - 1) / 2
        for _ in range(30):
            c, d = b - g * (b - a), a + g * (b - a)
            if strength(c) > strength(d):
                b = d
            else:
                a = c
        return (a + b) / 2

    def run(self):
        """Adds q = 0 frequencies until the count is reached; the Poisson series take the
        strongest q = 0 frequencies."""
        self.solve()
        while len(self.freqs[0]) < self.counts[0]:
            room = self.counts[0] - len(self.freqs[0])
            picks = self.pick_frequencies(min(PICKS_PER_ROUND, room))
            if not picks:
                sys.exit("no frequency left to pick")
            self.freqs[0] += picks
            self.solve()
            strongest = [f for _, f, _ in sorted(self.terms[0], reverse=True)]
            for q in (1, 2):
                keep = [0.0] + SEED_FREQUENCIES
                keep += [f for f in strongest if f not in keep]
                self.freqs[q] = keep[:self.counts[q]]
            self.solve()
            print(f"  {len(self.freqs[0])} terms: rms residual {self.residual.std():.3e} AU, "
                  f"max {np.abs(self.residual).max():.3e} AU", file=sys.stderr)


def integer_terms(terms):
    out = []
    for a, b, c in sorted(terms, reverse=True):
        out.append((round(a * 1e8), round(b * 1e8), round(c / C0)))
    return out


def evaluate(table, t):
    x = normalised_time(t)
    big_t = t / 1e8
    r = np.zeros((len(t), 3))
    for k in range(3):
        for q in range(3):
            v = np.zeros(len(t))
            for a, b, c in table[k][q]:
                v += a * np.sin(b * big_t + c * C0)
            r[:, k] += v * x ** q / 1e8
        r[:, k] += FIXED[k][0] + FIXED[k][1] * x
    return r


def write_tables(root, table):
    header = root / "src/astronomy/tables/pluto_table.h"
    source = root / "src/astronomy/tables/pluto_table.cpp"
    header.write_text(f"""// Generated by tools/gen_pluto_table.py; do not edit.
#pragma once

#include <cstdint>

namespace tavrel {{

// One term of a Pluto series: A sin(B T + C c0), A in 1e-8 AU (see PlutoCoord).
struct PlutoTerm {{
    std::int64_t a;
    std::int64_t b;
    std::int64_t c;
}};

// A series ends with the term whose amplitude is PLUTO_TERMINATOR; real amplitudes are positive.
inline constexpr std::int64_t PLUTO_TERMINATOR = -100;
inline constexpr int PLUTO_SERIES_SLOT = {SLOT};

// Nine series in the order (x, q0), (x, q1), (x, q2), (y, q0) … (z, q2): heliocentric rectangular
// coordinates, ecliptic and equinox J2000, series q multiplied by the q-th power of normalised
// time.
extern const PlutoTerm PlutoSeries[9][PLUTO_SERIES_SLOT];

}}  // namespace tavrel
""")
    lines = ["// Generated by tools/gen_pluto_table.py from the Swiss Ephemeris (DE431, Moshier before",
             "// 1800), fitted over 1500-2300; do not edit.",
             '#include "astronomy/tables/pluto_table.h"', "", "namespace tavrel {", "",
             "const PlutoTerm PlutoSeries[9][PLUTO_SERIES_SLOT] = {"]
    for k in range(3):
        for q in range(3):
            lines.append("    {")
            for a, b, c in table[k][q]:
                lines.append(f"        {{{a}, {b}, {c}}},")
            lines.append("        {PLUTO_TERMINATOR, 0, 0},")
            lines.append("    },")
    lines += ["};", "", "}  // namespace tavrel", ""]
    source.write_text("\n".join(lines))


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    t, xyz = sample_reference()
    table = []
    for k, name in enumerate("xyz"):
        x = normalised_time(t)
        y = xyz[:, k] - FIXED[k][0] - FIXED[k][1] * x
        print(f"coordinate {name}:", file=sys.stderr)
        fit = Fit(t, y, COUNTS[k])
        fit.run()
        table.append([integer_terms(fit.terms[q]) for q in range(3)])
        for q in range(3):
            assert len(table[k][q]) == COUNTS[k][q]
            assert all(a > 0 for a, _, _ in table[k][q])
    largest = max(a for k in range(3) for q in range(3) for a, _, _ in table[k][q]) / 1e8
    print(f"largest amplitude {largest:.3f} AU", file=sys.stderr)
    if largest > 100:
        sys.exit("amplitudes out of hand: the fit is ill-conditioned")
    r = evaluate(table, t)
    miss = np.linalg.norm(r - xyz, axis=1)
    arc = miss / np.linalg.norm(xyz, axis=1) * 206264.806
    print(f"integer table vs reference over the fit: max {miss.max():.3e} AU, "
          f"{arc.max():.3f}\" seen from the Sun", file=sys.stderr)
    write_tables(root, table)


if __name__ == "__main__":
    main()
