#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "linegraph/gx_line_graph.h"
#include "platform/core/color.h"
#include "platform/system/runtime.h"

namespace {

// The heaviest scree plot the program makes: 99 variables, a first eigenvalue near 50; or, with
// `top` 1e300, the y marks a pasted first eigenvalue of that size asks for.
std::shared_ptr<corvane::GxLineGraph> HeaviestScreePlot(double top = 50.0, int32_t yMarks = 51) {
  auto graph = std::make_shared<corvane::GxLineGraph>();
  graph->SetXRange(1.0, 99.0);
  graph->SetYRange(0.0, top);
  graph->SetXMarks(99);
  graph->SetYMarks(yMarks);
  graph->SetGridLines(false, false);
  graph->SetNumberFormats("##", "##");
  graph->SetLegend(0);
  graph->SetPointRadius(1);
  int32_t line = graph->NewLine("00", platform::RGB(0, 0, 0));
  for (int32_t i = 1; i <= 99; ++i) graph->NewPoint(line, i, 3.0 - 0.03 * i);
  int32_t curve = graph->NewLine("01", platform::RGB(0, 0, 255));
  for (int32_t i = 1; i <= 99; ++i) graph->NewPoint(curve, i, 49.0 * std::exp(-0.1 * i));
  return graph;
}

void BM_DrawGraph(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto graph = HeaviestScreePlot();
    state.ResumeTiming();
    benchmark::DoNotOptimize(graph->DrawGraph(600, 420));
  }
}
BENCHMARK(BM_DrawGraph)->Unit(benchmark::kMillisecond);

// Some two billion y marks: the axis labels no more of them than it has pixels.
void BM_DrawGraphOfAHugeFirstEigenvalue(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto graph = HeaviestScreePlot(1e300, std::numeric_limits<int32_t>::max());
    state.ResumeTiming();
    benchmark::DoNotOptimize(graph->DrawGraph(600, 420));
  }
}
BENCHMARK(BM_DrawGraphOfAHugeFirstEigenvalue)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  platform::RuntimeInit(argc, argv);  // fonts need the application object
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return platform::RuntimeExit();
}
