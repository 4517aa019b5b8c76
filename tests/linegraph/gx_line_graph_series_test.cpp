#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/color.h"
#include "platform/text_functions.h"

namespace {

using corvane::GxLineGraph;
using linegraph_probes::AllOf;
using linegraph_probes::Box;
using linegraph_probes::InColor;
using linegraph_probes::Inked;
using linegraph_probes::MeasuredWidth;
using linegraph_probes::PixelSet;
using linegraph_probes::Region;
using linegraph_probes::TextInk;
using linegraph_probes::TextRegion;
using platform::Color;
using platform::RGB;

constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);

// A graph drawn like the scree plot's frame (600 x 420, no legend, no marks), so that the plot
// area's bottom-left corner is (leftSpace, 390).
std::shared_ptr<GxLineGraph> DrawnFrame() {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 10.0);
  graph->DrawGraph(600, 420);
  return graph;
}

// A graph whose scales are one data unit per pixel, so point values are plot offsets from the
// minima. The y range decides the left margin, so a first rendering with the same y range tells
// the plot's width.
std::shared_ptr<GxLineGraph> PixelScaledGraph(double xMin = 0.0, double yMin = 0.0) {
  auto probe = std::make_shared<GxLineGraph>();
  probe->SetLegend(0);
  probe->SetYRange(yMin, yMin + 370.0);
  probe->DrawGraph(600, 420);
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(xMin, xMin + probe->GetGeometry().graphWidth);
  graph->SetYRange(yMin, yMin + 370.0);
  return graph;
}

TEST(GxLineGraphSeries, SegmentsMapPlotOffsetsToPictureRows) {
  auto graph = DrawnFrame();
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_EQ(graph->GetGeometry().graphHeight, 370);
  graph->PlotLine(kRed, 0, 0, 10, 10);
  PixelSet expected;
  for (int32_t i = 0; i <= 10; ++i) expected.insert({left + i, 390 - i});
  EXPECT_EQ(InColor(*graph->GetGraph(), kRed, linegraph_probes::Whole(*graph->GetGraph())),
            expected);
}

TEST(GxLineGraphSeries, MarkerAtTheOriginCoversTheAxesCorner) {
  auto graph = DrawnFrame();
  int32_t left = graph->GetGeometry().leftSpace;
  graph->PlotPoint(kRed, 0, 0);
  auto picture = graph->GetGraph();
  EXPECT_EQ(InColor(*picture, kRed, linegraph_probes::Whole(*picture)),
            Box(left - 1, 389, left + 1, 391));

  graph->SetPointRadius(0);
  graph->SetLabelXVals(true);
  graph->PlotPoint(kBlue, 100, 100);
  EXPECT_TRUE(InColor(*picture, kBlue, linegraph_probes::Whole(*picture)).empty());
}

TEST(GxLineGraphSeries, PointLabelsShowRoundedValuesBesideTheMarker) {
  auto graph = PixelScaledGraph(0.6, -0.5);
  graph->SetLabelXVals(true);
  graph->SetLabelYVals(true);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_NEAR(graph->GetXScale(), 1.0, 1e-12);
  ASSERT_EQ(graph->GetYScale(), 1.0);

  // 100.6 and 99.5 at the marker's pixel, rounded half away from zero.
  graph->PlotPoint(kRed, 100, 100);
  const std::string both = "101.00,100.00";
  Region right = TextRegion(left + 103, 294, MeasuredWidth(both, 9.0), 9.0);
  EXPECT_FALSE(Inked(*picture, right).empty());
  EXPECT_EQ(Inked(*picture, right), TextInk(600, 420, both, 9.0, left + 103, 294, kRed, right));
}

