#include "platform/Backend.h"

namespace {
std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}
}  // namespace

Backend& CurrentBackend() {
  auto& b = Slot();
  if (!b) b = CreateDefaultBackend();
  return *b;
}

void InstallBackend(std::unique_ptr<Backend> backend) { Slot() = std::move(backend); }
