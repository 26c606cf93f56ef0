// The truck game in the whole program on the headless back end, opened from
// the main window's starter for tab 5 and played frame by frame. After every
// frame with no window over the game, the screen shows the frame buffer
// (outside the buttons, whose hover look may differ), and the frame buffer
// holds exactly a fresh drawing of the scene: no trail, no stale text, no
// rectangle left unflushed. The screen also shows each sprite in its own
// colours where nothing lies over it, and after every frame of play the
// drops and the throws are followed: a parcel drops once the newest one shows
// its bottom edge, inside the drop area, and a caught parcel lies on the
// truck's load point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "games/Fmciezarowka/Fmciezarowka.h"
#include "platform/IniFiles.h"
#include "platform/WinApi.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::Near;
using shelltest::ClickOn;

constexpr TColor kHintTint = 0xF8BB77, kBlinkTint = 0x0000BE, kTruckText = 0x9CBECE;

// b laid over a at opacity w (0..255).
TColor Mix(TColor a, TColor b, int w) {
  int c[3];
  for (int i = 0; i < 3; ++i) c[i] = (gametest::Channel(a, i) * (255 - w) + gametest::Channel(b, i) * w) / 255;
  return TColor(c[0] | c[1] << 8 | c[2] << 16);
}

class Truck : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    options.onReady = [this] {
      hb().SetCounterReadCostUs(25);  // the pacer's busy wait ends
      FormKoniecGry->OnShow = [this](TObject*) {
        endOfGame.push_back(Session{StatRec->Help(), StatRec->Good(), StatRec->Bad(), W()->Parcels().correctQueue.size()});
      };
    };
  }

  // Tab 5, the settings, "start"; from then on `play` runs after every frame.
  void Open(int w, int h, std::int32_t phonemes, std::int32_t positions, int level, std::function<void()> play) {
    hb().SetScreenSize(w, h);
    words->Cover(phonemes, positions);
    Step([this] { ClickOn(FormMain->TabToggle(5)->GetImage()); });
    Step([=, this] {
      SettingsCiezarowka.PhonemeMask = phonemes;
      SettingsCiezarowka.PositionMask = positions;
      SettingsCiezarowka.Level = level;
      W()->OnFrameShown = [this, play] {
        ++frames;
        if (frames > 1 && !FormKoniecGry->Visible() && !paused) periodSum += hb().NowMs() - lastFrameMs, ++periods;
        paused = false;
        lastFrameMs = hb().NowMs();
        CheckFrame();
        FollowPlay();
        if (frames > 6000) {
          ADD_FAILURE() << "the game does not end";
          Application->Terminate();
          return;
        }
        play();
      };
      ClickOn(FormMain->Button(TFormMain::bStart));
    });
  }

  TFormCiezarowka* W() { return FormCiezarowka; }
  CgraCie_Paczki& Parcels() { return W()->Parcels(); }
  TPoint OnScreen(int x, int y) { return TPoint{Display.GameArea.left + x, Display.GameArea.top + y}; }
  void Click(TPoint p, int button = 1) { hb().Click(p.x, p.y, button); }
  // The middle of a parcel's box on the screen, when a click there finds it.
  bool Hits(const CgraCie_GOPaczka* p, TPoint& at) {
    const int x = p->x + p->W() / 2, y = p->y + p->H() / 2;
    if (p->y < 0 || p->y + p->H() > W()->FrameBuffer()->Height()) return false;
    auto it = Parcels().ParcelAt(x, y);
    if (it == Parcels().activeParcels.end() || *it != p) return false;
    at = OnScreen(x, y);
    return true;
  }
  // No input for ms: the virtual clock moves on at once.
  void Pause(int ms) {
    hb().AdvanceTime(ms);
    paused = true;
  }
  std::vector<HeadlessBackend::SoundEntry> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }

  void CheckFrame() {
    if (FormKoniecGry->Visible() || broken) return;
    Application->Present();
    TBitmap* fb = W()->FrameBuffer();
    if (!fresh) {
      fresh = std::make_unique<TBitmap>();
      fresh->SetPixelFormat(fb->PixelFormat());
      fresh->SetSize(fb->Width(), fb->Height());
    }
    const int step = fb->PixelFormat() == pf24bit ? 3 : 4;
    W()->DrawScene(fresh.get());
    const int left = Display.GameArea.left, top = Display.GameArea.top;
    auto onButton = [&](int x, int y) {
      return W()->StopButton()->BoundsRect().Contains(left + x, top + y) ||
             W()->HelpButton()->BoundsRect().Contains(left + x, top + y);
    };
    for (int y = 0; y < fb->Height(); ++y) {
      const std::uint8_t* shown = hb().Screen().ScanLine(top + y) + 4 * left;
      const std::uint8_t* buffered = fb->ScanLine(y);
      const std::uint8_t* redrawn = fresh->ScanLine(y);
      for (int x = 0; x < fb->Width(); ++x) {
        if (std::memcmp(shown + 4 * x, buffered + step * x, 3) == 0 &&
            std::memcmp(redrawn + step * x, buffered + step * x, 3) == 0)
          continue;
        if (onButton(x, y)) continue;
        ADD_FAILURE() << "frame " << frames << " at " << x << "," << y << ": "
                      << (std::memcmp(shown + 4 * x, buffered + step * x, 3) ? "the screen is not the frame buffer"
                                                                         : "the frame buffer is not the scene redrawn");
        broken = true;
        return;
      }
    }
    CheckSprites();
  }

  // The sprites as the screen shows them, each looked at only where no
  // sprite drawn after it lies and off the buttons: the plane, the banner with
  // its caption and the sounds' names, the truck with the names on its side
  // (or, while it is away, no truck where it parks), each parcel's parachute,
  // box and face in the look of the moment, a thrown parcel's face.
  void CheckSprites() {
    const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
    CgraCie_GOSamolot& plane = W()->Plane();
    CgraCie_GOCiezarowka& truck = W()->Truck();
    TBitmap* fb = W()->FrameBuffer();
    std::vector<TRect> drawn;  // in drawing order
    if (plane.active) drawn.push_back(plane.Rectangle());
    const std::size_t truckLayer = drawn.size();
    if (!truck.Stands()) drawn.push_back(truck.Rectangle());
    std::vector<CgraCie_GOPaczka*> order;
    for (bool flight : {true, false})
      for (CgraCie_GOPaczka* p : Parcels().activeParcels)
        if (p->InFlight() == flight) {
          order.push_back(p);
          drawn.push_back(flight ? p->throwRect : p->Rectangle());
        }
    const int left = Display.GameArea.left, top = Display.GameArea.top;
    // The colour at (x, y) unless a sprite drawn from `from` on lies there.
    auto expect = [&](std::size_t from, int x, int y, TColor want, const char* what, bool same = true) {
      if (x < 0 || y < 0 || x >= fb->Width() || y >= fb->Height()) return;
      for (std::size_t i = from; i < drawn.size(); ++i)
        if (drawn[i].Contains(x, y)) return;
      for (CPrzyciskW* b : {W()->StopButton(), W()->HelpButton()})
        if (b->BoundsRect().Contains(left + x, top + y)) return;
      const TColor shown = hb().ScreenPixel(left + x, top + y);
      if (Near(shown, want, 12) == same) return;
      ADD_FAILURE() << "frame " << frames << ": " << what << (same ? "" : " not") << " expected at " << x << ","
                    << y << ", the screen shows " << std::hex << shown << " against " << want << std::dec;
      broken = true;
    };
    if (broken) return;
    if (plane.active && plane.alpha == 255) {
      const int pw = plane.picture->Colour->Width(), ph = plane.picture->Colour->Height();
      const int bw = plane.banner->Colour->Width(), bh = plane.banner->Colour->Height();
      const int bx = plane.x + layout.bannerOverlap - bw;
      expect(1, plane.x + pw / 2, plane.y + ph / 2, gametest::kPlane, "the plane");
      expect(1, plane.x + pw - 1, plane.y + ph / 2, gametest::kPlane, "the plane's right edge");
      expect(1, bx + 2, plane.y + bh - 3, clWhite, "the banner");
      expect(1, bx + layout.caption.x + 1, plane.y + layout.caption.y + 2, 0x404040, "the banner's caption");
      expect(1, bx + layout.names.x + 1, plane.y + layout.names.y + 2, 0x666666, "the sounds on the banner");
      expect(1, bx + layout.names.x - 1, plane.y + layout.names.y + 2, clWhite, "the banner left of the sounds");
    }
    if (truck.active) {
      const std::size_t from = truck.Stands() ? 0 : truckLayer + 1;  // a parked truck lies under every sprite
      const int tw = truck.picture->Colour->Width();
      expect(from, truck.x + 3, truck.y + 3, gametest::kTruck, "the truck");
      expect(from, truck.x + tw - 1, truck.y + 3, gametest::kTruck, "the truck's right edge");
      int textW = 0;
      GameFontCiezarowka.MeasureText(truck.text, &textW, nullptr);
      const int tx = truck.x + layout.truckText.x - textW / 2;
      const int ty = truck.y + layout.truckText.y - GameFontCiezarowka.LineHeight() / 2;
      if (tx + 1 < truck.x + tw) expect(from, tx + 1, ty + 1, kTruckText, "the sounds on the truck");
      expect(from, tx - 1, ty + 1, gametest::kTruck, "the truck left of its text");
      expect(from, tx + 1, ty - 1, gametest::kTruck, "the truck over its text");
    } else {
      expect(0, layout.truckStopX + 3, layout.truckY + 3, gametest::kTruck, "no truck where it parks", false);
    }
    const TRect& face = layout.face;
    auto FaceOf = [&](const TBitmap& look) {
      return look.PixelColor((face.left + face.right) / 2, (face.top + face.bottom) / 2);
    };
    for (std::size_t i = 0; i < order.size(); ++i) {
      CgraCie_GOPaczka* p = order[i];
      const std::size_t from = drawn.size() - order.size() + i + 1;
      // A word whose files the test did not write shows the stand-in picture.
      const TColor word = words->Has(p->word->key) ? ColourOf(p->word->key) : FaceOf(*p->look);
      if (p->InFlight()) {
        const TRect& r = p->throwRect;
        expect(from, (r.left + r.right) / 2, (r.top + r.bottom) / 2, word, "a thrown parcel's picture");
        continue;
      }
      const bool blinking = p->marked && !p->correct && (p->counter / 10) % 2 == 1;
      const TColor box = p->hint ? Mix(gametest::kBox, kHintTint, 140)
                                 : blinking ? Mix(gametest::kBox, kBlinkTint, 140) : gametest::kBox;
      expect(from, p->x + p->W() / 2, p->y + p->chuteOffsetY + 3, gametest::kChute, "a parachute");
      expect(from, p->x + 2, p->y + p->H() / 2, box, "a parcel's box");
      expect(from, p->x + p->W() - 1, p->y + p->H() / 2, box, "a parcel's right edge");
      expect(from, p->x + (face.left + face.right) / 2, p->y + (face.top + face.bottom) / 2,
             blinking ? Mix(word, clBlack, 80) : word, "a parcel's picture");
      if (!p->hint && !blinking && words->Has(p->word->key))  // the face's half see-through rim
        expect(from, p->x + (face.left + face.right) / 2, p->y + face.top + 3, Mix(word, gametest::kBox, 128),
               "a parcel's picture under the rim of its face");
    }
  }

  // After a frame of play: a parcel dropped when, and only when, the list
  // was empty or the newest parcel showed its bottom edge (with both queues
  // holding parcels a drop is certain), inside the drop area; a parcel that
  // left the list after a throw lies on the load point of the parked truck.
  void FollowPlay() {
    if (!W()->IntroDone()) {  // a new game: forget the last one's parcels
      seen.clear();
      thrown.clear();
      playing = false;
      return;
    }
    const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
    auto& active = Parcels().activeParcels;
    std::set<CgraCie_GOPaczka*> now(active.begin(), active.end());
    if (!playing) {  // the entrance ended in this frame: play begins with the next
      playing = true;
    } else if (!active.empty() && !seen.count(active.front())) {
      const CgraCie_GOPaczka* p = active.front();
      EXPECT_TRUE(frontBottom > 0) << "a drop while the newest parcel's bottom was at " << frontBottom;
      EXPECT_GE(p->swingCentreX - p->amplitude, layout.dropLeft);
      EXPECT_LE(p->swingCentreX + p->amplitude + p->W(), layout.dropRight);
      ++drops;
    } else if (frontBottom > 0 && bothQueued) {
      ADD_FAILURE() << "frame " << frames << ": no drop while the newest parcel's bottom was at " << frontBottom;
    }
    for (CgraCie_GOPaczka* p : thrown)
      if (!now.count(p)) {
        EXPECT_EQ(TPoint({p->x, p->y}), TPoint({layout.truckStopX + layout.loadPoint.x, layout.truckY + layout.loadPoint.y}))
            << "a caught parcel";
        ++caught;
      }
    thrown.clear();
    for (CgraCie_GOPaczka* p : active)
      if (p->InFlight()) thrown.push_back(p);
    seen = std::move(now);
    frontBottom = active.empty() ? 1 : active.front()->y + active.front()->H();
    bothQueued = !Parcels().correctQueue.empty() && !Parcels().wrongQueue.empty();
  }

  struct Session {
    int help, good, bad;
    std::size_t queued;
  };
  std::vector<Session> endOfGame;
  // The mean time between frames, in virtual milliseconds.
  double MeanPeriod() const { return periods ? double(periodSum) / periods : 0; }

  int frames = 0, periods = 0;
  std::int64_t lastFrameMs = 0, periodSum = 0;
  bool broken = false, paused = false;
  std::unique_ptr<TBitmap> fresh;
  // Followed through play.
  std::set<CgraCie_GOPaczka*> seen;
  std::vector<CgraCie_GOPaczka*> thrown;
  int frontBottom = 1, drops = 0, caught = 0;
  bool bothQueued = false, playing = false;
};

