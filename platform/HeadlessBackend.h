// The back end for tests: no window, no sound device; everything settable.
#pragma once
#include "platform/Backend.h"

class HeadlessBackend : public Backend {
 public:
  TPoint ScreenSize() override { return screen_; }
  void SetScreenSize(int w, int h) { screen_ = {w, h}; }

 private:
  TPoint screen_{1024, 768};
};

// The headless back end in use (installing a fresh one when another is current).
HeadlessBackend& Headless();
