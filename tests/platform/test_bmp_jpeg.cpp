#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/Graphics.h"
#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "tests/support/DamagedFiles.h"
#include "tests/support/GuardedBytes.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::uint8_t> Save(const TBitmap& b) {
  TMemoryStream m;
  b.SaveToStream(&m);
  return std::vector<std::uint8_t>(m.Memory(), m.Memory() + m.Size());
}

void Load(TBitmap& b, const std::vector<std::uint8_t>& bytes) {
  TBytesStream s(bytes.data(), bytes.size());
  b.LoadFromStream(&s);
}

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = std::uint8_t(x >> (8 * i));
}

std::unique_ptr<TBitmap> Sample(TPixelFormat pf, int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Canvas()->SetPixel(x, y, RGB(x * 40, y * 50, (x + y) * 20));
  return b;
}

TEST(BmpFiles, RoundTripKeepsFormatAndPixels) {
  for (TPixelFormat pf : {pf24bit, pf32bit, pf8bit}) {
    auto a = Sample(pf, 5, 3);
    TBitmap b;
    Load(b, Save(*a));
    EXPECT_EQ(b.PixelFormat(), pf);
    ASSERT_EQ(b.Width(), 5);
    ASSERT_EQ(b.Height(), 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(b.PixelColor(x, y), a->PixelColor(x, y)) << pf << " " << x << "," << y;
  }
}

TEST(BmpFiles, ReadsTopDownRowsAndIgnoresTheImageSizeField) {
  auto a = Sample(pf24bit, 3, 2);
  auto bytes = Save(*a);
  Put32(bytes, 34, 0xFFFFFFF0u);  // nonsense image size
  // Turn the file top-down: negate the height and swap the two rows.
  Put32(bytes, 22, std::uint32_t(-2));
  std::vector<std::uint8_t> row0(bytes.begin() + 54, bytes.begin() + 66);
  std::copy(bytes.begin() + 66, bytes.begin() + 78, bytes.begin() + 54);
  std::copy(row0.begin(), row0.end(), bytes.begin() + 66);
  TBitmap b;
  Load(b, bytes);
  EXPECT_EQ(b.PixelColor(2, 1), a->PixelColor(2, 1));
  EXPECT_EQ(b.PixelColor(0, 0), a->PixelColor(0, 0));
}

TEST(BmpFiles, PalettedAndSixteenBitFiles) {
  // A 1-bit file of 10x2 with a two-entry palette (red, blue).
  std::vector<std::uint8_t> f(54 + 8 + 8, 0);
  f[0] = 'B'; f[1] = 'M';
  Put32(f, 2, std::uint32_t(f.size()));
  Put32(f, 10, 62);
  Put32(f, 14, 40);
  Put32(f, 18, 10);
  Put32(f, 22, 2);
  f[26] = 1;
  f[28] = 1;
  Put32(f, 46, 2);
  f[54 + 2] = 255;  // entry 0: red (B,G,R,0)
  f[58 + 0] = 255;  // entry 1: blue
  f[62] = 0x80;     // bottom row: first pixel 1
  f[66] = 0x40;     // top row: second pixel 1
  TBitmap b;
  Load(b, f);
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(b.PixelColor(0, 1), clBlue);
  EXPECT_EQ(b.PixelColor(1, 1), clRed);
  EXPECT_EQ(b.PixelColor(1, 0), clBlue);
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(b.PixelColor(1, 0), clBlue);

  // 16 bits, 5-5-5: pure red.
  std::vector<std::uint8_t> g(54 + 4, 0);
  g[0] = 'B'; g[1] = 'M';
  Put32(g, 10, 54);
  Put32(g, 14, 40);
  Put32(g, 18, 1);
  Put32(g, 22, 1);
  g[26] = 1;
  g[28] = 16;
  g[54] = 0x00;
  g[55] = 0x7C;
  TBitmap c;
  Load(c, g);
  EXPECT_EQ(c.PixelFormat(), pf15bit);
  EXPECT_EQ(c.PixelColor(0, 0), clRed);
}

TEST(BmpFiles, RejectsBrokenFilesWithoutChangingTheBitmap) {
  auto good = Save(*Sample(pf24bit, 4, 4));
  std::vector<std::vector<std::uint8_t>> bad;
  bad.push_back({});
  bad.push_back({'B', 'M'});
  bad.emplace_back(good.begin(), good.begin() + 60);  // pixel rows cut short
  auto v = good; v[0] = 'X'; bad.push_back(v);        // no signature
  v = good; Put32(v, 18, 0); bad.push_back(v);        // width 0
  v = good; Put32(v, 22, 0); bad.push_back(v);        // height 0
  v = good; Put32(v, 18, 0x7FFFFFFF); bad.push_back(v);
  v = good; Put32(v, 22, 0x80000000u); bad.push_back(v);
  v = good; Put32(v, 10, 0xFFFFFF00u); bad.push_back(v);  // pixels beyond the end
  v = good; Put32(v, 14, 0xFFFFFFF0u); bad.push_back(v);  // header beyond the end
  v = good; v[28] = 7; bad.push_back(v);                  // odd bit count
  v = good; v[30] = 1; bad.push_back(v);                  // run-length compressed
  for (std::size_t i = 0; i < bad.size(); ++i) {
    auto b = Sample(pf24bit, 2, 2);
    EXPECT_THROW(Load(*b, bad[i]), EInvalidGraphic) << i;
    EXPECT_EQ(b->Width(), 2) << i;
    // The same straight from memory that ends at an unreadable page.
    testsupport::GuardedBytes g(bad[i]);
    EXPECT_THROW(b->LoadFromMemory(g.data(), g.size()), EInvalidGraphic) << i;
    EXPECT_EQ(b->Width(), 2) << i;
  }
}

TEST(BmpFiles, LoadFromMemoryReadsTheFileInPlace) {
  auto a = Sample(pf8bit, 7, 3);
  testsupport::GuardedBytes g(Save(*a));
  TBitmap b;
  b.LoadFromMemory(g.data(), g.size());
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  ASSERT_EQ(b.Width(), 7);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(b.PixelColor(x, y), a->PixelColor(x, y)) << x << "," << y;
}

// A grey (one-component) JPEG of size x size, all of value 100.
std::vector<std::uint8_t> GreyJpeg(int size) {
  TBitmap grey;
  grey.SetPixelFormat(pf8bit);
  grey.SetSize(size, size);
  grey.Canvas()->Brush.Color = RGB(100, 100, 100);
  grey.Canvas()->FillRect(Rect(0, 0, size, size));
  return EncodeJpeg(grey, 95, false);
}

TEST(Jpeg, ColourAndGreyPictures) {
  auto colour = Sample(pf24bit, 16, 8);
  auto bytes = EncodeJpeg(*colour, 95, true);
  TJPEGImage j;
  j.LoadFromMemory(bytes.data(), bytes.size());
  EXPECT_EQ(j.Width(), 16);
  EXPECT_EQ(j.Height(), 8);
  EXPECT_FALSE(j.Grayscale());
  TBitmap b;
  b.Assign(&j);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  TColor c = b.PixelColor(15, 7), e = colour->PixelColor(15, 7);
  EXPECT_NEAR(GetRValue(c), GetRValue(e), 12);
  EXPECT_NEAR(GetGValue(c), GetGValue(e), 12);

  auto gbytes = GreyJpeg(8);
  TJPEGImage gj;
  gj.LoadFromMemory(gbytes.data(), gbytes.size());
  EXPECT_TRUE(gj.Grayscale());
  TBitmap g;
  g.Assign(&gj);
  EXPECT_EQ(g.PixelFormat(), pf8bit);
  ASSERT_NE(g.Palette(), nullptr);
  EXPECT_NEAR(g.ScanLine(3)[3], 100, 2);
}

TEST(Jpeg, ReducedToTheSmallestExactScaleNotBelowTheSizeAskedFor) {
  struct Case {
    int W, H, minW, minH, w, h;
  } cases[] = {
      {400, 400, 136, 136, 150, 150},  // 3/8
      {400, 400, 200, 200, 200, 200},  // 4/8: exactly the size asked for
      {400, 400, 1, 1, 50, 50},        // 1/8 at least
      {400, 300, 200, 200, 300, 225},  // 6/8: 300 x 3/8 and 5/8 are not whole
      {400, 400, 401, 10, 400, 400},   // never enlarged
      {400, 400, 136, 0, 400, 400},    // no size asked for
      {401, 400, 10, 10, 401, 400},    // no scale divides 401 exactly
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " for " << c.minW << "x" << c.minH);
    auto bytes = EncodeJpeg(*Sample(pf24bit, c.W, c.H), 90, false);
    TJPEGImage j;
    j.LoadFromMemory(bytes.data(), bytes.size(), c.minW, c.minH);
    EXPECT_EQ(j.Width(), c.w);
    EXPECT_EQ(j.Height(), c.h);
  }
  // A reduced grey picture stays grey and keeps its colour.
  auto gbytes = GreyJpeg(64);
  TJPEGImage gj;
  gj.LoadFromMemory(gbytes.data(), gbytes.size(), 16, 16);
  EXPECT_TRUE(gj.Grayscale());
  EXPECT_EQ(gj.Width(), 16);
  EXPECT_NEAR(gj.Bitmap().ScanLine(8)[8], 100, 2);
}

