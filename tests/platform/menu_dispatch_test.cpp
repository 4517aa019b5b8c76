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

// An exception from the window's EnableMenuItems event or from a handler ends that choice with a
// message naming it; nothing reaches the event loop.
TEST_F(MenuDispatchTest, AnExceptionFromAnEventOrAHandlerIsReportedAndGoesNoFurther) {
  window_->onEnable = [] { throw platform::NilObjectException(); };
  EXPECT_NO_THROW(Choose("Print"));
  window_->onEnable = nullptr;
  platform::Invoker failing = [](platform::Object&,
                                 const std::vector<platform::Value>&) -> platform::Value {
    throw platform::OutOfBoundsException();
  };
  app_->_AddMenuHandler("Print", platform::RuntimeCreateDelegate(failing, "Print", app_, "", true));
  EXPECT_NO_THROW(Choose("Print"));
  EXPECT_EQ(user_->messages, (Journal{"Unhandled NilObjectException: Nil object",
                                      "Unhandled OutOfBoundsException: Index out of bounds"}));
}

// Lookup searches the whole tree below the item; the empty name finds nothing, unnamed items
// included. Misuse raises the framework's exceptions instead of storing a nil or reading past the
// end.
TEST(MenuItemTest, LookupSearchesTheWholeTreeAndMisuseRaisesTheFrameworksExceptions) {
  auto bar = testing_support::MakeTestMenuBar();
  EXPECT_EQ(bar->_Lookup("EditPaste"), bar->Item(1)->Item(4));
  EXPECT_EQ(bar->_Lookup("UntitledMenu3"), nullptr);
  bar->Item(2)->Append(std::make_shared<platform::MenuItem>());
  EXPECT_EQ(bar->_Lookup(""), nullptr);
  EXPECT_EQ(bar->Item(0)->_Lookup("EditCut"), nullptr) << "a title looks among its own items only";

  platform::MenuItem menu;
  EXPECT_THROW(menu.Append(nullptr), platform::NilObjectException);
  EXPECT_EQ(menu.Count(), 0);
  menu.Append(std::make_shared<platform::MenuItem>());
  EXPECT_THROW(menu.Item(1), platform::OutOfBoundsException);
  EXPECT_THROW(menu.Item(-1), platform::OutOfBoundsException);
}

}  // namespace
