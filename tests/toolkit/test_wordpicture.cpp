#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdataencryption.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Stretchbitmap.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pic = std::unique_ptr<TBitmap>;

Bytes Pixels(TBitmap& b) {
  Bytes out;
  for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.ScanLine(y), b.ScanLine(y) + 3 * b.Width());
  return out;
}

// Resampled alike: on average at most 2 of 255 a channel apart, none more
// than 96 (at an edge moved by a fraction of a pixel).
void ExpectResampledAlike(TBitmap& got, TBitmap& expected) {
  ASSERT_EQ(got.Width(), expected.Width());
  ASSERT_EQ(got.Height(), expected.Height());
  const Bytes a = Pixels(got), b = Pixels(expected);
  double sum = 0;
  int most = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const int d = std::abs(int(a[i]) - int(b[i]));
    sum += d;
    most = std::max(most, d);
  }
  EXPECT_LE(sum / double(a.size()), 2.0);
  EXPECT_LE(most, 96);
}

bool AllWhite(TBitmap& b, const TRect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (b.PixelColor(x, y) != clWhite) return false;
  return true;
}

// Word pictures live in "Data\exio44j\" under a temporary current folder.
class WordPictures : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ForceDirectories("Data\\exio44j")); }

  static void WriteFile(const std::string& name, Bytes bytes, bool scramble = true) {
    if (scramble) ScrambleWithKey(ScrambleKeyOfFile(name), bytes.data(), std::int64_t(bytes.size()));
    TFileStream f(name, fmCreate);
    f.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
  }

  // Stores a W x H picture for key and returns it as the program decodes it
  // for a w x h word picture.
  static Pic MakeWord(const std::string& key, int W, int H, int w = 0, int h = 0) {
    Pic b(NewBitmap24(W, H));
    for (int y = 0; y < H; ++y) {
      std::uint8_t* p = b->ScanLine(y);
      for (int x = 0; x < W; ++x, p += 3) {
        p[0] = std::uint8_t(x * 255 / W);
        p[1] = std::uint8_t(y * 255 / H);
        p[2] = std::uint8_t(((x / 10 + y / 10) % 2) * 200);
      }
    }
    Bytes jpeg = EncodeJpeg(*b, 90, false);
    WriteFile(WordPicturePath(key), jpeg);
    TJPEGImage j;
    j.LoadFromMemory(jpeg.data(), jpeg.size(), w, h);
    Pic decoded(new TBitmap);
    decoded->Assign(&j);
    return decoded;
  }

  testsupport::TempDir dir_;
  testsupport::ScopedCwd cwd_{dir_.Path()};
};

TEST(WordPicturePath, NamesTheScrambledFile) {
  EXPECT_EQ(WordPicturePath("z^aba"), "Data\\exio44j\\z^aba.+jp");
  EXPECT_EQ(WordPicturePath(""), "Data\\exio44j\\.+jp");
}

TEST(WordPictureBitmaps, CreateAndLoadJpeg) {
  Pic b(CreateBitmap24(5, 3));
  EXPECT_EQ(b->PixelFormat(), pf24bit);
  EXPECT_EQ(b->HandleType(), bmDIB);
  EXPECT_EQ(b->Width(), 5);
  EXPECT_EQ(b->PixelColor(4, 2), clWhite);
  EXPECT_THROW(delete LoadJpegBitmap("/nonexistent/x.jpg"), EFOpenError);
}

TEST_F(WordPictures, MissingFileGivesARedCross) {
  Pic r(LoadWordPicture("brak", 4, 3, true, true));
  ASSERT_EQ(r->Width(), 4);
  ASSERT_EQ(r->Height(), 3);
  EXPECT_EQ(r->PixelFormat(), pf24bit);
  // One line from the top-left down, one from the bottom-left up.
  const char* expected[3] = {"R.RR", ".R..", "R.RR"};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(r->PixelColor(x, y), expected[y][x] == 'R' ? clRed : clWhite) << x << "," << y;
}

TEST_F(WordPictures, SameSizeIsReturnedAsLoaded) {
  Pic decoded = MakeWord("kot", 40, 30);
  for (int flags = 0; flags < 4; ++flags) {
    Pic r(LoadWordPicture("kot", 40, 30, flags & 1, flags & 2));
    EXPECT_EQ(r->PixelFormat(), pf24bit);
    EXPECT_EQ(r->HandleType(), bmDIB);
    EXPECT_EQ(Pixels(*r), Pixels(*decoded)) << flags;
  }
}

