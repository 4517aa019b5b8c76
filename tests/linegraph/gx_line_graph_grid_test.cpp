#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/text_functions.h"

namespace {

using corvane::GxLineGraph;
using linegraph_probes::AllOf;
using linegraph_probes::Band;
using linegraph_probes::Box;
using linegraph_probes::ExactWidth;
using linegraph_probes::InColor;
using linegraph_probes::Inked;
using linegraph_probes::kBlack;
using linegraph_probes::kGridColor;
using linegraph_probes::MeasuredWidth;
using linegraph_probes::TextInk;
using linegraph_probes::TextRegion;

int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

std::shared_ptr<GxLineGraph> PlainGraph() {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 8.0);
  return graph;
}

TEST(GxLineGraphGrid, WithoutMarksOnlyTheFrameIsDrawnYetTheMarginGrows) {
  auto graph = PlainGraph();
  auto picture = graph->DrawGraph(200, 150);
  GxLineGraph::Geometry geometry = graph->GetGeometry();
  int32_t left = Int32(20.0 + ExactWidth("8.00", 10.0) + 10.0);
  EXPECT_EQ(geometry.leftSpace, left);
  EXPECT_EQ(geometry.graphWidth, 200 - left - 20);
  EXPECT_EQ(geometry.graphHeight, 100);
  EXPECT_EQ(geometry.xMarks, -2);
  EXPECT_EQ(geometry.yMarks, -2);
  EXPECT_DOUBLE_EQ(graph->GetXScale(), 10.0 / geometry.graphWidth);
  EXPECT_DOUBLE_EQ(graph->GetYScale(), 8.0 / 100);

  // Both axes lie inside the 2-pixel frame, which lies just around the plot area: its inner line
  // is the axes' column and row.
  int32_t right = left + geometry.graphWidth;
  int32_t bottom = 20 + geometry.graphHeight;
  EXPECT_EQ(Inked(*picture), Band(left - 1, 19, right, bottom, 2));
  EXPECT_TRUE(AllOf(*picture, Band(left - 1, 19, right, bottom, 2), kBlack));
}

TEST(GxLineGraphGrid, AutomaticMarksCountFromThePlotWidthOnly) {
  for (int32_t height : {100, 500}) {
    auto graph = PlainGraph();
    graph->SetXMarks(0);
    graph->SetYMarks(0);
    graph->DrawGraph(580, height);  // plot width 540 before the grid narrows it
    EXPECT_EQ(graph->GetGeometry().xMarks, 17);
    EXPECT_EQ(graph->GetGeometry().yMarks, 26);
  }
}

TEST(GxLineGraphGrid, YLabelsEndBeforeTheAxisOnTheirRows) {
  auto graph = PlainGraph();
  graph->SetYMarks(5);
  graph->SetGridLines(true, false);
  auto picture = graph->DrawGraph(300, 450);  // plot height 400
  int32_t left = graph->GetGeometry().leftSpace;
  ASSERT_EQ(graph->GetGeometry().graphHeight, 400);

  // 0, 2, 4, 6 and 8 at 400, 300, 200, 100 and 0 pixels below the top margin, baselines 4 lower.
  linegraph_probes::Region labels{0, 0, left - 3, 449};
  linegraph_probes::PixelSet expected;
  for (int32_t i = 0; i <= 4; ++i) {
    std::string text = platform::Format(8.0 - 2.0 * i, "#.00");
    int32_t x = left - 14 - MeasuredWidth(text, 10.0);
    for (const auto& pixel : TextInk(300, 450, text, 10.0, x, 20 + 100 * i + 4, kBlack, labels)) {
      expected.insert(pixel);
    }
  }
  EXPECT_EQ(Inked(*picture, labels), expected);

  // Horizontal grid lines between the axis and the frame's right side; none vertical.
  int32_t right = left + graph->GetGeometry().graphWidth;
  for (int32_t row : {120, 220, 320}) {
    EXPECT_TRUE(AllOf(*picture, Box(left + 1, row, right - 2, row), kGridColor)) << "row " << row;
  }
  EXPECT_EQ(InColor(*picture, kGridColor, {0, 0, 299, 449}).size(), 3u * (right - 2 - left));
}

TEST(GxLineGraphGrid, XLabelsAreCentredOnTheirGridLines) {
  auto graph = PlainGraph();
  graph->SetXMarks(6);
  graph->SetGridLines(false, true);
  graph->SetNumberFormats("##", "#.00");
  auto picture = graph->DrawGraph(400, 300);
  GxLineGraph::Geometry geometry = graph->GetGeometry();
  int32_t left = geometry.leftSpace;
  int32_t bottom = 20 + geometry.graphHeight;
  EXPECT_DOUBLE_EQ(graph->GetXScale(), 10.0 / geometry.graphWidth);

  // The inner grid lines show between the frame's top and bottom bands; the outer two lie under
  // the axis and the frame.
  std::vector<int32_t> columns;
  for (int32_t x = left + 1; x < left + geometry.graphWidth - 1; ++x) {
    if (picture->PixelColor(x, 100) == kGridColor) columns.push_back(x);
  }
  ASSERT_EQ(columns.size(), 4u);
  for (int32_t x : columns) {
    EXPECT_TRUE(AllOf(*picture, Box(x, 21, x, bottom - 2), kGridColor));
  }
  // Labels 0, 2, ..., 10, each centred on its column.
  std::vector<int32_t> all = {left};
  all.insert(all.end(), columns.begin(), columns.end());
  all.push_back(left + geometry.graphWidth);
  linegraph_probes::Region labels{0, bottom + 3, 399, 299};
  linegraph_probes::PixelSet expected;
  for (size_t i = 0; i < all.size(); ++i) {
    std::string text = platform::Format(2.0 * static_cast<double>(i), "##");
    int32_t x = Int32(all[i] - MeasuredWidth(text, 10.0) / 2.0);
    for (const auto& pixel : TextInk(400, 300, text, 10.0, x, bottom + 22, kBlack, labels)) {
      expected.insert(pixel);
    }
  }
  EXPECT_EQ(Inked(*picture, labels), expected);
}

