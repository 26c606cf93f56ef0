#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/ActnList.h"
#include "platform/Forms.h"
#include "tests/support/Headless.h"
#include "tests/toolkit/fake_resources.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

namespace {

using fakeres::ExpectCode1;
using fakeres::Filled;
using fakeres::kActive;
using fakeres::kNormal;
using fakeres::kPressed;
constexpr TColor kGrey = 0x808080, kMagenta = 0xFF00FF, kYellow = clYellow;

// A window of 320 x 240 at the screen's corner with a grey static background
// picture (CPrzyciskP), a magenta back buffer and a yellow clean copy
// (CPrzyciskW). The window paints the background or, in buffer mode, the
// buffer. The button "stop" is 20 x 10; its top-left 2 x 2 lie outside its shape.
class ButtonTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    res.AddButton("stop");
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 320, 240);
    form->OnPaint = [this](TObject*) {
      ++paints;
      form->Canvas()->Draw(0, 0, bufferMode ? buffer.get() : background.get());
    };
    action = new TAction(form.get());
    action->OnExecute = [this](TObject* sender) { senders.push_back(sender); };
  }
  void TearDown() override {
    form.reset();
    HeadlessTest::TearDown();
  }

  CPrzyciskP* NewP(int left = 50, int top = 40) {
    return new CPrzyciskP(form.get(), "stop", form->Canvas(), background->Canvas(), left, top, action);
  }
  CPrzyciskW* NewW(int left = 50, int top = 40, TBasicAction* a = nullptr, bool withClean = true) {
    bufferMode = true;
    return new CPrzyciskW(form.get(), "stop", form->Canvas(), buffer->Canvas(), withClean ? clean->Canvas() : nullptr,
                          left, top, a);
  }
  void ShowForm() {
    form->Show();
    Application->ProcessMessages();
  }
  void Move(int x, int y) { hb().MouseMove(x, y), Application->ProcessMessages(); }
  void Down(int x, int y, int clicks = 1) { hb().MouseDown(x, y, 1, clicks), Application->ProcessMessages(); }
  void Up(int x, int y) { hb().MouseUp(x, y), Application->ProcessMessages(); }
  TColor Shown(int x, int y) { return form->Surface()->PixelColor(x, y); }
  TColor InBuffer(int x, int y) { return buffer->PixelColor(x, y); }

  fakeres::FakeResources res;
  std::unique_ptr<TBitmap> background = Filled(320, 240, kGrey);
  std::unique_ptr<TBitmap> buffer = Filled(320, 240, kMagenta);
  std::unique_ptr<TBitmap> clean = Filled(320, 240, kYellow);
  std::unique_ptr<TForm> form;
  TAction* action = nullptr;
  std::vector<TObject*> senders;
  int paints = 0;
  bool bufferMode = false;
};

// ---- CPrzyciskP ----

TEST_F(ButtonTest, BackgroundButtonShowsThePictureOfEachMouseMessage) {
  CPrzyciskP* b = NewP();
  EXPECT_EQ(res.Requested(), (std::vector<std::string>{"stop_A", "stop_D", "stop_M", "stop_"}));
  EXPECT_EQ(b->BoundsRect(), Rect(50, 40, 70, 50));
  EXPECT_EQ(b->Parent(), form.get());
  int later = 0;
  action->OnExecute = [&](TObject*) { ++later; };  // the button keeps its copy

  ShowForm();  // the window's paint shows the normal picture
  EXPECT_EQ(Shown(55, 45), kNormal);
  EXPECT_EQ(Shown(69, 49), kNormal);
  EXPECT_EQ(Shown(50, 40), kGrey);  // outside the shape
  EXPECT_EQ(Shown(70, 45), kGrey);

  Move(55, 45);
  EXPECT_EQ(Shown(55, 45), kActive);
  EXPECT_EQ(hb().ScreenPixel(55, 45), kActive);
  EXPECT_EQ(Shown(50, 40), kGrey);
  Down(55, 45);
  EXPECT_EQ(Shown(55, 45), kPressed);
  EXPECT_TRUE(senders.empty());
  Up(55, 45);
  EXPECT_EQ(Shown(55, 45), kActive);
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], b);  // the button itself is the sender
  EXPECT_EQ(later, 0);

  // Any repaint of the window shows the normal picture, even under the mouse.
  form->Repaint();
  EXPECT_EQ(Shown(55, 45), kNormal);
  Move(200, 200);
  EXPECT_EQ(Shown(55, 45), kNormal);
  EXPECT_EQ(Shown(50, 40), kGrey);
}

