#include "analysis/control_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "main_window_session.h"
#include "platform/core/color.h"
#include "platform/graphics/picture.h"
#include "platform/system/folder_item.h"
#include "platform/testing/user_simulation.h"
#include "report_lines.h"
#include "shared/bundle_pictures.h"
#include "shared/module1.h"

namespace corvane {
namespace {

using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";

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

TEST_F(ControlWndTest, OpensTallEnoughForItsButtonsWithTheCountCentredAndTheTitleBlue) {
  auto window = Window();
  // Taller than its maximum height, so that the bottom row of buttons (503 to 533) is drawn.
  EXPECT_TRUE(Inked(InkColumns(window, 30, 503, 80, 30)));
  EXPECT_TRUE(Inked(InkColumns(window, 269, 503, 80, 30)));

  // A left-aligned digit would sit near x = 235, well left of the field's middle at 255.
  platform::TypeText(window->NVarsFld(), "7");
  EXPECT_NEAR(InkMiddle(window, 233, 153, 44, 14), 255.0, 4.0);
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
  EXPECT_EQ(User().messages, Texts{kGraphRefusal});
}

// The accessors keep a successful read for the whole process, so this must come before any read.
TEST_F(ControlWndTest, WithoutThePictureFilesTheWindowOpensWithBlankCanvases) {
  if (Corvane() || Deziz68copy()) GTEST_SKIP() << "the pictures were read by an earlier test";
  // The question mark is missing; the product picture is there but cannot be read.
  auto resources = platform::_GetApplicationBundleResources();
  std::ofstream(resources->Child("Corvane.tiff")->Path()) << "not a picture";
  auto window = Window();
  EXPECT_FALSE(Inked(InkColumns(window, 5, 3, 78, 77)));
  EXPECT_FALSE(Inked(InkColumns(window, 400, 210, 74, 45)));
  EXPECT_EQ(User().messages, Texts{});
}

TEST_F(ControlWndTest, WithTheBundleBothCanvasesShowTheirPictures) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  auto window = Window();
  EXPECT_EQ(window->Canvas3()->Backdrop(), Corvane());
  EXPECT_EQ(window->Canvas1()->Backdrop(), Deziz68copy());
  EXPECT_TRUE(Inked(InkColumns(window, 5, 3, 78, 77)));
  EXPECT_TRUE(Inked(InkColumns(window, 400, 210, 74, 45)));
}

}  // namespace
}  // namespace corvane
