#include "platform/Backend.h"

namespace {
// Never destroyed by itself: objects destroyed at exit may still ask for it.
Backend* g_backend = nullptr;
}  // namespace

Backend& CurrentBackend() {
  if (!g_backend) g_backend = CreateDefaultBackend().release();
  return *g_backend;
}

void InstallBackend(std::unique_ptr<Backend> backend) {
  delete g_backend;
  g_backend = backend.release();
}
