// Transparent bitmaps: error texts, alpha from two renders, the object's
// life cycle, the picture-pair loaders on real files, and composing and
// drawing through the object's cache.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/Jpeg.h"
#include "pixel_helpers.h"
#include "tests/support/TempDir.h"
#include "toolkit/Ctransbitmap.h"

namespace {

using namespace pixtest;

const std::string kBlad = "B\263\271" "d";  // "Błąd" in code page 1250

// ---- error texts ----

TEST(TransBitmapErrors, TextsOfEveryCode) {
  const char* names[18] = {"berrUnknown", "berrFileOpen", "berrFileCreate", "berrBroken", "berrUnknownType",
                           "berrLoad",    "berrSave",     "berrSize",       "berrRead",   "berrWrite",
                           "berrClose",   "berrWidth",    "berrHeight",     "berrFormat", "berrEmpty",
                           "berrBadIndex", "berrPixelFormat", "berrDifferentType"};
  for (int code = 1; code <= 18; ++code) {
    const std::string expected = "CTransBitmap, " + kBlad + (code <= 5 ? ": " : " ") + names[code - 1];
    EXPECT_EQ(TransBitmapErrorText(std::uint8_t(code)), expected) << code;
  }
  EXPECT_EQ(TransBitmapErrorText(5), "CTransBitmap, B\263\271" "d: berrUnknownType");
  EXPECT_EQ(TransBitmapErrorText(6), "CTransBitmap, B\263\271" "d berrLoad");
  for (int code : {0, 19, 127, 128, 200, 255})
    EXPECT_EQ(TransBitmapErrorText(std::uint8_t(code)), "CTransBitmap, " + kBlad + ": NIEZNANY!") << code;
}

TEST(TransBitmapErrors, MessagesAndExceptions) {
  EXPECT_EQ(TransBitmapErrorMessage(berrSize, ""), TransBitmapErrorText(berrSize));
  EXPECT_EQ(TransBitmapErrorMessage(berrLoad, "Data\\Intf\\Spec\\R2_xB.xbi"),
            "CTransBitmap, " + kBlad + " berrLoad, Plik: Data\\Intf\\Spec\\R2_xB.xbi");
  EXPECT_EQ(TransBitmapErrorMessage(0, "a"), "CTransBitmap, " + kBlad + ": NIEZNANY!, Plik: a");

  const ETransBitmap plain(berrFormat);
  EXPECT_EQ(plain.Code, berrFormat);
  EXPECT_EQ(plain.Message, TransBitmapErrorText(berrFormat));
  const ETransBitmap named(berrLoad, "x.xji");
  const ETransBitmap copy(named);
  EXPECT_EQ(copy.Code, berrLoad);
  EXPECT_EQ(copy.Message, TransBitmapErrorMessage(berrLoad, "x.xji"));
  try {
    throw ETransBitmap(berrPixelFormat, "");
  } catch (const Exception& e) {  // caught as any error of the program
    EXPECT_EQ(e.Message, TransBitmapErrorText(berrPixelFormat));
    EXPECT_STREQ(e.what(), e.Message.c_str());
  }
}

// ---- alpha from two renders ----

struct PairCase {
  std::uint8_t k[3], w[3];  // black and white render, bytes blue, green, red
  int mask;
  std::uint8_t colour[3];
};

const PairCase kPairCases[] = {
    {{12, 34, 56}, {12, 34, 56}, 255, {12, 34, 56}},       // identical: opaque
    {{0, 0, 0}, {255, 255, 255}, 0, {0, 0, 0}},            // fully transparent
    {{100, 50, 30}, {200, 150, 130}, 155, {164, 82, 49}},  // half-way
    {{200, 100, 50}, {10, 0, 0}, 255, {114, 57, 28}},      // a = 445
    {{200, 250, 0}, {255, 255, 255}, 200, {255, 255, 0}},  // green clamped from 318
    {{1, 2, 3}, {90, 91, 3}, 255, {1, 2, 3}},              // only red agrees: opaque
    {{5, 6, 7}, {5, 6, 99}, 255, {5, 6, 7}},               // only red differs: opaque
    {{9, 200, 40}, {9, 10, 41}, 255, {9, 200, 40}},        // a = 255 from blue alone
};
constexpr int kPairCount = int(sizeof(kPairCases) / sizeof(kPairCases[0]));

void PaintRenders(TBitmap* black, TBitmap* white) {
  for (int i = 0; i < kPairCount; ++i) {
    const PairCase& c = kPairCases[i];
    SetPx(black, i, 0, c.k[0], c.k[1], c.k[2]);
    SetPx(white, i, 0, c.w[0], c.w[1], c.w[2]);
  }
}

void ExpectPairCases(TBitmap* colour, TBitmap* mask) {
  for (int i = 0; i < kPairCount; ++i) {
    const PairCase& c = kPairCases[i];
    EXPECT_EQ(Px(mask, i, 0)[0], c.mask) << "pixel " << i;
    EXPECT_EQ(Bgr(colour, i, 0), (std::vector<int>{c.colour[0], c.colour[1], c.colour[2]})) << "pixel " << i;
  }
}

TEST(AlphaFromBlackWhite, PixelCases) {
  Bmp black = Make(pf24bit, kPairCount, 1), white = Make(pf24bit, kPairCount, 1);
  PaintRenders(black.get(), white.get());
  Bmp colour = Make(pf32bit, 3, 3), mask(new TBitmap);  // remade whatever they were
  ASSERT_TRUE(AlphaFromBlackWhite(black.get(), white.get(), colour.get(), mask.get()));
  EXPECT_EQ(colour->PixelFormat(), pf24bit);
  EXPECT_EQ(colour->HandleType(), bmDIB);
  EXPECT_EQ(mask->PixelFormat(), pf8bit);
  EXPECT_EQ(mask->HandleType(), bmDIB);
  ASSERT_NE(mask->Palette(), nullptr);
  EXPECT_EQ(mask->Palette()->entries[155].peRed, 155);
  EXPECT_EQ(colour->Width(), kPairCount);
  EXPECT_EQ(mask->Height(), 1);
  ExpectPairCases(colour.get(), mask.get());
}

TEST(AlphaFromBlackWhite, EmptyAndMismatchedRenders) {
  Bmp k0 = Make(pf24bit, 0, 0), w0 = Make(pf24bit, 0, 0), colour = Make(pf24bit, 4, 4), mask = Make(pf8bit, 4, 4);
  EXPECT_TRUE(AlphaFromBlackWhite(k0.get(), w0.get(), colour.get(), mask.get()));
  EXPECT_EQ(colour->Width(), 0);
  EXPECT_EQ(mask->Height(), 0);

  Bmp c2 = Make(pf24bit, 2, 2), m2 = Make(pf8bit, 2, 2);
  const auto colourBefore = Bytes(c2.get());
  Bmp k = Make(pf24bit, 3, 2), w = Make(pf24bit, 3, 3), w32 = Make(pf32bit, 3, 2);
  EXPECT_FALSE(AlphaFromBlackWhite(k.get(), w.get(), c2.get(), m2.get()));
  EXPECT_FALSE(AlphaFromBlackWhite(k.get(), w32.get(), c2.get(), m2.get()));
  EXPECT_FALSE(AlphaFromBlackWhite(w32.get(), k.get(), c2.get(), m2.get()));
  EXPECT_EQ(c2->Width(), 2);
  EXPECT_EQ(Bytes(c2.get()), colourBefore);
  EXPECT_EQ(m2->Width(), 2);
}

// ---- the object ----

TEST(CTransBitmap, StartsEmptyAndCreates) {
  CTransBitmap t;
  EXPECT_EQ(t.Cache, nullptr);
  EXPECT_EQ(t.Colour, nullptr);
  EXPECT_EQ(t.Mask, nullptr);
  t.Cache = NewBitmap24(1, 1);
  TBitmap* cache = t.Cache;
  t.Create(10, 10, 255);
  EXPECT_EQ(t.Cache, cache);  // untouched
  ASSERT_NE(t.Colour, nullptr);
  ASSERT_NE(t.Mask, nullptr);
  EXPECT_EQ(t.Colour->PixelFormat(), pf24bit);
  EXPECT_EQ(t.Mask->PixelFormat(), pf8bit);
  EXPECT_EQ(t.Mask->Width(), 10);
  EXPECT_EQ(t.Mask->Height(), 10);
  EXPECT_EQ(Bgr(t.Colour, 9, 9), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(Px(t.Mask, 0, 9)[0], 255);
  t.Create(3, 2, 17);
  EXPECT_EQ(Px(t.Mask, 2, 1)[0], 17);
  t.Clear();
  EXPECT_EQ(t.Cache, nullptr);
  EXPECT_EQ(t.Colour, nullptr);
  EXPECT_EQ(t.Mask, nullptr);
}

TEST(CTransBitmap, AssignMakesAnIndependentCopy) {
  CTransBitmap a, b;
  a.Create(4, 3, 99);
  SetPx(a.Colour, 1, 1, 1, 2, 3);
  b.Create(8, 8, 0);
  b.Cache = NewBitmap24(8, 8);
  b.Assign(a);
  EXPECT_EQ(b.Cache, nullptr);
  ASSERT_NE(b.Colour, nullptr);
  EXPECT_NE(b.Colour, a.Colour);
  EXPECT_EQ(b.Colour->Width(), 4);
  EXPECT_EQ(Bgr(b.Colour, 1, 1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(b.Mask->PixelFormat(), pf8bit);
  EXPECT_EQ(Px(b.Mask, 3, 2)[0], 99);
  SetPx(a.Colour, 1, 1, 9, 9, 9);
  Px(a.Mask, 3, 2)[0] = 0;
  EXPECT_EQ(Bgr(b.Colour, 1, 1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Px(b.Mask, 3, 2)[0], 99);

  TBitmap* colour = b.Colour;
  b.Assign(b);  // from itself: nothing happens
  EXPECT_EQ(b.Colour, colour);
  EXPECT_EQ(Bgr(b.Colour, 1, 1), (std::vector<int>{1, 2, 3}));

  CTransBitmap empty;
  b.Assign(empty);
  EXPECT_EQ(b.Colour, nullptr);
  EXPECT_EQ(b.Mask, nullptr);
}

TEST(CTransBitmap, SetMaskMakesItGreyAndSizesItToTheColour) {
  CTransBitmap t;
  t.Colour = NewBitmap24(50, 30);
  TBitmap* mask = NewBitmap24(40, 30);
  FillPx(mask, 0, 255, 0);  // pure green: luminance 150
  t.SetMask(mask);
  ASSERT_NE(t.Mask, nullptr);
  EXPECT_EQ(t.Mask->PixelFormat(), pf8bit);
  EXPECT_EQ(t.Mask->Width(), 50);
  EXPECT_EQ(t.Mask->Height(), 30);
  EXPECT_EQ(Px(t.Mask, 0, 0)[0], 150);
  EXPECT_EQ(Px(t.Mask, 39, 29)[0], 150);
  EXPECT_EQ(Px(t.Mask, 40, 0)[0], 0);  // the added area is transparent
  EXPECT_EQ(Px(t.Mask, 49, 29)[0], 0);

  // An 8-bit mask is taken as it is; a larger one is cut.
  Bmp big = Make(pf8bit, 60, 40);
  Px(big.get(), 49, 29)[0] = 77;
  t.SetMask(big.release());
  EXPECT_EQ(t.Mask->Width(), 50);
  EXPECT_EQ(t.Mask->Height(), 30);
  EXPECT_EQ(Px(t.Mask, 49, 29)[0], 77);

  // Its own mask again: kept, not deleted.
  TBitmap* own = t.Mask;
  t.SetMask(own);
  EXPECT_EQ(t.Mask, own);
  EXPECT_EQ(Px(t.Mask, 49, 29)[0], 77);

  t.SetMask(nullptr);
  EXPECT_EQ(t.Mask, nullptr);
}

TEST(CTransBitmap, ColourForAMaskWithoutColour) {
  CTransBitmap t;
  t.CreateColourForMask();  // no mask: nothing
  EXPECT_EQ(t.Colour, nullptr);
  t.SetMask(NewGrey8Bitmap(7, 5, 200));
  EXPECT_EQ(t.Mask->Width(), 7);  // no colour: the mask keeps its size
  t.CreateColourForMask();
  ASSERT_NE(t.Colour, nullptr);
  EXPECT_EQ(t.Colour->PixelFormat(), pf24bit);
  EXPECT_EQ(t.Colour->Width(), 7);
  EXPECT_EQ(t.Colour->Height(), 5);
  EXPECT_EQ(Bgr(t.Colour, 6, 4), (std::vector<int>{255, 255, 255}));
}

// ---- picture pairs on disk ----

class PairFiles : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.File(name); }

  std::string SaveBmp(const std::string& name, const TBitmap& b) {
    b.SaveToFile(Path(name));
    return Path(name);
  }
  std::string SaveJpeg(const std::string& name, const TBitmap& b) {
    const auto bytes = EncodeJpeg(b, 95, true);
    return SaveRaw(name, std::string(bytes.begin(), bytes.end()));
  }
  std::string SaveRaw(const std::string& name, const std::string& bytes) {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }

  // A 32 x 16 pair: the left half opaque (40, 80, 120), the right half transparent.
  void SaveFlatJpegPair(const std::string& black, const std::string& white, int height = 16) {
    Bmp k = Make(pf24bit, 32, height), w = Make(pf24bit, 32, height);
    FillPx(k.get(), 0, 0, 0);
    FillPx(w.get(), 255, 255, 255);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 16; ++x) {
        SetPx(k.get(), x, y, 40, 80, 120);
        SetPx(w.get(), x, y, 40, 80, 120);
      }
    SaveJpeg(black, *k);
    SaveJpeg(white, *w);
  }

  testsupport::TempDir dir_;
};

// The code and message of the ETransBitmap that f raises.
template <class F>
std::pair<int, std::string> Raised(F f) {
  try {
    f();
  } catch (const ETransBitmap& e) {
    return {e.Code, e.Message};
  }
  return {0, ""};
}

TEST_F(PairFiles, BmpPairLoads) {
  Bmp k = Make(pf24bit, kPairCount, 1), w = Make(pf24bit, kPairCount, 1);
  PaintRenders(k.get(), w.get());
  const std::string kb = SaveBmp("xB.xbi", *k), wb = SaveBmp("xW.xbi", *w);
  CTransBitmap t;
  t.Create(2, 2, 0);
  t.Cache = NewBitmap24(2, 2);
  t.LoadBlackWhiteBmp(kb, wb);
  EXPECT_EQ(t.Cache, nullptr);  // the object was cleared first
  ASSERT_NE(t.Colour, nullptr);
  ASSERT_NE(t.Mask, nullptr);
  EXPECT_EQ(t.Colour->PixelFormat(), pf24bit);
  EXPECT_EQ(t.Mask->PixelFormat(), pf8bit);
  ExpectPairCases(t.Colour, t.Mask);
}

// The names of the files in a folder that were opened while it watched.
class OpenedFiles {
 public:
  explicit OpenedFiles(const std::string& dir) : fd_(inotify_init1(IN_NONBLOCK)) {
    if (fd_ < 0 || inotify_add_watch(fd_, dir.c_str(), IN_OPEN) < 0) ADD_FAILURE() << "no inotify";
  }
  ~OpenedFiles() {
    if (fd_ >= 0) close(fd_);
  }
  OpenedFiles(const OpenedFiles&) = delete;
  OpenedFiles& operator=(const OpenedFiles&) = delete;

  bool Opened(const std::string& name) {
    alignas(inotify_event) char buf[4096];
    for (ssize_t n; (n = read(fd_, buf, sizeof buf)) > 0;)
      for (char* p = buf; p < buf + n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(p);
        if (e->len) names_.emplace_back(e->name);
        p += sizeof(inotify_event) + e->len;
      }
    return std::find(names_.begin(), names_.end(), name) != names_.end();
  }

 private:
  int fd_;
  std::vector<std::string> names_;
};

TEST_F(PairFiles, BmpPairFailures) {
  Bmp k = Make(pf24bit, 100, 50), w = Make(pf24bit, 100, 50), tall = Make(pf24bit, 100, 51);
  const std::string kb = SaveBmp("kB.xbi", *k), wb = SaveBmp("kW.xbi", *w), tb = SaveBmp("tW.xbi", *tall);
  const std::string missingB = Path("noneB.xbi"), missingW = Path("noneW.xbi");
  CTransBitmap t;
  const auto load = [&](const std::string& b, const std::string& wh) { return Raised([&] { t.LoadBlackWhiteBmp(b, wh); }); };

  auto r = load(missingB, missingW);  // the black file is reported
  EXPECT_EQ(r.first, berrLoad);
  EXPECT_EQ(r.second, "CTransBitmap, " + kBlad + " berrLoad, Plik: " + missingB);
  {
    // After a black file that cannot be read, the white one is not even opened.
    OpenedFiles watch(dir_.Path());
    EXPECT_EQ(load(missingB, wb).second, TransBitmapErrorMessage(berrLoad, missingB));
    EXPECT_FALSE(watch.Opened("kW.xbi"));
    load(kb, wb);
    EXPECT_TRUE(watch.Opened("kW.xbi"));  // the watch does see it when it is read
  }
  r = load(kb, missingW);
  EXPECT_EQ(r.first, berrLoad);
  EXPECT_EQ(r.second, TransBitmapErrorMessage(berrLoad, missingW));

  t.Create(3, 3, 255);
  r = load(kb, tb);
  EXPECT_EQ(r.first, berrSize);
  EXPECT_EQ(r.second, "CTransBitmap, " + kBlad + " berrSize");
  EXPECT_EQ(t.Colour, nullptr);  // a failed BMP load leaves the object empty
  EXPECT_EQ(t.Mask, nullptr);

  Bmp grey = Make(pf8bit, 100, 50), wide = Make(pf32bit, 100, 50);
  const std::string gb = SaveBmp("gB.xbi", *grey), xb = SaveBmp("xW.xbi", *wide);
  EXPECT_EQ(load(gb, wb).first, berrPixelFormat);
  EXPECT_EQ(load(kb, xb).first, berrPixelFormat);
  EXPECT_EQ(load(kb, xb).second, TransBitmapErrorText(berrPixelFormat));

  const std::string junk = SaveRaw("junkW.xbi", "BM this is no bitmap at all");
  r = load(kb, junk);
  EXPECT_EQ(r.first, berrLoad);
  EXPECT_EQ(r.second, TransBitmapErrorMessage(berrLoad, junk));
}

TEST_F(PairFiles, JpegPairLoadsAndReusesItsBitmaps) {
  SaveFlatJpegPair("aB.xji", "aW.xji");
  CTransBitmap t;
  t.Create(5, 5, 1);
  TBitmap* colour = t.Colour;
  TBitmap* mask = t.Mask;
  t.Cache = NewBitmap24(5, 5);
  TBitmap* cache = t.Cache;
  t.LoadBlackWhiteJpeg(Path("aB.xji"), Path("aW.xji"));
  EXPECT_EQ(t.Colour, colour);  // the same bitmaps, remade
  EXPECT_EQ(t.Mask, mask);
  EXPECT_EQ(t.Cache, cache);  // not touched
  EXPECT_EQ(t.Cache->Width(), 5);
  EXPECT_EQ(t.Colour->Width(), 32);
  EXPECT_EQ(t.Colour->Height(), 16);
  EXPECT_EQ(t.Colour->PixelFormat(), pf24bit);
  EXPECT_EQ(t.Mask->PixelFormat(), pf8bit);
  EXPECT_EQ(Px(t.Mask, 3, 3)[0], 255);  // inside the opaque half
  EXPECT_EQ(Px(t.Mask, 28, 12)[0], 0);  // inside the transparent half

  CTransBitmap fresh;
  EXPECT_EQ(fresh.TryLoadBlackWhiteJpeg(Path("aB.xji"), Path("aW.xji")), 0);
  ASSERT_NE(fresh.Colour, nullptr);
  EXPECT_EQ(fresh.Mask->Width(), 32);
}

TEST_F(PairFiles, JpegPairFailuresKeepTheOldPictures) {
  SaveFlatJpegPair("aB.xji", "aW.xji");
  SaveFlatJpegPair("tB.xji", "tW.xji", 24);
  Bmp grey = Make(pf8bit, 32, 16);
  SaveJpeg("gB.xji", *grey);
  SaveJpeg("gW.xji", *grey);
  SaveRaw("junk.xji", "not a JPEG");
  Bmp small = Make(pf24bit, 2, 2);
  SaveBmp("bmp.xbi", *small);

  CTransBitmap t;
  t.LoadBlackWhiteJpeg(Path("aB.xji"), Path("aW.xji"));
  TBitmap* colour = t.Colour;
  TBitmap* mask = t.Mask;
  const auto colourBytes = Bytes(colour), maskBytes = Bytes(mask);
  const auto same = [&] {
    return t.Colour == colour && t.Mask == mask && Bytes(t.Colour) == colourBytes && Bytes(t.Mask) == maskBytes;
  };

  auto r = Raised([&] { t.LoadBlackWhiteJpeg(Path("noneB.xji"), Path("aW.xji")); });
  EXPECT_EQ(r.first, berrLoad);
  EXPECT_EQ(r.second, TransBitmapErrorMessage(berrLoad, Path("noneB.xji")));
  EXPECT_TRUE(same());
  r = Raised([&] { t.LoadBlackWhiteJpeg(Path("aB.xji"), Path("noneW.xji")); });
  EXPECT_EQ(r.second, TransBitmapErrorMessage(berrLoad, Path("noneW.xji")));
  EXPECT_TRUE(same());

  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("noneB.xji"), Path("noneW.xji")), berrLoad);
  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("aB.xji"), Path("tW.xji")), berrSize);
  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("gB.xji"), Path("gW.xji")), berrPixelFormat);  // grey JPEGs
  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("aB.xji"), Path("gW.xji")), berrPixelFormat);
  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("junk.xji"), Path("aW.xji")), berrLoad);
  EXPECT_EQ(t.TryLoadBlackWhiteJpeg(Path("aB.xji"), Path("bmp.xbi")), berrLoad);  // a BMP is no JPEG
  EXPECT_TRUE(same());
}

