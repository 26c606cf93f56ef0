// The real SDL back end, on SDL's dummy video driver and disk audio driver.
#include <gtest/gtest.h>

#include <SDL.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <fstream>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Mmsystem.h"
#include "platform/SdlBackend.h"
#include "platform/Termination.h"
#include "platform/WinApi.h"
#include "tests/support/TempDir.h"

namespace {

class SdlBackendTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static testsupport::TempDir* dir = new testsupport::TempDir;
    folder = dir->Path();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder + "/out.raw").c_str(), 1);
    setenv("SDL_DISKAUDIOFILEIN", (folder + "/in.raw").c_str(), 1);
    // A known microphone signal: a ramp of 16-bit samples.
    std::vector<std::int16_t> ramp(22050);
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = std::int16_t(i % 1000);
    std::ofstream(folder + "/in.raw", std::ios::binary).write((const char*)ramp.data(), std::streamsize(ramp.size() * 2));
    InstallBackend(std::make_unique<SdlBackend>());
  }
  static SdlBackend& sdl() { return static_cast<SdlBackend&>(CurrentBackend()); }
  static std::string folder;
};
std::string SdlBackendTest::folder;

TEST_F(SdlBackendTest, FormsReachTheWindowAndClicksReachTheForms) {
  TPoint size = Screen->Width() > 0 ? TPoint{Screen->Width(), Screen->Height()} : TPoint{0, 0};
  ASSERT_GT(size.x, 0);
  TForm form(nullptr);
  form.SetBounds(0, 0, size.x, size.y);
  form.OnPaint = [&](TObject*) {
    form.Canvas()->Brush.Color = clRed;
    form.Canvas()->FillRect(form.ClientRect());
  };
  int clicks = 0;
  auto* img = new TImage(&form);
  img->SetParent(&form);
  img->SetBounds(100, 100, 50, 50);
  img->OnClick = [&](TObject*) { ++clicks; };
  form.Show();
  Application->ProcessMessages();
  EXPECT_EQ(sdl().WindowPixel(10, 10), 0xFF0000);

  // Drawing outside paint shows after the next present.
  form.Canvas()->Brush.Color = clBlue;
  form.Canvas()->FillRect(Rect(0, 0, 5, 5));
  Sleep(1);
  EXPECT_EQ(sdl().WindowPixel(2, 2), 0x0000FF);

  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = SDL_PRESSED;
  e.button.clicks = 1;
  e.button.x = 120;
  e.button.y = 120;
  SDL_PushEvent(&e);
  e.type = SDL_MOUSEBUTTONUP;
  e.button.state = SDL_RELEASED;
  SDL_PushEvent(&e);
  Application->ProcessMessages();
  EXPECT_EQ(clicks, 1);

  // A key press reaches the active form as a character.
  std::vector<char> keys;
  form.OnKeyPress = [&](TObject*, char& c) { keys.push_back(c); };
  SDL_Event k{};
  k.type = SDL_KEYDOWN;
  k.key.keysym.sym = SDLK_ESCAPE;
  SDL_PushEvent(&k);
  Application->ProcessMessages();
  EXPECT_EQ(keys, std::vector<char>{27});

  // Losing the focus while a button is held ends the capture and tells the form.
  int cancels = 0;
  form.OnCancelMode = [&](TObject*) { ++cancels; };
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.state = SDL_PRESSED;
  e.button.x = 10;
  SDL_PushEvent(&e);
  SDL_Event w{};
  w.type = SDL_WINDOWEVENT;
  w.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&w);
  Application->ProcessMessages();
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  form.Hide();
  Application->ProcessMessages();
}

// A control that notes the pointer entering and leaving it.
class HoverProbe : public TImage {
 public:
  using TImage::TImage;
  std::vector<UINT> seen;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) seen.push_back(m.Msg);
    TImage::WndProc(m);
  }
};

TEST_F(SdlBackendTest, AModalWindowTakesTheHoverAndGivesItBackAfterClosing) {
  TForm form(nullptr), dialog(nullptr);
  form.SetBounds(0, 0, 400, 300);
  dialog.SetBounds(250, 150, 100, 100);
  auto* probe = new HoverProbe(&form);
  probe->SetParent(&form);
  probe->SetBounds(100, 100, 50, 50);
  form.Show();
  Application->ProcessMessages();  // the window is up before input is pushed to it
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = 120;
  e.motion.y = 120;
  SDL_PushEvent(&e);
  Application->ProcessMessages();
  ASSERT_EQ(probe->seen, std::vector<UINT>{CM_MOUSEENTER});
  // The loop's waits end on a timer: the dialog closes itself, then the
  // timer keeps the turns after it short.
  TTimer timer(&form);
  timer.SetInterval(5);
  timer.OnTimer = [&](TObject*) { dialog.Close(); };
  dialog.ShowModal();
  EXPECT_EQ(probe->seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
  for (int turn = 0; turn < 10 && probe->seen.size() < 3; ++turn) Application->HandleMessage();
  EXPECT_EQ(probe->seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE, CM_MOUSEENTER}));
  timer.SetEnabled(false);
  form.Hide();
  Application->ProcessMessages();
}

