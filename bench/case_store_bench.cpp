#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "records/case_store.h"

namespace {

constexpr int kCases = 100000;

// A scratch folder for one database, removed at scope end.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-bench-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path() const { return path_.string(); }
    std::string Database() const { return (path_ / "tavrel.db").string(); }

  private:
    std::filesystem::path path_;
};

tavrel::TRecordData SampleCase(int i) {
    tavrel::TRecordData record;
    tavrel::TChartRequest& r = record.request;
    r.name = "张三" + std::to_string(i % 1000);
    r.year = static_cast<std::int16_t>(1900 + i % 200);
    r.month = static_cast<std::int16_t>(1 + i % 12);
    r.day = static_cast<std::int16_t>(1 + i % 28);
    r.hour = static_cast<std::int16_t>(i % 24);
    r.minute = static_cast<std::int16_t>(i % 60);
    r.zone = 8;
    r.isMale = static_cast<std::uint8_t>(i % 2);
    r.provinceIndex = 3;
    r.cityIndex = 7;
    r.longitude = 116.4f;
    r.latitude = 39.9f;
    r.placeText = "北京市海淀区";
    record.className = "家人";
    record.remarkText = "命主的评语，有几句话。It's a comment.";
    record.remarkFile = r.name + "_198005061230";
    return record;
}

void InsertAll(tavrel::MRecordBase& store) {
    store.BeginBatch();
    for (int i = 0; i < kCases; ++i) {
        tavrel::TRecordData record = SampleCase(i);
        store.InsertCaseBatch(record);
    }
    store.EndBatch();
}

void BM_InsertCasesInOneBatch(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ScratchFolder folder;
        tavrel::MRecordBase store;
        store.Open(folder.Database(), folder.Path(), false);
        state.ResumeTiming();
        InsertAll(store);
        state.PauseTiming();
        if (store.GetLastId() != kCases) state.SkipWithError("not every case was inserted");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_InsertCasesInOneBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadCasesInOneBatch(benchmark::State& state) {
    ScratchFolder folder;
    tavrel::MRecordBase store;
    store.Open(folder.Database(), folder.Path(), false);
    InsertAll(store);
    for (auto _ : state) {
        int read = 0;
        store.BeginBatch();
        for (std::int32_t id = 1; id <= store.GetLastId(); ++id) {
            tavrel::TRecordData record;
            if (store.ReadCaseBatch(id, record)) ++read;
        }
        store.EndBatch();
        if (read != kCases) state.SkipWithError("not every case was read");
    }
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_ReadCasesInOneBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
