#include <benchmark/benchmark.h>

#include "astronomy/moon_series.h"
#include "astronomy/planet_series.h"

namespace {

// One chart needs each series at one instant; iterative searches evaluate them many times
// with few terms first.
constexpr double kT = 0.2437;

void BM_PlanetCoordFull(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int c = 0; c < 3; ++c) benchmark::DoNotOptimize(tavrel::PlanetCoord(body, c, kT, -1));
    }
}
BENCHMARK(BM_PlanetCoordFull)->DenseRange(0, 7);

void BM_PlanetCoordEightTerms(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int c = 0; c < 3; ++c) benchmark::DoNotOptimize(tavrel::PlanetCoord(body, c, kT, 8));
    }
}
BENCHMARK(BM_PlanetCoordEightTerms)->DenseRange(0, 7);

void BM_MoonCoordFull(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tavrel::MoonCoords(kT, -1, -1, -1));
}
BENCHMARK(BM_MoonCoordFull);

void BM_MoonLongitudeTwentyTerms(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tavrel::MoonCoord(0, kT, 20));
}
BENCHMARK(BM_MoonLongitudeTwentyTerms);

}  // namespace