TEST(Jpeg, LargeOutputGrowsItsBufferAndEndsAtTheEndMarker) {
  // Noise at full quality compresses badly: the output outgrows its first
  // buffer many times over.
  TBitmap noise;
  noise.SetPixelFormat(pf32bit);
  noise.SetSize(640, 400);
  std::uint32_t seed = 12345;
  for (int y = 0; y < noise.Height(); ++y) {
    std::uint8_t* row = noise.ScanLine(y);
    for (int i = 0; i < noise.Width() * 4; ++i) row[i] = std::uint8_t((seed = seed * 1103515245u + 12345u) >> 16);
  }
  const auto bytes = EncodeJpeg(noise, 100, true);
  ASSERT_GT(bytes.size(), std::size_t(256) * 1024);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
  EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
  EXPECT_EQ(EncodeJpeg(noise, 100, true), bytes);
  TJPEGImage j;
  j.LoadFromMemory(bytes.data(), bytes.size());
  ASSERT_EQ(j.Width(), 640);
  ASSERT_EQ(j.Height(), 400);
  long total = 0;
  for (int y = 0; y < 400; y += 7)
    for (int x = 0; x < 640; x += 5) {
      const TColor a = j.Bitmap().PixelColor(x, y), b = noise.PixelColor(x, y);
      total += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b));
    }
  EXPECT_LT(total / (58 * 128 * 2), 8);

  TBitmap empty;
  empty.SetPixelFormat(pf24bit);
  EXPECT_THROW(EncodeJpeg(empty, 90, false), EJPEG);
}

