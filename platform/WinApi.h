// The desktop calls the program makes: messages, capture, cursors, time,
// message boxes and shell links.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Forms.h"

using BOOL = int;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PeekMessage(TMsg* msg, HWND hwnd, UINT first, UINT last, UINT remove);
HWND GetCapture();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();

// Shows the cursor at once (null: the system arrow).
HCURSOR SetCursor(HCURSOR cursor);
// Win32's display counter: the cursor shows while it is 0 or more.
int ShowCursor(BOOL show);
// A cursor from a picture: mask non-zero (non-black) where the cursor shows.
HCURSOR CreatePictureCursor(const TBitmap& colour, const TBitmap& mask, int hotX, int hotY);

// Blocks without dispatching anything; drawing reaches the screen first and
// input arriving meanwhile stays queued.
void Sleep(unsigned ms);
std::uint32_t GetTickCount();
BOOL QueryPerformanceCounter(std::int64_t* count);
BOOL QueryPerformanceFrequency(std::int64_t* frequency);
unsigned timeBeginPeriod(unsigned ms);
unsigned timeEndPeriod(unsigned ms);
BOOL Beep(unsigned frequency, unsigned duration);

constexpr UINT MB_OK = 0x00;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
// A modal box with one button; text and caption in code page 1250.
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// Opens an address (web page or mail link) with the desktop's program for it.
bool ShellOpen(const std::string& address);
