#include "analysis/scree_report.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/corvane_session.h"

namespace corvane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using ScreeReportTest = testing_support::CorvaneSession;

TEST_F(ScreeReportTest, HeaderRowsAndFooterFollowTheFixedLayoutAndLineEndings) {
  ScreeReport report;
  report.AppendHeader(platform::Date());
  report.AppendRow(1, 1.5, 0.0, 1.0 / 3.0);
  report.AppendFooter(1.0 / 3.0, 0.0);
  const std::string ruler = "============================================";
  EXPECT_EQ(report.Text(), "\rCorvane \xC2\xA9 2006 the Corvane authors\r" + ReportDateLine() +
                               "\n\n" + ruler + "\nOrder   Eigenvalue      SE      Factor*\r" +
                               ruler + "\n  1      +1.5000       0.0000   trivial\r" + ruler +
                               "\n*Critical value = 0.3333 (0 factors)\n");

  ScreeReport many;
  many.AppendFooter(1.0 / 99.0, 97.0);
  EXPECT_EQ(many.Text(), ruler + "\n*Critical value = 0.0101 (97 factors)\n");
}

// Order right-aligned in columns 0 to 2, eigenvalue ending in column 15, standard error in
// column 28, verdict from column 32. A number wider than its column is kept whole, so that its
// sign and leading digits survive; the row grows instead.
TEST_F(ScreeReportTest, RowsKeepTheirColumnsAndNeverCutANumber) {
  struct Case {
    int32_t step;
    double eigenvalue, standardError, criterion;
    const char* row;
  };
  const Case cases[] = {
      {1, 5.43, 0.8662340423, 0.05, "  1      +5.4300       0.8662   nontrivial"},
      {9, 0.41, 0.0074, 0.05, "  9      +0.4100       0.0074   trivial"},
      {10, 0.37, 0.0055, 0.05, " 10      +0.3700       0.0055   trivial"},
      {3, -0.5, 0.25, 0.05, "  3      -0.5000       0.2500   nontrivial"},
      {12, -12.25, 0.01, 0.05, " 12     -12.2500       0.0100   trivial"},
      {1, 1000000.0, 0.5, 0.05, "  1 +1000000.0000       0.5000   nontrivial"},
      {2, 999999.0, 0.5, 0.05, "  2 +999999.0000       0.5000   nontrivial"},
      {9, 1000000.0, 0.5, 0.05, "  9 +1000000.0000       0.5000   nontrivial"},
      {10, 123456789.0, 0.5, 0.05, " 10+123456789.0000       0.5000   nontrivial"},
      {2, kInfinity, kNaN, 0.05, "  2         +INF          NaN   nontrivial"},
  };
  for (const Case& c : cases) {
    ScreeReport report;
    report.AppendRow(c.step, c.eigenvalue, c.standardError, c.criterion);
    EXPECT_EQ(report.Text(), std::string(c.row) + "\r");
  }
}

}  // namespace
}  // namespace corvane