struct Geometry {
  int W, H, w, h;
  bool fit;
  TRect rect;  // crop: the rectangle cut from the picture as decoded; fit: where the fitted picture lands
};

TEST_F(WordPictures, CropAndFitGeometry) {
  const Geometry table[] = {
      // For 200 x 200, 400 x 300 is decoded at 3/4: 300 x 225.
      {400, 300, 200, 200, false, Bounds(37, 0, 225, 225)},
      {300, 400, 200, 200, false, Bounds(0, 37, 225, 225)},
      {400, 300, 300, 300, false, Bounds(50, 0, 300, 300)},
      {400, 300, 200, 200, true, Bounds(0, 25, 200, 150)},
      {300, 400, 400, 400, true, Bounds(50, 0, 300, 400)},
      {400, 300, 201, 100, true, Bounds(34, 0, 133, 100)},
      // t = 200 * 400 / 300 = 266 equals h: the picture's full height is kept.
      {300, 200, 400, 266, true, Bounds(0, 0, 400, 266)},
      {300, 200, 400, 266, false, Bounds(0, 0, 300, 200)},
  };
  for (const Geometry& g : table) {
    SCOPED_TRACE(testing::Message() << g.W << "x" << g.H << " -> " << g.w << "x" << g.h << (g.fit ? " fit" : " crop"));
    Pic pic = MakeWord("dom", g.W, g.H, g.w, g.h);
    Pic expected(NewBitmap24(g.w, g.h));
    if (g.fit) {
      Pic f(NewBitmap24(g.rect.Width(), g.rect.Height()));
      StretchBitmap(f.get(), pic.get());
      expected->Canvas()->Draw(g.rect.left, g.rect.top, f.get());
    } else {
      Pic c(NewBitmap24(g.rect.Width(), g.rect.Height()));
      c->Canvas()->CopyRect(Rect(0, 0, g.rect.Width(), g.rect.Height()), pic->Canvas(), g.rect);
      StretchBitmap(expected.get(), c.get());
    }
    Pic r(LoadWordPicture("dom", g.w, g.h, true, g.fit));
    ASSERT_EQ(r->Width(), g.w);
    ASSERT_EQ(r->Height(), g.h);
    EXPECT_EQ(r->PixelFormat(), pf24bit);
    EXPECT_EQ(Pixels(*r), Pixels(*expected));
    if (g.fit) {
      // The bars keep their white.
      EXPECT_TRUE(AllWhite(*r, Rect(0, 0, g.w, g.rect.top)));
      EXPECT_TRUE(AllWhite(*r, Rect(0, g.rect.bottom, g.w, g.h)));
      EXPECT_TRUE(AllWhite(*r, Rect(0, 0, g.rect.left, g.h)));
      EXPECT_TRUE(AllWhite(*r, Rect(g.rect.right, 0, g.w, g.h)));
      EXPECT_FALSE(AllWhite(*r, g.rect));
    }
  }
}

// A picture drawn as the word pictures are: flat white, a shaded shape with
// a dark outline, thin lines.
Pic Drawing(int size) {
  Pic b(NewBitmap24(size, size));
  for (int y = 0; y < size; ++y) {
    std::uint8_t* p = b->ScanLine(y);
    for (int x = 0; x < size; ++x, p += 3) {
      const int dx = x - size / 2, dy = y - size / 2, r2 = dx * dx + dy * dy, r = size * 3 / 8;
      const bool line = std::abs(x - y) < 2 || std::abs(x + y - size) < 2;
      if (r2 < (r - 6) * (r - 6)) {
        p[0] = std::uint8_t(40 + x / 8);
        p[1] = std::uint8_t(160 - y / 5);
        p[2] = std::uint8_t(220 - (x + y) / 10);
      } else if (r2 < r * r || line) {
        p[0] = p[1] = p[2] = 30;
      } else {
        p[0] = p[1] = p[2] = 255;
      }
    }
  }
  return b;
}

// Pictures decoded reduced for the games' card sizes, beside the full
// picture resampled to the same size: what they may differ by.
TEST_F(WordPictures, ReducedDecodingDiffersOnlyByResampling) {
  Bytes jpeg = EncodeJpeg(*Drawing(400), 90, false);
  WriteFile(WordPicturePath("rysunek"), jpeg);
  TJPEGImage full;
  full.LoadFromMemory(jpeg.data(), jpeg.size());
  Pic whole(new TBitmap);
  whole->Assign(&full);
  for (int size : {86, 110, 136, 200, 300})
    for (int flags = 0; flags < 4; ++flags) {
      SCOPED_TRACE(testing::Message() << size << " flags " << flags);
      Pic r(LoadWordPicture("rysunek", size, size, flags & 1, flags & 2));
      Pic expected(NewBitmap24(size, size));
      StretchBitmap(expected.get(), whole.get());
      ExpectResampledAlike(*r, *expected);
    }
}

