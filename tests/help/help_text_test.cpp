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
  EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                          [](char c) { return c == '\r' || (c >= 0x20 && c < 0x7F); }));
  EXPECT_NE(text.back(), '\r');
  EXPECT_NEAR(static_cast<double>(text.size()), 5392.0, 5392.0 * 0.05);
  // The window's bold opening ends inside the introduction's first word that it cuts.
  EXPECT_EQ(text.substr(0, 9), "Corvane\r\r");
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[28])));
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[29])));
}

// The table is typed into the help text: each row's words must be what the calculation reports
// for the eigenvalues listed above it, and those must be the article's.
TEST(HelpTextTest, TheWorkedExampleIsTheArticlesAndAgreesWithTheCalculation) {
  EXPECT_EQ(SectionAfter("Eigenvalues"), kExampleEigenvalues);
  const Lines lines = HelpLines();
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

TEST(HelpTextTest, KeepsTheCautionReferencesAndNoticesInTheirPlaces) {
  const Lines lines = HelpLines();
  EXPECT_EQ((Lines{lines[0], lines[6], lines[9], lines[63]}),
            (Lines{"Corvane", "Operation of Program", "Example", "References"}));
  EXPECT_EQ(lines[60].substr(0, 30), "Pay careful attention to the o");
  // The three references, each with its year and pages, and a blank line between them.
  const std::vector<std::pair<size_t, std::string>> references = {{64, "(1966)"}, {64, "245-276."},
                                                                  {66, "(2002)"}, {66, "397-419."},
                                                                  {68, "(1996)"}, {68, "443-451."}};
  for (const auto& [line, part] : references) {
    EXPECT_NE(lines[line].find(part), std::string::npos) << part;
  }
  EXPECT_EQ(lines[65] + lines[67], "");
  EXPECT_EQ(lines[69], std::string(71, '*'));
  for (size_t notice : {70u, 72u, 74u}) {
    EXPECT_NE(lines[notice].find("Corvane authors"), std::string::npos) << notice;
  }
  EXPECT_NE(lines[70].find("copyright 2007"), std::string::npos);
  EXPECT_NE(lines[72].find("(2007)"), std::string::npos);
}

}  // namespace
}  // namespace corvane
