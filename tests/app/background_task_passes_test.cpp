#include <gtest/gtest.h>

#include "analysis/control_wnd.h"
#include "app/menu.h"
#include "corvane_session.h"
#include "platform/background_task.h"

namespace {

using testing_support::CorvaneSession;

int passes = 0;

void CountPass() {
  ++passes;
}

// Counts the passes through the background task while it lives.
class CountedPasses {
 public:
  CountedPasses() : previous_(platform::detail::backgroundTaskHook) {
    passes = 0;
    platform::SetBackgroundTaskHook(&CountPass);
  }
  ~CountedPasses() { platform::SetBackgroundTaskHook(previous_); }
  CountedPasses(const CountedPasses&) = delete;
  CountedPasses& operator=(const CountedPasses&) = delete;

 private:
  platform::BackgroundTaskHook previous_;
};

using BackgroundTaskPassesTest = CorvaneSession;

// Every loop of Corvane's own code yields once per pass, also the short ones that build the menu
// bar and register menu handlers.
TEST_F(BackgroundTaskPassesTest, MenuBuildingAndHandlerRegistrationYieldOncePerPass) {
  auto window = corvane::ControlWnd::Instance();
  {
    CountedPasses counted;
    window->AddMenuHandlers(window);
    EXPECT_EQ(passes, 2) << "one per menu item the main window handles";
  }
  corvane::Menu::ReleaseInstance();
  CountedPasses counted;
  corvane::Menu::Instance();
  // Twelve items appended, each after a search of the bar's titles that passes the titles before
  // its own: none for File's two, one for Edit's six, two for Window's four.
  EXPECT_EQ(passes, 12 + 0 * 2 + 1 * 6 + 2 * 4);
}

}  // namespace
