// What the game tests share: the game's data (interface pictures of every
// art set, the lens, feedback sounds, and a coloured picture and a short
// recording for each word a test's settings can draw); the game's pieces built alone, with the
// dictionary and a statistics file; and the whole program on the headless
// back end with the game windows in it.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/_cslowa.h"
#include "games/Cgameform.h"
#include "games/Gamewindows.h"
#include "platform/Jpeg.h"
#include "platform/Mmsystem.h"
#include "shell/Fmkomunikat.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "tests/games/LianyTestData.h"
#include "tests/shell/ShellProgram.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"
#include "toolkit/Cdataencryption.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/_cprzycisk.h"

namespace gametest {

constexpr TColor kBackground = 0x644628;  // the game backgrounds (R 40, G 70, B 100)
constexpr TColor kLensFrame = 0x1060A0;    // the lens frame
constexpr int kWordSoundMs = 500;
constexpr int kFeedbackSoundMs = 300;
constexpr int kLensW = 446, kLensH = 440;

// The colour of a word's picture: one per word.
inline TColor WordColour(int index) {
  int r = 30 + (index * 37) % 200, g = 30 + (index * 91) % 200, b = 30 + (index * 53) % 200;
  return TColor(r | (g << 8) | (b << 16));
}

inline bool Near(TColor a, TColor b, int tolerance = 8) {
  for (int shift = 0; shift < 24; shift += 8) {
    int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
    if (std::abs(d) > tolerance) return false;
  }
  return true;
}

inline int Channel(TColor c, int i) { return int((c >> (8 * i)) & 0xFF); }  // 0 red, 1 green, 2 blue

inline std::unique_ptr<TBitmap> Solid(int w, int h, TColor c) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  b->Canvas()->Brush.Color = c;
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

inline void WriteJpeg(const testsupport::TempDir& dir, const std::string& rel, const TBitmap& b) {
  dir.Write(rel, EncodeJpeg(b, 100, true));
}

// Card and frame sizes by art set (the frame shift is 6, 8, 11).
struct CardArt {
  std::string prefix;
  int card, frame, shift;
};
inline const std::vector<CardArt>& CardArts() {
  static const std::vector<CardArt> arts = {{"R2", 85, 97, 6}, {"R3", 108, 124, 8}, {"R5", 136, 158, 11}};
  return arts;
}

// The lens pair: an opaque frame around a transparent 400 x 400 window at (23, 20).
inline void WriteLens(const testsupport::TempDir& dir) {
  for (int white = 0; white < 2; ++white) {
    auto lens = Solid(kLensW, kLensH, kLensFrame);
    lens->Canvas()->Brush.Color = white ? clWhite : clBlack;
    lens->Canvas()->FillRect(Rect(23, 20, 423, 420));
    WriteJpeg(dir, std::string("Data/Intf/Spec/zoom44") + (white ? "W" : "B") + ".xji", *lens);
  }
}

// The truck game's pictures: flat colours, a box with a see-through face
// under a half see-through rim,
// a truck too narrow for its text (which must then be cut to the truck) with
// a half see-through band, so that a truck blended twice shows, and a
// 1280 x 960 scene, shorter than the playfield of a 1280 x 1024 screen, in
// faint bands, so that a shifted copy of it shows.
constexpr TColor kPlane = 0x3050F0, kTruck = 0x204060, kChute = 0xE0E0E0, kBox = 0x3080C0;
inline void WriteTruckData(const testsupport::TempDir& dir) {
  const char* prefixes[3] = {"R2", "R3", "R5"};
  const int screens[3][2] = {{800, 600}, {1024, 768}, {1280, 960}};
  // hole: wholly see-through; soft: half see-through.
  auto pair = [&](const std::string& name, bool bmp, int w, int h, TColor c, TRect hole, TRect soft = TRect{}) {
    for (int white = 0; white < 2; ++white) {
      auto b = Solid(w, h, c);
      b->Canvas()->Brush.Color = white ? clWhite : clBlack;
      b->Canvas()->FillRect(hole);
      const auto half = [&](int i) { return Channel(c, i) / 2 + (white ? 128 : 0); };
      b->Canvas()->Brush.Color = TColor(half(0) | half(1) << 8 | half(2) << 16);
      b->Canvas()->FillRect(soft);
      const std::string rel = "Data/Intf/Spec/" + name + (white ? "W" : "B") + (bmp ? ".xbi" : ".xji");
      if (bmp) b->SaveToFile(dir.File(rel));
      else WriteJpeg(dir, rel, *b);
    }
  };
  for (int i = 0; i < 3; ++i) {
    CDisplay d;
    d.SelectMode(screens[i][0], screens[i][1]);
    auto s = [&](int v) { return d.Scale(16, v); };
    const std::string p = prefixes[i];
    pair(p + "_cie_sam", true, s(200), s(110), kPlane, TRect{});
    WriteJpeg(dir, "Data/Intf/Spec/" + p + "_cie_chmM.xji", *Solid(s(700), s(130), clWhite));
    pair(p + "_cie_cie", false, s(300), s(260), kTruck, TRect{}, Rect(s(20), s(150), s(120), s(200)));
    pair(p + "_cie_spa", false, s(168), s(108), kChute, Rect(0, s(50), s(30), s(108)));
    const TRect face = Rect(d.ScaleRounded(16, 24), d.ScaleRounded(16, 8), d.ScaleRounded(16, 152),
                            d.ScaleRounded(16, 142));
    pair(p + "_cie_pac", false, s(176), s(160), kBox, face, Rect(face.left, face.top, face.right, face.top + 7));
  }
  const char* backs[3] = {"R2", "R3", "R8"};
  for (int i = 0; i < 3; ++i) {
    const int w = screens[i][0], h = screens[i][1];
    auto back = Solid(w, h, kBackground);
    back->Canvas()->Brush.Color = kBackground + 0x060606;
    for (int x = 0; x < w; x += 32) back->Canvas()->FillRect(Rect(x, 0, x + 16, h));
    WriteJpeg(dir, std::string("Data/Intf/Spec/") + backs[i] + "_cieT.xji", *back);
  }
}

// The label-it word picture's size per art set (R2, R3, R5 masks).
struct PictureArt {
  std::string prefix;
  int w, h;
};
inline const std::vector<PictureArt>& LabelItPictures() {
  static const std::vector<PictureArt> arts = {{"R2", 254, 211}, {"R3", 324, 270}, {"R5", 405, 337}};
  return arts;
}

// The label-it game's backgrounds (the largest as tall as a 1280 x 1024
// game area) and its word-picture masks, white all over.
inline void WriteLabelItData(const testsupport::TempDir& dir) {
  WriteJpeg(dir, "Data/Intf/Spec/R2_pod4T.xji", *Solid(800, 600, kBackground));
  WriteJpeg(dir, "Data/Intf/Spec/R3_pod4T.xji", *Solid(1024, 768, kBackground));
  WriteJpeg(dir, "Data/Intf/Spec/R8_pod4T.xji", *Solid(1280, 1024, kBackground));
  for (const PictureArt& a : LabelItPictures())
    WriteJpeg(dir, "Data/Intf/Spec/" + a.prefix + "_pod4mas.xji", *Solid(a.w, a.h, clWhite));
}

// The flowers game: square flowers, an opaque plate and smile in every art set.
constexpr TColor kFlowerPlate = 0x30D0F0;
inline void WriteFlowersData(const testsupport::TempDir& dir) {
  struct Art {
    const char *pieces, *back;
    int w, h, flower, plateW, plateH, smile;
  };
  for (const Art& a : {Art{"R2", "R2", 800, 600, 93, 60, 35, 30}, Art{"R3", "R3", 1024, 768, 120, 76, 44, 38},
                       Art{"R5", "R8", 1280, 1024, 150, 96, 56, 48}}) {
    const std::string spec = std::string("Data/Intf/Spec/") + a.pieces;
    WriteJpeg(dir, std::string("Data/Intf/Spec/") + a.back + "_kwiT.xji", *Solid(a.w, a.h, kBackground));
    for (int k = 1; k <= 8; ++k) WriteJpeg(dir, spec + "_kwi_mk" + std::to_string(k) + ".xji", *Solid(a.flower, a.flower, clWhite));
    for (const char* side : {"B", "W"}) {
      WriteJpeg(dir, spec + "_kwi_podg" + side + ".xji", *Solid(a.plateW, a.plateH, kFlowerPlate));
      Solid(a.smile, a.smile, clYellow)->SaveToFile(dir.File(spec + "_kwi_usm" + side + ".xbi"));
    }
  }
}

// Writes what the games read into a folder besides the words' files: their
// pictures in every art set, the lens, the feedback sounds.
inline void WriteGameData(const testsupport::TempDir& dir) {
  WriteLabelItData(dir);
  std::vector<std::int16_t> feedback(std::size_t(kFeedbackSoundMs * 4), 0);
  std::filesystem::create_directories(dir.File("Data/Intf/Smd"));
  char name[16];
  for (int n = 0; n < 47; ++n) {
    std::snprintf(name, sizeof name, "g%02d.pw", n);
    WriteWaveFile(dir.File(std::string("Data/Intf/Smd/") + name), feedback, 4000);
    std::snprintf(name, sizeof name, "b%02d.pw", n);
    if (n < 40) WriteWaveFile(dir.File(std::string("Data/Intf/Smd/") + name), feedback, 4000);
  }
  // Cards: white with 6 x 6 transparent corners; frames: a ring around the card.
  for (const CardArt& a : CardArts()) {
    for (int n = 1; n <= 5; ++n) {
      auto card = Solid(a.card, a.card, clWhite);
      card->Canvas()->Brush.Color = clBlack;
      card->Canvas()->FillRect(Rect(0, 0, 6, 6));
      card->Canvas()->FillRect(Rect(a.card - 6, a.card - 6, a.card, a.card));
      WriteJpeg(dir, "Data/Intf/Spec/" + a.prefix + "_cnp3ms" + std::to_string(n) + ".xji", *card);
      auto frame = Solid(a.frame, a.frame, clWhite);
      frame->Canvas()->Brush.Color = clBlack;
      frame->Canvas()->FillRect(Rect(a.shift, a.shift, a.shift + a.card, a.shift + a.card));
      WriteJpeg(dir, "Data/Intf/Spec/" + a.prefix + "_cnp3om" + std::to_string(n) + ".xji", *frame);
    }
  }
  WriteJpeg(dir, "Data/Intf/Spec/R2_cnp3T.xji", *Solid(800, 600, kBackground));
  WriteJpeg(dir, "Data/Intf/Spec/R3_cnp3T.xji", *Solid(1024, 768, kBackground));
  WriteJpeg(dir, "Data/Intf/Spec/R8_cnp3T.xji", *Solid(1280, 1024, kBackground));
  WriteLens(dir);
  WriteTruckData(dir);
  WriteFlowersData(dir);
  lianytest::WriteLianyData(dir);
}

// The words' pictures (one colour per word, by its place in the built-in
// table) and recordings, written into a folder only as a test needs them:
// a game draws from a few sounds, not from all 570 words.
class WordFiles {
 public:
  explicit WordFiles(const testsupport::TempDir& dir) : dir_(dir) {
    for (std::size_t i = 0; i < words_.words.size(); ++i) colours_[words_.words[i]->key] = WordColour(int(i));
  }
  TColor ColourOf(const std::string& key) const { return colours_.at(key); }
  bool Has(const std::string& key) const { return written_.count(key) != 0; }

