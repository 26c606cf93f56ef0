// Alpha compositing and tinting: the blend rule, clipping, formats, and the
// vector loops checked against a plain implementation of the rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "pixel_helpers.h"
#include "toolkit/Ctransbitmap.h"

namespace {

using namespace pixtest;

// One pixel of colour c over background bg through mask value m: returns the first byte.
int BlendOne(int bg, int c, int m, int opacity) {
  Bmp dst = Make(pf24bit, 1, 1), col = Make(pf24bit, 1, 1), mask = Make(pf8bit, 1, 1);
  SetPx(dst.get(), 0, 0, std::uint8_t(bg), 0, 0);
  SetPx(col.get(), 0, 0, std::uint8_t(c), 0, 0);
  Px(mask.get(), 0, 0)[0] = std::uint8_t(m);
  const TRect clip = Rect(0, 0, 1, 1);
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &clip, dst.get(), 0, 0, opacity);
  return Px(dst.get(), 0, 0)[0];
}

// Composite of a picture into a copy of dst, pixel by pixel, reading the background from bgBefore.
void ReferenceComposite(TBitmap* dst, int x, int y, const TBitmap* colour, const TBitmap* mask, const TRect& clip,
                        const TBitmap* bgBefore, int bgx, int bgy, int opacity, const std::uint8_t* tint = nullptr) {
  const int op = std::clamp(opacity, 0, 255);
  for (int j = 0; j < mask->Height(); ++j)
    for (int i = 0; i < mask->Width(); ++i) {
      if (!clip.Contains(i, j)) continue;
      if (x + i < 0 || y + j < 0 || x + i >= dst->Width() || y + j >= dst->Height()) continue;
      if (bgx + i < 0 || bgy + j < 0 || bgx + i >= bgBefore->Width() || bgy + j >= bgBefore->Height()) continue;
      const std::uint8_t* b = Px(bgBefore, bgx + i, bgy + j);
      const std::uint8_t* c = tint ? tint : Px(colour, i, j);
      const int m = Px(mask, i, j)[0];
      std::uint8_t* d = Px(dst, x + i, y + j);
      const int w = op == 0 ? 1 : ((m * (op + 1)) >> 8) + 1;
      for (int k = 0; k < 3; ++k) d[k] = std::uint8_t(Blend(b[k], c[k], w));
    }
}

TEST(CompositeRule, WeightTable) {
  EXPECT_EQ(BlendOne(77, 200, 0, 255), 77);    // mask 0 keeps the background
  EXPECT_EQ(BlendOne(77, 200, 0, 1), 77);
  EXPECT_EQ(BlendOne(77, 200, 255, 255), 200); // mask 255 at full opacity gives the colour
  EXPECT_EQ(BlendOne(0, 255, 255, 128), 128);  // weight 129
  EXPECT_EQ(BlendOne(255, 0, 255, 128), 127);
  EXPECT_EQ(BlendOne(0, 255, 255, 254), 254);  // weight 255: never quite the colour
  EXPECT_EQ(BlendOne(0, 255, 255, 1), 1);      // weight 2
  EXPECT_EQ(BlendOne(0, 255, 127, 1), 0);      // weight 1
  EXPECT_EQ(BlendOne(0, 255, 200, 256), BlendOne(0, 255, 200, 255));
  EXPECT_EQ(BlendOne(0, 255, 200, 1000), 200);  // weight 201
  EXPECT_EQ(BlendOne(10, 255, 255, 0), 10);
  EXPECT_EQ(BlendOne(10, 255, 255, -5), 10);
}

TEST(CompositeRule, TruncatesTowardTheBackgroundBothWays) {
  EXPECT_EQ(BlendOne(150, 50, 50, 255), 131);  // weight 51
  EXPECT_EQ(BlendOne(50, 150, 50, 255), 69);
}

