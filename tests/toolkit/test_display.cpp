#include <gtest/gtest.h>

#include <cstring>

#include <memory>

#include "platform/HeadlessBackend.h"
#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "tests/support/TempDir.h"

namespace {

struct ModeCase {
  int w, h, screenClass, left, top, areaW, areaH, artSet;
  const char *p0, *p1, *p2;
};

TEST(Display, SelectsScreenClassAreaAndPrefixes) {
  const ModeCase cases[] = {
      {800, 600, 2, 0, 0, 800, 600, 2, "R2", "R2", "R2"},
      {1024, 700, 2, 112, 50, 800, 600, 2, "R2", "R2", "R2"},
      {1280, 800, 4, 128, 16, 1024, 768, 4, "R3", "R3", "R3"},
      {1366, 768, 4, 171, 0, 1024, 768, 4, "R3", "R3", "R3"},
      {1600, 900, 4, 288, 66, 1024, 768, 4, "R3", "R3", "R3"},
      {1280, 960, 16, 0, 0, 1280, 960, 16, "R5", "R5", "R8"},
      {1280, 1024, 128, 0, 0, 1280, 1024, 16, "R8", "R5", "R8"},
      {1920, 1080, 128, 320, 28, 1280, 1024, 16, "R8", "R5", "R8"},
      {1680, 1050, 128, 200, 13, 1280, 1024, 16, "R8", "R5", "R8"},
      {799, 600, 2, 0, 0, 800, 600, 2, "R2", "R2", "R2"},
      {640, 480, 2, -80, -60, 800, 600, 2, "R2", "R2", "R2"},
  };
  for (const auto& c : cases) {
    CDisplay d;
    d.SelectMode(c.w, c.h);
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    EXPECT_EQ(d.ScreenClass, c.screenClass);
    EXPECT_EQ(d.GameArea.left, c.left);
    EXPECT_EQ(d.GameArea.top, c.top);
    EXPECT_EQ(d.GameArea.width, c.areaW);
    EXPECT_EQ(d.GameArea.height, c.areaH);
    EXPECT_EQ(d.ArtSet, c.artSet);
    EXPECT_EQ(d.ArtWidth, c.artSet == 2 ? 800 : c.artSet == 4 ? 1024 : 1280);
    EXPECT_EQ(d.ArtPrefix[0], c.p0);
    EXPECT_EQ(d.ArtPrefix[1], c.p1);
    EXPECT_EQ(d.ArtPrefix[2], c.p2);
  }
}

TEST(Display, ReadsTheScreenFromThePlatform) {
  // The back end outlives the test: its screen size is put back afterwards.
  struct RestoreScreenSize {
    TPoint size = Headless().ScreenSize();
    ~RestoreScreenSize() { Headless().SetScreenSize(size.x, size.y); }
  } restore;
  Headless().SetScreenSize(1280, 1024);
  CDisplay d;
  EXPECT_EQ(d.ScreenClass, 128);
  EXPECT_FALSE(ScreenTooSmall());
  Headless().SetScreenSize(799, 600);
  EXPECT_TRUE(ScreenTooSmall());
  Headless().SetScreenSize(800, 599);
  EXPECT_TRUE(ScreenTooSmall());
  Headless().SetScreenSize(800, 600);
  EXPECT_FALSE(ScreenTooSmall());
}

TEST(Display, ScalesBetweenArtSets) {
  CDisplay d;
  d.SelectMode(800, 600);
  EXPECT_EQ(d.Scale(16, 75), 46);
  EXPECT_EQ(d.ScaleRounded(16, 75), 47);
  EXPECT_EQ(d.Scale(16, -75), -46);
  EXPECT_EQ(d.ScaleRounded(16, -75), -46);
  EXPECT_EQ(d.Scale(4, 1024), 800);
  EXPECT_EQ(d.Scale(2, 123), 123);
  EXPECT_EQ(d.Scale(8, 123), 123);
  int x = 100, y = -7;
  d.ScalePoint(8, x, y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, -7);
  d.ScalePoint(16, x, y);
  EXPECT_EQ(x, 62);
  EXPECT_EQ(y, -4);

  d.SelectMode(1024, 768);
  EXPECT_EQ(d.ScaleRounded(2, 3), 4);
  EXPECT_EQ(d.Scale(2, 3), 3);
  EXPECT_EQ(d.Scale(16, 1280), 1024);
  EXPECT_EQ(d.ScaleRounded(16, 15), 12);

  d.SelectMode(1920, 1080);
  EXPECT_EQ(d.Scale(2, 800), 1280);
  EXPECT_EQ(d.ScaleRounded(2, 3), 5);
  EXPECT_EQ(d.Scale(4, 1024), 1280);
  EXPECT_EQ(d.ScaleRounded(4, 3), 4);
}

TEST(Display, LoadBackgroundCentresThePictureOnBlack) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> pic(NewBitmap24(8, 6));
  pic->Canvas()->Brush.Color = clWhite;
  pic->Canvas()->FillRect(Rect(0, 0, 8, 6));
  auto jpeg = EncodeJpeg(*pic, 95, true);
  std::string file = dir.Write("bg.xji", jpeg);

  CDisplay d;
  d.SelectMode(1024, 700);  // area 800x600 at (112, 50)
  TBitmap target;
  d.LoadBackground(&target, file);
  EXPECT_EQ(target.Width(), 1024);
  EXPECT_EQ(target.Height(), 700);
  EXPECT_EQ(target.PixelFormat(), pf24bit);
  EXPECT_EQ(target.PixelColor(111, 50), clBlack);
  EXPECT_EQ(target.PixelColor(112, 50), clWhite);
  EXPECT_EQ(target.PixelColor(119, 55), clWhite);
  EXPECT_EQ(target.PixelColor(120, 55), clBlack);
}

