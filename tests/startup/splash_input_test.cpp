#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "support/corvane_session.h"
#include "support/process_events_until.h"

namespace {

using Clock = std::chrono::steady_clock;
using SplashInputTest = testing_support::CorvaneSession;

// The splash waits in a loop that calls the background task. A key and a click on the About box
// meanwhile wait for the loop to end: they cannot cut the splash short.
TEST_F(SplashInputTest, AKeyAndAClickOnTheSplashWaitUntilItsTimeIsUp) {
  bool acted = false;
  std::shared_ptr<void> person = platform::RunFromEventLoop([&] {
    platform::PressKeyInWindow(OpenAboutBox(), "x");
    platform::ClickInWindow(OpenAboutBox(), 150, 100);
    acted = true;
  });
  // Delivered by the background task; after it, whatever came before has had its chance too.
  bool delivered = false;
  std::shared_ptr<void> marker = platform::RunAsWindowSystemEvent([&] { delivered = true; });
  int readings = 0;
  int readingsWithSplash = 0;
  // The clock stands still until the task has delivered the marker, then moves a second a reading.
  const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(2);
  platform::SetTicksSourceForTests([&, ticks = int64_t{kStartTicks}]() mutable {
    ++readings;
    if (Shown(OpenAboutBox())) ++readingsWithSplash;
    if (delivered || Clock::now() > giveUp) ticks += 60;
    return ticks;
  });
  StartUp();
  EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return acted; }));
  EXPECT_TRUE(delivered);
  EXPECT_EQ(readingsWithSplash, readings);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

}  // namespace
