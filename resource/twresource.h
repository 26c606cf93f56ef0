// The bitmap resource library's one entry.
#pragma once

class TBitmap;

// Fills the caller's bitmap with the picture of that name and returns true;
// the bitmap is then 24-bit and of the picture's size. Returns false when
// there is no such picture or it cannot be read; the bitmap is touched only
// once the picture has been read whole. Never throws.
//
// The pictures are the files "Resource/<name>.bmp" (the name in its exact
// case) in the folder that holds the library.
//
// The symbol is plain "OtworzBMP"; the declaration stands in a namespace so
// that it is no overload of the toolkit's OtworzBMP(std::string, TBitmap*),
// which callers reach through toolkit/Resource.h.
namespace twresource {
extern "C" bool OtworzBMP(const char* name, TBitmap* bitmap);
}
