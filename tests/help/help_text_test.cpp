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
#include "app/module1.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

// The help text's lines: only a carriage return separates them.
Lines HelpLines() {
  Lines lines(1);
  for (const char* c = kHelpText; *c != '\0'; ++c) {
    if (*c == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += *c;
    }
  }
  return lines;
}

// The lines after the first line that equals `heading`, up to the next empty line.
Lines SectionAfter(const std::string& heading) {
  const Lines lines = HelpLines();
  auto at = std::find(lines.begin(), lines.end(), heading);
  if (at == lines.end()) return {};
  auto end = std::find(at + 1, lines.end(), "");
  return Lines(at + 1, end);
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

TEST(HelpTextTest, IsSeventyFiveLinesOfPlainAsciiSeparatedByCarriageReturnsAlone) {
  const std::string text = kHelpText;
  EXPECT_EQ(HelpLines().size(), 75u);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find('\t'), std::string::npos);
  EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                          [](char c) { return c == '\r' || (c >= 0x20 && c < 0x7F); }));
  EXPECT_NE(text.back(), '\r');
  EXPECT_NEAR(static_cast<double>(text.size()), 5392.0, 5392.0 * 0.05);
  // The window's bold opening ends inside the introduction's first word that it cuts.
  EXPECT_EQ(text.substr(0, 9), "Corvane\r\r");
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[28])));
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[29])));
}

TEST(HelpTextTest, CarriesTheWorkedExampleAsTypedAndAsCorvaneReportsIt) {
  EXPECT_EQ(SectionAfter("Eigenvalues"), kExampleEigenvalues);
  const Lines lines = HelpLines();
  auto ruler = std::find(lines.begin(), lines.end(), kRuler);
  ASSERT_NE(ruler, lines.end());
  const Lines output(ruler, ruler + 23);
  EXPECT_EQ(output[1], "Order   Eigenvalue      SE        Factor*");
  EXPECT_EQ(output[2], kRuler);
  EXPECT_EQ(output[3], "  1       +5.4300       0.8662   nontrivial");
  EXPECT_EQ(output[12], " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(output[21], kRuler);
  EXPECT_EQ(output[22], "*Critical value = 0.0500 (7 factors)");
  EXPECT_EQ(*(ruler - 1), "");
  EXPECT_EQ(*(ruler - 2), "");
}

TEST(HelpTextTest, ExampleTableAgreesWithWhatTheCalculationGives) {
  Module1::Initialize();
  std::string typed;
  for (const auto& value : kExampleEigenvalues) typed += value + "\r";
  testing_support::RecordingScreeWindow window("20", typed);
  CalculateScree(window);
  ASSERT_EQ(window.messages, Lines{});

  Lines reportRows;
  std::string reportFooter;
  for (const auto& line : testing_support::ReportLines(window.eigenvalueText)) {
    const Lines words = Words(line);
    if (words.size() == 4 && (words[3] == "trivial" || words[3] == "nontrivial")) {
      reportRows.push_back(line);
    }
    if (line.rfind("*Critical", 0) == 0) reportFooter = line;
  }
  const Lines lines = HelpLines();
  auto first = std::find(lines.begin(), lines.end(), kRuler) + 3;
  ASSERT_EQ(reportRows.size(), 18u);
  for (size_t step = 0; step < reportRows.size(); ++step) {
    SCOPED_TRACE(step + 1);
    EXPECT_EQ(Words(*(first + static_cast<long>(step))), Words(reportRows[step]));
  }
  EXPECT_EQ(reportFooter, *(first + 19));
  Module1::Initialize();
}

TEST(HelpTextTest, KeepsTheCautionReferencesAndNoticesInTheirPlaces) {
  const Lines lines = HelpLines();
  EXPECT_EQ(lines[0], "Corvane");
  EXPECT_EQ(lines[6], "Operation of Program");
  EXPECT_EQ(lines[9], "Example");
  EXPECT_EQ(lines[60],
            "Pay careful attention to the output values for their consistency and "
            "reasonableness. Also, carefully review the eigenvalues reported by the program to "
            "ensure that what was read by the program is accurate.");
  EXPECT_EQ(lines[63], "References");
  EXPECT_EQ((Lines{lines[64], lines[65], lines[66], lines[67], lines[68]}),
            (Lines{"The scree test for the number of factors (1966). Multivariate Behavioral "
                   "Research, 1(2), 245-276.",
                   "",
                   "The performance of regression-based variations of the visual scree for "
                   "determining the number of common factors (2002). Educational and "
                   "Psychological Measurement, 62(3), 397-419.",
                   "",
                   "An objective counterpart to the visual scree test for factor analysis: The "
                   "standard error scree (1996). Educational and Psychological Measurement, "
                   "56(3), 443-451."}));
  EXPECT_EQ(lines[69], std::string(71, '*'));
  for (size_t notice : {70u, 72u, 74u}) {
    SCOPED_TRACE(notice);
    EXPECT_NE(lines[notice].find("Corvane authors"), std::string::npos);
  }
  EXPECT_NE(lines[70].find("2007"), std::string::npos);
  EXPECT_NE(lines[72].find("2007"), std::string::npos);
}

}  // namespace
}  // namespace corvane
