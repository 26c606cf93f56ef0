// The about box: a full-screen picture (read when the box is shown and let go
// when it is hidden), a "stop" button that closes it, two
// links (the maker's web page and a pre-addressed e-mail, opened with the
// desktop's programs) and a hidden credits animation: a double click on the
// sun in the picture's top-left corner rolls the credits up over its plate on a 25 ms timer,
// drawn with GameFontKwiatki; a click, a key or the end of the roll stops it.
#pragma once
#include <memory>
#include <string>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

class CPrzyciskP;

// The two addresses, set here and nowhere else.
extern const char* const kMakerWebPage;
extern const char* const kMakerMail;

class TFormOProgramie : public TForm {
 public:
  // Raises CBlad(1) when its background or button cannot be built.
  explicit TFormOProgramie(TComponent* owner);
  ~TFormOProgramie() override;

  bool CreditsRunning() const;
  void StartCredits();
  void StopCredits();
  // The corner that starts the credits on a double click, and the links' areas (window coordinates).
  TRect CreditsCorner() const { return corner_; }
  TImage* WebLink() const { return web_; }
  TImage* MailLink() const { return mail_; }
  CPrzyciskP* StopButton() const { return stop_; }
  // The picture the box shows; empty while the box is hidden.
  const TBitmap& Picture() const { return *shown_; }

 protected:
  void Paint() override;
  // Builds the picture before the box shows; drops it when the box hides.
  void VisibleChanging() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyPress(char& key) override;

 private:
  // The background with the texts and links drawn on it.
  void DrawContent();
  void CreditsTick();

  struct Link {
    const char* label = "";
    const char* address = "";
    TRect labelRect{};
    TRect textRect{};  // the address, which takes the click
  };

  std::string backgroundFile_;
  std::unique_ptr<TBitmap> shown_;  // the picture with the links; the button's background; empty while hidden
  std::unique_ptr<TBitmap> work_;   // one frame of the credits; empty while hidden
  TAction* stopAction_ = nullptr;
  CPrzyciskP* stop_ = nullptr;
  TImage* web_ = nullptr;
  TImage* mail_ = nullptr;
  TTimer* creditsTimer_ = nullptr;
  TRect corner_{};
  TRect creditsRect_{};
  Link links_[2];
  int creditsOffset_ = 0;
  int creditsHeight_ = 0;
  TColor plateColour_ = -1;
};

extern TFormOProgramie* FormOProgramie;
