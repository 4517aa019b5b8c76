#include <gtest/gtest.h>

#include <algorithm>

#include "platform/testing/menu_user_simulation.h"
#include "support/test_windows.h"

namespace {

using testing_support::MenuTestApp;
using testing_support::TestWnd;
using Names = std::vector<std::string>;

// The application's bar shown in a test window that has none of its own, driven as a person would.
class MenuBarViewTest : public testing_support::FrameworkSession {
 protected:
  void SetUp() override {
    FrameworkSession::SetUp();
    app_ = MenuTestApp::Register(testing_support::MakeTestMenuBar());
    window_ = TestWnd::Instance();
    platform::ActivateWindow(window_);
  }
  void TearDown() override {
    window_.reset();
    FrameworkSession::TearDown();
  }

  std::string LastOfAppJournal() const { return app_->journal.back(); }
  // Selects `length` characters from `start` in NameFld.
  void Select(int32_t start, int32_t length) {
    window_->NameFld()->SetSelStart(start);
    window_->NameFld()->SetSelLength(length);
  }

  std::shared_ptr<MenuTestApp> app_;
  std::shared_ptr<TestWnd> window_;
};

// Cmd+K is Ctrl+K here, as every "Cmd+" shortcut.
TEST_F(MenuBarViewTest, AnItemRunsByMenuOrShortcutOnlyWhileTheEventsEnableItJustThen) {
  app_->AddJournallingHandler("HelloItem", false);
  EXPECT_EQ(platform::OpenMenu("WindowMenu"), (Names{"AboutUlk"}));
  EXPECT_FALSE(platform::ChooseMenuItem("HelloItem"));
  platform::PressShortcut("Cmd+K");
  EXPECT_EQ(LastOfAppJournal(), "app EnableMenuItems");

  app_->onEnable = [this] { app_->MenuBar()->_Lookup("HelloItem")->SetEnabled(true); };
  platform::PressShortcut("Cmd+K");  // the menu last showed the item disabled
  EXPECT_EQ(LastOfAppJournal(), "app HelloItem");
  TestWnd::journal.clear();
  app_->journal.clear();
  EXPECT_TRUE(platform::ChooseMenuItem("HelloItem"));
  EXPECT_EQ(TestWnd::journal.back(), "HelloItem");  // the window's handler returns False
  EXPECT_EQ(LastOfAppJournal(), "app HelloItem");
}

TEST_F(MenuBarViewTest, TheEditItemsWorkOnTheFocusedTextAreaWhileTheyApply) {
  auto field = window_->NameFld();
  field->SetFocus();
  field->SetText("alpha beta");
  Select(6, 4);
  EXPECT_TRUE(platform::ChooseMenuItem("EditCopy"));
  EXPECT_EQ(platform::OpenMenu("UntitledMenu0"),
            (Names{"EditCut", "EditCopy", "EditPaste", "EditClear"}));
  Select(0, 0);
  EXPECT_EQ(platform::OpenMenu("UntitledMenu0"), (Names{"EditPaste"}));
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

TEST_F(MenuBarViewTest, EditPasteRefusesTextThatWouldPassTheBound) {
  auto field = window_->NameFld();
  field->SetFocus();
  const int32_t half = platform::TextArea::kMostCharactersAfterPaste / 2 + 1;
  field->SetText(std::string(static_cast<size_t>(half), '7'));
  Select(0, half);
  EXPECT_TRUE(platform::ChooseMenuItem("EditCopy"));
  Select(half, 0);
  EXPECT_TRUE(platform::ChooseMenuItem("EditPaste"));
  EXPECT_EQ(field->Text().size(), static_cast<size_t>(half));
  EXPECT_EQ(user_->messages.size(), 1u);
}

TEST_F(MenuBarViewTest, EscapeFromAMenuLeavesTheKeyboardWithTheFieldThatHadIt) {
  window_->CodeFld()->SetFocus();
  platform::OpenMenuThenPressEscape("FileMenu");
  platform::PressKeyInWindow(window_, "4");
  EXPECT_EQ(window_->CodeFld()->Text(), "4");
}

}  // namespace
