#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ActnList.h"
#include "platform/Forms.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"
#include "tests/toolkit/fake_resources.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using fakeres::ExpectCode1;
using fakeres::Filled;
constexpr TColor kMagenta = 0xFF00FF, kOff = clBlue, kOn = clLime;

// A window of 320 x 240 that paints its back buffer (magenta at first), with
// the toggle "S_CHBUT": on 8 x 8 green, off 12 x 6 blue.
class CheckButTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    res.AddSolid("S_CHBUT_A", 8, 8, kOn);
    res.AddSolid("S_CHBUT_D", 12, 6, kOff);
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 320, 240);
    form->OnPaint = [this](TObject*) {
      ++paints;
      form->Canvas()->Draw(0, 0, buffer.get());
    };
    action = new TAction(form.get());
    action->OnExecute = [this](TObject* sender) {
      senders.push_back(sender);
      if (onClick) onClick();
    };
  }
  void TearDown() override {
    toggle.reset();
    form.reset();
    HeadlessTest::TearDown();
  }

  CCheckButW* NewToggle(const std::string& resName, const std::string& fileBase = "") {
    toggle = std::make_unique<CCheckButW>(form.get(), resName, form->Canvas(), buffer->Canvas(), nullptr, 40, 30,
                                          action, fileBase);
    return toggle.get();
  }
  void ShowForm() {
    form->Show();
    Application->ProcessMessages();
  }
  TColor InBuffer(int x, int y) { return buffer->PixelColor(x, y); }

  fakeres::FakeResources res;
  std::unique_ptr<TBitmap> buffer = Filled(320, 240, kMagenta);
  std::unique_ptr<TForm> form;
  std::unique_ptr<CCheckButW> toggle;
  TAction* action = nullptr;
  std::vector<TObject*> senders;
  std::function<void()> onClick;
  int paints = 0;
};

TEST_F(CheckButTest, NewToggleIsOffHiddenAndNotPainted) {
  CCheckButW* t = NewToggle("S_CHBUT");
  EXPECT_EQ(res.Requested(), (std::vector<std::string>{"S_CHBUT_A", "S_CHBUT_D"}));
  TImage* image = t->GetImage();
  EXPECT_FALSE(t->GetChecked());
  EXPECT_FALSE(image->Visible());
  EXPECT_TRUE(image->Transparent);
  EXPECT_FALSE(image->ControlStyle & csDoubleClicks);
  EXPECT_EQ(image->Parent(), form.get());
  EXPECT_EQ(image->Owner(), form.get());
  EXPECT_EQ(image->BoundsRect(), Rect(40, 30, 52, 36));  // the off picture's size

  t->Paint();
  EXPECT_EQ(InBuffer(45, 32), kMagenta);
  // Hidden, it cannot be clicked.
  ShowForm();
  hb().Click(45, 32);
  Application->ProcessMessages();
  EXPECT_TRUE(senders.empty());

  // DrawTo ignores visibility.
  t->DrawTo(buffer->Canvas());
  EXPECT_EQ(InBuffer(40, 30), kOff);
  EXPECT_EQ(InBuffer(51, 35), kOff);
  EXPECT_EQ(InBuffer(52, 35), kMagenta);

  fakeres::Solid(buffer.get(), 320, 240, kMagenta);
  image->SetVisible(true);
  t->Paint();
  EXPECT_EQ(InBuffer(45, 32), kOff);
}

TEST_F(CheckButTest, ToggleChangesTheStateOnlyAndToggleRedrawDrawsAtOnce) {
  CCheckButW* t = NewToggle("S_CHBUT");
  t->GetImage()->SetVisible(true);
  ShowForm();
  t->Toggle();
  EXPECT_TRUE(t->GetChecked());
  t->Toggle();
  EXPECT_FALSE(t->GetChecked());
  t->SetChecked(true);
  EXPECT_TRUE(t->GetChecked());
  EXPECT_EQ(InBuffer(42, 32), kMagenta);  // nothing drawn so far
  t->SetChecked(false);

  const int before = paints;
  t->ToggleRedraw();
  EXPECT_TRUE(t->GetChecked());
  EXPECT_EQ(InBuffer(42, 32), kOn);
  EXPECT_EQ(InBuffer(47, 37), kOn);  // the on picture in its own size
  EXPECT_EQ(InBuffer(48, 32), kMagenta);
  Application->ProcessMessages();  // the window repaints the toggle's area
  EXPECT_EQ(paints, before + 1);
  EXPECT_EQ(form->Surface()->PixelColor(42, 32), kOn);

  t->SetCheckedRedraw(false);
  EXPECT_FALSE(t->GetChecked());
  EXPECT_EQ(InBuffer(51, 35), kOff);
  Application->ProcessMessages();
  EXPECT_EQ(paints, before + 2);
  EXPECT_EQ(form->Surface()->PixelColor(51, 35), kOff);
}

