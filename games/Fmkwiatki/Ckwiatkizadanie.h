// The flowers game's tasks and rules. A task shows eight flowers, each the
// picture of a dictionary word, and eight sound markers in home slots below
// them, each labelled with a phoneme's upper-case text; the child drags each
// marker onto a flower whose word holds that sound. All tasks of a game are
// built at once. The window draws, flies and plays sounds; this holds the
// tasks and answers what the window asks.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/_cslowa.h"
#include "platform/Graphics.h"

class CTransFont;
class CUstGry;

// One task.
class CKwiatkiZadanie {
 public:
  static constexpr int kFlowers = 8;

  // One flower.
  class CKwiBig {
   public:
    CSlowa::SPaczka* record = nullptr;  // not owned
    std::unique_ptr<TBitmap> picture;   // the word's picture at its flower mask's size
    std::uint8_t occupied = 0;          // 1 once a marker has landed on it
  };

  // One sound marker; its label is record->phonemeText.
  class CKwiGloska {
   public:
    CSlowa::SPaczka* record = nullptr;  // not owned
    std::int32_t width = 0, height = 0;  // of the label in the game font
    std::int32_t x = 0, y = 0;           // top-left of the label, window pixels
    std::uint8_t placed = 0;             // 1 once it sits on a flower
    std::int32_t slot = -1;              // free: its home slot 0-7; placed: its flower
  };

  std::vector<CKwiBig> flowers;     // 8
  std::vector<CKwiGloska> markers;  // 8 at first; the new-marker rule appends
  std::int32_t remaining = kFlowers;  // flowers still without a marker; 0: finished

  bool Finished() const { return remaining == 0; }
};

// Where things stand, in window pixels.
struct SKwiatkiPlansza {
  TRect flowers[CKwiatkiZadanie::kFlowers]{};    // flower k: its top-left and its mask's size
  TPoint homeSlots[CKwiatkiZadanie::kFlowers]{};  // centre of home slot k
};

// The tasks of one game and the rules of play.
class CKwiatkiGra {
 public:
  // What a drop of a marker on a point means.
  enum class EDrop {
    None,   // outside every flower, or on an occupied one: the marker goes home, nothing counts
    Right,  // the flower's word has a record with the marker's label
    Wrong,
  };

  // settings: read at every call (level, sounds, positions); font measures
  // the labels. Both must outlive the object.
  CKwiatkiGra(const CUstGry& settings, const CTransFont& font);

  void SetBoard(const SKwiatkiPlansza& board) { board_ = board; }
  const SKwiatkiPlansza& Board() const { return board_; }

  // Tasks by level: 1 → 3, 2 → 5, 3 → 7, any other value → 2.
  int TaskCount() const;
  // Fills usablePhonemes with the chosen sounds that have a word at a
  // chosen position (ascending bits); true with at least two of them. The
  // list is the sound source of every game until the next check.
  bool HasEnoughWords();
  // Discards the old tasks and builds n new ones from usablePhonemes (which
  // must not be empty): records first, then the pictures and labels.
  void GenerateTasks(int n);
  // The first step alone: records of flowers and markers, no pictures or
  // label sizes.
  void BuildTasks(int n);
  // The second step: each flower's picture at its rectangle's size, each
  // marker's label measured and centred on its home slot.
  void DressTasks();
  void ClearTasks();

  // A sound of usablePhonemes other than phoneme, from a random start;
  // phoneme itself when there is no other.
  int OtherPhoneme(int phoneme) const;

  // ---- the current task ----
  int TaskTotal() const { return int(tasks.size()); }
  CKwiatkiZadanie* Current() const;
  CKwiatkiZadanie& Task(int i) const { return *tasks[std::size_t(i)]; }
  void SetCurrentTask(int i) { currentTask = i; }

  // Appends to the current task a free marker for record, its label centred
  // on home slot slot.
  void AddMarker(int slot, CSlowa::SPaczka* record);
  // Hit tests on the current task; -1 for none. Rectangles hold their left
  // and top edges, not their right and bottom ones.
  int FlowerAt(int x, int y) const;
  // The first marker whose label rectangle grown by margin on every side
  // holds the point; placed markers only when includePlaced.
  int MarkerAt(int x, int y, bool includePlaced, int margin) const;
  // The first free marker of the task in home slot slot.
  static int MarkerInSlot(const CKwiatkiZadanie& task, int slot);
  // The lowest home slot of the current task without a free marker.
  int FreeHomeSlot() const;

  // What dropping marker m on flower k means (k may be -1).
  EDrop JudgeDrop(int m, int k) const;
  // Marker m lands on flower k with its label at (x, y): it is placed, the
  // flower occupied, one flower fewer remains. When the flower's own label
  // differs, a new free marker with m's record takes the lowest free home
  // slot, so every flower can still be covered; true when one was added.
  bool Land(int m, int k, int x, int y);
  // Help: the first free marker (in order) and free flower whose own label
  // equals the marker's; false when there is none.
  bool FindHelp(int& marker, int& flower) const;
  // Flowers without their marker in every unfinished task.
  int UnsolvedCount() const;

  std::vector<std::unique_ptr<CKwiatkiZadanie>> tasks;
  std::vector<int> usablePhonemes;  // single phoneme bits
  int currentTask = 0;

 private:
  // A phoneme taken for a flower, and the record drawn for it.
  struct SPara {
    int phoneme = 0;
    CSlowa::SPaczka* record = nullptr;
  };
  static void ShufflePairs(std::vector<SPara>& pairs, int n);
  void MeasureMarker(CKwiatkiZadanie::CKwiGloska& marker, int slot) const;

  const CUstGry& settings_;
  const CTransFont& font_;
  SKwiatkiPlansza board_;
};
