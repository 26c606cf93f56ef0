#include "toolkit/_ccheckbutw.h"

#include <memory>

#include "toolkit/Resource.h"
#include "toolkit/_cblad.h"

CCheckButW::CCheckButW(TComponent* owner, const std::string& resName, TCanvas* target, TCanvas* buffer,
                       TCanvas* clean, int left, int top, TBasicAction* action, const std::string& fileBase)
    : buffer_(buffer) {
  try {
    auto image = std::make_unique<TImage>(owner);
    image->AutoSize = false;
    image->SetVisible(false);
    image->Transparent = true;
    image->SetParent(dynamic_cast<TWinControl*>(owner));
    image->ControlStyle &= ~csDoubleClicks;
    image->SetBounds(left, top, 0, 0);
    if (action) image->OnClick = action->OnExecute;

    std::unique_ptr<TBitmap> on, off;
    int width = 0, height = 0;
    if (resName.empty()) {
      offPicture_.LoadBlackWhiteBmp(fileBase + "_DB.xbi", fileBase + "_DW.xbi");
      onPicture_.LoadBlackWhiteBmp(fileBase + "_AB.xbi", fileBase + "_AW.xbi");
      if (onPicture_.Colour) {
        width = onPicture_.Colour->Width();
        height = onPicture_.Colour->Height();
      }
    } else {
      on = std::make_unique<TBitmap>();
      off = std::make_unique<TBitmap>();
      OtworzBMP(resName + "_A", on.get());
      OtworzBMP(resName + "_D", off.get());
      width = off->Width();
      height = off->Height();
    }
    image->SetBounds(left, top, width, height);

    on_ = on.release();
    off_ = off.release();
    image_ = image.release();
  } catch (...) {
    // The image and bitmaps went with their holders; the pictures loaded so
    // far go with the members.
    throw CBlad(1);
  }
}

CCheckButW::~CCheckButW() {
  delete off_;
  delete on_;
  delete image_;
}

void CCheckButW::Paint() {
  if (image_->Visible()) DrawTo(buffer_);
}

void CCheckButW::DrawTo(TCanvas* canvas) {
  if (!canvas) return;
  const int x = image_->Left(), y = image_->Top();
  if (on_) {
    canvas->Draw(x, y, checked_ ? on_ : off_);
    return;
  }
  (checked_ ? onPicture_ : offPicture_).Draw(canvas, x, y, 255, false);
}

void CCheckButW::SetCheckedRedraw(bool checked) {
  checked_ = checked;
  DrawTo(buffer_);
  image_->Invalidate();
}

void CCheckButW::ToggleRedraw() {
  checked_ = !checked_;
  DrawTo(buffer_);
  image_->Invalidate();
}

void CCheckButW::SetPosition(int x, int y) {
  // Unlike the buttons' moves, 0 keeps the old coordinate too.
  if (x > 0) image_->SetLeft(x);
  if (y > 0) image_->SetTop(y);
}