// ---- composing into the cache and drawing ----

TEST(CTransBitmapCompose, BlendsIntoTheCacheOfTheColoursSize) {
  Bmp colour = Make(pf24bit, 4, 3), mask = Make(pf8bit, 4, 3), bg = Make(pf32bit, 10, 10);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      SetPx(colour.get(), x, y, 200, std::uint8_t(10 * x), 0);
      Px(mask.get(), x, y)[0] = std::uint8_t(60 * x + y);
    }
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) SetPx(bg.get(), x, y, std::uint8_t(x), std::uint8_t(y), 100);
  CTransBitmap t;
  t.Compose(colour.get(), mask.get(), bg.get(), 5, 2, 128);
  ASSERT_NE(t.Cache, nullptr);
  EXPECT_EQ(t.Cache->PixelFormat(), pf24bit);
  EXPECT_EQ(t.Cache->Width(), 4);
  EXPECT_EQ(t.Cache->Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const int w = ((Px(mask.get(), x, y)[0] * 129) >> 8) + 1;
      EXPECT_EQ(Bgr(t.Cache, x, y), (std::vector<int>{Blend(5 + x, 200, w), Blend(2 + y, 10 * x, w), Blend(100, 0, w)}))
          << x << "," << y;
    }

  t.Compose(colour.get(), mask.get(), bg.get(), 1, 1, 0);  // opacity 0: the background
  EXPECT_EQ(Bgr(t.Cache, 3, 2), (std::vector<int>{4, 3, 100}));
}

