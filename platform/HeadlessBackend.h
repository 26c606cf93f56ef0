// The back end for tests: no window and no devices. A virtual clock that
// Sleep, sounds and waits advance; scripted input, also input that arrives
// during a Sleep or a synchronous sound; the composed screen to read; logs
// of sounds, message boxes and links.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Graphics.h"

// Thrown when the program would wait for input that the test never gives.
class HeadlessStall : public BackendAbort {
 public:
  using BackendAbort::BackendAbort;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // ---- Backend ----
  TPoint ScreenSize() override { return screenSize_; }
  void Present(const TBitmap& screen, const std::vector<TRect>& dirty) override;
  void SetTitle(const std::string& utf8Title) override { title_ = utf8Title; }
  void BringToFront() override { ++bringToFrontCount_; }
  bool PollEvent(InputEvent& event) override;
  void WaitEvent(int timeoutMs) override;
  void CaptureMouse(bool on) override { mouseCaptured_ = on; }
  BackendCursor* CreateCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY) override;
  void FreeCursor(BackendCursor* cursor) override;
  void SetCursor(BackendCursor* cursor) override { cursor_ = cursor; }
  void ShowCursor(bool show) override { cursorVisible_ = show; }
  std::int64_t PerformanceCounter() override { return nowUs_ += counterReadCostUs_; }
  std::int64_t PerformanceFrequency() override { return 1000000; }
  void Sleep(unsigned ms) override;
  bool PlaySound(const std::string& name, const std::vector<std::uint8_t>& wave, bool sync) override;
  void StopSound() override;
  bool PlayMusic(const std::string& name, std::vector<std::uint8_t> wave) override;
  void StopMusic() override;
  void Beep(unsigned frequency, unsigned milliseconds) override { beeps_.push_back(BeepEntry{frequency, milliseconds}); }
  bool OpenCapture() override;
  void ReadCapture(std::vector<std::int16_t>& append) override;
  void CloseCapture() override;
  void MessageBox(const std::string& utf8Text, const std::string& utf8Caption) override;
  bool OpenUrl(const std::string& url) override;

  // ---- settings ----
  void SetScreenSize(int w, int h) { screenSize_ = {w, h}; }

  // ---- the virtual clock ----
  std::int64_t NowMs() const { return nowUs_ / 1000; }
  void AdvanceTime(std::int64_t ms) { nowUs_ += ms * 1000; }
  const std::vector<unsigned>& Sleeps() const { return sleeps_; }
  // Runs at every Sleep, after the program has shown its screen: a test looks
  // at the frames of an animation (null: none).
  void DuringSleeps(std::function<void()> look) { duringSleep_ = std::move(look); }
  // Each reading of the performance counter moves the clock on by this much
  // first, as the busy time between two readings would (0 at first): a busy
  // wait on the counter then comes to its end.
  void SetCounterReadCostUs(int us) { counterReadCostUs_ = us; }

  // ---- scripted input, in screen coordinates ----
  // Each call queues input at the current time, or `delayMs` later.
  void Post(const InputEvent& e, std::int64_t delayMs = 0);
  void MouseMove(int x, int y, std::int64_t delayMs = 0);
  void MouseDown(int x, int y, int button = 1, int clicks = 1, std::int64_t delayMs = 0);
  void MouseUp(int x, int y, int button = 1, std::int64_t delayMs = 0);
  void Click(int x, int y, int button = 1, std::int64_t delayMs = 0);  // move, press, release
  void DoubleClick(int x, int y, std::int64_t delayMs = 0);
  void Wheel(int x, int y, int notches, std::int64_t delayMs = 0);
  void KeyDown(int vk, int ch = 0, std::int64_t delayMs = 0);
  void KeyUp(int vk, std::int64_t delayMs = 0);
  void Key(int vk, int ch = 0, std::int64_t delayMs = 0);  // down and up
  void RequestClose(std::int64_t delayMs = 0);
  // A termination signal, taken as the program's handler takes it: at once,
  // or delayMs later (also during a Sleep or a synchronous sound, which it
  // cuts short).
  void Terminate(std::int64_t delayMs = 0);
  void LoseFocus(std::int64_t delayMs = 0);  // another window takes the keyboard and the pointer
  std::size_t PendingInput() const { return events_.size(); }
  // Steps run one at a time whenever the program would wait for input; when
  // none is left such a wait throws HeadlessStall.
  void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
  std::size_t StepsLeft() const { return steps_.size(); }
  void ClearScript();

  // ---- what the program showed and played ----
  const TBitmap& Screen() const { return shown_; }
  // Runs after every Present, so that a test can read the screen while a
  // handler blocks in a Sleep or a sound (null: none). ClearScript and
  // Reset remove it.
  void OnPresent(std::function<void()> hook) { presentHook_ = std::move(hook); }
  TColor ScreenPixel(int x, int y) const { return shown_.PixelColor(x, y); }
  int PresentCount() const { return presentCount_; }
  const std::string& Title() const { return title_; }
  int BringToFrontCount() const { return bringToFrontCount_; }
  bool MouseCaptured() const { return mouseCaptured_; }
  BackendCursor* Cursor() const { return cursor_; }
  bool CursorVisible() const { return cursorVisible_; }

  struct SoundEntry {
    std::string name;
    bool sync;
    std::int64_t startMs;
    int durationMs;
  };
  const std::vector<SoundEntry>& Sounds() const { return sounds_; }
  void ClearSounds() { sounds_.clear(); }
  bool SoundPlayingNow() const;
  const std::string& Music() const { return music_; }  // empty when none plays
  struct BeepEntry {
    unsigned frequency, milliseconds;
  };
  const std::vector<BeepEntry>& Beeps() const { return beeps_; }

  // The microphone: off means none is there. Its signal is a function of
  // the sample index; a recording receives 22050 samples per virtual second.
  void SetMicrophone(bool present) { microphone_ = present; }
  void SetMicrophoneSignal(std::function<std::int16_t(std::int64_t)> signal) { signal_ = std::move(signal); }
  bool Capturing() const { return capturing_; }

  struct MessageBoxEntry {
    std::string text, caption;  // UTF-8
  };
  const std::vector<MessageBoxEntry>& MessageBoxes() const { return boxes_; }
  const std::vector<std::string>& OpenedUrls() const { return urls_; }

  // Puts the back end to its first state (screen size kept).
  void Reset();

 private:
  struct Timed {
    std::int64_t atUs;
    InputEvent event;
  };
  // Moves the clock on by us, or to the first termination due before, and
  // delivers the terminations due by then.
  void Pass(std::int64_t us);
  std::int64_t NextTerminationUs() const { return terminations_.empty() ? -1 : terminations_.front(); }
  TPoint screenSize_{1024, 768};
  TBitmap shown_;
  int presentCount_ = 0;
  std::string title_;
  int bringToFrontCount_ = 0;
  std::int64_t nowUs_ = 1000000;
  std::int64_t idleSinceUs_ = 0;
  int counterReadCostUs_ = 0;
  std::vector<unsigned> sleeps_;
  std::function<void()> duringSleep_;
  std::deque<Timed> events_;
  std::deque<std::function<void()>> steps_;
  std::deque<std::int64_t> terminations_;  // when, in time order
  bool mouseCaptured_ = false;
  BackendCursor* cursor_ = nullptr;
  bool cursorVisible_ = true;
  std::vector<SoundEntry> sounds_;
  std::string music_;
  std::vector<BeepEntry> beeps_;
  bool microphone_ = true;
  bool capturing_ = false;
  std::int64_t captureStartUs_ = 0;
  std::int64_t captureRead_ = 0;
  std::function<std::int16_t(std::int64_t)> signal_;
  std::vector<MessageBoxEntry> boxes_;
  std::vector<std::string> urls_;
  int lastX_ = 0, lastY_ = 0;
  std::function<void()> presentHook_;
};

// The headless back end in use (installing a fresh one when another is current).
HeadlessBackend& Headless();
