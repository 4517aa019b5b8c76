#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "app/handle_about_menu.h"
#include "app/module1.h"
#include "corvane_session.h"
#include "platform/menu_bar.h"

namespace {

using testing_support::CorvaneSession;
using testing_support::SteppingTicks;

using StartupTest = CorvaneSession;

TEST_F(StartupTest, InitializeRegistersEveryClassAndTheResultArrayButOpensNothing) {
  const platform::ClassRecord& window = platform::Window::Lookup();
  for (const char* name :
       {"ControlWnd.ControlWnd", "AboutWnd.AboutWnd", "InvisibleWnd.InvisibleWnd"}) {
    const platform::ClassRecord* record = platform::FindClassRecord(name);
    ASSERT_NE(record, nullptr) << name;
    EXPECT_TRUE(record->IsSubclassOf(window)) << name;
  }
  const platform::ClassRecord* menu = platform::FindClassRecord("Menu.Menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsSubclassOf(platform::MenuBar::Lookup()));
  const platform::ClassRecord* app = platform::FindClassRecord("HandleAboutMenu");
  ASSERT_NE(app, nullptr);
  EXPECT_TRUE(app->IsSubclassOf(platform::Application::Lookup()));
  for (const char* name : {"GxLine", "GxLineGraph", "GxPoint"}) {
    EXPECT_NE(platform::FindClassRecord(name), nullptr) << name;
  }

  ASSERT_NE(corvane::Module1::gArray, nullptr);
  EXPECT_EQ(corvane::Module1::gArray->Ubound(1), 99);
  EXPECT_EQ(corvane::Module1::gArray->Ubound(2), 3);

  EXPECT_EQ(platform::_GetAppObject(), nullptr);
  EXPECT_EQ(OpenMainWindow(), nullptr);
  EXPECT_EQ(OpenAboutBox(), nullptr);
  EXPECT_EQ(OpenDefaultWindow(), nullptr);
  EXPECT_TRUE(platform::RegisteredFileTypes().empty());
  EXPECT_THROW(corvane::App(), platform::NilObjectException);
}

TEST_F(StartupTest, StartUpDeclaresBothDocumentTypesInOrder) {
  StartUp();
  const std::vector<platform::FileType>& types = platform::RegisteredFileTypes();
  ASSERT_EQ(types.size(), 2u);
  EXPECT_EQ(types[0].Name, "text");
  EXPECT_EQ(types[0].Extensions, "");
  EXPECT_EQ(types[0].MacType, "TEXT");
  EXPECT_EQ(types[0].MacCreator, "R*ch");
  for (const std::string& value :
       {types[1].Name, types[1].Extensions, types[1].MacType, types[1].MacCreator}) {
    EXPECT_EQ(value, "");
  }
  ASSERT_NE(corvane::FileTypes::pText, nullptr);
  ASSERT_NE(corvane::FileTypes::pUntitledType, nullptr);
  EXPECT_EQ(corvane::FileTypes::pText->MacCreator, "R*ch");
}

// The application object must have its bar when it is registered: the first menu enabling, which
// may come at any moment from then on, looks AboutUlk up in it.
TEST_F(StartupTest, TheApplicationObjectIsRegisteredWithTheOneMenuBarAndBothAboutHandlers) {
  SteppingTicks clock(kStartTicks, 60);
  std::shared_ptr<platform::MenuBar> barDuringSplash;
  clock.OnReading([&] {
    if (auto registered = platform::_GetAppObject()) barDuringSplash = registered->MenuBar();
  });
  clock.Install();
  StartUp();

  std::shared_ptr<corvane::HandleAboutMenu> app = corvane::App();
  ASSERT_NE(app, nullptr);
  ASSERT_NE(app->MenuBar(), nullptr);
  EXPECT_EQ(app->MenuBar().get(), corvane::Menu::Instance().get());
  EXPECT_EQ(barDuringSplash.get(), corvane::Menu::Instance().get());
  EXPECT_NE(app->MenuBar()->_Lookup("AboutUlk"), nullptr);
  EXPECT_TRUE(app->HasMenuHandler("AboutUlk"));
  EXPECT_TRUE(app->HasMenuHandler("AboutMenuItem"));
  EXPECT_FALSE(app->HasMenuHandler("DescriptionMenuItem"));
  auto defaultWindow = OpenDefaultWindow();
  ASSERT_NE(defaultWindow, nullptr);
  EXPECT_EQ(defaultWindow->MenuBar().get(), corvane::Menu::Instance().get());
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

TEST_F(StartupTest, TheSplashShowsTheAboutBoxAloneThenGivesWayToTheMainWindow) {
  SteppingTicks clock(kStartTicks, 60);
  int readingsWithAboutBoxAlone = 0;
  bool defaultWindowEverShown = false;
  clock.OnReading([&] {
    defaultWindowEverShown |= Shown(OpenDefaultWindow());
    if (Shown(OpenAboutBox()) && !OpenMainWindow()) ++readingsWithAboutBoxAlone;
  });
  clock.Install();
  // Looked at before the main window's activation is delivered, which would hide the box anyway.
  corvane::_Startup();

  EXPECT_EQ(clock.Readings(), 4) << "one reading for the start, then whole seconds up to three";
  EXPECT_EQ(readingsWithAboutBoxAlone, clock.Readings());
  EXPECT_FALSE(defaultWindowEverShown);
  EXPECT_FALSE(Shown(OpenDefaultWindow()));
  ASSERT_NE(OpenAboutBox(), nullptr);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

TEST_F(StartupTest, ATickCountNegativeAsAnInt32EndsTheSplashAtOnce) {
  SteppingTicks clock(-3 * 60, 60);
  clock.Install();
  StartUp();
  EXPECT_EQ(clock.Readings(), 1);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_FALSE(Shown(OpenDefaultWindow()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
}

TEST_F(StartupTest, AClockThatWrapsDuringTheSplashEndsItInsteadOfHanging) {
  SteppingTicks clock(std::numeric_limits<int32_t>::max() - 60, 60);
  clock.Install();
  StartUp();
  EXPECT_LT(clock.Readings(), 5);
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

// The first reading may fall anywhere within a whole second; the wait ends once the whole-second
// count has moved on by three, so it lasts from a little over two seconds to three.
class SplashDurationTest : public CorvaneSession, public ::testing::WithParamInterface<int64_t> {};

TEST_P(SplashDurationTest, TheSplashWaitsTwoToThreeSecondsOfTheClock) {
  SteppingTicks clock(kStartTicks + GetParam(), 1);
  clock.Install();
  StartUp();
  EXPECT_GT(clock.Elapsed(), 2 * 60);
  EXPECT_LE(clock.Elapsed(), 3 * 60);
  EXPECT_TRUE(Shown(OpenMainWindow()));
}

INSTANTIATE_TEST_SUITE_P(FirstReadingWithinTheSecond, SplashDurationTest,
                         ::testing::Values(0, 1, 30, 59));

}  // namespace
