#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "box_wnd.h"
#include "platform/core/background_task.h"
#include "platform/core/user_interaction.h"
#include "platform/testing/user_simulation.h"
#include "test_wnd.h"

namespace {

using testing_support::BoxWnd;
using testing_support::TestWnd;
using Journal = std::vector<std::string>;

using ControlEventsTest = testing_support::TestWindowsTest;

TEST_F(ControlEventsTest, TheKeyFilterSeesEveryTypedKeyAndSwallowsThoseItReturnsTrueFor) {
  TestWnd::swallowedKeys = "x";
  auto field = Opened()->NameFld();
  platform::TypeText(field, "axb\rc\x7F\b\t\x1B");
  EXPECT_EQ(field->Text(), "ab\r");
  // Alt+letter is a shortcut attempt, never text; composed characters are typed keys.
  platform::TypeWithAlt(field, "e");
  platform::ComposeText(field, "\xC3\xA9x");
  EXPECT_EQ(field->Text(), "ab\r\xC3\xA9");
  Journal seen;
  for (int code : {97, 120, 98, 13, 99, 127, 8, 9, 27, -61, 120}) {
    seen.push_back("KeyDown NameFld " + std::to_string(code));
  }
  EXPECT_EQ(TestWnd::journal, seen);
}

TEST_F(ControlEventsTest, TheLimitHoldsForTypedComposedAndPastedTextButNotForCode) {
  auto code = TestWnd::Instance()->CodeFld();
  platform::TypeText(code, "123");
  EXPECT_EQ(code->Text(), "12");
  code->SetText("");
  platform::ComposeText(code, "123");
  EXPECT_EQ(code->Text(), "12");
  code->SetText("1");
  code->SetSelStart(1);
  platform::PasteText(code, "3456");
  EXPECT_EQ(code->Text(), "13");
  code->SetText("too long for the limit");
  EXPECT_EQ(code->Text(), "too long for the limit");
}

// Refused whole, not cut: a list cut short would calculate without a word. The bound counts the
// characters that would stand after the paste, a line ending as one and a replaced selection not.
TEST_F(ControlEventsTest, APasteThatWouldPassTheBoundIsRefusedWithAMessage) {
  constexpr int32_t kBound = platform::TextArea::kMostCharactersAfterPaste;
  const std::string digits(kBound, '7');
  std::string lines;
  for (int32_t i = 0; i < kBound / 2; ++i) lines += "7\r\n";
  struct Case {
    const char* name;
    std::string before;
    int32_t selected;  // the last characters of `before`
    std::string pasted;
    bool taken;
  };
  const Case cases[] = {{"the bound's worth", "", 0, digits, true},
                        {"one over with the text there", "1", 0, digits, false},
                        {"the selection replaced", "1", 1, digits, true},
                        {"line endings count once", "", 0, lines, true},
                        {"one long line over", "", 0, digits + "7", false}};
  auto field = Opened()->NameFld();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    field->SetText(c.before);
    field->SetSelStart(static_cast<int32_t>(c.before.size()) - c.selected);
    field->SetSelLength(c.selected);
    user_->messages.clear();
    platform::PasteText(field, c.pasted);
    if (c.taken) {
      EXPECT_EQ(field->Text().size(), static_cast<size_t>(kBound));
      EXPECT_TRUE(user_->messages.empty());
    } else {
      EXPECT_EQ(field->Text(), c.before);
      EXPECT_EQ(user_->messages,
                Journal{"This text is too long to paste: a field holds at most 32768 characters."});
    }
  }
}

TEST_F(ControlEventsTest, TextReadsBackWithCarriageReturnsAndSelectionsCountCharacters) {
  auto field = Opened()->NameFld();
  platform::PasteText(field, "5.43\r\n3.11\n2.24\r1.89");
  EXPECT_EQ(field->Text(), "5.43\r3.11\r2.24\r1.89");
  EXPECT_TRUE(TestWnd::journal.empty());  // pasting never goes through the filter
  field->SetText("Corvane\n\r\n\xC3\xA9t\xC3\xA9 text");
  EXPECT_EQ(field->Text(), "Corvane\r\r\xC3\xA9t\xC3\xA9 text");
  field->SetSelStart(0);
  field->SetSelLength(11);
  field->SetSelBold(true);
  EXPECT_EQ(field->SelLength(), 11);
  EXPECT_TRUE(field->SelBold());
  field->SetSelStart(12);
  field->SetSelLength(2);
  EXPECT_EQ(field->SelStart(), 12);
  EXPECT_FALSE(field->SelBold());
}

// The windows were laid out for buttons that never hold the keyboard.
TEST_F(ControlEventsTest, AClickedButtonLeavesTheFocusInTheFieldButTabStillReachesIt) {
  auto window = Opened();
  platform::ActivateWindow(window);
  TestWnd::journal.clear();
  window->CodeFld()->SetFocus();
  platform::ClickButton(window->OkBtn());
  platform::PressKeyInWindow(window, "7");
  EXPECT_EQ(window->CodeFld()->Text(), "7");
  platform::PressKeyInWindow(window, "\t");
  platform::PressKeyInWindow(window, " ");
  EXPECT_EQ(TestWnd::journal, (Journal{"Action OkBtn", "Action OkBtn"}));
}

