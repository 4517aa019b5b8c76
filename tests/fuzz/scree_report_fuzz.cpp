// The calculation and its report with any variable count and any eigenvalue text: no exception
// but the framework's own, and a report of n - 2 rows whenever the count is one Corvane accepts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/recording_scree_window.h"
#include "analysis/report_lines.h"
#include "analysis/scree_calculation.h"
#include "analysis/scree_report.h"
#include "fuzz/fuzz_input.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"
#include "shared/module1.h"

namespace {

// The lines of a report around its rows.
size_t LinesAroundRows() {
  corvane::ScreeReport empty;
  empty.AppendHeader(platform::Date());
  empty.AppendFooter(0.5, 0.0);
  return testing_support::ReportLines(empty.Text()).size();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  corvane::Module1::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const size_t kLinesAroundRows = LinesAroundRows();
  fuzzing::FuzzInput input(data, size);
  // Mostly a count in the accepted range, so that the calculation itself is exercised.
  const std::string count = input.Flag() ? platform::Str(3 + input.Byte() % 97) : input.Text(24);
  testing_support::RecordingScreeWindow window(count, input.Rest());
  const std::string eigenvalues = window.eigenvalueText;
  try {
    corvane::CalculateScree(window);
  } catch (const platform::RuntimeException&) {
    return 0;
  }
  const int32_t n = platform::RuntimeCvtReal64ToSInt32(platform::Val(count));
  const bool calculates =
      n >= 3 && n <= 99 && platform::Len(platform::ReplaceLineEndings(eigenvalues, "\r")) > 0;
  if (!calculates) {
    fuzzing::Require(window.eigenvalueTextWrites == 0 && window.messages.size() == 1,
                     "A refused calculation leaves the eigenvalues and says why");
    return 0;
  }
  fuzzing::Require(window.eigenvalueTextWrites == 1, "A calculation writes its report once");
  const size_t lines = testing_support::ReportLines(window.eigenvalueText).size();
  fuzzing::Require(lines == kLinesAroundRows + static_cast<size_t>(n - 2),
                   "The report has a row for each of the n - 2 steps");
  return 0;
}
