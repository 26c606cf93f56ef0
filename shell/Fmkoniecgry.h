// The end-of-game window: the finished session's time and its help, good
// and bad counts (from StatRec), shown modally by a game's stop action.
//
//   int r = FormKoniecGry->ShowModal();  // 1: play again, 2: close the game
//
// "start" gives 1; "stop", Esc and a close request give 2. It returns no
// other value. While it is open the message loop goes on: the application's
// idle handler, window timers and posted calls keep running behind it.
#pragma once
#include <cstdint>
#include <string>

#include "shell/_cdialog.h"

class CPrzyciskP;
class TAction;

constexpr int kKoniecPlayAgain = 1;
constexpr int kKoniecCloseGame = 2;

class TFormKoniecGry : public TDialogForm {
 public:
  // Raises CBlad(1) when its picture or buttons cannot be built.
  explicit TFormKoniecGry(TComponent* owner);
  ~TFormKoniecGry() override;

  // Shows the current session of StatRec; 1 or 2.
  int ShowModal();

  // "m:ss" (minutes grow past 59).
  static std::string FormatTime(std::uint32_t ms);

  CPrzyciskP* StartButton() const { return start_; }
  CPrzyciskP* StopButton() const { return stop_; }

 protected:
  void DrawContent(TBitmap* target) override;
  void KeyPress(char& key) override;

 private:
  TAction* startAction_ = nullptr;
  TAction* stopAction_ = nullptr;
  CPrzyciskP* start_ = nullptr;
  CPrzyciskP* stop_ = nullptr;
  std::uint32_t elapsedMs_ = 0;
  int help_ = 0, good_ = 0, bad_ = 0;
};

extern TFormKoniecGry* FormKoniecGry;
