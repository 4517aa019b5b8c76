#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "analysis/scree_calculation.h"
#include "analysis/scree_calculation_window.h"
#include "platform/system/runtime.h"
#include "platform/testing/user_simulation.h"
#include "platform/text/text_functions.h"
#include "plot/graph_wnd.h"
#include "shared/module1.h"
#include "startup/startup.h"

namespace {

// Feeds the calculation as the main window would and ignores its messages.
class PastedEigenvalues : public corvane::ScreeCalculationWindow {
 public:
  explicit PastedEigenvalues(std::string text) : text_(std::move(text)) {}
  std::string VariableCountText() override { return "99"; }
  std::string EigenvalueText() override { return text_; }
  void SetEigenvalueText(const std::string& text) override { text_ = text; }
  void ShowMessage(const std::string& /*text*/) override {}

 private:
  std::string text_;
};

// 99 falling eigenvalues, the first one as given, calculated into the shared results.
void Calculate(const std::string& firstEigenvalue) {
  std::string text = firstEigenvalue;
  for (int i = 2; i <= 99; ++i) text += "\r" + platform::Str(40.0 * std::exp(-0.1 * i));
  PastedEigenvalues window(text);
  corvane::CalculateScree(window);
}

// From the Graph button's press to the plot being the canvas's backdrop, the window's creation
// included; closing it is not timed.
void PressGraph(benchmark::State& state, const std::string& firstEigenvalue) {
  Calculate(firstEigenvalue);
  auto mainWindow = corvane::ControlWnd::Instance();
  for (auto _ : state) {
    corvane::Module1::dirty = "y";
    mainWindow->GraphBtn_Action(nullptr);
    state.PauseTiming();
    auto graph = corvane::GraphWnd::Instance();
    if (!graph->Canvas1()->Backdrop()) state.SkipWithError("no plot");
    graph->Close();
    platform::ProcessPendingEvents();
    state.ResumeTiming();
  }
}

void BM_GraphOfNinetyNineVariables(benchmark::State& state) {
  PressGraph(state, "50");
}
BENCHMARK(BM_GraphOfNinetyNineVariables)->Unit(benchmark::kMillisecond);

void BM_GraphWithAHugeFirstEigenvalue(benchmark::State& state) {
  PressGraph(state, "1e300");
}
BENCHMARK(BM_GraphWithAHugeFirstEigenvalue)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  platform::RuntimeInit(argc, argv);
  corvane::Initialize();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  corvane::Finalize();
  return platform::RuntimeExit();
}
