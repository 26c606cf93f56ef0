#include "toolkit/Cbitmapy.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <new>

#include "platform/SysUtils.h"
#include "dictionary/Literki.h"
#include "toolkit/Cdataencryption.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Resource.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Stretchbitmap.h"

// ---- word pictures ----

namespace {

TBitmap* RedCross(int w, int h) {
  TBitmap* r = NewBitmap24(w, h);
  TCanvas* c = r->Canvas();
  c->Pen.Color = clRed;
  c->Pen.Width = 1;
  c->Pen.Style = psSolid;
  c->MoveTo(0, 0);
  c->LineTo(w, h);
  c->MoveTo(0, h - 1);
  c->LineTo(w, -1);
  return r;
}

// a * b / c, truncating; false when the result does not fit an int.
bool MulDiv(std::int64_t a, std::int64_t b, std::int64_t c, int& out) {
  const std::int64_t v = a * b / c;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  out = int(v);
  return true;
}

// The picture in pic brought to w x h as the flags say; null when the sizes
// admit no result (the caller then gives the blank picture).
TBitmap* Fit(TBitmap* pic, int w, int h, bool keepAspect, bool fit) {
  const int W = pic->Width(), H = pic->Height();
  if (W < 1 || H < 1 || w < 1 || h < 1) return nullptr;
  std::unique_ptr<TBitmap> r(CreateBitmap24(w, h));
  if (!keepAspect) {
    StretchBitmap(r.get(), pic);
    return r.release();
  }
  int t;
  if (!MulDiv(H, w, W, t)) return nullptr;
  if (!fit) {
    int cropW = W, cropH = H;
    if (t > h) {
      if (!MulDiv(W, h, w, cropH)) return nullptr;
    } else {
      if (!MulDiv(H, w, h, cropW)) return nullptr;
    }
    std::unique_ptr<TBitmap> c(CreateBitmap24(cropW, cropH));
    // Parts of the rectangle outside the picture stay white in the crop.
    c->Canvas()->CopyRect(Rect(0, 0, cropW, cropH), pic->Canvas(),
                          Bounds((W - cropW) / 2, (H - cropH) / 2, cropW, cropH));
    StretchBitmap(r.get(), c.get());
  } else {
    int fitW = w, fitH = t;
    if (t > h) {
      fitH = h;
      if (!MulDiv(W, h, H, fitW)) return nullptr;
    }
    std::unique_ptr<TBitmap> f(CreateBitmap24(fitW, fitH));
    StretchBitmap(f.get(), pic);
    r->Canvas()->Draw((w - fitW) / 2, (h - fitH) / 2, f.get());
  }
  return r.release();
}

}  // namespace

std::string WordPicturePath(const std::string& key) { return "Data\\exio44j\\" + key + ".+jp"; }

TBitmap* LoadWordPicture(const std::string& key, int w, int h, bool keepAspect, bool fit) {
  const std::string path = WordPicturePath(key);
  if (!FileExists(path)) return RedCross(w, h);
  // A picture that cannot be read leaves a blank card, and a line saying why.
  try {
    std::unique_ptr<TBitmap> pic(new TBitmap);
    // Decoded no larger than it need be for the size asked for.
    CDataEncryption::LoadBitmap(pic.get(), path, 1, w, h);
    if (pic->Width() == w && pic->Height() == h) return pic.release();
    if (pic->Empty()) ReportFailure(path + ": the file is empty");
    else if (TBitmap* r = Fit(pic.get(), w, h, keepAspect, fit)) return r;
  } catch (const Exception& e) {
    ReportFailure(Diagnosis(e));
  } catch (const std::bad_alloc&) {
    ReportFailure(path + ": out of memory");
  }
  return NewBitmap24(w, h);
}

TBitmap* CreateBitmap24(int w, int h) { return NewBitmap24(w, h); }

TBitmap* LoadJpegBitmap(const std::string& fileName) { return NewBitmapFromJpeg(fileName); }

// ---- letter tiles ----

CBitmapy LetterTiles;

CBitmapy::~CBitmapy() {
  for (SGloska& t : tiles_) delete t.bitmap;
}

bool CBitmapy::LoadLetterTiles() {
  bool ok = true;
  const char* suffix = Display.ArtSet == 2 ? "_s" : Display.ArtSet == 4 ? "_b" : "_eb";
  for (std::size_t i = LetterTileCount; i < tiles_.size(); ++i) delete tiles_[i].bitmap;
  tiles_.resize(LetterTileCount);
  for (int i = 0; i < LetterTileCount; ++i) {
    SGloska& t = tiles_[std::size_t(i)];
    t.name = LetterTileNames[i];
    delete t.bitmap;
    t.bitmap = new TBitmap;
    if (!OtworzBMP(t.name + suffix, t.bitmap)) ok = false;
  }
  return ok;
}

CBitmapy::SGloska* CBitmapy::FindTile(const std::string& name) {
  if (tiles_.empty()) tiles_.resize(1);
  if (!name.empty())
    for (SGloska& t : tiles_)
      if (t.name == name) return &t;
  return &tiles_[0];
}
