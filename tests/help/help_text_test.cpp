#include "help/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/recording_scree_window.h"
#include "analysis/report_lines.h"
#include "analysis/scree_calculation.h"
#include "shared/module1.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

// The help text's lines: only a carriage return separates them.
Lines HelpLines() {
  Lines lines;
  std::istringstream text(kHelpText);
  for (std::string line; std::getline(text, line, '\r');) lines.push_back(line);
  return lines;
}

// A table row as its blank-separated words: order, eigenvalue, standard error, verdict.
Lines Words(const std::string& line) {
  std::istringstream in(line);
  Lines words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

const Lines kExampleEigenvalues = {"5.43", "3.11", "2.24", "1.89", "1.52", "1.29", ".80",
                                   ".46",  ".41",  ".37",  ".35",  ".33",  ".30",  ".28",
                                   ".25",  ".24",  ".21",  ".20",  ".18",  ".15"};
const std::string kRuler(32, '=');

// The table is typed into the help text: each row's words must be what the calculation reports
// for the eigenvalues listed above it, and those must be the article's.
TEST(HelpTextTest, TheWorkedExampleIsTheArticlesAndAgreesWithTheCalculation) {
  const Lines lines = HelpLines();
  auto eigenvalues = std::find(lines.begin(), lines.end(), "Eigenvalues") + 1;
  EXPECT_EQ(Lines(eigenvalues, eigenvalues + 21), [] {
    Lines expected = kExampleEigenvalues;
    expected.push_back("");
    return expected;
  }());
  auto ruler = std::find(lines.begin(), lines.end(), kRuler);
  ASSERT_EQ(ruler - lines.begin(), 35);
  EXPECT_EQ(Lines(ruler - 2, ruler + 3),
            (Lines{"", "", kRuler, "Order   Eigenvalue      SE        Factor*", kRuler}));
  EXPECT_EQ(ruler[21], kRuler);

  Module1::Initialize();
  std::string typed;
  for (const auto& value : kExampleEigenvalues) typed += value + "\r";
  testing_support::RecordingScreeWindow window("20", typed);
  CalculateScree(window);
  Module1::Initialize();
  const Lines report = testing_support::ReportLines(window.eigenvalueText);
  ASSERT_EQ(report.size(), 27u);
  for (size_t step = 1; step <= 18; ++step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(Words(ruler[static_cast<long>(step + 2)]), Words(report[step + 6]));
  }
  EXPECT_EQ(ruler[22], report[26]);
}

}  // namespace
}  // namespace corvane
