// Bitmap fonts: up to 256 signs, each an optional coverage mask with spacing
// before and after it, and a map from the bytes of code page 1250 text to signs.
//
// A font is read from one "TFN1" record, normally found by name in a "TFS1"
// font-set file. It draws text in a solid colour with an opacity, measures
// text and wraps it word by word into a rectangle.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "toolkit/Ctbytebitmap.h"

// A growable array of plain values: its block is always zero-filled and it
// grows by 5 elements at a time.
template <class T>
class MyArray {
 public:
  MyArray() = default;
  ~MyArray() { delete[] items; }
  MyArray(const MyArray&) = delete;
  MyArray& operator=(const MyArray&) = delete;

  void SetCapacity(int n) {
    if (n == capacity) return;
    if (n <= 0) {
      delete[] items;
      items = nullptr;
      count = capacity = 0;
      return;
    }
    T* block = new T[std::size_t(n)]();
    if (count > n) count = n;
    for (int i = 0; i < count; ++i) block[i] = items[i];
    delete[] items;
    items = block;
    capacity = n;
  }

  // Appends a zeroed element and returns it.
  T* Add() {
    if (capacity <= count) SetCapacity(capacity + 5);
    T* e = &items[count++];
    *e = T();
    return e;
  }

  // Zeroes the used elements; the capacity stays.
  void Clear() {
    for (int i = 0; i < count; ++i) items[i] = T();
    count = 0;
  }

  int Count() const { return count; }
  int Capacity() const { return capacity; }
  T& operator[](int i) { return items[i]; }
  const T& operator[](int i) const { return items[i]; }

 private:
  T* items = nullptr;
  std::int32_t count = 0;
  std::int32_t capacity = 0;
};

class CTransFont {
 public:
  struct CSign {
    CTByteBitmap* glyph = nullptr;  // owned by the font; null: nothing drawn, no width
    std::int16_t before = 0;
    std::int16_t after = 0;
  };

  static constexpr int MaxLineHeight = 30000;
  static constexpr int MaxSpacing = 30000;  // letter spacing, line gap, before and after: -30000 to 30000
  static constexpr int MaxSigns = 256;
  static constexpr int MaxFontsInSet = 1000;
  static constexpr int MaxNameBlock = 100000;
  // The largest glyph: a quarter of the largest game area (1280 x 1024) each
  // way. The biggest letters the program draws are about a twelfth of the
  // screen's height; 256 such glyphs take at most 21 MB.
  static constexpr int MaxGlyphWidth = 1280 / 4;
  static constexpr int MaxGlyphHeight = 1024 / 4;

  CTransFont();
  ~CTransFont();
  CTransFont(const CTransFont&) = delete;
  CTransFont& operator=(const CTransFont&) = delete;

  // Back to the empty font: one sign without a glyph (before 0, after 1),
  // every byte mapped to it, all metrics 0. The name and the last pen stay.
  void Reset();

  // Reads one "TFN1" record from the stream's position. Its glyphs are at
  // most MaxGlyphWidth x MaxGlyphHeight, and made only when the stream holds
  // their data (see CTByteBitmap::LoadFromStream). False for any fault;
  // the map then still names only signs that exist. An exception while the
  // signs are read resets the font and passes on.
  bool LoadFromStream(TStream* stream);
  // Opens a "TFS1" font-set file, finds the font by its exact name (the
  // first of equal names) and reads it. A file that cannot be opened or read
  // gives false.
  bool LoadFromSet(const std::string& fileName, const std::string& fontName);

  // Draws the text from the rectangle's top-left corner, clipped to it; '\n'
  // starts a new line, '\r' returns to the left edge.
  void DrawText(TBitmap* target, const TRect* rect, const std::string& text, TColor colour, int opacity);
  // The same from (left, top), clipped to clip.
  void DrawTextAt(TBitmap* target, int left, int top, const TRect& clip, const std::string& text, TColor colour,
                  int opacity);
  // Draws at most count characters (up to a NUL) on one line; every byte,
  // '\n' and '\r' too, is drawn as the sign the map gives it.
  void DrawChars(TBitmap* target, const TRect* rect, const char* text, int count, TColor colour, int opacity);
  // Width of the widest line (without the last character's after-spacing and
  // letter spacing) and height (line breaks plus one line height).
  void MeasureText(const std::string& text, int* width, int* height) const;
  // Word-wrapped text; alignment 0 left, 1 centred, 2 right, other values draw nothing.
  void DrawTextInRect(TBitmap* target, const std::string& text, const TRect& rect, TColor colour, std::uint8_t alignment,
                      int opacity);
  // How much of the NUL-terminated text fits a line of maxWidth: writes the
  // line's character count and width and returns where the next line begins.
  // An empty text is returned as it is and nothing is written.
  const char* BreakLine(const char* text, int* count, int* lineWidth, int maxWidth) const;

  const std::string& Name() const { return name; }
  int LineHeight() const { return lineHeight; }
  int LetterSpacing() const { return letterSpacing; }
  int LineGap() const { return lineGap; }
  int LastPenX() const { return lastPenX; }
  int LastPenY() const { return lastPenY; }
  std::uint8_t Map(unsigned char c) const { return map[c]; }
  const MyArray<CSign>& Signs() const { return signs; }

 private:
  // Pen advance of one character: before + glyph width + after + letter spacing.
  std::int64_t Advance(unsigned char c) const;
  // Makes every map entry name an existing sign; true when one had to be changed.
  bool FixMap();
  void DeleteGlyphs();
  bool ReadRecord(TStream* stream);

  std::string name;
  MyArray<CSign> signs;
  std::uint8_t map[256];
  std::int32_t lineHeight = 0;
  std::int32_t letterSpacing = 0;
  std::int32_t lineGap = 0;
  std::int32_t lastPenX = 0;
  std::int32_t lastPenY = 0;
};

// The game fonts of the flowers, vines and truck games, loaded by start-up
// for the current art set; the shell's dialogs draw their text with them too.
extern CTransFont GameFontKwiatki;
extern CTransFont GameFontLiany;
extern CTransFont GameFontCiezarowka;
