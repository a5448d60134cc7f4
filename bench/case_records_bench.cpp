#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/file_util.h"
#include "records/case_exchange.h"
#include "records/case_search.h"
#include "records/case_tree.h"

namespace {

constexpr int kCases = 100000;
namespace fs = std::filesystem;

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "tavrel-bench-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

const char* const kSurnames[] = {"张", "王", "李", "赵", "陈", "欧阳", "Smith", "阿"};

// 100,000 birthday lines: surnames and dates repeat, so the orders meet many ties.
std::string BirthdayFile() {
    std::string text;
    for (int i = 0; i < kCases; ++i) {
        text += std::string(kSurnames[i % 8]) + "某" + std::to_string(i % 97) +
                (i % 2 == 0 ? " 男 " : " 女 ") + std::to_string(1900 + i % 150) + "-" +
                std::to_string(1 + i % 12) + "-" + std::to_string(1 + i % 28) + "-" +
                std::to_string(i % 24) + ":" + std::to_string(i % 60) +
                (i % 3 == 0 ? " 浙江省杭州市\r\n" : "\r\n");
    }
    return text;
}

tavrel::PlaceList Places() {
    tavrel::PlaceList places;
    places[11] = {{"宁波", 121.5f, 29.9f}, {"杭州", 120.2f, 30.3f}};
    return places;
}

// One store of 100,000 imported cases, made once for the benchmarks that only read it.
struct SharedStore {
    ScratchFolder folder;
    tavrel::MRecordBase store;
    SharedStore() {
        store.Open(folder.File("tavrel.db"), folder.Path(), false);
        tavrel::WriteFileAtomically(folder.File("家人.txt"), BirthdayFile());
        tavrel::CaseExchange(store, nullptr).ImportBirthdayFile(folder.File("家人.txt"), Places());
    }
};
SharedStore& Shared() {
    static SharedStore shared;
    return shared;
}

void BM_ImportBirthdayFile(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ScratchFolder folder;
        tavrel::MRecordBase store;
        store.Open(folder.File("tavrel.db"), folder.Path(), false);
        tavrel::WriteFileAtomically(folder.File("家人.txt"), BirthdayFile());
        state.ResumeTiming();
        const int count = tavrel::CaseExchange(store, nullptr)
                              .ImportBirthdayFile(folder.File("家人.txt"), Places());
        if (count != kCases) state.SkipWithError("not every line was imported");
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_ImportBirthdayFile)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PrepareItemsTimeOrder(benchmark::State& state) {
    tavrel::MRecordBase& store = Shared().store;
    for (auto _ : state) {
        tavrel::PreparedTree tree;
        std::string error;
        tavrel::CaseLoader loader;
        if (!loader.LoadAll(store, tavrel::kTimeDescending, nullptr, tree, error, nullptr) ||
            tree.items.size() != kCases) {
            state.SkipWithError("not every case was prepared");
        }
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_PrepareItemsTimeOrder)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SearchByConditions(benchmark::State& state) {
    tavrel::MRecordBase& store = Shared().store;
    tavrel::SearchConditions conditions;
    conditions.nameText = "张";
    conditions.nameMode = 1;
    conditions.yearsUsed = 1;
    conditions.yearFrom = 1950;
    conditions.yearTo = 1980;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::SearchByConditions(store, conditions));
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_SearchByConditions)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SearchByKeywords(benchmark::State& state) {
    tavrel::MRecordBase& store = Shared().store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::SearchByKeywords(store, {"张", "1980", "午时"}));
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_SearchByKeywords)->Unit(benchmark::kMillisecond)->Iterations(3);

// The worst case: one keyword that only a comment could hold, so every comment file is read.
void BM_SearchByKeywordsInEveryComment(benchmark::State& state) {
    tavrel::MRecordBase& store = Shared().store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::SearchByKeywords(store, {"没有的词"}));
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_SearchByKeywordsInEveryComment)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportDatabase(benchmark::State& state) {
    tavrel::MRecordBase& store = Shared().store;
    for (auto _ : state) {
        state.PauseTiming();
        ScratchFolder target;
        state.ResumeTiming();
        const int count = tavrel::CaseExchange(store, nullptr)
                              .ExportDatabase(target.File("out.db"), {}, true, nullptr);
        if (count != kCases) state.SkipWithError("not every case was exported");
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_ExportDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Reorganise(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ScratchFolder folder;
        fs::copy_file(Shared().store.DatabasePath(), folder.File("tavrel.db"));
        tavrel::MRecordBase store;
        store.Open(folder.File("tavrel.db"), folder.Path(), false);
        state.ResumeTiming();
        if (tavrel::CaseExchange(store, nullptr).Reorganise(nullptr) != kCases) {
            state.SkipWithError("not every case was kept");
        }
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_Reorganise)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
