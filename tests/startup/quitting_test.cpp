#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/testing/menu_user_simulation.h"
#include "startup/handle_about_menu.h"
#include "support/corvane_session.h"

namespace {

using testing_support::CorvaneSession;

struct WayToQuit {
  const char* name;
  std::function<void()> act;
};

std::shared_ptr<platform::Window> MainWindow() {
  return platform::_GetImplicitWindow(corvane::ControlWnd::Lookup().name);
}

class QuittingTest : public CorvaneSession, public ::testing::WithParamInterface<WayToQuit> {};

// The whole run short of the framework's own start and end: start-up and the event loop, with the
// person's way of quitting waiting in the loop and a watchdog whose status no way of quitting
// gives, then the release of the program's globals.
TEST_P(QuittingTest, QuittingEndsTheEventLoopWithStatusZeroAndFinalizeReleasesTheGlobals) {
  corvane::Module1::dirty = "y";  // unshown results are no reason to ask
  auto quit = platform::RunFromEventLoop([act = GetParam().act] {
    platform::ActivateWindow(MainWindow());
    act();
  });
  auto watchdog = platform::RunFromEventLoop([] { platform::Quit(99); }, 10000);
  corvane::_Main();
  EXPECT_EQ(platform::QuitStatus(), 0);
  EXPECT_EQ(User().boxes, testing_support::Boxes{});

  std::shared_ptr<platform::MenuBar> barOfTheRun = corvane::App()->MenuBar();
  // The framework's window list goes first, before the program's own globals: the default window,
  // open and hidden for the whole run, is gone when the first of them is released.
  bool windowOpenAtTheFirstRelease = true;
  corvane::FileTypes::pText = std::shared_ptr<platform::FileType>(
      new platform::FileType(*corvane::FileTypes::pText), [&](platform::FileType* type) {
        windowOpenAtTheFirstRelease = OpenDefaultWindow() != nullptr;
        delete type;
      });
  ASSERT_NE(OpenDefaultWindow(), nullptr);
  corvane::Finalize();
  EXPECT_FALSE(windowOpenAtTheFirstRelease);
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

}  // namespace
