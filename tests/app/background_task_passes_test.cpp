#include <gtest/gtest.h>

#include "analysis/control_wnd.h"
#include "corvane_session.h"
#include "platform/core/background_task.h"
#include "shared/menu.h"

namespace {

int passes = 0;

using BackgroundTaskPassesTest = testing_support::CorvaneSession;

// Every loop of Corvane's own code yields once per pass, also the short ones that build the menu
// bar and register menu handlers.
TEST_F(BackgroundTaskPassesTest, MenuBuildingAndHandlerRegistrationYieldOncePerPass) {
  auto window = corvane::ControlWnd::Instance();
  const platform::BackgroundTaskHook previous = platform::detail::backgroundTaskHook;
  platform::SetBackgroundTaskHook([] { ++passes; });
  passes = 0;
  window->AddMenuHandlers(window);
  EXPECT_EQ(passes, 2) << "one per menu item the main window handles";
  corvane::Menu::ReleaseInstance();
  passes = 0;
  corvane::Menu::Instance();
  platform::SetBackgroundTaskHook(previous);
  // Twelve items appended, each after a search of the bar's titles that passes the titles before
  // its own: none for File's two, one for Edit's six, two for Window's four.
  EXPECT_EQ(passes, 12 + 0 * 2 + 1 * 6 + 2 * 4);
}

}  // namespace
