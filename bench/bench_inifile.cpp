// Reading settings files with many sections: the time grows with the
// file's size (sections per second stay within a small factor), not with its
// square; 100,000 sections are read well within a second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/IniFiles.h"

namespace {

void BM_IniFileSections(benchmark::State& state) {
  char tmpl[] = "/tmp/tw-bench-ini-XXXXXX";
  if (!mkdtemp(tmpl)) std::abort();
  const std::string file = std::string(tmpl) + "/data.ini";
  {
    std::ofstream out(file, std::ios::binary);
    for (std::int64_t i = 0; i < state.range(0); ++i) out << "[Sekcja" << i << "]\r\nKlucz=" << i << "\r\n";
  }
  for (auto _ : state) {
    TIniFile ini(file);
    benchmark::DoNotOptimize(ini.ReadInteger("Sekcja" + std::to_string(state.range(0) - 1), "Klucz", 0));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove_all(tmpl);
}
BENCHMARK(BM_IniFileSections)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

}  // namespace
