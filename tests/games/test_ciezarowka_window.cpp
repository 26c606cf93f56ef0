// The truck game in the whole program on the headless back end, opened from
// the main window's starter for tab 5 and played frame by frame. After every
// frame with no window over the game, the screen shows the frame buffer
// (outside the buttons, whose hover look may differ), and the frame buffer
// holds exactly a fresh drawing of the scene: no trail, no stale text, no
// rectangle left unflushed.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "games/Fmciezarowka/Fmciezarowka.h"
#include "platform/IniFiles.h"
#include "platform/WinApi.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using shelltest::ClickOn;

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
        if (frames > 1 && !FormKoniecGry->Visible()) periodSum += hb().NowMs() - lastFrameMs, ++periods;
        lastFrameMs = hb().NowMs();
        CheckFrame();
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
  bool broken = false;
  std::unique_ptr<TBitmap> fresh;
};

TEST_F(Truck, GameFromTheMainWindowToTheTruckLeavingThenStopDuringTheEntrance) {
  int phase = 0, good = 0, bad = 0, wordSounds = 0, blames = 0, underEndOfGame = 0, startX = 0;
  CgraCie_GOPaczka* spared = nullptr;  // hinted, and left to fall past the bottom once
  CgraCie_GOPaczka* blinking = nullptr;
  bool helped = false, sparedMissed = false;
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
          ClickOn(FormKoniecGry->StartButton());  // play again
          phase = 6;
        }
        break;
      case 6:  // the new game: Esc during the entrance
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
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);

  EXPECT_TRUE(sparedMissed);
  EXPECT_EQ(good, 8);
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

// On a 1280 x 1024 screen the scene (1280 x 960 here) leaves a black band,
// not a white one. Esc during play counts the correct parcels still queued;
// the truck then drives off behind the end-of-game window, and no second
// stop follows when it has gone.
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

TEST_F(Truck, StopDuringPlayOnATallScreen) {
  int phase = 0, framesGone = 0;
  Open(1280, 1024, 0x1 | 0x2, kInitial | kMedial | kFinal, 2, [&] {
    CgraCie_GOCiezarowka& truck = W()->Truck();
    TPoint at;
    switch (phase) {
      case 0:
        if (!W()->IntroDone()) break;
        for (int x = 0; x < 1280; x += 97) {
          EXPECT_EQ(W()->FrameBuffer()->PixelColor(x, 1000), clBlack) << x;
          EXPECT_EQ(hb().ScreenPixel(x, 1023), clBlack) << x;
          EXPECT_TRUE(gametest::Near(hb().ScreenPixel(x, 500), gametest::kBackground)) << x;
        }
        phase = 1;
        break;
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

}  // namespace
