// The vines game's files for the game tests: plain opaque leaves (green,
// lit ones yellow), white masks in the sizes of each art set, a flat
// background, and a short recording of every sound.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Jpeg.h"
#include "platform/Mmsystem.h"
#include "shell/_gloskifn.h"
#include "tests/shell/ShellTree.h"
#include "tests/support/TempDir.h"

namespace lianytest {

constexpr TColor kLeaf = 0x30A040;
constexpr TColor kLeafLit = 0x30E0F0;
constexpr int kPhonemeSoundMs = 400;

struct Sizes {
  const char* prefix;
  int leafW, leafH, window, cutW, cutH, title, patchW, patchH;
};
inline const Sizes kSizes[3] = {{"R2", 115, 85, 75, 20, 12, 150, 612, 37},
                                {"R3", 147, 108, 96, 25, 16, 192, 784, 48},
                                {"R5", 184, 136, 120, 32, 20, 240, 980, 60}};

inline void WriteLianyData(const testsupport::TempDir& dir) {
  auto jpeg = [&](const std::string& name, int w, int h, TColor c) {
    TBitmap b;
    shelltest::Fill(b, w, h, c);
    dir.Write("Data/Intf/Spec/" + name, EncodeJpeg(b, 100, true));
  };
  const TColor background = 0x644628;
  jpeg("R2_liaT.xji", 800, 600, background);
  jpeg("R3_liaT.xji", 1024, 768, background);
  jpeg("R8_liaT.xji", 1280, 1024, background);
  for (const Sizes& s : kSizes) {
    const std::string p = s.prefix;
    for (const char* shape : {"_lia_ll", "_lia_lr", "_lia_lsl", "_lia_lsr"})
      for (const char* side : {"B.xji", "W.xji"})
        jpeg(p + shape + side, s.leafW, s.leafH, shape[6] == 's' ? kLeafLit : kLeaf);
    jpeg(p + "_lia_lwlM.xji", s.window, s.window, clWhite);
    jpeg(p + "_lia_lwrM.xji", s.window, s.window, clWhite);
    jpeg(p + "_lia_liciM.xji", s.cutW, s.cutH, clWhite);
    jpeg(p + "_lia_kwiM.xji", s.title, s.title, clWhite);
    jpeg(p + "_lia_pspM.xji", s.patchW, s.patchH, clWhite);
  }
  std::filesystem::create_directories(dir.File("Data/Smdgl"));
  const std::vector<std::int16_t> sound(std::size_t(kPhonemeSoundMs * 4), 0);
  for (int bit = 0; bit < 26; ++bit)
    WriteWaveFile(dir.File("Data/Smdgl/" + PhonemeSoundName(1 << bit) + ".pw"), sound, 4000);
}

}  // namespace lianytest