TEST(Composite, NegativePositionsSkipColumnsAndRows) {
  // Colour pixel (i, j) = (i, j, 7); background pixel (i, j) = (100 + i, 100 + j, 9).
  Bmp col = Make(pf24bit, 10, 6), mask = Make(pf8bit, 10, 6), bg = Make(pf24bit, 20, 20);
  for (int j = 0; j < 6; ++j)
    for (int i = 0; i < 10; ++i) SetPx(col.get(), i, j, std::uint8_t(i), std::uint8_t(j), 7);
  for (int j = 0; j < 20; ++j)
    for (int i = 0; i < 20; ++i) SetPx(bg.get(), i, j, std::uint8_t(100 + i), std::uint8_t(100 + j), 9);
  const TRect all = Rect(0, 0, 10, 6);

  FillMask(mask.get(), 255);
  Bmp dst = Make(pf24bit, 8, 8);
  FillPx(dst.get(), 1, 1, 1);
  Composite(dst.get(), -5, 2, col.get(), mask.get(), &all, bg.get(), 0, 0, 255);
  EXPECT_EQ(Px(dst.get(), 0, 2)[0], 5);  // picture column 5 on destination column 0
  EXPECT_EQ(Px(dst.get(), 0, 2)[1], 0);
  EXPECT_EQ(Px(dst.get(), 4, 7)[0], 9);
  EXPECT_EQ(Px(dst.get(), 4, 7)[1], 5);
  EXPECT_EQ(Px(dst.get(), 5, 2)[0], 1);  // beyond the picture's last column
  EXPECT_EQ(Px(dst.get(), 0, 1)[0], 1);  // above its first row

  // Mask 0: the destination shows the background at (bgx + i, bgy + j), bgx != bgy.
  FillMask(mask.get(), 0);
  FillPx(dst.get(), 1, 1, 1);
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &all, bg.get(), -3, 4, 255);
  EXPECT_EQ(Px(dst.get(), 2, 0)[0], 1);    // picture columns 0..2 lie left of the background
  EXPECT_EQ(Px(dst.get(), 3, 0)[0], 100);  // picture column 3 reads background column 0
  EXPECT_EQ(Px(dst.get(), 3, 0)[1], 104);  // and row 4
  EXPECT_EQ(Px(dst.get(), 7, 5)[0], 104);
  EXPECT_EQ(Px(dst.get(), 7, 5)[1], 109);

  // Both negative: the larger skip wins.
  FillPx(dst.get(), 1, 1, 1);
  Composite(dst.get(), -2, 0, col.get(), mask.get(), &all, bg.get(), -4, 0, 255);
  EXPECT_EQ(Px(dst.get(), 1, 0)[0], 1);    // picture column 3 is skipped
  EXPECT_EQ(Px(dst.get(), 2, 0)[0], 100);  // picture column 4 is the first drawn
}

TEST(Composite, ClipRectangle) {
  Bmp col = Make(pf24bit, 4, 3), mask = Make(pf8bit, 4, 3), dst = Make(pf24bit, 6, 6);
  FillPx(col.get(), 200, 200, 200);
  FillMask(mask.get(), 255);
  const auto draw = [&](TRect clip) {
    FillPx(dst.get(), 0, 0, 0);
    Composite(dst.get(), 1, 1, col.get(), mask.get(), &clip, dst.get(), 1, 1, 255);
    int n = 0;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) n += Px(dst.get(), x, y)[0] == 200;
    return n;
  };
  EXPECT_EQ(draw(Rect(0, 0, 4, 3)), 12);
  EXPECT_EQ(draw(Rect(-10, -10, 100, 100)), 12);  // larger than the picture: the whole picture
  EXPECT_EQ(draw(Rect(4, 0, 9, 3)), 0);           // starts at the right edge
  EXPECT_EQ(draw(Rect(0, 3, 4, 9)), 0);           // starts at the bottom edge
  EXPECT_EQ(draw(Rect(2, 0, 2, 3)), 0);           // right == left
  EXPECT_EQ(draw(Rect(3, 0, 1, 3)), 0);           // right < left
  EXPECT_EQ(draw(Rect(0, 0, 2, 1)), 2);
  EXPECT_EQ(Px(dst.get(), 1, 1)[0], 200);
  EXPECT_EQ(Px(dst.get(), 2, 1)[0], 200);
  EXPECT_EQ(Px(dst.get(), 3, 1)[0], 0);
}

