// The program's start-up on the generated data tree (build/Data and the
// resource library's pictures), from the first instruction to the main
// window on the screen, in each art set. The settings and statistics files
// go into a scratch folder, so the build's own tree is left as it is.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "shell/Startup.h"

namespace {

namespace fs = std::filesystem;

// A program folder whose Data folder links every part of the generated tree
// but keeps its own data.ini.
class ScratchProgramFolder {
 public:
  ScratchProgramFolder() {
    fs::path build = fs::path(ExecutableFolder()).parent_path();
    source_ = build / "Data";
    char tmpl[] = "/tmp/tw-bench-start-XXXXXX";
    if (!mkdtemp(tmpl)) std::abort();
    dir_ = tmpl;
    fs::create_directories(dir_ / "Data");
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(source_, ec))
      if (e.path().filename() != "data.ini") fs::create_symlink(e.path(), dir_ / "Data" / e.path().filename(), ec);
  }
  ~ScratchProgramFolder() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  bool HasTree() const { return fs::exists(source_ / "Intf" / "Spec" / "tw5cz.tfs"); }
  std::string Path() const { return dir_.string(); }

 private:
  fs::path source_;
  fs::path dir_;
};

void BM_StartUpToMainWindow(benchmark::State& state) {
  ScratchProgramFolder folder;
  if (!folder.HasTree()) {
    state.SkipWithError("no generated data tree in the build folder");
    return;
  }
  Headless().SetScreenSize(int(state.range(0)), int(state.range(1)));
  for (auto _ : state) {
    Headless().Reset();
    Application->ResetForTests();
    auto t0 = std::chrono::steady_clock::now();
    double seconds = -1;
    RunOptions options;
    options.singleInstance = false;
    options.onReady = [&] {
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      Application->Terminate();
    };
    int code = RunProgram({}, folder.Path(), options);
    if (code != 0 || seconds < 0) {
      state.SkipWithError("the program did not start");
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartUpToMainWindow)
    ->Args({800, 600})
    ->Args({1024, 768})
    ->Args({1280, 1024})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
