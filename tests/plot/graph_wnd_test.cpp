#include "plot/graph_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/main_window_session.h"
#include "app/module1.h"
#include "platform/clipboard.h"
#include "platform/implicit_instances.h"
#include "platform/picture.h"
#include "platform/picture_export.h"
#include "platform/user_simulation.h"
#include "support/pdf_files.h"
#include "support/picture_comparison.h"
#include "support/scratch_folder.h"

namespace corvane {
namespace {

using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";
constexpr char kEraseQuestion[] = "Are you sure you want to erase this graph";
constexpr char kCopied[] = "Copied to clipboard";

const char kWorkedExample[] =
    "5.43\n3.11\n2.24\n1.89\n1.52\n1.29\n.80\n.46\n.41\n.37\n"
    ".35\n.33\n.30\n.28\n.25\n.24\n.21\n.20\n.18\n.15";

class GraphWndTest : public testing_support::MainWindowSession {
 protected:
  // The worked example calculated in the main window, then its Graph button pressed.
  std::shared_ptr<GraphWnd> GraphOfWorkedExample() {
    auto window = Window();
    platform::TypeText(window->NVarsFld(), "20");
    platform::PasteText(window->EigenFld(), kWorkedExample);
    Calculate();
    PressGraph();
    return OpenGraph();
  }

  static void PressGraph() { platform::ClickButton(Window()->GraphBtn()); }

  // The open graph window, or nil.
  static std::shared_ptr<GraphWnd> OpenGraph() {
    return std::dynamic_pointer_cast<GraphWnd>(
        platform::_GetImplicitWindow(GraphWnd::Lookup().name));
  }

  static std::shared_ptr<platform::Picture> Plot() { return OpenGraph()->Canvas1()->Backdrop(); }

  testing_support::ScratchFolder folder_;
};

// Thirteen public operations after Window's; the window handles only its construction hooks.
TEST(GraphWndClassTest, RecordsItsOperationsAndHandlesOnlyItsConstruction) {
  const platform::ClassRecord& record = GraphWnd::Lookup();
  EXPECT_EQ(record.name, "GraphWnd.GraphWnd");
  EXPECT_EQ(record.superclass, &platform::Window::Lookup());
  Texts operations;
  for (const auto& method : record.methods) {
    std::string entry = method.name;
    for (const auto& attribute : method.attributes) {
      entry += " " + attribute.name + (attribute.hasValue ? "=" + attribute.value : "");
    }
    operations.push_back(entry);
  }
  EXPECT_EQ(operations,
            (Texts{"Layout __Scope=Public", "CreateControls __Scope=Public",
                   "_CreateControls0 __Scope=Public Hidden", "Canvas1 __Scope=Public",
                   "CloseBtn __Scope=Public", "CopyBtn __Scope=Public", "SaveBtn __Scope=Public",
                   "PrintBtn __Scope=Public", "Canvas1_Open __Scope=Public",
                   "CloseBtn_Action __Scope=Public", "CopyBtn_Action __Scope=Public",
                   "SaveBtn_Action __Scope=Public", "PrintBtn_Action __Scope=Public"}));
  Texts handled;
  for (const auto& event : record.events) {
    if (!event.handlerName.empty()) handled.push_back(event.eventName);
  }
  EXPECT_EQ(handled, (Texts{"Layout", "CreateControls"}));
}

// The window as laid out, its plot built once, and no way to close it but its Close button.
TEST_F(GraphWndTest, GraphOpensTheWindowWithItsPlotAndShowsItAgainWithoutRebuilding) {
  auto graph = GraphOfWorkedExample();
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->Visible());
  EXPECT_EQ(graph->Title(), "Corvane Graph");
  EXPECT_EQ(graph->Width(), 640);
  EXPECT_EQ(graph->Height(), 500);
  struct Placed {
    std::string name;
    int32_t left, top, width, height;
    std::string caption;
  };
  const std::vector<Placed> expected = {{"Canvas1", 20, 14, 600, 420, ""},
                                        {"CloseBtn", 20, 455, 70, 25, "Close"},
                                        {"CopyBtn", 210, 455, 70, 25, "Copy"},
                                        {"SaveBtn", 374, 455, 70, 25, "Save"},
                                        {"PrintBtn", 550, 455, 70, 25, "Print"}};
  ASSERT_EQ(graph->Controls().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& control = graph->Controls()[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(control->Name(), expected[i].name);
    EXPECT_EQ(control->Left(), expected[i].left);
    EXPECT_EQ(control->Top(), expected[i].top);
    EXPECT_EQ(control->Width(), expected[i].width);
    EXPECT_EQ(control->Height(), expected[i].height);
  }
  for (auto button : {graph->CloseBtn(), graph->CopyBtn(), graph->SaveBtn(), graph->PrintBtn()}) {
    EXPECT_EQ(button->TextSize(), 12.0f);
  }
  auto plot = Plot();
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->Width(), 600);
  EXPECT_EQ(plot->Height(), 420);
  EXPECT_EQ(Module1::dirty, "y");

  platform::CloseByCloseBox(graph);
  platform::ProcessPendingEvents();
  EXPECT_FALSE(graph->IsClosed());
  EXPECT_EQ(OpenGraph(), graph);

