#include "platform/windows/window_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/test_windows.h"

namespace {

using platform::ScreenPoint;
using platform::ScreenRect;

// A 1024 x 768 screen with a 30-pixel panel along its top.
constexpr ScreenRect kAvailable{0, 30, 1024, 738};
constexpr int32_t kStep = 30;

struct CascadeCase {
  std::string what;
  int32_t width;
  int32_t height;
  std::vector<ScreenPoint> shown;
  ScreenPoint expected;
};

TEST(WindowPlacementTest, DocumentWindowsCascadeFromTheTopLeftOfTheAvailableArea) {
  const std::vector<CascadeCase> cases = {
      {"the first window", 502, 600, {}, {0, 30}},
      {"one after the main window", 642, 530, {{0, 30}}, {30, 60}},
      {"a third one", 429, 521, {{0, 30}, {30, 60}}, {60, 90}},
      {"a gap left by a closed window is filled", 429, 521, {{30, 60}}, {0, 30}},
      {"a window the user moved a little still counts", 429, 521, {{5, 40}}, {60, 90}},
      {"a window moved far away leaves the corner free", 429, 521, {{400, 200}}, {0, 30}},
      {"so does one far below in the same column", 429, 521, {{0, 400}}, {0, 30}},
      {"pulled back in at the bottom", 642, 730, {{0, 30}}, {30, 38}},
      {"larger than the area: its title stays on it", 1200, 900, {{0, 30}}, {0, 30}},
  };
  for (const CascadeCase& c : cases) {
    EXPECT_EQ(platform::CascadedPlace(kAvailable, c.width, c.height, c.shown, kStep), c.expected)
        << c.what;
  }
}

TEST(WindowPlacementTest, ABoxIsCentredOverItsWindowAndKeptOnTheArea) {
  const ScreenRect mainWindow{0, 30, 502, 600};
  EXPECT_EQ(platform::CentredPlace(mainWindow, 300, 200, kAvailable), (ScreenPoint{101, 230}));
  EXPECT_EQ(platform::CentredPlace(kAvailable, 302, 202, kAvailable), (ScreenPoint{361, 298}));
  // Over a window near the edge the box stays wholly on the screen.
  EXPECT_EQ(platform::CentredPlace({900, 700, 200, 100}, 300, 200, kAvailable),
            (ScreenPoint{724, 568}));
  EXPECT_EQ(platform::CentredPlace(kAvailable, 2000, 1000, kAvailable), (ScreenPoint{0, 30}));
}

TEST(WindowPlacementTest, AGivenPositionMovesOnlyAsFarAsTheTitleBarNeeds) {
  struct Case {
    ScreenPoint given;
    ScreenPoint expected;
  };
  const std::vector<Case> cases = {
      {{64, 64}, {64, 64}},      // on screen: kept
      {{40, 0}, {40, 30}},       // title bar under the panel
      {{-50, 300}, {0, 300}},    // close box off the left
      {{900, 300}, {724, 300}},  // off the right
      {{100, 760}, {100, 744}},  // all but the title bar below the screen: only that must show
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::KeptOnScreen(c.given, 300, 24, kAvailable), c.expected)
        << c.given.x << "," << c.given.y;
  }
}

using WindowFramingTest = testing_support::FrameworkSession;

// A new window's frame is moved to its place once the window manager has framed it, which may be
// long after the window appeared; a window moved in between stays where it was moved to.
TEST_F(WindowFramingTest, AWindowMovedAsItAppearsIsLeftWhereItWasMoved) {
  auto window = testing_support::TestWnd::Instance();  // its record places it at 40, 50
  platform::_SetProperties(*window, platform::PropertyRecord({{"Left", 300}, {"Top", 200}}));
  platform::ProcessPendingEvents();
  EXPECT_EQ((std::array{window->Left(), window->Top()}), (std::array{300, 200}));
  // Closed as it appears, a window leaves nothing that would move it once deleted (the sanitizer
  // build reports that).
  window->Close();
  testing_support::TestWnd::Instance()->Close();
  platform::ProcessPendingEvents();
}

}  // namespace
