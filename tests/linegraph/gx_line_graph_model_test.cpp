#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

#include "app/module1.h"
#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "platform/color.h"
#include "platform/exceptions.h"
#include "support/scripted_user_interaction.h"

namespace {

using corvane::GxLine;
using corvane::GxLineGraph;
using platform::RGB;

TEST(GxLineGraphModel, NewGraphStartsUnsetAndEmpty) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_EQ(graph->GetXMin(), -1);
  EXPECT_EQ(graph->GetYMin(), -1);
  EXPECT_EQ(graph->GetXScale(), 0.0);
  EXPECT_EQ(graph->GetYScale(), 0.0);
  EXPECT_EQ(graph->GetGraph(), nullptr);
  GxLineGraph::Geometry geometry = graph->GetGeometry();
  EXPECT_EQ(geometry.xMax, -1.0);
  EXPECT_EQ(geometry.yMax, -1.0);
  EXPECT_EQ(geometry.xMarks, -2);
  EXPECT_EQ(geometry.yMarks, -2);
  EXPECT_EQ(geometry.leftSpace, 20);
  EXPECT_EQ(geometry.topSpace, 20);
  EXPECT_EQ(geometry.rightSpace, 20);
  EXPECT_EQ(geometry.bottomSpace, 30);
  EXPECT_EQ(graph->NewLine("first"), 0);
}

TEST(GxLineGraphModel, PointsWidenTheRangesTheyFallOutside) {
  auto graph = std::make_shared<GxLineGraph>();
  int32_t line = graph->NewLine("s", RGB(0, 0, 0));
  graph->NewPoint(line, 4.5, -2.0);
  GxLineGraph::Geometry first = graph->GetGeometry();
  EXPECT_EQ(first.xMin, 4.5);
  EXPECT_EQ(first.xMax, 4.5);
  EXPECT_EQ(first.yMin, -2.0);
  EXPECT_EQ(first.yMax, -2.0);

  graph->SetXRange(0.0, 10.0);
  graph->NewPoint(line, 12.0, 0.0);
  graph->NewPoint(line, -3.0, 0.0);
  graph->NewPoint(line, 5.0, 0.0);
  EXPECT_EQ(graph->GetGeometry().xMin, -3.0);
  EXPECT_EQ(graph->GetGeometry().xMax, 12.0);
  EXPECT_EQ(graph->GetXMin(), -3);

  // A maximum of exactly -1.0 means unset, however it came about.
  graph->SetXRange(-5.0, -1.0);
  graph->NewPoint(line, -3.0, 0.0);
  EXPECT_EQ(graph->GetGeometry().xMin, -3.0);
  EXPECT_EQ(graph->GetGeometry().xMax, -3.0);

  // An inverted range is kept: only one end moves.
  graph->SetXRange(10.0, 0.0);
  graph->NewPoint(line, 5.0, 0.0);
  EXPECT_EQ(graph->GetGeometry().xMin, 10.0);
  EXPECT_EQ(graph->GetGeometry().xMax, 5.0);

  graph->SetYRange(0.0, 6.0);
  graph->NewPoint(line, 5.0, -0.25);
  graph->NewPoint(line, 5.0, 7.5);
  EXPECT_EQ(graph->GetGeometry().yMin, -0.25);
  EXPECT_EQ(graph->GetGeometry().yMax, 7.5);
  EXPECT_EQ(graph->GetYMin(), 0);  // truncated toward zero
}

