#include "platform/event_loop.h"

#include <gtest/gtest.h>

namespace {

TEST(EventLoopTest, AQuitBeforeTheLoopRunsEndsItAtOnceWithItsStatus) {
  platform::ResetQuitForTests();
  platform::Quit(3);
  platform::_RuntimeRun();  // would block for ever without the earlier Quit
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 3);
  platform::ResetQuitForTests();
}

}  // namespace
