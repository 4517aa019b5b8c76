#include "analysis/control_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "analysis/scree_report.h"
#include "app/bundle_pictures.h"
#include "app/module1.h"
#include "help/about_wnd.h"
#include "main_window_session.h"
#include "platform/color.h"
#include "platform/folder_item.h"
#include "platform/picture.h"
#include "platform/user_simulation.h"
#include "report_lines.h"

namespace corvane {
namespace {

using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";
constexpr char kRangeRefusal[] = "Variables must range from 3-99";

const char kWorkedExample[] =
    "5.43\n3.11\n2.24\n1.89\n1.52\n1.29\n.80\n.46\n.41\n.37\n"
    ".35\n.33\n.30\n.28\n.25\n.24\n.21\n.20\n.18\n.15";

// The columns of the window's content drawn darker than mid-grey inside the rectangle: from the
// leftmost to the rightmost, or an empty span (first > second) for a blank rectangle.
std::pair<int32_t, int32_t> InkColumns(const std::shared_ptr<ControlWnd>& window, int32_t left,
                                       int32_t top, int32_t width, int32_t height) {
  platform::ProcessPendingEvents();
  auto content = platform::CaptureWindowContent(window);
  std::pair<int32_t, int32_t> ink{left + width, left - 1};
  for (int32_t y = top; y < top + height; ++y) {
    for (int32_t x = left; x < left + width; ++x) {
      const platform::Color pixel = content->PixelColor(x, y);
      if (pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160) {
        ink = {std::min(ink.first, x), std::max(ink.second, x)};
      }
    }
  }
  return ink;
}

bool Inked(const std::pair<int32_t, int32_t>& ink) {
  return ink.first <= ink.second;
}

// The middle of the ink, which must keep clear of the rectangle's ends: the whole text fits.
double InkMiddle(const std::shared_ptr<ControlWnd>& window, int32_t left, int32_t top,
                 int32_t width, int32_t height) {
  const auto [leftmost, rightmost] = InkColumns(window, left, top, width, height);
  EXPECT_GT(leftmost, left + 2) << "nothing drawn, or cut off on the left";
  EXPECT_LT(rightmost, left + width - 3) << "cut off on the right";
  return (leftmost + rightmost) / 2.0;
}

using ControlWndTest = testing_support::MainWindowSession;

TEST_F(ControlWndTest, OpensFiveHundredByFiveFiftyWithItsControlsInCreationOrder) {
  auto window = Window();
  Texts names;
  for (const auto& control : window->Controls()) names.push_back(control->Name());
  EXPECT_EQ(names, (Texts{"NVarsFld", "EigenFld", "ClearBtn", "CalculateBtn", "StaticText3",
                          "Canvas3", "StaticText4", "StaticText9", "Rectangle1", "StaticText1",
                          "PrintBtn", "GraphBtn", "Canvas1"}));
  EXPECT_EQ(window->ClearBtn()->Caption(), "Clear");
  EXPECT_EQ(window->CalculateBtn()->Caption(), "Calculate");
  EXPECT_EQ(window->GraphBtn()->Caption(), "Graph");
  EXPECT_EQ(window->StaticText1()->Text(), "Number of variables (3-99):");
  // Taller than its maximum height, so that the bottom row of buttons (503 to 533) is drawn.
  EXPECT_EQ(window->Height(), 550);
  EXPECT_TRUE(Inked(InkColumns(window, 30, 503, 80, 30)));
  EXPECT_TRUE(Inked(InkColumns(window, 269, 503, 80, 30)));
}

TEST_F(ControlWndTest, TheCountAndTheTitleBlockAreCentredAndTheTitleIsBlueOverABlueRule) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "7");
  // A left-aligned digit would sit near x = 235, well left of the field's middle at 255.
  EXPECT_NEAR(InkMiddle(window, 233, 153, 44, 14), 255.0, 4.0);
  platform::ClickButton(window->ClearBtn());
  platform::TypeText(window->NVarsFld(), "4");
  EXPECT_NEAR(InkMiddle(window, 233, 153, 44, 14), 255.0, 4.0) << "after Clear";