TEST(Jpeg, BrokenDataRaisesAndLeavesTheImageEmpty) {
  auto bytes = EncodeJpeg(*Sample(pf24bit, 32, 32), 90, false);
  std::vector<std::vector<std::uint8_t>> bad;
  bad.push_back({});
  bad.push_back({0xFF, 0xD8});
  bad.emplace_back(bytes.begin(), bytes.begin() + 20);  // header cut short
  std::vector<std::uint8_t> v(bytes.size(), 0);  // a start marker and nothing else
  v[0] = 0xFF;
  v[1] = 0xD8;
  bad.push_back(v);
  bad.push_back({'B', 'M', 0, 0, 0, 0});
  for (std::size_t i = 0; i < bad.size(); ++i) {
    TJPEGImage j;
    j.LoadFromMemory(bytes.data(), bytes.size());
    EXPECT_THROW(j.LoadFromMemory(bad[i].data(), bad[i].size()), EJPEG) << i;
    EXPECT_TRUE(j.Empty()) << i;
  }
}

TEST(Jpeg, MissingFileRaisesFileOpenError) {
  TJPEGImage j;
  EXPECT_THROW(j.LoadFromFile("Data\\no\\such.xji"), EFOpenError);
}

// What a picture refused by load said went wrong (empty when it loaded).
std::string Refusal(const std::function<void()>& load) {
  try {
    load();
  } catch (const EInvalidGraphic& e) {
    return Diagnosis(e);
  }
  return std::string();
}