TEST(Composite, RefusesUnusableOperands) {
  Bmp col = Make(pf24bit, 4, 4), mask = Make(pf8bit, 4, 4), dst = Make(pf24bit, 4, 4);
  FillPx(col.get(), 200, 200, 200);
  FillMask(mask.get(), 255);
  FillPx(dst.get(), 5, 5, 5);
  const TRect all = Rect(0, 0, 4, 4);
  const auto unchanged = [&] { return Px(dst.get(), 0, 0)[0] == 5 && Px(dst.get(), 3, 3)[0] == 5; };

  Bmp wide = Make(pf8bit, 5, 4), tall = Make(pf8bit, 4, 5);
  FillMask(wide.get(), 255);
  FillMask(tall.get(), 255);
  Composite(dst.get(), 0, 0, col.get(), wide.get(), &all, dst.get(), 0, 0, 255);
  EXPECT_TRUE(unchanged());
  Composite(dst.get(), 0, 0, col.get(), tall.get(), &all, dst.get(), 0, 0, 255);
  EXPECT_TRUE(unchanged());

  for (TPixelFormat pf : {pf8bit, pf16bit}) {
    Bmp d = Make(pf, 4, 4);
    const auto before = Bytes(d.get());
    Composite(d.get(), 0, 0, col.get(), mask.get(), &all, d.get(), 0, 0, 255);
    EXPECT_EQ(Bytes(d.get()), before) << pf;
  }
  Bmp oneBit = Make(pf1bit, 4, 4), grey = Make(pf8bit, 4, 4);
  Composite(dst.get(), 0, 0, col.get(), oneBit.get(), &all, dst.get(), 0, 0, 255);
  EXPECT_TRUE(unchanged());
  Composite(dst.get(), 0, 0, grey.get(), mask.get(), &all, dst.get(), 0, 0, 255);  // 8-bit colour
  EXPECT_TRUE(unchanged());
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &all, grey.get(), 0, 0, 255);  // 8-bit background
  EXPECT_TRUE(unchanged());
  Composite(dst.get(), 0, 0, col.get(), mask.get(), nullptr, dst.get(), 0, 0, 255);
  EXPECT_TRUE(unchanged());
  Composite(dst.get(), 0, 0, nullptr, mask.get(), &all, dst.get(), 0, 0, 255);
  Composite(dst.get(), 0, 0, col.get(), nullptr, &all, dst.get(), 0, 0, 255);
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &all, nullptr, 0, 0, 255);
  Composite(nullptr, 0, 0, col.get(), mask.get(), &all, dst.get(), 0, 0, 255);
  EXPECT_TRUE(unchanged());
}

TEST(Composite, DeviceFormatBecomesTwentyFourBitEvenWhenNothingIsDrawn) {
  Bmp dst(new TBitmap), bg(new TBitmap);
  dst->SetSize(3, 3);
  bg->SetSize(3, 3);
  ASSERT_EQ(dst->PixelFormat(), pfDevice);
  const TRect all = Rect(0, 0, 3, 3);
  Composite(dst.get(), 0, 0, nullptr, nullptr, &all, bg.get(), 0, 0, 255);
  EXPECT_EQ(dst->PixelFormat(), pf24bit);
  EXPECT_EQ(bg->PixelFormat(), pf24bit);

  Bmp ddb = Make(pf24bit, 3, 3), col = Make(pf24bit, 3, 3), mask = Make(pf8bit, 3, 3);
  ddb->SetHandleType(bmDDB);
  Composite(ddb.get(), 0, 0, col.get(), mask.get(), &all, ddb.get(), 0, 0, 255);
  EXPECT_EQ(ddb->HandleType(), bmDIB);
}

