// The whole program on the SDL back end (SDL's dummy video driver and disk
// audio driver): a slot is recorded from the disk "microphone", kept, and
// played back through the disk "loudspeaker".
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/SdlBackend.h"
#include "shell/Fmmain.h"
#include "shell/Startup.h"
#include "shell/_custgry.h"
#include "tests/shell/ShellTree.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

void Push(Uint32 type, int x, int y) {
  SDL_Event e{};
  e.type = type;
  if (type == SDL_MOUSEMOTION) {
    e.motion.x = x;
    e.motion.y = y;
  } else if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
  }
  SDL_PushEvent(&e);
}

template <class C>
void ClickSdl(const C* c) {
  TPoint p = shelltest::CentreOf(c);
  Push(SDL_MOUSEMOTION, p.x, p.y);
  Push(SDL_MOUSEBUTTONDOWN, p.x, p.y);
  Push(SDL_MOUSEBUTTONUP, p.x, p.y);
}

TEST(ShellOnSdl, RecordASlotAndPlayItBack) {
  testsupport::TempDir audio;
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", audio.File("out.raw").c_str(), 1);
  setenv("SDL_DISKAUDIOFILEIN", audio.File("in.raw").c_str(), 1);
  std::vector<std::int16_t> ramp(22050);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = std::int16_t(i % 1000);
  std::ofstream(audio.File("in.raw"), std::ios::binary)
      .write(reinterpret_cast<const char*>(ramp.data()), std::streamsize(ramp.size() * 2));
  InstallBackend(std::make_unique<SdlBackend>());

  shelltest::ShellTree tree;
  shelltest::ShellResources resources;
  std::string wave = tree.File("Nagrane/Nagranie0.wav");

  // The steps, one per tick of a timer of the test; a step returns false to
  // be asked again at the next tick.
  std::vector<std::function<bool()>> steps;
  std::size_t next = 0;
  std::uint32_t waitUntil = 0;
  auto waitMs = [&](std::uint32_t ms) {
    steps.push_back([&, ms] {
      if (waitUntil == 0) waitUntil = SDL_GetTicks() + ms;
      if (SDL_GetTicks() < waitUntil) return false;
      waitUntil = 0;
      return true;
    });
  };
  steps.push_back([] { return ClickSdl(FormMain->TabToggle(6)->GetImage()), true; });
  steps.push_back([] { return ClickSdl(FormMain->Row(0)->Area()), true; });
  steps.push_back([] {
    EXPECT_EQ(CurrentTab, 6);
    EXPECT_EQ(FormMain->MarkedSlot(), 0);
    return ClickSdl(FormMain->Button(TFormMain::bRecord)), true;
  });
  waitMs(700);
  steps.push_back([] {
    EXPECT_TRUE(FormMain->Recording());
    return ClickSdl(FormMain->Button(TFormMain::bStop)), true;
  });
  steps.push_back([&] {
    EXPECT_FALSE(FormMain->Recording());
    EXPECT_TRUE(std::filesystem::exists(wave));
    return true;
  });
  waitMs(1200);  // played back at once, through the disk driver
  steps.push_back([] { return ClickSdl(FormMain->Button(TFormMain::bPlay)), true; });
  waitMs(300);
  steps.push_back([] {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    return true;
  });

  std::unique_ptr<TTimer> driver;
  RunOptions options;
  options.singleInstance = false;
  options.onReady = [&] {
    driver = std::make_unique<TTimer>(nullptr);
    driver->SetInterval(50);
    driver->OnTimer = [&](TObject*) {
      if (next < steps.size() && steps[next]()) ++next;
    };
  };
  EXPECT_EQ(RunProgram({}, tree.Path(), options), 0);
  driver.reset();
  EXPECT_EQ(next, steps.size());

  // The recording holds the microphone's samples.
  std::ifstream f(wave, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 44u + 2000u);
  const std::int16_t* samples = reinterpret_cast<const std::int16_t*>(bytes.data() + 44);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(samples[i], std::int16_t(i % 1000)) << i;
  std::size_t n = (bytes.size() - 44) / 2;
  EXPECT_GE(n, std::size_t(22050 * 4 / 10));  // about 0.7 s
  EXPECT_LE(n, std::size_t(22050 * 3));
  // Something reached the disk loudspeaker.
  EXPECT_GT(std::filesystem::file_size(audio.File("out.raw")), 0u);
  ShutdownPlatform();
}

}  // namespace
