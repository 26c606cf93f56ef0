#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"
#include "toolkit/Cdataencryption.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Encodedecodebuffor.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Hex(const std::uint8_t* p, std::size_t n) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    s += digits[p[i] >> 4];
    s += digits[p[i] & 15];
  }
  return s;
}

Bytes Keystream(const std::u16string& key, std::size_t n) {
  Bytes b(n, 0);
  EncodeDecodeBuffor(key, b.data(), std::int32_t(n));
  return b;
}

Bytes StateBytes(const Md5State& s) {
  Bytes b;
  for (std::uint32_t w : s)
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(w >> (8 * i)));
  return b;
}

// ---- the compression and its rotation ----

TEST(Scrambler, RotationCopiesTheTopBitIntoTheVacatedBits) {
  EXPECT_EQ(ArithmeticRotation::Rotl(0x80000001u, 7), 0xFFFFFFC0u);
  EXPECT_EQ(TrueRotation::Rotl(0x80000001u, 7), 0x000000C0u);
  EXPECT_EQ(ArithmeticRotation::Rotl(0x12345678u, 12), 0x45678123u);
  EXPECT_EQ(TrueRotation::Rotl(0x12345678u, 12), 0x45678123u);
  EXPECT_EQ(ArithmeticRotation::Rotl(0xFFFFFFFFu, 31), 0xFFFFFFFFu);
  EXPECT_EQ(ArithmeticRotation::Rotl(0x80000000u, 1), 0xFFFFFFFFu);
  EXPECT_EQ(ArithmeticRotation::Rotl(0x40000000u, 1), 0x80000000u);
}

TEST(Scrambler, TrueRotationVariantIsPlainMd5) {
  // The one padded block of the empty message: catches a typo in any constant,
  // shift or message order.
  Md5State s = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};
  Md5Block x{};
  x[0] = 0x80;
  MD5TransformWith<TrueRotation>(s, x);
  Bytes digest = StateBytes(s);
  EXPECT_EQ(Hex(digest.data(), digest.size()), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(Scrambler, KnownKeystreams) {
  // Worked out independently of this code; files made by the data tools depend on them.
  Bytes kot = Keystream(u"kot", 40);
  EXPECT_EQ(Hex(kot.data(), kot.size()),
            "63a25c7edfce4e440d2848eda47cf2f5aabdcaaacc4f046bb30a6148cfeb75b7f1d838d7b9d0b991");
  Bytes empty = Keystream(u"", 16);
  EXPECT_EQ(Hex(empty.data(), empty.size()), "3c77aa962551301fb81120c809a7973f");
  // The key reaches the scrambler through code page 1250: "łódź".
  Bytes polish(20, 0);
  ScrambleWithKey("\xB3\xF3" "d\x9F", polish.data(), std::int64_t(polish.size()));
  EXPECT_EQ(Hex(polish.data(), polish.size()), "3c2718340a7dfe691c54f3128412788183428660");
}

TEST(Scrambler, KeyBlockLayout) {
  const Md5State iv = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};
  // An empty key compresses an all-zero block.
  Md5State zero = iv;
  MD5Transform(zero, Md5Block{});
  EXPECT_EQ(KeystreamStart(u""), zero);
  // Units little-endian from byte 0, the length in the last word.
  Md5Block ab{};
  ab[0] = 0x00620061u;
  ab[15] = 2;
  Md5State s = iv;
  MD5Transform(s, ab);
  EXPECT_EQ(KeystreamStart(u"ab"), s);
  // Only 30 units are stored, but the length is the full one.
  std::u16string longKey(31, u'\x0105');
  Md5Block lb{};
  for (int i = 0; i < 15; ++i) lb[std::size_t(i)] = 0x01050105u;
  lb[15] = 31;
  s = iv;
  MD5Transform(s, lb);
  EXPECT_EQ(KeystreamStart(longKey), s);
}

// ---- the keystream ----

