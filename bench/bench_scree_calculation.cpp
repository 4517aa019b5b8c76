#include <benchmark/benchmark.h>

#include <string>

#include "analysis/scree_calculation.h"
#include "analysis/scree_calculation_window.h"
#include "shared/module1.h"

namespace {

// Field texts in memory; message boxes return at once.
class InstantWindow : public corvane::ScreeCalculationWindow {
 public:
  std::string VariableCountText() override { return variableCount; }
  std::string EigenvalueText() override { return eigenvalues; }
  void SetEigenvalueText(const std::string& text) override { report = text; }
  void ShowMessage(const std::string& /*text*/) override {}

  std::string variableCount;
  std::string eigenvalues;
  std::string report;
};

// A whole Calculate press with the most variables allowed: reading 99 lines, 97 regression steps,
// the report and the shared results.
void BM_CalculateScreeNinetyNineVariables(benchmark::State& state) {
  corvane::Module1::Initialize();
  InstantWindow window;
  window.variableCount = "99";
  for (int i = 99; i >= 1; --i) {
    if (!window.eigenvalues.empty()) window.eigenvalues += "\r";
    window.eigenvalues += std::to_string(i / 10) + "." + std::to_string(i % 10) + "7";
  }
  for (auto _ : state) {
    corvane::CalculateScree(window);
    benchmark::DoNotOptimize(window.report.data());
  }
  corvane::Module1::Finalize();
}
BENCHMARK(BM_CalculateScreeNinetyNineVariables)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
