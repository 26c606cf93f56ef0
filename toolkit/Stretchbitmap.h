// Resampling a colour picture into the size another bitmap already has.
//
// StretchBitmap filters bilinearly (enlarging, and reducing down to half
// size); ShrinkBitmap averages areas (stronger reductions). Each hands over
// to the other where its own method does not fit, so callers use
// StretchBitmap. Integer arithmetic only: the same pixels on every machine.
#pragma once
#include "platform/Graphics.h"

// Fills dst, at its own size, with src resampled. Both bitmaps become 24-bit
// (dst also DIB) when resampling takes place. Nothing happens for a null
// bitmap, for sides too small, or for a destination that is smaller than the
// source in one direction only while being under half of it.
void StretchBitmap(TBitmap* dst, TBitmap* src);
// The area-average reduction for a destination smaller than the source in
// both directions; a destination at least as large in both goes to StretchBitmap.
void ShrinkBitmap(TBitmap* dst, TBitmap* src);
