#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "main_window_session.h"
#include "platform/testing/user_simulation.h"
#include "platform/text_area/text_area.h"

// The two key filters of the main window, fed with real key events.
namespace corvane {
namespace {

using ControlWndKeysTest = testing_support::MainWindowSession;

TEST_F(ControlWndKeysTest, TypedKeysAreFilteredWithABeepForEachOneRefused) {
  struct Typing {
    bool countField;
    const char* keys;
    const char* kept;
    int beeps;
  };
  const Typing typings[] = {
      {false, "5.43\r", "5.43\r", 0}, {false, "-1.5\r2\b3\r.4", "-1.5\r3\r.4", 0},
      {false, "1e-3", "1-3", 1},      {false, "+2,5\t E\x1B", "25", 6},
      {true, "19", "19", 0},          {true, "-.3 a+", "3", 5},
      {true, "12\b5\x7F", "15", 0},   {true, "4\t", "4", 0},  // the tab moves on, as in any field
      {true, "123", "12", 0},  // the limit stops the third digit, not the filter
  };
  for (const Typing& typing : typings) {
    SCOPED_TRACE(testing::PrintToString(std::string(typing.keys)));
    auto field = typing.countField ? Window()->NVarsFld() : Window()->EigenFld();
    field->SetText("");
    User().beeps = 0;
    platform::TypeText(field, typing.keys);
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