TEST(Scrambler, RoundTripsAnyLength) {
  for (int n : {0, 1, 15, 16, 17, 33, 1000}) {
    Bytes plain(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) plain[std::size_t(i)] = std::uint8_t(i * 37 + 11);
    Bytes b = plain;
    EncodeDecodeBuffor(u"kot", b.data(), n);
    if (n > 0) {
      EXPECT_NE(b, plain) << n;
    }
    EncodeDecodeBuffor(u"kot", b.data(), n);
    EXPECT_EQ(b, plain) << n;
  }
}

TEST(Scrambler, LengthZeroOrLessChangesNothing) {
  Bytes b(20, 0x5A);
  EncodeDecodeBuffor(u"kot", b.data(), 0);
  EncodeDecodeBuffor(u"kot", b.data(), -1);
  EncodeDecodeBuffor(u"kot", b.data(), -16);
  EXPECT_EQ(b, Bytes(20, 0x5A));
}

TEST(Scrambler, BlocksAndTailUseTheSteppedState) {
  const Md5State s0 = KeystreamStart(u"dom");
  Md5State s1 = s0;
  s1[0] += 0x2C6E1B47u;
  s1[1] -= 0xD94A7F13u;
  s1[2] += 0x5B18E2A6u;
  s1[3] -= 0x3E7C90D5u;
  const Bytes first = StateBytes(s0), second = StateBytes(s1);

  Bytes k15 = Keystream(u"dom", 15);
  EXPECT_EQ(k15, Bytes(first.begin(), first.begin() + 15));
  Bytes k17 = Keystream(u"dom", 17);
  EXPECT_EQ(Bytes(k17.begin(), k17.begin() + 16), first);
  EXPECT_EQ(k17[16], second[0]);
  Bytes k32 = Keystream(u"dom", 32);
  EXPECT_EQ(Bytes(k32.begin() + 16, k32.end()), second);
  // A longer buffer does not change the keystream of a shorter one.
  Bytes k33 = Keystream(u"dom", 33);
  EXPECT_EQ(Bytes(k33.begin(), k33.begin() + 32), k32);
}

TEST(Scrambler, KeysAgreeingInThirtyUnits) {
  std::u16string a(31, u'a'), b(31, u'a'), c(32, u'a');
  b[30] = u'z';
  c[31] = u'q';
  EXPECT_EQ(Keystream(a, 48), Keystream(b, 48));  // the 31st unit takes no part
  EXPECT_NE(Keystream(a, 48), Keystream(c, 48));  // the length does
  EXPECT_NE(Keystream(u"kot", 16), Keystream(u"kota", 16));
}

// ---- files ----

class ScrambledFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ForceDirectories("Data\\exio44j")); }

  static void Write(const std::string& name, const Bytes& bytes) {
    TFileStream f(name, fmCreate);
    f.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
  }
  static Bytes Scrambled(Bytes b, const std::string& key) {
    ScrambleWithKey(key, b.data(), std::int64_t(b.size()));
    return b;
  }
  // A small colour picture, as JPEG and as BMP.
  static std::unique_ptr<TBitmap> Picture(int w = 24, int h = 16) {
    std::unique_ptr<TBitmap> b(NewBitmap24(w, h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint8_t* p = b->ScanLine(y) + 3 * x;
        p[0] = std::uint8_t(x * 10);
        p[1] = std::uint8_t(y * 15);
        p[2] = std::uint8_t(200 - x * 5);
      }
    return b;
  }
  static Bytes Jpeg() { return EncodeJpeg(*Picture(), 90, false); }
  static Bytes Bmp() {
    TMemoryStream m;
    Picture()->SaveToStream(&m);
    return Bytes(m.Memory(), m.Memory() + m.Size());
  }
  static Bytes Pixels(TBitmap& b) {
    Bytes out;
    for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.ScanLine(y), b.ScanLine(y) + 3 * b.Width());
    return out;
  }
  static Bytes DecodedJpeg(const Bytes& jpeg) {
    TJPEGImage j;
    j.LoadFromMemory(jpeg.data(), jpeg.size());
    TBitmap b;
    b.Assign(&j);
    return Pixels(b);
  }

  testsupport::TempDir dir_;
  testsupport::ScopedCwd cwd_{dir_.Path()};
};