TEST_F(CheckButTest, ClickRunsTheHandlerWithTheImageAndLeavesTheStateToIt) {
  CCheckButW* t = NewToggle("S_CHBUT");
  t->GetImage()->SetVisible(true);
  ShowForm();
  hb().Click(45, 32);
  Application->ProcessMessages();
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], t->GetImage());
  EXPECT_FALSE(t->GetChecked());

  // A fast double click is two clicks.
  onClick = [t] { t->ToggleRedraw(); };
  hb().DoubleClick(45, 32);
  Application->ProcessMessages();
  EXPECT_EQ(senders.size(), 3u);
  EXPECT_FALSE(t->GetChecked());
  hb().Click(45, 32);
  Application->ProcessMessages();
  EXPECT_TRUE(t->GetChecked());
  EXPECT_EQ(form->Surface()->PixelColor(45, 32), kOn);
}

TEST_F(CheckButTest, SetPositionKeepsCoordinatesOf0OrBelowUnlikeTheButtons) {
  CCheckButW* t = NewToggle("S_CHBUT");
  t->SetPosition(0, 120);
  EXPECT_EQ(t->GetImage()->BoundsRect(), Rect(40, 120, 52, 126));
  t->SetPosition(-5, -5);
  EXPECT_EQ(t->GetImage()->BoundsRect(), Rect(40, 120, 52, 126));
  t->SetPosition(7, 0);
  EXPECT_EQ(t->GetImage()->BoundsRect(), Rect(7, 120, 19, 126));
  t->DrawTo(buffer->Canvas());
  EXPECT_EQ(InBuffer(7, 120), kOff);
  EXPECT_EQ(InBuffer(18, 125), kOff);
  EXPECT_EQ(InBuffer(40, 30), kMagenta);

  // A picture button takes 0 as a coordinate.
  res.AddButton("up");
  auto* b = new CPrzyciskW(form.get(), "up", form->Canvas(), buffer->Canvas(), nullptr, 40, 30, nullptr);
  b->SetPosition(0, 0);
  EXPECT_EQ(b->BoundsRect(), Rect(0, 0, fakeres::kButtonW, fakeres::kButtonH));
}

TEST_F(CheckButTest, MissingResourcePicturesGiveAToggleOfNoSize) {
  CCheckButW* t = nullptr;
  EXPECT_NO_THROW(t = NewToggle("b_naglos"));
  EXPECT_EQ(t->GetImage()->Width(), 0);
  EXPECT_EQ(t->GetImage()->Height(), 0);
  t->GetImage()->SetVisible(true);
  t->ToggleRedraw();
  EXPECT_EQ(InBuffer(40, 30), kMagenta);
}

TEST_F(CheckButTest, FailureWhileBuildingRaisesCode1AndFreesWhatWasBuilt) {
  const int components = form->ComponentCount(), controls = form->ControlCount();
  res.FailOn("S_CHBUT_D", [] { throw EOutOfResources("Out of system resources"); });
  ExpectCode1([&] { NewToggle("S_CHBUT"); });
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);
  EXPECT_EQ(form->ControlCount(), controls);
}

// ---- file mode ----

// A picture pair of w x h: the left `opaque` columns are the colour on both
// renders, the rest is transparent (black on the one, white on the other).
void WritePair(const testsupport::TempDir& dir, const std::string& stem, int w, int h, int opaque, TColor colour) {
  for (bool white : {false, true}) {
    auto b = Filled(w, h, white ? clWhite : clBlack);
    b->Canvas()->Brush.Color = colour;
    b->Canvas()->FillRect(Rect(0, 0, opaque, h));
    b->SaveToFile(dir.File(stem + (white ? "W.xbi" : "B.xbi")));
  }
}

TEST_F(CheckButTest, FileModeBlendsItsPicturePairsAndTakesTheOnPictureSize) {
  testsupport::TempDir dir;
  WritePair(dir, "R2_glos_D", 10, 6, 5, clRed);
  WritePair(dir, "R2_glos_A", 14, 8, 14, kOn);
  CCheckButW* t = NewToggle("", dir.File("R2_glos"));
  EXPECT_TRUE(res.Requested().empty());
  EXPECT_EQ(t->GetImage()->BoundsRect(), Rect(40, 30, 54, 38));

  t->DrawTo(buffer->Canvas());
  EXPECT_EQ(InBuffer(40, 30), clRed);
  EXPECT_EQ(InBuffer(44, 35), clRed);
  EXPECT_EQ(InBuffer(45, 30), kMagenta);  // the transparent part shows the buffer
  EXPECT_EQ(InBuffer(49, 35), kMagenta);

  t->GetImage()->SetVisible(true);
  t->ToggleRedraw();
  EXPECT_EQ(InBuffer(40, 30), kOn);
  EXPECT_EQ(InBuffer(53, 37), kOn);
  EXPECT_EQ(InBuffer(54, 37), kMagenta);
}

TEST_F(CheckButTest, FileModeWithAMissingPictureRaisesCode1) {
  testsupport::TempDir dir;
  WritePair(dir, "R3_glos_D", 10, 6, 5, clRed);
  WritePair(dir, "R3_glos_A", 14, 8, 14, kOn);
  std::remove(dir.File("R3_glos_AW.xbi").c_str());
  const int components = form->ComponentCount();
  ExpectCode1([&] { NewToggle("", dir.File("R3_glos")); });
  EXPECT_EQ(form->ComponentCount(), components);
  EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
