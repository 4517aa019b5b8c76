#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/handle_about_menu.h"
#include "corvane_session.h"
#include "platform/menu_user_simulation.h"

namespace {

using testing_support::CorvaneSession;

// Started as a person finds Corvane after the splash: the main window in front, holding some of
// the person's input.
class AboutBoxTest : public CorvaneSession {
 protected:
  void SetUp() override {
    CorvaneSession::SetUp();
    StartUp();
    splashBox_ = OpenAboutBox().get();
    ASSERT_NE(splashBox_, nullptr);
    MainWindow()->NVarsFld()->SetText("12");
    MainWindow()->EigenFld()->SetText("5.43\r2.1");
    platform::ActivateWindow(MainWindow());
  }

  static std::shared_ptr<corvane::ControlWnd> MainWindow() {
    return platform::RuntimeCheckCast<corvane::ControlWnd>(OpenMainWindow());
  }

  // The About box is the one the splash made, and it shows.
  void ExpectSplashBoxShown() {
    EXPECT_EQ(OpenAboutBox().get(), splashBox_);
    EXPECT_TRUE(Shown(OpenAboutBox()));
  }

  // The About box is hidden and the main window shows as it was.
  void ExpectBackAtTheMainWindow() {
    EXPECT_EQ(OpenAboutBox().get(), splashBox_);
    EXPECT_FALSE(Shown(OpenAboutBox()));
    ASSERT_TRUE(Shown(OpenMainWindow()));
    EXPECT_EQ(MainWindow()->NVarsFld()->Text(), "12");
    EXPECT_EQ(MainWindow()->EigenFld()->Text(), "5.43\r2.1");
  }

  const platform::Window* splashBox_ = nullptr;
};

TEST_F(AboutBoxTest, BothAboutItemsBringBackTheSplashsAboutBox) {
  EXPECT_TRUE(platform::ChooseMenuItem("AboutUlk"));
  ExpectSplashBoxShown();

  platform::ActivateWindow(MainWindow());
  EXPECT_FALSE(Shown(OpenAboutBox())) << "activating the main window hides the About box";
  EXPECT_TRUE(platform::ChooseMenuItem("AboutMenuItem"));
  ExpectSplashBoxShown();
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

// False lets the framework offer the command to the next handler, which shows the same box.
TEST_F(AboutBoxTest, EveryAboutHandlerShowsTheBoxAndReturnsFalse) {
  EXPECT_FALSE(corvane::App()->_AboutUlk_Action());
  ExpectSplashBoxShown();
  OpenAboutBox()->Hide();
  EXPECT_FALSE(corvane::App()->_AboutMenuItem_Action());
  ExpectSplashBoxShown();
  OpenAboutBox()->Hide();
  EXPECT_FALSE(MainWindow()->_AboutUlk_Action());
  ExpectSplashBoxShown();
  EXPECT_FALSE(corvane::App()->HandleMenuCommand("AboutUlk"));
  EXPECT_FALSE(MainWindow()->HandleMenuCommand("AboutUlk"));
}

TEST_F(AboutBoxTest, AnyKeyInTheAboutBoxGivesWayToTheMainWindowAsItWas) {
  for (const char* key : {"x", "7", " ", "\r", "\x1B", "\b"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(key)));
    corvane::App()->_AboutUlk_Action();
    platform::PressKeyInWindow(OpenAboutBox(), key);
    ExpectBackAtTheMainWindow();
  }
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(AboutBoxTest, AClickAnywhereInTheAboutBoxGivesWayToTheMainWindowAsItWas) {
  struct Spot {
    const char* what;
    int32_t x, y;
  };
  for (const Spot& spot :
       {Spot{"bare background", 10, 100}, Spot{"title", 150, 20}, Spot{"product picture", 150, 100},
        Spot{"badge", 150, 170}, Spot{"notice line", 150, 193}}) {
    SCOPED_TRACE(spot.what);
    corvane::App()->_AboutUlk_Action();
    platform::ClickInWindow(OpenAboutBox(), spot.x, spot.y);
    ExpectBackAtTheMainWindow();
  }
}

using AboutBoxBeforeStartUpTest = CorvaneSession;

// A person may dismiss the About box before the splash has made the main window.
TEST_F(AboutBoxBeforeStartUpTest, DismissingTheBoxMakesTheMainWindowWhenThereIsNone) {
  platform::PressKeyInWindow(corvane::AboutWnd::Instance(), "q");
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
}

TEST_F(AboutBoxBeforeStartUpTest, ActivatingTheMainWindowWithNoAboutBoxLeavesAHiddenOne) {
  platform::ActivateWindow(corvane::ControlWnd::Instance());
  platform::ProcessPendingEvents();
  ASSERT_NE(OpenAboutBox(), nullptr);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
}

}  // namespace
