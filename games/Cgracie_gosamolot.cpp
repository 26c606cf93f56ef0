#include "games/Cgracie_gosamolot.h"

#include <algorithm>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"

namespace {
int WidthOf(const CTransBitmap* b) { return b && b->Colour ? b->Colour->Width() : 0; }
int HeightOf(const CTransBitmap* b) { return b && b->Colour ? b->Colour->Height() : 0; }
}  // namespace

TRect CgraCie_GOSamolot::Rectangle() const {
  return Rect(x + bannerOffsetX, y + bannerOffsetY, x + WidthOf(picture), y + bannerOffsetY + HeightOf(banner));
}

void CgraCie_GOSamolot::Reset() {
  auto s = [](int v) { return Display.Scale(16, v); };
  const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
  maxSpeed = Display.Scale(2, 10);
  active = true;
  x = -WidthOf(picture);
  y = layout.planeY;
  bannerOffsetX = layout.bannerOverlap - WidthOf(banner);
  bannerOffsetY = 0;
  // Where the banner would stand centred on the art, a little to the left.
  const int centre = (Display.ArtWidth - WidthOf(banner)) / 2 - bannerOffsetX - s(25);
  brakeStartX = centre - s(350);
  // Loses maxSpeed - 1 of speed while braking.
  speedStep = float(((maxSpeed - 1) * 0.5 + 1) * (maxSpeed - 1) / s(350));
  crawlEndX = centre + kCrawlLength;
  speed = float(maxSpeed);
  alpha = 255;
  fading = false;
  textOffsetX = layout.names.x;
  textOffsetY = layout.names.y;
}

void CgraCie_GOSamolot::Erase(TBitmap* target, TBitmap* source) {
  if (active) EraseRect(target, source, Rectangle());
}

void CgraCie_GOSamolot::Step() {
  if (!active) return;
  x = int(float(x) + speed);
  Cover(Rectangle());
  if (fading) {
    alpha -= kFadeStep;
    if (alpha <= 0) active = false;
  } else if (x > crawlEndX + Display.Scale(16, 260)) {
    fading = true;
  }
  if (x > crawlEndX) {
    if (speed < float(maxSpeed)) speed += speedStep;
  } else if (x > brakeStartX && speed > 1) {
    speed = std::max(speed - speedStep, 1.0f);
  }
}

void CgraCie_GOSamolot::Draw(TBitmap* target) {
  if (!active) return;
  const int bx = x + bannerOffsetX, by = y + bannerOffsetY;
  if (banner) DrawPicture(target, *banner, bx, by, alpha);
  if (!text.empty()) {
    const int left = bx + textOffsetX, top = by + textOffsetY;
    const TRect clip = IntersectRects(Rectangle(), Rect(left, top, target->Width(), target->Height()));
    if (!clip.IsEmpty()) GameFontCiezarowka.DrawTextAt(target, left, top, clip, text, clBlack, alpha * 153 / 255);
  }
  if (picture) DrawPicture(target, *picture, x, y, alpha);
}
