// The splash screen, shown while start-up runs: "Data\Intf\Spec\splash.xji"
// in the middle of the screen (a plain panel when the picture is missing).
#pragma once
#include <memory>

#include "platform/Forms.h"

class TFormSplashScreen : public TForm {
 public:
  explicit TFormSplashScreen(TComponent* owner);
  ~TFormSplashScreen() override;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> picture_;
};

extern TFormSplashScreen* FormSplashScreen;
