// Text, path and file helpers, and the proportional share-out of a count.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

// Polish upper and lower case of code page 1250 text, through the nine
// Polish letter pairs and ASCII a-z; every other byte is kept.
std::string PolishUpperCase(const std::string& text);
std::string PolishLowerCase(const std::string& text);

// The path followed by "\" unless it already ends in one ("" gives "\").
std::string AddTrailingBackslash(const std::string& path);

// Appends to list the names (without folder) of the plain and hidden files
// in directory matching mask. The list is not cleared; nothing is reported.
void ListFiles(const std::string& directory, const std::string& mask, TStrings* list);

// Shares `requested` items out over groups in proportion to `available`,
// in whole numbers adding up to `requested`; each group with something gets
// at least one where the request allows; the remainder is settled with Rand15.
// A negative total stands for the sum of `available`. False when requested
// is negative or there are no groups (out untouched), or when the total is 0
// while requested is not.
bool DistributeCount(const std::vector<std::int32_t>& available, std::int32_t total, std::vector<std::int32_t>& out,
                     std::int32_t requested);

// ---- input after blocking animations ----

// Flags of FlushMouseMessages.
constexpr unsigned fmmKeepFirstMove = 1;
constexpr unsigned fmmKeepLastMove = 2;
constexpr unsigned fmmReleaseCapture = 16;

// Removes every queued mouse message of the window and posts again only what
// the flags keep: the first move (1), the button-up message buttonUp (0: none)
// with the move just before it, and the last move (2), in that order; 16
// releases the mouse capture when the window holds it.
void FlushMouseMessages(HWND hwnd, unsigned flags, UINT buttonUp);
// FlushMouseMessages for the control's window, keeping the release of button
// (mbLeft, mbRight, mbMiddle; any other value, such as -1, keeps none).
void FlushControlMouseMessages(TWinControl* control, unsigned flags, int button);
// Sets the control's cursor and shows it at once, without waiting for a mouse move.
void SetControlCursor(TControl* control, TCursor cursor);

// ---- moving pictures over a background ----

// Copies from background to target the part of old that a rectangle of old's
// size at (newLeft, newTop) does not cover (all of old when they do not overlap).
void RestoreUncoveredBackground(TCanvas* target, TCanvas* background, int newLeft, int newTop, TRect old);
// Copies the parts of source outside excluded from canvas to target, the
// source's top-left landing on (destX, destY): top band, bottom band, left
// piece, right piece.
void CopyRectExcept(TCanvas* target, int destX, int destY, TRect excluded, const TRect& source, TCanvas* canvas);