TEST(GxLineGraphModel, UnknownSeriesIndexChangesNothing) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_THROW(graph->NewPoint(0, 1.0, 1.0), platform::OutOfBoundsException);
  graph->NewLine("only");
  EXPECT_THROW(graph->NewPoint(1, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_THROW(graph->NewPoint(-1, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_EQ(graph->GetGeometry().xMax, -1.0);
  EXPECT_EQ(graph->GetGeometry().yMax, -1.0);
}

TEST(GxLineGraphModel, ResetRemovesSeriesButKeepsRanges) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_EQ(graph->NewLine("a"), 0);
  EXPECT_EQ(graph->NewLine("b", RGB(1, 2, 3)), 1);
  EXPECT_EQ(graph->NewLine("c"), 2);
  graph->NewPoint(2, 7.0, 9.0);
  graph->ResetGraph();
  EXPECT_THROW(graph->NewPoint(2, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_EQ(graph->NewLine("again"), 0);
  EXPECT_EQ(graph->GetGeometry().xMax, 7.0);
  EXPECT_EQ(graph->GetGeometry().yMax, 9.0);
}

TEST(GxLineGraphModel, MarksAreGivenAsCountsAndKeptAsIntervals) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetXMarks(5);
  graph->SetYMarks(0);
  EXPECT_EQ(graph->GetGeometry().xMarks, 4);
  EXPECT_EQ(graph->GetGeometry().yMarks, -1);
  graph->SetXMarks(-1);
  EXPECT_EQ(graph->GetGeometry().xMarks, -2);
  // The smallest count cannot go one lower; it stays "no marks" instead of wrapping to billions.
  graph->SetYMarks(std::numeric_limits<int32_t>::min());
  EXPECT_EQ(graph->GetGeometry().yMarks, std::numeric_limits<int32_t>::min());
}

class SeriesColorTest : public ::testing::Test {
 protected:
  void TearDown() override { corvane::Module1::newlinecolor = saved_; }

  platform::Color ColorFor(int32_t selector) {
    corvane::Module1::newlinecolor = selector;
    return GxLine(graph_, "s").GetColor();
  }

  std::shared_ptr<GxLineGraph> graph_ = std::make_shared<GxLineGraph>();

 private:
  int32_t saved_ = corvane::Module1::newlinecolor;
};

TEST_F(SeriesColorTest, SelectorPicksFromTheTable) {
  EXPECT_EQ(ColorFor(0), RGB(0, 0, 0));
  EXPECT_EQ(ColorFor(1), RGB(0, 0, 255));
  EXPECT_EQ(ColorFor(8), RGB(128, 64, 0));
  EXPECT_EQ(ColorFor(9), RGB(0, 255, 255));
  EXPECT_EQ(ColorFor(-9), RGB(255, 255, 255));
  EXPECT_EQ(ColorFor(10), RGB(150, 150, 150));
  EXPECT_EQ(ColorFor(-1), RGB(150, 150, 150));
}

TEST_F(SeriesColorTest, SeriesKeepsTheColourOfItsCreation) {
  corvane::Module1::newlinecolor = 2;
  GxLine line(graph_, "label");
  corvane::Module1::newlinecolor = 3;
  EXPECT_EQ(line.GetColor(), RGB(255, 0, 0));
  EXPECT_EQ(line.GetLabel(), "label");
  EXPECT_EQ(GxLine(graph_, RGB(9, 8, 7), "given").GetColor(), RGB(9, 8, 7));
  EXPECT_EQ(corvane::Module1::newlinecolor, 3);
}

TEST(GxLineGraphModel, ShowVersionOnlyShowsTheVersion) {
  testing_support::ScriptedUserInteractionGuard user;
  auto graph = std::make_shared<GxLineGraph>();
  graph->ShowVersion();
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0], "LineGraph 1.0");
  EXPECT_EQ(graph->GetGraph(), nullptr);
  EXPECT_EQ(graph->GetGeometry().leftSpace, 20);
}

TEST(GxLineGraphModel, DrawingWithoutAPictureOrGraphRaisesNilObject) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_THROW(graph->PlotLine(RGB(0, 0, 0), 0, 0, 1, 1), platform::NilObjectException);
  EXPECT_THROW(graph->PlotPoint(RGB(0, 0, 0), 0, 0), platform::NilObjectException);
  graph->SetPointRadius(0);
  graph->PlotPoint(RGB(0, 0, 0), 0, 0);  // radius 0 draws nothing, so needs nothing

  auto orphan = std::make_shared<GxLine>(std::make_shared<GxLineGraph>(), "orphan");
  orphan->PlotPoint(1.0, 1.0);
  EXPECT_THROW(orphan->paint(), platform::NilObjectException);

  // A graph that is not shared cannot hand itself to its series.
  GxLineGraph unshared;
  unshared.NewPoint(unshared.NewLine("s"), 1.0, 1.0);
  EXPECT_THROW(unshared.DrawGraph(100, 100), platform::NilObjectException);
}

}  // namespace
