#include <benchmark/benchmark.h>

#include "astronomy/astro_calc.h"
#include "astronomy/constants.h"
#include "astronomy/sun_moon_events.h"

namespace {

// The seven planets whose motion state a chart shows: Mercury … Saturn, Uranus, Neptune.
constexpr int kPlanetStars[] = {2, 3, 4, 5, 6, 11, 12};
constexpr tavrel::TDateRec kBirth = {1987, 6, 14, 6, 30};

void MotionStatesOfOneChart(tavrel::MAstroCalc& calc) {
    for (int star : kPlanetStars) benchmark::DoNotOptimize(calc.MotionState(star, kBirth));
}

// A fresh facade each time: every planet searches its forty stations.
void BM_MotionStateCold(benchmark::State& state) {
    for (auto _ : state) {
        tavrel::MAstroCalc calc;
        MotionStatesOfOneChart(calc);
    }
}
BENCHMARK(BM_MotionStateCold)->Unit(benchmark::kMillisecond);

// Casting again for a birth of the same year: the station lists come from the cache.
void BM_MotionStateWarm(benchmark::State& state) {
    tavrel::MAstroCalc calc;
    MotionStatesOfOneChart(calc);
    for (auto _ : state) MotionStatesOfOneChart(calc);
}
BENCHMARK(BM_MotionStateWarm)->Unit(benchmark::kMicrosecond);

void BM_SunLongitudeTimeFast(benchmark::State& state) {
    double W = 24 * tavrel::TWO_PI;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::SunLongitudeTimeFast(W));
        // The terms of 2000 … 2100, over and over.
        W = W > 124 * tavrel::TWO_PI ? 24 * tavrel::TWO_PI : W + tavrel::PI_VALUE / 12;
    }
}
BENCHMARK(BM_SunLongitudeTimeFast);

void BM_SunLongitudeTime(benchmark::State& state) {
    double W = 24 * tavrel::TWO_PI;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::SunLongitudeTime(W));
        // The terms of 2000 … 2100, over and over.
        W = W > 124 * tavrel::TWO_PI ? 24 * tavrel::TWO_PI : W + tavrel::PI_VALUE / 12;
    }
}
BENCHMARK(BM_SunLongitudeTime);

void BM_ElongationTimeFast(benchmark::State& state) {
    double W = 300 * tavrel::TWO_PI;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::ElongationTimeFast(W));
        W = W > 1500 * tavrel::TWO_PI ? 300 * tavrel::TWO_PI : W + tavrel::TWO_PI;
    }
}
BENCHMARK(BM_ElongationTimeFast);

void BM_ElongationTime(benchmark::State& state) {
    double W = 300 * tavrel::TWO_PI;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::ElongationTime(W));
        W = W > 1500 * tavrel::TWO_PI ? 300 * tavrel::TWO_PI : W + tavrel::TWO_PI;
    }
}
BENCHMARK(BM_ElongationTime);

}  // namespace
