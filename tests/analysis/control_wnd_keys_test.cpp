#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "main_window_session.h"
#include "platform/text_area.h"
#include "platform/user_simulation.h"

// The two key filters of the main window, fed with real key events.
namespace corvane {
namespace {

class ControlWndKeysTest : public testing_support::MainWindowSession {
 protected:
  // Types the keys into an emptied field and gives back what the field then holds.
  std::string Typed(const std::shared_ptr<platform::TextArea>& field, const std::string& keys) {
    field->SetText("");
    User().beeps = 0;
    platform::TypeText(field, keys);
    return field->Text();
  }
};

TEST_F(ControlWndKeysTest, EigenvaluesTakeDigitsSignPointAndLineBreaks) {
  auto field = Window()->EigenFld();
  EXPECT_EQ(Typed(field, "5.43\r"), "5.43\r");
  EXPECT_EQ(User().beeps, 0);
  EXPECT_EQ(Typed(field, "-0.5"), "-0.5");
  EXPECT_EQ(User().beeps, 0);
  EXPECT_EQ(Typed(field, "1.5\r2\b3\r.4"), "1.5\r3\r.4");
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(ControlWndKeysTest, EigenvaluesRefuseExponentsPlusSignsCommasAndTabsWithABeepEach) {
  auto field = Window()->EigenFld();
  EXPECT_EQ(Typed(field, "1e-3"), "1-3");
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(Typed(field, "+2"), "2");
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(Typed(field, "2,5"), "25");
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(Typed(field, "1\t2 E\x1B"), "12");
  EXPECT_EQ(User().beeps, 4);
}

TEST_F(ControlWndKeysTest, PastedTextIsNotFiltered) {
  auto field = Window()->EigenFld();
  platform::PasteText(field, "1e-3");
  EXPECT_EQ(field->Text(), "1e-3");
  platform::PasteText(Window()->NVarsFld(), "a.");
  EXPECT_EQ(Window()->NVarsFld()->Text(), "a.");
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(ControlWndKeysTest, TheReportIsGuardedByTheSameFilter) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "3");
  platform::PasteText(window->EigenFld(), "1.5\n1.0\n0.5");
  platform::ClickButton(window->CalculateBtn());
  const std::string report = window->EigenFld()->Text();
  platform::TypeText(window->EigenFld(), "x");
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(window->EigenFld()->Text(), report);
}

TEST_F(ControlWndKeysTest, TheCountTakesDigitsAndRefusesSignsPointsBlanksAndLetters) {
  auto field = Window()->NVarsFld();
  EXPECT_EQ(Typed(field, "19"), "19");
  EXPECT_EQ(User().beeps, 0);
  EXPECT_EQ(Typed(field, "-.3 a+"), "3");
  EXPECT_EQ(User().beeps, 5);
  EXPECT_EQ(Typed(field, "12\b5"), "15");
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(ControlWndKeysTest, TheCountLetsControlKeysThroughWithoutABeep) {
  auto field = Window()->NVarsFld();
  EXPECT_EQ(Typed(field, "4\x7F\t"), "4");  // the tab moves on, as in any field
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(ControlWndKeysTest, AThirdDigitIsStoppedByTheLimitNotByTheFilter) {
  auto field = Window()->NVarsFld();
  EXPECT_EQ(Typed(field, "123"), "12");
  EXPECT_EQ(User().beeps, 0);
}

}  // namespace
}  // namespace corvane
