// The vines game's tasks: a sound, an example word with its picture, and
// leaves hanging on the vines, each showing a word; the child cuts the
// leaves whose word holds the sound. Also the level tables, the check that
// the dictionary holds enough words for the settings, and the generator
// that builds every task of a game at once.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "dictionary/_cslowa.h"
#include "platform/Graphics.h"
#include "toolkit/Ctransbitmap.h"

class CUstGry;

class CLianyZadanie {
 public:
  // One leaf.
  class CListek {
   public:
    CSlowa::CPaczkaEx* word = nullptr;  // not owned
    std::uint8_t correct = 0;           // 1: its word holds the task's sound, to be cut
    std::uint8_t cut = 0;
    CTransBitmap picture;           // the leaf shape with the word's picture in it
    CTransBitmap highlightPicture;  // the lit shape with the same picture
    std::uint8_t leftShape = 0;     // 1 on anchors 0-5, 0 on 6-9
    int x = 0, y = 0;               // window pixels, top-left of the pictures

    // The leaf's rectangle: its top-left and the picture's size.
    TRect Bounds() const;
  };

  std::vector<std::unique_ptr<CListek>> leaves;  // the correct ones first
  std::int32_t phoneme = 0;                      // one phoneme bit, no position
  CSlowa::CPaczkaEx* titleWord = nullptr;        // not owned
  std::unique_ptr<TBitmap> titlePicture;         // the title mask's size
  int remaining = 0;                             // correct leaves not cut yet
  int collectX = 0, collectY = 0;                // where the next cut leaf lands

  bool Finished() const { return remaining == 0; }
  // The first correct leaf not cut yet, in leaf order; -1 when none.
  int FirstUncutCorrect() const;
  // Where a cut leaf of the given width lands: the collecting point, which
  // then moves one such width to the left, so the row grows leftwards.
  TPoint TakeCollectPoint(int width);
  // Leaf i has been cut and lies at p; one correct leaf fewer to find.
  void Land(int i, TPoint p);
};

using LianyTasks = std::vector<std::unique_ptr<CLianyZadanie>>;

// The correct leaves not cut yet, over every task.
int UncutCorrectLeaves(const LianyTasks& tasks);

// Per level: tasks a game, leaves a task, correct leaves a task. Any level
// other than 1-3 plays 4 tasks of 6 leaves with 3 correct.
struct LianyLevel {
  int taskCount, leafCount, correctLeafCount;
};
LianyLevel LianyLevelOf(int level);

// Fills phonemes with the chosen sound bits, ascending, that have at least
// correct + 2 words at the chosen positions, and counts with their word
// counts. True when any sound is usable.
bool LianyUsablePhonemes(const CSlowa& dictionary, const CUstGry& settings, std::vector<int>& phonemes,
                         std::vector<int>& counts);

// The pool the wrong words of a task on phoneme are drawn from, widened
// until it holds enough: the partner sound at the chosen positions (wrong +
// 2 words), the partner at any position (wrong + 2), every sound of the other
// voicing class (wrong), at last every word without the sound. Words whose
// exclusion records name the sound are left out throughout.
void LianyWrongWordPool(const CSlowa& dictionary, std::int32_t phoneme, PhonemeMask positions, int wrong,
                        std::vector<CSlowa::CPaczkaEx*>& pool);

// What leaves are made of: the window's shapes and masks (not owned, none null) and its
// places in window pixels. Index 0 is the left shape (anchors 0-5), 1 the
// right shape (anchors 6-9).
struct SLianyArt {
  const CTransBitmap* leaf[2] = {};
  const CTransBitmap* leafLit[2] = {};
  TBitmap* pictureMask[2] = {};  // the word picture's window in the shape; its size is the picture's
  TPoint pictureOffset[2] = {};
  TBitmap* titleMask = nullptr;  // its size is the title picture's
  TPoint anchors[10] = {};
  TPoint collectBase{};
};

// taskCount new tasks for the settings over the usable sounds (and their
// word counts, as LianyUsablePhonemes gave them): the tasks are shared out
// over the sounds in proportion to their words and shuffled; each task draws
// its correct words and a further title word of its sound, its wrong words
// from LianyWrongWordPool, and hangs its leaves on anchors in a fresh random
// order with the word pictures composed in. No tasks without usable sounds.
LianyTasks GenerateLianyTasks(CSlowa& dictionary, const CUstGry& settings, const std::vector<int>& usablePhonemes,
                              const std::vector<int>& usableWordCounts, int taskCount, const SLianyArt& art);