TEST_F(Truck, GameFromTheMainWindowToTheTruckLeavingThenStopDuringTheEntrance) {
  int phase = 0, good = 0, bad = 0, wordSounds = 0, blames = 0, underEndOfGame = 0, startX = 0;
  CgraCie_GOPaczka* spared = nullptr;  // hinted, and left to fall past the bottom once
  CgraCie_GOPaczka* blinking = nullptr;
  bool helped = false, sparedMissed = false, waitShown = false, watchingWait = false;
  Open(800, 600, 0x1 | 0x10, kInitial | kMedial | kFinal, 1, [&] {
    CgraCie_GOSamolot& plane = W()->Plane();
    CgraCie_GOCiezarowka& truck = W()->Truck();
    switch (phase) {
      case 0:  // the entrance: no parcel; help finds nothing and counts nothing
        EXPECT_TRUE(Parcels().activeParcels.empty());
        if (plane.x > 0) {
          EXPECT_EQ(Parcels().correctParcels.size(), 8u);
          EXPECT_EQ(Parcels().wrongParcels.size(), 10u);
          ClickOn(W()->HelpButton());
          Click(OnScreen(400, 300));  // the plane fades at once
          phase = 1;
        }
        break;
      case 1:
        EXPECT_TRUE(plane.fading);
        EXPECT_TRUE(truck.active);
        EXPECT_EQ(StatRec->Help(), 0);
        phase = 2;
        break;
      case 2:
        if (!W()->IntroDone()) {
          EXPECT_TRUE(Parcels().activeParcels.empty());
          break;
        }
        EXPECT_FALSE(plane.active);
        EXPECT_EQ(truck.x, truck.stopX);
        phase = 3;
        Played();
        [[fallthrough]];
      case 3: {  // play
        EXPECT_EQ(StatRec->Good(), good);
        EXPECT_EQ(StatRec->Bad(), bad);
        int said = 0, blamed = 0;
        for (const auto& e : Played()) {
          EXPECT_FALSE(e.sync);
          if (e.name.find("Data\\Smd\\") == 0) ++said;
          if (e.name.find("Intf\\Smd\\b") != std::string::npos) ++blamed;
        }
        EXPECT_EQ(said, wordSounds);
        EXPECT_EQ(blamed, blames);
        wordSounds = blames = 0;
        TPoint at;
        if (blinking && Hits(blinking, at)) Click(at);  // a second click while it blinks costs nothing
        blinking = nullptr;
        if (helped && !spared) {
          for (CgraCie_GOPaczka* p : Parcels().activeParcels)
            if (p->hint) spared = p;
          ASSERT_NE(spared, nullptr);
          EXPECT_EQ(StatRec->Help(), 1);
          if (Hits(spared, at)) {
            Click(at, 3);  // a right click says its word, nothing more
            ++wordSounds;
          }
          break;
        }
        if (spared && !sparedMissed && !spared->hint) {
          EXPECT_EQ(Parcels().correctQueue.back(), spared);  // missed: queued again, without its hint
          sparedMissed = true;
        }
        for (CgraCie_GOPaczka* p : Parcels().activeParcels) {
          if (p->marked || !Hits(p, at)) continue;
          if (p->correct && !helped) {
            ClickOn(W()->HelpButton());
            helped = true;
            break;
          }
          if (p->correct && (p != spared || sparedMissed)) {
            Click(at);
            ++good;
            ++wordSounds;
          } else if (!p->correct && bad < 2) {
            Click(at);
            ++bad;
            ++blames;
            blinking = p;
          }
        }
        if (truck.departing) {
          EXPECT_TRUE(Parcels().correctQueue.empty());
          phase = 4;
        }
        break;
      }
      case 4:  // the truck drives off; once it has gone, the game stops once
        if (!FormKoniecGry->Visible()) break;
        EXPECT_FALSE(truck.active);
        phase = 5;
        [[fallthrough]];
      case 5:  // frames go on under the end-of-game window
        ASSERT_EQ(endOfGame.size(), 1u);
        if (++underEndOfGame == 20) {
          // The new game is built behind the wait picture.
          hb().OnPresent([&] {
            const TColor c = hb().ScreenPixel(400, 300);
            waitShown = waitShown || Near(c, shelltest::ShellTree::kWait);
          });
          watchingWait = true;
          ClickOn(FormKoniecGry->StartButton());  // play again
          phase = 6;
        }
        break;
      case 6:  // the new game: Esc during the entrance
        if (watchingWait) {
          hb().OnPresent(nullptr);
          watchingWait = false;
          EXPECT_TRUE(waitShown);
        }
        EXPECT_FALSE(W()->IntroDone());
        EXPECT_EQ(Parcels().wrongParcels.size(), 10u);
        EXPECT_EQ(Parcels().wrongQueue.size(), 10u);
        EXPECT_FALSE(truck.departing);
        EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
        if (plane.x > 100) {
          hb().Key(VK_ESCAPE, 27);
          phase = 7;
        }
        break;
      case 7:
        ASSERT_TRUE(FormKoniecGry->Visible());
        startX = plane.x;
        underEndOfGame = 0;
        phase = 8;
        break;
      case 8:  // the entrance goes on behind it, and no second stop follows
        EXPECT_EQ(endOfGame.size(), 2u);
        EXPECT_FALSE(W()->IntroDone());
        if (++underEndOfGame == 120) {
          EXPECT_GT(plane.x, startX);
          ClickOn(FormKoniecGry->StopButton());  // close the game
          phase = 9;
        }
        break;
      default: break;
    }
  });
  Step([&] {
    EXPECT_EQ(phase, 9);
    EXPECT_FALSE(W()->Visible());
    EXPECT_EQ(Application->OnIdle, nullptr);
    EXPECT_TRUE(Parcels().correctParcels.empty() && Parcels().activeParcels.empty());
    EXPECT_TRUE(Parcels().correctQueue.empty() && Parcels().wrongQueue.empty());
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);

  EXPECT_TRUE(sparedMissed);
  EXPECT_EQ(good, 8);
  EXPECT_EQ(caught, 8);
  EXPECT_GT(drops, 8);
  EXPECT_NEAR(MeanPeriod(), 40, 1);
  ASSERT_EQ(endOfGame.size(), 2u);
  EXPECT_EQ(endOfGame[0].help, 1);
  EXPECT_EQ(endOfGame[0].good, 8);
  EXPECT_EQ(endOfGame[0].bad, 2);
  EXPECT_EQ(endOfGame[1].bad, 8);  // every correct parcel was still queued
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec[0].gameId, 5);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 8);
  EXPECT_EQ(rec[0].bad, 2);
  EXPECT_FALSE(rec[1].completed);
  EXPECT_EQ(rec[1].bad, 8);
}