  PressGraph();
  EXPECT_EQ(OpenGraph(), graph);
  EXPECT_EQ(Plot(), plot) << "shown again, not rebuilt";
  EXPECT_EQ(User().messages, Texts{});
}

TEST_F(GraphWndTest, CloseAsksWhileThePlotIsFlaggedAndBeepsWhenDeclined) {
  auto graph = GraphOfWorkedExample();
  auto plot = Plot();
  platform::ClickButton(graph->CloseBtn());  // answered No
  EXPECT_EQ(User().beeps, 1);
  EXPECT_FALSE(graph->IsClosed());
  EXPECT_EQ(Plot(), plot);
  EXPECT_EQ(Module1::dirty, "y");

  User().QueueAnswer(platform::kMsgBoxYes);
  platform::ClickButton(graph->CloseBtn());
  EXPECT_EQ(User().questions, (Texts{kEraseQuestion, kEraseQuestion}));
  EXPECT_TRUE(graph->IsClosed());
  EXPECT_EQ(OpenGraph(), nullptr);
  EXPECT_TRUE(Window()->Visible());
  EXPECT_EQ(Module1::dirty, "");
  PressGraph();
  EXPECT_EQ(User().messages, Texts{kGraphRefusal});
  EXPECT_EQ(User().beeps, 1);
}

// Save clears the flag whether or not a file was written: Graph refuses from then on, and Close
// asks nothing.
TEST_F(GraphWndTest, AfterSaveCloseAsksNothing) {
  for (bool written : {true, false}) {
    SCOPED_TRACE(written ? "saved" : "save cancelled");
    auto graph = GraphOfWorkedExample();
    std::string path = folder_.File(written ? "saved.png" : "cancelled.png");
    if (written) User().QueueExport(path, platform::PictureFormat::kPng);
    platform::ClickButton(graph->SaveBtn());
    EXPECT_EQ(std::filesystem::exists(path), written);
    EXPECT_EQ(Module1::dirty, "");
    PressGraph();
    EXPECT_EQ(User().messages, Texts{kGraphRefusal});
    platform::ClickButton(graph->CloseBtn());
    EXPECT_TRUE(User().questions.empty());
    EXPECT_TRUE(graph->IsClosed());
    EXPECT_TRUE(Window()->Visible());
    User().messages.clear();
  }
}

TEST_F(GraphWndTest, SaveOffersTheWindowsTitleAsTheFileNameAndWritesThePlot) {
  auto graph = GraphOfWorkedExample();
  platform::ActivateWindow(graph);
  User().QueueExport(folder_.File("scree"), platform::PictureFormat::kTiff);
  platform::ClickButton(graph->SaveBtn());
  EXPECT_EQ(User().suggestedExportNames, Texts{"Corvane Graph.png"});
  auto written = platform::Picture::Open(folder_.File("scree.tif"));
  EXPECT_EQ(testing_support::CompareChannels(written, Plot()).largest, 0);
}

TEST_F(GraphWndTest, CopyPutsThePlotOnTheClipboardAndSaysSoEachTime) {
  auto graph = GraphOfWorkedExample();
  platform::ClickButton(graph->CopyBtn());
  platform::ClickButton(graph->CopyBtn());
  EXPECT_EQ(User().messages, (Texts{kCopied, kCopied}));
  platform::Clipboard clipboard;
  EXPECT_EQ(testing_support::CompareChannels(clipboard.Picture(), Plot()).largest, 0);
  EXPECT_EQ(Module1::dirty, "y");
}

// The 600 x 420 plot at 90 %, from (20, 100) of the printable area, which starts half an inch in
// on Letter: its ink is the plot's ink scaled and moved there.
TEST_F(GraphWndTest, PrintPutsThePlotOnOnePageAtItsPlace) {
  auto graph = GraphOfWorkedExample();
  platform::ClickButton(graph->PrintBtn());  // cancelled
  EXPECT_EQ(User().printDialogs, 1);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));

  std::string path = folder_.File("scree.pdf");
  User().QueuePdfPrinter(path);
  platform::ClickButton(graph->PrintBtn());
  EXPECT_EQ(User().messages, Texts{});
  EXPECT_EQ(Module1::dirty, "y");
  ASSERT_EQ(testing_support::PdfPageCount(path), 1);
  auto page = testing_support::RenderPdfPage(path, 1);
  ASSERT_NE(page, nullptr);

  constexpr int32_t kInk = 3 * 128;
  const auto onScreen = testing_support::DarkBox(*Plot(), kInk);
  const auto onPaper = testing_support::DarkBox(*page, kInk);
  EXPECT_NEAR(onPaper.left, 36 + 20 + 0.9 * onScreen.left, 2.0);
  EXPECT_NEAR(onPaper.top, 36 + 100 + 0.9 * onScreen.top, 2.0);
  EXPECT_NEAR(onPaper.right, 36 + 20 + 0.9 * onScreen.right, 2.0);
  EXPECT_NEAR(onPaper.bottom, 36 + 100 + 0.9 * onScreen.bottom, 2.0);
}

// A calculation that stops at "No Eigenvalues." keeps the flag of the one before and a factor
// count beyond its rows: the graph still opens, drawing the line along zero.
TEST_F(GraphWndTest, GraphAfterNoEigenvaluesOpensWithoutReadingBeyondTheResults) {
  auto window = Window();
  platform::TypeText(window->NVarsFld(), "20");
  platform::PasteText(window->EigenFld(), kWorkedExample);
  Calculate();
  platform::TypeText(window->NVarsFld(), "\b\b5");
  window->EigenFld()->SetText("");
  Calculate();
  ASSERT_EQ(User().messages, Texts{"No Eigenvalues."});
  ASSERT_EQ(Module1::dirty, "y");
  ASSERT_EQ(Module1::gN, 5);
  ASSERT_EQ(Module1::gCV, 7.0);
  PressGraph();
  EXPECT_EQ(User().messages, Texts{"No Eigenvalues."});
  ASSERT_NE(OpenGraph(), nullptr);
  EXPECT_NE(Plot(), nullptr);
}

}  // namespace
}  // namespace corvane
