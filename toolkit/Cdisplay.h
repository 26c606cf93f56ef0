// The display: screen size and class, the game area, the art set and the
// file-name prefixes of interface pictures, and scaling between art sets.
#pragma once
#include <string>

#include "platform/Graphics.h"
#include "platform/Messages.h"

// The design size a picture or a design coordinate belongs to:
// 2 = 800x600, 4 = 1024x768, 16 = 1280x960.
using ArtSet = int;

class CDisplay {
 public:
  CDisplay();
  ~CDisplay() = default;

  // Reads the screen size and sets every field.
  void SelectMode();
  // The same for a given screen size.
  void SelectMode(int screenWidth, int screenHeight);

  // A design value of art set `from` in the current art set, truncating.
  int Scale(::ArtSet from, int value) const;
  // The same, rounding to the nearest integer (halves upward for values >= 0).
  int ScaleRounded(::ArtSet from, int value) const;
  void ScalePoint(::ArtSet from, int& x, int& y) const;

  // Makes target a black, screen-sized 24-bit picture and draws the JPEG
  // file into it at the game area's origin. A missing file raises Exception
  // "Brak bitmapy tła!" naming the file in its detail (the target is black by then).
  void LoadBackground(TBitmap* target, const std::string& fileName) const;
  // Paints the window's area outside the game area black, when the screen
  // is larger than the game area.
  void PaintBorders(HWND window) const;

  int ScreenWidth = 0;
  int ScreenHeight = 0;
  int ScreenClass = 0;  // 2, 4, 16 or 128
  struct {
    int left = 0, top = 0, width = 0, height = 0;
  } GameArea;
  ::ArtSet ArtSet = 0;  // the current art set
  int ArtWidth = 0;
  int ArtHeight = 0;
  // First: the about box's background; second: pieces of the game windows;
  // third: the game windows' full backgrounds.
  std::string ArtPrefix[3];
};

// True when the screen is smaller than 800 x 600.
bool ScreenTooSmall();

extern CDisplay Display;
