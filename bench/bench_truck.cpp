// The truck game's frames on the generated data tree (build/Data), in each
// art set (800 x 600, 1024 x 768, 1280 x 960, and 1280 x 1024 with its
// taller playfield).
//
// The window path (argument "lent") is the program's own on SDL, 1: the
// screen is composed straight into a frame the back end lends (SDL's window
// surface there, a bitmap here), and the back end's own work, sending that
// frame's changed rectangles to the X server, is BM_TruckFramePresent in
// sdl_bench. 0, for comparison: the path of back ends that lend no frame,
// composed into the application's own screen and copied by the back end.
// The label says which.
//
// BM_TruckFrameWork: one frame's work without the wait: erase, step, draw,
// flush to the window and bring the screen's changed rectangles to the back
// end, in the worst case: the plane crossing, the truck driving off, 12
// parcels in play, 2 of them thrown. Counters: p50_us and p99_us of a frame,
// period_ms, pct_of_period (the mean frame over the frame period; the target
// is 5 %), and the mean of each part (erase_us ... present_us).
//
// BM_TruckGamePeriods: 1,000 frames of a level-3 game run by the message
// loop on the real clock. Counters: mean_ms (time between two flushes),
// p99_dev_us and max_dev_us (a period's distance from the target).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/RealClock.h"
#include "dictionary/_cslowa.h"
#include "games/Fmciezarowka/Fmciezarowka.h"
#include "shell/Startup.h"
#include "shell/_custgry.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransfont.h"

namespace {

namespace fs = std::filesystem;
using namespace benchclock;

// The real clock with a screen lent to the application, as SDL's window
// surface is: the application composes into it; presenting it costs nothing.
class LendingClockBackend : public RealClockBackend {
 public:
  std::uint8_t* LendFrame(int& pitch) override {
    const TPoint size = ScreenSize();
    if (frame_.Width() != size.x || frame_.Height() != size.y) {
      frame_.SetPixelFormat(pf32bit);
      frame_.SetSize(size.x, size.y);
    }
    pitch = frame_.RowBytes();
    return frame_.ScanLine(0);
  }
  void PresentLent(const std::vector<TRect>&) override {}

 private:
  TBitmap frame_;
};

// The truck window alone over the build's data tree, shown with a new game,
// on a back end of its own that lends its frame or not. What it changes
// (back end, display mode, settings, working folder, the application's
// state) is put back when it goes.
class TruckWindow {
 public:
  TruckWindow(int w, int h, bool lent)
      : oldDir_(fs::current_path()), oldDisplay_(Display), oldSettings_(SettingsCiezarowka) {
    hadRealClock_ = dynamic_cast<RealClockBackend*>(&CurrentBackend()) != nullptr;
    if (lent) InstallBackend(std::make_unique<LendingClockBackend>());
    else InstallBackend(std::make_unique<RealClockBackend>());
    Application->ResetForTests();
    static_cast<HeadlessBackend&>(CurrentBackend()).SetScreenSize(w, h);
    fs::current_path(fs::path(ExecutableFolder()).parent_path());
    ok_ = fs::exists("Data/Intf/Spec/R3_cieT.xji");
    if (!ok_) return;
    Display.SelectMode(w, h);
    const char* font = Display.ArtSet == 2 ? "CS_h21" : Display.ArtSet == 4 ? "CS_h27" : "CS_h34";
    GameFontCiezarowka.LoadFromSet("Data\\Intf\\Spec\\tw5cz.tfs", font);
    if (!Dictionary) Dictionary = new CSlowa();
    SettingsCiezarowka.Level = 3;
    SettingsCiezarowka.PhonemeMask = 0x1 | 0x2;
    SettingsCiezarowka.PositionMask = 0x70000000;
    window_ = std::make_unique<TFormCiezarowka>(nullptr);
    window_->Show();
    Application->ProcessMessages();
  }
  ~TruckWindow() {
    window_.reset();
    Application->ResetForTests();
    InstallBackend(nullptr);
    if (hadRealClock_) InstallRealClock();
    Display = oldDisplay_;
    SettingsCiezarowka = oldSettings_;
    fs::current_path(oldDir_);
  }
  bool Ok() const { return ok_; }
  TFormCiezarowka& W() { return *window_; }

  // A frame without its wait; the time of each part goes to parts (µs).
  void Frame(double* parts = nullptr) {
    auto t = std::chrono::steady_clock::now();
    auto lap = [&](int i) {
      const auto now = std::chrono::steady_clock::now();
      if (parts) parts[i] += std::chrono::duration<double>(now - t).count() * 1e6;
      t = now;
    };
    window_->ErasePass();
    lap(0);
    window_->StepFrame();
    lap(1);
    window_->DrawPass();
    lap(2);
    window_->FlushPass();
    lap(3);
    Application->Present();
    lap(4);
  }

