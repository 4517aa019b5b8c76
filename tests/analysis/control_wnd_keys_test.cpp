#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/corvane_session.h"

// The two key filters of the main window, fed with real key events.
namespace corvane {
namespace {

using ControlWndKeysTest = testing_support::CorvaneSession;

// Keys typed one by one, or committed together by an input method (which is how a line feed or
// a control code other than the named keys arrives).
TEST_F(ControlWndKeysTest, KeysAreFilteredWithABeepForEachOneRefused) {
  struct Typing {
    bool countField, composed;
    const char* keys;
    const char* kept;
    int beeps;
  };
  const Typing typings[] = {
      {false, false, "0123456789", "0123456789", 0},
      {false, false, "-1.5\r2\b3\r.4", "-1.5\r3\r.4", 0},
      {false, false, "1e-3", "1-3", 1},
      {false, false, "+2,5\t E\x1B", "25", 6},
      {false, true, "1\n2\x1F", "1\r2", 1},
      {true, false, "09", "09", 0},
      {true, false, "-.3 a+", "3", 5},
      {true, false, "12\b5\x7F", "15", 0},
      {true, false, "4\t", "4", 0},   // the tab moves on, as in any field
      {true, false, "123", "12", 0},  // the limit stops the third digit, not the filter
      {true, true, "\x1C\x1F", "\x1C\x1F", 0},
  };
  for (const Typing& typing : typings) {
    SCOPED_TRACE(testing::PrintToString(std::string(typing.keys)));
    auto field = typing.countField ? Window()->NVarsFld() : Window()->EigenFld();
    field->SetText("");
    User().beeps = 0;
    if (typing.composed) {
      platform::ComposeText(field, typing.keys);
    } else {
      platform::TypeText(field, typing.keys);
    }
    EXPECT_EQ(field->Text(), typing.kept);
    EXPECT_EQ(User().beeps, typing.beeps);
  }
}

// Shift+Tab is Tab to the filters; the buttons leave the focus where the typing was.
TEST_F(ControlWndKeysTest, ShiftTabIsRefusedLikeTabAndCalculateLeavesTheFocusInTheField) {
  auto window = Window();
  window->EigenFld()->SetFocus();
  platform::PressShiftTab(window->EigenFld());
  EXPECT_EQ(User().beeps, 1);
  Calculate();  // refused: no count yet
  platform::PressKeyInWindow(window, "3");
  EXPECT_EQ(window->EigenFld()->Text(), "3");
  EXPECT_EQ(User().messages.size(), 1u);
}

}  // namespace
}  // namespace corvane
