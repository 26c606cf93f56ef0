#include "shell/Fmoprogramie.h"

#include <algorithm>

#include "platform/WinApi.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

TFormOProgramie* FormOProgramie = nullptr;

const char* const kMakerWebPage = "https://www.trelamondo.example.org/";
const char* const kMakerMail = "mailto:kontakt@trelamondo.example.org?subject=Trelamondo%20Cz.V";

namespace {

const char* const kWebText = "www.trelamondo.example.org";
const char* const kMailText = "kontakt@trelamondo.example.org";

const char* const kCredits =
    "Trelamondo Cz.V\n"
    "\n"
    "\306wiczenia wymowy g\263osek\n"
    "dla dzieci, rodzic\363w i logoped\363w\n"
    "\n"
    "Pomys\263 i \346wiczenia\n"
    "zesp\363\263 logoped\363w Trelamondo\n"
    "\n"
    "Programowanie\n"
    "zesp\363\263 Trelamondo\n"
    "\n"
    "Obrazki i d\237wi\352ki\n"
    "zesp\363\263 Trelamondo\n"
    "\n"
    "Dzi\352kujemy dzieciom, rodzicom\n"
    "i terapeutom za wsp\363lne testy!";

const TColor kInk = RGB(40, 40, 70);
const TColor kLink = RGB(20, 60, 200);

int S(int v) { return Display.Scale(16, v); }

}  // namespace

TFormOProgramie::TFormOProgramie(TComponent* owner) : TForm(owner) {
  try {
    Caption = "Trelamondo Cz.V";
    SetBounds(0, 0, Display.ScreenWidth, Display.ScreenHeight);
    background_ = std::make_unique<TBitmap>();
    Display.LoadBackground(background_.get(), "Data\\Intf\\Spec\\" + Display.ArtPrefix[0] + "_oprT.xji");
    shown_ = std::make_unique<TBitmap>();
    shown_->Assign(background_.get());
    const int ox = Display.GameArea.left, oy = Display.GameArea.top;
    const int gw = Display.GameArea.width, gh = Display.ArtHeight;

    stopAction_ = new TAction(this);
    stopAction_->OnExecute = [this](TObject*) { ModalResult = mrOk; };
    stop_ = new CPrzyciskP(this, "stop", Canvas(), shown_->Canvas(), 0, 0, stopAction_);
    stop_->SetPosition(ox + gw - S(40) - stop_->Width(), oy + gh - S(40) - stop_->Height());

    // The links, each a label and an address; the address takes the click.
    CTransFont& f = GameFontCiezarowka;
    auto link = [&](const char* label, const char* address, const char* url, int y, TRect& textRect) {
      int lw = 0, aw = 0;
      f.MeasureText(label, &lw, nullptr);
      f.MeasureText(address, &aw, nullptr);
      int gap = S(16);
      int x = ox + (gw - (lw + gap + aw)) / 2;
      f.DrawTextInRect(shown_.get(), label, Rect(x, y, x + lw + 4, y + f.LineHeight() + 4), kInk, 0, 255);
      textRect = Rect(x + lw + gap, y, x + lw + gap + aw, y + f.LineHeight());
      f.DrawTextInRect(shown_.get(), address, Rect(textRect.left, y, textRect.right + 4, y + f.LineHeight() + 4), kLink, 0, 255);
      shown_->Canvas()->Brush.Color = kLink;
      shown_->Canvas()->FillRect(Rect(textRect.left, textRect.bottom + 1, textRect.right, textRect.bottom + 3));
      auto* area = new TImage(this);
      area->SetParent(this);
      area->ControlStyle &= ~csDoubleClicks;
      area->SetBounds(textRect.left, textRect.top, textRect.Width(), textRect.Height() + 3);
      area->Cursor = 1;  // the hand
      std::string target = url;
      area->OnClick = [target](TObject*) { ShellOpen(target); };
      return area;
    };
    web_ = link("Strona programu:", kWebText, kMakerWebPage, oy + S(760), webText_);
    mail_ = link("Napisz do nas:", kMailText, kMakerMail, oy + S(760) + f.LineHeight() + S(24), mailText_);

    corner_ = Rect(ox, oy, ox + S(90), oy + S(90));
    creditsRect_ = Rect(ox + S(340), oy + S(150), ox + S(940), oy + S(690));
    work_ = std::make_unique<TBitmap>();
    work_->SetPixelFormat(pf24bit);
    work_->SetSize(creditsRect_.Width(), creditsRect_.Height());
    GameFontKwiatki.MeasureText(kCredits, nullptr, &creditsHeight_);

    creditsTimer_ = new TTimer(this);
    creditsTimer_->SetEnabled(false);
    creditsTimer_->SetInterval(25);
    creditsTimer_->OnTimer = [this](TObject*) { CreditsTick(); };
    OnClose = [this](TObject*, TCloseAction&) { StopCredits(); };
  } catch (...) {
    throw CBlad(1);
  }
}

TFormOProgramie::~TFormOProgramie() = default;

void TFormOProgramie::Paint() {
  TRect r = PaintClip();
  Canvas()->CopyRect(r, shown_->Canvas(), r);
}

bool TFormOProgramie::CreditsRunning() const { return creditsTimer_->Enabled(); }

void TFormOProgramie::StartCredits() {
  creditsOffset_ = creditsRect_.Height();
  creditsTimer_->SetEnabled(true);
  CreditsTick();
}

void TFormOProgramie::StopCredits() {
  if (!creditsTimer_->Enabled()) return;
  creditsTimer_->SetEnabled(false);
  InvalidateRect(creditsRect_);
}

// One frame: the text rolled up by a step over a plain panel.
void TFormOProgramie::CreditsTick() {
  if (!Visible() || creditsOffset_ < -creditsHeight_) {
    StopCredits();
    return;
  }
  TCanvas* c = work_->Canvas();
  int w = work_->Width(), h = work_->Height();
  c->Brush.Color = RGB(120, 90, 40);
  c->FillRect(Rect(0, 0, w, h));
  c->Brush.Color = RGB(252, 246, 226);
  c->FillRect(Rect(3, 3, w - 3, h - 3));
  GameFontKwiatki.DrawTextInRect(work_.get(), kCredits, Rect(3, creditsOffset_, w - 3, h - 3), kInk, 1, 255);
  Canvas()->CopyRect(creditsRect_, c, Rect(0, 0, w, h));
  creditsOffset_ -= std::max(1, S(2));
}

void TFormOProgramie::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (CreditsRunning()) StopCredits();
  else if (button == mbLeft && (shift & ssDouble) && corner_.Contains(x, y)) StartCredits();
  TForm::MouseDown(button, shift, x, y);
}

void TFormOProgramie::KeyPress(char& key) {
  if (CreditsRunning()) StopCredits();
  else if (key == 27) ModalResult = mrOk;
  TForm::KeyPress(key);
}
