#include "analysis/control_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/scree_report.h"
#include "app/bundle_pictures.h"
#include "app/module1.h"
#include "help/about_wnd.h"
#include "main_window_session.h"
#include "platform/color.h"
#include "platform/event_loop.h"
#include "platform/folder_item.h"
#include "platform/implicit_instances.h"
#include "platform/picture.h"
#include "platform/user_simulation.h"
#include "report_lines.h"

namespace corvane {
namespace {

using testing_support::ReportLines;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";
constexpr char kRangeRefusal[] = "Variables must range from 3-99";

const char kWorkedExample[] =
    "5.43\n3.11\n2.24\n1.89\n1.52\n1.29\n.80\n.46\n.41\n.37\n"
    ".35\n.33\n.30\n.28\n.25\n.24\n.21\n.20\n.18\n.15";

std::string MissingLineMessage(int line) {
  return "Please check the accuracy of Eigenvalue # " + std::to_string(line) + ".";
}

// Whether any pixel of the rectangle differs from the window's white background.
bool InkedWithin(const platform::Picture& picture, int32_t left, int32_t top, int32_t width,
                 int32_t height) {
  for (int32_t y = top; y < top + height; ++y) {
    for (int32_t x = left; x < left + width; ++x) {
      if (picture.PixelColor(x, y) != platform::RGB(255, 255, 255)) return true;
    }
  }
  return false;
}

// The columns between which something darker than mid-grey is drawn inside the rectangle.
struct InkExtent {
  int32_t leftmost = 100000;
  int32_t rightmost = -1;
  double Middle() const { return (leftmost + rightmost) / 2.0; }
};

InkExtent InkSpan(const std::shared_ptr<ControlWnd>& window, int32_t left, int32_t top,
                  int32_t width, int32_t height) {
  platform::ProcessPendingEvents();
  auto content = platform::CaptureWindowContent(window);
  InkExtent ink;
  for (int32_t y = top; y < top + height; ++y) {
    for (int32_t x = left; x < left + width; ++x) {
      const platform::Color pixel = content->PixelColor(x, y);
      if (pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160) {
        ink.leftmost = std::min(ink.leftmost, x);
        ink.rightmost = std::max(ink.rightmost, x);
      }
    }
  }
  EXPECT_GE(ink.rightmost, ink.leftmost) << "nothing drawn";
  return ink;
}

using ControlWndTest = testing_support::MainWindowSession;

// --- Construction -------------------------------------------------------------------------------

TEST_F(ControlWndTest, BuildsTheThirteenControlsInCreationOrderWhereTheLayoutPutsThem) {
  struct Expected {
    const char* name;
    const char* className;
    int32_t left, top, width, height;
  };
  const std::vector<Expected> expected = {
      {"NVarsFld", "TextArea", 230, 150, 50, 20},   {"EigenFld", "TextArea", 20, 210, 350, 280},
      {"ClearBtn", "PushButton", 269, 503, 80, 30}, {"CalculateBtn", "PushButton", 30, 503, 80, 30},
      {"StaticText3", "Label", 20, 192, 120, 19},   {"Canvas3", "Canvas", 5, 3, 78, 77},
      {"StaticText4", "Label", 115, 1, 371, 50},    {"StaticText9", "Label", 115, 48, 371, 20},
      {"Rectangle1", "Rectangle", 115, 78, 371, 2}, {"StaticText1", "Label", 20, 150, 210, 20},
      {"PrintBtn", "PushButton", 400, 368, 80, 30}, {"GraphBtn", "PushButton", 400, 456, 80, 30},
      {"Canvas1", "Canvas", 400, 210, 74, 45},
  };
  auto window = Window();
  const auto& controls = window->Controls();
  ASSERT_EQ(controls.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(controls[i]->Name(), expected[i].name);
    ASSERT_NE(controls[i]->ClassRecordOf(), nullptr);
    EXPECT_EQ(controls[i]->ClassRecordOf()->name, expected[i].className);
    EXPECT_EQ(controls[i]->Left(), expected[i].left);
    EXPECT_EQ(controls[i]->Top(), expected[i].top);
    EXPECT_EQ(controls[i]->Width(), expected[i].width);
    EXPECT_EQ(controls[i]->Height(), expected[i].height);
  }
  EXPECT_EQ(window->ClassRecordOf()->name, "ControlWnd.ControlWnd");
  EXPECT_EQ(window->Title(), "Corvane");
}

TEST_F(ControlWndTest, OpensFiveHundredByFiveFiftyDespiteItsLowerMaximumHeight) {
  auto window = Window();
  platform::ProcessPendingEvents();
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Width(), 500);
  EXPECT_EQ(window->Height(), 550);
  // The bottom row of buttons, at 503 to 533, is drawn inside the window.
  auto content = platform::CaptureWindowContent(window);
  ASSERT_EQ(content->Height(), 550);
  EXPECT_TRUE(InkedWithin(*content, 30, 503, 80, 30));
  EXPECT_TRUE(InkedWithin(*content, 269, 503, 80, 30));
}

TEST_F(ControlWndTest, FieldsLabelsAndButtonsCarryTheirTextsFontsAndLimits) {
  auto window = Window();
  auto count = window->NVarsFld();
  EXPECT_EQ(count->Text(), "");
  EXPECT_EQ(count->LimitText(), 2);
  EXPECT_EQ(count->TextFont(), "Courier");
  EXPECT_EQ(count->TextSize(), 14.0f);
  EXPECT_EQ(count->TextUnit(), 0);
  auto eigenvalues = window->EigenFld();
  EXPECT_EQ(eigenvalues->Text(), "");
  EXPECT_EQ(eigenvalues->LimitText(), 0);
  EXPECT_EQ(eigenvalues->TextFont(), "Courier");
  EXPECT_EQ(eigenvalues->TextSize(), 10.0f);
  EXPECT_FALSE(eigenvalues->ReadOnly());

  EXPECT_EQ(window->ClearBtn()->Caption(), "Clear");
  EXPECT_EQ(window->CalculateBtn()->Caption(), "Calculate");
  EXPECT_EQ(window->PrintBtn()->Caption(), "Print");
  EXPECT_EQ(window->GraphBtn()->Caption(), "Graph");
  EXPECT_EQ(window->GraphBtn()->TextFont(), "System");
  EXPECT_EQ(window->GraphBtn()->TextSize(), 12.0f);

  EXPECT_EQ(window->StaticText3()->Text(), "Eigenvalues");
  EXPECT_EQ(window->StaticText1()->Text(), "Number of variables (3-99):");
  EXPECT_EQ(window->StaticText1()->TextSize(), 14.0f);
  EXPECT_EQ(window->StaticText4()->Text(), "Corvane");
  EXPECT_EQ(window->StaticText4()->TextSize(), 36.0f);
  EXPECT_TRUE(window->StaticText4()->Bold());
  EXPECT_EQ(window->StaticText9()->Text(), kCreditLine);
  EXPECT_TRUE(window->StaticText9()->Bold());
  EXPECT_FALSE(window->StaticText3()->Bold());

  auto rule = window->Rectangle1();
  EXPECT_EQ(rule->FillColor(), platform::RGB(0, 0, 255));
  EXPECT_EQ(rule->TopLeftColor(), platform::RGB(0, 0, 128));
  EXPECT_EQ(rule->BottomRightColor(), platform::RGB(0, 0, 255));
  EXPECT_EQ(rule->BorderWidth(), 1);
}

TEST_F(ControlWndTest, TheVariableCountIsShownCentredInItsFieldAlsoAfterClear) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "7");
  // A left-aligned digit would sit near x = 235, well left of the field's middle at 255.
  EXPECT_NEAR(InkSpan(window, 233, 153, 44, 14).Middle(), 255.0, 4.0);
  platform::ClickButton(window->ClearBtn());
  platform::TypeText(window->NVarsFld(), "4");
  EXPECT_NEAR(InkSpan(window, 233, 153, 44, 14).Middle(), 255.0, 4.0);
}

