#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "linegraph/gx_line_graph.h"
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

TEST(GxLineGraphModel, ShowVersionNamesTheComponent) {
  testing_support::ScriptedUserInteractionGuard user;
  std::make_shared<GxLineGraph>()->ShowVersion();
  EXPECT_EQ(user->boxes, (testing_support::Boxes{{"LineGraph 1.0", 0, ""}}));
}

}  // namespace
}  // namespace corvane
