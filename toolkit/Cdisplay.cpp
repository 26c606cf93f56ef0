#include "toolkit/Cdisplay.h"

#include "platform/Forms.h"
#include "platform/Jpeg.h"
#include "platform/SysUtils.h"

CDisplay Display;

CDisplay::CDisplay() { SelectMode(); }

void CDisplay::SelectMode() { SelectMode(Screen->Width(), Screen->Height()); }

void CDisplay::SelectMode(int w, int h) {
  ScreenWidth = w;
  ScreenHeight = h;
  if (w < 1024 || h < 768) {
    ScreenClass = 2;
    GameArea.width = 800;
    GameArea.height = 600;
    ArtSet = 2;
    ArtPrefix[0] = ArtPrefix[1] = ArtPrefix[2] = "R2";
  } else if (w < 1280 || h < 960) {
    ScreenClass = 4;
    GameArea.width = 1024;
    GameArea.height = 768;
    ArtSet = 4;
    ArtPrefix[0] = ArtPrefix[1] = ArtPrefix[2] = "R3";
  } else if (h < 1024) {
    ScreenClass = 16;
    GameArea.width = 1280;
    GameArea.height = 960;
    ArtSet = 16;
    ArtPrefix[0] = "R5";
    ArtPrefix[1] = "R5";
    ArtPrefix[2] = "R8";
  } else {
    // 64 rows taller than the art: windows place their bottom controls themselves.
    ScreenClass = 128;
    GameArea.width = 1280;
    GameArea.height = 1024;
    ArtSet = 16;
    ArtPrefix[0] = "R8";
    ArtPrefix[1] = "R5";
    ArtPrefix[2] = "R8";
  }
  ArtWidth = ArtSet == 2 ? 800 : ArtSet == 4 ? 1024 : 1280;
  ArtHeight = ArtSet == 2 ? 600 : ArtSet == 4 ? 768 : 960;
  GameArea.left = (w - GameArea.width) / 2;
  GameArea.top = (h - GameArea.height) / 2;
}

int CDisplay::Scale(::ArtSet from, int v) const {
  const ::ArtSet to = ArtSet;
  if (from == 16 && to == 2) return 5 * v / 8;
  if (from == 16 && to == 4) return 8 * v / 10;
  if (from == 4 && to == 2) return 25 * v / 32;
  if (from == 4 && to == 16) return 10 * v / 8;
  if (from == 2 && to == 4) return 32 * v / 25;
  if (from == 2 && to == 16) return 8 * v / 5;
  return v;
}

int CDisplay::ScaleRounded(::ArtSet from, int v) const {
  const ::ArtSet to = ArtSet;
  if (from == 16 && to == 2) return (5 * v + 4) / 8;
  if (from == 16 && to == 4) return (8 * v + 5) / 10;
  if (from == 4 && to == 2) return (25 * v + 16) / 32;
  if (from == 4 && to == 16) return (10 * v + 4) / 8;
  if (from == 2 && to == 4) return (64 * v + 25) / 50;
  if (from == 2 && to == 16) return (16 * v + 5) / 10;
  return v;
}

void CDisplay::ScalePoint(::ArtSet from, int& x, int& y) const {
  x = Scale(from, x);
  y = Scale(from, y);
}

void CDisplay::LoadBackground(TBitmap* target, const std::string& fileName) const {
  target->SetHeight(0);
  target->SetPixelFormat(pf24bit);
  target->SetHandleType(bmDIB);
  target->Canvas()->Brush.Color = clBlack;
  auto blackScreen = [&] {
    target->SetWidth(ScreenWidth);
    target->SetHeight(ScreenHeight);
  };
  if (!FileExists(fileName)) {
    blackScreen();
    throw Exception("Brak bitmapy t\263a!", fileName + ": no such file");
  }
  // The picture is read before the screen-sized bitmap is made, and one that
  // covers the whole screen becomes the bitmap: no second copy of it is held.
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromFile(fileName);
  } catch (...) {
    blackScreen();
    throw;
  }
  const TBitmap& picture = jpeg.Bitmap();
  if (GameArea.left == 0 && GameArea.top == 0 && picture.Width() == ScreenWidth &&
      picture.Height() == ScreenHeight && picture.PixelFormat() == pf24bit) {
    jpeg.TakeBitmap(target);
    return;
  }
  blackScreen();
  target->Canvas()->Draw(GameArea.left, GameArea.top, &jpeg);
}

void CDisplay::PaintBorders(HWND window) const {
  if (ScreenWidth <= GameArea.width && ScreenHeight <= GameArea.height) return;
  TCanvas* c = window ? window->WindowCanvas() : nullptr;
  if (!c) return;
  // Everything outside the game rectangle, as four bands.
  // Drawn whatever part of the window is being painted; the paint's own
  // clip is back for the rest of it afterwards.
  const TBrush saved = c->Brush;
  const bool clipped = c->HasClipRect();
  const TRect clip = c->SurfaceClipRect();
  c->ResetClip();
  c->Brush.Color = clBlack;
  c->Brush.Style = bsSolid;
  const int l = GameArea.left, t = GameArea.top, r = l + GameArea.width, b = t + GameArea.height;
  c->FillRect(Rect(0, 0, ScreenWidth, t));
  c->FillRect(Rect(0, b, ScreenWidth, ScreenHeight));
  c->FillRect(Rect(0, t, l, b));
  c->FillRect(Rect(r, t, ScreenWidth, b));
  c->Brush = saved;
  if (clipped) c->SetClipRect(clip);
}

bool ScreenTooSmall() { return Screen->Width() < 800 || Screen->Height() < 600; }
