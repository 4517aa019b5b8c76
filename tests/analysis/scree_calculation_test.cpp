#include "analysis/scree_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "analysis/scree_report.h"
#include "app/module1.h"
#include "fixed_wall_clock.h"
#include "platform/arrays.h"
#include "platform/text_functions.h"
#include "recording_scree_window.h"
#include "report_lines.h"

namespace corvane {
namespace {

using testing_support::FixedWallClock;
using testing_support::RecordingScreeWindow;
using testing_support::ReportLines;

const std::vector<std::string> kExampleEigenvalues = {
    "5.43", "3.11", "2.24", "1.89", "1.52", "1.29", ".80", ".46", ".41", ".37",
    ".35",  ".33",  ".30",  ".28",  ".25",  ".24",  ".21", ".20", ".18", ".15"};
const std::vector<std::string> kExampleStandardErrors = {
    "0.8662", "0.4854", "0.3670", "0.3113", "0.2502", "0.1915", "0.0870", "0.0127", "0.0074",
    "0.0055", "0.0058", "0.0060", "0.0054", "0.0058", "0.0061", "0.0061", "0.0071", "0.0041"};

std::string Joined(const std::vector<std::string>& lines, const std::string& ending = "\r") {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += ending;
    text += lines[i];
  }
  return text;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

// Row i of the report sits on line i + 7, after the seven header lines.
const std::string& Row(const std::vector<std::string>& lines, int32_t step) {
  return lines.at(static_cast<size_t>(step + 6));
}
std::string EigenvalueField(const std::string& row) {
  return Trimmed(row.substr(4, 12));
}
std::string StandardErrorField(const std::string& row) {
  return Trimmed(row.substr(16, 13));
}
std::string Verdict(const std::string& row) {
  return row.substr(32);
}

std::string MissingLineMessage(int32_t line) {
  return "Please check the accuracy of Eigenvalue # " + std::to_string(line) + ".";
}

double Result(int32_t row, int32_t column) {
  return (*Module1::gArray)(row, column);
}

class ScreeCalculationTest : public ::testing::Test {
 protected:
  void SetUp() override { Module1::Initialize(); }
  void TearDown() override { Module1::Initialize(); }

