// One running copy: the lock, the knock on the running copy and its answer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include "shell/Fmmain.h"
#include "shell/Singleinstance.h"
#include "tests/shell/OtherCopy.h"
#include "tests/shell/ShellProgram.h"

namespace {

using shelltest::AcquireElsewhere;
using shelltest::LaterCopy;
using shelltest::OtherCopy;
using shelltest::ShellProgram;

TEST(SingleInstance, TheSecondCopyKnocksAndTheFirstAnswers) {
  testsupport::TempDir dir;
  CSingleInstance first(dir.Path());
  ASSERT_EQ(first.Acquire(), CSingleInstance::First);
  bool answered = false;
  EXPECT_EQ(AcquireElsewhere(dir.Path(), 3000, [&] { answered = first.AnswerKnocks() || answered; }),
            CSingleInstance::RunningCopyRaised);
  EXPECT_TRUE(answered);
  EXPECT_FALSE(first.AnswerKnocks());  // nobody else knocked

  // A running copy that does not answer (its socket gone): the later copy says so.
  std::filesystem::remove(dir.File("trelamondo5.sock"));
  EXPECT_EQ(AcquireElsewhere(dir.Path(), 200), CSingleInstance::RunningCopyUnreachable);

  // Once the first copy is gone its lock is free, whatever files it left.
  first.Release();
  EXPECT_EQ(AcquireElsewhere(dir.Path(), 200), CSingleInstance::First);
}

TEST(SingleInstance, ALockLeftByACrashedCopyDoesNotHoldTheNextOne) {
  testsupport::TempDir dir;
  dir.Write("trelamondo5.lock", std::string("12345"));
  dir.Write("trelamondo5.sock", std::string(""));
  CSingleInstance copy(dir.Path());
  EXPECT_EQ(copy.Acquire(), CSingleInstance::First);
  EXPECT_EQ(AcquireElsewhere(dir.Path(), 3000, [&] { copy.AnswerKnocks(); }), CSingleInstance::RunningCopyRaised);
}

// A copy killed while a child it forked lives on (the desktop's message
// box): the child holds its descriptors but not the lock.
TEST(SingleInstance, TheLockDoesNotOutliveTheProgramInAChildItForked) {
  testsupport::TempDir dir;
  OtherCopy killed(dir.Path(), true);
  ASSERT_EQ(killed.Result(), CSingleInstance::First);
  CSingleInstance next(dir.Path());
  EXPECT_EQ(next.Acquire(200), CSingleInstance::First);
  bool answered = false;
  EXPECT_EQ(AcquireElsewhere(dir.Path(), 3000, [&] { answered = next.AnswerKnocks() || answered; }),
            CSingleInstance::RunningCopyRaised);
  EXPECT_TRUE(answered);
}

// The default folder, with the environment pointed at scratch folders.
class DefaultFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    Keep("XDG_RUNTIME_DIR", runtime_);
    Keep("TMPDIR", tmp_);
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", base.Path().c_str(), 1);
    mine = base.File("trelamondo-" + std::to_string(::getuid()));
  }
  void TearDown() override {
    Restore("XDG_RUNTIME_DIR", runtime_);
    Restore("TMPDIR", tmp_);
  }
  testsupport::TempDir base;
  std::string mine;

 private:
  struct Saved {
    bool set = false;
    std::string value;
  };
  static void Keep(const char* name, Saved& s) {
    const char* v = std::getenv(name);
    s.set = v != nullptr;
    s.value = v ? v : "";
  }
  static void Restore(const char* name, const Saved& s) {
    if (s.set) ::setenv(name, s.value.c_str(), 1);
    else ::unsetenv(name);
  }
  Saved runtime_, tmp_;
};

TEST_F(DefaultFolder, TheUsersRuntimeFolderFirst) {
  testsupport::TempDir runtime;
  ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
  EXPECT_EQ(CSingleInstance::DefaultFolder(), runtime.Path());
  ::setenv("XDG_RUNTIME_DIR", runtime.File("gone").c_str(), 1);
  EXPECT_EQ(CSingleInstance::DefaultFolder(), mine);
}

