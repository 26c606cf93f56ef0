// The pictures of the resource library, shared by their drawing, their
// generation and their check: names, sizes and the rules the controls that
// show them rely on.
#pragma once
#include <string>
#include <vector>

#include "tools/datagen/Art.h"
#include "tools/datagen/Tree.h"

namespace datagen::res {

struct Size {
  int w, h;
};

// The program path of a picture of the library: "resource\Resource\<name>.bmp"
// from the tree root, the library being built into <root>/resource/.
std::string ResourcePath(const std::string& name);

// ---- letter tiles ----
// The 88 tile names in the order the program loads them.
const std::vector<std::string>& TileNames();
// The segment a tile shows, in UTF-8 ("dzzz_red" -> "dź").
std::string TileText(const std::string& tileName);
bool IsRedTile(const std::string& tileName);

struct TileSet {
  std::string suffix;  // "_s", "_b", "_eb"
  int artSet;          // 2, 4, 16
  Size size;           // every tile of the set
  Size limit;          // the largest tile the label-it board lays out
};
const std::vector<TileSet>& TileSets();

// ---- picture buttons and the scroll knob ----
const std::vector<std::string>& ButtonNames();        // the 13 base names
const std::vector<std::string>& ButtonSuffixes();     // "_D", "_A", "_", "_M"
constexpr Size kButtonSize{52, 64};                   // every button but the arrows, every art set
constexpr int kButtonMaxWidth = 54;                   // label-it "stop" at x 746 of 800
constexpr int kButtonMaxHeight = 70;                  // button stacks 70 px apart
// The scroll arrows "up" and "down": their plates fill them, and the knob's
// track runs between them (it starts at up.top + 30).
constexpr Size kArrowSize{kButtonSize.w, 30};
constexpr Size kKnobSize{kArrowSize.w - 8, 24};       // slides between "up" and "down"
static_assert(kButtonSize.w <= kButtonMaxWidth && kButtonSize.h <= kButtonMaxHeight);
// The size of a button's pictures by its base name.
Size ButtonSize(const std::string& base);

// ---- the main window's toggles ----
struct Toggle {
  std::string name;   // without the "s_"/"b_" prefix
  std::string label;  // UTF-8
};
enum class ToggleGroup { Sound, Position, Amount, Tab };
struct ToggleFamily {
  ToggleGroup group;
  std::vector<Toggle> toggles;
  Size small;  // "s_", art set 2
  Size big;    // "b_", art sets 4 and 16
};
const std::vector<ToggleFamily>& ToggleFamilies();
const std::vector<std::string>& TogglePrefixes();  // "s_", "b_"
constexpr Size kCheckBoxSize{36, 36};               // "S_CHBUT"

// ---- cursors ----
struct Cursor {
  std::string name;
  int hotX, hotY;
};
const std::vector<Cursor>& Cursors();
constexpr Size kCursorSize{32, 32};

// Every name the program can ask the library for.
std::vector<std::string> AllNames();

// ---- drawing (ResourcesArt.cpp) ----
// The letter size and baseline shared by all tiles of a set, so letters of
// one word line up.
struct TileFit {
  double fontSize;
  double baseline;
};
TileFit FitTileText(Size tile);
void DrawTile(Art& art, const TileFit& fit, const std::string& utf8, bool red);

enum class ButtonState { Normal, Hover, Pressed };
// The button's whole picture with its transparent surroundings (alpha 0).
void DrawButton(Art& art, const std::string& base, ButtonState state);
void DrawKnob(Art& art);

void DrawSoundToggle(Art& art, const std::string& label, bool on);
// Word position (index 0..2: start, middle, end) or amount (0..2: little .. a lot).
void DrawChoiceToggle(Art& art, ToggleGroup group, int index, const std::string& label, bool on);
void DrawTabToggle(Art& art, int tab, const std::string& label, bool on);  // tab 1..6
void DrawCheckBox(Art& art, bool on);

void DrawHandCursor(Art& art, int hotX, int hotY);
void DrawShearsCursor(Art& art, int hotX, int hotY);

// ---- check (ResourcesCheck.cpp) ----
std::vector<std::string> CheckResources(const Tree& tree);

}  // namespace datagen::res