bool Names(const std::string& said, const std::string& file, const std::string& why) {
  return said.rfind(file + ": ", 0) == 0 && said.find(why) != std::string::npos;
}

// No screen class uses more than 1280 x 1024: a file declaring a side over
// 4096 or more than 4 Mpx is refused from its header, whatever follows it,
// and the error names the file.
TEST(PictureBounds, LargerPicturesAreRefusedFromTheirHeaderNamingTheFile) {
  testsupport::TempDir dir;
  const auto small = EncodeJpeg(*Sample(pf24bit, 16, 16), 90, false);
  const int sizes[][2] = {{16383, 4095}, {4097, 8}, {8, 4097}, {2049, 2048}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
    const std::string file = dir.Write("big.jpg", testsupport::JpegDeclaringSize(small, size[0], size[1]));
    TJPEGImage j;
    EXPECT_PRED3(Names, Refusal([&] { j.LoadFromFile(file); }), file, "more than the program uses");
    EXPECT_TRUE(j.Empty());

    // A one-bit BMP saying as much, over enough bytes for its pixels.
    auto bmp = Save(*Sample(pf8bit, 4, 4));
    Put32(bmp, 18, std::uint32_t(size[0]));
    Put32(bmp, 22, std::uint32_t(size[1]));
    bmp[28] = 1;
    bmp.resize(bmp.size() + std::size_t((size[0] + 31) / 32 * 4) * std::size_t(size[1]));
    const std::string bmpFile = dir.Write("big.bmp", bmp);
    TBitmap b;
    EXPECT_PRED3(Names, Refusal([&] { b.LoadFromFile(bmpFile); }), bmpFile, "more than the program uses");
  }
  // The largest sides and sizes allowed still load.
  for (const auto& size : {std::pair{4096, 1024}, std::pair{1024, 4096}, std::pair{2048, 2048}}) {
    TBitmap grey;
    grey.SetPixelFormat(pf8bit);
    grey.SetSize(size.first, size.second);
    const auto bytes = EncodeJpeg(grey, 50, false);
    TJPEGImage j;
    j.LoadFromMemory(bytes.data(), bytes.size());
    EXPECT_EQ(j.Width(), size.first);
    TBitmap b;
    Load(b, Save(grey));
    EXPECT_EQ(b.Height(), size.second);
  }
}

// A damaged picture read from a file says which file it was.
TEST(PictureBounds, ADamagedPictureNamesItsFile) {
  testsupport::TempDir dir;
  auto bytes = EncodeJpeg(*Sample(pf24bit, 64, 64), 90, false);
  bytes.resize(bytes.size() / 2);
  const std::string file = dir.Write("cut.xji", bytes);
  TJPEGImage j;
  EXPECT_PRED3(Names, Refusal([&] { j.LoadFromFile(file); }), file, "JPEG error: ");
  auto cut = Save(*Sample(pf24bit, 4, 4));
  cut.resize(60);
  const std::string bmp = dir.Write("cut.bmp", cut);
  TBitmap b;
  EXPECT_PRED3(Names, Refusal([&] { b.LoadFromFile(bmp); }), bmp, "Bitmap image is not valid: ");
  // A loader inside another names the file once.
  const std::string twice = Refusal([&] { NamingFileInErrors(bmp, [&] { b.LoadFromFile(bmp); }); });
  EXPECT_EQ(twice.find(bmp, 1), std::string::npos) << twice;
}

TEST(Jpeg, PicturesCutShortAreRefused) {
  auto bytes = EncodeJpeg(*Sample(pf24bit, 64, 64), 90, false);
  bytes.resize(bytes.size() * 2 / 3);
  TJPEGImage j;
  EXPECT_THROW(j.LoadFromMemory(bytes.data(), bytes.size()), EJPEG);
  EXPECT_TRUE(j.Empty());
}

}  // namespace
