// The largest card mask of the odd-one-out game, from the generated data
// tree beside the benchmarks (8-bit), read as the game reads it; null when
// the tree is not there.
#pragma once
#include <filesystem>
#include <memory>

#include "platform/Jpeg.h"
#include "toolkit/Ctransbitmap.h"
#include "shell/Startup.h"

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