TEST(CTransBitmapCompose, CacheIsReusedAndPixelsBeyondTheBackgroundKeepTheirContent) {
  Bmp colour = Make(pf24bit, 6, 4), mask = Make(pf8bit, 6, 4), big = Make(pf24bit, 6, 4), small = Make(pf24bit, 4, 3);
  FillPx(colour.get(), 0, 0, 0);
  FillMask(mask.get(), 0);
  FillPx(big.get(), 1, 1, 1);
  FillPx(small.get(), 2, 2, 2);
  CTransBitmap t;
  t.Compose(colour.get(), mask.get(), big.get(), 0, 0, 255);  // mask 0: the background
  TBitmap* cache = t.Cache;
  t.Compose(colour.get(), mask.get(), small.get(), 0, 0, 255);
  EXPECT_EQ(t.Cache, cache);
  EXPECT_EQ(Px(t.Cache, 3, 2)[0], 2);
  EXPECT_EQ(Px(t.Cache, 4, 2)[0], 1);  // right of the background
  EXPECT_EQ(Px(t.Cache, 3, 3)[0], 1);  // below it
  t.Compose(colour.get(), mask.get(), big.get(), 0, 0, 255);
  t.Compose(colour.get(), mask.get(), small.get(), -2, 1, 255);  // a negative position skips cache columns
  EXPECT_EQ(Px(t.Cache, 1, 0)[0], 1);
  EXPECT_EQ(Px(t.Cache, 2, 0)[0], 2);
  EXPECT_EQ(Px(t.Cache, 2, 2)[0], 1);

  Bmp other = Make(pf24bit, 3, 3), otherMask = Make(pf8bit, 3, 3);
  FillMask(otherMask.get(), 0);
  t.Compose(other.get(), otherMask.get(), big.get(), 0, 0, 255);  // another size: remade
  EXPECT_EQ(t.Cache->Width(), 3);
  t.Cache->SetPixelFormat(pf32bit);
  t.Compose(other.get(), otherMask.get(), big.get(), 0, 0, 255);
  EXPECT_EQ(t.Cache->PixelFormat(), pf24bit);
}

