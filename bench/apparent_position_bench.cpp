#include <benchmark/benchmark.h>

#include "astronomy/apparent_position.h"

namespace {

// One chart's worth: the Sun, the Moon and Mercury … Pluto at one instant, as a cast asks.
void BM_ApparentPositionTenBodies(benchmark::State& state) {
    double d = 8766.25;  // 2024-01-01 18:00 UT
    for (auto _ : state) {
        for (int body = 1; body <= tavrel::BODY_MOON; ++body) {
            double lon = 0;
            double lat = 0;
            tavrel::ApparentPosition(body, d, lon, lat);
            benchmark::DoNotOptimize(lon);
            benchmark::DoNotOptimize(lat);
        }
        d += 0.37;  // a new instant each time, so nothing is carried over
    }
}
BENCHMARK(BM_ApparentPositionTenBodies)->Unit(benchmark::kMicrosecond);

void BM_ApparentPositionOneBody(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    double d = 8766.25;
    for (auto _ : state) {
        double lon = 0;
        double lat = 0;
        tavrel::ApparentPosition(body, d, lon, lat);
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(lat);
        d += 0.37;
    }
}
BENCHMARK(BM_ApparentPositionOneBody)
    ->DenseRange(1, tavrel::BODY_MOON)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
