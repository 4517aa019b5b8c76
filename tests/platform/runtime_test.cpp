#include "platform/system/runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_windows.h"

namespace {

using testing_support::TestWnd;

// A test or tool program that links the framework may end with exit() and never reach
// RuntimeExit. Whatever the framework still holds then (the Qt application, an open window) must
// not be torn down after Qt's own statics are gone.
TEST(RuntimeTest, AProcessThatEndsWithoutRuntimeExitEndsCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        TestWnd::Instance()->Show();
        platform::ProcessPaintAndTimerEvents();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(EventLoopTest, AQuitBeforeTheLoopRunsEndsItAtOnceWithItsStatus) {
  platform::ResetQuitForTests();
  platform::Quit(3);
  platform::_RuntimeRun();  // would block for ever without the earlier Quit
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 3);
  platform::ResetQuitForTests();
}

}  // namespace
