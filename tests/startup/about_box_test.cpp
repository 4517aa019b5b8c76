#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/testing/menu_user_simulation.h"
#include "support/corvane_session.h"

namespace {

using testing_support::CorvaneSession;

// Started as a person finds Corvane after the splash: the main window in front, holding input.
class AboutBoxTest : public CorvaneSession {
 protected:
  void SetUp() override {
    CorvaneSession::SetUp();
    StartUp();
    splashBox_ = OpenAboutBox().get();
    ASSERT_NE(splashBox_, nullptr);
    Window()->NVarsFld()->SetText("12");
    Window()->EigenFld()->SetText("5.43\r2.1");
    platform::ActivateWindow(Window());
  }

  // The box the splash made is the one shown, or hidden with the main window shown as it was.
  void ExpectAboutBoxShown(bool shown) {
    EXPECT_EQ(OpenAboutBox().get(), splashBox_);
    EXPECT_EQ(Shown(OpenAboutBox()), shown);
    if (shown) return;
    ASSERT_TRUE(Shown(OpenMainWindow()));
    EXPECT_EQ(Window()->NVarsFld()->Text(), "12");
    EXPECT_EQ(Window()->EigenFld()->Text(), "5.43\r2.1");
  }

  const platform::Window* splashBox_ = nullptr;
};

// Either About item shows the splash's box again; a key, a click anywhere in it or the main
// window's activation gives way to the main window as it was.
TEST_F(AboutBoxTest, TheAboutItemsShowTheSplashsBoxUntilAKeyAClickOrActivation) {
  const std::vector<std::pair<std::string, std::function<void()>>> dismissals = {
      {"x", [] { platform::PressKeyInWindow(OpenAboutBox(), "x"); }},
      {"Escape", [] { platform::PressKeyInWindow(OpenAboutBox(), "\x1B"); }},
      {"product picture", [] { platform::ClickInWindow(OpenAboutBox(), 150, 100); }},
      {"notice line", [] { platform::ClickInWindow(OpenAboutBox(), 150, 193); }},
      {"activation", [] { platform::ActivateWindow(Window()); }}};
  bool appleItem = true;
  for (const auto& [what, dismiss] : dismissals) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(platform::ChooseMenuItem(appleItem ? "AboutUlk" : "AboutMenuItem"));
    appleItem = !appleItem;
    ExpectAboutBoxShown(true);
    dismiss();
    ExpectAboutBoxShown(false);
  }
  EXPECT_EQ(User().beeps, 0);
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

// A box shows no menu bar: with the About box in front there is no menu to open.
TEST_F(AboutBoxTest, TheBoxInFrontShowsNoMenuBar) {
  EXPECT_TRUE(platform::ChooseMenuItem("AboutUlk"));
  platform::ActivateWindow(OpenAboutBox());
  EXPECT_THROW(platform::OpenMenu("FileMenu"), platform::NilObjectException);
}

}  // namespace
