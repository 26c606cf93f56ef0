// The one interface between the platform layer and what lies under it: SDL2
// in the program, a headless twin in tests. Which one a binary gets by
// default is decided by the back-end library it links.
#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Types.h"

class TBitmap;

// Raw input, in screen coordinates.
struct InputEvent {
  // FocusLost: another window took the keyboard, and with it the pointer;
  // buttons held now are released there.
  enum Kind { MouseMove, MouseDown, MouseUp, MouseWheel, KeyDown, KeyUp, CloseRequest, Activated, FocusLost };
  Kind kind = MouseMove;
  int x = 0, y = 0;
  int button = 0;     // 1 left, 2 middle, 3 right
  int clicks = 1;     // 2 for the second press of a double click
  int wheel = 0;      // notches, positive away from the user
  int key = 0;        // virtual key code
  int ch = 0;         // the character a key press gives (8, 13, 27, 32, or a letter), 0 for none
  unsigned shift = 0; // ssShift / ssAlt / ssCtrl of the keyboard
};

// Thrown by a back end when the program cannot go on at all (the headless
// back end's wait for input that never comes). The message loop shows the
// program's own errors and carries on; this one it lets through.
class BackendAbort : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A cursor picture made by the back end.
struct BackendCursor;

class Backend {
 public:
  virtual ~Backend() = default;

  // ---- screen ----
  virtual TPoint ScreenSize() = 0;
  // Shows the rectangles of the composed screen (32 bits per pixel, screen size).
  virtual void Present(const TBitmap& screen, const std::vector<TRect>& dirty) = 0;
  // The window's own pixels, when the back end can lend them: rows of 32-bit
  // B,G,R,X pixels `pitch` bytes apart, screen size, kept as they were left.
  // The program then composes the screen there and shows it with
  // PresentLent instead of keeping a screen of its own. Null: use Present.
  virtual std::uint8_t* LendFrame(int& pitch) { return nullptr; }
  virtual void PresentLent(const std::vector<TRect>& dirty) {}
  virtual void SetTitle(const std::string& utf8Title) = 0;
  virtual void BringToFront() = 0;

  // ---- input ----
  virtual bool PollEvent(InputEvent& event) = 0;
  // Blocks until input may be waiting or timeoutMs has passed (-1: no limit).
  virtual void WaitEvent(int timeoutMs) = 0;
  virtual void CaptureMouse(bool on) = 0;

  // ---- cursors ----
  // colour: 24/32-bit picture; mask: same size, non-zero where the cursor shows.
  virtual BackendCursor* CreateCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY) = 0;
  virtual void FreeCursor(BackendCursor* cursor) = 0;
  virtual void SetCursor(BackendCursor* cursor) = 0;  // null: the system arrow
  virtual void ShowCursor(bool show) = 0;

  // ---- time ----
  virtual std::int64_t PerformanceCounter() = 0;
  virtual std::int64_t PerformanceFrequency() = 0;
  virtual void Sleep(unsigned ms) = 0;  // blocks; input arriving meanwhile stays queued

  // ---- sound ----
  // Plays RIFF WAVE content (name is for logs), cutting whatever sound is
  // playing; a sync play returns when the sound has ended, having dispatched
  // nothing. False when the content is unplayable; silence without a device.
  virtual bool PlaySound(const std::string& name, const std::vector<std::uint8_t>& wave, bool sync) = 0;
  virtual void StopSound() = 0;
  // Music on a channel of its own, looping. The bytes are handed over: music
  // is long, and the back end keeps them while it plays.
  virtual bool PlayMusic(const std::string& name, std::vector<std::uint8_t> wave) = 0;
  virtual void StopMusic() = 0;
  // A short tone from the speaker; nothing by default.
  virtual void Beep(unsigned frequency, unsigned milliseconds) {}

  // ---- recording (mono, 22050 Hz, 16-bit) ----
  virtual bool OpenCapture() = 0;  // false when there is no microphone
  virtual void ReadCapture(std::vector<std::int16_t>& append) = 0;
  virtual void CloseCapture() = 0;

  // ---- desktop ----
  virtual void MessageBox(const std::string& utf8Text, const std::string& utf8Caption) = 0;
  virtual bool OpenUrl(const std::string& url) = 0;
};

// The back end in use; the linked default is created on first use.
Backend& CurrentBackend();
// Replaces the back end (tests install one of their own).
void InstallBackend(std::unique_ptr<Backend> backend);
// Defined once by each back-end library.
std::unique_ptr<Backend> CreateDefaultBackend();