// A termination signal during play: the game's loop runs on its idle
// turns, and stops as the stop button stops it; the program ends at once.
TEST_F(Truck, ATerminationSignalDuringPlayEndsTheGameAsStopThenTheProgram) {
  int phase = 0;
  std::int64_t signalled = 0;
  Open(1024, 768, 0x1 | 0x2, kInitial | kMedial | kFinal, 1, [&] {
    TPoint at;
    if (phase == 0 && W()->IntroDone() && !Parcels().activeParcels.empty())
      for (CgraCie_GOPaczka* p : Parcels().activeParcels)
        if (p->correct && !p->marked && Hits(p, at)) {
          Click(at);
          phase = 1;
          return;
        }
    if (phase == 1 && StatRec->Good() == 1) {
      hb().Terminate();
      signalled = hb().NowMs();
      phase = 2;
    }
  });
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(phase, 2);
  EXPECT_LT(hb().NowMs() - signalled, 1000);
  ASSERT_EQ(endOfGame.size(), 1u);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(std::size_t(rec[0].bad), endOfGame[0].queued);
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "Zakladka", 0), 5);
}

// On a screen of class 128 wider and taller than the game area, the borders
// are black, the scene (1280 x 960 here) leaves a black band below it, not a
// white one, and the buttons' looks lie in the still scene where the buttons
// stand. Level 2 parcels fall 2 pixels a frame. Esc during play counts the
// correct parcels still queued; the truck then drives off behind the
// end-of-game window, and no second stop follows when it has gone.
TEST_F(Truck, StopDuringPlayOnATallScreen) {
  int phase = 0, framesGone = 0;
  std::map<CgraCie_GOPaczka*, int> lastY;
  Open(1400, 1050, 0x1 | 0x2, kInitial | kMedial | kFinal, 2, [&] {
    CgraCie_GOCiezarowka& truck = W()->Truck();
    TPoint at;
    for (CgraCie_GOPaczka* p : Parcels().activeParcels) {
      if (!p->InFlight() && lastY.count(p)) {
        EXPECT_EQ(p->y - lastY[p], 2);
      }
    }
    lastY.clear();
    for (CgraCie_GOPaczka* p : Parcels().activeParcels) lastY[p] = p->y;
    switch (phase) {
      case 0: {
        if (!W()->IntroDone()) break;
        const int left = Display.GameArea.left, top = Display.GameArea.top;
        ASSERT_TRUE(left > 0 && top > 0);
        for (int x = 0; x < 1280; x += 97) {
          EXPECT_EQ(W()->FrameBuffer()->PixelColor(x, 1000), clBlack) << x;
          EXPECT_EQ(hb().ScreenPixel(left + x, top + 1023), clBlack) << x;
          EXPECT_TRUE(gametest::Near(hb().ScreenPixel(left + x, top + 500), gametest::kBackground)) << x;
          EXPECT_EQ(hb().ScreenPixel(left + x, top - 1), clBlack) << x;  // the borders
        }
        for (int y = 0; y < 1050; y += 101) {
          EXPECT_EQ(hb().ScreenPixel(left - 1, y), clBlack) << y;
          EXPECT_EQ(hb().ScreenPixel(left + 1280, y), clBlack) << y;
        }
        const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
        for (auto [button, place] : {std::pair{W()->StopButton(), layout.stop}, std::pair{W()->HelpButton(), layout.help}}) {
          const TRect r = button->BoundsRect();  // on the screen; the still scene starts at the game area
          for (TPoint d : {TPoint{r.Width() / 2, r.Height() / 2}, TPoint{2, 2}, TPoint{r.Width() - 3, r.Height() - 3}})
            EXPECT_EQ(W()->CleanScene()->PixelColor(place.x + d.x, place.y + d.y), hb().ScreenPixel(r.left + d.x, r.top + d.y));
          EXPECT_NE(W()->CleanScene()->PixelColor(place.x + r.Width() / 2, place.y + r.Height() / 2),
                    W()->CleanScene()->PixelColor(place.x + r.Width() / 2, place.y + r.Height() + 2));
        }
        phase = 1;
        break;
      }
      case 1:
        if (Parcels().activeParcels.size() < 3) break;
        for (CgraCie_GOPaczka* p : Parcels().activeParcels)
          if (p->correct && !p->marked && Hits(p, at)) {
            Click(at);
            phase = 2;
            break;
          }
        break;
      case 2:
        EXPECT_EQ(StatRec->Good(), 1);
        hb().Key(VK_ESCAPE, 27);
        phase = 3;
        break;
      case 3:
        ASSERT_EQ(endOfGame.size(), 1u);
        EXPECT_TRUE(truck.departing);
        if (!truck.active && ++framesGone == 10) {
          hb().Key(VK_ESCAPE, 27);  // closes the game
          phase = 4;
        }
        break;
      default: break;
    }
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(phase, 4);
  EXPECT_NEAR(MeanPeriod(), 28, 1);
  ASSERT_EQ(endOfGame.size(), 1u);
  EXPECT_GT(endOfGame[0].queued, 0u);
  EXPECT_EQ(std::size_t(endOfGame[0].bad), endOfGame[0].queued);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_FALSE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].level, 2);
}