TEST_F(ControlWndTest, TheTitleBlockIsCentredInBlueOverABlueRule) {
  auto window = Window();
  platform::ProcessPendingEvents();
  auto content = platform::CaptureWindowContent(window);
  // Each label is scanned over its own rows only: the product name's label reaches down into the
  // credit line's.
  const auto name = window->StaticText4();
  const auto credit = window->StaticText9();
  for (const auto& [label, rows] :
       {std::pair{name, credit->Top() - name->Top()}, std::pair{credit, credit->Height()}}) {
    SCOPED_TRACE(label->Name());
    const InkExtent ink = InkSpan(window, label->Left(), label->Top(), label->Width(), rows);
    EXPECT_NEAR(ink.Middle(), 300.5, 3.0);
    // The whole text fits: its ink keeps clear of both ends of the label.
    EXPECT_GT(ink.leftmost, label->Left() + 2);
    EXPECT_LT(ink.rightmost, label->Left() + label->Width() - 3);
  }
  for (int32_t y = 1; y < 78; ++y) {
    for (int32_t x = 115; x < 486; ++x) {
      const platform::Color pixel = content->PixelColor(x, y);
      if (pixel == platform::RGB(255, 255, 255)) continue;
      ASSERT_TRUE(pixel.Blue() > pixel.Red() && std::abs(pixel.Red() - pixel.Green()) <= 2)
          << "not a shade of the title blue at " << x << "," << y;
    }
  }
  for (int32_t x : {115, 300, 485}) {
    for (int32_t y : {78, 79}) {
      const platform::Color pixel = content->PixelColor(x, y);
      EXPECT_TRUE(pixel.Red() == 0 && pixel.Green() == 0 && pixel.Blue() >= 128)
          << "the rule at " << x << "," << y;
    }
  }
}

