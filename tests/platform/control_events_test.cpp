#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/core/background_task.h"
#include "support/test_windows.h"

namespace {

using testing_support::TestWnd;
using Journal = std::vector<std::string>;

using ControlEventsTest = testing_support::FrameworkSession;

TEST_F(ControlEventsTest, TheKeyFilterSeesEveryTypedKeyAndSwallowsThoseItReturnsTrueFor) {
  TestWnd::swallowedKeys = "x";
  auto field = Opened()->NameFld();
  platform::TypeText(field, "axb\rc\x7F\b\t\x1B\n");
  EXPECT_EQ(field->Text(), "ab\r\r");
  // Alt+letter is a shortcut attempt, never text; composed characters are typed keys.
  platform::TypeWithAlt(field, "e");
  platform::ComposeText(field, "\xC3\xA9x");
  EXPECT_EQ(field->Text(), "ab\r\r\xC3\xA9");
  Journal seen;
  for (int code : {97, 120, 98, 13, 99, 127, 8, 9, 27, 13, -61, 120}) {
    seen.push_back("KeyDown NameFld " + std::to_string(code));
  }
  EXPECT_EQ(TestWnd::journal, seen);
}

// Code may set any text; what a person types or composes is cut to the room left.
TEST_F(ControlEventsTest, TheLimitHoldsForTypedAndComposedTextButNotForCode) {
  auto code = Opened()->CodeFld();
  platform::TypeText(code, "123");
  EXPECT_EQ(code->Text(), "12");
  code->SetText("");
  platform::ComposeText(code, "123");
  EXPECT_EQ(code->Text(), "12");
  code->SetText("too long for the limit");
  EXPECT_EQ(code->Text(), "too long for the limit");
}

// The windows were laid out for buttons that never take the keyboard from a field.
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

// Refused whole, not cut: a list cut short would calculate without a word. The bound counts the
// characters that would stand after the paste, a line ending as one and a replaced selection not.
TEST_F(ControlEventsTest, APasteThatWouldPassTheBoundIsRefusedWithAMessage) {
  constexpr int32_t kBound = platform::TextArea::kMostCharactersAfterPaste;
  const std::string digits(kBound, '7');
  std::string lines;
  for (int32_t i = 0; i < kBound / 2; ++i) lines += "7\r\n";
  const std::tuple<std::string, int32_t, std::string, bool> cases[] = {
      {"", 0, digits, true},
      {"1", 0, digits, false},
      {"1", 1, digits, true},
      {"", 0, lines, true},
      {"", 0, digits + "7", false}};  // before, its end selected, pasted
  auto field = Opened()->NameFld();
  for (const auto& [before, selected, pasted, taken] : cases) {
    field->SetText(before);
    field->SetSelStart(static_cast<int32_t>(before.size()) - selected);
    field->SetSelLength(selected);
    user_->boxes.clear();
    platform::PasteText(field, pasted);
    EXPECT_EQ(field->Text().size(), taken ? static_cast<size_t>(kBound) : before.size());
    EXPECT_EQ(user_->boxes.size(), taken ? 0u : 1u);
  }
  EXPECT_EQ(user_->boxes.at(0).text,
            "This text is too long to paste: a field holds at most 32768 characters.");
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
  EXPECT_EQ(user_->boxes,
            (testing_support::Boxes{{"Close?", platform::kMsgBoxYesNoQuestion, "Corvane"}}));
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

TEST_F(ControlEventsTest, ClicksAndWindowEventsReachTheirHandlers) {
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
