// Bringing a 1280x960 screen up to date through the SDL back end (dummy
// video driver): a few dirty rectangles against the whole frame.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/Forms.h"
#include "platform/SdlBackend.h"

namespace {

struct Setup {
  Setup() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    InstallBackend(std::make_unique<SdlBackend>());
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 1280, 960);
    form->Show();
    Application->ProcessMessages();
  }
  TForm* form;
};

Setup& S() {
  static Setup s;
  return s;
}

// A frame of a game: a few sprites' rectangles (120x120) change.
void BM_PresentDirtyRects(benchmark::State& state) {
  TForm* f = S().form;
  int frame = 0;
  for (auto _ : state) {
    for (int i = 0; i < int(state.range(0)); ++i)
      Application->ScreenDirty(Bounds(f->Left() + 40 + i * 150, f->Top() + 100 + (frame % 200), 120, 120));
    Application->Present();
    ++frame;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentDirtyRects)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

// The whole screen changes.
void BM_PresentFullFrame(benchmark::State& state) {
  TForm* f = S().form;
  int frame = 0;
  for (auto _ : state) {
    Application->ScreenDirty(f->BoundsRect());
    Application->Present();
    ++frame;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentFullFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
