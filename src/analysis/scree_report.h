#pragma once

#include <cstdint>
#include <string>

#include "platform/text/clock.h"

namespace corvane {

// The product, year and authors, shown in the report's header and on the main window.
inline constexpr char kCreditLine[] = "Corvane © 2006 the Corvane authors";

// A step counts as a factor unless the criterion is strictly above its standard error, so a NaN
// standard error counts too. The report's verdicts and the factor count both use this one test.
bool IsNontrivial(double standardError, double criterion);

// The fixed-column report of one scree test, laid out for a monospaced font. Some lines end with a
// carriage return, the others with the platform line ending; reading the text back as eigenvalues
// turns both into one kind.
class ScreeReport {
 public:
  // Room for the expected number of rows is taken at once; the report grows past it if needed.
  explicit ScreeReport(int32_t expectedRows = 0);

  // The empty first line, the credit line, the date and time, and the column titles between rulers.
  void AppendHeader(const platform::Date& date);
  // One row: the step, its eigenvalue, its standard error and its verdict against the criterion.
  void AppendRow(int32_t step, double eigenvalue, double standardError, double criterion);
  // The closing ruler and the critical value with the number of factors.
  void AppendFooter(double criterion, double factorCount);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace corvane
