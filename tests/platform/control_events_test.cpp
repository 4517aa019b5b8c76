#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "box_wnd.h"
#include "platform/background_task.h"
#include "platform/user_interaction.h"
#include "platform/user_simulation.h"
#include "support/scripted_user_interaction.h"
#include "test_wnd.h"

namespace {

using testing_support::BoxWnd;
using testing_support::TestWnd;

class ControlEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestWnd::Reset();
    BoxWnd::Reset();
  }
  void TearDown() override {
    TestWnd::Reset();
    BoxWnd::Reset();
    platform::ProcessPendingEvents();
  }
  std::vector<std::string> KeysSeen() const {
    std::vector<std::string> keys;
    for (const auto& entry : TestWnd::journal) {
      if (entry.rfind("KeyDown", 0) == 0) keys.push_back(entry);
    }
    return keys;
  }
  testing_support::ScriptedUserInteractionGuard user_;
};

TEST_F(ControlEventsTest, TheKeyFilterSwallowsOrPassesEachTypedKey) {
  TestWnd::swallowedKeys = "x";
  auto field = TestWnd::Instance()->NameFld();
  platform::TypeText(field, "axb\rc\x7F");
  EXPECT_EQ(field->Text(), "ab\rc");
  EXPECT_EQ(KeysSeen(), (std::vector<std::string>{"KeyDown NameFld 97", "KeyDown NameFld 120",
                                                  "KeyDown NameFld 98", "KeyDown NameFld 13",
                                                  "KeyDown NameFld 99", "KeyDown NameFld 127"}));
  platform::TypeText(field, "\b\t\x1B");
  EXPECT_EQ(field->Text(), "ab\r");
  EXPECT_EQ(KeysSeen().size(), 9u);
}

TEST_F(ControlEventsTest, NoTypedCharacterGoesRoundTheKeyFilter) {
  TestWnd::swallowedKeys = "x";
  auto window = TestWnd::Instance();
  auto field = window->NameFld();
  // Alt+letter is a shortcut attempt, never text, so it cannot slip past the filter.
  platform::TypeWithAlt(field, "e");
  EXPECT_EQ(field->Text(), "");
  // Composed characters are typed keys: each one passes the filter.
  platform::ComposeText(field, "\xC3\xA9x");
  EXPECT_EQ(field->Text(), "\xC3\xA9");
  EXPECT_EQ(KeysSeen(), (std::vector<std::string>{"KeyDown NameFld -61", "KeyDown NameFld 120"}));
  auto code = window->CodeFld();
  platform::ComposeText(code, "123");
  EXPECT_EQ(code->Text(), "12") << "a composed text is cut to the limit like a typed one";
}

TEST_F(ControlEventsTest, TheLimitStopsTypingAndCutsPastedText) {
  auto window = TestWnd::Instance();
  auto code = window->CodeFld();
  platform::TypeText(code, "123");
  EXPECT_EQ(code->Text(), "12");
  code->SetText("1");
  code->SetSelStart(1);
  platform::PasteText(code, "3456");
  EXPECT_EQ(code->Text(), "13");
  code->SetText("too long for the limit");  // code is not held to it
  EXPECT_EQ(code->Text(), "too long for the limit");
}

TEST_F(ControlEventsTest, PastedAndSetLineEndingsReadBackAsCarriageReturns) {
  auto field = TestWnd::Instance()->NameFld();
  platform::PasteText(field, "5.43\r\n3.11\n2.24\r1.89");
  EXPECT_EQ(field->Text(), "5.43\r3.11\r2.24\r1.89");
  EXPECT_TRUE(KeysSeen().empty());  // pasting never goes through the filter
  field->SetText("a\nb\r\nc");
  EXPECT_EQ(field->Text(), "a\rb\rc");
}

TEST_F(ControlEventsTest, SelectionPositionsCountCharactersAndLineBreaks) {
  auto field = TestWnd::Instance()->NameFld();
  field->SetText("Corvane\r\r\xC3\xA9t\xC3\xA9 text");
  field->SetSelStart(0);
  field->SetSelLength(11);
  EXPECT_EQ(field->SelLength(), 11);
  field->SetSelBold(true);
  EXPECT_TRUE(field->SelBold());
  field->SetSelStart(12);
  field->SetSelLength(2);
  EXPECT_EQ(field->SelStart(), 12);
  EXPECT_FALSE(field->SelBold());
  EXPECT_EQ(field->Text(), "Corvane\r\r\xC3\xA9t\xC3\xA9 text");
}

TEST_F(ControlEventsTest, ButtonActionAndCanvasMouseDownReachTheirHandlers) {
  auto window = TestWnd::Instance();
  platform::ClickButton(window->OkBtn());
  platform::PressMouseOnCanvas(window->Picture(), 12, 7);
  window->OkBtn()->SetEnabled(false);
  platform::ClickButton(window->OkBtn());
  EXPECT_EQ(TestWnd::journal.back(), "MouseDown Picture 12,7");
  EXPECT_EQ(std::count(TestWnd::journal.begin(), TestWnd::journal.end(), "Action OkBtn"), 1);
}

