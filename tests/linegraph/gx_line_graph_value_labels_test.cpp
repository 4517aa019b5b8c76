#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "platform/core/background_task.h"

namespace corvane {
namespace {

// A graph without series, legend or gradient passes through the background task once per value
// label and nothing else, so the passes count the labels drawn.
int labelPasses = 0;

// The scree plot's largest cases label every mark; a first eigenvalue of 1e300 asks for some two
// billion y marks, and no axis gets more labels than it has pixels, the first and last included.
TEST(GxLineGraphValueLabels, AnAxisGetsNoMoreLabelsThanItHasPixels) {
  const int32_t most = std::numeric_limits<int32_t>::max();
  struct Case {
    const char* name;
    double yMax;
    int32_t xMarks, yMarks;  // numbers of marks, as SetXMarks and SetYMarks take them
    int32_t width, height;
  };
  const platform::BackgroundTaskHook previous = platform::detail::backgroundTaskHook;
  platform::SetBackgroundTaskHook([] { ++labelPasses; });
  for (const Case& c : std::vector<Case>{{"scree plot of 99 variables", 50.0, 99, 51, 600, 420},
                                         {"one mark each", 8.0, 1, 1, 300, 200},
                                         {"first eigenvalue 1e300", 1e300, 99, most, 600, 420},
                                         {"more marks than pixels", 8.0, 5000, 5000, 300, 200},
                                         {"a plot without height", 8.0, 10, 10, 300, 50}}) {
    SCOPED_TRACE(c.name);
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetGridLines(false, false);
    graph->SetNumberFormats("##", "##");
    graph->SetXRange(1.0, 99.0);
    graph->SetYRange(0.0, c.yMax);
    graph->SetXMarks(c.xMarks);
    graph->SetYMarks(c.yMarks);
    labelPasses = 0;
    graph->DrawGraph(c.width, c.height);
    const GxLineGraph::Geometry plot = graph->GetGeometry();
    // Every mark while they fit, never more than the pixels, two at least.
    const int32_t xLabels = std::min(c.xMarks, std::max(plot.graphWidth, 2));
    const int32_t yLabels = std::min(c.yMarks, std::max(plot.graphHeight, 2));
    EXPECT_EQ(labelPasses, xLabels + yLabels);
  }
  platform::SetBackgroundTaskHook(previous);
}

}  // namespace
}  // namespace corvane
