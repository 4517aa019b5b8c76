#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/corvane_session.h"

// The two key filters of the main window, fed with real key events.
namespace corvane {
namespace {

using ControlWndKeysTest = testing_support::CorvaneSession;

enum class Entry { kTyped, kComposed, kPasted };

// The field's text as the person left it: "|" marks the caret and "[...]" a selection; with
// neither, the caret stands at the end.
void PlaceText(const std::shared_ptr<platform::TextArea>& field, const std::string& marked) {
  std::string text;
  int32_t start = -1, length = 0;
  for (char c : marked) {
    if (c == '|' || c == '[') {
      start = static_cast<int32_t>(text.size());
    } else if (c == ']') {
      length = static_cast<int32_t>(text.size()) - start;
    } else {
      text += c;
    }
  }
  field->SetText(text);
  field->SetSelStart(start < 0 ? static_cast<int32_t>(text.size()) : start);
  field->SetSelLength(length);
}

// Every key a filter names, in each field, with its neighbours in the code table; and the count
// field's two characters, which stop a typed key or Return silently and refuse with a beep a
// paste that does not fit whole once the blanks and line endings around it are dropped. A key
// arrives typed, or committed by an input method (the only way a line feed or a control code
// other than the named keys arrives); a paste passes no filter.
TEST_F(ControlWndKeysTest, KeysAndPastesAreTakenOrRefusedWithABeepAsThePersonSeesIt) {
  struct Input {
    bool countField;
    Entry entry;
    const char *before, *keys, *kept;
    int beeps;
  };
  using enum Entry;
  const Input inputs[] = {
      {false, kTyped, "", "0123456789", "0123456789", 0},
      {false, kTyped, "", "/:", "", 2},
      {false, kTyped, "", "-1.5\r2\b3\n.4", "-1.5\r3\r.4", 0},  // "\n": the keypad's Enter
      {false, kTyped, "1|5", "\x7F", "1", 0},
      {false, kTyped, "", "1e-3", "1-3", 1},
      {false, kTyped, "", "+2,5\t E\x1B", "25", 6},
      {false, kComposed, "", "1\n2\x1F", "1\r2", 1},
      {false, kPasted, "", "3,11\n-a", "3,11\r-a", 0},
      {false, kPasted, "", " 1\r\n", " 1\r", 0},
      {true, kTyped, "", "09", "09", 0},
      {true, kTyped, "", "/:-.3 a+~\xC3\xA9", "3", 9},
      {true, kTyped, "", "12\b5\x7F", "15", 0},
      {true, kTyped, "|12", "\x7F", "2", 0},
      {true, kTyped, "12|", "\b", "1", 0},
      {true, kTyped, "", "4\t", "4", 0},  // the tab moves on, as in any field
      {true, kTyped, "", "123", "12", 0},
      {true, kTyped, "[12]", "34", "34", 0},
      {true, kTyped, "", "1\r", "1\r", 0},
      {true, kTyped, "", "12\r", "12", 0},
      {true, kComposed, "", "\x1C\x1F", "\x1C\x1F", 0},
      {true, kPasted, "", "123", "", 1},
      {true, kPasted, "", "9.9", "", 1},
      {true, kPasted, "1", "50", "1", 1},
      {true, kPasted, "1", "5", "15", 0},
      {true, kPasted, "[12]", "34", "34", 0},
      {true, kPasted, "", "-5", "-5", 0},
      // A copied cell brings its line ending or blanks; a break inside still counts.
      {true, kPasted, "", "20\n", "20", 0},
      {true, kPasted, "", "20\r\n", "20", 0},
      {true, kPasted, "", " 20\t", "20", 0},
      {true, kPasted, "", "7\r\n", "7", 0},
      {true, kPasted, "", "1\n2", "", 1},
  };
  for (const Input& input : inputs) {
    SCOPED_TRACE((input.countField ? "count " : "eigenvalues ") +
                 testing::PrintToString(std::string(input.before) + " + " + input.keys));
    auto field = input.countField ? Window()->NVarsFld() : Window()->EigenFld();
    PlaceText(field, input.before);
    User().beeps = 0;
    switch (input.entry) {
      case kTyped:
        platform::TypeText(field, input.keys);
        break;
      case kComposed:
        platform::ComposeText(field, input.keys);
        break;
      case kPasted:
        platform::PasteText(field, input.keys);
        break;
    }
    EXPECT_EQ(field->Text(), input.kept);
    EXPECT_EQ(User().beeps, input.beeps);
  }
  EXPECT_EQ(User().messages, std::vector<std::string>{});
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
