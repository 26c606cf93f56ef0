// Letter tiles and word pictures.
#pragma once
#include <string>
#include <vector>

#include "platform/Graphics.h"

// ---- word pictures ----

// The picture file of a word: "Data\exio44j\" + key + ".+jp" (not checked).
std::string WordPicturePath(const std::string& key);

// The word's picture as a new 24-bit bitmap of w x h, owned by the caller.
//  keepAspect 0:        the whole picture stretched to w x h;
//  keepAspect 1, fit 0: cut to the proportions of w x h around its centre, then resampled;
//  keepAspect 1, fit 1: resampled whole to the largest size that fits, centred on white.
// A missing file gives white with a red cross from corner to corner; a file
// that cannot be read gives plain white, and a line on standard error saying
// why. Never null, never raises for a bad file.
TBitmap* LoadWordPicture(const std::string& key, int w, int h, bool keepAspect, bool fit);

// A new white 24-bit bitmap of w x h.
TBitmap* CreateBitmap24(int w, int h);
// Decodes a plain JPEG file into a new 24-bit bitmap; failures pass on.
TBitmap* LoadJpegBitmap(const std::string& fileName);

// ---- letter tiles ----

// The letter tiles of the label-it game, taken by name from the resource
// library in the size of the current art set.
class CBitmapy {
 public:
  struct SGloska {
    std::string name;          // without the art-set suffix: "a", "b_red", "sz" ...
    TBitmap* bitmap = nullptr; // owned by the list
  };

  CBitmapy() = default;
  ~CBitmapy();
  CBitmapy(const CBitmapy&) = delete;
  CBitmapy& operator=(const CBitmapy&) = delete;

  // Loads every tile; false when any of them could not be delivered.
  bool Init() { return LoadLetterTiles(); }
  // Asks the resource library for all 88 tiles (whatever failed before) with
  // the suffix of the art set: "_s" (2), "_b" (4), "_eb" (any other).
  bool LoadLetterTiles();
  // The tile of that name (exact, case-sensitive); the first tile ("a") for
  // an empty or unknown name. Only after a successful Init.
  SGloska* FindTile(const std::string& name);

  int Count() const { return int(tiles_.size()); }
  SGloska& Tile(int i) { return tiles_[std::size_t(i)]; }

 private:
  std::vector<SGloska> tiles_;
};

extern CBitmapy LetterTiles;
