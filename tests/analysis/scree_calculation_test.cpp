#include "analysis/scree_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "recording_scree_window.h"
#include "report_lines.h"
#include "support/corvane_session.h"

namespace corvane {
namespace {

using testing_support::RecordingScreeWindow;
using testing_support::ReportLines;
using Texts = std::vector<std::string>;

// Row `row` of the results, columns 0 to 5, rounded to the report's four places.
std::vector<double> ResultRow(int32_t row) {
  std::vector<double> values;
  for (int32_t column = 0; column <= 5; ++column) {
    values.push_back(std::round((*Module1::gArray)(row, column) * 1e4) / 1e4);
  }
  return values;
}

// The verdicts of the report's rows, "n" for nontrivial and "t" for trivial.
std::string Verdicts(const Texts& lines) {
  std::string verdicts;
  for (size_t i = 7; i + 2 < lines.size(); ++i) verdicts += lines[i].substr(32, 1);
  return verdicts;
}

class ScreeCalculationTest : public testing_support::CorvaneSession {
 protected:
  static RecordingScreeWindow Calculate(const std::string& count, const std::string& eigenvalues) {
    RecordingScreeWindow window(count, eigenvalues);
    CalculateScree(window);
    return window;
  }
};

// Each step's standard error is checked against the article's table by the help text's test.
TEST_F(ScreeCalculationTest, WorkedExampleFindsSevenFactorsAndKeepsTheResultsForTheGraph) {
  RecordingScreeWindow window =
      Calculate("20",
                "5.43\r3.11\r2.24\r1.89\r1.52\r1.29\r.80\r.46\r.41\r.37\r.35\r.33\r.30\r.28\r.25\r"
                ".24\r.21\r.20\r.18\r.15");
  EXPECT_EQ(window.messages, Texts{});
  EXPECT_EQ(window.eigenvalueTextWrites, 1);
  const Texts lines = ReportLines(window.eigenvalueText);
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[2], ReportDateLine());
  EXPECT_EQ(Verdicts(lines), "nnnnnnnttttttttttt");
  EXPECT_EQ(lines[26], "*Critical value = 0.0500 (7 factors)");
  EXPECT_EQ((std::tuple{Module1::gN, Module1::gCV, Module1::dirty}), (std::tuple{20, 7.0, "y"}));
  ASSERT_EQ(Module1::gArray->Ubound(1), 20);  // and five columns, or ResultRow throws
  // Ordinal, eigenvalue, standard error, slope and intercept; the last two rows have no step.
  EXPECT_EQ(ResultRow(0), std::vector<double>(6, 0.0));
  EXPECT_EQ(ResultRow(1), (std::vector<double>{0, 1, 5.43, 0.8662, -0.1735, 2.8219}));
  EXPECT_EQ(ResultRow(7), (std::vector<double>{0, 7, 0.8, 0.087, -0.0337, 0.779}));
  EXPECT_EQ(ResultRow(20), (std::vector<double>{0, 20, 0.15, 0, 0, 0}));
}

// Every step that reaches the criterion counts, also past a trivial one; so do a standard error
// equal to the criterion (1/8 at step 3 of the first case) and one that is not a number (from an
// infinite eigenvalue).
TEST_F(ScreeCalculationTest, FactorsAreTheStepsThatReachTheCriterion) {
  struct Case {
    const char *count, *eigenvalues, *verdicts, *footer;
  };
  const Case cases[] = {
      {"8", "4\r3\r1.875\r1.375\r1.25\r1\r.625\r.625", "nnnttn",
       "*Critical value = 0.1250 (4 factors)"},
      {"5", "3.9\r2.4\r2.0\r1.6\r0.7", "ntn", "*Critical value = 0.2000 (2 factors)"},
      {"3", "1.5\r1.0\r0.5", "t", "*Critical value = 0.3333 (0 factors)"},
      {"6", "3.9\r1e999\r2.0\r1.5\r1.0\r0.5", "nntt", "*Critical value = 0.1667 (2 factors)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.eigenvalues);
    RecordingScreeWindow window = Calculate(c.count, c.eigenvalues);
    EXPECT_EQ(window.messages, Texts{});
    const Texts lines = ReportLines(window.eigenvalueText);
    EXPECT_EQ(Verdicts(lines), c.verdicts);
    EXPECT_EQ(lines.back(), c.footer);  // shows the factor count kept for the graph
  }
  EXPECT_TRUE(std::isinf((*Module1::gArray)(2, 2)));
  EXPECT_TRUE(std::isnan((*Module1::gArray)(1, 3)));
}

TEST_F(ScreeCalculationTest, CountOutsideThreeToNinetyNineChangesNothing) {
  Calculate("5", "3.9\r2.4\r2.0\r1.6\r0.7");
  const platform::DoubleArray2D* array = Module1::gArray.get();
  std::vector<std::vector<double>> before;
  for (int32_t row = 0; row <= 5; ++row) before.push_back(ResultRow(row));

  for (const char* count : {"2", "100", "", "abc", "2.9", "-5", "1e999", "nan"}) {
    SCOPED_TRACE(std::string("count \"") + count + "\"");
    RecordingScreeWindow window = Calculate(count, "1\r2\r3");
    EXPECT_EQ(window.messages, Texts{"Variables must range from 3-99"});
    EXPECT_EQ((std::tuple{window.eigenvalueTextWrites, Module1::gN, Module1::gCV, Module1::dirty}),
              (std::tuple{0, 5, 2.0, "y"}));
    ASSERT_EQ(Module1::gArray.get(), array);
    ASSERT_EQ((std::pair{Module1::gArray->Ubound(1), Module1::gArray->Ubound(2)}),
              (std::pair{5, 5}));
    for (int32_t row = 0; row <= 5; ++row) EXPECT_EQ(ResultRow(row), before[row]);
  }
}

// The count is read as a whole number, from the start of what the field holds, blanks and all:
// ninety-nine variables, or a little more, are the most.
TEST_F(ScreeCalculationTest, NinetyNineVariablesAreTheMost) {
  std::string eigenvalues;
  for (int32_t i = 99; i >= 1; --i) eigenvalues += std::to_string(i) + ".5\r";
  for (const char* count : {"99", "99.9", " 99", "99 variables"}) {
    EXPECT_EQ(Calculate(count, eigenvalues).messages, Texts{}) << count;
    EXPECT_EQ(Module1::gN, 99);
  }
}

TEST_F(ScreeCalculationTest, EmptyInputKeepsTheNewCountAndZeroedResultsOnly) {
  Calculate("5", "3.9\r2.4\r2.0\r1.6\r0.7");
  RecordingScreeWindow window = Calculate("4", "");
  EXPECT_EQ(window.messages, Texts{"No Eigenvalues."});
  EXPECT_EQ((std::tuple{window.eigenvalueTextWrites, Module1::gN, Module1::gCV, Module1::dirty}),
            (std::tuple{0, 4, 2.0, "y"}));
  ASSERT_EQ(Module1::gArray->Ubound(1), 4);
  for (int32_t row = 0; row <= 4; ++row) EXPECT_EQ(ResultRow(row), std::vector<double>(6, 0.0));
}

// Line i holds eigenvalue i whatever the line endings; an empty or missing line is reported by
// its number and read as zero, and the calculation goes on. Any other line is read as far as it
// is a number, without a word.
TEST_F(ScreeCalculationTest, EachMissingLineIsReportedByNumberAndEveryLineReadAsValReadsIt) {
  struct Case {
    const char *count, *eigenvalues;
    std::vector<int32_t> missing;
    std::vector<double> read;
  };
  const Case cases[] = {
      {"5", "3.9\r2.4\r2.0", {4, 5}, {3.9, 2.4, 2.0, 0, 0}},
      {"5", "3.9\r\r2.0\r1.6\r0.7", {2}, {3.9, 0, 2.0, 1.6, 0.7}},
      {"3", "1.5\r1.0\r0.5\r9\r\r7", {}, {1.5, 1.0, 0.5}},  // lines past the count are ignored
      {"5", "3.9\n2.4\r\n2.0\r1.6\n0.7\r\n", {}, {3.9, 2.4, 2.0, 1.6, 0.7}},
      {"5", "3.9\r\r\n2.4\r2.0\r1.6", {2}, {3.9, 0, 2.4, 2.0, 1.6}},  // a lone CR, then a pair
      {"4", "\r\r\r", {1, 2, 3, 4}, {0, 0, 0, 0}},
      // A decimal comma, a typographic minus, words, a number with more after it, blanks.
      {"7", "3,11\r\u22120.5\rNaN\r5.43 x\r \r\t1e-3 \r-.5", {}, {3, 0, 0, 5.43, 0, 0.001, -0.5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.eigenvalues);
    RecordingScreeWindow window = Calculate(c.count, c.eigenvalues);
    Texts expected;
    for (int32_t line : c.missing) {
      expected.push_back("Please check the accuracy of Eigenvalue # " + std::to_string(line) + ".");
    }
    EXPECT_EQ(window.messages, expected);
    EXPECT_EQ(window.eigenvalueTextWrites, 1);
    ASSERT_EQ(Module1::gArray->Ubound(1), static_cast<int32_t>(c.read.size()));
    for (size_t i = 0; i < c.read.size(); ++i) {
      EXPECT_EQ(ResultRow(static_cast<int32_t>(i + 1))[2], c.read[i]);
    }
  }
}

}  // namespace
}  // namespace corvane