  FixedWallClock clock_;
};

TEST_F(ScreeCalculationTest, WorkedExampleFindsSevenFactors) {
  RecordingScreeWindow window("20", Joined(kExampleEigenvalues));
  CalculateScree(window);

  EXPECT_TRUE(window.messages.empty());
  ASSERT_EQ(window.eigenvalueTextWrites, 1);
  const std::vector<std::string> lines = ReportLines(window.eigenvalueText);
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[1], kCreditLine);
  EXPECT_EQ(lines[2], clock_.DateLine());
  EXPECT_EQ(Row(lines, 1), "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(Row(lines, 10), " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(lines[26], "*Critical value = 0.0500 (7 factors)");
  EXPECT_EQ(window.eigenvalueText.back(), '\n');

  for (int32_t step = 1; step <= 18; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    const std::string& expectedError = kExampleStandardErrors[static_cast<size_t>(step - 1)];
    EXPECT_EQ(StandardErrorField(Row(lines, step)), expectedError);
    EXPECT_EQ(Verdict(Row(lines, step)), step <= 7 ? "nontrivial" : "trivial");
    EXPECT_NEAR(Result(step, 3), std::stod(expectedError), 0.00005);
  }

  EXPECT_EQ(Module1::gN, 20);
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ(Module1::dirty, "y");
  ASSERT_EQ(Module1::gArray->Ubound(1), 20);
  ASSERT_EQ(Module1::gArray->Ubound(2), 5);
  EXPECT_EQ(Result(7, 1), 7.0);
  EXPECT_EQ(Result(7, 2), 0.8);
  EXPECT_NEAR(Result(7, 3), 0.0870, 0.00005);
  EXPECT_NEAR(Result(7, 4), -0.0337, 0.00005);
  EXPECT_NEAR(Result(7, 5), 0.7790, 0.00005);
  EXPECT_NEAR(Result(1, 4), -0.1735, 0.00005);
  EXPECT_NEAR(Result(1, 5), 2.8219, 0.00005);
  EXPECT_EQ(Result(20, 1), 20.0);
  EXPECT_EQ(Result(20, 2), 0.15);
  for (int32_t column = 0; column <= 5; ++column) EXPECT_EQ(Result(0, column), 0.0);
  for (int32_t row = 0; row <= 20; ++row) EXPECT_EQ(Result(row, 0), 0.0);
  for (int32_t column = 3; column <= 5; ++column) {
    EXPECT_EQ(Result(19, column), 0.0);
    EXPECT_EQ(Result(20, column), 0.0);
  }
}

TEST_F(ScreeCalculationTest, TrivialStepDoesNotEndTheCount) {
  RecordingScreeWindow window("5", Joined({"3.9", "2.4", "2.0", "1.6", "0.7"}));
  CalculateScree(window);

  const std::vector<std::string> lines = ReportLines(window.eigenvalueText);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_NEAR(Result(1, 3), 0.3483, 0.00005);
  EXPECT_NEAR(Result(2, 3), 0.1936, 0.00005);
  EXPECT_NEAR(Result(3, 3), 0.2041, 0.00005);
  EXPECT_EQ(Verdict(Row(lines, 1)), "nontrivial");
  EXPECT_EQ(Verdict(Row(lines, 2)), "trivial");
  EXPECT_EQ(Verdict(Row(lines, 3)), "nontrivial");
  EXPECT_EQ(Module1::gCV, 2.0);
  EXPECT_EQ(lines.back(), "*Critical value = 0.2000 (2 factors)");
}

TEST_F(ScreeCalculationTest, SmallestCountsRunOneOrTwoSteps) {
  RecordingScreeWindow three("3", Joined({"1.5", "1.0", "0.5"}));
  CalculateScree(three);
  std::vector<std::string> lines = ReportLines(three.eigenvalueText);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(Row(lines, 1), "  1      +1.5000       0.0000   trivial");
  EXPECT_EQ(lines.back(), "*Critical value = 0.3333 (0 factors)");
  EXPECT_NEAR(Result(1, 3), 0.0, 1e-12);
  EXPECT_NEAR(Result(1, 4), -0.5, 1e-12);
  EXPECT_NEAR(Result(1, 5), 2.0, 1e-12);
  EXPECT_EQ(Module1::gCV, 0.0);
  EXPECT_EQ(Module1::gArray->Ubound(1), 3);

  RecordingScreeWindow four("4", Joined({"2.0", "1.0", "1.0", "1.0"}));
  CalculateScree(four);
  lines = ReportLines(four.eigenvalueText);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_NEAR(Result(1, 3), 0.3873, 0.00005);
  EXPECT_NEAR(Result(2, 3), 0.0, 1e-12);
  EXPECT_EQ(Verdict(Row(lines, 1)), "nontrivial");
  EXPECT_EQ(Verdict(Row(lines, 2)), "trivial");
  EXPECT_EQ(Module1::gCV, 1.0);
  EXPECT_EQ(lines.back(), "*Critical value = 0.2500 (1 factors)");
}

TEST_F(ScreeCalculationTest, CountOutsideThreeToNinetyNineChangesNothing) {
  RecordingScreeWindow earlier("5", Joined({"3.9", "2.4", "2.0", "1.6", "0.7"}));
  CalculateScree(earlier);
  const platform::DoubleArray2D* array = Module1::gArray.get();
  const platform::DoubleArray2D before = *Module1::gArray;

  for (const char* count : {"2", "100", "", "abc", "2.9", "-5", "1e999", "nan"}) {
    SCOPED_TRACE(std::string("count \"") + count + "\"");
    RecordingScreeWindow window(count, "1\r2\r3");
    CalculateScree(window);
    EXPECT_EQ(window.messages, std::vector<std::string>{"Variables must range from 3-99"});
    EXPECT_EQ(window.eigenvalueTextWrites, 0);
    EXPECT_EQ(window.eigenvalueText, "1\r2\r3");
    EXPECT_EQ(window.variableCountText, count);
    EXPECT_EQ(Module1::gN, 5);
    EXPECT_EQ(Module1::gCV, 2.0);
    EXPECT_EQ(Module1::dirty, "y");
    ASSERT_EQ(Module1::gArray.get(), array);
    ASSERT_EQ(Module1::gArray->Ubound(1), 5);
    ASSERT_EQ(Module1::gArray->Ubound(2), 5);
    for (int32_t row = 0; row <= 5; ++row) {
      for (int32_t column = 0; column <= 5; ++column) {
        EXPECT_EQ(Result(row, column), before(row, column));
      }
    }
  }
}

TEST_F(ScreeCalculationTest, CountIsReadAsAWholeNumberWithinTheRange) {
  std::vector<std::string> ninetyNine;
  for (int32_t i = 99; i >= 1; --i) ninetyNine.push_back(std::to_string(i) + ".5");
  for (const char* count : {"99", "99.9", " 99", "99 variables"}) {
    SCOPED_TRACE(std::string("count \"") + count + "\"");
    RecordingScreeWindow window(count, Joined(ninetyNine));
    CalculateScree(window);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(Module1::gN, 99);
    EXPECT_EQ(ReportLines(window.eigenvalueText).size(), 106u);
  }

  RecordingScreeWindow three("3", Joined({"1.5", "1.0", "0.5"}));
  CalculateScree(three);
  EXPECT_TRUE(three.messages.empty());
  EXPECT_EQ(Module1::gN, 3);
}

TEST_F(ScreeCalculationTest, EmptyInputKeepsTheNewCountAndZeroedResultsOnly) {
  RecordingScreeWindow earlier("20", Joined(kExampleEigenvalues));
  CalculateScree(earlier);

  RecordingScreeWindow window("5", "");
  CalculateScree(window);
  EXPECT_EQ(window.messages, std::vector<std::string>{"No Eigenvalues."});
  EXPECT_EQ(window.eigenvalueTextWrites, 0);
  EXPECT_EQ(Module1::gN, 5);
  ASSERT_EQ(Module1::gArray->Ubound(1), 5);
  ASSERT_EQ(Module1::gArray->Ubound(2), 5);
  for (int32_t row = 0; row <= 5; ++row) {
    for (int32_t column = 0; column <= 5; ++column) EXPECT_EQ(Result(row, column), 0.0);
  }
  EXPECT_EQ(Module1::gCV, 7.0);
  EXPECT_EQ(Module1::dirty, "y");
}

TEST_F(ScreeCalculationTest, EachMissingLineIsReportedByNumberAndReadAsZero) {
  RecordingScreeWindow shortInput("5", "3.9\r2.4\r2.0");
  CalculateScree(shortInput);
  EXPECT_EQ(shortInput.messages,
            (std::vector<std::string>{MissingLineMessage(4), MissingLineMessage(5)}));
  EXPECT_EQ(shortInput.eigenvalueTextWrites, 1);
  EXPECT_EQ(Result(3, 2), 2.0);
  EXPECT_EQ(Result(4, 2), 0.0);
  EXPECT_EQ(Result(5, 2), 0.0);
  EXPECT_EQ(Module1::dirty, "y");
  EXPECT_EQ(ReportLines(shortInput.eigenvalueText).back(), "*Critical value = 0.2000 (3 factors)");

  RecordingScreeWindow gap("5", "3.9\r\r2.0\r1.6\r0.7");
  CalculateScree(gap);
  EXPECT_EQ(gap.messages, std::vector<std::string>{MissingLineMessage(2)});
  EXPECT_EQ(Result(2, 2), 0.0);
  EXPECT_EQ(Result(3, 2), 2.0);

  RecordingScreeWindow trailingEnding("4", "2\r1\r1\r");
  CalculateScree(trailingEnding);
  EXPECT_EQ(trailingEnding.messages, std::vector<std::string>{MissingLineMessage(4)});

  RecordingScreeWindow endingsOnly("12", "\r\r\r");
  CalculateScree(endingsOnly);
  std::vector<std::string> everyLine;
  for (int32_t i = 1; i <= 12; ++i) everyLine.push_back(MissingLineMessage(i));
  EXPECT_EQ(endingsOnly.messages, everyLine);
  EXPECT_EQ(endingsOnly.eigenvalueTextWrites, 1);
  EXPECT_EQ(Module1::gCV, 0.0);
}

TEST_F(ScreeCalculationTest, LinesBeyondTheCountAreIgnored) {
  RecordingScreeWindow window("3", "1.5\r1.0\r0.5\r9\r\r7");
  CalculateScree(window);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(Module1::gArray->Ubound(1), 3);
  EXPECT_EQ(Result(3, 2), 0.5);
  EXPECT_EQ(Module1::gCV, 0.0);
}

TEST_F(ScreeCalculationTest, AnyKindOfLineEndingSeparatesTheEigenvalues) {
  const std::vector<std::string> values = {"3.9", "2.4", "2.0", "1.6", "0.7"};
  RecordingScreeWindow carriageReturns("5", Joined(values, "\r"));
  CalculateScree(carriageReturns);
  for (const char* ending : {"\n", "\r\n"}) {
    RecordingScreeWindow window("5", Joined(values, ending));
    CalculateScree(window);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.eigenvalueText, carriageReturns.eigenvalueText);
  }
  RecordingScreeWindow mixed("5", "3.9\r2.4\n2.0\r\n1.6\r0.7\r\n");
  CalculateScree(mixed);
  EXPECT_TRUE(mixed.messages.empty());
  EXPECT_EQ(mixed.eigenvalueText, carriageReturns.eigenvalueText);

