#include "games/Cgracie_gopaczka.h"

#include <algorithm>
#include <cmath>

#include "platform/Random.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"

namespace {
// A random number below n; 0 when n is not positive.
int Below(int n) { return n > 0 ? Random31() % n : 0; }
}  // namespace

CgraCie_GOPaczka::CgraCie_GOPaczka(CTransBitmap* parachute, CTransBitmap* work, TBitmap* mask,
                                   std::unique_ptr<TBitmap> look, std::unique_ptr<TBitmap> blinkLook,
                                   std::unique_ptr<TBitmap> hintLook)
    : parachute(parachute),
      work(work),
      look(std::move(look)),
      mask(mask),
      blinkLook(std::move(blinkLook)),
      hintLook(std::move(hintLook)) {}

void CgraCie_GOPaczka::Start(CSlowa::CPaczkaEx* w, bool isCorrect, int speed) {
  swingMax = Display.Scale(16, 30);
  const int chuteW = parachute && parachute->Colour ? parachute->Colour->Width() : 0;
  const int chuteH = parachute && parachute->Colour ? parachute->Colour->Height() : 0;
  chuteOffsetX = (W() - chuteW) / 2;
  chuteOffsetY = 2 - chuteH;
  active = true;
  word = w;
  correct = isCorrect;
  fallSpeed = std::max(speed, 1);
  const int least = Display.Scale(16, 12);
  const int r = Below(swingMax - least);
  amplitude = least + r;
  // Over a fall through the art's height the phase turns r / 3 + 7 half turns.
  angularSpeed = float((r / 3 + 7) * 3.1415927 / (Display.ArtHeight / fallSpeed));
  marked = false;
  hint = false;
  throwRect.right = 0;
}

void CgraCie_GOPaczka::SetStart(int left, int bottom) {
  phase = float((Random31() % 6283) * 0.01);
  swingCentreX = left + amplitude;
  x = int(std::sin(phase) * float(amplitude) + float(swingCentreX));
  y = bottom - H();
}

bool CgraCie_GOPaczka::HitTest(int px, int py) const {
  return px - x >= 0 && px - x < W() && py - y >= 0 && py - y < H();
}

void CgraCie_GOPaczka::Throw(const TPoint& target) {
  constexpr double F = throwFrames;
  marked = true;
  counter = throwFrames;
  targetX = target.x;
  targetY = target.y;
  int rise = Random31() % 80 + 80;
  if (targetY < y) rise += Display.Scale(16, 20) + (y - targetY);
  rise = std::max(std::min(rise, y), 5);  // the top of the arc stays on the playfield
  const int drop = std::max(targetY - y + rise, 0);
  const double sum = std::sqrt(double(rise)) + std::sqrt(double(drop));
  gravity = float(2 * sum * sum / (F * F));
  launchSpeed = float((F - F / (std::sqrt(double(drop) / rise) + 1)) * gravity);
  throwDx = x - targetX;
  amplitude = 0;
}

void CgraCie_GOPaczka::StartBlink() {
  marked = true;
  counter = blinkFrames;
}

void CgraCie_GOPaczka::SetHint() {
  if (correct) hint = true;
}

void CgraCie_GOPaczka::ClearHint() {
  if (correct) hint = false;
}

void CgraCie_GOPaczka::Erase(TBitmap* target, TBitmap* source) {
  if (active) EraseRect(target, source, throwRect.right != 0 ? throwRect : Rectangle());
}

void CgraCie_GOPaczka::Step() {
  if (!active) return;
  if (marked && correct) {
    if (--counter < 0) {
      active = false;
      return;
    }
    x = throwDx * counter / throwFrames + targetX;
    y = int(float(targetY) - float(counter) * launchSpeed + 0.5f * gravity * float(counter) * float(counter));
    return;
  }
  phase += angularSpeed;
  y += fallSpeed;
  x = int(std::sin(phase) * float(amplitude) + float(swingCentreX));
  if (marked && --counter < 0) marked = false;
}

void CgraCie_GOPaczka::Draw(TBitmap* target) {
  if (!active) return;
  if (marked && correct) {
    // Shrinks from full size to a fifth over the throw, without parachute.
    const int w = W() * counter * 4 / (5 * throwFrames) + W() / 5;
    const int h = H() * counter * 4 / (5 * throwFrames) + H() / 5;
    const TRect whole = Rect(0, 0, W(), H()), part = Rect(0, 0, w, h);
    TBitmap* shown = hint && hintLook ? hintLook.get() : look.get();
    work->Colour->Canvas()->CopyRect(part, shown->Canvas(), whole);
    work->Mask->Canvas()->CopyRect(part, mask->Canvas(), whole);
    Composite(target, x, y, work->Colour, work->Mask, &part, target, x, y, 255);
    throwRect = Bounds(x, y, w, h);
    Cover(throwRect);
    return;
  }
  if (parachute) DrawPicture(target, *parachute, x + chuteOffsetX, y + chuteOffsetY);
  TBitmap* shown = look.get();
  if (hint && hintLook) shown = hintLook.get();
  else if (marked && !correct && (counter / 10) % 2 == 1 && blinkLook) shown = blinkLook.get();
  const TRect whole = Rect(0, 0, W(), H());
  Composite(target, x, y, shown, mask, &whole, target, x, y, 255);
  Cover(Rectangle());
}
