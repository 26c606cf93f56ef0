#include "platform/SdlBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dirent.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/SdlX11.h"
#include "platform/Termination.h"

struct BackendCursor {
  SDL_Cursor* cursor;
};

std::unique_ptr<Backend> CreateDefaultBackend() { return std::make_unique<SdlBackend>(); }

namespace {

int VirtualKey(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
  }
}

unsigned ShiftOf(Uint16 mod) {
  unsigned s = 0;
  if (mod & KMOD_SHIFT) s |= ssShift;
  if (mod & KMOD_CTRL) s |= ssCtrl;
  if (mod & KMOD_ALT) s |= ssAlt;
  return s;
}

// The character a key gives, as the program reads key presses.
int CharOf(SDL_Keycode k, Uint16 mod) {
  switch (k) {
    case SDLK_ESCAPE: return 27;
    case SDLK_BACKSPACE: return 8;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_TAB: return 9;
    case SDLK_SPACE: return 32;
    default: break;
  }
  if (mod & (KMOD_CTRL | KMOD_ALT)) return 0;
  if (k >= SDLK_a && k <= SDLK_z) return (mod & KMOD_SHIFT) ? 'A' + (k - SDLK_a) : int(k);
  if (k >= SDLK_0 && k <= SDLK_9 && !(mod & KMOD_SHIFT)) return int(k);
  return 0;
}

