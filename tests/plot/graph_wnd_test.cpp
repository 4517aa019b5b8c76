#include "plot/graph_wnd.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/main_window_session.h"
#include "platform/graphics/clipboard.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/picture_export.h"
#include "platform/testing/user_simulation.h"
#include "platform/windows/implicit_instances.h"
#include "shared/module1.h"
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
    platform::TypeText(Window()->NVarsFld(), "20");
    platform::PasteText(Window()->EigenFld(), kWorkedExample);
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

// The plot is built once, nothing but the Close button closes the window, and Copy puts the plot on
// the clipboard, saying so each time.
TEST_F(GraphWndTest, GraphShowsThePlotAgainWithoutRebuildingAndCopiesIt) {
  auto graph = GraphOfWorkedExample();
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->Visible());
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
  PressGraph();
  EXPECT_EQ(OpenGraph(), graph);
  EXPECT_EQ(Plot(), plot) << "shown again, not rebuilt";
  EXPECT_EQ(User().messages, Texts{});

  platform::ClickButton(graph->CopyBtn());
  platform::ClickButton(graph->CopyBtn());
  EXPECT_EQ(User().messages, (Texts{kCopied, kCopied}));
  EXPECT_EQ(testing_support::CompareChannels(platform::Clipboard().Picture(), plot).largest, 0);
  EXPECT_EQ(Module1::dirty, "y");
}

TEST_F(GraphWndTest, CloseAsksWhileThePlotIsFlaggedAndBeepsWhenDeclined) {
  auto graph = GraphOfWorkedExample();
  platform::ClickButton(graph->CloseBtn());  // answered No
  EXPECT_EQ(User().beeps, 1);
  EXPECT_FALSE(graph->IsClosed());
  EXPECT_EQ(Module1::dirty, "y");

  Window()->Hide();  // closing the graph brings the main window back
  User().QueueAnswer(platform::kMsgBoxYes);
  platform::ClickButton(graph->CloseBtn());
  EXPECT_EQ(User().questions, (Texts{kEraseQuestion, kEraseQuestion}));
  EXPECT_TRUE(graph->IsClosed());
  EXPECT_TRUE(Window()->Visible());
  EXPECT_EQ(Module1::dirty, "");
  PressGraph();
  EXPECT_EQ(User().messages, Texts{kGraphRefusal});
  EXPECT_EQ(User().beeps, 1);
}

// Save clears the flag whether or not a file was written: Graph refuses from then on, and Close
// asks nothing. The file is offered under the window's title and holds the plot.
TEST_F(GraphWndTest, SaveWritesThePlotAndClearsTheFlagEvenWhenCancelled) {
  for (bool written : {true, false}) {
    SCOPED_TRACE(written ? "saved" : "save cancelled");
    auto graph = GraphOfWorkedExample();
    platform::ActivateWindow(graph);
    if (written) User().QueueExport(folder_.File("scree"), platform::PictureFormat::kTiff);
    platform::ClickButton(graph->SaveBtn());
    if (written) {
      EXPECT_EQ(User().suggestedExportNames, Texts{"Corvane Graph.png"});
      auto file = platform::Picture::Open(folder_.File("scree.tif"));
      EXPECT_EQ(testing_support::CompareChannels(file, Plot()).largest, 0);
    }
    EXPECT_EQ(Module1::dirty, "");
    PressGraph();
    EXPECT_EQ(User().messages, Texts{kGraphRefusal});
    platform::ClickButton(graph->CloseBtn());
    EXPECT_TRUE(User().questions.empty());
    EXPECT_TRUE(graph->IsClosed());
    User().messages.clear();
  }
}

// The 600 x 420 plot at 90 %, from (20, 100) of the printable area, which starts half an inch in
// on Letter: its ink is the plot's ink scaled and moved there.
TEST_F(GraphWndTest, PrintPutsThePlotOnOnePageAtItsPlace) {
  auto graph = GraphOfWorkedExample();
  platform::ClickButton(graph->PrintBtn());  // cancelled
  EXPECT_EQ(User().printDialogs, 1);

  std::string path = folder_.File("scree.pdf");
  User().QueuePdfPrinter(path);
  platform::ClickButton(graph->PrintBtn());
  EXPECT_EQ(User().messages, Texts{});
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

}  // namespace
}  // namespace corvane