TEST(Composite, OpacityZeroCopiesTheBackgroundAndInPlaceChangesNothing) {
  Bmp col = Make(pf24bit, 3, 2), mask = Make(pf8bit, 3, 2), dst = Make(pf32bit, 3, 2), bg = Make(pf24bit, 3, 2);
  FillPx(col.get(), 9, 9, 9);
  FillMask(mask.get(), 255);
  FillPx(bg.get(), 40, 50, 60);
  FillPx(dst.get(), 1, 2, 3);
  Px(dst.get(), 1, 1)[3] = 0xAB;
  const TRect all = Rect(0, 0, 3, 2);
  auto before = Bytes(dst.get());
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &all, dst.get(), 0, 0, 0);
  EXPECT_EQ(Bytes(dst.get()), before);
  Composite(dst.get(), 0, 0, col.get(), mask.get(), &all, bg.get(), 0, 0, -5);
  EXPECT_EQ(Px(dst.get(), 2, 1)[0], 40);
  EXPECT_EQ(Px(dst.get(), 2, 1)[2], 60);
  EXPECT_EQ(Px(dst.get(), 1, 1)[3], 0xAB);
}

TEST(TintThroughMask, ByteOrderAndOpacity) {
  Bmp mask = Make(pf8bit, 2, 2), dst = Make(pf24bit, 2, 2);
  FillMask(mask.get(), 255);
  FillPx(dst.get(), 9, 9, 9);
  TintThroughMask(dst.get(), 0, 0, mask.get(), RGB(240, 240, 0), dst.get(), 0, 0, 255);
  EXPECT_EQ(Px(dst.get(), 1, 1)[0], 0);  // blue
  EXPECT_EQ(Px(dst.get(), 1, 1)[1], 240);
  EXPECT_EQ(Px(dst.get(), 1, 1)[2], 240);  // red

  FillPx(dst.get(), 0, 0, 0);
  TintThroughMask(dst.get(), 0, 0, mask.get(), RGB(255, 0, 0) | 0x7F000000, dst.get(), 0, 0, 1000);
  EXPECT_EQ(Px(dst.get(), 0, 0)[2], 255);  // the top byte of the colour is ignored
  EXPECT_EQ(Px(dst.get(), 0, 0)[0], 0);
  FillPx(dst.get(), 0, 0, 0);
  TintThroughMask(dst.get(), 0, 0, mask.get(), clWhite, dst.get(), 0, 0, 128);
  EXPECT_EQ(Px(dst.get(), 0, 0)[0], 128);
}

TEST(TintThroughMask, BelowOneDoesNothingAtAll) {
  Bmp mask = Make(pf8bit, 2, 2), dst(new TBitmap);
  FillMask(mask.get(), 255);
  dst->SetSize(2, 2);
  for (int op : {0, -5}) {
    TintThroughMask(dst.get(), 0, 0, mask.get(), clBlack, dst.get(), 0, 0, op);
    EXPECT_EQ(dst->PixelFormat(), pfDevice);  // not even made 24-bit
    EXPECT_EQ(dst->PixelColor(0, 0), clWhite);
  }
  TintThroughMask(dst.get(), 0, 0, nullptr, clBlack, dst.get(), 0, 0, 255);
  EXPECT_EQ(dst->PixelFormat(), pf24bit);
}

// Random masks: runs of 0 and 255 long enough to fill whole vector blocks, soft edges, noise.
void FillRandomMask(TBitmap* mask, std::mt19937& rng) {
  for (int y = 0; y < mask->Height(); ++y) {
    int x = 0;
    while (x < mask->Width()) {
      const int kind = int(rng() % 4);
      const int run = 1 + int(rng() % 70);
      for (int k = 0; k < run && x < mask->Width(); ++k, ++x) {
        std::uint8_t* p = Px(mask, x, y);
        const std::uint8_t v = kind == 0 ? 0 : kind == 1 ? 255 : kind == 2 ? std::uint8_t(rng() % 4 == 0 ? 0 : 255) : std::uint8_t(rng());
        for (int s = 0; s < Step(mask); ++s) p[s] = s == 0 ? v : std::uint8_t(rng());
      }
    }
  }
}