// A picture of the screen's size becomes the bitmap itself: the same pixels
// as a copy would give, 24-bit, and a target that held another picture before.
TEST(Display, LoadBackgroundTakesAScreenSizedPictureAsItIs) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> pic(NewBitmap24(800, 600));
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) pic->ScanLine(y)[3 * x + (x + y) % 3] = std::uint8_t(x ^ y);
  std::string file = dir.Write("bg.xji", EncodeJpeg(*pic, 95, true));
  TJPEGImage decoded;
  decoded.LoadFromFile(file);

  CDisplay d;
  d.SelectMode(800, 600);
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(20, 10);
  d.LoadBackground(&target, file);
  ASSERT_EQ(target.Width(), 800);
  ASSERT_EQ(target.Height(), 600);
  EXPECT_EQ(target.PixelFormat(), pf24bit);
  EXPECT_EQ(target.HandleType(), bmDIB);
  for (int y = 0; y < 600; y += 7)
    ASSERT_EQ(0, std::memcmp(target.ScanLine(y), decoded.Bitmap().ScanLine(y), 800 * 3)) << y;
  // Its canvas draws on the picture.
  target.Canvas()->Brush.Color = clRed;
  target.Canvas()->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(target.PixelColor(1, 1), clRed);
}

TEST(Display, LoadBackgroundWithoutFileLeavesBlackScreenAndRaises) {
  CDisplay d;
  d.SelectMode(800, 600);
  TBitmap target;
  try {
    d.LoadBackground(&target, "Data\\Intf\\Spec\\nothing.xji");
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Brak bitmapy t\263a!");
  }
  EXPECT_EQ(target.Width(), 800);
  EXPECT_EQ(target.Height(), 600);
  EXPECT_EQ(target.PixelColor(400, 300), clBlack);
}

TEST(Display, LoadBackgroundRejectsAFileThatIsNoJpeg) {
  testsupport::TempDir dir;
  std::string file = dir.Write("bad.xji", std::vector<std::uint8_t>{'B', 'M', 1, 2, 3});
  CDisplay d;
  d.SelectMode(800, 600);
  TBitmap target;
  EXPECT_THROW(d.LoadBackground(&target, file), EJPEG);
  EXPECT_EQ(target.Width(), 800);  // on a black screen, as a missing one
  EXPECT_EQ(target.Height(), 600);
  EXPECT_EQ(target.PixelColor(400, 300), clBlack);
}

}  // namespace

#include "platform/Forms.h"
#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "toolkit/_cblad.h"

namespace {

class DisplayOnScreen : public testsupport::HeadlessTest {};

TEST_F(DisplayOnScreen, BordersAroundTheGameAreaTurnBlack) {
  hb().SetScreenSize(1920, 1080);
  CDisplay d;
  d.SelectMode();
  TForm f(nullptr);
  f.SetBounds(0, 0, 1920, 1080);
  f.Show();
  f.Canvas()->Brush.Color = clWhite;
  f.Canvas()->FillRect(f.ClientRect());
  d.PaintBorders(f.Handle());
  Sleep(1);  // reaches the screen without a paint
  EXPECT_EQ(hb().ScreenPixel(319, 500), clBlack);
  EXPECT_EQ(hb().ScreenPixel(320, 500), clWhite);
  EXPECT_EQ(hb().ScreenPixel(1599, 1051), clWhite);
  EXPECT_EQ(hb().ScreenPixel(1600, 500), clBlack);
  EXPECT_EQ(hb().ScreenPixel(700, 27), clBlack);
  EXPECT_EQ(hb().ScreenPixel(700, 1052), clBlack);

  // A screen the size of the game area gets nothing.
  hb().SetScreenSize(1280, 960);
  d.SelectMode();
  f.Canvas()->FillRect(f.ClientRect());
  d.PaintBorders(f.Handle());
  EXPECT_EQ(f.Surface()->PixelColor(5, 5), clWhite);
}

TEST_F(DisplayOnScreen, BordersDrawnInAPaintLeaveThePaintClipped) {
  hb().SetScreenSize(1920, 1080);
  CDisplay d;
  d.SelectMode();
  TForm f(nullptr);
  f.SetBounds(0, 0, 1920, 1080);
  f.Show();
  f.Canvas()->Brush.Color = clWhite;
  f.Canvas()->FillRect(f.ClientRect());
  Application->ProcessMessages();
  f.OnPaint = [&](TObject*) {
    d.PaintBorders(f.Handle());
    f.Canvas()->Brush.Color = clRed;
    f.Canvas()->FillRect(f.ClientRect());
  };
  f.InvalidateRect(Rect(400, 400, 450, 450));
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(10, 10), clBlack);
  EXPECT_EQ(hb().ScreenPixel(420, 420), clRed);
  EXPECT_EQ(hb().ScreenPixel(600, 600), clWhite);
  EXPECT_EQ(hb().ScreenPixel(399, 420), clWhite);
}

TEST_F(DisplayOnScreen, FatalErrorShowsItsTextInAMessageBox) {
  CBlad(2).Show(nullptr);
  ASSERT_EQ(hb().MessageBoxes().size(), 1u);
  EXPECT_EQ(hb().MessageBoxes()[0].caption, "Trelamondo Cz.V - Błąd");
  EXPECT_EQ(hb().MessageBoxes()[0].text, "Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą.");
  TForm owner(nullptr);
  CBlad(1).Show(&owner);
  EXPECT_EQ(hb().MessageBoxes()[1].text, "          Brak zasobów !\n\nProszę przeinstalować program.");
}

}  // namespace
