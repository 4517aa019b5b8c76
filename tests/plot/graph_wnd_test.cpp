#include "plot/graph_wnd.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/graphics/clipboard.h"
#include "support/corvane_session.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"
#include "support/snapshot.h"

namespace corvane {
namespace {

using testing_support::MatchesSnapshot;

using Texts = std::vector<std::string>;

constexpr char kGraphRefusal[] = "Corvane must be calculated before graph can be displayed.";
constexpr char kEraseQuestion[] = "Are you sure you want to erase this graph";
constexpr char kCopied[] = "Copied to clipboard";

class GraphWndTest : public testing_support::CorvaneSession {
 protected:
  // The worked example calculated in the main window, then its Graph button pressed; a test
  // whose graph did not open ends there rather than on a nil window.
  std::shared_ptr<GraphWnd> GraphOfWorkedExample() {
    CalculateInMainWindow("20", testing_support::kWorkedExample);
    PressGraph();
    if (!OpenGraph()) throw std::runtime_error("Graph opened no window");
    return OpenGraph();
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
  auto plot = Plot();
  EXPECT_TRUE(MatchesSnapshot(plot, "plot-worked-example"));
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
  EXPECT_EQ(User().boxes, (testing_support::Boxes{{kCopied, 0, ""}, {kCopied, 0, ""}}));
  EXPECT_TRUE(MatchesSnapshot(platform::Clipboard().Picture(), "plot-worked-example"));
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
  const testing_support::Box question{kEraseQuestion, platform::kMsgBoxYesNoQuestion, ""};
  EXPECT_EQ(User().boxes, (testing_support::Boxes{question, question}));
  EXPECT_TRUE(graph->IsClosed());
  EXPECT_TRUE(Window()->Visible());
  EXPECT_EQ(Module1::dirty, "");
  PressGraph();
  EXPECT_EQ(User().boxes.back(), (testing_support::Box{kGraphRefusal, 0, ""}));
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
      EXPECT_TRUE(MatchesSnapshot(platform::Picture::Open(folder_.File("scree.tif")),
                                  "plot-worked-example"));
    }
    EXPECT_EQ(Module1::dirty, "");
    PressGraph();
    platform::ClickButton(graph->CloseBtn());
    EXPECT_EQ(User().boxes, (testing_support::Boxes{{kGraphRefusal, 0, ""}}))
        << "Close asks nothing";
    EXPECT_TRUE(graph->IsClosed());
    User().boxes.clear();
  }
}

// The 600 x 420 plot at 90 %, from (20, 100) of the printable area, which starts half an inch in
// on Letter.
TEST_F(GraphWndTest, PrintPutsThePlotOnOnePageAtItsPlace) {
  auto graph = GraphOfWorkedExample();
  platform::ClickButton(graph->PrintBtn());  // cancelled
  EXPECT_EQ(User().printDialogs, 1);

  std::string path = folder_.File("scree.pdf");
  User().QueuePdfPrinter(path);
  platform::ClickButton(graph->PrintBtn());
  EXPECT_EQ(User().messages, Texts{});
  ASSERT_EQ(testing_support::PdfPageCount(path), 1);
  EXPECT_TRUE(MatchesSnapshot(testing_support::RenderPdfPage(path, 1), "printed-graph"));
}

}  // namespace
}  // namespace corvane