TEST_F(WordPictures, StretchWithoutAspectDistorts) {
  Pic pic = MakeWord("las", 400, 300, 200, 200);
  Pic expected(NewBitmap24(200, 200));
  StretchBitmap(expected.get(), pic.get());
  Pic r(LoadWordPicture("las", 200, 200, false, true));
  EXPECT_EQ(Pixels(*r), Pixels(*expected));
}

TEST_F(WordPictures, CropReachingPastThePictureStaysInside) {
  // 400 x 100 at 403 x 100: a 403-wide cut taken at x = -1.
  Pic pic = MakeWord("pas", 400, 100);
  Pic r(LoadWordPicture("pas", 403, 100, true, false));
  ASSERT_EQ(r->Width(), 403);
  EXPECT_TRUE(AllWhite(*r, Rect(0, 0, 1, 100)));
  EXPECT_TRUE(AllWhite(*r, Rect(401, 0, 403, 100)));
  for (int y = 0; y < 100; y += 33) {
    EXPECT_EQ(r->PixelColor(1, y), pic->PixelColor(0, y));
    EXPECT_EQ(r->PixelColor(400, y), pic->PixelColor(399, y));
  }
}

TEST_F(WordPictures, UnreadableFilesGiveBlankWhite) {
  Pic pic = MakeWord("kot", 64, 48);
  Bytes jpeg = EncodeJpeg(*pic, 90, false);

  WriteFile(WordPicturePath("pusty"), Bytes{});  // empty: no cross, plain white
  WriteFile(WordPicturePath("obcy"), jpeg, false);  // not scrambled
  Bytes other = jpeg;
  ScrambleWithKey("kot", other.data(), std::int64_t(other.size()));
  WriteFile(WordPicturePath("zly"), other, false);  // scrambled with another name's key
  WriteFile(WordPicturePath("krotki"), Bytes(jpeg.begin(), jpeg.begin() + 60));
  for (const char* key : {"pusty", "obcy", "zly", "krotki"})
    for (int flags = 0; flags < 4; ++flags) {
      testing::internal::CaptureStderr();
      Pic r(LoadWordPicture(key, 30, 20, flags & 1, flags & 2));
      const std::string err = testing::internal::GetCapturedStderr();
      ASSERT_EQ(r->Width(), 30) << key;
      ASSERT_EQ(r->Height(), 20);
      EXPECT_EQ(r->PixelFormat(), pf24bit);
      EXPECT_TRUE(AllWhite(*r, Rect(0, 0, 30, 20))) << key << " " << flags;
      // One line, naming the file.
      EXPECT_EQ(err.rfind("trelamondo: " + WordPicturePath(key) + ": ", 0), 0u) << err;
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

TEST_F(WordPictures, DamagedFilesNeverEscape) {
  Pic pic = MakeWord("kot", 64, 48);
  const Bytes jpeg = EncodeJpeg(*pic, 90, false);
  for (std::size_t cut = 100; cut < jpeg.size(); cut += jpeg.size() / 7) {
    Bytes b(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(cut));
    for (std::size_t i = cut / 2; i < b.size(); i += 5) b[i] ^= 0xA5;
    WriteFile(WordPicturePath("zepsuty"), b);
    Pic r(LoadWordPicture("zepsuty", 25, 25, true, cut % 2 == 0));
    EXPECT_EQ(r->Width(), 25);
    EXPECT_EQ(r->Height(), 25);
  }
}

TEST_F(WordPictures, DegeneratePictureProportions) {
  // A picture one pixel wide: the fitted width or the crop comes out too small
  // to resample; the result is white, not a fault.
  MakeWord("kij", 1, 300);
  for (bool fit : {false, true}) {
    Pic r(LoadWordPicture("kij", 200, 200, true, fit));
    EXPECT_EQ(r->Width(), 200);
    EXPECT_EQ(r->Height(), 200);
  }
  // Nonsense sizes from a caller do not divide by zero.
  MakeWord("kot", 40, 30);
  for (int flags = 0; flags < 4; ++flags) {
    Pic a(LoadWordPicture("kot", 0, 10, flags & 1, flags & 2));
    Pic b(LoadWordPicture("kot", 10, 0, flags & 1, flags & 2));
    EXPECT_EQ(a->Width(), 0);
    EXPECT_EQ(b->Height(), 0);
  }
}

}  // namespace
