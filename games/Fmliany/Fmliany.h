// The vines game window "Liany" (game 2): leaves with word pictures hang on
// vines; with the shears the child cuts the leaves whose word holds the
// task's sound, shown with an example word on the title board. A cut leaf
// flies to the row of collected leaves; a wrong one earns a gentle blame.
#pragma once
#include <memory>
#include <vector>

#include "games/Cgameform.h"
#include "games/Fmliany/Clianyzadanie.h"

class CMovingObj;
class CZoom44;
class TTimer;

class TFormLiany : public CGameForm {
 public:
  // Loads the pictures of the current art set and builds the buttons; any
  // failure frees what was built and raises CBlad(1).
  explicit TFormLiany(TComponent* Owner);
  ~TFormLiany() override;

  // The level tables, read from the settings at every call.
  int TaskCount() const;
  int LeafCount() const;
  int CorrectLeafCount() const;
  // Whether some chosen sound has enough words; also keeps the playable
  // sounds for every game of this opening.
  bool HasEnoughWords() override;

  // What tests and the screen look at.
  const LianyTasks& Tasks() const { return tasks; }
  CLianyZadanie* Current() const { return tasks.empty() ? nullptr : tasks[std::size_t(currentTask)].get(); }
  int CurrentTask() const { return currentTask; }
  int HoveredLeaf() const { return hoveredLeaf; }
  int LetterAlpha() const { return letterAlpha; }
  TRect TitleRect() const;
  const std::vector<TPoint>& Anchors() const { return anchors; }
  TPoint CollectBase() const { return collectBase; }
  CZoom44* Zoom() const { return zoom.get(); }
  TTimer* Timer() const { return timerOpoznG; }

  TAction* A_NowaGra = nullptr;
  TAction* A_Stop = nullptr;
  TAction* A_Pomoc = nullptr;
  TAction* A_Nastepny = nullptr;
  TAction* A_Poprzedni = nullptr;
  TTimer* timerOpoznG = nullptr;  // speaks the task's sound 800 ms after it is shown

 private:
  void LoadGraphics();
  void FreeResources();
  void ClearTasks();
  void GenerateTasks(int taskCount);

  void A_NowaGraExecute(TObject* Sender);
  void A_StopExecute(TObject* Sender);
  void A_PomocExecute(TObject* Sender);
  void A_NastepnyExecute(TObject* Sender);
  void A_PoprzedniExecute(TObject* Sender);
  void timerOpoznGTimer(TObject* Sender);

  void FormShow(TObject* Sender) override;
  void FormKeyPress(TObject* Sender, char& Key) override;
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);

  void ShowTask(int i);
  // No leaf is lit any more, and the shears give way to the arrow.
  void ForgetHover();
  // The whole back buffer: background, buttons, title, leaves, foreground.
  void RedrawBoard();
  void DrawTitle(TBitmap* dest);
  void DrawLeaves(TBitmap* dest);
  void DrawLeaf(const CLianyZadanie::CListek& leaf, TBitmap* dest, bool highlighted, int opacity);
  void DrawLeafAt(const CLianyZadanie::CListek& leaf, TBitmap* dest, bool highlighted, int x, int y);
  void DrawFlyingLeaf(TBitmap* work, int x, int y);
  // The title area rebuilt in the back buffer and painted at once.
  void RefreshTitle();
  // The leaf of the current task under the point (cut ones too when asked); -1 when none.
  int LeafAt(int x, int y, bool includeCut) const;
  void UpdateLeafHover(int x, int y);
  // Leaf i lit under the shears (-1: none, and the arrow), the one lit before put out.
  void HoverLeaf(int i);
  // One leaf's rectangle rebuilt from the background and copied to the screen.
  void RedrawLeaf(int i, bool highlighted);
  // The title clicked: the sound letter fades in, the sound is said, the
  // letter fades out, then the example word is said.
  void SayTitle();
  // The magnifier over the word at (x, y).
  void Magnify(CSlowa::CPaczkaEx* word, int x, int y);
  // A click on leaf i of the current task, judged.
  void CutLeaf(int i, int x, int y);

  std::unique_ptr<CZoom44> zoom;
  CTransBitmap leafLeft, leafRight, leafLeftLit, leafRightLit;
  CTransBitmap foreground;  // a piece of the background drawn again over the leaves
  std::unique_ptr<TBitmap> pictureMaskLeft, pictureMaskRight, cutMarkMask, titleMask;
  TPoint pictureOffsetLeft{}, pictureOffsetRight{};
  TPoint titlePos{}, foregroundPos{}, collectBase{}, cutMarkOffset{};
  int letterAlpha = 0;
  std::vector<TPoint> anchors;
  LianyTasks tasks;
  std::vector<int> usablePhonemes, usableWordCounts;
  int currentTask = 0;
  int hoveredLeaf = -1;
  int flyingLeaf = -1;
  std::unique_ptr<CMovingObj> flight;
};

extern TFormLiany* FormLiany;
