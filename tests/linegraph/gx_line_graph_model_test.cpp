#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "linegraph/gx_line_graph.h"
#include "platform/core/exceptions.h"
#include "support/scripted_user_interaction.h"

namespace corvane {
namespace {

using platform::RGB;

using Ranges = std::array<double, 4>;  // xMin, xMax, yMin, yMax

Ranges RangesOf(const GxLineGraph& graph) {
  GxLineGraph::Geometry geometry = graph.GetGeometry();
  return {geometry.xMin, geometry.xMax, geometry.yMin, geometry.yMax};
}

TEST(GxLineGraphModel, PointsSetUnsetRangesAndWidenSetOnes) {
  auto graph = std::make_shared<GxLineGraph>();
  int32_t line = graph->NewLine("s", RGB(0, 0, 0));
  graph->NewPoint(line, 4.5, -2.0);
  EXPECT_EQ(RangesOf(*graph), (Ranges{4.5, 4.5, -2.0, -2.0}));

  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 6.0);
  for (double x : {11.5, 12.0, -3.0, 5.0}) graph->NewPoint(line, x, -0.25);
  graph->NewPoint(line, 5.0, 7.5);
  EXPECT_EQ(RangesOf(*graph), (Ranges{-3.0, 12.0, -0.25, 7.5}));
  EXPECT_EQ(graph->GetXMin(), -3);
  EXPECT_EQ(graph->GetYMin(), 0);  // truncated toward zero

  // A maximum of exactly -1.0 means unset, however it came about.
  graph->SetXRange(-5.0, -1.0);
  graph->NewPoint(line, -3.0, 0.0);
  EXPECT_EQ(RangesOf(*graph), (Ranges{-3.0, -3.0, -0.25, 7.5}));
  // An inverted range is kept: only one end moves.
  graph->SetXRange(10.0, 0.0);
  graph->NewPoint(line, 5.0, 0.0);
  EXPECT_EQ(RangesOf(*graph), (Ranges{10.0, 5.0, -0.25, 7.5}));
}

// A series index outside those made raises before anything changes; ResetGraph removes every
// series but keeps the ranges their points set.
TEST(GxLineGraphModel, UnknownSeriesIndexChangesNothingAndResetKeepsRanges) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_THROW(graph->NewPoint(0, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_EQ(graph->NewLine("a"), 0);
  EXPECT_EQ(graph->NewLine("b", RGB(1, 2, 3)), 1);
  EXPECT_THROW(graph->NewPoint(2, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_THROW(graph->NewPoint(-1, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_EQ(RangesOf(*graph), (Ranges{-1.0, -1.0, -1.0, -1.0}));

  graph->NewPoint(1, 7.0, 9.0);
  graph->ResetGraph();
  EXPECT_THROW(graph->NewPoint(1, 1.0, 1.0), platform::OutOfBoundsException);
  EXPECT_EQ(graph->NewLine("again"), 0);
  EXPECT_EQ(RangesOf(*graph), (Ranges{7.0, 7.0, 9.0, 9.0}));
}

// The smallest count cannot go one lower: it stays "no marks" instead of wrapping to billions.
TEST(GxLineGraphModel, TheSmallestMarkCountStaysNoMarks) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetYMarks(std::numeric_limits<int32_t>::min());
  EXPECT_EQ(graph->GetGeometry().yMarks, std::numeric_limits<int32_t>::min());
}

// Drawing needs the picture of a rendering and a series its graph: without them the framework's
// nil-object exception, never a crash. A marker of radius 0 draws nothing, so needs nothing.
TEST(GxLineGraphModel, DrawingWithoutAPictureOrGraphRaisesNilObject) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_THROW(graph->PlotLine(RGB(0, 0, 0), 0, 0, 1, 1), platform::NilObjectException);
  EXPECT_THROW(graph->PlotPoint(RGB(0, 0, 0), 0, 0), platform::NilObjectException);
  graph->SetPointRadius(0);
  EXPECT_NO_THROW(graph->PlotPoint(RGB(0, 0, 0), 0, 0));

  auto orphan = std::make_shared<GxLine>(std::make_shared<GxLineGraph>(), "orphan");
  orphan->PlotPoint(1.0, 1.0);
  EXPECT_THROW(orphan->paint(), platform::NilObjectException);

  // A graph that is not shared cannot hand itself to its series.
  GxLineGraph unshared;
  unshared.NewPoint(unshared.NewLine("s"), 1.0, 1.0);
  EXPECT_THROW(unshared.DrawGraph(100, 100), platform::NilObjectException);
}

TEST(GxLineGraphModel, ShowVersionNamesTheComponent) {
  testing_support::ScriptedUserInteractionGuard user;
  std::make_shared<GxLineGraph>()->ShowVersion();
  EXPECT_EQ(user->boxes, (testing_support::Boxes{{"LineGraph 1.0", 0, ""}}));
}

}  // namespace
}  // namespace corvane
