#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/corvane_session.h"

namespace {

using testing_support::CorvaneSession;
using testing_support::InstallSteppingTicks;

using StartupTest = CorvaneSession;

// Initialize registers the classes and makes the result array but opens nothing; the
// application object holds its bar from its registration on, as the first menu enabling, which
// may come at any moment from then on, looks AboutUlk up in it.
TEST_F(StartupTest, StartUpRegistersTheAppWithItsBarThenTheSplashShowsTheAboutBoxAlone) {
  // The program's other classes are held to their tables elsewhere; the graph's has none.
  EXPECT_NE(platform::FindClassRecord("GxLineGraph"), nullptr);
  ASSERT_NE(corvane::Module1::gArray, nullptr);
  EXPECT_EQ(corvane::Module1::gArray->Ubound(1), 99);
  EXPECT_EQ(corvane::Module1::gArray->Ubound(2), 3);
  EXPECT_EQ(platform::_GetAppObject(), nullptr);
  EXPECT_EQ(OpenDefaultWindow(), nullptr);
  EXPECT_TRUE(platform::RegisteredFileTypes().empty());

  int readingsWithAboutBoxAlone = 0;
  bool defaultWindowEverShown = false;
  std::shared_ptr<platform::MenuBar> barDuringSplash;
  auto readings = InstallSteppingTicks(kStartTicks, 60, [&] {
    barDuringSplash = platform::_GetAppObject()->MenuBar();
    defaultWindowEverShown |= Shown(OpenDefaultWindow());
    if (Shown(OpenAboutBox()) && !OpenMainWindow()) ++readingsWithAboutBoxAlone;
  });
  // Looked at before the main window's activation is delivered, which would hide the box anyway.
  corvane::_Startup();
  EXPECT_EQ(*readings, 4) << "one reading for the start, then whole seconds up to three";
  EXPECT_EQ(readingsWithAboutBoxAlone, *readings);
  EXPECT_FALSE(defaultWindowEverShown);
  EXPECT_EQ(barDuringSplash, corvane::Menu::Instance());
  EXPECT_EQ(OpenDefaultWindow()->MenuBar(), corvane::Menu::Instance());
}

// The wait ends once the whole-second count has moved on by three from the first reading: a
// little over two to three seconds of the clock, whatever the phase of that reading. A tick count
// negative as an Int32 ends it at once; one that wraps during the wait ends it instead of hanging.
struct SplashClock {
  const char* name;
  int64_t first, step;
  int readings;
};

class SplashClockTest : public CorvaneSession, public ::testing::WithParamInterface<SplashClock> {};

TEST_P(SplashClockTest, TheSplashEndsOnTimeAndTheMainWindowShows) {
  auto readings = InstallSteppingTicks(GetParam().first, GetParam().step);
  StartUp();
  EXPECT_EQ(*readings, GetParam().readings);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_FALSE(Shown(OpenDefaultWindow()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, SplashClockTest,
    ::testing::Values(SplashClock{"StartOfASecond", 60 * 1000, 1, 3 * 60 + 1},
                      SplashClock{"EndOfASecond", 60 * 1000 + 59, 1, 2 * 60 + 2},
                      SplashClock{"Negative", -3 * 60, 60, 1},
                      SplashClock{"Wrapping", std::numeric_limits<int32_t>::max() - 60, 60, 3}),
    [](const ::testing::TestParamInfo<SplashClock>& clock) {
      return std::string(clock.param.name);
    });

}  // namespace
