#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "platform/graphics/graphics.h"
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
      // A back colour set after a gradient replaces it.
      {"graph-frame-only", 200, 150,
       [](GxLineGraph& g) {
         g.SetBackGradient(RGB(0, 0, 250), RGB(250, 0, 0), 1);
         g.SetBackColor(RGB(255, 255, 255));
         g.SetLegend(0);
         g.SetXRange(0.0, 10.0);
         g.SetYRange(0.0, 8.0);
       }},
      // An entry wider than the row still opens a row of its own, leaving the first one empty;
      // the next, which fits, does not share it.
      {"graph-legend-rows", 160, 300,
       [](GxLineGraph& g) {
         g.NewLine("WWWWWWWW", RGB(255, 0, 0));
         g.NewLine("WWWW", RGB(0, 128, 0));
         g.NewLine("WWWW", RGB(0, 0, 255));
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
  static const std::vector<DrawingCase> cases = [] {
    std::vector<DrawingCase> made;
    for (int32_t position = 1; position <= 4; ++position) {
      made.push_back({"graph-legend-" + std::to_string(position), position == 3 ? 240 : 400, 300,
                      [position](GxLineGraph& g) {
                        g.SetLegend(position);
                        AddSeries(g);
                        if (position == 3) g.NewLine("A longer label", RGB(255, 0, 255));
                      }});
      made.push_back(
          {"graph-gradient-" + std::to_string(position), 60, 40, [position](GxLineGraph& g) {
             g.SetBackGradient(RGB(0, 0, 250), RGB(250, 0, 0), position);
           }});
    }
    // Any other position puts the column at the left, as 4 does.
    for (int32_t other : {5, -1}) {
      made.push_back({"graph-legend-4", 400, 300, [other](GxLineGraph& g) {
                        g.SetLegend(other);
                        AddSeries(g);
                      }});
    }
    return made;
  }();
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

// DrawGraph widens the margins in place: a second rendering of the same graph starts from the
// first one's margins and adds the room of the axis titles, the legend and the y labels again.
TEST(GxLineGraphDrawing, EveryRenderingAddsItsRoomToTheMarginsAgain) {
  for (int32_t position = 1; position <= 4; ++position) {
    SCOPED_TRACE("legend " + std::to_string(position));
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(position);
    graph->SetLabelAxes(true);
    graph->SetAxisLabels("Factor", "Eigenvalue");
    AddSeries(*graph);
    graph->DrawGraph(400, 300);
    const GxLineGraph::Geometry first = graph->GetGeometry();
    graph->DrawGraph(400, 300);
    const GxLineGraph::Geometry second = graph->GetGeometry();
    // A new graph's margins: 20 left, top and right, 30 below.
    EXPECT_EQ(second.leftSpace - first.leftSpace, first.leftSpace - 20);
    EXPECT_EQ(second.topSpace - first.topSpace, first.topSpace - 20);
    EXPECT_EQ(second.rightSpace - first.rightSpace, first.rightSpace - 20);
    EXPECT_EQ(second.bottomSpace - first.bottomSpace, first.bottomSpace - 30);
  }
}

// A point's label goes right of its marker only while it ends inside the plot: one that would end
// exactly on the plot's right edge goes left of the marker instead.
TEST(GxLineGraphDrawing, APointLabelThatWouldReachThePlotsRightEdgeGoesLeftOfItsMarker) {
  constexpr platform::Color kLabel = RGB(255, 0, 0);
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 0.0);  // every label reads 0.00
  graph->SetLabelYVals(true);
  auto picture = graph->DrawGraph(300, 200);
  const GxLineGraph::Geometry plot = graph->GetGeometry();
  auto measure = platform::NewPicture(1, 1, 32);
  measure->Graphics().SetTextSize(9.0);
  const auto labelWidth = static_cast<int32_t>(measure->Graphics().StringWidth("0.00"));
  // Radius 1 and a gap of 2 pixels between the marker and its label.
  const int32_t edge = plot.graphWidth - 3 - labelWidth;
  const int32_t markerX = plot.leftSpace + edge;
  auto inked = [&](int32_t left, int32_t right, int32_t top, int32_t bottom) {
    int32_t count = 0;
    for (int32_t y = top; y <= bottom; ++y) {
      for (int32_t x = left; x <= right; ++x) {
        const platform::Color pixel = picture->PixelColor(x, y);  // smoothed edges are pink
        count += pixel.Red() - pixel.Green() > 60;
      }
    }
    return count;
  };
  const int32_t row = plot.topSpace + plot.graphHeight - 100;  // the marker's centre
  graph->PlotPoint(kLabel, edge, 100);
  EXPECT_EQ(inked(markerX + 2, markerX + 2 + labelWidth, row - 10, row + 5), 0);
  EXPECT_GT(inked(markerX - 2 - labelWidth, markerX - 2, row - 10, row + 5), 0);

  graph->PlotPoint(kLabel, edge - 1, 20);  // one pixel further left it fits on the right
  EXPECT_GT(inked(markerX + 1, markerX + 1 + labelWidth, row + 70, row + 85), 0);
}

// Ranges without extent, a single mark, billions of marks, pictures all margin or of no size,
// and drawing far outside the picture: each still draws, without hanging or failing.
TEST(GxLineGraphDrawing, DegenerateRangesAndCountsStillDraw) {
  const int32_t most = std::numeric_limits<int32_t>::max();
  struct Case {
    double xMin, xMax, yMin, yMax;
    int32_t marks, width, height;
  };
  for (const Case& c : std::vector<Case>{{5, 5, 3, 3, 4, 300, 200},
                                         {0, 10, 0, 8, 1, 300, 200},
                                         {0, 10, 0, 8, 5, 60, 50},
                                         {0, 10, 0, 8, 5, 0, 0},
                                         {-1, -1, -1, -1, 0, 300, 200},
                                         {0, 1e300, 0, 8, most, 300, 200}}) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetXRange(c.xMin, c.xMax);
    graph->SetYRange(c.yMin, c.yMax);
    graph->SetXMarks(c.marks);
    graph->SetYMarks(c.marks);
    graph->SetLabelXVals(true);
    graph->SetLabelYVals(true);
    const int32_t line = graph->NewLine("a");
    graph->NewPoint(line, c.xMin, c.yMin);
    graph->NewPoint(line, c.xMax, c.yMax);
    EXPECT_EQ(graph->DrawGraph(c.width, c.height)->Width(), c.width);
    graph->PlotLine(RGB(0, 0, 0), most, -most, -most, most);
    graph->PlotPoint(RGB(0, 0, 0), most, most);
  }
}

