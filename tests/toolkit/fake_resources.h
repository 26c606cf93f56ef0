// A stand-in for the resource library in tests of the picture controls: it
// hands out pictures made in memory, records the names asked for, can fail
// on a chosen name, and counts the bitmaps it filled that are still alive.
// Also the small helpers those tests share.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/Resource.h"
#include "toolkit/_cblad.h"

namespace fakeres {

// A 24-bit picture of one colour.
inline void Solid(TBitmap* b, int w, int h, TColor colour) {
  b->SetPixelFormat(pf24bit);
  b->SetHandleType(bmDIB);
  b->SetSize(w, h);
  b->Canvas()->Brush.Color = colour;
  b->Canvas()->FillRect(Rect(0, 0, w, h));
}

// A new bitmap of that colour (see Solid).
inline std::unique_ptr<TBitmap> Filled(int w, int h, TColor colour) {
  auto b = std::make_unique<TBitmap>();
  Solid(b.get(), w, h, colour);
  return b;
}

// Building the control fails with the fatal error of code 1.
inline void ExpectCode1(const std::function<void()>& build) {
  try {
    build();
    ADD_FAILURE() << "no exception";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
}

// The pictures of a button of w x h whose 2 x 2 top-left corner lies outside
// its shape: mask white over the shape and black in the corner; each state
// picture of one colour over the shape and white in the corner.
constexpr int kButtonW = 20, kButtonH = 10;
constexpr TColor kNormal = clBlue, kActive = clLime, kPressed = clRed;

class FakeResources {
 public:
  using Maker = std::function<void(TBitmap*)>;

  FakeResources()
      : scope_([this](const std::string& name, TBitmap* bitmap) { return Provide(name, bitmap); }) {}

  void Add(const std::string& name, Maker make) { pictures_[name] = std::move(make); }
  void AddSolid(const std::string& name, int w, int h, TColor colour) {
    Add(name, [=](TBitmap* b) { Solid(b, w, h, colour); });
  }
  // The four pictures of a button (see above).
  void AddButton(const std::string& base, int w = kButtonW, int h = kButtonH) {
    auto state = [w, h](TColor c) {
      return [=](TBitmap* b) {
        Solid(b, w, h, c);
        b->Canvas()->Brush.Color = clWhite;
        b->Canvas()->FillRect(Rect(0, 0, 2, 2));
      };
    };
    Add(base + "_D", state(kNormal));
    Add(base + "_A", state(kActive));
    Add(base + "_", state(kPressed));
    Add(base + "_M", [=](TBitmap* b) {
      Solid(b, w, h, clWhite);
      b->Canvas()->Brush.Color = clBlack;
      b->Canvas()->FillRect(Rect(0, 0, 2, 2));
    });
  }
  // Asking for this name throws what the function throws.
  void FailOn(const std::string& name, std::function<void()> thrower) {
    failName_ = name;
    thrower_ = std::move(thrower);
  }

  const std::vector<std::string>& Requested() const { return requested_; }
  // Bitmaps handed to the provider that have not been destroyed yet.
  long LiveBitmaps() const { return token_.use_count() - 1; }

 private:
  bool Provide(const std::string& name, TBitmap* bitmap) {
    requested_.push_back(name);
    // The bitmap's canvas holds a share of the token until the bitmap goes.
    bitmap->Canvas()->OnChange = [t = token_](const TRect&) {};
    if (name == failName_ && thrower_) thrower_();
    auto it = pictures_.find(name);
    if (it == pictures_.end()) return false;
    it->second(bitmap);
    return true;
  }

  std::map<std::string, Maker> pictures_;
  std::vector<std::string> requested_;
  std::shared_ptr<int> token_ = std::make_shared<int>(0);
  std::string failName_;
  std::function<void()> thrower_;
  ScopedResourceProvider scope_;
};

}  // namespace fakeres