TEST(GxLineGraphGrid, AxisTitlesAddRoomOnEveryRendering) {
  auto graph = PlainGraph();
  graph->SetLabelAxes(true);
  graph->SetAxisLabels("Factor", "Eigenvalue");
  double yLabel = ExactWidth("8.00", 10.0) + 10.0;
  auto picture = graph->DrawGraph(400, 300);
  int32_t firstLeft = Int32(40.0 + yLabel);
  EXPECT_EQ(graph->GetGeometry().leftSpace, firstLeft);
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 50);
  int32_t bottom = 300 - 50;

  // The x title centred under the plot area, 40 pixels below the axis.
  int32_t width = MeasuredWidth("Factor", 12.0);
  int32_t x = Int32(firstLeft + graph->GetGeometry().graphWidth / 2.0 - width / 2.0);
  linegraph_probes::Region region = TextRegion(x, bottom + 40, width, 12.0);
  EXPECT_FALSE(Inked(*picture, region).empty());
  EXPECT_EQ(Inked(*picture, region),
            TextInk(400, 300, "Factor", 12.0, x, bottom + 40, kBlack, region));

  // The y title reads upwards left of the value labels, level with the plot's middle.
  int32_t anchor = Int32(firstLeft - ExactWidth("8.00", 12.0) - 15.0);
  linegraph_probes::PixelSet title = Inked(*picture, {0, 20, anchor + 4, bottom});
  ASSERT_FALSE(title.empty());
  int32_t top = 300;
  int32_t lowest = 0;
  for (const auto& [px, py] : title) {
    top = std::min(top, py);
    lowest = std::max(lowest, py);
  }
  EXPECT_NEAR((top + lowest) / 2.0, 20 + (bottom - 20) / 2.0, 2.0);
  EXPECT_NEAR(lowest - top + 1, ExactWidth("Eigenvalue", 12.0), 3.0);

  graph->DrawGraph(400, 300);
  EXPECT_EQ(graph->GetGeometry().leftSpace, Int32(firstLeft + 20.0 + yLabel));
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 70);
}

TEST(GxLineGraphGrid, TitlesNeedTheirTexts) {
  auto graph = PlainGraph();
  graph->SetLabelAxes(true);
  auto picture = graph->DrawGraph(400, 300);
  int32_t left = graph->GetGeometry().leftSpace;
  // Room is made, but nothing is drawn left of the frame or below it.
  EXPECT_TRUE(Inked(*picture, {0, 0, left - 2, 299}).empty());
  EXPECT_TRUE(Inked(*picture, {0, 251, 399, 299}).empty());
}

TEST(GxLineGraphGrid, DegenerateRangesAndCountsStillDraw) {
  struct Case {
    double xMin, xMax, yMin, yMax;
    int32_t xMarks, yMarks;
    int32_t width, height;
  };
  const int32_t most = std::numeric_limits<int32_t>::max();
  const std::vector<Case> cases = {
      {5.0, 5.0, 3.0, 3.0, 4, 4, 300, 200},   // zero-width ranges: zero scales
      {0.0, 10.0, 0.0, 8.0, 1, 1, 300, 200},  // one mark: no interval
      {0.0, 10.0, 0.0, 8.0, 5, 5, 60, 50},    // margins wider than the picture
      {0.0, 10.0, 0.0, 8.0, 5, 5, 0, 0},      // no picture at all
      {-1.0, -1.0, -1.0, -1.0, 0, 0, 300, 200},
      {0.0, 1e300, 0.0, 8.0, most, most, 300, 200},  // billions of marks
  };
  for (const Case& c : cases) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetXRange(c.xMin, c.xMax);
    graph->SetYRange(c.yMin, c.yMax);
    graph->SetXMarks(c.xMarks);
    graph->SetYMarks(c.yMarks);
    graph->SetLabelXVals(true);
    graph->SetLabelYVals(true);
    int32_t line = graph->NewLine("a");
    graph->NewPoint(line, c.xMin, c.yMin);
    graph->NewPoint(line, c.xMax, c.yMax);
    auto picture = graph->DrawGraph(c.width, c.height);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), c.width);
    graph->PlotLine(platform::RGB(0, 0, 0), most, -most, -most, most);
    graph->PlotPoint(platform::RGB(0, 0, 0), most, most);
  }
}

}  // namespace
