#include <gtest/gtest.h>

#include <algorithm>

#include "box_wnd.h"
#include "menu_test_app.h"
#include "platform/event_loop.h"
#include "platform/menu_user_simulation.h"
#include "platform/property_record.h"
#include "platform/set_properties.h"
#include "platform/user_simulation.h"
#include "support/scripted_user_interaction.h"
#include "test_wnd.h"

namespace {

using testing_support::BoxWnd;
using testing_support::MenuTestApp;
using testing_support::TestWnd;
using Names = std::vector<std::string>;

std::string LastOf(const std::vector<std::string>& journal) {
  return journal.empty() ? "" : journal.back();
}

// The application's bar shown in a test window that has none of its own, driven as a person would.
class MenuBarViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestWnd::Reset();
    platform::ResetQuitForTests();
    app_ = MenuTestApp::Register(testing_support::MakeTestMenuBar());
    window_ = TestWnd::Instance();
    platform::ActivateWindow(window_);
  }
  void TearDown() override {
    window_.reset();
    TestWnd::Reset();
    BoxWnd::Reset();
    platform::_RuntimeRegisterAppObject(nullptr);
    platform::ResetQuitForTests();
    platform::ProcessPendingEvents();
  }

  void EnableHelloItem() {
    app_->onEnable = [this] { app_->MenuBar()->_Lookup("HelloItem")->SetEnabled(true); };
  }
  // Whether the Edit menu shows the item enabled when it opens now.
  static bool EditShowsEnabled(const std::string& itemName) {
    Names enabled = platform::OpenMenu("UntitledMenu0");
    return std::find(enabled.begin(), enabled.end(), itemName) != enabled.end();
  }
  // Selects `length` characters from `start` in the focused NameFld.
  void Select(int32_t start, int32_t length) {
    window_->NameFld()->SetSelStart(start);
    window_->NameFld()->SetSelLength(length);
  }

  std::shared_ptr<MenuTestApp> app_;
  std::shared_ptr<TestWnd> window_;
  testing_support::ScriptedUserInteractionGuard messages_;
};

TEST_F(MenuBarViewTest, ADocumentWindowShowsTheApplicationsBarAboveItsUnchangedContent) {
  EXPECT_EQ(platform::OpenMenu("FileMenu"), (Names{"Print", "FileQuit"}));
  EXPECT_EQ(window_->Width(), 320);
  EXPECT_EQ(window_->Height(), 240);
  auto content = platform::CaptureWindowContent(window_);
  EXPECT_EQ(content->Width(), 320);
  EXPECT_EQ(content->Height(), 240);
}

TEST_F(MenuBarViewTest, ABorderlessBoxShowsNoBar) {
  auto box = BoxWnd::Instance();
  platform::ActivateWindow(box);
  EXPECT_THROW(platform::OpenMenu("FileMenu"), platform::NilObjectException);
  EXPECT_THROW(platform::ChooseMenuItem("FileQuit"), platform::NilObjectException);
}

TEST_F(MenuBarViewTest, AWindowsOwnBarIsShownEvenWhenItsRecordHidesTheMenuBar) {
  auto own = std::make_shared<platform::MenuBar>();
  auto title = std::make_shared<platform::MenuItem>();
  title->SetName("OwnMenu");
  title->SetText("Own");
  own->Append(title);
  auto item = std::make_shared<platform::MenuItem>();
  item->SetName("OwnItem");
  item->SetText("Own item");
  title->Append(item);
  platform::_SetProperties(*window_, platform::PropertyRecord({{"MenuBarVisible", false}}));
  window_->SetMenuBar(own);
  window_->Hide();
  window_->Show();
  platform::ActivateWindow(window_);
  EXPECT_EQ(platform::OpenMenu("OwnMenu"), (Names{"OwnItem"}));
  EXPECT_THROW(platform::OpenMenu("FileMenu"), platform::NilObjectException);
  EXPECT_EQ(window_->Height(), 240);
}

TEST_F(MenuBarViewTest, OpeningAMenuShowsTheStatesTheEventsGaveItJustThen) {
  EXPECT_EQ(platform::OpenMenu("WindowMenu"), (Names{"AboutUlk"}));
  EXPECT_EQ(LastOf(TestWnd::journal), "EnableMenuItems");
  EXPECT_EQ(LastOf(app_->journal), "app EnableMenuItems");
  EnableHelloItem();
  EXPECT_EQ(platform::OpenMenu("WindowMenu"), (Names{"HelloItem", "AboutUlk"}));
}

