#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/handle_about_menu.h"
#include "app/module1.h"
#include "corvane_session.h"
#include "platform/menu_user_simulation.h"

namespace {

using testing_support::CorvaneSession;

// A status no way of quitting gives: the loop was ended by the watchdog, not by the program.
constexpr int32_t kWatchdogStatus = 99;
constexpr int32_t kWatchdogMilliseconds = 10000;

struct WayToQuit {
  const char* name;
  std::function<void()> act;
};

void PrintTo(const WayToQuit& way, std::ostream* out) {
  *out << way.name;
}

std::shared_ptr<platform::Window> MainWindow() {
  return platform::_GetImplicitWindow(corvane::ControlWnd::Lookup().name);
}

// The whole run short of the framework's own start and end: start-up and the event loop (_Main),
// with the person's way of quitting waiting in the loop, then the program's release of its
// globals (Finalize).
class QuittingTest : public CorvaneSession, public ::testing::WithParamInterface<WayToQuit> {
 protected:
  void RunUntilQuit() {
    auto quit = platform::RunFromEventLoop([act = GetParam().act] {
      platform::ActivateWindow(MainWindow());
      act();
    });
    auto watchdog =
        platform::RunFromEventLoop([] { platform::Quit(kWatchdogStatus); }, kWatchdogMilliseconds);
    corvane::_Main();
  }
};

TEST_P(QuittingTest, QuittingEndsTheEventLoopWithStatusZeroAndFinalizeReleasesTheGlobals) {
  corvane::Module1::dirty = "y";
  RunUntilQuit();
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
  EXPECT_EQ(User().messages, std::vector<std::string>{});

  std::shared_ptr<platform::MenuBar> barOfTheRun = corvane::App()->MenuBar();
  ASSERT_NE(barOfTheRun, nullptr);
  corvane::Finalize();
  EXPECT_EQ(corvane::FileTypes::pText, nullptr);
  EXPECT_EQ(corvane::FileTypes::pUntitledType, nullptr);
  EXPECT_EQ(corvane::Module1::dirty, "");
  EXPECT_EQ(corvane::Module1::gArray, nullptr);
  EXPECT_NE(corvane::Menu::Instance(), barOfTheRun) << "the bar of the run was released";
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, QuittingTest,
    ::testing::Values(WayToQuit{"FileQuit", [] { platform::ChooseMenuItem("FileQuit"); }},
                      WayToQuit{"CmdQ", [] { platform::PressShortcut("Cmd+Q"); }},
                      WayToQuit{"CloseBox", [] { platform::CloseByCloseBox(MainWindow()); }}),
    [](const ::testing::TestParamInfo<WayToQuit>& way) { return std::string(way.param.name); });

using ClosingTheMainWindowTest = CorvaneSession;

TEST_F(ClosingTheMainWindowTest, QuitsEvenWithUnshownResultsAndTheAboutBoxUp) {
  StartUp();
  corvane::Module1::dirty = "y";
  corvane::App()->_AboutUlk_Action();
  platform::CloseByCloseBox(MainWindow());
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
  EXPECT_EQ(User().questions, std::vector<std::string>{});
  EXPECT_EQ(MainWindow(), nullptr) << "closed for good";
}

}  // namespace
