#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "platform/background_task.h"

namespace corvane {
namespace {

// A graph without series, legend or gradient passes through the background task once per value
// label and nothing else, so the passes count the labels drawn.
int labelPasses = 0;

void CountPass() {
  ++labelPasses;
}

class CountedLabels {
 public:
  CountedLabels() : previous_(platform::detail::backgroundTaskHook) {
    labelPasses = 0;
    platform::SetBackgroundTaskHook(&CountPass);
  }
  ~CountedLabels() { platform::SetBackgroundTaskHook(previous_); }
  CountedLabels(const CountedLabels&) = delete;
  CountedLabels& operator=(const CountedLabels&) = delete;

 private:
  platform::BackgroundTaskHook previous_;
};

struct LabelCase {
  const char* name;
  double yMax;
  int32_t xMarks, yMarks;  // numbers of marks, as SetXMarks and SetYMarks take them
  int32_t width, height;
  bool everyMark;  // all marks fit their axis
};

// The scree plot's largest cases label every mark; a first eigenvalue of 1e300 asks for some two
// billion y marks, and no axis gets more labels than it has pixels, the first and last included.
TEST(GxLineGraphValueLabels, AnAxisGetsNoMoreLabelsThanItHasPixels) {
  const int32_t most = std::numeric_limits<int32_t>::max();
  for (const LabelCase& c :
       std::vector<LabelCase>{{"scree plot of 99 variables", 50.0, 99, 51, 600, 420, true},
                              {"one mark each", 8.0, 1, 1, 300, 200, true},
                              {"first eigenvalue 1e300", 1e300, 99, most, 600, 420, false},
                              {"more marks than pixels", 8.0, 5000, 5000, 300, 200, false},
                              {"a plot without height", 8.0, 10, 10, 300, 50, false}}) {
    SCOPED_TRACE(c.name);
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetGridLines(false, false);
    graph->SetNumberFormats("##", "##");
    graph->SetXRange(1.0, 99.0);
    graph->SetYRange(0.0, c.yMax);
    graph->SetXMarks(c.xMarks);
    graph->SetYMarks(c.yMarks);
    CountedLabels counted;
    graph->DrawGraph(c.width, c.height);
    const GxLineGraph::Geometry plot = graph->GetGeometry();
    if (c.everyMark) {
      EXPECT_EQ(labelPasses, c.xMarks + c.yMarks);
    } else {
      // Never more than the pixels; two at least, the first and the last.
      const int32_t xLabels = std::min(c.xMarks, std::max(plot.graphWidth, 2));
      const int32_t yLabels = std::min(c.yMarks, std::max(plot.graphHeight, 2));
      EXPECT_EQ(labelPasses, xLabels + yLabels);
    }
  }
}

}  // namespace
}  // namespace corvane
