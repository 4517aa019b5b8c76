#include <gtest/gtest.h>

#include "platform/menus/menu_dispatch.h"
#include "support/test_windows.h"

namespace {

using testing_support::FakeWindowTarget;
using testing_support::MenuTestApp;
using Journal = std::vector<std::string>;

class MenuDispatchTest : public testing_support::FrameworkSession {
 protected:
  void SetUp() override {
    FrameworkSession::SetUp();
    bar_ = testing_support::MakeTestMenuBar();
    app_ = MenuTestApp::Register(bar_);
    window_ = std::make_shared<FakeWindowTarget>(app_->journal);  // one journal for both
  }

  platform::MenuItem& Item(const std::string& name) { return NotNil(bar_->_Lookup(name)); }
  bool Choose(const std::string& name) {
    return platform::RunChosenMenuItem(*bar_, Item(name), window_);
  }

  std::shared_ptr<platform::MenuBar> bar_;
  std::shared_ptr<MenuTestApp> app_;
  std::shared_ptr<FakeWindowTarget> window_;
};

// Every refresh starts from AutoEnable alone (no text area has the focus here, so no Edit item
// applies); then the window's event runs, then the application's. Nothing carries over.
TEST_F(MenuDispatchTest, StatesStartFromAutoEnableThenTheWindowThenTheApplicationSetThem) {
  for (const auto& item : bar_->AllItems()) item->SetEnabled(true);
  window_->onEnable = [&] { Item("HelloItem").SetEnabled(true); };
  platform::RefreshMenuItems(*bar_, window_);
  EXPECT_EQ(app_->journal, (Journal{"window EnableMenuItems", "app EnableMenuItems"}));
  Journal enabled;
  for (const auto& item : bar_->AllItems()) {
    if (item->Enabled()) enabled.push_back(item->Name());
  }
  EXPECT_EQ(enabled, (Journal{"Print", "FileQuit", "HelloItem", "AboutUlk"}));

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

  app_->journal.clear();
  platform::CarryOutMenuCommand(Item("AboutUlk"), nullptr);
  EXPECT_EQ(app_->journal, (Journal{"app AboutUlk"})) << "no window: the application alone";
}

TEST_F(MenuDispatchTest, QuitQuitsUnlessAHandlerClaimsIt) {
  window_->AddHandler("FileQuit", true);
  EXPECT_TRUE(Choose("FileQuit"));
  EXPECT_FALSE(platform::QuitRequested());
  window_->AddHandler("FileQuit", false);
  app_->AddJournallingHandler("FileQuit", true);
  EXPECT_TRUE(Choose("FileQuit"));
  EXPECT_FALSE(platform::QuitRequested());
  app_->AddJournallingHandler("FileQuit", false);
  EXPECT_TRUE(Choose("FileQuit"));
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
}

}  // namespace
