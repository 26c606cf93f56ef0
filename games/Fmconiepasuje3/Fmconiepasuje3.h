// The odd-one-out game window "Co nie pasuje 3" (game 4): five picture
// cards per round, the child clicks the one that does not fit.
#pragma once
#include "games/Cgameform.h"

class CgraNiep_Karty;
class CZoom44;

class TFormCoNiePasuje3 : public CGameForm {
 public:
  // Loads the pictures of the current art set and builds the buttons; any
  // failure frees what was built and raises CBlad(1).
  explicit TFormCoNiePasuje3(TComponent* Owner);
  ~TFormCoNiePasuje3() override;

  // Whether the dictionary holds enough words for the game's settings; also
  // fills the usable sound codes for the games that follow.
  bool HasEnoughWords() override;
  int CardsPerRound() const { return 5; }
  // Rounds by level: 1 → 5, 2 → 10, 3 → 15, any other value → 2.
  int TaskCount() const;

  // Rebuilds the back buffer: background, buttons, the current round's cards.
  void Redraw();
  // The magnifier on the card under the point; false when there is none.
  bool ZoomCard(int x, int y);

  CgraNiep_Karty* Game() const { return game; }
  CZoom44* Zoom() const { return zoom; }
  CPrzyciskW* StopButton() const { return stopButton; }
  CPrzyciskW* HelpButton() const { return helpButton; }
  CPrzyciskW* PreviousButton() const { return previousButton; }
  CPrzyciskW* NextButton() const { return nextButton; }
  CPrzyciskW* SayButton() const { return sayButton; }

  TAction* A_NowaGra = nullptr;
  TAction* A_Stop = nullptr;
  TAction* A_Pomoc = nullptr;
  TAction* A_Nastepny = nullptr;
  TAction* A_Powiedz = nullptr;
  TAction* A_Poprzedni = nullptr;

 private:
  void FreeResources();

  void A_NowaGraExecute(TObject* Sender);
  void A_StopExecute(TObject* Sender);
  void A_PomocExecute(TObject* Sender);
  void A_NastepnyExecute(TObject* Sender);
  void A_PowiedzExecute(TObject* Sender);
  void A_PoprzedniExecute(TObject* Sender);

  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  // After a round change: the buttons for the round, the board redrawn and shown.
  void ShowRound();

  CPrzyciskW* sayButton = nullptr;  // owned
  CZoom44* zoom = nullptr;          // owned
  CgraNiep_Karty* game = nullptr;   // owned
};

extern TFormCoNiePasuje3* FormCoNiePasuje3;