  // A carriage return before a pair is a line ending of its own, so line 2 is empty.
  RecordingScreeWindow doubled("5", "3.9\r\r\n2.4\r2.0\r1.6");
  CalculateScree(doubled);
  EXPECT_EQ(doubled.messages, std::vector<std::string>{MissingLineMessage(2)});
  EXPECT_EQ(Result(2, 2), 0.0);
  EXPECT_EQ(Result(3, 2), 2.4);
  EXPECT_EQ(Result(5, 2), 1.6);
}

TEST_F(ScreeCalculationTest, CalculatingAgainReadsTheReportAsEigenvalues) {
  RecordingScreeWindow window("20", Joined(kExampleEigenvalues));
  CalculateScree(window);
  const std::string firstReport = window.eigenvalueText;
  window.messages.clear();

  CalculateScree(window);
  // Lines 1 and 4 of the report are empty; the credit, date, rulers and titles read as 0 and
  // rows 1 to 13 as their order numbers.
  EXPECT_EQ(window.messages,
            (std::vector<std::string>{MissingLineMessage(1), MissingLineMessage(4)}));
  EXPECT_EQ(window.eigenvalueTextWrites, 2);
  EXPECT_NE(window.eigenvalueText, firstReport);
  for (int32_t row = 1; row <= 7; ++row) EXPECT_EQ(Result(row, 2), 0.0);
  for (int32_t row = 8; row <= 20; ++row) EXPECT_EQ(Result(row, 2), row - 7.0);
  const std::vector<std::string> lines = ReportLines(window.eigenvalueText);
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(EigenvalueField(Row(lines, 1)), "+0.0000");
  EXPECT_EQ(EigenvalueField(Row(lines, 8)), "+1.0000");
  EXPECT_EQ(Module1::gCV, 6.0);
  EXPECT_EQ(lines.back(), "*Critical value = 0.0500 (6 factors)");
}

TEST_F(ScreeCalculationTest, EigenvaluesAreUsedAsTypedWhateverTheirOrderOrSign) {
  RecordingScreeWindow window("4", "1000000\r-0.5\r1\r1");
  CalculateScree(window);
  const std::vector<std::string> lines = ReportLines(window.eigenvalueText);
  EXPECT_EQ(Row(lines, 1).substr(0, 17), "  1 +1000000.0000");
  EXPECT_EQ(Row(lines, 2).substr(0, 16), "  2      -0.5000");
  EXPECT_EQ(Result(1, 2), 1000000.0);
  EXPECT_EQ(Result(2, 2), -0.5);
}

TEST_F(ScreeCalculationTest, InfiniteEigenvalueGivesUndefinedStepsThatCountAsFactors) {
  RecordingScreeWindow window("6", Joined({"3.9", "1e999", "2.0", "1.5", "1.0", "0.5"}));
  ASSERT_NO_THROW(CalculateScree(window));

  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(std::isinf(Result(2, 2)));
  EXPECT_TRUE(std::isnan(Result(1, 3)));
  EXPECT_TRUE(std::isnan(Result(2, 3)));
  EXPECT_NEAR(Result(3, 3), 0.0, 1e-12);

  const std::vector<std::string> lines = ReportLines(window.eigenvalueText);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(EigenvalueField(Row(lines, 2)), platform::Format(Result(2, 2), "+#0.0000"));
  EXPECT_EQ(StandardErrorField(Row(lines, 1)), platform::Format(Result(1, 3), "#0.0000"));
  const auto nontrivialRows = std::count_if(
      lines.begin(), lines.end(),
      [](const std::string& line) { return line.size() > 32 && line.substr(32) == "nontrivial"; });
  EXPECT_EQ(nontrivialRows, 2);
  EXPECT_EQ(Module1::gCV, 2.0);
  EXPECT_EQ(lines.back(), "*Critical value = 0.1667 (2 factors)");
}

}  // namespace
}  // namespace corvane
