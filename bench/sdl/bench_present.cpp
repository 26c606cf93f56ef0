// Bringing a 1280x960 screen up to date through the SDL back end: a few
// dirty rectangles against the whole frame. On the X11 driver when a display
// is there (DISPLAY), on the dummy driver otherwise; the label says which.
//
// Argument "sdlpath": 0 the program's window path, 1 SDL's own default for
// the window surface (an OpenGL texture), its peer in the same run.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/SdlBackend.h"

namespace {

struct Setup {
  int path = -1;
  std::unique_ptr<TForm> form;
  std::string driver;

  TForm* For(int wanted) {
    if (wanted == path) return form.get();
    form.reset();
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 1);
    // The environment outranks the program's own choice of window path.
    if (wanted == 1) setenv("SDL_FRAMEBUFFER_ACCELERATION", "1", 1);
    else unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
    InstallBackend(nullptr);
    InstallBackend(std::make_unique<SdlBackend>());
    Application->ResetForTests();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 1280, 960);
    form->Show();
    Application->ProcessMessages();
    const char* d = SDL_GetCurrentVideoDriver();
    driver = d ? d : "none";
    path = wanted;
    return form.get();
  }
};

Setup& S() {
  static Setup s;
  return s;
}

std::string Label(int path) { return S().driver + (path ? ", SDL's default path" : ", the program's path"); }

// A frame of a game: a few sprites' rectangles (120x120) change.
void BM_PresentDirtyRects(benchmark::State& state) {
  TForm* f = S().For(int(state.range(1)));
  int frame = 0;
  for (auto _ : state) {
    for (int i = 0; i < int(state.range(0)); ++i)
      Application->ScreenDirty(Bounds(f->Left() + 40 + i * 150, f->Top() + 100 + (frame % 200), 120, 120));
    Application->Present();
    ++frame;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(Label(int(state.range(1))));
}
BENCHMARK(BM_PresentDirtyRects)
    ->ArgNames({"rects", "sdlpath"})
    ->ArgsProduct({{1, 4, 8}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The whole screen changes.
void BM_PresentFullFrame(benchmark::State& state) {
  TForm* f = S().For(int(state.range(0)));
  for (auto _ : state) {
    Application->ScreenDirty(f->BoundsRect());
    Application->Present();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(Label(int(state.range(0))));
}
BENCHMARK(BM_PresentFullFrame)->ArgName("sdlpath")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
