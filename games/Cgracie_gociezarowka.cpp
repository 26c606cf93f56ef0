#include "games/Cgracie_gociezarowka.h"

#include <algorithm>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"

int CgraCie_GOCiezarowka::Width() const { return picture && picture->Colour ? picture->Colour->Width() : 0; }

TRect CgraCie_GOCiezarowka::Rectangle() const {
  const int h = picture && picture->Colour ? picture->Colour->Height() : 0;
  return Bounds(x, y, Width(), h);
}

void CgraCie_GOCiezarowka::Reset() {
  const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
  maxSpeed = Display.ScaleRounded(16, 9);
  active = false;
  x = -Width();
  y = layout.truckY;
  stopX = layout.truckStopX;
  speed = float(maxSpeed);
  // Loses maxSpeed - 1 of speed over the braking zone.
  speedStep = float(((maxSpeed - 1) * 0.5 + 1) * (maxSpeed - 1) * 0.01);
  textOffsetX = layout.truckText.x;
  textOffsetY = layout.truckText.y;
  loadOffsetX = layout.loadPoint.x;
  loadOffsetY = layout.loadPoint.y;
  departing = false;
}

void CgraCie_GOCiezarowka::Erase(TBitmap* target, TBitmap* source) {
  if (active) EraseRect(target, source, Rectangle());
}

void CgraCie_GOCiezarowka::Step() {
  if (!active) return;
  if (!departing) {
    x = int(float(x) + speed);
    Cover(Rectangle());
    if (x >= stopX) {
      x = stopX;
      speed = 0;
    } else if (x > stopX - kBrakingZone && speed > 1) {
      speed = std::max(speed - speedStep, 1.0f);
    }
    return;
  }
  x = int(float(x) - speed);
  Cover(Rectangle());
  if (x + Width() <= 0) {
    speed = 0;
    active = false;
  } else if (speed < float(maxSpeed)) {
    speed = std::min(speed + speedStep, float(maxSpeed));
  }
}

void CgraCie_GOCiezarowka::Draw(TBitmap* target) {
  if (!active || !picture) return;
  DrawPicture(target, *picture, x, y);
  if (text.empty()) return;
  const int left = x + textOffsetX - halfTextWidth;
  const int top = y + textOffsetY - GameFontCiezarowka.LineHeight() / 2;
  // Only what Erase restores may be written on.
  const TRect clip = IntersectRects(Rectangle(), Rect(left, top, target->Width(), target->Height()));
  if (!clip.IsEmpty()) GameFontCiezarowka.DrawTextAt(target, left, top, clip, text, kTextColour, 255);
}

void CgraCie_GOCiezarowka::SetText(const std::string& t, int width) {
  text = t;
  halfTextWidth = width / 2;
}

void CgraCie_GOCiezarowka::Depart() {
  if (departing) return;
  departing = true;
  if (speed == 0.0f) speed = 1.0f;
}
