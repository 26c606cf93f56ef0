#include "platform/HeadlessBackend.h"

std::unique_ptr<Backend> CreateDefaultBackend() { return std::make_unique<HeadlessBackend>(); }

HeadlessBackend& Headless() {
  if (auto* h = dynamic_cast<HeadlessBackend*>(&CurrentBackend())) return *h;
  InstallBackend(std::make_unique<HeadlessBackend>());
  return static_cast<HeadlessBackend&>(CurrentBackend());
}
