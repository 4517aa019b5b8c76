#include "analysis/control_wnd.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "report_lines.h"
#include "shared/bundle_pictures.h"
#include "support/corvane_session.h"

namespace corvane {
namespace {

using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";

using ControlWndTest = testing_support::CorvaneSession;

// Clear forgets the calculation for the Graph button, but the results stay for a graph window
// that may still show them.
TEST_F(ControlWndTest, CalculateFillsTheReportAndOpensTheGraphUntilClear) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "5");
  platform::PasteText(window->EigenFld(), "3.9\n2.4\n2.0\n1.6\n0.7");
  Calculate();
  const Texts lines = testing_support::ReportLines(window->EigenFld()->Text());
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[2], ReportDateLine());
  EXPECT_EQ(lines[11], "*Critical value = 0.2000 (2 factors)");
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, Texts{});

  window->EigenFld()->SetFocus();
  platform::ClickButton(window->ClearBtn());
  EXPECT_EQ(window->NVarsFld()->Text(), "");
  EXPECT_EQ(window->EigenFld()->Text(), "");
  EXPECT_EQ(Module1::gCV, 2.0);
  EXPECT_EQ((*Module1::gArray)(1, 2), 3.9);
  platform::PressKeyInWindow(window, "9");
  EXPECT_EQ(window->NVarsFld()->Text(), "9");
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().boxes, (testing_support::Boxes{{kGraphRefusal, 0, ""}}));
}

// Pressed again, Calculate reads the report in the field as eigenvalues: of its lines only the
// empty first one and the empty one after the date are reported, and the new report replaces it.
TEST_F(ControlWndTest, CalculatePressedAgainReadsTheReportAndReportsItsTwoEmptyLines) {
  CalculateInMainWindow("20", testing_support::kWorkedExample);
  const std::string firstReport = Window()->EigenFld()->Text();
  Calculate();
  EXPECT_EQ(User().boxes,
            (testing_support::Boxes{{"Please check the accuracy of Eigenvalue # 1.", 0, ""},
                                    {"Please check the accuracy of Eigenvalue # 4.", 0, ""}}));
  const Texts lines = testing_support::ReportLines(Window()->EigenFld()->Text());
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_NE(Window()->EigenFld()->Text(), firstReport);
  EXPECT_EQ(lines[2], ReportDateLine());
}

// The accessors keep a successful read for the whole process, so this must come before any read.
TEST_F(ControlWndTest, WithoutThePictureFilesTheWindowOpensWithBlankCanvases) {
  if (Corvane() || Deziz68copy()) GTEST_SKIP() << "the pictures were read by an earlier test";
  // The question mark is missing; the product picture is there but cannot be read.
  auto resources = platform::_GetApplicationBundleResources();
  std::ofstream(resources->Child("Corvane.tiff")->Path()) << "not a picture";
  auto window = Window();
  EXPECT_EQ(window->Canvas3()->Backdrop(), nullptr);
  EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
  EXPECT_EQ(User().boxes, testing_support::Boxes{});
}

}  // namespace
}  // namespace corvane
