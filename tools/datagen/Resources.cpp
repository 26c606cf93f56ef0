// Generates the resource library pictures: letter tiles, buttons, scroll knob, toggles, cursors.
//
// Every picture is a 24-bit BMP "<name>.bmp" in <root>/resource/Resource/,
// the folder beside the built library that serves them by name.
//
// Cursor hot spots (the shell installs the cursors with these):
//
//   cursor    picture / mask         size    hot spot   where
//   REKA1     REKA1 / REKA1_M        32x32   (9, 1)     tip of the pointing index finger
//   SEKATOR   SEKATOR / SEKATOR_M    32x32   (2, 2)     tips of the closed blades
//
// The mask is white where the cursor shows, black elsewhere; the colour
// picture is black wherever the mask is black.
#include "tools/datagen/Resources.h"

#include <cstdint>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "dictionary/Literki.h"
#include "dictionary/Phonemes.h"
#include "platform/SysUtils.h"
#include "tools/datagen/Modules.h"

namespace datagen::res {

std::string ResourcePath(const std::string& name) { return "resource\\Resource\\" + name + ".bmp"; }

// ---- letter tiles ----

const std::vector<std::string>& TileNames() {
  static const std::vector<std::string> names(std::begin(LetterTileNames), std::end(LetterTileNames));
  return names;
}

// Both from the piece the program makes of the name ("dzzz_red" -> "_d\237").
bool IsRedTile(const std::string& tileName) {
  const std::string segment = TileNameToSegment(tileName);
  return !segment.empty() && segment[0] == '_';
}

std::string TileText(const std::string& tileName) { return Cp1250ToUtf8(StripMark(TileNameToSegment(tileName))); }

const std::vector<TileSet>& TileSets() {
  // Limits: 13 pool blocks across the label-it board and a 10-block slot row
  // above the pool band, per art set.
  static const std::vector<TileSet> sets = {
      {"_s", 2, {46, 58}, {57, 71}},
      {"_b", 4, {60, 74}, {73, 89}},
      {"_eb", 16, {76, 94}, {93, 113}},
  };
  return sets;
}

// ---- buttons ----

const std::vector<std::string>& ButtonNames() {
  static const std::vector<std::string> names = {"stop",       "start", "pomoc", "nast", "pop",      "powiedz", "oprogramie",
                                                 "wyjdz",      "rrec",  "rodtworz", "rstop", "up",   "down"};
  return names;
}

Size ButtonSize(const std::string& base) { return base == "up" || base == "down" ? kArrowSize : kButtonSize; }

const std::vector<std::string>& ButtonSuffixes() {
  static const std::vector<std::string> suffixes = {"_D", "_A", "_", "_M"};
  return suffixes;
}

// ---- toggles ----

namespace {
// The sound toggles, in phoneme bit order: named and labelled from the
// program's phoneme table ("ZZ" shows "Ż/RZ").
std::vector<Toggle> SoundToggles() {
  std::vector<Toggle> toggles;
  for (int i = 0; i < PhonemeCount; ++i) toggles.push_back({PhonemeToggleName(i), Cp1250ToUtf8(PhonemeForms(i, "/"))});
  return toggles;
}
}  // namespace

const std::vector<ToggleFamily>& ToggleFamilies() {
  static const std::vector<ToggleFamily> families = {
      {ToggleGroup::Sound,
       SoundToggles(),
       {52, 40},
       {64, 48}},
      {ToggleGroup::Position,
       {{"naglos", "na pocz\u0105tku"}, {"srodglos", "w \u015Brodku"}, {"wyglos", "na ko\u0144cu"}},
       {120, 40},
       {150, 48}},
      {ToggleGroup::Amount,
       {{"malo", "ma\u0142o"}, {"srednio", "\u015Brednio"}, {"duzo", "du\u017Co"}},
       {120, 40},
       {150, 48}},
      {ToggleGroup::Tab,
       {{"zakl1", "Podpisz"},
        {"zakl2", "Liany"},
        {"zakl3", "Kwiatki"},
        {"zakl4", "Co nie pasuje?"},
        {"zakl5", "Ci\u0119\u017Car\u00F3wka"},
        {"zakl6", "Nagrania"}},
       {118, 44},
       {150, 56}},
  };
  return families;
}

const std::vector<std::string>& TogglePrefixes() {
  static const std::vector<std::string> prefixes = {"s_", "b_"};
  return prefixes;
}

// ---- cursors ----

const std::vector<Cursor>& Cursors() {
  static const std::vector<Cursor> cursors = {{"REKA1", 9, 1}, {"SEKATOR", 2, 2}};
  return cursors;
}

std::vector<std::string> AllNames() {
  std::vector<std::string> names;
  for (const auto& set : TileSets())
    for (const auto& t : TileNames()) names.push_back(t + set.suffix);
  for (const auto& b : ButtonNames())
    for (const auto& s : ButtonSuffixes()) names.push_back(b + s);
  names.push_back("scroll_D");
  names.push_back("scroll_M");
  for (const auto& prefix : TogglePrefixes())
    for (const auto& family : ToggleFamilies())
      for (const auto& t : family.toggles) {
        names.push_back(prefix + t.name + "_D");
        names.push_back(prefix + t.name + "_A");
      }
  names.push_back("S_CHBUT_D");
  names.push_back("S_CHBUT_A");
  for (const auto& c : Cursors()) {
    names.push_back(c.name);
    names.push_back(c.name + "_M");
  }
  return names;
}

namespace {

// Makes white every pixel of a state picture where its mask is black, so
// that OR-mask then AND-picture leaves the window there untouched.
void WhitenOutside(TBitmap& picture, const TBitmap& mask) {
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* p = picture.ScanLine(y);
    const std::uint8_t* m = mask.ScanLine(y);
    for (int x = 0; x < picture.Width() * 3; ++x)
      if (m[x - x % 3] == 0) p[x] = 255;
  }
}

// The pictures of a masked control: each state over white, the mask from the
// normal picture's (binary) alpha.
void WriteMasked(Tree& tree, const std::string& base, const std::vector<std::pair<std::string, Art*>>& states) {
  auto mask = states.front().second->AlphaMask();
  for (const auto& [suffix, art] : states) {
    auto picture = art->OnWhite();
    WhitenOutside(*picture, *mask);
    tree.Bmp(ResourcePath(base + suffix), *picture);
  }
  tree.Bmp(ResourcePath(base + "_M"), *mask);
}

void WriteToggle(Tree& tree, const std::string& name, Size size, const std::function<void(Art&, bool)>& draw) {
  for (bool on : {false, true}) {
    Art art(size.w, size.h);
    draw(art, on);
    tree.Bmp(ResourcePath(name + (on ? "_A" : "_D")), *art.Over(clWhite));
  }
}

void Generate(Tree& tree) {
  std::vector<std::function<void()>> jobs;

  for (const auto& set : TileSets()) {
    TileFit fit = FitTileText(set.size);
    for (const auto& name : TileNames())
      jobs.push_back([&tree, set, fit, name] {
        Art art(set.size.w, set.size.h);
        DrawTile(art, fit, TileText(name), IsRedTile(name));
        tree.Bmp(ResourcePath(name + set.suffix), *art.Over(clWhite));
      });
  }

  for (const auto& base : ButtonNames())
    jobs.push_back([&tree, base] {
      const Size size = ButtonSize(base);
      Art normal(size.w, size.h), hover(size.w, size.h), pressed(size.w, size.h);
      DrawButton(normal, base, ButtonState::Normal);
      DrawButton(hover, base, ButtonState::Hover);
      DrawButton(pressed, base, ButtonState::Pressed);
      for (Art* a : {&normal, &hover, &pressed}) a->Binarize();
      WriteMasked(tree, base, {{"_D", &normal}, {"_A", &hover}, {"_", &pressed}});
    });

  jobs.push_back([&tree] {
    Art knob(kKnobSize.w, kKnobSize.h);
    DrawKnob(knob);
    knob.Binarize();
    WriteMasked(tree, "scroll", {{"_D", &knob}});
  });

  for (int p = 0; p < int(TogglePrefixes().size()); ++p) {
    const std::string prefix = TogglePrefixes()[p];
    for (const auto& family : ToggleFamilies()) {
      const Size size = p == 0 ? family.small : family.big;
      for (int i = 0; i < int(family.toggles.size()); ++i) {
        const Toggle t = family.toggles[i];
        const ToggleGroup group = family.group;
        jobs.push_back([&tree, prefix, size, t, group, i] {
          WriteToggle(tree, prefix + t.name, size, [&](Art& art, bool on) {
            switch (group) {
              case ToggleGroup::Sound: DrawSoundToggle(art, t.label, on); break;
              case ToggleGroup::Position:
              case ToggleGroup::Amount: DrawChoiceToggle(art, group, i, t.label, on); break;
              case ToggleGroup::Tab: DrawTabToggle(art, i + 1, t.label, on); break;
            }
          });
        });
      }
    }
  }
  jobs.push_back([&tree] { WriteToggle(tree, "S_CHBUT", kCheckBoxSize, DrawCheckBox); });

  for (const auto& c : Cursors())
    jobs.push_back([&tree, c] {
      Art art(kCursorSize.w, kCursorSize.h);
      if (c.name == "REKA1")
        DrawHandCursor(art, c.hotX, c.hotY);
      else if (c.name == "SEKATOR")
        DrawShearsCursor(art, c.hotX, c.hotY);
      else
        throw std::logic_error("no drawing for cursor " + c.name);
      art.Binarize();
      tree.Bmp(ResourcePath(c.name), *art.OnBlack());
      tree.Bmp(ResourcePath(c.name + "_M"), *art.AlphaMask());
    });

  ParallelFor(int(jobs.size()), [&](int i) { jobs[i](); });
}

}  // namespace
}  // namespace datagen::res

namespace datagen {

Module ResourcesModule() { return Module{"resources", res::Generate, res::CheckResources}; }

}  // namespace datagen