TEST_F(ScrambledFiles, LoadSplitsTheNameAndReadsTheMarker) {
  Write("Data\\exio44j\\Kot.+jp", Bytes{1, 2, 3});
  CDataEncryption e;
  e.Load("Data\\exio44j\\Kot.+jp", true);
  EXPECT_EQ(e.Path(), "Data\\exio44j\\Kot");
  EXPECT_EQ(e.Ext(), "jp");
  EXPECT_TRUE(e.Encoded());
  EXPECT_EQ(e.KeyFromName(), "kot");
  ASSERT_NE(e.Data(), nullptr);
  EXPECT_EQ(e.Data()->Size(), 3);
  EXPECT_EQ(e.Data()->Position(), 0);

  // A dot in a folder name is no extension; the key keeps code-page 1250 capitals.
  ASSERT_TRUE(ForceDirectories("a.b"));
  Write("a.b\\Z\xA3" "AB^a", Bytes{7});
  e.Load("a.b\\Z\xA3" "AB^a", true);
  EXPECT_EQ(e.Path(), "a.b\\Z\xA3" "AB^a");
  EXPECT_EQ(e.Ext(), "");
  EXPECT_FALSE(e.Encoded());
  EXPECT_EQ(e.KeyFromName(), "z\xA3" "ab^a");
  EXPECT_EQ(e.Data()->Size(), 1);  // the stream was emptied first

  // Without recordMarker the flag stays; a plain extension has no marker.
  Write("plain.jpg", Bytes{9, 9});
  e.Load("Data\\exio44j\\Kot.+jp", true);
  e.Load("plain.jpg", false);
  EXPECT_TRUE(e.Encoded());
  EXPECT_EQ(e.Ext(), "jpg");
  e.Load("plain.jpg", true);
  EXPECT_FALSE(e.Encoded());

  // A bare "+" extension is still a marker.
  Write("x.+", Bytes{1});
  e.Load("x.+", true);
  EXPECT_EQ(e.Ext(), "");
  EXPECT_TRUE(e.Encoded());
  EXPECT_EQ(e.KeyFromName(), "x");

  EXPECT_THROW(e.Load("missing.+jp", true), EFOpenError);
  Write("big.+jp", Bytes{1});
  ASSERT_EQ(::truncate("big.+jp", kMaxPictureFileBytes + 1), 0);
  EXPECT_THROW(e.Load("big.+jp", true), EReadError);
}

TEST_F(ScrambledFiles, KeyIsTheNameAloneWithSmallLetters) {
  EXPECT_EQ(ScrambleKeyOfFile("Data\\exio44j\\Kot.+jp"), "kot");
  EXPECT_EQ(ScrambleKeyOfFile("C:KOT.x.+jp"), "kot.x");
  EXPECT_EQ(ScrambleKeyOfFile("z^aba.+jp"), "z^aba");
}

TEST_F(ScrambledFiles, DecodeIfNeededUnscramblesOnce) {
  const Bytes plain = {10, 20, 30, 40, 50};
  Write("dom.+jp", Scrambled(plain, "dom"));
  CDataEncryption e;
  e.Load("dom.+jp", true);
  e.DecodeIfNeeded(e.KeyFromName());
  EXPECT_FALSE(e.Encoded());
  e.DecodeIfNeeded(e.KeyFromName());
  EXPECT_EQ(Bytes(e.Data()->Memory(), e.Data()->Memory() + 5), plain);
  EXPECT_EQ(e.Data()->Position(), 0);
  e.Decode("dom");  // Decode does not look at the flag
  EXPECT_EQ(Bytes(e.Data()->Memory(), e.Data()->Memory() + 5), Scrambled(plain, "dom"));
  CDataEncryption none;
  none.Decode("dom");  // nothing loaded: nothing to do
}

