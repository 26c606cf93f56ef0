// The recorder tab: the slot list and its file, recording into a slot and
// playing it back, the 60 s limit, the try-out, the messages and scrolling.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/IniFiles.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmmain.h"
#include "shell/_cnagrywanie.h"
#include "tests/shell/ShellProgram.h"
#include "tests/support/DamagedFiles.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"
#include "toolkit/_cscrollbar.h"

namespace {

using shelltest::ClickOn;
using shelltest::ShellProgram;

// ---- the list ----

TEST(RecordingList, StoreWritesTheWaveWholeThenTheList) {
  testsupport::TempDir dir;
  std::string folder = dir.File("Nagrane");
  CRecordings list(folder);
  list.Load();  // no folder, no list: all slots free
  for (int i = 0; i < kRecordingSlots; ++i) EXPECT_FALSE(list.Has(i));

  std::vector<std::int16_t> samples(22050, 7);
  ASSERT_TRUE(list.Store(4, samples, "2031-02-03 04:05"));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(FileSize(list.WaveFile(4)), 44 + 2 * 22050);
  EXPECT_FALSE(FileExists(list.WaveFile(4) + ".tmp"));
  EXPECT_EQ(list.Name(4), "Nagranie 5");
  EXPECT_EQ(list.Date(4), "2031-02-03 04:05");

  TIniFile ini(dir.File("Nagrane/record.xtr"));
  for (int i = 0; i < kRecordingSlots; ++i) EXPECT_TRUE(ini.SectionExists("Nagranie" + std::to_string(i))) << i;
  EXPECT_EQ(ini.ReadString("Nagranie4", "Plik", ""), "Nagranie4.wav");
  EXPECT_EQ(ini.ReadString("Nagranie4", "Nazwa", ""), "Nagranie 5");
  EXPECT_EQ(ini.ReadString("Nagranie4", "Data", ""), "2031-02-03 04:05");
  EXPECT_EQ(ini.ReadString("Nagranie5", "Plik", "x"), "");

  // Read back; a name from the list is kept, a file the list does not name
  // gets its number, and a leftover of an interrupted recording goes.
  dir.Write("Nagrane/record.xtr", std::string("[Nagranie4]\nNazwa=Ola: szafa\nData=2031-02-03 04:05\n"
                                              "[Nagranie0]\nNazwa=pierwsze\nData=2030-01-01 00:00\n"));
  dir.Write("Nagrane/Nagranie9.wav", std::vector<std::uint8_t>(44, 0));
  dir.Write("Nagrane/Nagranie0.wav", std::vector<std::uint8_t>(44, 0));
  dir.Write("Nagrane/Nagranie2.wav.tmp", std::string("half"));
  CRecordings again(folder);
  again.Load();
  EXPECT_EQ(again.Name(4), "Ola: szafa");
  EXPECT_EQ(again.Name(0), "pierwsze");
  EXPECT_EQ(again.Date(0), "2030-01-01 00:00");
  EXPECT_EQ(again.Name(9), "Nagranie 10");
  EXPECT_FALSE(again.Has(2));
  EXPECT_FALSE(std::filesystem::exists(dir.File("Nagrane/Nagranie2.wav.tmp")));
  EXPECT_EQ(again.Name(3), "");
  EXPECT_FALSE(again.Has(-1));
  EXPECT_FALSE(again.Has(30));
}

TEST(RecordingList, AFailedWriteLeavesTheSlotAsItWas) {
  testsupport::TempDir dir;
  std::string folder = dir.File("Nagrane");
  CRecordings list(folder);
  list.Load();
  ASSERT_TRUE(list.Store(0, std::vector<std::int16_t>(100, 1), "d1"));
  // The slot's file name is taken by a folder: the new recording cannot land.
  std::filesystem::create_directories(dir.File("Nagrane/Nagranie1.wav.tmp"));
  EXPECT_FALSE(list.Store(1, std::vector<std::int16_t>(100, 2), "d2"));
  EXPECT_FALSE(list.Has(1));
  EXPECT_EQ(FileSize(list.WaveFile(0)), 44 + 200);
  EXPECT_FALSE(list.Store(30, {}, "d"));
  {
    // A recording that does not reach the disk (a full disk) replaces nothing.
    testsupport::FileSizeLimit full(100);
    EXPECT_FALSE(list.Store(0, std::vector<std::int16_t>(60, 5), "d4"));
  }
  EXPECT_EQ(FileSize(list.WaveFile(0)), 44 + 200);
  EXPECT_EQ(list.Date(0), "d1");
  EXPECT_FALSE(FileExists(list.WaveFile(0) + ".tmp"));
  // No folder can be made where a file stands in its way.
  dir.Write("Plik", std::string("x"));
  CRecordings blocked(dir.File("Plik/Nagrane"));
  blocked.Load();
  EXPECT_FALSE(blocked.Store(2, std::vector<std::int16_t>(100, 3), "d3"));
  EXPECT_FALSE(blocked.Has(2));
}

// The date a recording is kept with is now's, as the list writes it.
TEST(RecordingList, TheDateIsNowsYearToMinute) {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  const std::string now = CRecordings::Now();
  ASSERT_EQ(now.size(), 16u) << now;
  EXPECT_EQ(now.substr(0, 5), std::to_string(1900 + tm.tm_year) + "-") << now;
  EXPECT_EQ(now[7], '-');
  EXPECT_EQ(now[10], ' ');
  EXPECT_EQ(now[13], ':');
}

// A list that cannot be read and a recording larger than any the recorder
// makes are each named on standard error with the reason.
TEST(RecordingList, WhatCannotBeReadIsSaid) {
  testsupport::TempDir dir;
  std::filesystem::create_directories(dir.File("Nagrane"));
  std::filesystem::create_symlink("/sys/devices/system/cpu/online", dir.File("Nagrane/record.xtr"));
  const std::string big = dir.Write("Nagrane/Nagranie2.wav", std::vector<std::uint8_t>(44, 0));
  ASSERT_EQ(::truncate(big.c_str(), kMaxRecordingFileBytes + 1), 0);
  testing::internal::CaptureStderr();
  CRecordings list(dir.File("Nagrane"));
  list.Load();
  EXPECT_TRUE(ReadRecordingFile(list.WaveFile(2)).empty());
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("record.xtr"), std::string::npos) << err;
  EXPECT_NE(err.find("Nagranie2.wav\" is too large"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_TRUE(list.Has(2));
}

TEST(RecordingList, WaveBytesAreAPlayableRiffWave) {
  std::vector<std::int16_t> s(22050, -3);
  std::vector<std::uint8_t> w = WaveBytes(s, 22050);
  EXPECT_TRUE(IsRiffWave(w));
  EXPECT_EQ(WaveDurationMs(w), 1000);
  EXPECT_EQ(w.size(), 44u + 44100u);
  EXPECT_EQ(w[44], 0xFD);
  EXPECT_EQ(w[45], 0xFF);
}

// ---- the tab ----

class Recorder : public ShellProgram {
 protected:
  void SetUp() override {
    ShellProgram::SetUp();
    hb().SetMicrophoneSignal([](std::int64_t i) { return std::int16_t(i % 500); });
  }
  void ClickButton(TFormMain::ButtonId id) {
    Step([this, id] { ClickOn(FormMain->Button(id)); });
  }
  void Wait(int ms) {
    Step([this, ms] { hb().AdvanceTime(ms); });
  }
  void ExpectMessageAndClose(std::int16_t code) {
    Step([this, code] {
      ASSERT_TRUE(FormKomunikat->Visible());
      EXPECT_EQ(FormKomunikat->Message(), code);
      ClickOn(FormKomunikat->StopButton());
    });
  }
  void GoToTheRecorder() {
    Step([this] { ClickOn(FormMain->TabToggle(6)->GetImage()); });
  }
  std::string Wave(int slot) { return tree->File("Nagrane/Nagranie" + std::to_string(slot) + ".wav"); }
  int Count(const std::string& name) {
    int n = 0;
    for (const auto& s : hb().Sounds())
      if (s.name.size() >= name.size() && s.name.compare(s.name.size() - name.size(), name.size(), name) == 0) ++n;
    return n;
  }
};

TEST_F(Recorder, RecordIntoTheMarkedSlotThenHearItBack) {
  GoToTheRecorder();
  ClickButton(TFormMain::bRecord);
  ExpectMessageAndClose(kMsgNoRecordingMarked);
  Step([this] { ClickOn(FormMain->Row(2)->Area()); });
  Step([this] {
    EXPECT_EQ(FormMain->MarkedSlot(), 2);
    EXPECT_TRUE(FormMain->Row(2)->Mark()->GetChecked());
    ClickOn(FormMain->Button(TFormMain::bPlay));
  });
  ExpectMessageAndClose(kMsgSlotEmpty);
  ClickButton(TFormMain::bRecord);
  Step([this] {
    EXPECT_TRUE(FormMain->Recording());
    EXPECT_EQ(hb().Music(), "");  // the music keeps quiet while the microphone listens
    hb().AdvanceTime(3000);
  });
  Step([this] {
    EXPECT_EQ(FormMain->StatusText(), "Nagrywanie do miejsca 3: 0:03 z 1:00");
    ClickOn(FormMain->Button(TFormMain::bStop));
  });
  Step([this] {
    EXPECT_FALSE(FormMain->Recording());
    // Kept whole, and played back at once.
    std::int64_t size = FileSize(Wave(2));
    EXPECT_GE(size, 44 + 2 * 3 * 22050);
    EXPECT_LE(size, 44 + 2 * 4 * 22050);
    EXPECT_EQ(Count("Nagranie2.wav"), 1);
    EXPECT_EQ(FormMain->StatusText(), "Odtwarzanie nagrania 3");
    TIniFile ini(tree->File("Nagrane/record.xtr"));
    EXPECT_EQ(ini.ReadString("Nagranie2", "Plik", ""), "Nagranie2.wav");
    EXPECT_EQ(ini.ReadString("Nagranie2", "Nazwa", ""), "Nagranie 3");
    EXPECT_EQ(ini.ReadString("Nagranie2", "Data", "").size(), 16u);
    hb().AdvanceTime(5000);
  });
  Step([this] {
    // The playback is over: the music is back.
    EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");
    ClickOn(FormMain->Button(TFormMain::bPlay));
  });
  Step([this] {
    EXPECT_EQ(Count("Nagranie2.wav"), 2);
    // Stop cuts the playback.
    ClickOn(FormMain->Button(TFormMain::bTryStop));
  });
  Step([this] { EXPECT_FALSE(hb().SoundPlayingNow()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);

  // The samples are the microphone's.
  std::ifstream f(Wave(2), std::ios::binary);
  f.seekg(44 + 2 * 777);
  std::int16_t v = 0;
  f.read(reinterpret_cast<char*>(&v), 2);
  EXPECT_EQ(v, 777 % 500);
}

// Damaged recordings: junk, and a header whose byte rate of 1 made a few
// kilobytes last for days. Each is refused with a message, the music plays
// on, and the slot takes a new recording that plays.
TEST_F(Recorder, ADamagedRecordingIsRefusedAndTheSlotStaysUsable) {
  tree = std::make_unique<shelltest::ShellTree>();
  std::vector<std::uint8_t> slow = WaveBytes(std::vector<std::int16_t>(2000, 1), kRecordRate);
  slow[28] = 1, slow[29] = slow[30] = slow[31] = 0;
  tree->dir.Write("Nagrane/Nagranie3.wav", slow);
  tree->dir.Write("Nagrane/Nagranie4.wav", std::vector<std::uint8_t>{'R', 'I', 'F', 'F', 8, 0, 0, 0, 'W', 'A', 'V', 'E', 1, 2});
  GoToTheRecorder();
  for (int slot : {3, 4}) {
    Step([this, slot] { ClickOn(FormMain->Row(slot)->Area()); });
    ClickButton(TFormMain::bPlay);
    ExpectMessageAndClose(kMsgRecordingDamaged);
    Step([this] {
      EXPECT_EQ(FormMain->StatusText(), "Zaznacz miejsce na li\234" "cie, nagraj i pos\263uchaj.");
      EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");
      EXPECT_TRUE(hb().Sounds().empty());
    });
  }
  ClickButton(TFormMain::bRecord);
  Wait(1000);
  ClickButton(TFormMain::bStop);
  Step([this] {
    EXPECT_EQ(Count("Nagranie4.wav"), 1);
    EXPECT_EQ(hb().Sounds().back().durationMs, 1000);
  });
  CloseAtTheEnd();
  testing::internal::CaptureStderr();
  EXPECT_EQ(Run(), 0);
  // Each refusal named its file, once.
  const std::string err = testing::internal::GetCapturedStderr();
  for (const char* line : {"trelamondo: Nagrane\\Nagranie3.wav: not a recording the recorder makes",
                           "trelamondo: Nagrane\\Nagranie4.wav: not a recording the recorder makes"}) {
    const std::size_t at = err.find(line);
    EXPECT_NE(at, std::string::npos) << err;
    EXPECT_EQ(err.find(line, at + 1), std::string::npos) << err;
  }
}

TEST_F(Recorder, ARecordingStopsByItselfAfterSixtySeconds) {
  GoToTheRecorder();
  Step([this] { ClickOn(FormMain->Row(0)->Mark()->GetImage()); });
  ClickButton(TFormMain::bRecord);
  for (int i = 0; i < 59; ++i) Wait(1000);
  Step([this] {
    EXPECT_TRUE(FormMain->Recording());
    hb().AdvanceTime(1000);
  });
  Step([this] {
    EXPECT_FALSE(FormMain->Recording());
    EXPECT_EQ(FileSize(Wave(0)), 44 + 2 * kMaxRecordingSamples);
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
}

TEST_F(Recorder, WithoutAMicrophoneOnlyTheMessageShows) {
  GoToTheRecorder();
  Step([this] { ClickOn(FormMain->Row(1)->Area()); });
  Step([this] {
    hb().SetMicrophone(false);
    ClickOn(FormMain->Button(TFormMain::bRecord));
  });
  ExpectMessageAndClose(kMsgNoMicrophone);
  Step([this] {
    EXPECT_FALSE(FormMain->Recording());
    EXPECT_EQ(FormMain->MarkedSlot(), 1);
    EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");
    ClickOn(FormMain->Button(TFormMain::bTryRecord));
  });
  ExpectMessageAndClose(kMsgNoMicrophone);
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(std::filesystem::exists(tree->File("Nagrane/record.xtr")));
  EXPECT_FALSE(std::filesystem::exists(Wave(1)));
}

TEST_F(Recorder, TheTryOutIsHeardButNeverSaved) {
  GoToTheRecorder();
  ClickButton(TFormMain::bTryPlay);
  ExpectMessageAndClose(kMsgNoTryOut);
  ClickButton(TFormMain::bTryRecord);
  Wait(2000);
  ClickButton(TFormMain::bTryStop);
  Step([this] {
    EXPECT_EQ(Count("proba"), 1);
    EXPECT_EQ(hb().Sounds().back().durationMs, 2000);
    // Without "play at once" the next one waits for its play button.
    ClickOn(FormMain->OptionToggle(0)->GetImage());
  });
  ClickButton(TFormMain::bTryRecord);
  Wait(1000);
  ClickButton(TFormMain::bTryStop);
  Step([this] {
    EXPECT_FALSE(RecorderOptions.playAfterRecording);
    EXPECT_EQ(Count("proba"), 1);
    ClickOn(FormMain->Button(TFormMain::bTryPlay));
  });
  Step([this] {
    EXPECT_EQ(Count("proba"), 2);
    EXPECT_EQ(hb().Sounds().back().durationMs, 1000);
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(std::filesystem::exists(tree->File("Nagrane")));
  EXPECT_FALSE(TIniFile(tree->File("Data/data.ini")).ReadBool("Nagrywanie", "OdtwarzajPoNagraniu", true));
}

TEST_F(Recorder, ProtectedRecordingsAreNotRecordedOver) {
  GoToTheRecorder();
  Step([this] {
    ClickOn(FormMain->Row(0)->Area());
    ClickOn(FormMain->OptionToggle(1)->GetImage());
  });
  ClickButton(TFormMain::bRecord);  // a free slot may be recorded into
  Wait(1000);
  ClickButton(TFormMain::bStop);
  Step([this] {
    EXPECT_TRUE(FormMain->Recordings().Has(0));
    ClickOn(FormMain->Button(TFormMain::bRecord));
  });
  ExpectMessageAndClose(kMsgSlotProtected);
  Step([this] { EXPECT_FALSE(FormMain->Recording()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(TIniFile(tree->File("Data/data.ini")).ReadBool("Nagrywanie", "ChronNagrania", false));
}

TEST_F(Recorder, LeavingTheTabOrTheProgramKeepsWhatWasRecorded) {
  GoToTheRecorder();
  Step([this] { ClickOn(FormMain->Row(5)->Area()); });
  ClickButton(TFormMain::bRecord);
  Wait(1500);
  Step([this] { ClickOn(FormMain->TabToggle(1)->GetImage()); });
  Step([this] {
    EXPECT_FALSE(FormMain->Recording());
    EXPECT_TRUE(std::filesystem::exists(Wave(5)));
    ClickOn(FormMain->TabToggle(6)->GetImage());
  });
  Step([this] { ClickOn(FormMain->Row(6)->Area()); });
  ClickButton(TFormMain::bRecord);
  Wait(1000);
  CloseAtTheEnd();  // closing while recording
  EXPECT_EQ(Run(), 0);
  EXPECT_GE(FileSize(Wave(6)), 44 + 2 * 22050);
}

TEST_F(Recorder, TheListScrollsRowByRowWithinItsThirtySlots) {
  int trackTop = 0;
  // The rows are on the screen on the recorder's tab only.
  TPoint rowPlace{};
  Step([&] {
    rowPlace = FormMain->Row(0)->Area()->ClientToScreen(TPoint{FormMain->Row(0)->Rect().Width() - 5, 4});
    EXPECT_NE(hb().ScreenPixel(rowPlace.x, rowPlace.y), RGB(252, 250, 242));
  });
  GoToTheRecorder();
  Step([&] { EXPECT_EQ(hb().ScreenPixel(rowPlace.x, rowPlace.y), RGB(252, 250, 242)); });
  Step([&] {
    CScrollBut* knob = FormMain->ScrollIndicator()->Knob();
    EXPECT_TRUE(knob->Visible());
    trackTop = knob->Top();
    EXPECT_EQ(trackTop, FormMain->Button(TFormMain::bUp)->Top() + 30);
    EXPECT_EQ(knob->Left(), FormMain->Button(TFormMain::bUp)->Left() + 4);
    // The track between the arrows takes no click: its last row first...
    TPoint p = shelltest::CentreOf(knob);
    hb().Click(p.x, FormMain->Button(TFormMain::bDown)->ClientToScreen(TPoint{0, 0}).y - 1);
  });
  // A step down leaves the background where the knob's top rows were, on the screen.
  TPoint knobTop{};
  TColor knobColour = 0;
  Step([&] {
    EXPECT_EQ(FormMain->TopRow(), 0);
    CScrollBut* knob = FormMain->ScrollIndicator()->Knob();
    knobTop = knob->ClientToScreen(TPoint{knob->Width() / 2, 0});
    knobColour = hb().ScreenPixel(knobTop.x, knobTop.y);
    ClickOn(FormMain->Button(TFormMain::bDown));
  });
  Step([&] {
    EXPECT_EQ(FormMain->TopRow(), 1);
    EXPECT_NE(knobColour, clBlack);
    EXPECT_EQ(hb().ScreenPixel(knobTop.x, knobTop.y), clBlack);  // the test tree's background there
  });
  for (int i = 1; i < 25; ++i) ClickButton(TFormMain::bDown);
  Step([&] {
    EXPECT_EQ(FormMain->TopRow(), kLastTopRow);
    EXPECT_EQ(FormMain->Row(0)->Slot(), 22);
    EXPECT_EQ(FormMain->Row(7)->Slot(), 29);
    // The knob's last place is within a step of "down" and clear of it.
    CScrollBut* knob = FormMain->ScrollIndicator()->Knob();
    int downTop = FormMain->Button(TFormMain::bDown)->Top();
    EXPECT_LE(knob->Top() + knob->Height(), downTop);
    EXPECT_GT(knob->Top() + knob->Height() + (downTop - trackTop) / 22, downTop);
    // ... and its first row.
    CPrzyciskW* up = FormMain->Button(TFormMain::bUp);
    TPoint p = up->ClientToScreen(TPoint{up->Width() / 2, up->Height()});
    hb().Click(p.x, p.y);
  });
  Step([this] {
    EXPECT_EQ(FormMain->TopRow(), kLastTopRow);
    // Marking follows the slot, not the row.
    ClickOn(FormMain->Row(7)->Area());
  });
  Step([this] {
    EXPECT_EQ(FormMain->MarkedSlot(), 29);
    TPoint p = shelltest::CentreOf(FormMain->Row(3)->Area());
    hb().Wheel(p.x, p.y, 3);  // the wheel scrolls the list too
  });
  Step([this] { EXPECT_EQ(FormMain->TopRow(), 21); });
  for (int i = 0; i < 30; ++i) ClickButton(TFormMain::bUp);
  Step([&] {
    EXPECT_EQ(FormMain->TopRow(), 0);
    EXPECT_EQ(FormMain->ScrollIndicator()->Knob()->Top(), trackTop);
    // The mark of the marked row takes the mark off.
    for (int i = 0; i < kLastTopRow; ++i) ClickOn(FormMain->Button(TFormMain::bDown));
  });
  Step([this] { ClickOn(FormMain->Row(7)->Mark()->GetImage()); });
  Step([this] {
    EXPECT_EQ(FormMain->MarkedSlot(), -1);
    ClickOn(FormMain->TabToggle(1)->GetImage());
  });
  Step([this] { EXPECT_FALSE(FormMain->ScrollIndicator()->Knob()->Visible()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
}

}  // namespace
