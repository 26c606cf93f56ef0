// Bringing a 1280x960 screen up to date through the SDL back end: a few
// dirty rectangles against the whole frame. On the X11 driver when a display
// is there (DISPLAY), on the dummy driver otherwise; the label says which,
// and which way the window's pixels went, as SDL reports it.
//
// Argument "sdlpath": 0 the program's window path, 1 SDL's own default for
// the window surface (an OpenGL texture), its peer in the same run.
//
// Each run makes its own back end and window and, when it ends, takes them
// down and puts the environment back as it found it: the benchmarks that
// follow (the truck frame's present among them) get the program's own path.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/Forms.h"
#include "platform/SdlBackend.h"

namespace {

// One environment variable, set or cleared for a while and then put back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The way the window's pixels reach the screen: a renderer on the window is
// SDL's texture path; without one the window surface is plain memory.
std::string WindowPath() {
  for (Uint32 id = 1; id < 64; ++id)
    if (SDL_Window* w = SDL_GetWindowFromID(id))
      return SDL_GetRenderer(w) ? "window surface through SDL's renderer" : "window surface in plain memory";
  return "no window";
}

// A back end and a shown 1280x960 form for one run of a benchmark.
class Screen {
 public:
  // The environment outranks the program's own choice of window path.
  explicit Screen(bool sdlDefault) : path_("SDL_FRAMEBUFFER_ACCELERATION", sdlDefault ? "1" : nullptr) {
    if (!std::getenv("DISPLAY")) driver_.emplace("SDL_VIDEODRIVER", "dummy");
    InstallBackend(std::make_unique<SdlBackend>());
    Application->ResetForTests();
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(0, 0, 1280, 960);
    form_->Show();
    Application->ProcessMessages();
    Application->Present();  // the window's first frame, not measured
    const char* d = SDL_GetCurrentVideoDriver();
    label_ = std::string(d ? d : "no driver") + ", " + WindowPath() +
             (sdlDefault ? " (SDL's default path)" : " (the program's path)");
  }
  ~Screen() {
    form_.reset();
    InstallBackend(nullptr);
    Application->ResetForTests();
  }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  TForm* Form() const { return form_.get(); }
  const std::string& Label() const { return label_; }

 private:
  ScopedEnv path_;
  std::optional<ScopedEnv> driver_;
  std::unique_ptr<TForm> form_;
  std::string label_;
};

// A frame of a game: a few sprites' rectangles (120x120) change.
void BM_PresentDirtyRects(benchmark::State& state) {
  Screen screen(state.range(1) != 0);
  TForm* f = screen.Form();
  int frame = 0;
  for (auto _ : state) {
    for (int i = 0; i < int(state.range(0)); ++i)
      Application->ScreenDirty(Bounds(f->Left() + 40 + i * 150, f->Top() + 100 + (frame % 200), 120, 120));
    Application->Present();
    ++frame;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(screen.Label());
}
BENCHMARK(BM_PresentDirtyRects)
    ->ArgNames({"rects", "sdlpath"})
    ->ArgsProduct({{1, 4, 8}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The whole screen changes.
void BM_PresentFullFrame(benchmark::State& state) {
  Screen screen(state.range(0) != 0);
  TForm* f = screen.Form();
  for (auto _ : state) {
    Application->ScreenDirty(f->BoundsRect());
    Application->Present();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(screen.Label());
}
BENCHMARK(BM_PresentFullFrame)->ArgName("sdlpath")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