// Every kind of input during play keeps the statistics session alive (a
// level-1 game lasts minutes): each of a right click on a parcel, a left
// click on a right one and on a wrong one, help, a key let go, a click
// where no parcel is and the wheel is followed by 100 s without input, more
// than half of the idle time. The frames come every 32 ms on 1024 x 768.
TEST_F(Truck, EveryInputKeepsTheSessionAlive) {
  std::size_t next = 0;
  bool waiting = false;  // an input was made: check it, then pause
  auto parcel = [&](bool correct, TPoint& at) {
    for (CgraCie_GOPaczka* p : Parcels().activeParcels)
      if (p->correct == correct && !p->marked && !p->hint && Hits(p, at)) return true;
    return false;
  };
  auto nowhere = [&](TPoint& at) {
    for (int y = 100; y < 700; y += 50) {
      if (Parcels().ParcelAt(700, y) == Parcels().activeParcels.end()) {
        at = OnScreen(700, y);
        return true;
      }
    }
    return false;
  };
  struct Input {
    const char* name;
    std::function<bool()> make;  // false: not possible in this frame
    std::function<bool()> done;
  };
  const std::vector<Input> inputs = {
      {"right click", [&] { TPoint at; return parcel(true, at) && (Click(at, 3), true); },
       [&] {
         const auto said = Played();
         if (said.empty()) return false;
         EXPECT_FALSE(said[0].sync) << "the word is not waited for";
         return true;
       }},
      {"right parcel", [&] { TPoint at; return parcel(true, at) && (Click(at), true); },
       [&] { return StatRec->Good() == 1; }},
      {"wrong parcel", [&] { TPoint at; return parcel(false, at) && (Click(at), true); },
       [&] { return StatRec->Bad() == 1; }},
      {"help", [&] { TPoint at; return parcel(true, at) && (ClickOn(W()->HelpButton()), true); },
       [&] { return StatRec->Help() == 1; }},
      {"key up", [&] { return hb().KeyUp(VK_SHIFT), true; }, [] { return true; }},
      {"click on nothing", [&] { TPoint at; return nowhere(at) && (Click(at), true); }, [] { return true; }},
      {"wheel", [&] { return hb().Wheel(700, 400, -1), true; }, [] { return true; }},
  };
  Open(1024, 768, 0x1 | 0x10, kInitial | kMedial | kFinal, 1, [&] {
    if (FormKoniecGry->Visible()) {
      if (next == inputs.size() + 1) ClickOn(FormKoniecGry->StopButton());  // close the game
      next = inputs.size() + 2;
      return;
    }
    if (!W()->IntroDone()) return;
    if (next == 0 && !waiting) Played();
    if (waiting) {
      if (!inputs[next].done()) return;
      waiting = false;
      Pause(100000);
      ++next;
      return;
    }
    if (next > 0) {
      EXPECT_TRUE(StatRec->Active()) << "after " << inputs[next - 1].name;
    }
    if (next == inputs.size()) {
      hb().Key(VK_ESCAPE, 27);
      next = inputs.size() + 1;
      return;
    }
    if (next < inputs.size() && inputs[next].make()) waiting = true;
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(next, inputs.size() + 2);
  EXPECT_NEAR(MeanPeriod(), 32, 1);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].help, 1);
}

