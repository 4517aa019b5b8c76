#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/core/color.h"

namespace corvane::linegraph_testing {
namespace {

constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kGreen = RGB(0, 128, 0);

// A 600 x 420 graph without legend or marks, whose plot area's bottom-left corner is
// (leftSpace, 390). The x scale is one data unit per pixel; the y range covers the plot's 370 rows
// `yScale` units each. The y range decides the left margin, so a first rendering with the same
// y range tells the plot's width.
std::shared_ptr<GxLineGraph> ScaledGraph(double xMin, double yMin, double yScale) {
  std::shared_ptr<GxLineGraph> graphs[2];
  for (auto& graph : graphs) {
    graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetYRange(yMin, yMin + 370.0 * yScale);
  }
  graphs[0]->DrawGraph(600, 420);
  graphs[1]->SetXRange(xMin, xMin + graphs[0]->GetGeometry().graphWidth);
  return graphs[1];
}

TEST(GxLineGraphSeries, PlotOffsetsCountFromTheAxesCorner) {
  auto graph = ScaledGraph(0.0, 0.0, 1.0);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_EQ(graph->GetGeometry().graphHeight, 370);

  graph->PlotLine(kRed, 5, 5, 15, 15);
  PixelSet segment;
  for (int32_t i = 0; i <= 10; ++i) segment.insert({left + 5 + i, 385 - i});
  EXPECT_EQ(InColor(*picture, kRed), segment);

  graph->PlotPoint(kBlue, 0, 0);  // covers the corner where the axes meet
  EXPECT_EQ(InColor(*picture, kBlue), Box(left - 1, 389, left + 1, 391));

  graph->SetPointRadius(0);
  graph->SetLabelXVals(true);
  graph->PlotPoint(kGreen, 100, 100);
  EXPECT_TRUE(InColor(*picture, kGreen).empty());
}

TEST(GxLineGraphSeries, PointLabelsShowRoundedValuesBesideTheMarkerOrBeforeItAtTheEdge) {
  auto graph = ScaledGraph(0.6, -0.5, 1.0);
  graph->SetLabelXVals(true);
  graph->SetLabelYVals(true);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  int32_t plotWidth = graph->GetGeometry().graphWidth;

  // 100.6 and 99.5 at offset (100, 100), rounded half away from zero, 2 pixels right of the marker.
  graph->PlotPoint(kRed, 100, 100);
  EXPECT_TRUE(TextAt(*picture, "101.00,100.00", 9.0, left + 103, 294, kRed));

  // A y value alone has no comma. A label ending exactly on the plot's right edge goes left.
  graph->SetLabelXVals(false);
  const std::string yOnly = "100.00";
  int32_t width = MeasuredWidth(yOnly, 9.0);
  int32_t x = plotWidth - 3 - width;  // sx + r + 2 + sw = leftSpace + graphWidth
  graph->PlotPoint(kBlue, x, 100);
  EXPECT_TRUE(TextAt(*picture, yOnly, 9.0, left + x - 3 - width, 294, kBlue));
  EXPECT_TRUE(InColor(*picture, kBlue, {left + x + 2, 280, 599, 300}).empty());

  // One pixel further left it fits on the right, ending just inside the frame.
  graph->PlotPoint(kGreen, x - 1, 200);
  Region after = TextRegion(left + x + 2, 194, "200.00", 9.0);
  after.right = left + plotWidth - 2;
  EXPECT_TRUE(TextAt(*picture, "200.00", 9.0, left + x + 2, 194, kGreen, after));
}

// Markers sit at the offsets from the minima converted to whole numbers, the x origin 0 here
// rather than 0.6, and the y values count two units a pixel.
TEST(GxLineGraphSeries, SeriesJoinTheirMarkersInInsertionOrderLaterOnesOnTop) {
  auto graph = ScaledGraph(0.6, 0.0, 2.0);
  graph->SetPointRadius(0);  // the radius in force when drawing applies to every series
  auto series = [&](Color color, std::initializer_list<std::pair<double, double>> points) {
    int32_t line = graph->NewLine("s", color);
    for (auto [x, y] : points) graph->NewPoint(line, x, y);
  };
  series(kRed, {{10.5, 40.0}, {50.5, 40.0}, {30.5, 120.0}});
  series(kBlue, {{200.0, 200.0}});
  series(kGreen, {});
  series(kGreen, {{100.0, 20.0}, {100.0, 180.0}});
  series(kRed, {{60.0, 100.0}, {140.0, 100.0}});  // across the green one, later
  graph->SetPointRadius(1);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_NEAR(graph->GetXScale(), 1.0, 1e-9);
  ASSERT_EQ(graph->GetYScale(), 2.0);

  auto at = [&](int32_t x, int32_t y) { return std::make_pair(left + x, 390 - y); };
  PixelSet red = InColor(*picture, kRed);
  for (auto [x, y] : {at(10, 20), at(50, 20), at(30, 60)}) {
    for (const auto& pixel : Box(x - 1, y - 1, x + 1, y + 1)) EXPECT_TRUE(red.count(pixel));
  }
  // Segments 1-2 and 2-3, but none from 3 back to 1.
  EXPECT_TRUE(red.count(at(30, 20)));
  EXPECT_TRUE(red.count(at(40, 40)));
  EXPECT_FALSE(red.count(at(20, 40)));
  EXPECT_EQ(InColor(*picture, kBlue), Box(left + 199, 289, left + 201, 291));
  // The later red series lies over the green one where they cross.
  EXPECT_EQ(picture->PixelColor(left + 100, 340), kRed);
  EXPECT_EQ(picture->PixelColor(left + 100, 341), kGreen);
}

}  // namespace
}  // namespace corvane::linegraph_testing
