// A fixture that runs the whole program on the headless back end over a
// small data tree, with the test's steps played while it waits for input.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "shell/Startup.h"
#include "shell/_custgry.h"
#include "tests/shell/ShellTree.h"
#include "tests/support/Headless.h"

namespace shelltest {

class ShellProgram : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ResetSettings();
    startDir_ = std::filesystem::current_path();
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::current_path(startDir_, ec);
    HeadlessTest::TearDown();
    ResetSettings();
  }

  // Makes the tree (when the test has not made its own) and runs the
  // program; every scripted step must have been played by its end.
  int Run(std::vector<std::string> args = {}) {
    if (!tree) tree = std::make_unique<ShellTree>();
    options.singleInstance = false;
    int code = RunProgram(args, tree->Path(), options);
    EXPECT_EQ(hb().StepsLeft(), 0u) << "steps that never ran";
    return code;
  }
  // Adds a step, played when the program next waits for input.
  void Step(std::function<void()> step) { hb().Then(std::move(step)); }
  // The last step: the desktop asks the program to close.
  void CloseAtTheEnd() {
    Step([this] { hb().RequestClose(); });
  }

  std::string UtfBoxText(int i) const { return Headless().MessageBoxes()[std::size_t(i)].text; }

  std::unique_ptr<ShellTree> tree;
  ShellResources resources;
  RunOptions options;
  std::filesystem::path startDir_;
};

}  // namespace shelltest
