// A small data tree for the shell's tests: the fonts, the pictures the shell
// loads and the music, written into a scratch folder; and the resource
// library's pictures (buttons, toggles, knob, cursors) made in memory.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "platform/Graphics.h"
#include "platform/HeadlessBackend.h"
#include "platform/Jpeg.h"
#include "platform/Mmsystem.h"
#include "platform/WinApi.h"
#include "tests/support/TempDir.h"
#include "toolkit/Resource.h"
#include "tools/support/FontFiles.h"

namespace shelltest {

inline void Fill(TBitmap& b, int w, int h, TColor c) {
  b.SetPixelFormat(pf24bit);
  b.SetHandleType(bmDIB);
  b.SetSize(w, h);
  b.Canvas()->Brush.Color = c;
  b.Canvas()->FillRect(Rect(0, 0, w, h));
}

// A font whose every printable sign is a solid box of 5 x lineHeight.
inline fontfiles::Bytes BoxFont(const std::string& name, int lineHeight) {
  fontfiles::FontRecord f;
  f.name = name;
  f.lineHeight = lineHeight;
  f.lineGap = 2;
  fontfiles::FontSign space;
  space.after = 4;
  fontfiles::FontSign box;
  box.after = 1;
  box.hasGlyph = true;
  box.glyph.width = 5;
  box.glyph.height = lineHeight;
  box.glyph.pixels.assign(std::size_t(5 * lineHeight), 255);
  f.signs = {space, box};
  for (int c = 0; c < 256; ++c) f.map[c] = (c == ' ' || c == '\n' || c == '\r') ? 0 : 1;
  return fontfiles::EncodeFontRecord(f);
}

struct TreeOptions {
  bool fonts = true;
  std::vector<std::string> skip;  // relative paths not to write
};

// The tree of every file the shell reads at start-up, for all art sets.
class ShellTree {
 public:
  explicit ShellTree(const TreeOptions& o = TreeOptions()) : options_(o) {
    if (o.fonts) {
      std::vector<fontfiles::FontSetEntry> set;
      const char* names[] = {"Kwi_R2", "Lia_R2", "CS_h21", "Kwi_R3", "Lia_R3", "CS_h27", "Kwi_R5", "Lia_R5", "CS_h34"};
      const int heights[] = {20, 20, 21, 26, 26, 27, 32, 32, 34};
      for (int i = 0; i < 9; ++i) set.push_back({names[i], BoxFont(names[i], heights[i])});
      Put("Data/Intf/Spec/tw5cz.tfs", fontfiles::EncodeFontSet(set));
    }
    for (const char* p : {"R2", "R3", "R8"}) Jpeg(std::string("Data/Intf/Spec/") + p + "_mainT.xji", 64, 48, kMain);
    for (const char* p : {"R2", "R3", "R5", "R8"}) Jpeg(std::string("Data/Intf/Spec/") + p + "_oprT.xji", 64, 48, kAbout);
    for (const char* p : {"R2", "R3", "R5"}) {
      Jpeg(std::string("Data/Intf/Spec/") + p + "_waitB.xji", 40, 30, kWait);
      Jpeg(std::string("Data/Intf/Spec/") + p + "_waitW.xji", 40, 30, kWait);
    }
    Jpeg("Data/Intf/Spec/mKom_kp.xji", 400, 200, kBox);
    Jpeg("Data/Intf/Spec/mKon_kp.xji", 480, 320, kBox);
    Jpeg("Data/Intf/Spec/splash.xji", 480, 320, kBox);
    for (const char* p : {"R2", "R3"})
      for (const char* s : {"_DB", "_DW", "_AB", "_AW"}) {
        TBitmap b;
        Fill(b, 40, 40, s[1] == 'A' ? clLime : clGray);
        std::string rel = std::string("Data/Intf/Spec/") + p + "_glos" + s + ".xbi";
        if (!Skipped(rel)) {
          dir.Write(rel, std::vector<std::uint8_t>{});
          b.SaveToFile(dir.File(rel));
        }
      }
    std::vector<std::int16_t> music(2205, 100);
    std::string rel = "Data/Intf/Smd/music.wav";
    if (!Skipped(rel)) {
      dir.Write(rel, std::vector<std::uint8_t>{});
      WriteWaveFile(dir.File(rel), music, 22050);
    }
  }

