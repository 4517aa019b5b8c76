#include <gtest/gtest.h>

#include "menu_test_app.h"
#include "platform/event_loop.h"
#include "platform/menu_dispatch.h"
#include "support/scripted_user_interaction.h"

namespace {

using testing_support::FakeWindowTarget;
using testing_support::MenuTestApp;
using Journal = std::vector<std::string>;

class MenuDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar_ = testing_support::MakeTestMenuBar();
    app_ = MenuTestApp::Register(bar_);
    window_ = std::make_shared<FakeWindowTarget>(app_->journal);  // one journal for both
    platform::ResetQuitForTests();
  }
  void TearDown() override {
    platform::_RuntimeRegisterAppObject(nullptr);
    platform::ResetQuitForTests();
  }

  platform::MenuItem& Item(const std::string& name) { return NotNil(bar_->_Lookup(name)); }
  bool Choose(const std::string& name) {
    return platform::RunChosenMenuItem(*bar_, Item(name), window_);
  }

  std::shared_ptr<platform::MenuBar> bar_;
  std::shared_ptr<MenuTestApp> app_;
  std::shared_ptr<FakeWindowTarget> window_;
  testing_support::ScriptedUserInteractionGuard messages_;
};

TEST_F(MenuDispatchTest, ItemsWithoutAutoEnableAreDisabledBeforeTheEventsRun) {
  for (const auto& item : bar_->AllItems()) item->SetEnabled(true);
  bool helloSeenByWindow = true;
  window_->onEnable = [&] { helloSeenByWindow = Item("HelloItem").Enabled(); };
  platform::RefreshMenuItems(*bar_, window_);
  EXPECT_FALSE(helloSeenByWindow);
  EXPECT_TRUE(Item("Print").Enabled());
  EXPECT_TRUE(Item("FileQuit").Enabled());
  EXPECT_TRUE(Item("AboutUlk").Enabled());  // by the application object's event
  // No text area has the focus, so the Edit items stay disabled too.
  for (const char* name : {"HelloItem", "FileMenu", "UntitledMenu0", "EditUndo", "UntitledMenu1",
                           "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
    EXPECT_FALSE(Item(name).Enabled()) << name;
  }
}

TEST_F(MenuDispatchTest, TheWindowsEventRunsBeforeTheApplicationsAndStatesAreNotRemembered) {
  window_->onEnable = [&] { Item("HelloItem").SetEnabled(true); };
  platform::RefreshMenuItems(*bar_, window_);
  EXPECT_EQ(app_->journal, (Journal{"window EnableMenuItems", "app EnableMenuItems"}));
  EXPECT_TRUE(Item("HelloItem").Enabled());

  platform::RefreshMenuItems(*bar_, nullptr);
  EXPECT_FALSE(Item("HelloItem").Enabled());
  EXPECT_TRUE(Item("AboutUlk").Enabled());
}

TEST_F(MenuDispatchTest, ACommandGoesToTheWindowFirstAndOnToTheApplicationOnFalse) {
  app_->AddJournallingHandler("AboutUlk", false);
  window_->AddHandler("AboutUlk", false);
  platform::CarryOutMenuCommand(Item("AboutUlk"), window_);
  EXPECT_EQ(app_->journal, (Journal{"window AboutUlk", "app AboutUlk"}));

  app_->journal.clear();
  window_->AddHandler("AboutUlk", true);
  platform::CarryOutMenuCommand(Item("AboutUlk"), window_);
  EXPECT_EQ(app_->journal, (Journal{"window AboutUlk"}));

  // Without an active window the application object is the only target.
  app_->journal.clear();
  platform::CarryOutMenuCommand(Item("AboutUlk"), nullptr);
  EXPECT_EQ(app_->journal, (Journal{"app AboutUlk"}));
}

TEST_F(MenuDispatchTest, QuitQuitsUnlessAHandlerClaimsIt) {
  window_->AddHandler("FileQuit", true);
  EXPECT_TRUE(Choose("FileQuit"));
  EXPECT_FALSE(platform::QuitRequested());

  window_->AddHandler("FileQuit", false);
  EXPECT_TRUE(Choose("FileQuit"));
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
}

TEST_F(MenuDispatchTest, AnExceptionFromAnEventOrAHandlerIsReportedAndGoesNoFurther) {
  window_->onEnable = [] { throw platform::NilObjectException(); };
  EXPECT_NO_THROW(Choose("Print"));
  EXPECT_EQ(messages_->messages, (Journal{"Unhandled NilObjectException: Nil object"}));

  window_->onEnable = nullptr;
  platform::Invoker failing = [](platform::Object&,
                                 const std::vector<platform::Value>&) -> platform::Value {
    throw platform::OutOfBoundsException();
  };
  app_->_AddMenuHandler("Print", platform::RuntimeCreateDelegate(failing, "Print", app_, "", true));
  EXPECT_NO_THROW(Choose("Print"));
  ASSERT_EQ(messages_->messages.size(), 2u);
  EXPECT_EQ(messages_->messages[1], "Unhandled OutOfBoundsException: Index out of bounds");
}

}  // namespace