TEST_F(ButtonTest, MouseEnteringAButtonBehindAModalWindowChangesNothing) {
  NewP();
  ShowForm();
  TForm modal(nullptr);
  modal.SetBounds(200, 150, 100, 80);
  hb().MouseMove(55, 45);
  bool checked = false;
  hb().Then([&] {
    ASSERT_EQ(Screen->ActiveForm(), &modal);
    EXPECT_EQ(Shown(55, 45), kNormal);
    checked = true;
    modal.ModalResult = mrOk;
  });
  modal.ShowModal();
  EXPECT_TRUE(checked);

  Move(150, 150);  // leaving is not filtered
  EXPECT_EQ(Shown(55, 45), kNormal);
  Move(56, 45);  // with the modal window gone it lights up again
  EXPECT_EQ(Shown(56, 45), kActive);
}

TEST_F(ButtonTest, DoubleClickRunsTheActionTwiceAndTheSecondPressDrawsNothing) {
  CPrzyciskP* b = NewP();
  EXPECT_FALSE(b->ControlStyle & csDoubleClicks);
  ShowForm();
  Move(55, 45);
  Down(55, 45);
  Up(55, 45);
  EXPECT_EQ(senders.size(), 1u);
  Down(55, 45, 2);  // arrives as a double click
  EXPECT_EQ(Shown(55, 45), kActive);
  Up(55, 45);
  EXPECT_EQ(senders.size(), 2u);

  hb().DoubleClick(55, 45);
  Application->ProcessMessages();
  EXPECT_EQ(senders.size(), 4u);
  EXPECT_EQ(Shown(55, 45), kActive);
}

TEST_F(ButtonTest, BackgroundButtonDrawsAndErasesItselfWhenShownOrHidden) {
  CPrzyciskP* b = NewP();
  ShowForm();
  const int before = paints;
  b->SetVisible(false);
  EXPECT_EQ(Shown(55, 45), kGrey);
  hb().Click(55, 45);  // a hidden button takes no mouse
  Application->ProcessMessages();
  EXPECT_TRUE(senders.empty());
  EXPECT_EQ(hb().ScreenPixel(55, 45), kGrey);

  b->SetVisible(true);
  EXPECT_EQ(Shown(55, 45), kNormal);
  EXPECT_EQ(Shown(50, 40), kGrey);
  Application->ProcessMessages();
  EXPECT_EQ(paints, before);  // the window was not repainted for either
}

TEST_F(ButtonTest, SetPositionKeepsNegativeCoordinatesAndApplies0) {
  CPrzyciskP* p = NewP(50, 40);
  CPrzyciskW* w = NewW(100, 60);
  p->SetPosition(-1, 50);
  w->SetPosition(-1, 50);
  EXPECT_EQ(p->BoundsRect(), Rect(50, 50, 70, 60));
  EXPECT_EQ(w->BoundsRect(), Rect(100, 50, 120, 60));
  p->SetPosition(0, 0);
  w->SetPosition(0, 0);
  EXPECT_EQ(p->BoundsRect(), Rect(0, 0, 20, 10));
  EXPECT_EQ(w->BoundsRect(), Rect(0, 0, 20, 10));

  w->SetPosition(150, -7);  // and draws at its new place
  ShowForm();
  Move(155, 5);
  EXPECT_EQ(InBuffer(155, 5), kActive);
  EXPECT_EQ(Shown(155, 5), kActive);
}

