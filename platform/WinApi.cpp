#include "platform/WinApi.h"

#include "platform/SysUtils.h"

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Application->PostMessage(hwnd, msg, wParam, lParam);
  return 1;
}

BOOL PeekMessage(TMsg* msg, HWND hwnd, UINT first, UINT last, UINT remove) {
  return Application->PeekMessage(*msg, hwnd, first, last, remove) ? 1 : 0;
}

HWND GetCapture() { return Application->GetCapture(); }

HWND SetCapture(HWND hwnd) {
  HWND old = Application->GetCapture();
  Application->SetCapture(hwnd);
  return old;
}

BOOL ReleaseCapture() {
  Application->ReleaseCapture();
  return 1;
}

HCURSOR SetCursor(HCURSOR cursor) {
  CurrentBackend().SetCursor(cursor);
  Application->NoteShownCursor(cursor);
  return nullptr;
}

int ShowCursor(BOOL show) { return Application->ShowCursor(show != 0); }

HCURSOR CreatePictureCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY) {
  return CurrentBackend().CreateCursor(colour, mask, hotX, hotY);
}

void Sleep(unsigned ms) {
  Application->Present();
  CurrentBackend().Sleep(ms);
  Application->PumpInput();
}

std::uint32_t GetTickCount() { return std::uint32_t(Application->NowMs()); }

BOOL QueryPerformanceCounter(std::int64_t* count) {
  *count = CurrentBackend().PerformanceCounter();
  return 1;
}

BOOL QueryPerformanceFrequency(std::int64_t* frequency) {
  *frequency = CurrentBackend().PerformanceFrequency();
  return *frequency > 0;
}

unsigned timeBeginPeriod(unsigned) { return 0; }
unsigned timeEndPeriod(unsigned) { return 0; }
BOOL Beep(unsigned frequency, unsigned duration) {
  CurrentBackend().Beep(frequency, duration);
  return 1;
}

int MessageBox(HWND, const std::string& text, const std::string& caption, UINT) {
  Application->Present();
  CurrentBackend().MessageBox(Cp1250ToUtf8(text), Cp1250ToUtf8(caption));
  Application->PumpInput();
  return IDOK;
}

bool ShellOpen(const std::string& address) { return CurrentBackend().OpenUrl(address); }
