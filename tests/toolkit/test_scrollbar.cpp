#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "tests/support/Headless.h"
#include "tests/toolkit/fake_resources.h"
#include "toolkit/_cscrollbar.h"

namespace {

constexpr TColor kGrey = 0x808080, kKnob = clBlue;

// A window of 320 x 400 that paints a static grey background picture, and a
// knob of 12 x 6 whose top-left pixel lies outside its shape.
class ScrollBarTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    res.Add("scroll_D", [](TBitmap* b) {
      fakeres::Solid(b, 12, 6, kKnob);
      b->Canvas()->SetPixel(0, 0, clWhite);
    });
    res.Add("scroll_M", [](TBitmap* b) {
      fakeres::Solid(b, 12, 6, clWhite);
      b->Canvas()->SetPixel(0, 0, clBlack);
    });
    fakeres::Solid(&background, 320, 400, kGrey);
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 320, 400);
    form->OnPaint = [this](TObject*) {
      ++paints;
      form->Canvas()->Draw(0, 0, &background);
    };
  }
  void TearDown() override {
    bar.reset();
    form.reset();
    HeadlessTest::TearDown();
  }

  CScrollBar* NewBar(int left = 0, int top = 0) {
    bar = std::make_unique<CScrollBar>(form.get(), left, top, form->Canvas(), background.Canvas());
    return bar.get();
  }
  void ShowForm() {
    form->Show();
    Application->ProcessMessages();
  }
  TColor Shown(int x, int y) { return form->Surface()->PixelColor(x, y); }

  fakeres::FakeResources res;
  TBitmap background;
  std::unique_ptr<TForm> form;
  std::unique_ptr<CScrollBar> bar;
  int paints = 0;
};

TEST_F(ScrollBarTest, TrackIsSplitInto22Steps) {
  CScrollBar* s = NewBar();
  EXPECT_EQ(res.Requested(), (std::vector<std::string>{"scroll_D", "scroll_M"}));
  s->SetTrack(280, 100, 320);
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(280, 100, 292, 106));
  s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 110);
  for (int i = 1; i < 22; ++i) s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 320);
  EXPECT_EQ(s->Knob()->Left(), 280);
  for (int i = 0; i < 22; ++i) s->StepUp();
  EXPECT_EQ(s->Knob()->Top(), 100);

  s->SetTrack(280, 100, 309);  // 209 / 22 truncates to 9
  for (int i = 0; i < 22; ++i) s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 298);
}

TEST_F(ScrollBarTest, StepBeforeAnyTrackIs8Pixels) {
  CScrollBar* s = NewBar(30, 50);
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(30, 50, 42, 56));
  EXPECT_TRUE(s->Knob()->Visible());
  s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 58);
  EXPECT_EQ(s->Knob()->Left(), 30);
}

TEST_F(ScrollBarTest, StepsCountFromTheStoredTopEvenAboveTheWindow) {
  // Nothing checks the bounds: a step up past the window's top moves the
  // stored top on, while the knob keeps its place (a negative coordinate is
  // kept); the step down brings both back together.
  CScrollBar* s = NewBar();
  s->SetTrack(280, 4, 180);  // step 8
  s->StepUp();
  EXPECT_EQ(s->Knob()->Top(), 4);
  s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 4);
  s->StepDown();
  EXPECT_EQ(s->Knob()->Top(), 12);
  // A track with a negative left keeps the knob's column.
  s->SetTrack(-5, 20, 196);
  s->StepDown();
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(280, 28, 292, 34));
}

TEST_F(ScrollBarTest, StepUpOnAHiddenKnobMovesAndShowsIt) {
  CScrollBar* s = NewBar();
  s->SetTrack(280, 100, 320);
  s->StepDown();
  s->Hide();
  EXPECT_FALSE(s->Knob()->Visible());
  s->StepUp();
  EXPECT_TRUE(s->Knob()->Visible());
  EXPECT_EQ(s->Knob()->Top(), 100);
}

TEST_F(ScrollBarTest, KnobIsPassive) {
  CScrollBar* s = NewBar();
  s->SetTrack(100, 100, 320);
  ShowForm();
  EXPECT_EQ(Shown(105, 102), kKnob);
  EXPECT_EQ(Shown(100, 100), kGrey);
  hb().MouseMove(105, 102);
  hb().MouseDown(105, 102);
  hb().MouseMove(105, 200);
  hb().MouseUp(105, 200);
  hb().Click(105, 102);
  Application->ProcessMessages();
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(100, 100, 112, 106));
  EXPECT_EQ(Shown(105, 102), kKnob);
  EXPECT_EQ(Shown(100, 100), kGrey);
  EXPECT_EQ(Shown(105, 200), kGrey);
}

TEST_F(ScrollBarTest, WindowRepaintShowsAMovedKnobAtItsNewPlace) {
  CScrollBar* s = NewBar();
  s->SetTrack(100, 100, 320);
  ShowForm();
  s->StepDown();
  s->StepDown();
  Application->ProcessMessages();
  EXPECT_EQ(Shown(105, 102), kGrey);
  EXPECT_EQ(Shown(105, 122), kKnob);
  EXPECT_EQ(Shown(100, 120), kGrey);
  EXPECT_EQ(hb().ScreenPixel(105, 122), kKnob);
}

TEST_F(ScrollBarTest, HideAndShowDrawWithoutRepaintingTheWindow) {
  CScrollBar* s = NewBar();
  s->SetTrack(100, 100, 320);
  ShowForm();
  const int before = paints;
  s->Hide();
  EXPECT_EQ(Shown(105, 102), kGrey);
  s->Show();
  EXPECT_EQ(Shown(105, 102), kKnob);
  EXPECT_EQ(Shown(100, 100), kGrey);
  Application->ProcessMessages();
  EXPECT_EQ(paints, before);
}

TEST_F(ScrollBarTest, KnobSetPositionKeepsNegativeCoordinates) {
  CScrollBar* s = NewBar(30, 50);
  s->Knob()->SetPosition(-1, 70);
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(30, 70, 42, 76));
  s->Knob()->SetPosition(0, -3);
  EXPECT_EQ(s->Knob()->BoundsRect(), Rect(0, 70, 12, 76));
}

TEST_F(ScrollBarTest, FailureWhileBuildingPassesTheSameExceptionOn) {
  const int components = form->ComponentCount(), controls = form->ControlCount();
  res.FailOn("scroll_M", [] { throw std::runtime_error("no knob"); });
  try {
    NewBar();
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "no knob");
  }
  EXPECT_EQ(res.LiveBitmaps(), 0);
  // The knob and the action that carried its handler are gone.
  EXPECT_EQ(form->ComponentCount(), components);
  EXPECT_EQ(form->ControlCount(), controls);

  res.FailOn("scroll_D", [] { throw EInvalidGraphic("bad"); });
  EXPECT_THROW(NewBar(), EInvalidGraphic);
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);

  res.FailOn("", nullptr);
  NewBar();
  EXPECT_EQ(res.LiveBitmaps(), 2);
  EXPECT_EQ(form->ComponentCount(), components + 1);  // the knob only
  bar.reset();
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);
}

}  // namespace
