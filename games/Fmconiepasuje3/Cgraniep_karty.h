// The odd-one-out game: rounds of five picture cards, four of them words
// with the round's sound at the round's position, the odd one a word with
// its voiced or voiceless partner there. Builds the rounds from the
// dictionary, judges clicks, draws the cards with their highlights and
// result tints, and reads the cards aloud.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"
#include "platform/Graphics.h"

class CgraNiep_Karty {
 public:
  // One round.
  struct SPasNiep {
    SPasNiep() = default;
    ~SPasNiep();
    SPasNiep(const SPasNiep&) = delete;
    SPasNiep& operator=(const SPasNiep&) = delete;

    PhonemeMask fittingCode = 0;  // sound code of the four fitting cards
    PhonemeMask oddCode = 0;      // its partner: the odd card's code
    std::uint8_t solved = 0;      // 1 once the odd card was clicked
    CSlowa::CPaczkaEx* words[5] = {};  // not owned, in card order
    std::int32_t oddIndex = 0;    // card position of the odd word
    std::vector<TBitmap*> pictures;  // owned, in card order
  };

  // One card place, in window pixels.
  struct SMiejsceObrazu {
    std::int32_t x = 0, y = 0;         // top-left of the card picture
    TBitmap* pictureMask = nullptr;    // the card's shape (first byte of a pixel); its size is the card's
    std::int32_t highlightX = 0, highlightY = 0;
    TBitmap* highlightMask = nullptr;  // the frame every tint of the card is drawn through
    // The point lies in the card's picture rectangle.
    bool Contains(int px, int py) const;
  };

  // windowCanvas: the screen, where highlights are drawn; backBuffer: the
  // window's clean picture. Neither is owned.
  CgraNiep_Karty(TCanvas* windowCanvas, TBitmap* backBuffer);
  ~CgraNiep_Karty();
  CgraNiep_Karty(const CgraNiep_Karty&) = delete;
  CgraNiep_Karty& operator=(const CgraNiep_Karty&) = delete;

  // Loads both masks (JPEG files) and appends a place; the loader's
  // exception passes on.
  void AddPlace(int x, int y, const std::string& pictureMaskPath, int highlightX, int highlightY,
                const std::string& highlightMaskPath);
  // The usable sound codes of the odd-one-out settings: a code needs cards-1
  // words of its own and one of its partner. True when any is usable.
  bool FilterPhonemes(int cards);
  // A whole new game, its first round current: cards per round 1-5, no
  // rounds at all for a count of 0 or less.
  void Setup(int cards, int roundCount);

  int CardAt(int x, int y) const;
  TRect CardRect(int i) const;
  // 0 no card there, 1 the odd card (the round is now solved), 2 another
  // card, 3 the round was solved already.
  int JudgeClick(int x, int y);
  int UnsolvedCount() const;
  void PrevRound();
  void NextRound();
  void FirstRound() { currentRound = 0; }

  void DrawCards(TBitmap* dest);
  void UpdateHover(int x, int y);
  // Drawn straight on the screen through the work bitmap.
  void HighlightCard(int i, int alpha);
  void RestoreCard(int i);
  void TintCard(TBitmap* dest, int i, TColor colour, int alpha);
  // The odd card's red tint.
  void TintOddCard(TBitmap* dest, int i, int alpha);
  // The card under the mouse is not highlighted any more (the screen was
  // redrawn from the back buffer).
  void ForgetHover() { hoveredCard = -1; }

  void SayOddWord();
  void ReadAloud();
  void SayCard(int i);
  void CancelReading() { reading = 0; }
  bool Reading() const { return reading != 0; }

  // Frees the rounds and ends a reading aloud.
  void ClearRounds();

  // The partner of a sound code: the other voicing at the same position.
  static PhonemeMask PartnerCode(PhonemeMask code);
  // Reorders list[0..n) by probing: each slot takes a random entry, or the
  // first free one after it.
  static void ShufflePhonemes(std::int32_t* list, int n);

  // ---- state, read by the window and by tests ----
  bool HasRounds() const { return rounds != nullptr; }
  // The current round; null while there are no rounds.
  SPasNiep* Current() const {
    return rounds && currentRound >= 0 && currentRound < roundCount ? &rounds[currentRound] : nullptr;
  }
  SPasNiep& Round(int r) const { return rounds[r]; }
  int CurrentRound() const { return currentRound; }
  int RoundCount() const { return roundCount; }
  int CardCount() const { return cardCount; }
  int PlaceCount() const { return int(places.size()); }
  const SMiejsceObrazu& Place(int i) const { return places[std::size_t(i)]; }
  int CodeCount() const { return codeCount; }
  std::int32_t Code(int i) const { return codes[i]; }
  int HoveredCard() const { return hoveredCard; }

 private:
  void AssignRoundPhonemes();
  void BuildRounds();
  void EnsureWorkSize(int w, int h);

  SPasNiep* rounds = nullptr;
  std::int32_t currentRound = 0;
  std::int32_t roundCount = 0;
  std::int32_t cardCount = 0;  // until the first Setup
  std::vector<SMiejsceObrazu> places;
  TCanvas* canvas;
  TBitmap* backBuffer;
  TBitmap* workBitmap;
  std::int32_t codes[78] = {};
  std::int32_t codeCount = 0;
  std::int32_t hoveredCard = -1;
  std::uint8_t reading = 0;
};