TEST_F(ControlEventsTest, ShiftTabIsTabToTheKeyFilterAndOtherwiseMovesTheFocusBack) {
  auto window = Opened();
  platform::ActivateWindow(window);
  TestWnd::journal.clear();
  TestWnd::swallowedKeys = "\t";
  window->NameFld()->SetFocus();
  platform::PressShiftTab(window->NameFld());
  EXPECT_EQ(TestWnd::journal, (Journal{"KeyDown NameFld 9"}));
  // Refused by the filter, so the focus stayed.
  platform::PressKeyInWindow(window, "n");
  EXPECT_EQ(window->NameFld()->Text(), "n");

  window->CodeFld()->SetFocus();
  platform::PressShiftTab(window->CodeFld());
  platform::PressKeyInWindow(window, "m");
  EXPECT_EQ(window->NameFld()->Text(), "nm");
  EXPECT_EQ(window->CodeFld()->Text(), "");
}

TEST_F(ControlEventsTest, AnExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn) {
  TestWnd::okAction = [](TestWnd&) {
    throw platform::OutOfBoundsException("Index 5 outside 0..3");
  };
  auto window = Opened();
  platform::ClickButton(window->OkBtn());
  platform::TypeText(window->NameFld(), "a!b");  // the filter fails on "!"
  EXPECT_EQ(user_->messages, (Journal{"Unhandled OutOfBoundsException: Index 5 outside 0..3",
                                      "Unhandled exception: filter failed"}));
  EXPECT_EQ(window->NameFld()->Text(), "ab");  // a key whose filter failed is dropped
  TestWnd::okAction = nullptr;
  platform::ClickButton(window->OkBtn());
  EXPECT_EQ(TestWnd::journal, (Journal{"Action OkBtn", "KeyDown NameFld 97", "KeyDown NameFld 33",
                                       "KeyDown NameFld 98", "Action OkBtn"}));
}

TEST_F(ControlEventsTest, AWindowClosedByItsOwnHandlerGoesAwayAndLateEventsAreReported) {
  TestWnd::okAction = [](TestWnd& window) {
    platform::MsgBox("Close?", platform::kMsgBoxYesNoQuestion, "Corvane");
    window.Close();
    for (int pass = 0; pass < 3; ++pass) {
      std::this_thread::sleep_for(std::chrono::milliseconds(12));
      platform::RuntimeBackgroundTask();
    }
    window.NameFld()->SetText("still here");  // the widgets live until the handler returns
  };
  std::shared_ptr<platform::TextArea> field = TestWnd::Instance()->NameFld();
  std::shared_ptr<platform::PushButton> button = TestWnd::Instance()->OkBtn();
  std::weak_ptr<TestWnd> gone = TestWnd::Instance();
  user_->QueueAnswer(platform::kMsgBoxYes);
  platform::ClickButton(button);
  EXPECT_EQ(user_->questions, (Journal{"Close?"}));
  EXPECT_TRUE(user_->messages.empty());
  ASSERT_TRUE(gone.expired()) << "the controls' handlers must not keep their window alive";
  EXPECT_EQ(field->Text(), "still here");

  // The widgets wait for the event loop to delete them, so a click already on its way still
  // reaches the button's dispatch.
  EXPECT_FALSE(button->DispatchEvent(platform::PushButton::kActionEvent, {}).has_value());
  ASSERT_EQ(user_->messages.size(), 1u);
  EXPECT_EQ(user_->messages[0].rfind("Unhandled NilObjectException: ", 0), 0u);
  platform::ProcessPendingEvents();
  EXPECT_THROW(field->Text(), platform::NilObjectException);
}

TEST_F(ControlEventsTest, ClicksAndWindowEventsReachTheirHandlersAndABoxHasNoCloseBox) {
  auto box = BoxWnd::Instance();
  platform::CloseByCloseBox(box);
  EXPECT_FALSE(box->IsClosed());
  platform::PressKeyInWindow(box, "q");
  EXPECT_FALSE(box->Visible());
  box->Show();
  platform::ClickInWindow(box, 60, 20);  // on the disabled picture
  box->Show();
  platform::ClickInWindow(box, 5, 90);  // on the label
  EXPECT_EQ(BoxWnd::journal, (Journal{"KeyDown q", "MouseDown 60,20", "MouseDown 5,90"}));

  // A disabled button or a hidden canvas hears nothing.
  auto window = Opened();
  platform::ClickButton(window->OkBtn());
  platform::PressMouseOnCanvas(window->Picture(), 12, 7);
  window->OkBtn()->SetEnabled(false);
  window->Picture()->SetVisible(false);
  platform::ClickButton(window->OkBtn());
  platform::PressMouseOnCanvas(window->Picture(), 1, 1);
  platform::ActivateWindow(window);
  window->RunEnableMenuItems();
  EXPECT_FALSE(window->HandleMenuCommand("OtherItem"));
  platform::CloseByCloseBox(window);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(TestWnd::journal, (Journal{"Action OkBtn", "MouseDown Picture 12,7", "Activate",
                                       "EnableMenuItems", "Close"}));
}

}  // namespace