// --- Calculate ----------------------------------------------------------------------------------

TEST_F(ControlWndTest, TypedCountAndPastedExampleGiveTheReportAndTheSharedResults) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "20");
  platform::PasteText(window->EigenFld(), kWorkedExample);
  Calculate();

  EXPECT_TRUE(User().messages.empty()) << User().messages.front();
  const std::vector<std::string> lines = ReportLines(window->EigenFld()->Text());
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], kCreditLine);
  EXPECT_EQ(lines[2], ReportDateLine());
  EXPECT_EQ(lines[4], std::string(44, '='));
  EXPECT_EQ(lines[5], "Order   Eigenvalue      SE      Factor*");
  EXPECT_EQ(lines[7], "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(lines[16], " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(lines[26], "*Critical value = 0.0500 (7 factors)");
  EXPECT_EQ(window->NVarsFld()->Text(), "20");

  EXPECT_EQ(Module1::gN, 20);
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ(Module1::dirty, "y");
  const auto& results = *Module1::gArray;
  EXPECT_EQ(results(7, 1), 7.0);
  EXPECT_EQ(results(7, 2), 0.80);
  EXPECT_NEAR(results(7, 3), 0.0870, 0.00005);
  EXPECT_NEAR(results(7, 4), -0.03, 0.005);
  EXPECT_NEAR(results(7, 5), 0.78, 0.005);
}

TEST_F(ControlWndTest, ACountOutsideThreeToNinetyNineIsRefusedAndChangesNothing) {
  auto window = Window();
  platform::PasteText(window->EigenFld(), "3\r2\r1");
  Calculate();  // nothing typed
  platform::TypeText(window->NVarsFld(), "2");
  Calculate();
  EXPECT_EQ(User().messages, (std::vector<std::string>{kRangeRefusal, kRangeRefusal}));
  EXPECT_EQ(window->EigenFld()->Text(), "3\r2\r1");
  EXPECT_EQ(Module1::gN, 0);
  EXPECT_EQ(Module1::dirty, "");
}

TEST_F(ControlWndTest, EmptyEigenvaluesAreRefusedWithoutAReport) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "5");
  Calculate();
  EXPECT_EQ(User().messages, std::vector<std::string>{"No Eigenvalues."});
  EXPECT_EQ(window->EigenFld()->Text(), "");
  EXPECT_EQ(Module1::gN, 5);
  EXPECT_EQ(Module1::dirty, "");
}

TEST_F(ControlWndTest, EachMissingLineIsToldInOrderAndTheReportStillFollows) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "6");
  platform::PasteText(window->EigenFld(), "3.9\n2.4\n\n1.6\r\n");
  Calculate();
  EXPECT_EQ(User().messages, (std::vector<std::string>{MissingLineMessage(3), MissingLineMessage(5),
                                                       MissingLineMessage(6)}));
  const std::vector<std::string> lines = ReportLines(window->EigenFld()->Text());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[12].rfind("*Critical value = ", 0), 0u) << lines[12];
  EXPECT_EQ(Module1::dirty, "y");
}

// --- Clear and Graph ----------------------------------------------------------------------------

TEST_F(ControlWndTest, ClearEmptiesBothFieldsForgetsTheCalculationAndTakesTheFocusToTheCount) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "20");
  platform::PasteText(window->EigenFld(), kWorkedExample);
  Calculate();
  ASSERT_EQ(Module1::dirty, "y");

  window->EigenFld()->SetFocus();
  platform::ClickButton(window->ClearBtn());
  EXPECT_EQ(window->NVarsFld()->Text(), "");
  EXPECT_EQ(window->EigenFld()->Text(), "");
  EXPECT_EQ(Module1::dirty, "");
  // The results stay for the graph window that may still show them.
  EXPECT_EQ(Module1::gN, 20);
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ((*Module1::gArray)(1, 2), 5.43);

  platform::PressKeyInWindow(window, "9");
  EXPECT_EQ(window->NVarsFld()->Text(), "9");
  EXPECT_EQ(window->EigenFld()->Text(), "");
}

