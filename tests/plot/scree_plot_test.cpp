#include "plot/scree_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "shared/module1.h"
#include "support/snapshot.h"

namespace corvane {
namespace {

// A completed calculation as the main window leaves it.
struct PlotCase {
  const char* snapshot;
  std::vector<double> eigenvalues;
  double slope, intercept;  // of the step the factor count names
  int32_t factors;          // may name a row the array does not have
};

void Store(const PlotCase& c) {
  Module1::Initialize();
  const auto n = static_cast<int32_t>(c.eigenvalues.size());
  Module1::gN = n;
  Module1::gArray->Redim(n, 5);
  for (int32_t i = 1; i <= n; ++i) {
    (*Module1::gArray)(i, 1) = i;
    (*Module1::gArray)(i, 2) = c.eigenvalues[i - 1];
  }
  if (c.factors >= 1 && c.factors <= n) {
    (*Module1::gArray)(c.factors, 4) = c.slope;
    (*Module1::gArray)(c.factors, 5) = c.intercept;
  }
  Module1::gCV = c.factors;
  Module1::dirty = "y";
}

std::vector<double> Decaying(int32_t count, double first, double rate) {
  std::vector<double> values;
  for (int32_t i = 0; i < count; ++i) values.push_back(first * std::exp(-rate * i));
  return values;
}

// The top is the first eigenvalue plus one, rounded, and the bottom zero, unless a value drawn lies
// outside: the range then grows to the whole numbers beyond. The worked example is the help text's:
// 7 factors, the least-squares fit of eigenvalues 7 to 20.
// clang-format off
const PlotCase kPlotCases[] = {
    {"plot-worked-example", {5.43, 3.11, 2.24, 1.89, 1.52, 1.29, .80, .46, .41, .37, .35, .33, .30,
                             .28, .25, .24, .21, .20, .18, .15}, -0.033736, 0.779011, 7},
    {"plot-below-one", {0.4, 0.3, 0.2, 0.1}, -0.05, 0.8, 1},
    {"plot-no-factors", {2.6, 1.2, 0.9, 0.5, 0.2}, 0, 0, 0},
    {"plot-count-beyond-the-rows", {2.6, 1.2, 0.9, 0.5, 0.2}, 0, 0, 7},
    {"plot-count-is-the-last-row", {2.6, 1.2, 0.9, 0.5, 0.2}, -0.5, 3.0, 5},
    {"plot-eigenvalues-below-zero", {3, 1, .5, -.2, -1.5}, -1.0, 3.6, 3},
    {"plot-line-ends-below-zero", {2.6, 1.2, 0.9, 0.5, 0.2}, -0.6, 2.6, 1},
    {"plot-line-starts-above-the-top", {2.2, 1.0, 0.6, 0.3, 0.1}, -1.0, 5.5, 1},
    {"plot-every-value-below-zero", {-2, -2.5, -3}, -0.4, -1.2, 1},
    {"plot-99-variables", Decaying(99, 50, 0.1), -0.05, 10.0, 40},
};
// clang-format on

// Blue discs on the eigenvalues over the black fitted line, and one label per mark on each axis.
TEST(ScreePlotTest, TheCurveTheLineAndTheLabelsFollowTheResults) {
  for (const PlotCase& c : kPlotCases) {
    Store(c);
    EXPECT_TRUE(testing_support::MatchesSnapshot(DrawScreePlot(600, 420), c.snapshot));
  }
  Module1::Initialize();
}

}  // namespace
}  // namespace corvane
