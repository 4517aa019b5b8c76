#include "platform/testing/user_simulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/key_press_recorder.h"
#include "support/test_windows.h"

namespace {

using UserSimulationTest = testing_support::FrameworkSession;

// The scripted user presses the key a keyboard has for each code: the keypad's Enter for "\n",
// distinct from Return, so that tests typing it reach the framework's handling of that key.
TEST_F(UserSimulationTest, EachCodedKeyIsTheKeyAKeyboardSends) {
  auto field = Opened()->NameFld();
  platform::KeyPressRecorder keys(field);
  platform::TypeText(field,
                     "\r\n\b\t\x1B\x7F"
                     "a ");
  platform::PressShiftTab(field);
  platform::TypeWithAlt(field, "e");
  EXPECT_EQ(keys.Presses(),
            (std::vector<std::string>{"Return", "Num+Enter", "Backspace", "Tab", "Esc", "Del", "A",
                                      "Space", "Shift+Backtab", "Alt+E"}));
}

}  // namespace
