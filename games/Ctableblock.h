// A movable letter block of the label-it board: a letter tile that stands
// for a piece of the word's spelling. Coordinates are the drag board's.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Graphics.h"

class CTableBlock {
 public:
  // Equal texts, byte for byte: a red and a black block of the same letters
  // are interchangeable.
  bool Equals(const CTableBlock& other) const { return text == other.text; }
  // The tile with its top-left at (x, y) on the canvas; nothing when inactive.
  void Draw(TCanvas* canvas, int x, int y) const;
  // Active, and the point lies in the block (right and bottom excluded).
  bool HitTest(int px, int py) const;
  // The tile (not owned) and its size as the block's; null gives 0 x 0.
  void SetImage(TBitmap* tile);
  // Moves the block to (newX, newY), kept inside clip when one is given, and
  // shows the move on target: what the block uncovers comes back from
  // background (the board as it is without the block), then the tile is
  // drawn at its new place, active or not. Nothing is drawn when the place
  // does not change.
  void MoveTo(int newX, int newY, const TRect* clip, TCanvas* target, TCanvas* background);

  TRect BoundsRect() const { return Bounds(x, y, width, height); }

  std::uint8_t active = 1;  // an inactive block is neither drawn nor hit
  std::uint8_t fixed = 0;   // a fixed block cannot be taken out of its table
  std::string text;         // the piece it stands for (code page 1250)
  TBitmap* image = nullptr;  // a letter tile owned by LetterTiles
  std::int32_t x = 0, y = 0;
  std::int32_t width = 0, height = 0;
  std::int32_t homeX = 0, homeY = 0;  // where it goes back to in its pool
};
