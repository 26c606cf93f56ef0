#include "games/Cgameform.h"

#include "platform/WinApi.h"
#include "shell/Fmmain.h"
#include "shell/Fmkoniecgry.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Universalfn.h"
#include "toolkit/_cprzycisk.h"

namespace {
bool IsInput(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR ||
         msg == WM_CLOSE;
}
}  // namespace

CGameForm::CGameForm(TComponent* owner) : TForm(owner) {
  SetBounds(0, 0, Display.ScreenWidth, Display.ScreenHeight);
  boardRect = Rect(0, 0, Width(), Height());
  m_pActionList = new TActionList(this);
  OnShow = [this](TObject* s) { FormShow(s); };
  OnPaint = [this](TObject* s) { FormPaint(s); };
  OnKeyPress = [this](TObject* s, char& key) { FormKeyPress(s, key); };
  OnMouseWheel = [this](TObject* s, TShiftState shift, int delta, TPoint pos, bool& handled) {
    FormMouseWheel(s, shift, delta, pos, handled);
  };
}

CGameForm::~CGameForm() { FreeFrameResources(); }

void CGameForm::FreeFrameResources() {
  delete stopButton;
  stopButton = nullptr;
  delete helpButton;
  helpButton = nullptr;
  delete previousButton;
  previousButton = nullptr;
  delete nextButton;
  nextButton = nullptr;
  delete background;
  background = nullptr;
  delete backBuffer;
  backBuffer = nullptr;
}

void CGameForm::SetFrameActions(TAction* newGame, TAction* stop) {
  newGameAction_ = newGame;
  stopAction_ = stop;
}

TAction* CGameForm::NewAction(const char* name, std::function<void()> handler) {
  auto* action = new TAction(m_pActionList);
  action->Name = name;
  action->OnExecute = [h = std::move(handler)](TObject*) { h(); };
  return action;
}

void CGameForm::CreateBuffers(TPixelFormat backBufferFormat) {
  background = new TBitmap;
  backBuffer = new TBitmap;
  backBuffer->SetPixelFormat(backBufferFormat);
  backBuffer->SetSize(Width(), Height());
}

void CGameForm::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  // Once the stop flow has closed the window, input typed ahead (while the
  // window was blocked) is not played any more.
  if (ModalResult != mrNone && Modal() && IsInput(m.Msg)) return;
  TForm::WndProc(m);
}

void CGameForm::ShowWaitPicture() {
  if (FormMain) FormMain->DrawWaitPicture(this);
}

void CGameForm::KeepAlive() {
  if (StatRec) StatRec->KeepAlive();
}

void CGameForm::ApplyTaskButtons(int i, int count, bool solved) {
  if (previousButton) previousButton->SetVisible(i > 0);
  if (nextButton) nextButton->SetVisible(i < count - 1);
  if (helpButton) helpButton->SetVisible(!solved);
}

void CGameForm::PaintButton(CPrzyciskW* button) {
  if (!button) return;
  if (button->Visible()) button->Paint();
  else if (backBuffer) button->DrawBlended(backBuffer);
}

CPrzyciskW* CGameForm::NewButton(const char* name, TPoint pos, TAction* action) {
  return new CPrzyciskW(this, name, Canvas(), backBuffer->Canvas(), background->Canvas(), Display.GameArea.left + pos.x,
                        Display.GameArea.top + pos.y, action);
}

void CGameForm::FlushMouse(int button) { FlushControlMouseMessages(this, fmmKeepFirstMove | fmmKeepLastMove, button); }

void CGameForm::StopGame(int unsolved) {
  if (stopping_) return;
  stopping_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{stopping_};
  if (StatRec) {
    for (int i = 0; i < unsolved; ++i) StatRec->AddBad();
    StatRec->End();
    // A session the idle timer has ended is not written; the flow goes on.
    StatRec->SaveSession(unsolved == 0);
  }
  const int result = FormKoniecGry ? FormKoniecGry->ShowModal() : kKoniecCloseGame;
  if (result == kKoniecPlayAgain) {
    if (newGameAction_) newGameAction_->Execute();
  } else if (result == kKoniecCloseGame) {
    Close();
  }
}

void CGameForm::FormShow(TObject*) {
  if (newGameAction_) newGameAction_->Execute();
}

void CGameForm::FormPaint(TObject*) {
  if (backBuffer) Canvas()->CopyRect(boardRect, backBuffer->Canvas(), boardRect);
}

void CGameForm::FormKeyPress(TObject*, char& key) {
  KeepAlive();
  if (key == 27 && stopAction_) stopAction_->Execute();
}

void CGameForm::FormMouseWheel(TObject*, TShiftState, int, TPoint, bool&) { KeepAlive(); }

void CGameForm::WMClose() {
  if (!Visible() || ModalResult != mrNone || stopping_) return;
  if (stopAction_) stopAction_->Execute();
}
