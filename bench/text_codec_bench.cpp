#include <benchmark/benchmark.h>

#include <string>

#include "platform/text_codec.h"

namespace {

// A settings or place file is a few hundred kilobytes of mostly Chinese text.
std::string SampleText() {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "杭州=120:10*30:15\r\n西湖区=120:7*30:16\r\n";
    return text;
}

void BM_Utf8ToGbk(benchmark::State& state) {
    const std::string utf8 = SampleText();
    for (auto _ : state) benchmark::DoNotOptimize(tavrel::Utf8ToGbk(utf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_Utf8ToGbk);

void BM_GbkToUtf8(benchmark::State& state) {
    const std::string gbk = tavrel::Utf8ToGbk(SampleText());
    for (auto _ : state) benchmark::DoNotOptimize(tavrel::GbkToUtf8(gbk));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gbk.size()));
}
BENCHMARK(BM_GbkToUtf8);

}  // namespace
