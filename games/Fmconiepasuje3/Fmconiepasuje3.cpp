#include "games/Fmconiepasuje3/Fmconiepasuje3.h"

#include <string>

#include "dictionary/_cslowa.h"
#include "games/Czoom44.h"
#include "games/Fmconiepasuje3/Cgraniep_karty.h"
#include "games/Fmconiepasuje3/CoNiePasuje3Layout.h"
#include "platform/WinApi.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

TFormCoNiePasuje3* FormCoNiePasuje3 = nullptr;

namespace {
std::string SpecPicture(const std::string& prefix, const std::string& name) {
  return "Data\\Intf\\Spec\\" + prefix + "_" + name + ".xji";
}
}  // namespace

TFormCoNiePasuje3::TFormCoNiePasuje3(TComponent* Owner) : CGameForm(Owner) {
  Name = "FormCoNiePasuje3";
  Caption = "Gra Co Nie Pasuje 3";
  A_NowaGra = NewAction("A_NowaGra", [this] { A_NowaGraExecute(A_NowaGra); });
  A_Stop = NewAction("A_Stop", [this] { A_StopExecute(A_Stop); });
  A_Pomoc = NewAction("A_Pomoc", [this] { A_PomocExecute(A_Pomoc); });
  A_Nastepny = NewAction("A_Nastepny", [this] { A_NastepnyExecute(A_Nastepny); });
  A_Powiedz = NewAction("A_Powiedz", [this] { A_PowiedzExecute(A_Powiedz); });
  A_Poprzedni = NewAction("A_Poprzedni", [this] { A_PoprzedniExecute(A_Poprzedni); });
  SetFrameActions(A_NowaGra, A_Stop);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseDown(s, b, sh, x, y); };
  OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };

  try {
    const int L = Display.GameArea.left, T = Display.GameArea.top;
    const coniepasuje3::Layout l = coniepasuje3::LayoutFor(Display);

    CreateBuffers(pf32bit);
    zoom = new CZoom44(Canvas(), ClientRect(), backBuffer->Canvas());
    game = new CgraNiep_Karty(Canvas(), backBuffer);
    for (int n = 0; n < coniepasuje3::kCards; ++n) {
      const TPoint card = l.cards[std::size_t(n)], frame = l.highlights[std::size_t(n)];
      const std::string number = std::to_string(n + 1);
      game->AddPlace(L + card.x, T + card.y, SpecPicture(Display.ArtPrefix[1], "cnp3ms" + number), L + frame.x,
                     T + frame.y, SpecPicture(Display.ArtPrefix[1], "cnp3om" + number));
    }
    Display.LoadBackground(background, SpecPicture(Display.ArtPrefix[2], "cnp3T"));

    TCanvas* window = Canvas();
    TCanvas* buffer = backBuffer->Canvas();
    TCanvas* clean = background->Canvas();
    auto button = [&](const char* name, TPoint at, TAction* action) {
      return new CPrzyciskW(this, name, window, buffer, clean, L + at.x, T + at.y, action);
    };
    helpButton = button("pomoc", l.help, A_Pomoc);
    stopButton = button("stop", l.stop, A_Stop);
    previousButton = button("pop", l.previous, A_Poprzedni);
    sayButton = button("powiedz", l.say, A_Powiedz);
    nextButton = button("nast", l.next, A_Nastepny);
  } catch (...) {
    FreeResources();
    throw CBlad(1);
  }
}

TFormCoNiePasuje3::~TFormCoNiePasuje3() {
  FreeResources();
  if (FormCoNiePasuje3 == this) FormCoNiePasuje3 = nullptr;
}

void TFormCoNiePasuje3::FreeResources() {
  delete game;
  game = nullptr;
  delete zoom;
  zoom = nullptr;
  delete sayButton;
  sayButton = nullptr;
  FreeFrameResources();
}

// ---- the game's rules ----

