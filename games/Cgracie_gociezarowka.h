// The truck: drives in from the left, brakes over its last 100 pixels and
// parks at stopX; at the end of the game it drives out to the left again,
// speeding up, and becomes inactive once wholly off the playfield. The
// chosen sounds' names are written on its side.
#pragma once
#include <string>

#include "games/Cgameobj.h"

class CgraCie_GOCiezarowka : public CGameObj {
 public:
  // The picture (not owned) must outlive the truck.
  explicit CgraCie_GOCiezarowka(CTransBitmap* picture) : picture(picture) {}

  // Parked off the left edge, inactive, at top speed, not departing.
  void Reset() override;
  void Erase(TBitmap* target, TBitmap* source) override;
  void Step() override;
  // The picture, then the text (clipped to the picture).
  void Draw(TBitmap* target) override;

  // The text and its width in the truck game's font.
  void SetText(const std::string& text, int width);
  // Starts driving out, once: a truck standing still sets off at speed 1, one
  // still arriving turns round at its speed.
  void Depart();
  // Parked or gone: neither erased nor drawn frame by frame.
  bool Stands() const { return speed <= 0.0f || !active; }
  TRect Rectangle() const;
  int Width() const;

  CTransBitmap* picture;
  int stopX = 0;
  float speed = 0;
  float speedStep = 0;  // change of speed per frame, braking or speeding up
  int textOffsetX = 0, textOffsetY = 0;  // the text's centre, from (x, y)
  std::string text;
  int halfTextWidth = 0;
  int loadOffsetX = 0, loadOffsetY = 0;  // where thrown parcels land, from (x, y)
  bool departing = false;
  int maxSpeed = 0;

  static constexpr int kBrakingZone = 100;  // pixels before stopX
  static constexpr TColor kTextColour = 0x9CBECE;
};
