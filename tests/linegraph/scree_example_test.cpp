#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/module1.h"
#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/text_functions.h"

namespace {

using corvane::GxLineGraph;
using linegraph_probes::AllOf;
using linegraph_probes::Box;
using linegraph_probes::InColor;
using linegraph_probes::kBlack;
using linegraph_probes::kGridColor;
using linegraph_probes::kWhite;

constexpr platform::Color kBlue = platform::RGB(0, 0, 255);

int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

// The help text's example as the graph window plots it: 20 eigenvalues, the fitted line of step 7.
class ScreeExampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Least squares of eigenvalues 7..20 on their ordinals.
    double sumX = 0.0, sumY = 0.0, sumXX = 0.0, sumXY = 0.0;
    for (int32_t i = 7; i <= 20; ++i) {
      double x = i;
      double y = eigenvalues[static_cast<size_t>(i - 1)];
      sumX += x;
      sumY += y;
      sumXX += x * x;
      sumXY += x * y;
    }
    double m = 14.0;
    slope = (sumXY - sumX * sumY / m) / (sumXX - sumX * sumX / m);
    intercept = sumY / m - slope * sumX / m;

    ASSERT_NEAR(slope, -0.0337, 0.0001);  // the fit the report shows for step 7
    ASSERT_NEAR(intercept, 0.779, 0.001);
    graph->ResetGraph();
    graph->SetXRange(1.0, 20.0);
    double top = platform::Round(eigenvalues[0] + 1.0);
    graph->SetYRange(0.0, top);
    graph->SetXMarks(20);
    graph->SetYMarks(Int32(top + 1.0));
    graph->SetGridLines(false, false);
    graph->SetNumberFormats("##", "##");
    graph->SetLegend(0);
    graph->SetPointRadius(0);
    corvane::Module1::newlinecolor = 0;
    int32_t line = graph->NewLine("" + platform::Format(0.0, "00"));
    for (int32_t j = 1; j <= 20; ++j) graph->NewPoint(line, j, j * slope + intercept);
    corvane::Module1::newlinecolor = 1;
    int32_t curve = graph->NewLine("" + platform::Format(1.0, "00"));
    graph->SetPointRadius(1);
    for (int32_t i = 1; i <= 20; ++i) {
      graph->NewPoint(curve, i, eigenvalues[static_cast<size_t>(i - 1)]);
    }
    picture = graph->DrawGraph(600, 420);
  }
  void TearDown() override { corvane::Module1::newlinecolor = savedColor; }

  // The picture pixel of a data point, as the series place it.
  std::pair<int32_t, int32_t> PixelOf(double x, double y) const {
    GxLineGraph::Geometry geometry = graph->GetGeometry();
    int32_t px = Int32((x - graph->GetXMin()) / graph->GetXScale());
    int32_t py = Int32((y - graph->GetYMin()) / graph->GetYScale());
    return {geometry.leftSpace + px, geometry.topSpace + geometry.graphHeight - py};
  }

  const std::vector<double> eigenvalues = {5.43, 3.11, 2.24, 1.89, 1.52, 1.29, .80, .46, .41, .37,
                                           .35,  .33,  .30,  .28,  .25,  .24,  .21, .20, .18, .15};
  int32_t savedColor = corvane::Module1::newlinecolor;
  double slope = 0.0;
  double intercept = 0.0;
  std::shared_ptr<GxLineGraph> graph = std::make_shared<GxLineGraph>();
  std::shared_ptr<platform::Picture> picture;
};

TEST_F(ScreeExampleTest, PlotAreaAndRangesAreTheExpectedOnes) {
  GxLineGraph::Geometry geometry = graph->GetGeometry();
  EXPECT_EQ(geometry.yMin, 0.0);
  EXPECT_EQ(geometry.yMax, 6.0);  // nothing widened the range
  EXPECT_EQ(geometry.xMarks, 19);
  EXPECT_EQ(geometry.yMarks, 6);
  EXPECT_EQ(geometry.graphHeight, 370);
  EXPECT_EQ(geometry.leftSpace, Int32(20.0 + linegraph_probes::ExactWidth("6", 10.0) + 10.0));
  EXPECT_EQ(geometry.graphWidth, 560 - (geometry.leftSpace - 20));
  EXPECT_EQ(geometry.topSpace, 20);  // no legend, no titles
  EXPECT_EQ(geometry.bottomSpace, 30);
}

TEST_F(ScreeExampleTest, WhiteGroundBlackLineBlueCurveNoGrid) {
  EXPECT_EQ(picture->PixelColor(0, 0), kWhite);
  EXPECT_EQ(picture->PixelColor(599, 419), kWhite);
  EXPECT_TRUE(InColor(*picture, kGridColor, linegraph_probes::Whole(*picture)).empty());

  // Black markers of the fitted line where the curve is far away, blue ones on the curve.
  for (int32_t i : {1, 2, 3, 4}) {
    auto [x, y] = PixelOf(i, i * slope + intercept);
    EXPECT_TRUE(AllOf(*picture, Box(x - 1, y - 1, x + 1, y + 1), kBlack)) << "ordinal " << i;
  }
  for (int32_t i = 1; i <= 20; ++i) {
    auto [x, y] = PixelOf(i, eigenvalues[static_cast<size_t>(i - 1)]);
    EXPECT_TRUE(AllOf(*picture, Box(x - 1, y - 1, x + 1, y + 1), kBlue)) << "ordinal " << i;
  }
  // The curve's first segment runs from 5.43 down to 3.11 in blue.
  auto [x1, y1] = PixelOf(1, 5.43);
  auto [x2, y2] = PixelOf(2, 3.11);
  EXPECT_EQ(picture->PixelColor((x1 + x2) / 2, (y1 + y2) / 2), kBlue);
}

}  // namespace
