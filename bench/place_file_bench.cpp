#include <benchmark/benchmark.h>

#include <string>

#include "places/place_file.h"

namespace {

const std::string kShippedFile = std::string(TAVREL_SOURCE_DIR) + "/data/dat/address.ini";

// Choosing a province: the window reads the file and the province's section (四川省 is the
// longest).
void BM_ReadProvinceCities(benchmark::State& state) {
    for (auto _ : state) {
        const tavrel::IniFile file(kShippedFile);
        benchmark::DoNotOptimize(tavrel::ReadProvinceCities(file, 21));
    }
}
BENCHMARK(BM_ReadProvinceCities)->Unit(benchmark::kMillisecond);

// `place --find` and a cast's --place read every province.
void BM_ReadPlaceList(benchmark::State& state) {
    for (auto _ : state) {
        const tavrel::IniFile file(kShippedFile);
        benchmark::DoNotOptimize(tavrel::ReadPlaceList(file));
    }
}
BENCHMARK(BM_ReadPlaceList)->Unit(benchmark::kMillisecond);

void BM_FindPlaces(benchmark::State& state) {
    const tavrel::PlaceList places = tavrel::ReadPlaceList(tavrel::IniFile(kShippedFile));
    for (auto _ : state) benchmark::DoNotOptimize(tavrel::FindPlaces(places, "朝阳"));
}
BENCHMARK(BM_FindPlaces)->Unit(benchmark::kMicrosecond);

}  // namespace
