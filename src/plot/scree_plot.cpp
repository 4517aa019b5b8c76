#include "plot/scree_plot.h"

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

  auto graph = std::make_shared<GxLineGraph>();
  graph->ResetGraph();
  graph->SetXRange(x(1), x(n));
  const double top = platform::Round(y(1) + 1.0);
  graph->SetYRange(0.0, top);
  graph->SetXMarks(n);
  graph->SetYMarks(platform::RuntimeCvtReal64ToSInt32(top + 1.0));
  graph->SetGridLines(false, false);
  graph->SetNumberFormats("##", "##");
  graph->SetLegend(0);
  graph->SetPointRadius(0);

  Module1::newlinecolor = 0;
  const int32_t fittedLine = graph->NewLine("" + platform::Format(0.0, "00"));
  const int32_t r = FittedRow(results);
  for (int32_t j = 1; j <= n; ++j) {
    graph->NewPoint(fittedLine, x(j), x(j) * results(r, 4) + results(r, 5));
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
