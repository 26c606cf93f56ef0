// Speed of the dictionary: building it from the built-in table at start-up,
// and each selection and draw over the whole table.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "dictionary/_cslowa.h"
#include "platform/Random.h"

namespace {

constexpr PhonemeMask kEverything = CSlowa::Everything;
constexpr PhonemeMask kK = 0x10000;

void BM_BuildDictionary(benchmark::State& state) {
  for (auto _ : state) {
    std::unique_ptr<CSlowa> d(new CSlowa);
    benchmark::DoNotOptimize(d->words.data());
  }
}
BENCHMARK(BM_BuildDictionary)->Unit(benchmark::kMicrosecond);

CSlowa& Shared() {
  static CSlowa d;
  return d;
}

void BM_CountWords(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Shared().CountWords(kEverything));
}
BENCHMARK(BM_CountWords)->Unit(benchmark::kMicrosecond);

void BM_SelectWords(benchmark::State& state) {
  std::vector<CSlowa::CPaczkaEx*> out;
  for (auto _ : state) {
    out.clear();
    Shared().SelectWords(out, kEverything);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SelectWords)->Unit(benchmark::kMicrosecond);

void BM_SelectWordsExcluding(benchmark::State& state) {
  std::vector<CSlowa::CPaczkaEx*> out;
  for (auto _ : state) {
    out.clear();
    Shared().SelectWordsExcluding(out, kEverything, kK);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SelectWordsExcluding)->Unit(benchmark::kMicrosecond);

void BM_SelectWordsWithoutExcluding(benchmark::State& state) {
  std::vector<CSlowa::CPaczkaEx*> out;
  for (auto _ : state) {
    out.clear();
    Shared().SelectWordsWithoutExcluding(out, kK | CSlowa::AllPositions, kK);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SelectWordsWithoutExcluding)->Unit(benchmark::kMicrosecond);

void BM_SelectRecords(benchmark::State& state) {
  std::vector<CSlowa::SPaczka*> out;
  for (auto _ : state) {
    out.clear();
    Shared().SelectRecords(out, kEverything);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SelectRecords)->Unit(benchmark::kMicrosecond);

void BM_SelectRecordsExcluding(benchmark::State& state) {
  std::vector<CSlowa::SPaczka*> out;
  for (auto _ : state) {
    out.clear();
    Shared().SelectRecordsExcluding(out, kEverything, kK);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SelectRecordsExcluding)->Unit(benchmark::kMicrosecond);

void BM_UsablePhonemes(benchmark::State& state) {
  std::vector<int> out, counts;
  for (auto _ : state) benchmark::DoNotOptimize(Shared().UsablePhonemes(out, kEverything, &counts, 5));
}
BENCHMARK(BM_UsablePhonemes)->Unit(benchmark::kMicrosecond);

// Draws the whole pool in one call: every word (record) of the table once.
void BM_DrawWords(benchmark::State& state) {
  SeedRandom(1, 1);
  std::vector<CSlowa::CPaczkaEx*> pool, out;
  Shared().SelectWords(pool, kEverything);
  for (auto _ : state) {
    out.clear();
    Shared().DrawWords(out, int(pool.size()), pool);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(pool.size()));
}
BENCHMARK(BM_DrawWords)->Unit(benchmark::kMicrosecond);

void BM_DrawRecords(benchmark::State& state) {
  SeedRandom(1, 1);
  std::vector<CSlowa::SPaczka*> pool, out;
  Shared().SelectRecords(pool, kEverything);
  for (auto _ : state) {
    out.clear();
    Shared().DrawRecords(out, int(pool.size()), pool);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(pool.size()));
}
BENCHMARK(BM_DrawRecords)->Unit(benchmark::kMicrosecond);

}  // namespace