  // The picture and the recording of one word.
  void Write(const std::string& key) {
    if (!written_.insert(key).second) return;
    auto picture = Solid(16, 16, ColourOf(key));
    std::vector<std::uint8_t> bytes = EncodeJpeg(*picture, 100, true);
    ScrambleWithKey(key, bytes.data(), std::int64_t(bytes.size()));
    dir_.Write("Data/exio44j/" + key + ".+jp", bytes);
    std::filesystem::create_directories(dir_.File("Data/Smd"));
    WriteWaveFile(dir_.File("Data/Smd/" + key + ".pw"), std::vector<std::int16_t>(std::size_t(kWordSoundMs * 4), 0),
                  4000);
  }
  // Every word a game on these sounds and positions can show: a primary
  // record of a chosen sound, or of its voiced/voiceless partner, at a chosen
  // position.
  void Cover(std::int32_t phonemes, std::int32_t positions) {
    const PhonemeMask sounds = PhonemeMask(phonemes | OppositeMask(phonemes)) & CSlowa::AllPhonemes;
    std::vector<CSlowa::CPaczkaEx*> found;
    words_.SelectWords(found, sounds | (PhonemeMask(positions) & CSlowa::AllPositions));
    for (const CSlowa::CPaczkaEx* w : found) Write(w->key);
  }