TEST_F(ButtonTest, UnknownNameGivesAButtonOfNoSizeAndNoError) {
  CPrzyciskP* p = nullptr;
  CPrzyciskW* w = nullptr;
  EXPECT_NO_THROW(p = new CPrzyciskP(form.get(), "nothing", form->Canvas(), background->Canvas(), 50, 40, action));
  EXPECT_NO_THROW(
      w = new CPrzyciskW(form.get(), "nothing", form->Canvas(), buffer->Canvas(), clean->Canvas(), 50, 40, action));
  EXPECT_EQ(p->BoundsRect(), Rect(50, 40, 50, 40));
  EXPECT_EQ(w->BoundsRect(), Rect(50, 40, 50, 40));
  ShowForm();
  hb().Click(50, 40);
  Application->ProcessMessages();
  EXPECT_TRUE(senders.empty());
  auto dst = Filled(320, 240, clBlack);
  w->DrawBlended(dst.get());
  EXPECT_EQ(dst->PixelColor(50, 40), clBlack);
}

TEST_F(ButtonTest, FailureWhileBuildingRaisesCode1AndFreesWhatWasBuilt) {
  const int components = form->ComponentCount(), controls = form->ControlCount();
  // An error of the platform on the third picture...
  res.FailOn("stop_M", [] { throw EOutOfResources("Out of system resources"); });
  ExpectCode1([&] { NewP(); });
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);
  EXPECT_EQ(form->ControlCount(), controls);
  // ...or any exception at all, here on the last one.
  res.FailOn("stop_", [] { throw std::bad_alloc(); });
  ExpectCode1([&] { NewW(); });
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);
  EXPECT_EQ(form->ControlCount(), controls);

  // Built whole, the bitmaps live as long as the button.
  res.FailOn("", nullptr);
  CPrzyciskW* b = NewW();
  EXPECT_EQ(res.LiveBitmaps(), 4);
  delete b;
  EXPECT_EQ(res.LiveBitmaps(), 0);
  EXPECT_EQ(form->ComponentCount(), components);
}

// ---- CPrzyciskW ----

TEST_F(ButtonTest, BufferButtonDrawsIntoTheBufferAndCopiesItsRectangle) {
  CPrzyciskW* b = NewW();  // without an action: pictures change, nothing runs
  EXPECT_FALSE(b->OnClick);
  ShowForm();
  EXPECT_EQ(Shown(55, 45), kMagenta);  // the paint message draws nothing
  b->Paint();
  EXPECT_EQ(InBuffer(55, 45), kNormal);
  EXPECT_EQ(InBuffer(50, 40), kMagenta);
  EXPECT_EQ(Shown(55, 45), kMagenta);  // Paint does not copy
  form->Repaint();
  EXPECT_EQ(Shown(55, 45), kNormal);

  Move(55, 45);
  EXPECT_EQ(InBuffer(55, 45), kActive);
  EXPECT_EQ(Shown(55, 45), kActive);
  EXPECT_EQ(Shown(50, 40), kMagenta);
  Down(55, 45);
  EXPECT_EQ(InBuffer(55, 45), kPressed);
  EXPECT_EQ(Shown(55, 45), kPressed);
  Up(55, 45);
  EXPECT_EQ(Shown(55, 45), kActive);
  Move(200, 200);
  EXPECT_EQ(InBuffer(55, 45), kNormal);
  EXPECT_EQ(Shown(55, 45), kNormal);
  EXPECT_TRUE(senders.empty());

  b->Hide();  // a hidden button is not painted
  fakeres::Solid(buffer.get(), 320, 240, kMagenta);
  b->Paint();
  EXPECT_EQ(InBuffer(55, 45), kMagenta);
}

TEST_F(ButtonTest, ShowAndHideDrawOnlyWhenTheStateChanges) {
  CPrzyciskW* b = NewW();
  ShowForm();
  const int before = paints;
  b->Show();  // already visible
  EXPECT_EQ(InBuffer(55, 45), kMagenta);
  EXPECT_EQ(Shown(55, 45), kMagenta);

  b->Hide();
  EXPECT_FALSE(b->Visible());
  EXPECT_EQ(InBuffer(55, 45), kYellow);
  EXPECT_EQ(Shown(55, 45), kYellow);
  EXPECT_EQ(InBuffer(49, 45), kMagenta);
  EXPECT_EQ(InBuffer(70, 45), kMagenta);
  fakeres::Solid(buffer.get(), 320, 240, kMagenta);
  b->Hide();  // already hidden
  EXPECT_EQ(InBuffer(55, 45), kMagenta);

  b->Show();
  EXPECT_EQ(InBuffer(55, 45), kNormal);
  EXPECT_EQ(Shown(55, 45), kNormal);
  EXPECT_EQ(Shown(50, 40), kMagenta);  // the buffer's rectangle, corner included
  Application->ProcessMessages();
  EXPECT_EQ(paints, before);
}

