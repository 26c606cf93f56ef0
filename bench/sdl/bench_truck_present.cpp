// Presenting one truck-game frame through the SDL back end: the rectangles a
// worst-case frame changes (the plane with its banner, the truck driving off,
// 12 falling parcels, 2 thrown ones), moving from frame to frame. On an X
// server (DISPLAY set, e.g. Xvfb :99 -screen 0 1280x1024x24) it measures the
// real window path; without one, SDL's dummy driver. The screen's size is the
// desktop's; the rectangles follow its art set.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Forms.h"
#include "platform/SdlBackend.h"

namespace {

struct Screen {
  Screen() {
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (!dynamic_cast<SdlBackend*>(&CurrentBackend())) InstallBackend(std::make_unique<SdlBackend>());
    const TPoint size = CurrentBackend().ScreenSize();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, size.x, size.y);
    form->Show();
    Application->ProcessMessages();
  }
  TForm* form;
};

Screen& S() {
  static Screen s;
  return s;
}

void BM_TruckFramePresent(benchmark::State& state) {
  TForm* f = S().form;
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
}
BENCHMARK(BM_TruckFramePresent)->Unit(benchmark::kMicrosecond);

}  // namespace