 private:
  const testsupport::TempDir& dir_;
  CSlowa words_;  // the built-in table, in the program's order
  std::map<std::string, TColor> colours_;
  std::set<std::string> written_;
};

// One data tree for the tests that build the game's pieces without the program.
class DataTree {
 public:
  static DataTree& Get() {
    static DataTree tree;
    return tree;
  }
  const std::string& Path() const { return dir_.Path(); }
  WordFiles& Words() { return words_; }
  TColor ColourOf(const std::string& key) const { return words_.ColourOf(key); }

 private:
  DataTree() {
    if (!Dictionary) Dictionary = new CSlowa();
    WriteGameData(dir_);
  }
  testsupport::TempDir dir_;
  WordFiles words_{dir_};
};

// The game's pieces without the program: a fresh application, back end,
// screen size, settings and statistics file per test, run in the data tree.
class GameTest : public testsupport::HeadlessTest {
 protected:
  void UseScreen(int w, int h) {
    hb().SetScreenSize(w, h);
    Display.SelectMode(w, h);
  }
  void SetUp() override {
    HeadlessTest::SetUp();
    DataTree& tree = DataTree::Get();
    if (!Dictionary) Dictionary = new CSlowa();  // a program run before ends with none
    cwd = std::make_unique<testsupport::ScopedCwd>(tree.Path());
    ResetSettings();
    UseScreen(1024, 768);
    StatRec = new CStatRec(stats.File("prgst5.stt"));
  }
  void TearDown() override {
    EXPECT_EQ(hb().StepsLeft(), 0u) << "steps that never ran";
    delete StatRec;
    StatRec = nullptr;
    cwd.reset();
    HeadlessTest::TearDown();
  }
  shelltest::ShellResources resources;  // buttons of 52 x 64
  testsupport::TempDir stats;
  std::unique_ptr<testsupport::ScopedCwd> cwd;
};

// The program started with its game windows, over the shell's data tree
// with the game's data added.
class ProgramTest : public shelltest::ShellProgram {
 protected:
  void SetUp() override {
    ShellProgram::SetUp();
    // The program makes its own dictionary and ends with none.
    delete Dictionary;
    Dictionary = nullptr;
    tree = std::make_unique<shelltest::ShellTree>();
    WriteGameData(tree->dir);
    words = std::make_unique<WordFiles>(tree->dir);
    options.createGameWindows = CreateGameWindows;
  }
  std::vector<SessionRecord> Sessions() {
    std::vector<SessionRecord> out;
    CStatRec::ReadFile(tree->File("prgst5.stt"), out);
    return out;
  }
  TColor ColourOf(const std::string& key) const { return words->ColourOf(key); }
  // A step: message 3 stands where the game would have opened; its button closes it.
  void CloseTooFewWordsMessage(const TForm* game) {
    ASSERT_TRUE(FormKomunikat->Visible());
    EXPECT_EQ(FormKomunikat->Message(), kMsgTooFewWords);
    EXPECT_FALSE(game->Visible());
    shelltest::ClickOn(FormKomunikat->StopButton());
  }
  // Steps: each input, then 100 s without input (more than half the idle
  // time); the statistics session is still counting after each.
  using NamedInput = std::pair<const char*, std::function<void()>>;
  void StepInputsKeepingSessionAlive(std::vector<NamedInput> inputs) {
    auto all = std::make_shared<const std::vector<NamedInput>>(std::move(inputs));
    for (std::size_t i = 0; i < all->size(); ++i) {
      Step([all, i] {
        if (i > 0) {
          EXPECT_TRUE(StatRec->Active()) << "after " << (*all)[i - 1].first;
        }
        (*all)[i].second();
      });
      Step([this] { hb().AdvanceTime(100000); });
    }
  }
  // The words' files a game on these settings can draw.
  std::unique_ptr<WordFiles> words;
};

}  // namespace gametest