// Asks the processes this one has started to end: the message box SDL shows
// from a process of its own, which has the default handling of the signal.
void EndChildren() {
  const pid_t self = ::getpid();
  DIR* proc = ::opendir("/proc");
  if (!proc) return;
  while (dirent* e = ::readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(e->d_name, &end, 10);
    if (pid <= 0 || *end) continue;
    char path[64], stat[512] = {};
    std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    FILE* f = std::fopen(path, "r");
    if (!f) continue;
    const std::size_t n = std::fread(stat, 1, sizeof stat - 1, f);
    std::fclose(f);
    stat[n] = 0;
    // "pid (name) state ppid ...": the name may hold anything but ends at the last ')'.
    const char* close = std::strrchr(stat, ')');
    char state;
    long parent;
    if (close && std::sscanf(close + 1, " %c %ld", &state, &parent) == 2 && parent == self) ::kill(pid_t(pid), SIGTERM);
  }
  ::closedir(proc);
}

}  // namespace

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
  StopWatching();
  CloseCapture();
  if (mixerReady_) {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (chunk_) Mix_FreeChunk(chunk_);
    if (music_) Mix_FreeMusic(music_);
    Mix_CloseAudio();
  }
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlBackend::InitVideo() {
  if (!videoReady_) {
    // The program's own handlers take the termination signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    if (videoReady_) SDL_StopTextInput();
    // On X11 the window surface then goes to the X server through shared
    // memory. SDL's default routes it through an OpenGL texture, which
    // without a GPU is software GL: some 300 ms to set up and 5-10 ms a
    // frame. Other drivers have no such path of their own and keep SDL's
    // choice; SDL_FRAMEBUFFER_ACCELERATION in the environment overrides both.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (videoReady_ && driver && std::strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  }
  return videoReady_;
}

void SdlBackend::WatchTermination() {
  const int request = TerminationFd();
  if (request < 0 || watcher_.joinable()) return;
  stopWatching_ = eventfd(0, EFD_CLOEXEC);
  if (stopWatching_ < 0) return;
  watcher_ = std::thread([request, stop = stopWatching_, box = boxOpen_] {
    pollfd p[2] = {{request, POLLIN, 0}, {stop, POLLIN, 0}};
    while (::poll(p, 2, -1) < 0 && errno == EINTR) {
    }
    if (p[1].revents || !(p[0].revents & POLLIN)) return;
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
    // A message box does not wait for an answer from a program that is
    // ending; it may be about to open.
    while (box->load()) {
      EndChildren();
      ::usleep(50000);
    }
  });
}

void SdlBackend::StopWatching() {
  if (watcher_.joinable()) {
    const std::uint64_t one = 1;
    (void)!::write(stopWatching_, &one, sizeof one);
    watcher_.join();
  }
  if (stopWatching_ >= 0) ::close(stopWatching_);
  stopWatching_ = -1;
}

bool SdlBackend::InitMixer() {
  if (audioTried_) return mixerReady_;
  audioTried_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  mixerReady_ = Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
  if (mixerReady_) Mix_AllocateChannels(2);
  return mixerReady_;
}

TPoint SdlBackend::ScreenSize() {
  SDL_DisplayMode mode;
  if (!InitVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return {0, 0};
  return {mode.w, mode.h};
}

void SdlBackend::EnsureWindow() {
  if (window_ || !InitVideo()) return;
  TPoint size = ScreenSize();
  // Made hidden, so full screen is asked for before the window is mapped. On
  // a bare X server the borderless window of the screen's size covers the
  // screen already.
  window_ = SDL_CreateWindow(title_.c_str(), 0, 0, size.x, size.y, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  if (!window_) return;
  if (WindowManagerRunning(window_)) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
}

void SdlBackend::Present(const TBitmap& screen, const std::vector<TRect>& dirty) {
  EnsureWindow();
  if (!window_) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return;
  std::vector<SDL_Rect> rects;
  SDL_LockSurface(surface);
  for (const TRect& d : dirty) {
    TRect r = IntersectRects(d, Rect(0, 0, std::min(surface->w, screen.Width()), std::min(surface->h, screen.Height())));
    if (r.IsEmpty()) continue;
    auto* dst = static_cast<std::uint8_t*>(surface->pixels) + r.top * surface->pitch + r.left * surface->format->BytesPerPixel;
    // The screen is 32-bit B,G,R,X: the same bytes as SDL's XRGB8888 on little-endian machines.
    SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_XRGB8888, screen.ScanLine(r.top) + 4 * r.left,
                      screen.RowBytes(), surface->format->format, dst, surface->pitch);
    rects.push_back(SDL_Rect{r.left, r.top, r.Width(), r.Height()});
  }
  SDL_UnlockSurface(surface);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
}

std::uint8_t* SdlBackend::LendFrame(int& pitch) {
  EnsureWindow();
  SDL_Surface* surface = window_ ? SDL_GetWindowSurface(window_) : nullptr;
  // The screen's bytes are SDL's XRGB8888 on little-endian machines.
  if (!surface || SDL_MUSTLOCK(surface) || surface->format->format != SDL_PIXELFORMAT_XRGB8888 ||
      SDL_BYTEORDER != SDL_LIL_ENDIAN)
    return nullptr;
  const TPoint size = ScreenSize();
  if (surface->w != size.x || surface->h != size.y) return nullptr;
  pitch = surface->pitch;
  return static_cast<std::uint8_t*>(surface->pixels);
}

void SdlBackend::PresentLent(const std::vector<TRect>& dirty) {
  std::vector<SDL_Rect> rects;
  for (const TRect& r : dirty) rects.push_back(SDL_Rect{r.left, r.top, r.Width(), r.Height()});
  if (window_ && !rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
}

long SdlBackend::WindowPixel(int x, int y) {
  if (!window_) return -1;
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  if (!s || x < 0 || y < 0 || x >= s->w || y >= s->h) return -1;
  Uint32 px = 0;
  std::memcpy(&px, static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
              std::size_t(s->format->BytesPerPixel));
  Uint8 r, g, b;
  SDL_GetRGB(px, s->format, &r, &g, &b);
  return (long(r) << 16) | (long(g) << 8) | long(b);
}

void SdlBackend::SetTitle(const std::string& utf8Title) {
  title_ = utf8Title;
  if (window_) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlBackend::BringToFront() {
  if (window_) {
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
  }
}

bool SdlBackend::PollEvent(InputEvent& out) {
  if (!InitVideo()) return false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    out = InputEvent{};
    switch (e.type) {
      case SDL_MOUSEMOTION:
        out.kind = InputEvent::MouseMove;
        lastX_ = out.x = e.motion.x;
        lastY_ = out.y = e.motion.y;
        out.shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT && e.button.button != SDL_BUTTON_MIDDLE)
          continue;
        out.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
        lastX_ = out.x = e.button.x;
        lastY_ = out.y = e.button.y;
        out.button = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_MIDDLE ? 2 : 3;
        out.clicks = e.button.clicks >= 2 && (e.button.clicks % 2) == 0 ? 2 : 1;
        out.shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_MOUSEWHEEL:
        if (e.wheel.y == 0) continue;
        out.kind = InputEvent::MouseWheel;
        out.x = lastX_;
        out.y = lastY_;
        out.wheel = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        out.shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        out.kind = e.type == SDL_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp;
        out.key = VirtualKey(e.key.keysym.sym);
        out.shift = ShiftOf(e.key.keysym.mod);
        if (e.type == SDL_KEYDOWN) out.ch = CharOf(e.key.keysym.sym, e.key.keysym.mod);
        if (!out.key && !out.ch) continue;
        return true;
      case SDL_QUIT:
        out.kind = InputEvent::CloseRequest;
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          out.kind = InputEvent::CloseRequest;
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED) {
          out.kind = InputEvent::Activated;
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          out.kind = InputEvent::FocusLost;
          return true;
        }
        continue;
      default:
        continue;
    }
  }
  return false;
}

void SdlBackend::WaitEvent(int timeoutMs) {
  if (TerminationRequested()) return;
  if (!InitVideo()) {
    if (timeoutMs > 0) SleepUnlessTerminated(unsigned(timeoutMs));
    return;
  }
  WatchTermination();
  if (timeoutMs < 0) SDL_WaitEvent(nullptr);
  else SDL_WaitEventTimeout(nullptr, timeoutMs);
}

void SdlBackend::CaptureMouse(bool on) {
  if (videoReady_) SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
}

BackendCursor* SdlBackend::CreateCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY) {
  if (!InitVideo() || colour.Width() == 0 || colour.Height() == 0) return nullptr;
  int w = colour.Width(), h = colour.Height();
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!s) return nullptr;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < w; ++x) {
      TColor c = colour.PixelColor(x, y);
      TColor m = (x < mask.Width() && y < mask.Height()) ? mask.PixelColor(x, y) : clBlack;
      Uint32 a = (m & 0xFFFFFF) ? 0xFF : 0;
      row[x] = (a << 24) | (Uint32(GetRValue(c)) << 16) | (Uint32(GetGValue(c)) << 8) | GetBValue(c);
    }
  }
  SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
  SDL_FreeSurface(s);
  return c ? new BackendCursor{c} : nullptr;
}