TEST_F(ControlEventsTest, AnExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn) {
  TestWnd::okAction = [](TestWnd&) {
    throw platform::OutOfBoundsException("Index 5 outside 0..3");
  };
  auto window = TestWnd::Instance();
  platform::ClickButton(window->OkBtn());
  platform::TypeText(window->NameFld(), "a!b");  // the filter fails on "!"
  ASSERT_EQ(user_->messages.size(), 2u);
  EXPECT_EQ(user_->messages[0], "Unhandled OutOfBoundsException: Index 5 outside 0..3");
  EXPECT_EQ(user_->messages[1], "Unhandled exception: filter failed");
  EXPECT_EQ(window->NameFld()->Text(), "ab");  // a key whose filter failed is dropped
  TestWnd::okAction = nullptr;
  platform::ClickButton(window->OkBtn());
  EXPECT_EQ(std::count(TestWnd::journal.begin(), TestWnd::journal.end(), "Action OkBtn"), 2);
}

TEST_F(ControlEventsTest, AnEventAfterItsWindowIsGoneRaisesNilObjectInsteadOfCrashing) {
  std::shared_ptr<platform::PushButton> button;
  std::weak_ptr<TestWnd> gone;
  {
    auto window = TestWnd::Instance();
    gone = window;
    button = window->OkBtn();
    window->Close();
  }
  ASSERT_TRUE(gone.expired());
  // The window's widgets wait for the event loop to delete them; a click already on its way
  // still reaches the button's dispatch.
  auto result = button->DispatchEvent(platform::PushButton::kActionEvent, {});
  EXPECT_FALSE(result.has_value());
  ASSERT_EQ(user_->messages.size(), 1u);
  EXPECT_EQ(user_->messages[0].rfind("Unhandled NilObjectException: ", 0), 0u)
      << user_->messages[0];
  platform::ProcessPendingEvents();
  EXPECT_THROW(button->Left(), platform::NilObjectException);
}

TEST_F(ControlEventsTest, AHandlerMayCloseItsOwnWindowAndKeepRunningTheBackgroundTask) {
  TestWnd::okAction = [](TestWnd& window) {
    window.Close();
    for (int pass = 0; pass < 3; ++pass) {
      std::this_thread::sleep_for(std::chrono::milliseconds(12));
      platform::RuntimeBackgroundTask();
    }
    window.NameFld()->SetText("still here");  // the widgets live until the handler returns
  };
  auto window = TestWnd::Instance();
  platform::ClickButton(window->OkBtn());
  EXPECT_TRUE(user_->messages.empty()) << user_->messages[0];
  EXPECT_EQ(window->NameFld()->Text(), "still here");
  platform::ProcessPendingEvents();
  EXPECT_THROW(window->NameFld()->Text(), platform::NilObjectException);
}

TEST_F(ControlEventsTest, AWindowClosedByItsOwnButtonGoesAwayWithNoOneHoldingIt) {
  TestWnd::okAction = [](TestWnd& window) { window.Close(); };
  std::shared_ptr<platform::PushButton> button = TestWnd::Instance()->OkBtn();
  std::weak_ptr<platform::Window> gone = TestWnd::Instance();
  platform::ClickButton(button);
  EXPECT_TRUE(gone.expired());
  EXPECT_TRUE(user_->messages.empty());
  platform::ProcessPendingEvents();
  EXPECT_THROW(button->Caption().empty() ? 0 : button->Width(), platform::NilObjectException);
}

TEST_F(ControlEventsTest, AYesNoQuestionAnswersThroughTheScriptedProvider) {
  TestWnd::okAction = [](TestWnd& window) {
    if (platform::MsgBox("Close the window?", platform::kMsgBoxYesNoQuestion, "") ==
        platform::kMsgBoxYes) {
      window.Close();
    }
  };
  auto window = TestWnd::Instance();
  user_->QueueAnswer(platform::kMsgBoxNo);
  platform::ClickButton(window->OkBtn());
  EXPECT_FALSE(window->IsClosed());
  user_->QueueAnswer(platform::kMsgBoxYes);
  platform::ClickButton(window->OkBtn());
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(user_->questions, (std::vector<std::string>{"Close the window?", "Close the window?"}));
}

TEST_F(ControlEventsTest, TheCloseBoxClosesOnlyAWindowThatHasOne) {
  auto box = BoxWnd::Instance();
  platform::CloseByCloseBox(box);
  EXPECT_FALSE(box->IsClosed());
  auto window = TestWnd::Instance();
  platform::CloseByCloseBox(window);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(TestWnd::journal.back(), "Close");
}

TEST_F(ControlEventsTest, KeysAndClicksInABoxReachItsWindowEvents) {
  auto box = BoxWnd::Instance();
  platform::PressKeyInWindow(box, "q");
  EXPECT_FALSE(box->Visible());
  box->Show();
  platform::ClickInWindow(box, 60, 20);  // on the disabled badge canvas
  box->Show();
  platform::ClickInWindow(box, 5, 90);  // on the notice label
  EXPECT_EQ(BoxWnd::journal,
            (std::vector<std::string>{"KeyDown q", "MouseDown 60,20", "MouseDown 5,90"}));
}

TEST_F(ControlEventsTest, ActivationAndMenuCommandsReachTheWindow) {
  auto window = TestWnd::Instance();
  platform::ActivateWindow(window);
  EXPECT_NE(std::find(TestWnd::journal.begin(), TestWnd::journal.end(), "Activate"),
            TestWnd::journal.end());
  window->RunEnableMenuItems();
  EXPECT_FALSE(window->HandleMenuCommand("HelloItem"));
  EXPECT_FALSE(window->HandleMenuCommand("OtherItem"));
  EXPECT_EQ(TestWnd::journal.back(), "HelloItem");
  EXPECT_EQ(*(TestWnd::journal.end() - 2), "EnableMenuItems");
}

}  // namespace
