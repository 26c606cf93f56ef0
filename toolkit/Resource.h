// Bitmaps by name from the resource library (letter tiles, the pictures of
// the buttons, toggles and the scroll knob).
#pragma once
#include <functional>
#include <string>
#include <utility>

#include "platform/Graphics.h"

// Fills the bitmap, which the caller has just created empty and keeps owning,
// with the picture of that name. True when the picture was found and loaded:
// the bitmap then has the picture's width and height. On false the bitmap is
// left as it was. Whatever a substitute provider throws passes on to the caller.
bool OtworzBMP(const std::string& name, TBitmap* bitmap);

// Where OtworzBMP takes its pictures from: the resource library unless
// another provider has been put in its place.
using ResourceProvider = std::function<bool(const std::string& name, TBitmap* bitmap)>;
// An empty provider puts the library back.
void SetResourceProvider(ResourceProvider provider);

// A provider for the life of a scope (tests); the library is back afterwards.
class ScopedResourceProvider {
 public:
  explicit ScopedResourceProvider(ResourceProvider provider) { SetResourceProvider(std::move(provider)); }
  ~ScopedResourceProvider() { SetResourceProvider(nullptr); }
  ScopedResourceProvider(const ScopedResourceProvider&) = delete;
  ScopedResourceProvider& operator=(const ScopedResourceProvider&) = delete;
};
