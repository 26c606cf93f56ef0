// The screen, as the program sees it.
#pragma once
#include "platform/Backend.h"

class TScreen {
 public:
  int Width() const { return CurrentBackend().ScreenSize().x; }
  int Height() const { return CurrentBackend().ScreenSize().y; }
};

extern TScreen* Screen;