TEST_F(MenuBarViewTest, ChoosingAnItemReachesTheWindowThenTheApplicationOnlyWhileEnabled) {
  app_->AddJournallingHandler("HelloItem", false);
  EXPECT_FALSE(platform::ChooseMenuItem("HelloItem"));
  EXPECT_EQ(LastOf(TestWnd::journal), "EnableMenuItems");
  EXPECT_EQ(LastOf(app_->journal), "app EnableMenuItems");

  EnableHelloItem();
  EXPECT_TRUE(platform::ChooseMenuItem("HelloItem"));
  EXPECT_EQ(LastOf(TestWnd::journal), "HelloItem");  // the window's handler returns False
  EXPECT_EQ(LastOf(app_->journal), "app HelloItem");
  EXPECT_THROW(platform::ChooseMenuItem("UntitledMenu3"), platform::NilObjectException);
}

TEST_F(MenuBarViewTest, AShortcutDoesNothingWhileItsItemIsDisabled) {
  app_->AddJournallingHandler("HelloItem", false);
  platform::PressShortcut("Cmd+K");
  EXPECT_NE(LastOf(app_->journal), "app HelloItem");
  EXPECT_EQ(LastOf(app_->journal), "app EnableMenuItems");  // the states were brought up to date

  EnableHelloItem();
  platform::PressShortcut("Cmd+K");
  EXPECT_EQ(LastOf(app_->journal), "app HelloItem");
  // Also once the open menu has shown the item enabled, with its shortcut.
  app_->journal.clear();
  EXPECT_EQ(platform::OpenMenu("WindowMenu"), (Names{"HelloItem", "AboutUlk"}));
  platform::PressShortcut("Cmd+K");
  EXPECT_EQ(LastOf(app_->journal), "app HelloItem");
}

TEST_F(MenuBarViewTest, TheQuitShortcutEndsTheEventLoop) {
  platform::PressShortcut("Cmd+Q");
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
}

TEST_F(MenuBarViewTest, TheEditItemsWorkOnTheFocusedTextAreaWhileTheyApply) {
  auto field = window_->NameFld();
  field->SetFocus();
  field->SetText("alpha beta");
  Select(6, 4);
  for (const char* name : {"EditCut", "EditCopy", "EditClear"}) {
    EXPECT_TRUE(EditShowsEnabled(name)) << name;
  }
  EXPECT_TRUE(platform::ChooseMenuItem("EditCopy"));

  Select(0, 0);
  EXPECT_TRUE(EditShowsEnabled("EditPaste"));
  EXPECT_FALSE(EditShowsEnabled("EditCopy"));
  EXPECT_FALSE(platform::ChooseMenuItem("EditCut"));
  EXPECT_FALSE(platform::ChooseMenuItem("EditClear"));
  EXPECT_EQ(field->Text(), "alpha beta");
  EXPECT_TRUE(platform::ChooseMenuItem("EditPaste"));
  EXPECT_EQ(field->Text(), "betaalpha beta");
  EXPECT_TRUE(platform::ChooseMenuItem("EditUndo"));
  EXPECT_EQ(field->Text(), "alpha beta");

  Select(0, 6);
  EXPECT_TRUE(platform::ChooseMenuItem("EditClear"));
  EXPECT_EQ(field->Text(), "beta");
  Select(0, 2);
  EXPECT_TRUE(platform::ChooseMenuItem("EditCut"));
  EXPECT_EQ(field->Text(), "ta");
  EXPECT_TRUE(platform::ChooseMenuItem("EditPaste"));
  EXPECT_EQ(field->Text(), "beta");

  // A read-only text may be copied, and nothing else.
  field->SetReadOnly(true);
  Select(0, 2);
  EXPECT_EQ(platform::OpenMenu("UntitledMenu0"), (Names{"EditCopy"}));
}

TEST_F(MenuBarViewTest, CtrlVPastesIntoTheFocusedTextAreaDespiteTheMenusShortcut) {
  auto field = window_->NameFld();
  field->SetFocus();
  field->SetText("one two");
  Select(4, 3);
  platform::PressShortcut("Cmd+C");
  Select(0, 0);
  platform::PressShortcut("Cmd+V");
  EXPECT_EQ(field->Text(), "twoone two");
}

}  // namespace
