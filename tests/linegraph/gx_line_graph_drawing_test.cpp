#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/core/color.h"
#include "platform/text/text_functions.h"

namespace corvane::linegraph_testing {
namespace {

std::shared_ptr<GxLineGraph> PlainGraph() {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 8.0);
  return graph;
}

// Red runs one way and blue the other, so every channel steps on its own.
Color Shade(int32_t red) {
  return RGB(red, 0, 250 - red);
}

// Lines 0 and 1 carry the top colour, each further line one step on, never reaching the bottom
// colour. Directions 2 and 3 start one line beyond the right or bottom edge. Pictures this small
// lie wholly in the margins, so only the background shows.
TEST(GxLineGraphDrawing, GradientStepsFromTheTopColourAcrossTheGivenEdge) {
  struct Case {
    int32_t top, bottom, direction, width, height;
    std::vector<int32_t> expected;  // down each column (1 and 3) or along each row (2 and 4)
  };
  for (const Case& c : std::vector<Case>{{0, 250, 1, 3, 5, {0, 0, 50, 100, 150}},
                                         {200, 100, 1, 3, 5, {200, 200, 180, 160, 140}},
                                         {0, 250, 3, 3, 5, {200, 150, 100, 50, 0}},
                                         {0, 250, 4, 5, 3, {0, 0, 50, 100, 150}},
                                         {0, 250, 2, 5, 3, {200, 150, 100, 50, 0}}}) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetBackGradient(Shade(c.top), Shade(c.bottom), c.direction);
    auto picture = graph->DrawGraph(c.width, c.height);
    bool columns = c.direction == 1 || c.direction == 3;
    for (int32_t across = 0; across < (columns ? c.width : c.height); ++across) {
      std::vector<int32_t> line;
      for (int32_t along = 0; along < (columns ? c.height : c.width); ++along) {
        Color color =
            columns ? picture->PixelColor(across, along) : picture->PixelColor(along, across);
        line.push_back(color == Shade(color.Red()) ? color.Red() : -1);  // -1: off the scale
      }
      EXPECT_EQ(line, c.expected) << "direction " << c.direction << ", line " << across;
    }
    // A back colour replaces the gradient; an unknown direction paints nothing.
    graph->SetBackColor(RGB(10, 20, 30));
    EXPECT_EQ(InColor(*graph->DrawGraph(6, 4), RGB(10, 20, 30)).size(), 24u);
    graph->SetBackGradient(Shade(c.top), Shade(c.bottom), c.direction + 4);
    EXPECT_TRUE(Inked(*graph->DrawGraph(4, 4)).empty()) << "direction " << c.direction + 4;
  }
}

TEST(GxLineGraphDrawing, WithoutMarksOnlyTheFrameIsDrawnYetTheMarginGrows) {
  auto graph = PlainGraph();
  auto picture = graph->DrawGraph(200, 150);
  GxLineGraph::Geometry geometry = graph->GetGeometry();
  int32_t left = Int32(20.0 + ExactWidth("8.00", 10.0) + 10.0);
  EXPECT_EQ(geometry.leftSpace, left);
  EXPECT_EQ(geometry.graphWidth, 200 - left - 20);
  EXPECT_EQ(geometry.graphHeight, 100);
  EXPECT_DOUBLE_EQ(graph->GetXScale(), 10.0 / geometry.graphWidth);
  EXPECT_DOUBLE_EQ(graph->GetYScale(), 8.0 / 100);
  // Both axes lie on the inner line of the 2-pixel frame around the plot area.
  EXPECT_EQ(Inked(*picture), Band(left - 1, 19, left + geometry.graphWidth, 120, 2));
  EXPECT_TRUE(AllOf(*picture, Inked(*picture), kBlack));

  // Automatic mark counts come from the plot's width before the grid narrows it, never its height.
  for (int32_t height : {100, 500}) {
    graph = PlainGraph();
    graph->SetXMarks(0);
    graph->SetYMarks(0);
    graph->DrawGraph(580, height);
    EXPECT_EQ(graph->GetGeometry().xMarks, 17);
    EXPECT_EQ(graph->GetGeometry().yMarks, 26);
  }
}

TEST(GxLineGraphDrawing, YLabelsEndBeforeTheAxisOnTheirGridLines) {
  auto graph = PlainGraph();
  graph->SetYMarks(5);
  graph->SetGridLines(true, false);
  auto picture = graph->DrawGraph(300, 450);  // plot height 400
  int32_t left = graph->GetGeometry().leftSpace;
  int32_t right = left + graph->GetGeometry().graphWidth;

  // 8, 6, 4, 2 and 0 at 0, 100, ... 400 pixels below the top margin, baselines 4 lower.
  PixelSet expected;
  for (int32_t i = 0; i <= 4; ++i) {
    std::string text = platform::Format(8.0 - 2.0 * i, "#.00");
    PixelSet ink = TextInk(*picture, text, 10.0, left - 14 - MeasuredWidth(text, 10.0),
                           20 + 100 * i + 4, kBlack, {0, 0, left - 3, 449});
    expected.insert(ink.begin(), ink.end());
  }
  EXPECT_EQ(Inked(*picture, {0, 0, left - 3, 449}), expected);

  // Grid lines run from just right of the axis; the outer two lie under the frame; none vertical.
  for (int32_t row : {120, 220, 320}) {
    EXPECT_TRUE(AllOf(*picture, Box(left + 1, row, right - 2, row), kGridColor)) << "row " << row;
  }
  EXPECT_EQ(InColor(*picture, kGridColor).size(), 3u * (right - 2 - left));
}

