#include "analysis/scree_report.h"

#include <algorithm>

#include "platform/text/text_functions.h"

namespace corvane {

namespace {

// Put in front of every formatted number before it is cut to its column's width, so that the
// number ends up right-aligned.
const char kColumnPad[] = "           ";
const char kRuler[] = "============================================";
const char kColumnTitles[] = "Order   Eigenvalue      SE      Factor*";

constexpr int32_t kOrderWidth = 3;
// Rows 1 to 9 put a blank after their one-digit order and make the eigenvalue field one narrower,
// so that the eigenvalue ends in the same column in every row.
constexpr int32_t kNarrowEigenvalueWidth = 12;
constexpr int32_t kWideEigenvalueWidth = 13;
constexpr int32_t kFirstWideRow = 10;
constexpr int32_t kStandardErrorWidth = 13;
const char kVerdictGap[] = "   ";

// Appends the number right-aligned in its column: the last `width` characters of the column pad
// followed by the number. A number wider than its column is kept whole: cutting it would drop its
// sign or leading digits and print a different number; such a row is wider than the others.
void AppendRightAligned(std::string& text, const std::string& formatted, int32_t width) {
  const int32_t length = platform::Len(formatted);
  const int32_t padLength = static_cast<int32_t>(sizeof kColumnPad) - 1;
  const int32_t blanks = std::max(0, std::min(width - length, padLength));
  text.append(static_cast<size_t>(blanks), ' ');
  text += formatted;
}

std::string LineEnd() {
  return platform::Chr(13);
}

}  // namespace

ScreeReport::ScreeReport(int32_t expectedRows) {
  constexpr size_t kRowLength = 48;
  constexpr size_t kHeaderAndFooterLength = 400;
  text_.reserve(kHeaderAndFooterLength +
                kRowLength * static_cast<size_t>(std::max(0, expectedRows)));
}

bool IsNontrivial(double standardError, double criterion) {
  return !(criterion > standardError);
}

void ScreeReport::AppendHeader(const platform::Date& date) {
  text_ += LineEnd();
  text_ += kCreditLine + LineEnd();
  text_ += "Date: " + date.ShortDate() + "  " + date.ShortTime() + platform::EndOfLine();
  text_ += platform::EndOfLine();
  text_ += kRuler + platform::EndOfLine();
  text_ += kColumnTitles + LineEnd();
  text_ += kRuler + platform::EndOfLine();
}

void ScreeReport::AppendRow(int32_t step, double eigenvalue, double standardError,
                            double criterion) {
  const bool wide = step >= kFirstWideRow;
  AppendRightAligned(text_, platform::Format(step, "##"), kOrderWidth);
  if (!wide) text_ += " ";
  AppendRightAligned(text_, platform::Format(eigenvalue, "+#0.0000"),
                     wide ? kWideEigenvalueWidth : kNarrowEigenvalueWidth);
  AppendRightAligned(text_, platform::Format(standardError, "#0.0000"), kStandardErrorWidth);
  text_ += kVerdictGap;
  text_ += IsNontrivial(standardError, criterion) ? "nontrivial" : "trivial";
  text_ += LineEnd();
}

void ScreeReport::AppendFooter(double criterion, double factorCount) {
  text_ += kRuler + platform::EndOfLine();
  text_ += "*Critical value = " + platform::Format(criterion, "#.0000") + " (" +
           platform::Str(factorCount, "") + " factors)" + platform::EndOfLine();
}

}  // namespace corvane
