// The frame every game window shares: a borderless window over the whole
// screen, created once at start-up and opened modally by the main window's
// starter; a new game on every show; a back buffer copied to the window on
// paint; picture buttons bound to the game's actions; Esc and a close
// request from the desktop run the stop flow, which counts the unsolved
// items, saves the session and opens the end-of-game window. The main
// window reaches a game only through IGameWindow.
#pragma once
#include <functional>

#include "platform/ActnList.h"
#include "platform/Forms.h"
#include "shell/GameWindow.h"

class CPrzyciskW;

class CGameForm : public TForm, public IGameWindow {
 public:
  // The window covers the screen (Display's screen size).
  explicit CGameForm(TComponent* owner);
  ~CGameForm() override;

  // What the main window's starter asks: PrepareCandidates first (only the
  // label-it game needs it), then HasEnoughWords; true opens the game.
  void PrepareCandidates() override {}
  bool HasEnoughWords() override = 0;
  // Opens the game modally; a new game starts at once.
  int ShowGame() override { return ShowModal(); }

  TBitmap* BackBuffer() const { return backBuffer; }
  CPrzyciskW* StopButton() const { return stopButton; }
  CPrzyciskW* HelpButton() const { return helpButton; }
  CPrzyciskW* PreviousButton() const { return previousButton; }
  CPrzyciskW* NextButton() const { return nextButton; }

  void WndProc(TMessage& message) override;

 protected:
  // The actions the frame itself runs: the new game on every show and after
  // "play again", the stop on Esc and on a close request.
  void SetFrameActions(TAction* newGame, TAction* stop);
  // A new action of the window's action list, running handler.
  TAction* NewAction(const char* name, std::function<void()> handler);

  // Makes background an empty bitmap and backBuffer one of the window's size.
  void CreateBuffers(TPixelFormat backBufferFormat);
  // Frees the bitmaps and buttons the frame holds (each once) and clears
  // their pointers.
  void FreeFrameResources();

  // The main window's wait picture on this window, at once on the screen.
  void ShowWaitPicture();
  // Restarts the idle timer of the running statistics session.
  void KeepAlive();
  // Which buttons task i of count shows: "pop" when i > 0, "nast" when i is
  // not the last task, "pomoc" while the task is unsolved.
  void ApplyTaskButtons(int i, int count, bool solved);
  // A visible button drawn into the back buffer; a hidden one faded.
  void PaintButton(CPrzyciskW* button);
  // A picture button of this window bound to action, its top-left at pos
  // from the game area's origin, drawn into the back buffer over the
  // background (both made already).
  CPrzyciskW* NewButton(const char* name, TPoint pos, TAction* action);
  // Drops the mouse messages queued while a handler blocked, keeping the
  // first and last move and the release of the button the handler was
  // started by (-1: none).
  void FlushMouse(int button);
  // Steps 2 to 5 of the stop flow, after the game's own clean-up: one bad
  // answer per unsolved item, the session ended and saved (completed when
  // nothing was left unsolved), then the end-of-game window: 1 starts a new
  // game here, 2 closes the window, anything else leaves it as it is.
  void StopGame(int unsolved);

  // Handlers every game window has.
  virtual void FormShow(TObject* sender);
  virtual void FormPaint(TObject* sender);
  virtual void FormKeyPress(TObject* sender, char& key);
  virtual void FormMouseWheel(TObject* sender, TShiftState shift, int wheelDelta, TPoint mousePos, bool& handled);
  // A close request from the desktop stops the game as Esc does.
  void WMClose() override;

  TActionList* m_pActionList = nullptr;
  TBitmap* background = nullptr;  // owned
  TBitmap* backBuffer = nullptr;  // owned, the window's size
  TRect boardRect{};              // the part of the back buffer the paint copies
  CPrzyciskW* stopButton = nullptr;      // owned
  CPrzyciskW* helpButton = nullptr;      // owned
  CPrzyciskW* previousButton = nullptr;  // owned
  CPrzyciskW* nextButton = nullptr;      // owned

 private:
  TAction* newGameAction_ = nullptr;
  TAction* stopAction_ = nullptr;
  bool stopping_ = false;
};
