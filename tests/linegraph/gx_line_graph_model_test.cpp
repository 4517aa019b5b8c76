#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "platform/core/color.h"
#include "platform/core/exceptions.h"
#include "shared/module1.h"

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
  for (double x : {12.0, -3.0, 5.0}) graph->NewPoint(line, x, -0.25);
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

TEST(GxLineGraphModel, MarksAreGivenAsCountsAndKeptAsIntervals) {
  auto graph = std::make_shared<GxLineGraph>();
  EXPECT_EQ(graph->GetGeometry().xMarks, -2);  // automatic
  graph->SetXMarks(5);
  graph->SetYMarks(0);
  EXPECT_EQ(graph->GetGeometry().xMarks, 4);
  EXPECT_EQ(graph->GetGeometry().yMarks, -1);
  // The smallest count cannot go one lower; it stays "no marks" instead of wrapping to billions.
  graph->SetYMarks(std::numeric_limits<int32_t>::min());
  EXPECT_EQ(graph->GetGeometry().yMarks, std::numeric_limits<int32_t>::min());
}

TEST(GxLineGraphModel, SeriesWithoutAColourTakeItFromTheTableWhenMade) {
  const int32_t saved = Module1::newlinecolor;
  auto graph = std::make_shared<GxLineGraph>();
  const std::pair<int32_t, platform::Color> table[] = {
      {0, RGB(0, 0, 0)}, {1, RGB(0, 0, 255)}, {-9, RGB(255, 255, 255)}, {10, RGB(150, 150, 150)}};
  for (const auto& [selector, color] : table) {
    Module1::newlinecolor = selector;
    EXPECT_EQ(GxLine(graph, "s").GetColor(), color) << "selector " << selector;
  }
  Module1::newlinecolor = 2;
  GxLine line(graph, "label");
  Module1::newlinecolor = 3;
  EXPECT_EQ(line.GetColor(), RGB(255, 0, 0));
  EXPECT_EQ(line.GetLabel(), "label");
  Module1::newlinecolor = saved;
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
}  // namespace corvane
