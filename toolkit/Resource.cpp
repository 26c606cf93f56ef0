#include "toolkit/Resource.h"

#include "resource/twresource.h"

namespace {
ResourceProvider& Provider() {
  static ResourceProvider provider;
  return provider;
}
}  // namespace

bool OtworzBMP(const std::string& name, TBitmap* bitmap) {
  if (!bitmap) return false;
  if (ResourceProvider& p = Provider()) return p(name, bitmap);
  return twresource::OtworzBMP(name.c_str(), bitmap);
}

void SetResourceProvider(ResourceProvider provider) { Provider() = std::move(provider); }
