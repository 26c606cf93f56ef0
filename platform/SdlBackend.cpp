#include "platform/SdlBackend.h"

#include <SDL.h>

std::unique_ptr<Backend> CreateDefaultBackend() { return std::make_unique<SdlBackend>(); }

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
  if (videoReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TPoint SdlBackend::ScreenSize() {
  if (!videoReady_) videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  SDL_DisplayMode mode;
  if (!videoReady_ || SDL_GetDesktopDisplayMode(0, &mode) != 0) return {0, 0};
  return {mode.w, mode.h};
}