TEST(GxLineGraphSeries, PointLabelThatWouldReachTheRightEdgeGoesLeft) {
  auto graph = PixelScaledGraph(0.0, -0.5);
  graph->SetLabelYVals(true);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  int32_t plotWidth = graph->GetGeometry().graphWidth;
  const std::string yOnly = "100.00";  // no comma without the x value
  int32_t width = MeasuredWidth(yOnly, 9.0);

  // Ending exactly on the right edge: sx + r + 2 + sw = leftSpace + graphWidth.
  int32_t x = plotWidth - 1 - 2 - width;
  graph->PlotPoint(kBlue, x, 100);
  int32_t labelX = left + x - 1 - 2 - width;
  Region before = TextRegion(labelX, 294, width, 9.0);
  EXPECT_FALSE(Inked(*picture, before).empty());
  EXPECT_EQ(Inked(*picture, before), TextInk(600, 420, yOnly, 9.0, labelX, 294, kBlue, before));
  EXPECT_TRUE(InColor(*picture, kBlue, {left + x + 2, 280, 599, 300}).empty());

  // One pixel further left it fits on the right, ending just inside the frame.
  graph->PlotPoint(kRed, x - 1, 200);
  Region after = TextRegion(left + x - 1 + 3, 194, width, 9.0);
  after.right = left + plotWidth - 2;
  EXPECT_EQ(Inked(*picture, after),
            TextInk(600, 420, "200.00", 9.0, left + x + 2, 194, kRed, after));
}

TEST(GxLineGraphSeries, SeriesJoinItsMarkersInInsertionOrder) {
  auto graph = PixelScaledGraph();
  int32_t unsorted = graph->NewLine("unsorted", kRed);
  graph->NewPoint(unsorted, 10.0, 20.0);
  graph->NewPoint(unsorted, 50.0, 20.0);
  graph->NewPoint(unsorted, 30.0, 60.0);
  int32_t single = graph->NewLine("single", kBlue);
  graph->NewPoint(single, 200.0, 100.0);
  graph->NewLine("empty", RGB(0, 128, 0));
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_DOUBLE_EQ(graph->GetXScale(), 1.0);
  ASSERT_DOUBLE_EQ(graph->GetYScale(), 1.0);

  auto at = [&](int32_t x, int32_t y) { return std::make_pair(left + x, 390 - y); };
  PixelSet red = InColor(*picture, kRed, linegraph_probes::Whole(*picture));
  for (auto [x, y] : {at(10, 20), at(50, 20), at(30, 60)}) {
    for (const auto& pixel : Box(x - 1, y - 1, x + 1, y + 1)) EXPECT_TRUE(red.count(pixel));
  }
  // Segments 1-2 and 2-3, but none from 3 back to 1.
  EXPECT_TRUE(red.count(at(30, 20)));
  EXPECT_TRUE(red.count(at(40, 40)));
  EXPECT_FALSE(red.count(at(20, 40)));
  EXPECT_EQ(InColor(*picture, kBlue, linegraph_probes::Whole(*picture)),
            Box(left + 199, 289, left + 201, 291));
  EXPECT_TRUE(InColor(*picture, RGB(0, 128, 0), linegraph_probes::Whole(*picture)).empty());
}

TEST(GxLineGraphSeries, LaterSeriesLieOverEarlierOnes) {
  auto graph = PixelScaledGraph();
  int32_t first = graph->NewLine("first", kRed);
  graph->NewPoint(first, 10.0, 50.0);
  graph->NewPoint(first, 110.0, 50.0);
  int32_t second = graph->NewLine("second", kBlue);
  graph->NewPoint(second, 60.0, 10.0);
  graph->NewPoint(second, 60.0, 90.0);
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = graph->GetGeometry().leftSpace;
  EXPECT_EQ(picture->PixelColor(left + 60, 390 - 50), kBlue);
  EXPECT_EQ(picture->PixelColor(left + 59, 390 - 50), kRed);
}

TEST(GxLineGraphSeries, RadiusInForceWhenDrawingAppliesToEverySeries) {
  auto graph = PixelScaledGraph();
  graph->SetPointRadius(0);
  int32_t first = graph->NewLine("first", kRed);
  graph->NewPoint(first, 100.0, 100.0);
  graph->SetPointRadius(2);
  int32_t second = graph->NewLine("second", kBlue);
  graph->NewPoint(second, 200.0, 100.0);
  auto picture = graph->DrawGraph(600, 420);
  EXPECT_EQ(InColor(*picture, kRed, linegraph_probes::Whole(*picture)).size(), 21u);
  EXPECT_EQ(InColor(*picture, kBlue, linegraph_probes::Whole(*picture)).size(), 21u);
}

}  // namespace
