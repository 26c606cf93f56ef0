#include "shell/Fmsplash.h"

#include "toolkit/Ctransbitmap.h"

TFormSplashScreen* FormSplashScreen = nullptr;

TFormSplashScreen::TFormSplashScreen(TComponent* owner) : TForm(owner) {
  Caption = "Trelamondo Cz.V Splash";
  try {
    picture_.reset(NewBitmapFromJpeg("Data\\Intf\\Spec\\splash.xji"));
  } catch (const Exception&) {
    picture_.reset();
  }
  if (!picture_ || picture_->Empty()) {
    picture_ = std::make_unique<TBitmap>();
    picture_->SetPixelFormat(pf24bit);
    picture_->Canvas()->Brush.Color = RGB(250, 236, 190);
    picture_->SetSize(480, 320);
  }
  int w = picture_->Width(), h = picture_->Height();
  SetBounds((Screen->Width() - w) / 2, (Screen->Height() - h) / 2, w, h);
  SetRoundRegion(25, 25);
}

TFormSplashScreen::~TFormSplashScreen() = default;

void TFormSplashScreen::Paint() { Canvas()->Draw(0, 0, picture_.get()); }
