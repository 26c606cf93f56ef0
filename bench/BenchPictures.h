// Pictures for the blending benchmarks.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>

#include "platform/Jpeg.h"
#include "toolkit/Ctransbitmap.h"
#include "shell/Startup.h"

// A device-independent bitmap of the format and size (8-bit: grey palette).
inline std::unique_ptr<TBitmap> MakeBitmap(TPixelFormat pf, int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  b->SetHandleType(bmDIB);
  if (pf == pf8bit) SetGreyPalette(b.get());
  b->SetSize(w, h);
  return b;
}

inline void FillRandom(TBitmap* b, std::mt19937& rng) {
  for (int y = 0; y < b->Height(); ++y) {
    std::uint8_t* row = b->ScanLine(y);
    for (int x = 0; x < b->RowBytes(); ++x) row[x] = std::uint8_t(rng());
  }
}

// The loops Composite runs when these are asked for, as a label.
inline const char* LoopsName(BlendLoops asked) {
  switch (std::min(asked, BestBlendLoops())) {
    case BlendLoops::Avx512: return "AVX-512 and AVX2";
    case BlendLoops::Avx2: return "AVX2";
    case BlendLoops::Plain: break;
  }
  return "plain loops";
}

// The largest card mask of the odd-one-out game, from the generated data
// tree beside the benchmarks (8-bit), read as the game reads it; null when
// the tree is not there.
inline const TBitmap* CardMask() {
  static const std::unique_ptr<TBitmap> mask = []() -> std::unique_ptr<TBitmap> {
    const std::filesystem::path file =
        std::filesystem::path(ExecutableFolder()).parent_path() / "Data" / "Intf" / "Spec" / "R5_cnp3ms1.xji";
    try {
      TJPEGImage jpeg;
      jpeg.LoadFromFile(file.string());
      // One channel of the picture, as an 8-bit mask.
      const TBitmap& picture = jpeg.Bitmap();
      const int step = picture.PixelFormat() == pf8bit ? 1 : 3;
      auto m = std::make_unique<TBitmap>();
      m->SetPixelFormat(pf8bit);
      SetGreyPalette(m.get());
      m->SetSize(picture.Width(), picture.Height());
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) m->ScanLine(y)[x] = picture.ScanLine(y)[x * step];
      return m;
    } catch (const std::exception&) {
      return nullptr;
    }
  }();
  return mask.get();
}
