#include "plot/scree_plot.h"

#include <cmath>

#include "linegraph/gx_line_graph.h"
#include "platform/core/background_task.h"
#include "platform/core/exceptions.h"
#include "platform/text/arrays.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"
#include "shared/module1.h"

namespace corvane {
namespace {

// Row 0 holds zeros: the line of no factors.
int32_t FittedRow(const platform::DoubleArray2D& results) {
  int32_t row = platform::RuntimeCvtReal64ToSInt32(Module1::gCV);
  return row >= 0 && row <= results.Ubound(1) ? row : 0;
}

struct YRange {
  double bottom = 0.0;
  double top = 0.0;
};

// The line graph places points from its minimum made whole but labels the exact minimum, so a
// range that a point widened past a fraction would leave every point off its label. Whole-number
// ends that already hold every value keep the two in step; zero and `top` stay whenever the values
// fit between them. Values that are not finite are left to the graph, as they always were.
YRange WholeUnitRange(double top, const platform::Array<double>& first,
                      const platform::Array<double>& second) {
  YRange range{0.0, top};
  for (const platform::Array<double>* values : {&first, &second}) {
    for (int32_t i = 1; i <= values->Ubound(); ++i) {
      const double value = (*values)(i);
      if (!std::isfinite(value)) continue;
      if (value < range.bottom) range.bottom = std::floor(value);
      if (value > range.top) range.top = std::ceil(value);
    }
  }
  // The range holds zero whatever the values; a top of -1 would read to the graph as no range.
  if (range.top < 0.0) range.top = 0.0;
  return range;
}

}  // namespace

std::shared_ptr<platform::Picture> DrawScreePlot(int32_t width, int32_t height) {
  const platform::DoubleArray2D& results = platform::NotNil(Module1::gArray);
  const int32_t n = Module1::gN;
  platform::Array<double> x;
  platform::Array<double> y;
  x.Redim(n);
  y.Redim(n);
  for (int32_t i = 1; i <= n; ++i) {
    x(i) = results(i, 1);
    y(i) = results(i, 2);
    platform::RuntimeBackgroundTask();
  }
  // The fitted line of step r at every ordinal, also those before r that the step did not fit.
  const int32_t r = FittedRow(results);
  platform::Array<double> fitted;
  fitted.Redim(n);
  for (int32_t j = 1; j <= n; ++j) {
    fitted(j) = x(j) * results(r, 4) + results(r, 5);
    platform::RuntimeBackgroundTask();
  }
  const YRange range = WholeUnitRange(platform::Round(y(1) + 1.0), y, fitted);

  auto graph = std::make_shared<GxLineGraph>();
  graph->ResetGraph();
  graph->SetXRange(x(1), x(n));
  graph->SetYRange(range.bottom, range.top);
  graph->SetXMarks(n);
  graph->SetYMarks(platform::RuntimeCvtReal64ToSInt32(range.top - range.bottom + 1.0));
  graph->SetGridLines(false, false);
  graph->SetNumberFormats("##", "##");
  graph->SetLegend(0);
  graph->SetPointRadius(0);

  Module1::newlinecolor = 0;
  const int32_t fittedLine = graph->NewLine("" + platform::Format(0.0, "00"));
  for (int32_t j = 1; j <= n; ++j) {
    graph->NewPoint(fittedLine, x(j), fitted(j));
    platform::RuntimeBackgroundTask();
  }

  Module1::newlinecolor = 1;
  const int32_t eigenvalues = graph->NewLine("" + platform::Format(1.0, "00"));
  graph->SetPointRadius(1);
  for (int32_t i = 1; i <= n; ++i) {
    graph->NewPoint(eigenvalues, x(i), y(i));
    platform::RuntimeBackgroundTask();
  }
  return graph->DrawGraph(width, height);
}

}  // namespace corvane