TEST_F(ScrambledFiles, LoadBitmapUnscramblesByTheFileName) {
  const Bytes jpeg = Jpeg();
  const Bytes expected = DecodedJpeg(jpeg);
  // Scrambled with the small-letter key, stored under capitals in a folder.
  Write("Data\\exio44j\\KOT.+jp", Scrambled(jpeg, "kot"));
  TBitmap b;
  CDataEncryption::LoadBitmap(&b, "Data\\exio44j\\KOT.+jp", 1);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.HandleType(), bmDIB);
  EXPECT_EQ(Pixels(b), expected);

  // The same plain content without "+" is read as it is.
  Write("kot.jp", jpeg);
  TBitmap plain;
  CDataEncryption::LoadBitmap(&plain, "kot.jp", 1);
  EXPECT_EQ(Pixels(plain), expected);

  // Scrambled content without the marker is not a picture.
  Write("kot2.jp", Scrambled(jpeg, "kot2"));
  TBitmap bad;
  EXPECT_THROW(CDataEncryption::LoadBitmap(&bad, "kot2.jp", 1), EJPEG);
  // Nor is it under another name (the key changes).
  Write("pies.+jp", Scrambled(jpeg, "kot"));
  EXPECT_THROW(CDataEncryption::LoadBitmap(&bad, "pies.+jp", 1), EJPEG);
}

TEST_F(ScrambledFiles, GreyJpegBecomesTwentyFourBit) {
  std::unique_ptr<TBitmap> grey(NewGrey8Bitmap(8, 8, 100));
  Write("g.+jp", Scrambled(EncodeJpeg(*grey, 90, false), "g"));
  TBitmap b;
  CDataEncryption::LoadBitmap(&b, "g.+jp", 1);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.Width(), 8);
  EXPECT_NEAR(GetRValue(b.PixelColor(3, 3)), 100, 2);
}

TEST_F(ScrambledFiles, EmptyFileLeavesTheBitmap) {
  Write("empty.+jp", Bytes{});
  TBitmap b;
  CDataEncryption::LoadBitmap(&b, "empty.+jp", 1);
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 0);
  std::unique_ptr<TBitmap> kept(NewBitmap24(3, 2));
  kept->Canvas()->SetPixel(1, 1, clBlue);
  CDataEncryption::LoadBitmap(kept.get(), "empty.+jp", 0);
  EXPECT_EQ(kept->Width(), 3);
  EXPECT_EQ(kept->PixelColor(1, 1), clBlue);
  EXPECT_THROW(CDataEncryption::LoadBitmap(kept.get(), "nothing.+jp", 1), EFOpenError);
}

TEST_F(ScrambledFiles, ModesChooseTheDecoder) {
  const Bytes bmp = Bmp(), jpeg = Jpeg();
  const Bytes bmpPixels = Pixels(*Picture());
  Write("p.+bmp", Scrambled(bmp, "p"));
  TBitmap a;
  CDataEncryption::LoadBitmap(&a, "p.+bmp", 0);
  EXPECT_EQ(Pixels(a), bmpPixels);

  // Mode 2: exactly "jpg" (after the dot and the "+") is JPEG, anything else BMP.
  Write("j.+jpg", Scrambled(jpeg, "j"));
  TBitmap b;
  CDataEncryption::LoadBitmap(&b, "j.+jpg", 2);
  EXPECT_EQ(Pixels(b), DecodedJpeg(jpeg));
  for (const char* name : {"k.JPG", "k.jpeg", "k.bmp"}) {
    Write(name, bmp);
    TBitmap c;
    CDataEncryption::LoadBitmap(&c, name, 2);
    EXPECT_EQ(Pixels(c), bmpPixels) << name;
  }
  Write("m.JPG", jpeg);
  TBitmap d;
  EXPECT_THROW(CDataEncryption::LoadBitmap(&d, "m.JPG", 2), EInvalidGraphic);
}

// ---- damaged files ----