  const std::string& Path() const { return dir.Path(); }
  std::string File(const std::string& rel) const { return dir.File(rel); }

  static constexpr TColor kMain = 0xE0F0F8;
  static constexpr TColor kAbout = 0xD0E0F0;
  static constexpr TColor kWait = 0x2060C0;
  static constexpr TColor kBox = 0xF0F8FF;

  testsupport::TempDir dir;

 private:
  bool Skipped(const std::string& rel) const {
    for (const auto& s : options_.skip)
      if (s == rel) return true;
    return false;
  }
  void Put(const std::string& rel, const std::vector<std::uint8_t>& bytes) {
    if (!Skipped(rel)) dir.Write(rel, bytes);
  }
  void Jpeg(const std::string& rel, int w, int h, TColor c) {
    TBitmap b;
    Fill(b, w, h, c);
    Put(rel, EncodeJpeg(b, 95, true));
  }
  TreeOptions options_;
};

// The resource library's pictures: the letter tiles, buttons 52 x 64 (the
// scroll arrows 52 x 30) with a full mask, toggles in their sizes (off grey, on green), the knob and the cursors.
class ShellResources {
 public:
  ShellResources() : scope_([this](const std::string& n, TBitmap* b) { return Provide(n, b); }) {}

  // Told every name asked for; a name equal to refuse is not delivered.
  std::function<void(const std::string&)> onRequest;
  std::string refuse;

  static constexpr TColor kOff = 0x909090;
  static constexpr TColor kOn = 0x30C030;

 private:
  static bool EndsWith(const std::string& s, const std::string& e) {
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
  }
  bool Provide(const std::string& name, TBitmap* b) {
    if (onRequest) onRequest(name);
    if (name == refuse) return false;
    for (const char* tile : LetterTileNames)
      for (const char* suffix : {"_s", "_b", "_eb"})
        if (name == std::string(tile) + suffix) return Fill(*b, 30, 36, 0xF0F0F0), true;
    static const char* buttons[] = {"stop", "start", "pomoc", "nast", "pop", "powiedz", "oprogramie",
                                    "wyjdz", "rrec", "rodtworz", "rstop", "up", "down"};
    for (const char* base : buttons) {
      std::string n = base;
      int h = n == "up" || n == "down" ? 30 : 64;
      if (name == n + "_M") return Fill(*b, 52, h, clWhite), true;
      if (name == n + "_D") return Fill(*b, 52, h, 0x806040), true;
      if (name == n + "_A") return Fill(*b, 52, h, 0xA08060), true;
      if (name == n + "_") return Fill(*b, 52, h, 0x604020), true;
    }
    if (name == "scroll_D") return Fill(*b, 44, 20, 0x4040A0), true;
    if (name == "scroll_M") return Fill(*b, 44, 20, clWhite), true;
    if (name == "REKA1" || name == "SEKATOR") return Fill(*b, 32, 32, clBlack), true;
    if (name == "REKA1_M" || name == "SEKATOR_M") return Fill(*b, 32, 32, clWhite), true;
    bool on = EndsWith(name, "_A");
    if (!on && !EndsWith(name, "_D")) return false;
    std::string base = name.substr(0, name.size() - 2);
    if (base == "S_CHBUT") return Fill(*b, 36, 36, on ? kOn : kOff), true;
    bool small = base.rfind("s_", 0) == 0;
    if (!small && base.rfind("b_", 0) != 0) return false;
    std::string what = base.substr(2);
    int w = small ? 52 : 64, h = small ? 40 : 48;
    if (what.rfind("zakl", 0) == 0) w = small ? 118 : 150, h = small ? 44 : 56;
    for (const char* wide : {"naglos", "srodglos", "wyglos", "malo", "srednio", "duzo"})
      if (what == wide) w = small ? 120 : 150, h = small ? 40 : 48;
    Fill(*b, w, h, on ? kOn : kOff);
    return true;
  }
  ScopedResourceProvider scope_;
};

// The centre of a control, in screen coordinates.
template <class C>
TPoint CentreOf(const C* c) {
  return c->ClientToScreen(TPoint{c->Width() / 2, c->Height() / 2});
}

template <class C>
void ClickOn(const C* c) {
  TPoint p = CentreOf(c);
  Headless().Click(p.x, p.y);
}

}  // namespace shelltest