  // The product name's label reaches down into the credit line's: each is scanned over its own
  // rows only.
  EXPECT_NEAR(InkMiddle(window, 115, 1, 371, 47), 300.5, 3.0) << "product name";
  EXPECT_NEAR(InkMiddle(window, 115, 48, 371, 20), 300.5, 3.0) << "credit line";
  auto content = platform::CaptureWindowContent(window);
  for (int32_t y = 1; y < 78; ++y) {
    for (int32_t x = 115; x < 486; ++x) {
      const platform::Color pixel = content->PixelColor(x, y);
      if (pixel == platform::RGB(255, 255, 255)) continue;
      ASSERT_TRUE(pixel.Blue() > pixel.Red() && std::abs(pixel.Red() - pixel.Green()) <= 2)
          << x << "," << y;
    }
  }
  for (int32_t x : {115, 300, 485}) {
    const platform::Color rule = content->PixelColor(x, 79);
    EXPECT_TRUE(rule.Red() == 0 && rule.Green() == 0 && rule.Blue() >= 128) << "rule at " << x;
  }
}

// Clear forgets the calculation for the Graph button, but the results stay for a graph window
// that may still show them.
TEST_F(ControlWndTest, TheWorkedExampleGivesTheReportAndOpensTheGraphUntilClear) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "20");
  platform::PasteText(window->EigenFld(), kWorkedExample);
  Calculate();
  const Texts lines = testing_support::ReportLines(window->EigenFld()->Text());
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[1], kCreditLine);
  EXPECT_EQ(lines[2], ReportDateLine());
  EXPECT_EQ(lines[7], "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(lines[26], "*Critical value = 0.0500 (7 factors)");
  EXPECT_EQ(Module1::gN, 20);
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_NEAR((*Module1::gArray)(7, 3), 0.0870, 0.00005);
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, Texts{});

  window->EigenFld()->SetFocus();
  platform::ClickButton(window->ClearBtn());
  EXPECT_EQ(window->NVarsFld()->Text(), "");
  EXPECT_EQ(window->EigenFld()->Text(), "");
  EXPECT_EQ(Module1::dirty, "");
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ((*Module1::gArray)(1, 2), 5.43);
  platform::PressKeyInWindow(window, "9");
  EXPECT_EQ(window->NVarsFld()->Text(), "9");
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, Texts{kGraphRefusal});
}

TEST_F(ControlWndTest, RefusedInputChangesNothingAndTheGraphStaysClosed) {
  auto window = Window();
  platform::PasteText(window->EigenFld(), "3\r2\r1");
  Calculate();  // no count
  platform::TypeText(window->NVarsFld(), "2");
  Calculate();
  EXPECT_EQ(window->EigenFld()->Text(), "3\r2\r1");
  EXPECT_EQ(Module1::gN, 0);

  window->EigenFld()->SetText("");
  platform::TypeText(window->NVarsFld(), "\b5");
  Calculate();
  EXPECT_EQ(window->EigenFld()->Text(), "");
  EXPECT_EQ(Module1::dirty, "");
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages,
            (Texts{kRangeRefusal, kRangeRefusal, "No Eigenvalues.", kGraphRefusal}));
}

TEST_F(ControlWndTest, EveryActivationOfTheMainWindowHidesTheAboutBox) {
  auto window = Window();
  platform::ActivateWindow(window);
  platform::ProcessPendingEvents();
  EXPECT_FALSE(AboutWnd::Instance()->Visible()) << "none was open: made hidden";
  AboutWnd::Instance()->Show();
  platform::ActivateWindow(window);
  platform::ProcessPendingEvents();
  EXPECT_FALSE(AboutWnd::Instance()->Visible());
  EXPECT_TRUE(window->Visible());
}

// The accessors keep a successful read for the whole process, so this must come before any read.
TEST_F(ControlWndTest, WithoutThePictureFilesTheWindowOpensWithBlankCanvases) {
  if (Corvane() || Deziz68copy()) GTEST_SKIP() << "the pictures were read by an earlier test";
  // The question mark is missing; the product picture is there but cannot be read.
  auto resources = platform::_GetApplicationBundleResources();
  std::ofstream(resources->Child("Corvane.tiff")->Path()) << "not a picture";
  auto window = Window();
  platform::ProcessPendingEvents();
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(Inked(InkColumns(window, 5, 3, 78, 77)));
  EXPECT_FALSE(Inked(InkColumns(window, 400, 210, 74, 45)));
  EXPECT_EQ(User().messages, Texts{});
}

TEST_F(ControlWndTest, WithTheBundleBothCanvasesShowTheirPictures) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  auto window = Window();
  platform::ProcessPendingEvents();
  EXPECT_EQ(window->Canvas3()->Backdrop(), Corvane());
  EXPECT_EQ(window->Canvas1()->Backdrop(), Deziz68copy());
  EXPECT_TRUE(Inked(InkColumns(window, 5, 3, 78, 77)));
  EXPECT_TRUE(Inked(InkColumns(window, 400, 210, 74, 45)));
}

}  // namespace
}  // namespace corvane
