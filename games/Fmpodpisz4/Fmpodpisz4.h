// The label-it game window (game 1): the child sees a word's picture and
// spells the word by dragging letter blocks from a pool into a row of
// answer slots. A task is one word; a game has 5, 10 or 15 of them. At
// level 2 the pool also holds the practised sound's voiced or voiceless
// partner in red, at level 3 two random letters besides.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"
#include "games/Cgameform.h"
#include "platform/Types.h"

class CKompTable;
class CTable;
class CTableBlock;
class CTableBox;

class TFormPodpisz4 : public CGameForm {
 public:
  struct STask {
    STask();
    ~STask();
    STask(STask&&) noexcept;
    STask& operator=(STask&&) noexcept;

    std::string word;                 // the record's WordKey
    std::unique_ptr<CTable> pool;     // the loose blocks
    std::unique_ptr<CTableBox> row;   // one slot per piece of the word, in order
    std::uint8_t solved = 0;          // 1 once completed correctly
  };

  // Loads the pictures of the current art set, builds the buttons and the
  // drag board; any failure frees what was built and raises CBlad(1).
  explicit TFormPodpisz4(TComponent* owner);
  ~TFormPodpisz4() override;

  // The records the settings allow, gathered before HasEnoughWords; they
  // serve every game until the next opening. 5 tasks per level.
  void PrepareCandidates() override;
  // At least one task, and at least as many records as tasks.
  bool HasEnoughWords() override;

  // ---- the tasks ----
  // A new game's tasks from the candidates.
  void GenerateTasks();
  void ClearTasks();
  // The pieces a task adds to the word's own at a level: at any level but 1
  // the partner of the practised sound, marked; at level 3 also two random
  // unmarked letters.
  static std::vector<std::string> Distractors(const CSlowa::SPaczka& record, int level);
  // Swaps each piece but the last with one drawn by RandomRange from it on.
  static void ShufflePieces(std::vector<std::string>& pieces, int n);
  // Scatters the pool over its band; the places become the blocks' homes.
  void LayoutPool(CTable& pool);
  // The tasks not solved yet: each is a bad answer at the stop.
  int UnsolvedCount() const;

  // ---- the screen ----
  // Makes task i current (an index outside the tasks is ignored): buttons
  // and board. The caller redraws.
  void ShowTask(int i);
  // The whole screen into the back buffer.
  void RedrawTask();
  // The current word's picture, through the picture mask over the background.
  void DrawWordPicture();
  // The board's verdict on a drop into a slot. It runs inside the board's
  // release handler, which drops the clicks made meanwhile afterwards.
  void JudgeDrop(CTableBox* row, bool correct);

  int TaskCount() const { return taskCount; }
  const std::vector<STask>& Tasks() const { return tasks; }
  int CurrentTask() const { return current; }
  const std::vector<CSlowa::SPaczka*>& Candidates() const { return candidates; }
  CKompTable* Board() const { return board; }
  const TRect& PictureRect() const { return pictureRect; }
  TPoint LastMouseDown() const { return lastDown; }

  TAction* actPomoc = nullptr;
  TAction* actStop = nullptr;
  TAction* actNowaGra = nullptr;
  TAction* actNastepny = nullptr;
  TAction* actPoprzedni = nullptr;

 private:
  void FreeResources();
  std::unique_ptr<CTableBlock> MakeBlock(const std::string& piece) const;

  void actNowaGraExecute(TObject* sender);
  void actStopExecute(TObject* sender);
  void actPomocExecute(TObject* sender);
  void actNastepnyExecute(TObject* sender);
  void actPoprzedniExecute(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void FormMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void FormDblClick(TObject* sender);
  // The current task's buttons and board redrawn and shown at once.
  void ShowAndPaint(int i);

  std::unique_ptr<TBitmap> pictureMask;
  TRect pictureRect{};
  CKompTable* board = nullptr;  // a component of the window
  TRect poolBand{};             // board pixels
  int slotRowTop = 0;           // board pixels
  TPoint lastDown{};
  int current = 0;
  int taskCount = 0;
  std::vector<STask> tasks;
  std::vector<CSlowa::SPaczka*> candidates;
};

extern TFormPodpisz4* FormPodpisz4;
