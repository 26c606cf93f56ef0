#include "shell/Fmkomunikat.h"

#include <algorithm>
#include <vector>

#include "platform/ActnList.h"
#include "shell/PictureLayout.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cprzycisk.h"

TFormKomunikat* FormKomunikat = nullptr;

namespace {
const char* const kPicture = "Data\\Intf\\Spec\\mKom_kp.xji";
}

std::string TFormKomunikat::MessageText(std::int16_t code) {
  switch (code) {
    case kMsgTooFewWords: return "Prosz\352 wybra\346 wi\352ksz\271 liczb\352 g\263osek lub pozycji.";
    case kMsgNoRecordingMarked: return "Prosz\352 najpierw zaznaczy\346 nagranie na li\234" "cie.";
    case kMsgNoMicrophone: return "Nie znaleziono mikrofonu.\nProsz\352 pod\263\271" "czy\346 mikrofon i spr\363bowa\346 ponownie.";
    case kMsgRecordingNotSaved: return "Nie uda\263o si\352 zapisa\346 nagrania.";
    case kMsgSlotEmpty: return "To miejsce nie ma jeszcze nagrania.";
    case kMsgSlotProtected:
      return "To miejsce ma ju\277 nagranie.\nAby je zast\271pi\346, wy\263\271" "cz ochron\352 nagra\361.";
    case kMsgNoTryOut: return "Najpierw nagraj pr\363b\352.";
    case kMsgRecordingDamaged:
      return "To nagranie jest uszkodzone i nie da si\352 go odtworzy\346.\nMo\277na w tym miejscu nagra\346 nowe.";
    default: return std::string();
  }
}

TFormKomunikat::TFormKomunikat(TComponent* owner) : TDialogForm(owner, kPicture) {
  Caption = "Trelamondo Cz.V";
  stopAction_ = new TAction(this);
  stopAction_->OnExecute = [this](TObject* s) { A_StopExecute(s); };
  // Built at (0, 0) to learn its size, then put at the bottom centre.
  stop_ = new CPrzyciskP(this, "stop", Canvas(), Composed()->Canvas(), 0, 0, stopAction_);
  stop_->SetPosition((Width() - stop_->Width()) / 2, Height() - stop_->Height() - 4);
}

TFormKomunikat::~TFormKomunikat() = default;

void TFormKomunikat::SetMessage(std::int16_t code) {
  code_ = code;
  Compose();
}

void TFormKomunikat::DrawContent(TBitmap* target) {
  if (!stop_) return;
  // On the picture's plate, above the button.
  const picturelayout::DialogPlate& p = picturelayout::kMessagePlate;
  TRect r = Rect(p.margin + 14, p.top + 8, Width() - p.margin - 14, std::min(p.top + p.height, stop_->Top()) - 4);
  // The text is broken into lines once: their number centres the text on
  // the free height above the button, and each line is drawn centred.
  CTransFont& font = GameFontCiezarowka;
  const std::string text = MessageText(code_);
  struct Line {
    const char* text;
    int count, width;
  };
  std::vector<Line> lines;
  for (const char* p = text.c_str(); *p;) {
    Line line{p, 0, 0};
    p = font.BreakLine(p, &line.count, &line.width, r.Width());
    lines.push_back(line);
  }
  const int step = font.LineHeight() + font.LineGap();
  const int h = lines.empty() ? 0 : int(lines.size() - 1) * step + font.LineHeight();
  int top = r.top + std::max(0, (r.Height() - h) / 2);
  for (const Line& line : lines) {
    const TRect at = Rect(r.left + (r.Width() - line.width) / 2, top, r.right, r.bottom);
    font.DrawChars(target, &at, line.text, line.count, kDialogTextColour, 255);
    top += step;
  }
}

void TFormKomunikat::A_StopExecute(TObject*) { ModalResult = mrOk; }

void TFormKomunikat::KeyPress(char& key) {
  if (key == 27 || key == 13) ModalResult = mrOk;
  TDialogForm::KeyPress(key);
}