TEST(CTransBitmapCompose, ComposesNothingFromOperandsItCannotRead) {
  Bmp colour = Make(pf24bit, 8, 4), mask = Make(pf8bit, 8, 4), bg = Make(pf24bit, 8, 4);
  Bmp narrow = Make(pf8bit, 7, 4), shortMask = Make(pf8bit, 8, 3), oneBit = Make(pf1bit, 8, 4);
  Bmp greyColour = Make(pf8bit, 8, 4), greyBg = Make(pf8bit, 8, 4);
  CTransBitmap t;
  t.Compose(colour.get(), narrow.get(), bg.get(), 0, 0, 255);
  t.Compose(colour.get(), shortMask.get(), bg.get(), 0, 0, 255);
  t.Compose(colour.get(), oneBit.get(), bg.get(), 0, 0, 255);
  t.Compose(greyColour.get(), mask.get(), bg.get(), 0, 0, 255);
  t.Compose(colour.get(), mask.get(), greyBg.get(), 0, 0, 255);
  t.Compose(nullptr, mask.get(), bg.get(), 0, 0, 255);
  t.Compose(colour.get(), nullptr, bg.get(), 0, 0, 255);
  t.Compose(colour.get(), mask.get(), nullptr, 0, 0, 255);
  EXPECT_EQ(t.Cache, nullptr);

  // A 32-bit colour is read with its own step, a 24-bit mask by its blue byte.
  Bmp colour32 = Make(pf32bit, 8, 4), mask24 = Make(pf24bit, 8, 4);
  FillPx(mask24.get(), 0, 255, 255);
  FillPx(bg.get(), 50, 60, 70);
  for (int x = 0; x < 8; ++x) {
    SetPx(colour32.get(), x, 1, std::uint8_t(x), std::uint8_t(x + 1), std::uint8_t(x + 2));
    SetPx(mask24.get(), x, 1, 255, 0, 0);
  }
  t.Compose(colour32.get(), mask24.get(), bg.get(), 0, 0, 255);
  ASSERT_NE(t.Cache, nullptr);
  EXPECT_EQ(Bgr(t.Cache, 7, 1), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(Bgr(t.Cache, 7, 0), (std::vector<int>{50, 60, 70}));  // blue byte 0: the background
}

TEST(CTransBitmapDraw, DrawsOverTheCanvasAndKeepsOrFreesTheCache) {
  Bmp screen = Make(pf24bit, 20, 20);
  FillPx(screen.get(), 10, 20, 30);
  CTransBitmap t;
  t.Create(4, 3, 128);
  FillPx(t.Colour, 200, 100, 50);
  t.Draw(screen->Canvas(), 5, 6, 255, false);
  const std::vector<int> mixed = {Blend(10, 200, 129), Blend(20, 100, 129), Blend(30, 50, 129)};
  EXPECT_EQ(Bgr(screen.get(), 5, 6), mixed);
  EXPECT_EQ(Bgr(screen.get(), 8, 8), mixed);
  EXPECT_EQ(Bgr(screen.get(), 9, 8), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(Bgr(screen.get(), 5, 9), (std::vector<int>{10, 20, 30}));
  ASSERT_NE(t.Cache, nullptr);
  TBitmap* cache = t.Cache;

  FillPx(screen.get(), 10, 20, 30);
  t.Draw(screen->Canvas(), 0, 0, 255, false);
  EXPECT_EQ(t.Cache, cache);  // the same cache bitmap again
  t.Draw(screen->Canvas(), 0, 0, 255, true);
  EXPECT_EQ(t.Cache, nullptr);
  EXPECT_EQ(Bgr(screen.get(), 3, 2), (std::vector<int>{Blend(mixed[0], 200, 129), Blend(mixed[1], 100, 129),
                                                        Blend(mixed[2], 50, 129)}));
  t.Draw(screen->Canvas(), 0, 0, 255, false);
  EXPECT_NE(t.Cache, nullptr);

  // Partly off the canvas: picture pixel (2, 1) lands on canvas pixel (0, 0).
  FillPx(screen.get(), 10, 20, 30);
  SetPx(t.Colour, 2, 1, 0, 0, 0);
  Px(t.Mask, 2, 1)[0] = 255;
  t.Draw(screen->Canvas(), -2, -1, 255, false);
  EXPECT_EQ(Bgr(screen.get(), 0, 0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(Bgr(screen.get(), 1, 0), mixed);
}

TEST(CTransBitmapDraw, WithoutAPictureOnlyAnOldCacheIsDrawn) {
  Bmp screen = Make(pf24bit, 8, 8);
  FillPx(screen.get(), 1, 1, 1);
  CTransBitmap t;
  t.Draw(screen->Canvas(), 0, 0, 255, false);
  EXPECT_EQ(t.Cache, nullptr);
  EXPECT_EQ(Bgr(screen.get(), 0, 0), (std::vector<int>{1, 1, 1}));

  t.Create(2, 2, 255);
  FillPx(t.Colour, 7, 7, 7);
  t.Draw(screen->Canvas(), 0, 0, 255, false);
  delete t.Colour;
  t.Colour = nullptr;
  FillPx(screen.get(), 1, 1, 1);
  t.Draw(screen->Canvas(), 3, 3, 255, false);
  EXPECT_EQ(Bgr(screen.get(), 4, 4), (std::vector<int>{7, 7, 7}));
}

}  // namespace
