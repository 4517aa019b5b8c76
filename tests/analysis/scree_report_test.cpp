#include "analysis/scree_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "fixed_wall_clock.h"
#include "platform/text_functions.h"
#include "report_lines.h"

namespace corvane {
namespace {

using testing_support::FixedWallClock;
using testing_support::LineEndings;
using testing_support::ReportLines;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const char kRuler[] = "============================================";

// The text of one row as the report's columns lay it out: order right-aligned in columns 0 to 2,
// eigenvalue ending in column 15, standard error ending in column 28, verdict from column 32.
std::string SingleRow(int32_t step, double eigenvalue, double standardError, double criterion) {
  ScreeReport report;
  report.AppendRow(step, eigenvalue, standardError, criterion);
  const std::string& text = report.Text();
  EXPECT_EQ(text.back(), '\r');
  return text.substr(0, text.size() - 1);
}

TEST(ScreeReportTest, HeaderRowsAndFooterFollowTheFixedLayout) {
  FixedWallClock clock;
  ScreeReport report;
  report.AppendHeader(platform::Date());
  report.AppendRow(1, 1.5, 0.0, 1.0 / 3.0);
  report.AppendFooter(1.0 / 3.0, 0.0);

  const std::vector<std::string> expected = {
      "",
      kCreditLine,
      clock.DateLine(),
      "",
      kRuler,
      "Order   Eigenvalue      SE      Factor*",
      kRuler,
      "  1      +1.5000       0.0000   trivial",
      kRuler,
      "*Critical value = 0.3333 (0 factors)",
  };
  EXPECT_EQ(ReportLines(report.Text()), expected);
  // Column titles, rows and the first two lines end with a carriage return; the rest with the
  // platform line ending.
  EXPECT_EQ(LineEndings(report.Text()), "\r\r\n\n\n\r\n\r\n\n");
  EXPECT_EQ(platform::EndOfLine(), "\n");
}

TEST(ScreeReportTest, CreditLineNamesTheProductYearAndAuthors) {
  EXPECT_EQ(std::string(kCreditLine), "Corvane \xC2\xA9 2006 the Corvane authors");
}

TEST(ScreeReportTest, RowsNineAndTenKeepTheirColumnsAligned) {
  const std::string row9 = SingleRow(9, 0.41, 0.0074, 0.05);
  const std::string row10 = SingleRow(10, 0.37, 0.0055, 0.05);
  EXPECT_EQ(row9, "  9      +0.4100       0.0074   trivial");
  EXPECT_EQ(row10, " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(SingleRow(1, 5.43, 0.8662340423, 0.05), "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(SingleRow(97, 0.15, 0.0041, 1.0 / 99.0), " 97      +0.1500       0.0041   trivial");
}

TEST(ScreeReportTest, NumbersWiderThanTheirFieldAreKeptWhole) {
  // Cutting "+1000000.0000" to the twelve columns of rows 1 to 9 would print a positive number for
  // a negative one and drop leading digits from larger ones; the row grows instead.
  EXPECT_EQ(SingleRow(1, 1000000.0, 0.5, 0.05), "  1 +1000000.0000       0.5000   nontrivial");
  EXPECT_EQ(SingleRow(1, -1000000.0, 0.5, 0.05), "  1 -1000000.0000       0.5000   nontrivial");
  EXPECT_EQ(SingleRow(10, 123456789.0, 0.5, 0.05), " 10+123456789.0000       0.5000   nontrivial");
  EXPECT_EQ(SingleRow(2, 999999.0, 0.5, 0.05), "  2 +999999.0000       0.5000   nontrivial");
}

TEST(ScreeReportTest, NegativeValuesShowTheirSignInTheSameColumns) {
  EXPECT_EQ(SingleRow(3, -0.5, 0.25, 0.05), "  3      -0.5000       0.2500   nontrivial");
  EXPECT_EQ(SingleRow(12, -12.25, 0.01, 0.05), " 12     -12.2500       0.0100   trivial");
}

TEST(ScreeReportTest, VerdictCountsAStandardErrorEqualToTheCriterion) {
  EXPECT_TRUE(IsNontrivial(0.25, 0.25));
  EXPECT_TRUE(IsNontrivial(0.2500001, 0.25));
  EXPECT_FALSE(IsNontrivial(0.2499999, 0.25));
  EXPECT_FALSE(IsNontrivial(0.0, 1.0 / 3.0));
}

TEST(ScreeReportTest, UndefinedStandardErrorsCountAsFactors) {
  EXPECT_TRUE(IsNontrivial(kNaN, 0.05));
  EXPECT_TRUE(IsNontrivial(kInfinity, 0.05));

  const std::string pad = "           ";
  const std::string row = SingleRow(2, kInfinity, kNaN, 0.05);
  EXPECT_EQ(row, "  2 " + platform::Right(pad + platform::Format(kInfinity, "+#0.0000"), 12) +
                     platform::Right(pad + platform::Format(kNaN, "#0.0000"), 13) +
                     "   nontrivial");
}

TEST(ScreeReportTest, FooterShowsTheCriterionAndTheWholeFactorCount) {
  ScreeReport report;
  report.AppendFooter(0.05, 7.0);
  EXPECT_EQ(report.Text(), std::string(kRuler) + "\n*Critical value = 0.0500 (7 factors)\n");

  ScreeReport many;
  many.AppendFooter(1.0 / 99.0, 97.0);
  EXPECT_EQ(ReportLines(many.Text()).back(), "*Critical value = 0.0101 (97 factors)");
}

}  // namespace
}  // namespace corvane