void SdlBackend::FreeCursor(BackendCursor* cursor) {
  if (!cursor) return;
  SDL_FreeCursor(cursor->cursor);
  delete cursor;
}

void SdlBackend::SetCursor(BackendCursor* cursor) {
  if (!videoReady_) return;
  SDL_SetCursor(cursor ? cursor->cursor : SDL_GetDefaultCursor());
}

void SdlBackend::ShowCursor(bool show) {
  if (videoReady_) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

std::int64_t SdlBackend::PerformanceCounter() { return std::int64_t(SDL_GetPerformanceCounter()); }
std::int64_t SdlBackend::PerformanceFrequency() { return std::int64_t(SDL_GetPerformanceFrequency()); }

void SdlBackend::Sleep(unsigned ms) {
  SleepUnlessTerminated(ms);
  // Keeps the desktop from judging the program hung; events stay queued.
  if (videoReady_) SDL_PumpEvents();
}

bool SdlBackend::PlaySound(const std::string&, const std::vector<std::uint8_t>& wave, bool sync) {
  if (!InitMixer()) return true;  // no device: silence
  Mix_HaltChannel(0);
  if (chunk_) {
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }
  chunk_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), int(wave.size())), 1);
  if (!chunk_) return false;
  if (Mix_PlayChannel(0, chunk_, 0) < 0) return false;
  if (sync) {
    // A termination request cuts the sound short.
    while (Mix_Playing(0) && !TerminationRequested()) {
      SleepUnlessTerminated(5);
      if (videoReady_) SDL_PumpEvents();
    }
    if (TerminationRequested()) Mix_HaltChannel(0);
  }
  return true;
}

void SdlBackend::StopSound() {
  if (mixerReady_) Mix_HaltChannel(0);
}

bool SdlBackend::PlayMusic(const std::string&, std::vector<std::uint8_t> wave) {
  if (!InitMixer()) return true;
  StopMusic();
  musicData_ = std::move(wave);
  music_ = Mix_LoadMUS_RW(SDL_RWFromConstMem(musicData_.data(), int(musicData_.size())), 1);
  if (!music_) return false;
  return Mix_PlayMusic(music_, -1) == 0;
}

void SdlBackend::StopMusic() {
  if (!mixerReady_) return;
  Mix_HaltMusic();
  if (music_) {
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  musicData_ = std::vector<std::uint8_t>();
}

bool SdlBackend::OpenCapture() {
  CloseCapture();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (SDL_GetNumAudioDevices(1) <= 0) return false;
  SDL_AudioSpec want{}, have{};
  want.freq = 22050;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = 1024;
  captureDevice_ = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
  if (captureDevice_ == 0) return false;
  SDL_PauseAudioDevice(captureDevice_, 0);
  return true;
}

void SdlBackend::ReadCapture(std::vector<std::int16_t>& append) {
  if (!captureDevice_) return;
  std::int16_t buf[4096];
  for (;;) {
    Uint32 got = SDL_DequeueAudio(captureDevice_, buf, sizeof buf);
    if (got == 0) break;
    append.insert(append.end(), buf, buf + got / 2);
  }
}

void SdlBackend::CloseCapture() {
  if (!captureDevice_) return;
  SDL_CloseAudioDevice(captureDevice_);
  captureDevice_ = 0;
}

void SdlBackend::MessageBox(const std::string& text, const std::string& caption) {
  // Marked open first: a termination request then either keeps the box
  // from opening or closes it.
  boxOpen_->store(true);
  if (InitVideo()) WatchTermination();
  const bool shown = !TerminationRequested() && videoReady_ &&
                     SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), window_) == 0;
  boxOpen_->store(false);
  if (!shown) std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
}

bool SdlBackend::OpenUrl(const std::string& url) { return SDL_OpenURL(url.c_str()) == 0; }
