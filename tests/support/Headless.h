// A fixture that gives each test a fresh application and headless back end.
#pragma once
#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "platform/Termination.h"

namespace testsupport {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Headless().Reset();
    Headless().SetScreenSize(1024, 768);
    Application->ResetForTests();
  }
  void TearDown() override {
    Headless().ClearScript();
    Application->ResetForTests();
    ForgetTerminationRequest();
  }
  HeadlessBackend& hb() { return Headless(); }
};

}  // namespace testsupport
