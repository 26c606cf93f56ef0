#include "shell/Fmoprogramie.h"

#include <algorithm>

#include "platform/SysUtils.h"
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
    // The picture is read each time the box is shown; a missing one still
    // stops the program at start-up.
    backgroundFile_ = "Data\\Intf\\Spec\\" + Display.ArtPrefix[0] + "_oprT.xji";
    if (!FileExists(backgroundFile_)) throw Exception("Brak bitmapy t\263a!", backgroundFile_ + ": no such file");
    shown_ = std::make_unique<TBitmap>();
    work_ = std::make_unique<TBitmap>();
    const int ox = Display.GameArea.left, oy = Display.GameArea.top;
    const int gw = Display.GameArea.width, gh = Display.ArtHeight;

    stopAction_ = new TAction(this);
    stopAction_->OnExecute = [this](TObject*) { ModalResult = mrOk; };
    stop_ = new CPrzyciskP(this, "stop", Canvas(), shown_->Canvas(), 0, 0, stopAction_);
    stop_->SetPosition(ox + gw - S(40) - stop_->Width(), oy + gh - S(40) - stop_->Height());

    // The links, each a label and an address; the address takes the click.
    CTransFont& f = GameFontCiezarowka;
    auto link = [&](Link& l, const char* label, const char* address, const char* url, int y) {
      int lw = 0, aw = 0;
      f.MeasureText(label, &lw, nullptr);
      f.MeasureText(address, &aw, nullptr);
      int gap = S(16);
      int x = ox + (gw - (lw + gap + aw)) / 2;
      l.label = label;
      l.address = address;
      l.labelRect = Rect(x, y, x + lw + 4, y + f.LineHeight() + 4);
      l.textRect = Rect(x + lw + gap, y, x + lw + gap + aw, y + f.LineHeight());
      auto* area = new TImage(this);
      area->SetParent(this);
      area->ControlStyle &= ~csDoubleClicks;
      area->SetBounds(l.textRect.left, l.textRect.top, l.textRect.Width(), l.textRect.Height() + 3);
      area->Cursor = 1;  // the hand
      std::string target = url;
      area->OnClick = [target](TObject*) { ShellOpen(target); };
      return area;
    };
    // The picture's plate (drawn for 1280 wide): the program's name at its
    // top, the links at its bottom, the credits rolling over all of it.
    creditsRect_ = Rect(ox + S(224), oy + S(264), ox + S(1056), oy + S(796));
    int lh = f.LineHeight();
    int mailTop = creditsRect_.bottom - S(16) - lh;
    int webTop = mailTop - S(20) - lh;
    web_ = link(links_[0], "Strona programu:", kWebText, kMakerWebPage, webTop);
    mail_ = link(links_[1], "Napisz do nas:", kMailText, kMakerMail, mailTop);

    // The sun in the top-left corner hides the credits.
    corner_ = Rect(ox, oy, ox + S(230), oy + S(230));
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

void TFormOProgramie::VisibleChanging() {
  if (!Visible()) {
    DrawContent();
  } else {
    // A hidden box keeps none of its pictures.
    creditsTimer_->SetEnabled(false);
    shown_->SetHeight(0);
    work_->SetHeight(0);
  }
  TForm::VisibleChanging();
}

void TFormOProgramie::DrawContent() {
  // A picture that can no longer be read leaves the box on black.
  try {
    Display.LoadBackground(shown_.get(), backgroundFile_);
  } catch (const Exception&) {
  }
  // The colour of the plate, for the credits to roll on, read before anything is drawn on it.
  plateColour_ = shown_->Canvas()->GetPixel(creditsRect_.left + S(8), creditsRect_.bottom - S(8));
  CTransFont& f = GameFontCiezarowka;
  for (const Link& l : links_) {
    f.DrawTextInRect(shown_.get(), l.label, l.labelRect, kInk, 0, 255);
    const TRect& t = l.textRect;
    f.DrawTextInRect(shown_.get(), l.address, Rect(t.left, t.top, t.right + 4, t.top + f.LineHeight() + 4), kLink, 0, 255);
    shown_->Canvas()->Brush.Color = kLink;
    shown_->Canvas()->FillRect(Rect(t.left, t.bottom + 1, t.right, t.bottom + 3));
  }
  const int lh = f.LineHeight();
  int titleTop = creditsRect_.top + S(40);
  GameFontKwiatki.DrawTextInRect(shown_.get(), "Trelamondo Cz.V",
                                 Rect(creditsRect_.left, titleTop, creditsRect_.right, titleTop + 2 * GameFontKwiatki.LineHeight()),
                                 kInk, 1, 255);
  int subTop = titleTop + GameFontKwiatki.LineHeight() + S(24);
  f.DrawTextInRect(shown_.get(), "\306wiczenia wymowy g\263osek dla dzieci",
                   Rect(creditsRect_.left, subTop, creditsRect_.right, subTop + 2 * lh + 4), kInk, 1, 255);
  int aboutTop = subTop + lh + S(48);
  f.DrawTextInRect(shown_.get(),
                   "Pi\352\346 gier z obrazkami i nagraniami wyraz\363w oraz nagrywanie wymowy dziecka.\n\n"
                   "Wybierz g\263oski, ich miejsce w wyrazie i d\263ugo\234\346 gry, a potem naci\234nij przycisk startu.",
                   Rect(creditsRect_.left + S(60), aboutTop, creditsRect_.right - S(60), links_[0].textRect.top - S(20)),
                   kInk, 1, 255);
}

void TFormOProgramie::Paint() {
  TRect r = PaintClip();
  Canvas()->CopyRect(r, shown_->Canvas(), r);
}

bool TFormOProgramie::CreditsRunning() const { return creditsTimer_->Enabled(); }

void TFormOProgramie::StartCredits() {
  if (work_->Empty()) {
    work_->SetPixelFormat(pf24bit);
    work_->SetSize(creditsRect_.Width(), creditsRect_.Height());
  }
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
  c->Brush.Color = plateColour_ >= 0 ? plateColour_ : RGB(252, 246, 226);
  c->FillRect(Rect(0, 0, w, h));
  GameFontKwiatki.DrawTextInRect(work_.get(), kCredits, Rect(0, creditsOffset_, w, h), kInk, 1, 255);
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