// The grid lines that cross the plot area from edge to edge, counted by direction. The frame
// covers the lines on the plot's edges, so only the inner marks show.
struct GridLines {
  int32_t across = 0;  // horizontal, one at each inner y mark
  int32_t down = 0;    // vertical, one at each inner x mark
  bool operator==(const GridLines&) const = default;
};

GridLines CountGridLines(const GxLineGraph& graph) {
  const GxLineGraph::Geometry at = graph.GetGeometry();
  const platform::Picture& picture = *graph.GetGraph();
  constexpr platform::Color kGrid = RGB(107, 255, 255);
  GridLines lines;
  for (int32_t y = at.topSpace + 1; y < at.topSpace + at.graphHeight - 1; ++y) {
    int32_t run = 0;
    for (int32_t x = at.leftSpace + 1; x < at.leftSpace + at.graphWidth - 1; ++x) {
      run += picture.PixelColor(x, y) == kGrid;
    }
    lines.across += run == at.graphWidth - 2;
  }
  for (int32_t x = at.leftSpace + 1; x < at.leftSpace + at.graphWidth - 1; ++x) {
    int32_t run = 0;
    for (int32_t y = at.topSpace + 1; y < at.topSpace + at.graphHeight - 1; ++y) {
      run += picture.PixelColor(x, y) == kGrid;
    }
    lines.down += run == at.graphHeight - 2;
  }
  return lines;
}

// A caller may ask for grid lines along one axis only: the first switch draws the lines across
// the plot at the y marks, the second those down it at the x marks.
TEST(GxLineGraphDrawing, EachGridSwitchDrawsItsOwnLinesAlone) {
  const std::pair<bool, bool> switches[] = {{true, false}, {false, true}, {true, true}};
  const GridLines expected[] = {{3, 0}, {0, 4}, {3, 4}};
  for (size_t i = 0; i < std::size(switches); ++i) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetXRange(0.0, 10.0);
    graph->SetYRange(0.0, 8.0);
    graph->SetXMarks(6);
    graph->SetYMarks(5);
    graph->SetGridLines(switches[i].first, switches[i].second);
    graph->DrawGraph(240, 180);
    const GridLines counted = CountGridLines(*graph);
    EXPECT_EQ(counted.across, expected[i].across) << i;
    EXPECT_EQ(counted.down, expected[i].down) << i;
  }
}

// The labels beside the points write x in the x format and y in the y format.
TEST(GxLineGraphDrawing, PointLabelsWriteEachValueInItsAxissFormat) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetPointRadius(2);
  graph->SetLabelXVals(true);
  graph->SetLabelYVals(true);
  graph->SetNumberFormats("#.0", "##");
  AddSeries(*graph);
  EXPECT_TRUE(
      testing_support::MatchesSnapshot(graph->DrawGraph(400, 300), "graph-point-label-formats"));
}

// A caller writing on the finished graph in another family at the size the grid left gets that
// family, as on a fresh picture.
TEST(GxLineGraphDrawing, ANoteOnTheGraphInAnotherFamilyAtTheSameSizeIsInThatFamily) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetXRange(0.0, 10.0);
  graph->SetYRange(0.0, 8.0);
  graph->SetYMarks(3);
  auto drawn = graph->DrawGraph(200, 150);
  auto fresh = platform::NewPicture(200, 150, 32);
  for (platform::Graphics* g : {&drawn->Graphics(), &fresh->Graphics()}) {
    g->SetTextSize(10.0);
    g->SetTextFont("Times");
    g->SetForeColor(RGB(0, 0, 0));
    g->DrawString("n = 20", 60, 14);
  }
  // The band above the plot, right of the top y label, holds the note alone.
  int32_t differing = 0;
  for (int32_t y = 0; y < 18; ++y) {
    for (int32_t x = 45; x < 200; ++x) {
      differing += drawn->PixelColor(x, y) != fresh->PixelColor(x, y);
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace corvane