  // A new game played on to 12 parcels in play; then the plane comes in
  // again, the truck sets off and two correct parcels are thrown.
  void WorstCase() {
    TFormCiezarowka& w = W();
    w.actNowaGra->Execute();
    while (!w.IntroDone()) Frame();
    for (int i = 0; i < 3000 && w.Parcels().activeParcels.size() < 12; ++i) Frame();
    w.Plane().Reset();
    w.Plane().x = 0;
    w.Truck().Depart();
    w.PaintCleanScene();
    int thrown = 0;
    for (CgraCie_GOPaczka* p : w.Parcels().activeParcels)
      if (p->correct && !p->marked && thrown < 2) {
        p->Throw({w.Truck().x + w.Truck().loadOffsetX, w.Truck().y + w.Truck().loadOffsetY});
        ++thrown;
      }
    w.ResetFrameBuffer();
    w.Invalidate();
    Application->ProcessMessages();
  }

 private:
  fs::path oldDir_;
  CDisplay oldDisplay_;
  CUstGry oldSettings_;
  bool hadRealClock_ = false;
  bool ok_ = false;
  std::unique_ptr<TFormCiezarowka> window_;
};

double Percentile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, std::size_t(double(v.size()) * q))];
}

int PeriodMs() { return Display.ArtSet == 2 ? 40 : Display.ArtSet == 4 ? 32 : 28; }

void BM_TruckFrameWork(benchmark::State& state) {
  TruckWindow t(int(state.range(0)), int(state.range(1)), state.range(2) != 0);
  if (!t.Ok()) {
    state.SkipWithError("no generated data tree in the build folder");
    return;
  }
  constexpr int kFramesPerScene = 40;  // the scene stays at its worst this long
  std::vector<double> us;
  double parts[5] = {};
  int frame = 0;
  for (auto _ : state) {
    if (frame++ % kFramesPerScene == 0) t.WorstCase();
    const auto t0 = std::chrono::steady_clock::now();
    t.Frame(parts);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    state.SetIterationTime(s);
    us.push_back(s * 1e6);
  }
  double mean = 0;
  for (double u : us) mean += u;
  mean /= double(us.size());
  state.counters["p50_us"] = Percentile(us, 0.5);
  state.counters["p99_us"] = Percentile(us, 0.99);
  state.counters["period_ms"] = PeriodMs();
  state.counters["pct_of_period"] = 100.0 * mean / (1000.0 * PeriodMs());
  state.SetLabel(state.range(2) ? "composed into the back end's frame, as on SDL"
                                : "composed into the program's screen, copied by the back end");
  const char* names[5] = {"erase_us", "step_us", "draw_us", "flush_us", "present_us"};
  for (int i = 0; i < 5; ++i) state.counters[names[i]] = parts[i] / double(us.size());
}
BENCHMARK(BM_TruckFrameWork)
    ->ArgNames({"w", "h", "lent"})
    ->Args({800, 600, 1})
    ->Args({1024, 768, 1})
    ->Args({1280, 960, 1})
    ->Args({1280, 1024, 1})
    ->Args({1280, 1024, 0})
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_TruckGamePeriods(benchmark::State& state) {
  TruckWindow t(int(state.range(0)), int(state.range(1)), true);
  if (!t.Ok()) {
    state.SkipWithError("no generated data tree in the build folder");
    return;
  }
  constexpr int kFrames = 1000;
  std::vector<std::int64_t> shown;
  for (auto _ : state) {
    shown.clear();
    t.W().actNowaGra->Execute();
    t.W().OnFrameShown = [&] { shown.push_back(MonotonicNs()); };
    while (shown.size() < kFrames + 1) Application->HandleMessage();
    t.W().OnFrameShown = nullptr;
  }
  std::vector<double> dev;
  double sum = 0;
  for (std::size_t i = 1; i < shown.size(); ++i) {
    const double ms = double(shown[i] - shown[i - 1]) / 1e6;
    sum += ms;
    dev.push_back(1000 * std::fabs(ms - PeriodMs()));
  }
  state.counters["mean_ms"] = sum / double(dev.size());
  state.counters["p99_dev_us"] = Percentile(dev, 0.99);
  state.counters["max_dev_us"] = Percentile(dev, 1.0);
}
BENCHMARK(BM_TruckGamePeriods)
    ->Args({800, 600})
    ->Args({1024, 768})
    ->Args({1280, 960})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