void FillRandom(TBitmap* b, std::mt19937& rng) {
  for (int y = 0; y < b->Height(); ++y) {
    std::uint8_t* row = b->ScanLine(y);
    for (int x = 0; x < b->Width() * Step(b); ++x) row[x] = std::uint8_t(rng());
  }
}

// Every layout combination, row lengths around the vector block size and
// with every kind of tail, every opacity: the loops in use must give exactly
// what the rule gives, row padding untouched.
void CheckAgainstRule(BlendLoops loops) {
  // The best loops come back however the check ends (an ASSERT returns early).
  struct BestLoopsBack {
    ~BestLoopsBack() { UseBlendLoops(BlendLoops::Avx512); }
  } restore;
  UseBlendLoops(loops);
  std::mt19937 rng(4321 + 1000 * unsigned(loops));
  const TPixelFormat colourFormats[] = {pf24bit, pf32bit};
  const TPixelFormat maskFormats[] = {pf8bit, pf24bit, pf32bit};
  // Whole blocks (of 16 and 32 pixels), tails of every kind, and the odd card widths of the games.
  const int widths[] = {1, 5, 15, 16, 17, 21, 22, 31, 32, 33, 38, 48, 63, 64, 86, 95, 110, 131, 136, 161, 199, 300};
  constexpr unsigned kWidths = sizeof widths / sizeof widths[0];
  int checked = 0;
  for (TPixelFormat df : colourFormats)
    for (TPixelFormat cf : colourFormats)
      for (TPixelFormat mf : maskFormats)
        for (int bgKind = 0; bgKind < 3; ++bgKind) {  // in place, 24-bit, 32-bit
          for (int opacity = -2; opacity <= 258; ++opacity) {
            const int w = widths[rng() % kWidths], h = 1 + int(rng() % 4);
            Bmp col = Make(cf, w, h), mask = Make(mf, w, h);
            Bmp dst = Make(df, w + 8, h + 3);
            FillRandom(col.get(), rng);
            FillRandomMask(mask.get(), rng);
            FillRandom(dst.get(), rng);
            Bmp bg = bgKind == 0 ? nullptr : Make(bgKind == 1 ? pf24bit : pf32bit, w + 5, h + 2);
            if (bg) FillRandom(bg.get(), rng);
            TBitmap* background = bg ? bg.get() : dst.get();
            const int x = int(rng() % 11) - 3, y = int(rng() % 3) - 1;
            const int bgx = bg ? int(rng() % 9) - 4 : x, bgy = bg ? int(rng() % 3) - 1 : y;
            const TRect clip = rng() % 3 ? Rect(0, 0, w, h) : Rect(int(rng() % 3), 0, w - int(rng() % 3), h);

            Bmp expected = Copy(dst.get());
            Bmp bgBefore = Copy(background);
            ReferenceComposite(expected.get(), x, y, col.get(), mask.get(), clip, bgBefore.get(), bgx, bgy, opacity);
            Composite(dst.get(), x, y, col.get(), mask.get(), &clip, background, bgx, bgy, opacity);
            ASSERT_EQ(Bytes(dst.get()), Bytes(expected.get()))
                << "dst " << df << " colour " << cf << " mask " << mf << " bg " << bgKind << " op " << opacity << " w " << w
                << " x " << x << " bgx " << bgx;

            if (opacity >= 1) {  // the tint over the same operands
              const TColor tint = TColor(rng() & 0xFFFFFF);
              const std::uint8_t t[3] = {GetBValue(tint), GetGValue(tint), GetRValue(tint)};
              Bmp tintExpected = Copy(dst.get());
              Bmp tintBg = Copy(background);
              ReferenceComposite(tintExpected.get(), x, y, nullptr, mask.get(), Rect(0, 0, w, h), tintBg.get(), bgx, bgy,
                                 opacity, t);
              TintThroughMask(dst.get(), x, y, mask.get(), tint, background, bgx, bgy, opacity);
              ASSERT_EQ(Bytes(dst.get()), Bytes(tintExpected.get())) << "tint op " << opacity;
            }
            ++checked;
          }
        }
  EXPECT_GT(checked, 9000);
}

