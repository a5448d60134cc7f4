#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "records/im_code.h"

namespace {

// The surname orders call GetInitials once per case with the first character of the name.
void BM_GetInitialsOfSurname(benchmark::State& state) {
    constexpr std::array<std::string_view, 8> surnames = {"张", "王", "李", "赵",
                                                          "欧", "褚", "L",  "亓"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::ImCode::GetInitials(surnames[i++ % surnames.size()], 0));
    }
}
BENCHMARK(BM_GetInitialsOfSurname);

void BM_GetInitialsOfText(benchmark::State& state) {
    constexpr std::string_view text = "欧阳修生于绵州，字永叔，号醉翁ABC①";
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tavrel::ImCode::GetInitials(text, tavrel::ImCode::kWholeSyllables));
    }
}
BENCHMARK(BM_GetInitialsOfText);

}  // namespace
