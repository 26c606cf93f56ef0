#include "shell/_cdialog.h"

#include <algorithm>

#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"

TDialogForm::TDialogForm(TComponent* owner, const std::string& pictureFile) : TForm(owner) {
  try {
    picture_.reset(NewBitmapFromJpeg(pictureFile));
  } catch (const Exception&) {
    throw CBlad(1);
  }
  if (!picture_ || picture_->Width() <= 0 || picture_->Height() <= 0) throw CBlad(1, pictureFile + ": an empty picture");
  composed_ = std::make_unique<TBitmap>();
  composed_->SetPixelFormat(pf24bit);
  composed_->SetHandleType(bmDIB);
  composed_->SetSize(picture_->Width(), picture_->Height());
  Compose();
  SetBounds(0, 0, picture_->Width(), picture_->Height());
  SetRoundRegion(25, 25);
  Centre();
}

TDialogForm::~TDialogForm() = default;

void TDialogForm::Centre() {
  SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
}

void TDialogForm::Compose() {
  composed_->Canvas()->CopyMode = cmSrcCopy;
  composed_->Canvas()->Draw(0, 0, picture_.get());
  DrawContent(composed_.get());
  Invalidate();
}

void TDialogForm::Paint() {
  TRect r = PaintClip();
  Canvas()->CopyRect(r, composed_->Canvas(), r);
}

void TDialogForm::Text(TBitmap* target, CTransFont& font, const std::string& text, const TRect& r, TColor colour,
                       std::uint8_t alignment) {
  font.DrawTextInRect(target, text, r, colour, alignment, 255);
}

// Dragged by the client area: the window follows the pointer from the press
// to the release, and always keeps a part of itself on the screen.
void TDialogForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    dragging_ = true;
    dragFrom_ = TPoint{Left() + x, Top() + y};
    startPos_ = TPoint{Left(), Top()};
  }
  TForm::MouseDown(button, shift, x, y);
}

void TDialogForm::MouseMove(TShiftState shift, int x, int y) {
  if (dragging_ && (shift & ssLeft)) {
    int sx = Left() + x, sy = Top() + y;
    const int keep = 40;
    int left = std::clamp(startPos_.x + sx - dragFrom_.x, keep - Width(), Screen->Width() - keep);
    int top = std::clamp(startPos_.y + sy - dragFrom_.y, 0, Screen->Height() - keep);
    SetBounds(left, top, Width(), Height());
  } else {
    dragging_ = false;
  }
  TForm::MouseMove(shift, x, y);
}

void TDialogForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) dragging_ = false;
  TForm::MouseUp(button, shift, x, y);
}
