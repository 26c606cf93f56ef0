// The back end of the program, over SDL2.
#pragma once
#include "platform/Backend.h"

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;
  TPoint ScreenSize() override;

 private:
  bool videoReady_ = false;
};