TEST_F(DefaultFolder, TheFallbackIsMadeForTheUserAlone) {
  EXPECT_EQ(CSingleInstance::DefaultFolder(), mine);
  struct stat st{};
  ASSERT_EQ(::lstat(mine.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
  // Made by an earlier run: used again.
  EXPECT_EQ(CSingleInstance::DefaultFolder(), mine);
  CSingleInstance copy;
  EXPECT_EQ(copy.Folder(), mine);
  EXPECT_EQ(copy.Acquire(), CSingleInstance::First);
  EXPECT_TRUE(std::filesystem::exists(mine + "/trelamondo5.lock"));
}

TEST_F(DefaultFolder, AFallbackNameTakenBySomeoneElseIsNotTrusted) {
  auto refused = [&] {
    EXPECT_EQ(CSingleInstance::DefaultFolder(), "");
    // Without a folder the copies run unguarded and touch nothing.
    CSingleInstance one, two;
    EXPECT_EQ(one.Acquire(), CSingleInstance::First);
    EXPECT_EQ(two.Acquire(200), CSingleInstance::First);
  };
  // Open to others.
  ASSERT_EQ(::mkdir(mine.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(mine.c_str(), 0777), 0);
  refused();
  EXPECT_FALSE(std::filesystem::exists(mine + "/trelamondo5.lock"));
  std::filesystem::remove(mine);
  // A link to a folder elsewhere, however private that is.
  testsupport::TempDir elsewhere;
  ASSERT_EQ(::chmod(elsewhere.Path().c_str(), 0700), 0);
  std::filesystem::create_directory_symlink(elsewhere.Path(), mine);
  refused();
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere.Path()));
  std::filesystem::remove(mine);
  // A file.
  base.Write("trelamondo-" + std::to_string(::getuid()), std::string("x"));
  refused();
  std::filesystem::remove(mine);
  // Another user's folder (only root can make one for the test).
  if (::getuid() == 0) {
    ASSERT_EQ(::mkdir(mine.c_str(), 0700), 0);
    ASSERT_EQ(::chown(mine.c_str(), 65534, 65534), 0);
    refused();
    EXPECT_TRUE(std::filesystem::is_empty(mine));
  }
}

class SecondCopy : public ShellProgram {
 protected:
  testsupport::TempDir lockDir;
};

TEST_F(SecondCopy, EndsAtOnceWhenTheRunningCopyAnswers) {
  OtherCopy running(lockDir.Path());
  ASSERT_EQ(running.Result(), CSingleInstance::First);
  tree = std::make_unique<shelltest::ShellTree>();
  RunOptions o;
  o.instanceFolder = lockDir.Path();
  EXPECT_EQ(RunProgram({}, tree->Path(), o), 0);
  EXPECT_EQ(hb().PresentCount(), 0);
  EXPECT_TRUE(hb().MessageBoxes().empty());
  EXPECT_FALSE(std::filesystem::exists(tree->File("Data/data.ini")));
}

TEST_F(SecondCopy, SaysSoWhenTheRunningCopyCannotBeReached) {
  OtherCopy running(lockDir.Path());
  ASSERT_EQ(running.Result(), CSingleInstance::First);
  std::filesystem::remove(lockDir.File("trelamondo5.sock"));
  tree = std::make_unique<shelltest::ShellTree>();
  RunOptions o;
  o.instanceFolder = lockDir.Path();
  EXPECT_EQ(RunProgram({}, tree->Path(), o), 1);
  ASSERT_EQ(hb().MessageBoxes().size(), 1u);
  EXPECT_EQ(hb().MessageBoxes()[0].text,
            "Aplikacja jest aktualnie uruchomiona.\n\nZamknij proces aplikajcji lub uruchom ponownie komputer.");
  EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(SecondCopy, TheRunningProgramComesToTheFrontWhenAnotherKnocks) {
  tree = std::make_unique<shelltest::ShellTree>();
  RunOptions o;
  o.instanceFolder = lockDir.Path();
  std::unique_ptr<LaterCopy> later;
  o.onReady = [&] { later = std::make_unique<LaterCopy>(lockDir.Path(), 3000); };
  // The program's timer answers the knock as the virtual time goes on.
  std::function<void()> wait = [&] {
    if (!later->Done()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      hb().AdvanceTime(250);
      hb().Then(wait);
      return;
    }
    hb().RequestClose();
  };
  hb().Then(wait);
  EXPECT_EQ(RunProgram({}, tree->Path(), o), 0);
  EXPECT_EQ(hb().StepsLeft(), 0u);
  EXPECT_EQ(later->Result(), CSingleInstance::RunningCopyRaised);
  EXPECT_GE(hb().BringToFrontCount(), 1);
  // The lock went with the program.
  EXPECT_EQ(AcquireElsewhere(lockDir.Path(), 200), CSingleInstance::First);
}

}  // namespace