// Loads a damaged file: a readable picture or an Exception, nothing else.
void ExpectPictureOrException(const std::string& name, std::uint8_t mode) {
  TBitmap b;
  try {
    CDataEncryption::LoadBitmap(&b, name, mode);
  } catch (const Exception&) {
    return;
  }
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  if (b.Width() > 0) {
    EXPECT_GT(b.Height(), 0);
  }
}

TEST_F(ScrambledFiles, TruncatedFilesFailCleanly) {
  const Bytes jpeg = Jpeg();
  for (std::size_t n : {std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(20), std::size_t(150),
                        jpeg.size() / 2, jpeg.size() - 2}) {
    Write("t.+jp", Scrambled(Bytes(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(n)), "t"));
    ExpectPictureOrException("t.+jp", 1);
  }
  Write("t.+jp", Scrambled(Bytes(jpeg.begin(), jpeg.begin() + 100), "t"));
  TBitmap b;
  EXPECT_THROW(CDataEncryption::LoadBitmap(&b, "t.+jp", 1), EJPEG);  // ends inside the header
  const Bytes bmp = Bmp();
  for (std::size_t n : {std::size_t(10), std::size_t(40), std::size_t(60), bmp.size() - 1}) {
    Write("t.+bmp", Scrambled(Bytes(bmp.begin(), bmp.begin() + std::ptrdiff_t(n)), "t"));
    EXPECT_THROW(CDataEncryption::LoadBitmap(&b, "t.+bmp", 0), EInvalidGraphic) << n;
  }
}

TEST_F(ScrambledFiles, OversizedPicturesAndTrailingBytes) {
  Bytes jpeg = Jpeg();
  // Trailing bytes after the picture are ignored.
  Bytes longer = jpeg;
  longer.resize(jpeg.size() + 5000, 0xAB);
  Write("o.+jp", Scrambled(longer, "o"));
  TBitmap b;
  CDataEncryption::LoadBitmap(&b, "o.+jp", 1);
  EXPECT_EQ(Pixels(b), DecodedJpeg(jpeg));

  // A frame header claiming a huge picture is refused before anything is allocated.
  std::size_t sof = 0;
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) { sof = i; break; }
  ASSERT_GT(sof, 0u);
  Bytes huge = jpeg;
  huge[sof + 5] = 0xFF; huge[sof + 6] = 0xF0;  // height 65520
  huge[sof + 7] = 0xFF; huge[sof + 8] = 0xF0;  // width 65520
  Write("o.+jp", Scrambled(huge, "o"));
  EXPECT_THROW(CDataEncryption::LoadBitmap(&b, "o.+jp", 1), EJPEG);
}

TEST_F(ScrambledFiles, BmpHeaderWithHugeSidesIsRefused) {
  Bytes bmp = Bmp();
  for (int i = 0; i < 4; ++i) {
    bmp[18 + std::size_t(i)] = i == 3 ? 0x7F : 0xFF;  // width 2^31 - 1
    bmp[22 + std::size_t(i)] = i == 3 ? 0x80 : 0x00;  // height -2^31
  }
  Write("h.+bmp", Scrambled(bmp, "h"));
  TBitmap b;
  EXPECT_THROW(CDataEncryption::LoadBitmap(&b, "h.+bmp", 0), EInvalidGraphic);
}

TEST_F(ScrambledFiles, CorruptedBytesFailCleanly) {
  const Bytes jpeg = Jpeg(), bmp = Bmp();
  for (std::size_t step : {std::size_t(3), std::size_t(7), std::size_t(31), std::size_t(97)}) {
    Bytes j = jpeg, m = bmp;
    for (std::size_t i = step; i < j.size(); i += step) j[i] ^= std::uint8_t(0x5A + i);
    for (std::size_t i = step; i < m.size(); i += step) m[i] ^= std::uint8_t(0x5A + i);
    Write("c.+jp", Scrambled(j, "c"));
    ExpectPictureOrException("c.+jp", 1);
    Write("c.+bmp", Scrambled(m, "c"));
    ExpectPictureOrException("c.+bmp", 0);
  }
}

}  // namespace
