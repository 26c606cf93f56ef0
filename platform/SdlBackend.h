// The back end of the program, over SDL2 and SDL2_mixer: one desktop-wide
// window showing the composed screen, input, cursors, sound and recording.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/Backend.h"

struct SDL_Window;
struct _Mix_Music;
struct Mix_Chunk;

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  TPoint ScreenSize() override;
  void Present(const TBitmap& screen, const std::vector<TRect>& dirty) override;
  std::uint8_t* LendFrame(int& pitch) override;
  void PresentLent(const std::vector<TRect>& dirty) override;
  void SetTitle(const std::string& utf8Title) override;
  void BringToFront() override;
  bool PollEvent(InputEvent& event) override;
  void WaitEvent(int timeoutMs) override;
  void CaptureMouse(bool on) override;
  BackendCursor* CreateCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY) override;
  void FreeCursor(BackendCursor* cursor) override;
  void SetCursor(BackendCursor* cursor) override;
  void ShowCursor(bool show) override;
  std::int64_t PerformanceCounter() override;
  std::int64_t PerformanceFrequency() override;
  void Sleep(unsigned ms) override;
  bool PlaySound(const std::string& name, const std::vector<std::uint8_t>& wave, bool sync) override;
  void StopSound() override;
  bool PlayMusic(const std::string& name, std::vector<std::uint8_t> wave) override;
  void StopMusic() override;
  bool OpenCapture() override;
  void ReadCapture(std::vector<std::int16_t>& append) override;
  void CloseCapture() override;
  void MessageBox(const std::string& utf8Text, const std::string& utf8Caption) override;
  bool OpenUrl(const std::string& url) override;

  // The colour the window shows at a point (0x00RRGGBB), -1 without a window (tests).
  long WindowPixel(int x, int y);
  // The bytes of the music playing, null for none (tests).
  const std::uint8_t* MusicBytes() const { return music_ ? musicData_.data() : nullptr; }

 private:
  bool InitVideo();
  bool InitMixer();
  void EnsureWindow();
  // Turns a termination request into an event in SDL's queue, so a wait
  // for input ends, and closes a message box: the signal handler may not
  // touch SDL itself. Started before the first wait (video may be up before
  // the program catches the signals).
  void WatchTermination();
  void StopWatching();

  bool videoReady_ = false;
  bool audioTried_ = false;
  bool mixerReady_ = false;
  SDL_Window* window_ = nullptr;
  std::string title_;
  Mix_Chunk* chunk_ = nullptr;
  _Mix_Music* music_ = nullptr;
  std::vector<std::uint8_t> musicData_;
  std::uint32_t captureDevice_ = 0;
  int lastX_ = 0, lastY_ = 0;
  std::thread watcher_;
  int stopWatching_ = -1;  // an eventfd that ends the watcher
  // While a message box is up: SDL shows it from a process of its own.
  std::shared_ptr<std::atomic<bool>> boxOpen_ = std::make_shared<std::atomic<bool>>(false);
};
