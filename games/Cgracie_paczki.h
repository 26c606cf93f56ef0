// The parcels of one truck game and the schedule that drops them.
//
// A game chooses up to four of the selected sounds; its correct parcels
// carry words holding one of them, its wrong parcels words holding none.
// All parcels wait in two queues. Whenever the newest parcel in play has
// shown its bottom edge the next one drops: correct and wrong ones come in
// short random runs, each starting a random gap above the newest parcel's
// bottom, in a column clear of the swings of the parcels near the top.
#pragma once
#include <deque>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"
#include "games/Cgracie_gopaczka.h"

class CTransFont;

class CgraCie_Paczki {
 public:
  using Parcel = CgraCie_GOPaczka;
  using List = std::list<Parcel*>;

  // Correct parcels by level: 1 → 8, 2 → 16, 3 → 24, any other level 1
  // (wrong parcels: two more).
  static int CorrectParcelCount(int level);
  // The fall speed and the gaps between drops for a box boxHeight high under
  // a parachute chuteHeight high; a level outside 1..3 takes level 1's.
  void SetLevel(int level, int boxHeight, int chuteHeight);
  // Drops stay inside [left, right] and keep margin above older parcels.
  void SetDropArea(int left, int right, int margin);

  // Up to four of the phonemes that have words at the positions, at random.
  // When those have fewer words than correctCount and more sounds were
  // usable, the chosen sound with the fewest words is traded once for the
  // unchosen one with the most, when that has more. 0 when none is usable.
  static PhonemeMask ChooseSounds(const CSlowa& dictionary, PhonemeMask phonemes, PhonemeMask positions,
                                  int correctCount);
  // correctCount words holding a chosen sound at the positions, then
  // correctCount + 2 words holding no chosen sound anywhere.
  static void DrawWords(CSlowa& dictionary, PhonemeMask chosen, PhonemeMask positions, int correctCount,
                        std::vector<CSlowa::CPaczkaEx*>& out);
  // The chosen sounds' names, joined by ", " or, when that is wider than
  // maxWidth in the font, by ","; width gets the text's width.
  static std::string Caption(PhonemeMask chosen, const CTransFont& font, int maxWidth, int& width);

  // Deletes every parcel and empties the queues; the drop order stays.
  void Clear();
  // Takes the parcel over (correct or wrong as it says).
  void Add(std::unique_ptr<Parcel> parcel);
  // Shuffles the parcels into their queues; the next refill of an empty
  // drop order begins with an opening run.
  void Queue();

  // Appends runs to the drop order: an opening run of 0 or 1 wrong drops
  // when one is due, then 1-3 correct drops, then 1-3 wrong ones.
  void RefillDropOrder();
  // Puts the next parcel into play at the front of activeParcels; nothing
  // when nothing waits or the drop order says so.
  void DropNextParcel();

  // The parcel drawn on top at the point, the end of activeParcels when none.
  List::iterator ParcelAt(int x, int y);
  // The newest correct parcel, neither hinted, thrown nor blinking, whose
  // bottom edge is in view; the end when none.
  List::iterator FindHintParcel();
  // When the oldest parcel in play has fallen past a playfield this high
  // (its parachute's top more than 4 pixels below): a correct one goes back
  // to the end of its queue without its hint; a wrong one too, unblinking,
  // unless the wrong queue already holds more than the correct one + 2, when
  // it leaves play.
  void TakeMissedParcel(int fieldHeight);

  // Every parcel of the game, owned.
  std::vector<std::unique_ptr<Parcel>> correctParcels, wrongParcels;
  List activeParcels;  // in play, the newest first
  List correctQueue, wrongQueue;
  std::deque<bool> dropOrder;  // true: a correct drop
  int correctRunSpan = 2, wrongRunSpan = 2;
  bool openingRunPending = false;
  int fallSpeed = 1;
  int dropGapMin = 0, dropGapMax = 0;  // between the bottoms of successive drops
  int dropMargin = 0, dropLeft = 0, dropRight = 0;

 private:
  // Where the next parcel's swing may begin for a parcel of `need` width
  // whose bottom is to be at bottom (which it may lift).
  int FindLeft(int need, int& bottom);
};