bool TFormCoNiePasuje3::HasEnoughWords() {
  if (!Dictionary || !game) return false;
  const PhonemeMask p = PhonemeMask(SettingsCoNiePasuje3.PhonemeMask) & CSlowa::AllPhonemes;
  const PhonemeMask q = PhonemeMask(SettingsCoNiePasuje3.PositionMask) & CSlowa::AllPositions;
  if (Dictionary->CountWords(p | PhonemeMask(OppositeMask(std::int32_t(p))) | q) < 2) return false;
  return game->FilterPhonemes(CardsPerRound());
}

int TFormCoNiePasuje3::TaskCount() const {
  switch (SettingsCoNiePasuje3.Level) {
    case 1: return 5;
    case 2: return 10;
    case 3: return 15;
    default: return 2;
  }
}

// ---- drawing ----

void TFormCoNiePasuje3::Redraw() {
  backBuffer->Canvas()->CopyMode = cmSrcCopy;
  backBuffer->Canvas()->CopyRect(boardRect, background->Canvas(), boardRect);
  stopButton->Paint();
  sayButton->Paint();
  PaintButton(helpButton);
  PaintButton(previousButton);
  PaintButton(nextButton);
  game->DrawCards(backBuffer);
  // The screen is about to show the clean board: no card is lit any more.
  game->ForgetHover();
}

void TFormCoNiePasuje3::ShowRound() {
  CgraNiep_Karty::SPasNiep* round = game->Current();
  ApplyTaskButtons(game->CurrentRound(), game->RoundCount(), round && round->solved);
  Redraw();
  Refresh();
}

bool TFormCoNiePasuje3::ZoomCard(int x, int y) {
  const int i = game->CardAt(x, y);
  CgraNiep_Karty::SPasNiep* round = game->Current();
  if (i < 0 || !round || i >= game->CardCount()) return false;
  ShowCursor(0);  // hidden while the lens stands
  zoom->Show(round->words[i]->records.front(), x, y);
  zoom->Speak();
  zoom->Hide();
  ShowCursor(1);
  return true;
}

// ---- actions ----

void TFormCoNiePasuje3::A_NowaGraExecute(TObject*) {
  ShowWaitPicture();
  if (StatRec) StatRec->Start(&SettingsCoNiePasuje3);
  game->Setup(CardsPerRound(), TaskCount());
  ShowRound();
}

void TFormCoNiePasuje3::A_StopExecute(TObject*) {
  game->CancelReading();
  StopGame(game->UnsolvedCount());
}

void TFormCoNiePasuje3::A_PomocExecute(TObject*) {
  // A press while the cards are read aloud only stops the reading.
  if (game->Reading()) {
    game->CancelReading();
    return;
  }
  KeepAlive();
  if (StatRec) StatRec->AddHelp();
  game->SayOddWord();
}

void TFormCoNiePasuje3::A_PowiedzExecute(TObject*) {
  KeepAlive();
  if (game->Reading()) game->CancelReading();
  else game->ReadAloud();
}

void TFormCoNiePasuje3::A_NastepnyExecute(TObject*) {
  KeepAlive();
  game->CancelReading();
  game->NextRound();
  ShowRound();
}

void TFormCoNiePasuje3::A_PoprzedniExecute(TObject*) {
  KeepAlive();
  game->CancelReading();
  game->PrevRound();
  ShowRound();
}

// ---- handlers ----

void TFormCoNiePasuje3::FormClose(TObject*, TCloseAction&) { game->ClearRounds(); }

void TFormCoNiePasuje3::FormMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  KeepAlive();
  if (game->Reading()) return;
  if (Button == mbRight) {
    ZoomCard(X, Y);
    game->UpdateHover(0, 0);
  } else if (Button == mbLeft) {
    game->UpdateHover(0, 0);
    switch (game->JudgeClick(X, Y)) {
      case 1:
        if (StatRec) StatRec->AddGood();
        helpButton->SetVisible(false);
        Redraw();
        Invalidate();
        break;
      case 2:
        if (StatRec) StatRec->AddBad();
        break;
      default: break;
    }
  }
  FlushMouse(Button);
}

void TFormCoNiePasuje3::FormMouseMove(TObject*, TShiftState Shift, int X, int Y) {
  if (!game->Reading() && Shift == 0) game->UpdateHover(X, Y);
}