TEST_F(SdlBackendTest, SoundsPlayAndTheMicrophoneRecords) {
  std::vector<std::int16_t> tone(2205, 1000);
  ASSERT_TRUE(WriteWaveFile(folder + "/beep.wav", tone, 22050));
  std::int64_t f = 0, t0 = 0, t1 = 0;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  EXPECT_TRUE(sndPlaySound(folder + "/beep.wav", SND_SYNC));
  QueryPerformanceCounter(&t1);
  EXPECT_GE((t1 - t0) * 1000 / f, 50);  // a 100 ms sound, played to its end
  EXPECT_TRUE(sndPlaySound(folder + "/beep.wav", SND_ASYNC));
  EXPECT_FALSE(sndPlaySound(folder + "/none.wav", SND_ASYNC));

  TSoundRecorder rec;
  ASSERT_TRUE(rec.Start());
  for (int i = 0; i < 50 && rec.Samples().size() < 4000; ++i) {
    Sleep(20);
    rec.Poll();
  }
  rec.Stop();
  ASSERT_GE(rec.Samples().size(), 1000u);
  for (std::size_t i = 0; i < 1000; ++i) ASSERT_EQ(rec.Samples()[i], std::int16_t(i % 1000)) << i;
}

// A damaged header (256 channels at about 1.1 GHz) that made the mixer divide
// by zero when the music started: 71 bytes, refused before it reaches the mixer.
std::vector<std::uint8_t> DamagedMusic() {
  std::vector<std::uint8_t> w = {'R', 'I', 'F', 'F', 63, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                 1, 0, 0, 1, 0, 0, 0x90, 0x41, 0, 0, 0, 0, 0, 2, 16, 0, 'd', 'a', 't', 'a', 27, 0, 0, 0};
  w.resize(71, 0x55);
  return w;
}

// The same header after a good fmt and data chunk: the mixer's music reader
// goes on to it.
std::vector<std::uint8_t> DamagedMusicAfterGoodData() {
  std::vector<std::uint8_t> w = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                 1, 0, 2, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, 8, 0, 'd', 'a', 't', 'a', 4, 0, 0, 0,
                                 1, 2, 3, 4};
  const std::vector<std::uint8_t> damaged = DamagedMusic();
  w.insert(w.end(), damaged.begin() + 12, damaged.end());
  w[4] = std::uint8_t(w.size() - 8);
  return w;
}

// Music is long: the back end plays the bytes it is given, not a copy.
TEST_F(SdlBackendTest, MusicPlaysFromTheBytesHandedOver) {
  ASSERT_TRUE(WriteWaveFile(folder + "/tune.wav", std::vector<std::int16_t>(44100, 300), 22050));
  std::vector<std::uint8_t> wave = ReadSoundFile(folder + "/tune.wav", kMaxSoundFileBytes);
  const std::uint8_t* bytes = wave.data();
  ASSERT_TRUE(sdl().PlayMusic("m", std::move(wave)));
  EXPECT_EQ(sdl().MusicBytes(), bytes);
  sdl().StopMusic();
  EXPECT_EQ(sdl().MusicBytes(), nullptr);
}

// A termination signal ends a wait for input with no end, and a long sound
// played to its end, at once: the loop then acts on it.
void WaitsEndOnTheSignal(const std::string& folder) {
  CatchTerminationSignals();
  ::alarm(20);  // a wait that never ends fails the test
  ASSERT_TRUE(WriteWaveFile(folder + "/long.wav", std::vector<std::int16_t>(22050 * 10, 500), 22050));
  SdlBackend b;
  b.ScreenSize();
  const std::vector<std::uint8_t> sound = ReadSoundFile(folder + "/long.wav", kMaxSoundFileBytes);
  const auto start = std::chrono::steady_clock::now();
  std::thread signal([] {
    ::usleep(50000);
    ::kill(::getpid(), SIGTERM);
  });
  b.WaitEvent(-1);
  signal.join();
  b.PlaySound("long", sound, true);
  std::_Exit(TerminationRequested() && std::chrono::steady_clock::now() - start < std::chrono::seconds(5) ? 0 : 1);
}

TEST_F(SdlBackendTest, ATerminationSignalEndsTheWaitsAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(WaitsEndOnTheSignal(folder), ::testing::ExitedWithCode(0), "");
}

TEST_F(SdlBackendTest, DamagedMusicAndSoundsAreSilenceNotACrash) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const auto& w : {DamagedMusic(), DamagedMusicAfterGoodData()}) {
    const std::string file = folder + "/music.wav";
    std::ofstream(file, std::ios::binary).write((const char*)w.data(), std::streamsize(w.size()));
    EXPECT_EXIT(std::exit(!PlayMusicFile(file) && !sndPlaySound(file, SND_SYNC) ? 0 : 1), ::testing::ExitedWithCode(0),
                "");
  }
}

}  // namespace

namespace {

// Without any audio device the program stays silent and finds no microphone.
int RunWithoutAudio() {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlBackend b;
  std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  bool played = b.PlaySound("x", wave, true);
  bool music = b.PlayMusic("m", wave);
  bool mic = b.OpenCapture();
  std::vector<std::int16_t> none;
  b.ReadCapture(none);
  return played && music && !mic && none.empty() ? 0 : 1;
}

TEST(SdlWithoutAudio, RunsSilentAndHasNoMicrophone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(RunWithoutAudio()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
