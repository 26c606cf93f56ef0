#include "shell/Fmkoniecgry.h"

#include <algorithm>
#include <cstdio>

#include "platform/ActnList.h"
#include "shell/PictureLayout.h"
#include "shell/_cstatrec.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cprzycisk.h"

TFormKoniecGry* FormKoniecGry = nullptr;

namespace {
const char* const kPicture = "Data\\Intf\\Spec\\mKon_kp.xji";
}

std::string TFormKoniecGry::FormatTime(std::uint32_t ms) {
  std::uint32_t s = ms / 1000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%u:%02u", unsigned(s / 60), unsigned(s % 60));
  return buf;
}

TFormKoniecGry::TFormKoniecGry(TComponent* owner) : TDialogForm(owner, kPicture) {
  Caption = "Trelamondo Cz.V";
  startAction_ = new TAction(this);
  startAction_->OnExecute = [this](TObject*) { ModalResult = kKoniecPlayAgain; };
  stopAction_ = new TAction(this);
  stopAction_->OnExecute = [this](TObject*) { ModalResult = kKoniecCloseGame; };
  start_ = new CPrzyciskP(this, "start", Canvas(), Composed()->Canvas(), 0, 0, startAction_);
  stop_ = new CPrzyciskP(this, "stop", Canvas(), Composed()->Canvas(), 0, 0, stopAction_);
  int y = Height() - start_->Height() - 12;
  start_->SetPosition(Width() / 3 - start_->Width() / 2, y);
  stop_->SetPosition(Width() * 2 / 3 - stop_->Width() / 2, y);
  Compose();
}

TFormKoniecGry::~TFormKoniecGry() = default;

int TFormKoniecGry::ShowModal() {
  if (StatRec) {
    elapsedMs_ = StatRec->ElapsedMs();
    help_ = StatRec->Help();
    good_ = StatRec->Good();
    bad_ = StatRec->Bad();
  } else {
    elapsedMs_ = 0;
    help_ = good_ = bad_ = 0;
  }
  Compose();
  Centre();
  int r = TForm::ShowModal();
  // Whatever ended the loop, a game sees only "again" or "close".
  return r == kKoniecPlayAgain ? kKoniecPlayAgain : kKoniecCloseGame;
}

void TFormKoniecGry::DrawContent(TBitmap* target) {
  if (!start_) return;
  // Four lines on the picture's plate, the buttons on the grass below it.
  const picturelayout::DialogPlate& p = picturelayout::kEndOfGamePlate;
  const TRect plate = Rect(p.margin + 18, p.top + 6, Width() - p.margin - 18, p.top + p.height - 6);
  struct Line {
    const char* label;
    std::string value;
  } lines[] = {
      {"Czas gry:", FormatTime(elapsedMs_)},
      {"Podpowiedzi:", std::to_string(help_)},
      {"Dobre odpowiedzi:", std::to_string(good_)},
      {"B\263\352" "dne odpowiedzi:", std::to_string(bad_)},
  };
  int lh = GameFontCiezarowka.LineHeight();
  int step = plate.Height() / 4;
  for (int i = 0; i < 4; ++i) {
    int y = plate.top + i * step + std::max(0, (step - lh) / 2);
    TRect row = Rect(plate.left, y, plate.right, y + lh + 2);
    Text(target, GameFontCiezarowka, lines[i].label, row, kDialogTextColour, 0);
    Text(target, GameFontCiezarowka, lines[i].value, row, kDialogTextColour, 2);
  }
}

void TFormKoniecGry::KeyPress(char& key) {
  if (key == 27) ModalResult = kKoniecCloseGame;
  TDialogForm::KeyPress(key);
}