// A sound with two words is too few for a short game: message 3, no game.
// A level outside 1..3 has one right parcel, falling at level 1's speed;
// stopped while it is in the air with none left to drop, the game is saved
// as completed, with no wrong answer.
TEST_F(Truck, TooFewWordsThenALevelOutsideOneToThree) {
  constexpr std::int32_t kFew = 0x8, kAll = kInitial | kMedial | kFinal;
  Step([this] { ClickOn(FormMain->TabToggle(5)->GetImage()); });
  Step([this] {
    SettingsCiezarowka.PhonemeMask = kFew;
    SettingsCiezarowka.PositionMask = kAll;
    SettingsCiezarowka.Level = 1;
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([this] {
    ASSERT_TRUE(FormKomunikat->Visible());
    EXPECT_EQ(FormKomunikat->Message(), kMsgTooFewWords);
    EXPECT_FALSE(W()->Visible());
    EXPECT_FALSE(StatRec->Active());
    ClickOn(FormKomunikat->StopButton());
  });
  int phase = 0, lastY = 0;
  Open(800, 600, kFew, kAll, 0, [&] {
    auto& p = Parcels();
    if (phase == 0 && W()->IntroDone()) {
      EXPECT_EQ(p.correctParcels.size(), 1u);
      EXPECT_EQ(p.wrongParcels.size(), 3u);
      phase = 1;
    }
    if (phase == 1 && p.correctQueue.empty()) {
      const CgraCie_GOPaczka* right = p.correctParcels[0].get();
      ASSERT_EQ(std::count(p.activeParcels.begin(), p.activeParcels.end(), right), 1);
      if (lastY != 0) {
        EXPECT_EQ(right->y - lastY, 1);
      }
      lastY = right->y;
      if (right->y > 100) {
        hb().Key(VK_ESCAPE, 27);
        phase = 2;
      }
    } else if (phase == 2 && FormKoniecGry->Visible()) {
      ClickOn(FormKoniecGry->StopButton());
      phase = 3;
    }
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(phase, 3);
  ASSERT_EQ(endOfGame.size(), 1u);
  EXPECT_EQ(endOfGame[0].bad, 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good + rec[0].bad, 0);
  EXPECT_EQ(rec[0].level, 0);
}

// ---- the window built alone, in every screen size ----

class TruckLayout : public gametest::GameTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

// The design's places, converted by hand (art set 16 as they are, 4 at
// 8/10 and 2 at 5/8, truncated; the face rounded), and the buttons as the
// design gives them per art set. The window puts its buttons there; built
// without its pictures it raises error 1; destroyed while its frames run,
// it leaves no frame loop and no global pointer behind.
TEST_P(TruckLayout, PlacesFollowTheDesignInEveryArtSet) {
  UseScreen(GetParam().first, GetParam().second);
  const int set = Display.ArtSet == 2 ? 0 : Display.ArtSet == 4 ? 1 : 2;
  struct Design {
    int truckY, stopX, textX, textY, loadX, loadY, planeY, overlap, captionX, captionY, namesX, namesY, namesWidth;
    TRect face;
    int dropLeft, margin, stopY, helpY;
  };
  const Design designs[3] = {{432, 18, 190, 56, 151, 33, 6, 7, 18, 21, 214, 21, 150, {15, 5, 95, 89}, 200, 10, 364, 288},
                             {553, 24, 243, 72, 193, 43, 8, 9, 24, 27, 274, 27, 192, {19, 6, 122, 114}, 256, 12, 483, 396},
                             {692, 30, 304, 90, 242, 54, 10, 12, 30, 34, 343, 34, 240, {24, 8, 152, 142}, 320, 16, 604, 496}};
  const Design& d = designs[set];
  const ciezarowka::Layout l = ciezarowka::LayoutFor(Display);
  EXPECT_EQ(l.truckY, d.truckY);
  EXPECT_EQ(l.truckStopX, d.stopX);
  EXPECT_EQ(l.truckText, TPoint({d.textX, d.textY}));
  EXPECT_EQ(l.loadPoint, TPoint({d.loadX, d.loadY}));
  EXPECT_EQ(l.planeY, d.planeY);
  EXPECT_EQ(l.bannerOverlap, d.overlap);
  EXPECT_EQ(l.caption, TPoint({d.captionX, d.captionY}));
  EXPECT_EQ(l.names, TPoint({d.namesX, d.namesY}));
  EXPECT_EQ(l.namesWidth, d.namesWidth);
  EXPECT_EQ(l.face, d.face);
  EXPECT_EQ(l.dropLeft, d.dropLeft);
  EXPECT_EQ(l.dropRight, Display.ArtWidth - 4);
  EXPECT_EQ(l.dropMargin, d.margin);
  EXPECT_EQ(l.stop, TPoint({18, d.stopY}));
  EXPECT_EQ(l.help, TPoint({15, d.helpY}));

  const TPoint origin{Display.GameArea.left, Display.GameArea.top};
  auto* window = new TFormCiezarowka(nullptr);
  FormCiezarowka = window;
  for (auto [button, place] : {std::pair{window->StopButton(), l.stop}, std::pair{window->HelpButton(), l.help}}) {
    EXPECT_EQ(button->Left(), origin.x + place.x);
    EXPECT_EQ(button->Top(), origin.y + place.y);
  }
  SettingsCiezarowka.PhonemeMask = 0x1;
  SettingsCiezarowka.PositionMask = kInitial | kMedial | kFinal;
  window->actNowaGra->Execute();
  EXPECT_NE(Application->OnIdle, nullptr);
  TFormCiezarowka other(nullptr);
  delete window;
  EXPECT_EQ(Application->OnIdle, nullptr);
  EXPECT_EQ(FormCiezarowka, nullptr);
  FormCiezarowka = &other;
  {
    TFormCiezarowka passing(nullptr);
  }
  EXPECT_EQ(FormCiezarowka, &other);
  FormCiezarowka = nullptr;

  testsupport::TempDir empty;
  testsupport::ScopedCwd here(empty.Path());
  try {
    TFormCiezarowka broken(nullptr);
    ADD_FAILURE() << "built without its pictures";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, TruckLayout,
                         ::testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768), std::make_pair(1280, 960),
                                           std::make_pair(1280, 1024)));

}  // namespace
