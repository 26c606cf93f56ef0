// The largest card mask of the odd-one-out game, from the generated data
// tree beside the benchmarks (8-bit), read as the game reads it; null when
// the tree is not there.
#pragma once
#include <filesystem>
#include <memory>

#include "platform/Jpeg.h"
#include "shell/Startup.h"

inline const TBitmap* CardMask() {
  static const std::unique_ptr<TBitmap> mask = []() -> std::unique_ptr<TBitmap> {
    const std::filesystem::path file =
        std::filesystem::path(ExecutableFolder()).parent_path() / "Data" / "Intf" / "Spec" / "R5_cnp3ms1.xji";
    try {
      TJPEGImage jpeg;
      jpeg.LoadFromFile(file.string());
      auto m = std::make_unique<TBitmap>();
      m->Assign(&jpeg);
      return m;
    } catch (const std::exception&) {
      return nullptr;
    }
  }();
  return mask.get();
}
