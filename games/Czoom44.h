// The magnifier: on a right click a lens shows a word's picture at 400 x 400
// centred on the mouse point while the word is spoken, then disappears.
// The lens frame is loaded once and shared by every magnifier.
#pragma once
#include "dictionary/_cslowa.h"
#include "platform/Graphics.h"
#include "toolkit/Ctransbitmap.h"

class CZoom44 {
 public:
  // target: the window's own canvas (the screen); bounds: the rectangle the
  // lens stays inside; background: a canvas holding the window's picture
  // without the lens (the back buffer). The first magnifier loads the lens.
  CZoom44(TCanvas* target, const TRect& bounds, TCanvas* background);
  // The last magnifier frees the lens, so a later first one loads it again.
  ~CZoom44();
  CZoom44(const CZoom44&) = delete;
  CZoom44& operator=(const CZoom44&) = delete;

  // Draws the lens with the record's word centred on (x, y), kept inside the
  // bounds by moving it. Nothing at all without both canvases or with empty
  // bounds. Without a lens frame the word's picture is shown alone.
  void Show(CSlowa::SPaczka* record, int x, int y);
  // The shown word's recording, waited for, then 400 ms; nothing before a
  // first Show.
  void Speak();
  // Puts the window's picture back where the lens stood.
  void Hide();

  const TRect& LensRect() const { return lensRect; }
  CSlowa::SPaczka* Record() const { return record; }

  // The shared lens frame and the number of living magnifiers.
  static CTransBitmap lens;
  static int instanceCount;

  // The word picture's size and its place within the lens frame.
  static constexpr int kPictureSize = 400;
  static constexpr int kPictureLeft = 23;
  static constexpr int kPictureTop = 20;

 private:
  void Compose();

  CSlowa::SPaczka* record = nullptr;
  TCanvas* target;
  TRect bounds;
  TCanvas* background;
  TRect lensRect{};
};