TEST(GxLineGraphDrawing, XLabelsAreCentredOnTheirGridLines) {
  auto graph = PlainGraph();
  graph->SetXMarks(6);
  graph->SetGridLines(false, true);
  graph->SetNumberFormats("##", "#.00");
  auto picture = graph->DrawGraph(400, 300);
  int32_t left = graph->GetGeometry().leftSpace;
  int32_t right = left + graph->GetGeometry().graphWidth;
  int32_t bottom = 20 + graph->GetGeometry().graphHeight;

  std::vector<int32_t> columns = {left};
  for (int32_t x = left + 1; x < right - 1; ++x) {
    if (picture->PixelColor(x, 100) == kGridColor) columns.push_back(x);
  }
  columns.push_back(right);
  ASSERT_EQ(columns.size(), 6u);  // the outer two under the axis and the frame
  PixelSet expected;
  for (size_t i = 0; i < columns.size(); ++i) {
    Color line = i == 0 || i == 5 ? kBlack : kGridColor;
    EXPECT_TRUE(AllOf(*picture, Box(columns[i], 21, columns[i], bottom - 2), line));
    std::string text = platform::Format(2.0 * static_cast<double>(i), "##");
    PixelSet ink =
        TextInk(*picture, text, 10.0, Int32(columns[i] - MeasuredWidth(text, 10.0) / 2.0),
                bottom + 22, kBlack, {0, bottom + 3, 399, 299});
    expected.insert(ink.begin(), ink.end());
  }
  EXPECT_EQ(Inked(*picture, {0, bottom + 3, 399, 299}), expected);
}

TEST(GxLineGraphDrawing, AxisTitlesAddRoomOnEveryRendering) {
  auto graph = PlainGraph();
  graph->SetLabelAxes(true);
  graph->SetAxisLabels("Factor", "Eigenvalue");
  double yLabel = ExactWidth("8.00", 10.0) + 10.0;
  auto picture = graph->DrawGraph(400, 300);
  int32_t left = Int32(40.0 + yLabel);
  EXPECT_EQ(graph->GetGeometry().leftSpace, left);
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 50);

  // The x title centred under the plot area, 40 pixels below the axis.
  int32_t x =
      Int32(left + graph->GetGeometry().graphWidth / 2.0 - MeasuredWidth("Factor", 12.0) / 2.0);
  EXPECT_TRUE(TextAt(*picture, "Factor", 12.0, x, 250 + 40, kBlack));

  // The y title reads upwards left of the value labels, level with the plot's middle.
  PixelSet title = Inked(*picture, {0, 20, Int32(left - ExactWidth("8.00", 12.0) - 15.0) + 4, 250});
  ASSERT_FALSE(title.empty());
  auto [top, lowest] = std::minmax_element(title.begin(), title.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
  EXPECT_NEAR((top->second + lowest->second) / 2.0, 135.0, 2.0);
  EXPECT_NEAR(lowest->second - top->second + 1, ExactWidth("Eigenvalue", 12.0), 3.0);

  graph->DrawGraph(400, 300);
  EXPECT_EQ(graph->GetGeometry().leftSpace, Int32(left + 20.0 + yLabel));
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 70);
}

TEST(GxLineGraphDrawing, DegenerateRangesAndCountsStillDraw) {
  const int32_t most = std::numeric_limits<int32_t>::max();
  struct Case {
    double xMin, xMax, yMin, yMax;
    int32_t marks, width, height;
  };
  for (const Case& c : std::vector<Case>{{5, 5, 3, 3, 4, 300, 200},            // zero scales
                                         {0, 10, 0, 8, 1, 300, 200},           // no interval
                                         {0, 10, 0, 8, 5, 60, 50},             // all margin
                                         {0, 10, 0, 8, 5, 0, 0},               // no picture
                                         {-1, -1, -1, -1, 0, 300, 200},        // automatic marks
                                         {0, 1e300, 0, 8, most, 300, 200}}) {  // billions of marks
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetXRange(c.xMin, c.xMax);
    graph->SetYRange(c.yMin, c.yMax);
    graph->SetXMarks(c.marks);
    graph->SetYMarks(c.marks);
    graph->SetLabelXVals(true);
    graph->SetLabelYVals(true);
    int32_t line = graph->NewLine("a");
    graph->NewPoint(line, c.xMin, c.yMin);
    graph->NewPoint(line, c.xMax, c.yMax);
    EXPECT_EQ(graph->DrawGraph(c.width, c.height)->Width(), c.width);
    graph->PlotLine(kBlack, most, -most, -most, most);
    graph->PlotPoint(kBlack, most, most);
  }
}

}  // namespace
}  // namespace corvane::linegraph_testing