// A card-like mask: its first row soft all along, then opaque between soft
// edges that widen toward the middle row, transparent at both ends; its
// last row transparent but for one opaque pixel two thirds along and a
// soft one before the end.
void FillCardMask(TBitmap* mask, std::mt19937& rng) {
  const int w = mask->Width(), last = mask->Height() - 1;
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = 0; x < w; ++x) {
      const int edge = std::min(x, w - 1 - x), soft = 1 + y * 3;
      const std::uint8_t v = y == last ? std::uint8_t(x == w * 2 / 3 ? 255 : x == w - 2 ? 1 + rng() % 254 : 0)
                             : y == 0  ? std::uint8_t(1 + rng() % 254)
                             : edge == 0 ? 0
                             : edge < soft ? std::uint8_t(rng())
                                           : 255;
      for (int s = 0; s < Step(mask); ++s) Px(mask, x, y)[s] = v;
    }
}

// Pictures drawn in place at every row length up to a few blocks and some
// longer ones, starting at every 4-byte step of a 64-byte line, as the
// games draw their cards: a 24- or 32-bit picture through a 24-bit or 8-bit
// mask onto a 32-bit buffer, also at an opacity below 255, with soft edges
// and long transparent runs. Every loop set the processor has must give
// what the rule gives.
TEST(CompositeLoops, EveryRowLengthAndAlignmentFollowsTheRule) {
  struct BestLoopsBack {
    ~BestLoopsBack() { UseBlendLoops(BlendLoops::Avx512); }
  } restore;
  std::mt19937 rng(77);
  std::vector<int> widths;
  for (int w = 1; w <= 70; ++w) widths.push_back(w);
  for (int w : {86, 110, 136, 150, 161, 200, 250, 333, 620}) widths.push_back(w);
  int checked = 0;
  for (BlendLoops loops : {BlendLoops::Plain, BlendLoops::Avx2, BlendLoops::Avx512}) {
    if (loops > BestBlendLoops()) continue;
    UseBlendLoops(loops);
    for (TPixelFormat cf : {pf24bit, pf32bit})
      for (TPixelFormat mf : {pf24bit, pf8bit})
        for (int w : widths)
          for (int x = 0; x < 16; ++x) {
            const int opacity = x == 5 ? 200 : 255;
            Bmp col = Make(cf, w, 4), mask = Make(mf, w, 4), dst = Make(pf32bit, 16 + w + 3, 6);
            FillRandom(col.get(), rng);
            FillCardMask(mask.get(), rng);
            FillRandom(dst.get(), rng);
            const TRect clip = Rect(0, 0, w, 4);
            Bmp expected = Copy(dst.get());
            Bmp before = Copy(dst.get());
            ReferenceComposite(expected.get(), x, 1, col.get(), mask.get(), clip, before.get(), x, 1, opacity);
            Composite(dst.get(), x, 1, col.get(), mask.get(), &clip, dst.get(), x, 1, opacity);
            ASSERT_EQ(Bytes(dst.get()), Bytes(expected.get()))
                << "loops " << int(loops) << " colour " << cf << " mask " << mf << " w " << w << " x " << x;
            ++checked;
          }
  }
  EXPECT_GE(checked, 4 * 79 * 16);
}

TEST(CompositeLoops, ScalarLoopsFollowTheRule) { CheckAgainstRule(BlendLoops::Plain); }

TEST(CompositeLoops, Avx2LoopsFollowTheRule) {
  if (BestBlendLoops() < BlendLoops::Avx2) GTEST_SKIP() << "no AVX2 on this processor";
  CheckAgainstRule(BlendLoops::Avx2);
}

TEST(CompositeLoops, Avx512LoopsFollowTheRule) {
  if (BestBlendLoops() < BlendLoops::Avx512) GTEST_SKIP() << "no AVX-512 on this processor";
  CheckAgainstRule(BlendLoops::Avx512);
}

}  // namespace
