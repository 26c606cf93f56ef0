// Presenting one truck-game frame through the SDL back end: the rectangles a
// worst-case frame changes (the plane with its banner, the truck driving off,
// 12 falling parcels, 2 thrown ones), moving from frame to frame. On an X
// server (DISPLAY set, e.g. Xvfb :99 -screen 0 1280x1024x24) it measures the
// real window path; without one, SDL's dummy driver. The screen's size is the
// desktop's; the rectangles follow its art set.
//
// The case runs on the program's own window path, whatever ran before it:
// SDL_FRAMEBUFFER_ACCELERATION (which outranks the program's choice) is
// cleared and a back end of its own is made for the run; both are put back
// afterwards. The label names the driver and the path.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/SdlBackend.h"

namespace {

// Sets an environment variable (or clears it, with no value) for its
// lifetime.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A full-screen window on a fresh SDL back end on the program's path.
class ProgramPathScreen {
 public:
  ProgramPathScreen() : accel_("SDL_FRAMEBUFFER_ACCELERATION", std::nullopt) {
    if (!std::getenv("DISPLAY")) driver_.emplace("SDL_VIDEODRIVER", "dummy");
    InstallBackend(nullptr);
    InstallBackend(std::make_unique<SdlBackend>());
    Application->ResetForTests();
    const TPoint size = CurrentBackend().ScreenSize();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, size.x, size.y);
    form->Show();
    Application->ProcessMessages();
  }
  ~ProgramPathScreen() {
    form.reset();
    Application->ResetForTests();
    InstallBackend(nullptr);
  }
  std::string Label() const {
    return std::string(std::getenv("DISPLAY") ? "x11" : "dummy") + ", the program's path";
  }
  std::unique_ptr<TForm> form;

 private:
  ScopedEnv accel_;
  std::optional<ScopedEnv> driver_;
};

void BM_TruckFramePresent(benchmark::State& state) {
  ProgramPathScreen screen;
  TForm* f = screen.form.get();
  // Art-set sizes: 1280 x 960 designs scaled to the playfield.
  const int w = f->Width() >= 1280 && f->Height() >= 960 ? 1280 : f->Width() >= 1024 && f->Height() >= 768 ? 1024 : 800;
  const double k = w / 1280.0;
  auto s = [k](int v) { return int(v * k); };
  const int top = (f->Height() - s(960)) / 2, left = (f->Width() - w) / 2;
  int frame = 0;
  long pixels = 0;
  for (auto _ : state) {
    std::vector<TRect> rects;
    const int t = frame % 200;
    rects.push_back(Bounds(s(100) + 3 * t, s(10), s(888) + 3, s(130)));  // plane and banner
    rects.push_back(Bounds(s(30) - 6 * t, s(692), s(620) + 9, s(260)));  // the truck driving off
    for (int i = 0; i < 12; ++i)                                          // falling parcels
      rects.push_back(Bounds(s(330) + (i % 4) * s(230) + (t % 7), s(60) + (i / 4) * s(300) + t, s(176), s(270) + 2));
    for (int i = 0; i < 2; ++i) rects.push_back(Bounds(s(260) + i * s(200) - t, s(600) - t, s(120), s(110)));
    for (const TRect& r : rects) {
      const TRect c = IntersectRects(Bounds(r.left + left, r.top + top, r.Width(), r.Height()), f->BoundsRect());
      pixels += long(c.Width()) * c.Height();
      Application->ScreenDirty(c);
    }
    Application->Present();
    ++frame;
  }
  state.counters["frame_pixels"] = double(pixels) / double(frame);
  state.counters["screen_w"] = f->Width();
  state.SetLabel(screen.Label());
}
BENCHMARK(BM_TruckFramePresent)->Unit(benchmark::kMicrosecond);

}  // namespace
