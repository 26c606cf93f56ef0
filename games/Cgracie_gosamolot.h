// The plane: flies in from the left towing a banner (a cloud carrying the
// caption and the chosen sounds' names), brakes to a crawl of 1 pixel a
// frame while the banner passes the middle of the playfield, speeds up
// again and fades out over 51 frames; a click makes it fade at once.
#pragma once
#include <string>

#include "games/Cgameobj.h"

class CgraCie_GOSamolot : public CGameObj {
 public:
  // The pictures (not owned) must outlive the plane.
  CgraCie_GOSamolot(CTransBitmap* picture, CTransBitmap* banner) : picture(picture), banner(banner) {}

  // Active just off the left edge, at top speed, opaque.
  void Reset() override;
  void Erase(TBitmap* target, TBitmap* source) override;
  void Step() override;
  // Banner, its text, then the plane, all at the plane's opacity; the text
  // is clipped to what Erase restores.
  void Draw(TBitmap* target) override;

  void SetText(const std::string& t) { text = t; }
  // From the banner's left to the plane's right, over the banner's height.
  TRect Rectangle() const;

  CTransBitmap* picture;
  CTransBitmap* banner;
  int bannerOffsetX = 0, bannerOffsetY = 0;  // banner's top-left from (x, y)
  int brakeStartX = 0;
  float speedStep = 0;
  int crawlEndX = 0;
  float speed = 0;
  int alpha = 255;
  bool fading = false;
  int textOffsetX = 0, textOffsetY = 0;  // the text's top-left from the banner's
  std::string text;
  int maxSpeed = 0;

  static constexpr int kCrawlLength = 40;
  static constexpr int kFadeStep = 5;
};
