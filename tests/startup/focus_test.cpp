#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "help/description_wnd.h"
#include "platform/testing/menu_user_simulation.h"
#include "support/corvane_session.h"

// Where the keyboard goes, as a person finds out: by typing, and by pressing Space on a button.
namespace {

using testing_support::Boxes;
using testing_support::CorvaneSession;
using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";
constexpr char kRangeMessage[] = "Variables must range from 3-99";

class FocusTest : public CorvaneSession {
 protected:
  void SetUp() override {
    CorvaneSession::SetUp();
    platform::ActivateWindow(Window());
  }
  // A click into the count field, as a person starts typing there.
  static void ClickCountField() { platform::ClickInWindow(Window(), 240, 158); }
  static void Press(const std::string& key) { platform::PressKeyInWindow(Window(), key); }
};

// Tab goes from the count field to the eigenvalues, whose filter refuses it; Shift+Tab goes from
// the count field back through the buttons in the order they were made, last first, and on into
// the eigenvalues. The labels and pictures are no stops.
TEST_F(FocusTest, TabAndShiftTabWalkTheMainWindowsFieldsAndButtonsInTheirOrder) {
  ClickCountField();
  Press("2");
  Press("\t");
  Press("1");
  EXPECT_EQ(Window()->NVarsFld()->Text(), "2");
  EXPECT_EQ(Window()->EigenFld()->Text(), "1");

  ClickCountField();
  platform::PressShiftTabInWindow(Window());
  Press(" ");
  EXPECT_EQ(User().messages, Texts{kGraphRefusal});
  platform::PressShiftTabInWindow(Window());
  Press(" ");
  EXPECT_EQ(User().printDialogs, 1);
  platform::PressShiftTabInWindow(Window());
  Press(" ");
  EXPECT_EQ(User().messages, (Texts{kGraphRefusal, kRangeMessage}));
  platform::PressShiftTabInWindow(Window());  // Clear
  platform::PressShiftTabInWindow(Window());
  Press("9");
  EXPECT_EQ(Window()->EigenFld()->Text(), "19");
  EXPECT_EQ(User().beeps, 0);

  ClickCountField();
  for (int stop = 0; stop < 4; ++stop) platform::PressShiftTabInWindow(Window());
  Press(" ");  // Clear empties both fields and hands the keyboard to the count field
  Press("7");
  EXPECT_EQ(Window()->NVarsFld()->Text(), "7");
  EXPECT_EQ(Window()->EigenFld()->Text(), "");
}

// The logo and the question mark take no focus: after a click on either, and after the help
// window the question mark opens, the typing goes on where it was.
TEST_F(FocusTest, AClickOnAPictureLeavesTheTypingInTheFieldThatHadIt) {
  Window()->EigenFld()->SetFocus();
  platform::ClickInWindow(Window(), 40, 40);  // the logo
  Press("1");
  platform::ClickInWindow(Window(), 437, 232);  // the question mark
  ASSERT_TRUE(Shown(corvane::DescriptionWnd::Instance()));
  platform::ActivateWindow(corvane::DescriptionWnd::Instance());
  EXPECT_TRUE(platform::ChooseMenuItem("ControlMenuItem"));
  platform::ActivateWindow(Window());
  Press("2");
  EXPECT_EQ(Window()->EigenFld()->Text(), "12");
  EXPECT_EQ(Window()->NVarsFld()->Text(), "");
}

// The graph window has no field: it comes up with the keyboard on Close, its first button, and
// Tab walks on through Copy, Save and Print and round to Close again.
TEST_F(FocusTest, TheGraphWindowsButtonsTakeTheKeyboardFromCloseToPrintAndRound) {
  CalculateInMainWindow("20", testing_support::kWorkedExample);
  PressGraph();
  auto graph = OpenGraph();
  ASSERT_TRUE(Shown(graph));
  platform::ActivateWindow(graph);
  auto nextButton = [&graph] {
    platform::PressKeyInWindow(graph, "\t");
    platform::PressKeyInWindow(graph, " ");
  };
  const testing_support::Box question{"Are you sure you want to erase this graph",
                                      platform::kMsgBoxYesNoQuestion, ""};
  platform::PressKeyInWindow(graph, " ");
  EXPECT_EQ(User().boxes, Boxes{question});
  nextButton();
  EXPECT_EQ(User().boxes, (Boxes{question, {"Copied to clipboard", 0, ""}}));
  nextButton();
  EXPECT_EQ(User().suggestedExportNames.size(), 1u);
  nextButton();
  EXPECT_EQ(User().printDialogs, 1);
  nextButton();  // Save cleared the flag: Close closes at once
  EXPECT_FALSE(Shown(OpenGraph()));
  EXPECT_EQ(User().boxes.size(), 2u);
}

}  // namespace
