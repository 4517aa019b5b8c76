#include "analysis/scree_calculation.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/scree_report.h"
#include "platform/core/background_task.h"
#include "platform/core/exceptions.h"
#include "platform/text/arrays.h"
#include "platform/text/clock.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"
#include "shared/module1.h"

namespace corvane {

namespace {

constexpr int32_t kFewestVariables = 3;
constexpr int32_t kMostVariables = 99;
constexpr int32_t kLastResultColumn = 5;

struct StepFit {
  double slope = 0.0;
  double intercept = 0.0;
  double standardError = 0.0;
};

double Square(double value) {
  return value * value;
}

// Least squares of the points from `step` to the last one. The sums run in ascending order through
// the plain textbook formulas, not a more stable variant, so that a result is reproducible digit
// for digit.
StepFit FitStep(const platform::DoubleArray& xValues, const platform::DoubleArray& yValues,
                int32_t step) {
  const int32_t last = xValues.Ubound();
  // The loops run inside the arrays' own bounds, so they read the elements directly.
  const double* x = &xValues(0);
  const double* y = &yValues(0);
  double sumX = 0.0;
  double sumX2 = 0.0;
  double sumY = 0.0;
  double sumXY = 0.0;
  for (int32_t i = step; i <= last; ++i) {
    sumX += x[i];
    sumX2 += Square(x[i]);
    sumY += y[i];
    sumXY += x[i] * y[i];
    platform::RuntimeBackgroundTask();
  }

  const int32_t pointCount = last - step + 1;
  const double m = pointCount;
  const double meanX = sumX / m;
  const double meanY = sumY / m;
  const double sxx = sumX2 - Square(sumX) / m;
  const double sxy = sumXY - (sumY * sumX) / m;

  StepFit fit;
  fit.slope = sxy / sxx;
  fit.intercept = meanY - fit.slope * meanX;

  double ssResidual = 0.0;
  for (int32_t i = step; i <= last; ++i) {
    ssResidual += Square(y[i] - (fit.intercept + fit.slope * x[i]));
    platform::RuntimeBackgroundTask();
  }
  fit.standardError = std::sqrt(ssResidual / static_cast<double>(pointCount - 2));
  return fit;
}

// Line i of the input is eigenvalue i. A missing or empty line is reported and read as Val("")
// gives it, so that one slip does not throw away the rest of the input. Any other line is read as
// far as it is a number, without a word: "3,11" is 3.
void ReadEigenvalues(ScreeCalculationWindow& window, const std::string& input,
                     const std::string& lineEnd, platform::DoubleArray& eigenvalues) {
  const int32_t n = eigenvalues.Ubound();
  for (int32_t i = 1; i <= n; ++i) {
    const std::string line = platform::NthField(input, lineEnd, i);
    if (line == "") {
      window.ShowMessage("Please check the accuracy of Eigenvalue # " + platform::Str(i, "") + ".");
    }
    eigenvalues(i) = platform::Val(line);
    platform::RuntimeBackgroundTask();
  }
}

}  // namespace

void CalculateScree(ScreeCalculationWindow& window) {
  const std::string lineEnd = platform::Chr(13);
  const int32_t nVars =
      platform::RuntimeCvtReal64ToSInt32(platform::Val(window.VariableCountText()));
  if (nVars < kFewestVariables || nVars > kMostVariables) {
    window.ShowMessage("Variables must range from 3-99");
    return;
  }
  Module1::gN = nVars;
  const int32_t n = nVars;

  platform::DoubleArray eigenvalues(n);
  platform::DoubleArray ordinals(n);
  platform::DoubleArray xValues(n);
  platform::DoubleArray yValues(n);
  platform::DoubleArray slopes(n);
  platform::DoubleArray intercepts(n);
  platform::DoubleArray seValues(n);
  // Emptied first so that no value of the previous calculation survives the new bounds.
  platform::NotNil(Module1::gArray).Redim(-1, -1);
  platform::NotNil(Module1::gArray).Redim(n, kLastResultColumn);

  const std::string input = platform::ReplaceLineEndings(window.EigenvalueText(), lineEnd);
  if (platform::Len(input) == 0) {
    window.ShowMessage("No Eigenvalues.");
    return;
  }
  ReadEigenvalues(window, input, lineEnd, eigenvalues);

  // The criterion follows the typed number of variables, not the number of lines.
  const double criterion = 1.0 / static_cast<double>(n);

  for (int32_t i = 1; i <= n; ++i) {
    ordinals(i) = i;
    platform::RuntimeBackgroundTask();
  }
  for (int32_t i = 1; i <= n; ++i) {
    xValues(i) = ordinals(i);
    yValues(i) = eigenvalues(i);
    platform::RuntimeBackgroundTask();
  }

  for (int32_t step = 1; step <= n - 2; ++step) {
    const StepFit fit = FitStep(xValues, yValues, step);
    slopes(step) = fit.slope;
    intercepts(step) = fit.intercept;
    seValues(step) = fit.standardError;
    platform::RuntimeBackgroundTask();
  }

  ScreeReport report(n - 2);
  report.AppendHeader(platform::Date());
  for (int32_t i = 1; i <= n - 2; ++i) {
    report.AppendRow(i, eigenvalues(i), seValues(i), criterion);
    platform::RuntimeBackgroundTask();
  }

  // A trivial step does not end the count: every step that reaches the criterion is a factor.
  Module1::gCV = 0.0;
  for (int32_t i = 1; i <= n - 2; ++i) {
    if (IsNontrivial(seValues(i), criterion)) Module1::gCV += 1.0;
    platform::RuntimeBackgroundTask();
  }
  report.AppendFooter(criterion, Module1::gCV);

  window.SetEigenvalueText(report.Text());
  Module1::dirty = "y";

  platform::DoubleArray2D& results = platform::NotNil(Module1::gArray);
  for (int32_t i = 1; i <= n; ++i) {
    results(i, 1) = ordinals(i);
    results(i, 2) = eigenvalues(i);
    results(i, 3) = seValues(i);
    results(i, 4) = slopes(i);
    results(i, 5) = intercepts(i);
    platform::RuntimeBackgroundTask();
  }
}

}  // namespace corvane
