// Letter tiles and word pictures.
#pragma once
#include <string>

#include "platform/Graphics.h"

// ---- word pictures ----

// The picture file of a word: "Data\exio44j\" + key + ".+jp" (not checked).
std::string WordPicturePath(const std::string& key);

// The word's picture as a new 24-bit bitmap of w x h, owned by the caller.
//  keepAspect 0:        the whole picture stretched to w x h;
//  keepAspect 1, fit 0: cut to the proportions of w x h around its centre, then resampled;
//  keepAspect 1, fit 1: resampled whole to the largest size that fits, centred on white.
// A missing file gives white with a red cross from corner to corner; a file
// that cannot be read gives plain white. Never null, never raises for a bad file.
TBitmap* LoadWordPicture(const std::string& key, int w, int h, bool keepAspect, bool fit);

// A new white 24-bit bitmap of w x h.
TBitmap* CreateBitmap24(int w, int h);
// Decodes a plain JPEG file into a new 24-bit bitmap; failures pass on.
TBitmap* LoadJpegBitmap(const std::string& fileName);