TEST_F(ButtonTest, HideWithoutACleanCopyLeavesThePictureAndStopsTheMouse) {
  CPrzyciskW* b = NewW(50, 40, action, false);
  ShowForm();
  b->Paint();
  form->Repaint();
  b->Hide();
  EXPECT_EQ(InBuffer(55, 45), kNormal);
  EXPECT_EQ(Shown(55, 45), kNormal);
  hb().Click(55, 45);
  Application->ProcessMessages();
  EXPECT_TRUE(senders.empty());
  EXPECT_EQ(InBuffer(55, 45), kNormal);
}

TEST_F(ButtonTest, OriginPlacesTheButtonInABufferThatCoversPartOfTheWindow) {
  // The buffer covers the window from (100, 50); the clean copy's pixels tell their place.
  buffer = Filled(200, 150, kMagenta);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) clean->Canvas()->SetPixel(x, y, RGB(x, y, 0x55));
  CPrzyciskW* b = NewW(130, 70);
  b->SetOrigin(100, 50);
  EXPECT_EQ(b->Origin2(), (TPoint{0, 0}));
  b->SetOrigin2(7, 9);  // kept, not used for drawing
  EXPECT_EQ(b->Origin2(), (TPoint{7, 9}));
  form->OnPaint = [this](TObject*) {
    form->Canvas()->Brush.Color = kGrey;
    form->Canvas()->FillRect(form->ClientRect());
    form->Canvas()->Draw(100, 50, buffer.get());
  };
  ShowForm();

  Move(135, 75);
  EXPECT_EQ(InBuffer(35, 25), kActive);
  EXPECT_EQ(InBuffer(49, 29), kActive);
  EXPECT_EQ(InBuffer(30, 20), kMagenta);  // the corner outside the shape
  EXPECT_EQ(InBuffer(50, 25), kMagenta);
  EXPECT_EQ(InBuffer(135, 75), kMagenta);
  EXPECT_EQ(Shown(135, 75), kActive);
  EXPECT_EQ(Shown(130, 70), kMagenta);

  b->Hide();
  for (int j = 0; j < 10; ++j)
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(InBuffer(30 + i, 20 + j), RGB(30 + i, 20 + j, 0x55));
      EXPECT_EQ(Shown(130 + i, 70 + j), RGB(30 + i, 20 + j, 0x55));
    }
  EXPECT_EQ(Shown(129, 70), kMagenta);
  EXPECT_EQ(Shown(150, 70), kMagenta);
}

TEST_F(ButtonTest, DrawBlendedFadesTheNormalPictureAtItsBufferPlace) {
  CPrzyciskW* b = NewW(130, 70);
  b->SetOrigin(100, 50);
  b->Hide();  // drawn whether visible or not
  auto dark = Filled(200, 150, clBlack);
  b->DrawBlended(dark.get());
  // Blue 255 over black at opacity 128 through an opaque mask: 255 * 129 / 256.
  EXPECT_EQ(dark->PixelColor(35, 25), RGB(0, 0, 128));
  EXPECT_EQ(dark->PixelColor(49, 29), RGB(0, 0, 128));
  EXPECT_EQ(dark->PixelColor(30, 20), clBlack);  // outside the shape
  EXPECT_EQ(dark->PixelColor(50, 25), clBlack);
  EXPECT_EQ(dark->PixelColor(135, 75), clBlack);
  auto light = Filled(200, 150, clWhite);
  b->DrawBlended(light.get());
  EXPECT_EQ(light->PixelColor(30, 20), clWhite);
  EXPECT_EQ(light->PixelColor(35, 25), RGB(127, 127, 255));
}

}  // namespace
