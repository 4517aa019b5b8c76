#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "shared/module1.h"
#include "support/snapshot.h"

namespace corvane {
namespace {

using platform::RGB;

// Three series that cross, the later ones on top, and one without points.
void AddSeries(GxLineGraph& graph) {
  const int32_t falling = graph.NewLine("Falling", RGB(255, 0, 0));
  for (auto [x, y] : {std::pair{0.6, 7.5}, {3.0, 5.0}, {6.0, 2.5}, {10.0, 0.5}}) {
    graph.NewPoint(falling, x, y);
  }
  const int32_t rising = graph.NewLine("Rising", RGB(0, 128, 0));
  for (auto [x, y] : {std::pair{0.6, 0.5}, {5.0, 4.0}, {10.0, 7.9}}) graph.NewPoint(rising, x, y);
  graph.NewLine("Empty", RGB(0, 0, 255));
}

struct DrawingCase {
  std::string snapshot;
  int32_t width, height;
  std::function<void(GxLineGraph&)> set;
};

// Each setting of the graph as it draws, held to a committed picture.
const std::vector<DrawingCase>& DrawingCases() {
  static const std::vector<DrawingCase> cases = {
      {"graph-defaults", 300, 200, [](GxLineGraph& g) { AddSeries(g); }},
      {"graph-frame-only", 200, 150,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetXRange(0.0, 10.0);
         g.SetYRange(0.0, 8.0);
       }},
      {"graph-grid-titles-formats", 400, 300,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetXRange(0.0, 10.0);
         g.SetYRange(0.0, 8.0);
         g.SetXMarks(6);
         g.SetYMarks(5);
         g.SetGridLines(true, true);
         g.SetNumberFormats("##", "#.00");
         g.SetLabelAxes(true);
         g.SetAxisLabels("Factor", "Eigenvalue");
         AddSeries(g);
       }},
      {"graph-point-labels", 400, 300,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetPointRadius(3);
         g.SetLabelXVals(true);
         g.SetLabelYVals(true);
         AddSeries(g);
       }},
      {"graph-y-labels-only", 400, 300,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetPointRadius(0);
         g.SetLabelYVals(true);
         AddSeries(g);
       }},
      // The colours of series made without one, chosen by the selector the plot sets.
      {"graph-series-colours", 400, 300,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetBackColor(RGB(220, 220, 220));
         for (int32_t selector = -9; selector <= 10; ++selector) {
           Module1::newlinecolor = selector;
           const int32_t line = g.NewLine("s");
           g.NewPoint(line, 0.0, selector + 10.0);
           g.NewPoint(line, 10.0, selector + 10.5);
         }
         Module1::newlinecolor = 0;
       }},
      {"graph-degenerate-ranges", 200, 150,
       [](GxLineGraph& g) {
         g.SetLegend(0);
         g.SetXRange(3.0, 3.0);
         g.SetYRange(-2.0, -2.0);
         g.SetXMarks(1000000);
         g.SetYMarks(0);
         g.SetLabelXVals(true);
         g.SetLabelYVals(true);
         AddSeries(g);
       }},
  };
  return cases;
}

// The legend above, right, below (with a long label that opens a second row) and left; a
// gradient from each edge, on a picture so small that it lies wholly in the margins.
const std::vector<DrawingCase>& PositionCases() {
  static std::vector<DrawingCase> cases;
  for (int32_t position = 1; cases.size() < 8; ++position) {
    cases.push_back({"graph-legend-" + std::to_string(position), position == 3 ? 240 : 400, 300,
                     [position](GxLineGraph& g) {
                       g.SetLegend(position);
                       AddSeries(g);
                       if (position == 3) g.NewLine("A longer label", RGB(255, 0, 255));
                     }});
    cases.push_back(
        {"graph-gradient-" + std::to_string(position), 60, 40, [position](GxLineGraph& g) {
           g.SetBackGradient(RGB(0, 0, 250), RGB(250, 0, 0), position);
         }});
  }
  return cases;
}

TEST(GxLineGraphDrawing, EachSettingDrawsAsItsSnapshot) {
  std::vector<DrawingCase> cases = DrawingCases();
  cases.insert(cases.end(), PositionCases().begin(), PositionCases().end());
  for (const DrawingCase& c : cases) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->ResetGraph();
    c.set(*graph);
    EXPECT_TRUE(testing_support::MatchesSnapshot(graph->DrawGraph(c.width, c.height), c.snapshot));
  }
}

// Drawing on the picture of the last rendering, outside DrawGraph, as the series themselves do.
TEST(GxLineGraphDrawing, PointsAndLinesDrawnLaterLandAtTheirOffsetsFromTheAxesCorner) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->ResetGraph();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 100.0);
  graph->SetYRange(0.0, 100.0);
  auto picture = graph->DrawGraph(200, 150);
  graph->PlotLine(RGB(255, 0, 0), 5, 5, 15, 15);
  graph->PlotPoint(RGB(0, 0, 255), 0, 0);
  graph->SetPointRadius(0);
  graph->PlotPoint(RGB(0, 128, 0), 50, 50);  // no marker without a radius
  EXPECT_TRUE(testing_support::MatchesSnapshot(picture, "graph-drawn-later"));
}

}  // namespace
}  // namespace corvane
