// The one interface between the platform layer and what lies under it: SDL2
// in the program, a headless twin in tests. Which one a binary gets by
// default is decided by the back-end library it links.
#pragma once
#include <memory>

#include "platform/Types.h"

class Backend {
 public:
  virtual ~Backend() = default;
  // Pixel size of the primary screen.
  virtual TPoint ScreenSize() = 0;
};

// The back end in use; the linked default is created on first use.
Backend& CurrentBackend();
// Replaces the back end (tests install one of their own).
void InstallBackend(std::unique_ptr<Backend> backend);
// Defined once by each back-end library.
std::unique_ptr<Backend> CreateDefaultBackend();