TEST_F(ControlWndTest, GraphRefusesUntilACalculationAndAgainAfterClear) {
  auto window = Window();
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, std::vector<std::string>{kGraphRefusal});

  platform::TypeText(window->NVarsFld(), "3");
  platform::PasteText(window->EigenFld(), "1.5\n1.0\n0.5");
  Calculate();
  User().messages.clear();
  platform::ClickButton(window->GraphBtn());
  EXPECT_TRUE(User().messages.empty()) << User().messages.front();

  platform::ClickButton(window->ClearBtn());
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, std::vector<std::string>{kGraphRefusal});
}

TEST_F(ControlWndTest, AFailedCalculationDoesNotOpenTheWayToTheGraph) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "4");
  Calculate();  // no eigenvalues
  User().messages.clear();
  platform::ClickButton(window->GraphBtn());
  EXPECT_EQ(User().messages, std::vector<std::string>{kGraphRefusal});
}

// --- Window events ------------------------------------------------------------------------------

TEST_F(ControlWndTest, TheCloseBoxQuitsTheApplicationAndTheNextReferenceBuildsAFreshWindow) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "12");
  ASSERT_FALSE(platform::QuitRequested());
  platform::CloseByCloseBox(window);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_TRUE(platform::QuitRequested());
  EXPECT_EQ(platform::QuitStatus(), 0);
  EXPECT_TRUE(User().messages.empty()) << "no question before quitting";
  platform::ResetQuitForTests();

  auto fresh = Window();
  EXPECT_NE(fresh, window);
  EXPECT_EQ(fresh->NVarsFld()->Text(), "");
}

TEST_F(ControlWndTest, EveryActivationOfTheMainWindowHidesTheAboutBox) {
  auto window = Window();
  platform::ActivateWindow(window);
  platform::ProcessPendingEvents();
  // With no About box open, activation makes one and hides it at once.
  auto made = platform::_GetImplicitWindow(AboutWnd::Lookup().name);
  ASSERT_NE(made, nullptr);
  EXPECT_FALSE(made->Visible());

  auto about = AboutWnd::Instance();
  EXPECT_EQ(about, made);
  about->Show();
  platform::ActivateWindow(window);
  platform::ProcessPendingEvents();
  EXPECT_FALSE(about->Visible());
  EXPECT_FALSE(about->IsClosed());
  EXPECT_TRUE(window->Visible());
  EXPECT_TRUE(User().messages.empty()) << User().messages.front();
}

// --- Pictures (the accessors keep a successful read for the whole process: blank first) ---------

TEST_F(ControlWndTest, WithoutThePictureFilesTheWindowOpensWithBlankCanvases) {
  if (Corvane() || Deziz68copy()) {
    GTEST_SKIP() << "an earlier test of this process has read the pictures already";
  }
  // The question mark is missing; the product picture is there but cannot be read.
  auto resources = platform::_GetApplicationBundleResources();
  std::ofstream(resources->Child("Corvane.tiff")->Path()) << "not a picture";
  auto window = Window();
  platform::ProcessPendingEvents();
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Canvas3()->Backdrop(), nullptr);
  EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
  auto content = platform::CaptureWindowContent(window);
  EXPECT_FALSE(InkedWithin(*content, 5, 3, 78, 77));
  EXPECT_FALSE(InkedWithin(*content, 400, 210, 74, 45));
  EXPECT_TRUE(User().messages.empty()) << User().messages.front();
}

TEST_F(ControlWndTest, WithTheBundleBothWindowsShowTheOneProductPictureRead) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  auto window = Window();
  platform::ProcessPendingEvents();
  auto product = window->Canvas3()->Backdrop();
  ASSERT_NE(product, nullptr);
  ASSERT_NE(window->Canvas1()->Backdrop(), nullptr);
  EXPECT_EQ(window->Canvas1()->Backdrop(), Deziz68copy());
  EXPECT_EQ(Corvane(), product);
  EXPECT_EQ(AboutWnd::Instance()->Canvas1()->Backdrop(), product);
  auto content = platform::CaptureWindowContent(window);
  EXPECT_TRUE(InkedWithin(*content, 5, 3, 78, 77));
  EXPECT_TRUE(InkedWithin(*content, 400, 210, 74, 45));

  window->Close();
  platform::ResetQuitForTests();
  EXPECT_EQ(Window()->Canvas3()->Backdrop(), product);
}

}  // namespace
}  // namespace corvane
