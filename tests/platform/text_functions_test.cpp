#include "platform/text/text_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace platform {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FormatTest, KeepsEveryDigitAndRoundsHalvesAwayFromZero) {
  struct Case {
    double value;
    const char *pattern, *text;
  };
  const Case cases[] = {
      // An integer part of "#" only still shows one digit; zeros pad; no digit is ever dropped.
      {0.0, "##", "0"},
      {123.0, "##", "123"},
      {0.05, "#.0000", "0.0500"},
      {3.0, "00", "03"},
      {12345.0, "00", "12345"},
      {1e17, "##", "100000000000000000"},
      // "+" shows the sign of every value; a value that rounds to zero shows no minus sign.
      {0.0, "+#0.0000", "+0.0000"},
      {-0.5, "+#0.0000", "-0.5000"},
      {1000000.0, "+#0.0000", "+1000000.0000"},
      {-0.00001, "#0.0000", "0.0000"},
      {-0.00001, "+#0.0000", "+0.0000"},
      {-0.4, "##", "0"},
      // True halves round away from zero, whatever the number of places; 2.675 is stored just
      // below its half.
      {0.125, "#.00", "0.13"},
      {-0.125, "#.00", "-0.13"},
      {2.5, "##", "3"},
      {9.5, "00", "10"},
      {0.015625, "#.00000", "0.01563"},
      {2.675, "#.00", "2.67"},
      {kInfinity, "#0.0000", "INF"},
      {-kInfinity, "+#0.0000", "-INF"},
      {kInfinity, "+#0.0000", "+INF"},
      {kNaN, "#0.0000", "NaN"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.pattern;
  EXPECT_NE(Format(kNaN, "+#0.0000").find("NaN"), std::string::npos);
}

// Format is given any text, so a format longer than any number's digits must still be laid out
// in full: every zero shown, the value's digits last.
TEST(FormatTest, LaysOutFormatsOfAnyLength) {
  struct Case {
    size_t integerZeros, decimalZeros;
    double value;
    std::string wholeDigits, decimals;  // the end of the integer part, and the decimals
  };
  const Case cases[] = {
      {513, 0, 1.0, "1", ""},
      {489, 24, 1.0, "1", std::string(24, '0')},
      {100000, 0, -7.0, "7", ""},
      {100000, 3, 123.4567, "123", "457"},
  };
  for (const Case& c : cases) {
    std::string pattern(c.integerZeros, '0');
    if (c.decimalZeros > 0) pattern += "." + std::string(c.decimalZeros, '0');
    std::string expected = (c.value < 0 ? "-" : "") +
                           std::string(c.integerZeros - c.wholeDigits.size(), '0') + c.wholeDigits;
    if (!c.decimals.empty()) expected += "." + c.decimals;
    EXPECT_EQ(Format(c.value, pattern), expected) << c.integerZeros << " zeros before the point";
  }
}

TEST(StrTest, WholeNumbersShowTheirDigitsAloneAndFractionsTheirDecimals) {
  EXPECT_EQ(Str(7.0), "7");
  EXPECT_EQ(Str(2147483647.0), "2147483647");
  EXPECT_EQ(Str(-2.25), "-2.25");
  EXPECT_EQ(Str(1.23456789012345), "1.23456789012345");
  EXPECT_EQ(Str(0.05, "#.0000"), "0.0500");
}

// Leading blanks and tabs are skipped; the number ends at the first character that does not fit,
// always with a point for the decimals; text without a number is 0.
TEST(ValTest, ReadsTheNumberAtTheStartOfTheText) {
  const std::pair<const char*, double> cases[] = {
      {"5.43", 5.43},   {".80", 0.8},         {"-0.5", -0.5},
      {"+3", 3.0},      {"5.", 5.0},          {"1e-3", 0.001},
      {"2.5E2", 250.0}, {"  \t7", 7.0},       {"7 \t", 7.0},
      {"12abc", 12.0},  {"1e", 1.0},          {"1.5.3", 1.5},
      {"1,5", 1.0},     {"2\r3", 2.0},        {"5.43 x", 5.43},
      {"", 0.0},        {" \t", 0.0},         {"-", 0.0},
      {".", 0.0},       {"e5", 0.0},          {"inf", 0.0},
      {"nan", 0.0},     {"0x10", 0.0},        {"\u22121", 0.0},
      {"1e-999", 0.0},  {"1e999", kInfinity}, {"-1e999", -kInfinity}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << '"' << text << '"';
  EXPECT_FALSE(std::signbit(Val("-"))) << "a lone sign would be reported as -0.0000";
}

// Fields count from one and missing ones are empty. A carriage return directly before a line feed
// makes one ending; any other CR or LF is one.
TEST(FieldsAndLineEndingsTest, SplitAndReplaceWhereTheSeparatorsSay) {
  const std::tuple<const char*, const char*, int32_t, const char*> fields[] = {
      {"a,b,c", ",", 1, "a"}, {"a,b,c", ",", 3, "c"}, {"a--b--c", "--", 2, "b"},
      {"a,,c", ",", 2, ""},   {"\rx", "\r", 1, ""},   {"\rx", "\r", 2, "x"},
      {"x\r", "\r", 2, ""},   {"a,b", ",", 3, ""},    {"a,b", ",", 0, ""},
      {"a--b", "--", 0, ""},  {"", ",", 1, ""}};
  for (const auto& [text, separator, n, field] : fields) {
    EXPECT_EQ(NthField(text, separator, n), field) << text << " " << n;
  }
  const std::pair<const char*, const char*> endings[] = {
      {"a\rb\nc\r\nd", "a|b|c|d"}, {"a\r\r\nb", "a||b"}, {"a\n\rb", "a||b"},
      {"\r\n\r\n", "||"},          {"a\n\nb", "a||b"},   {"no endings", "no endings"}};
  for (const auto& [text, replaced] : endings) EXPECT_EQ(ReplaceLineEndings(text, "|"), replaced);
  EXPECT_EQ(ReplaceLineEndings("a\rb", "\r\n"), "a\r\nb");
  EXPECT_EQ(EndOfLine(), "\n");
}

TEST(CharacterTextTest, LengthsPositionsAndCodesCountCharactersNotBytes) {
  const std::string eAcute = "\xC3\xA9";  // two bytes, one character
  EXPECT_EQ(Len("h" + eAcute + "llo"), 5);
  EXPECT_EQ(Right("h" + eAcute + "llo", 4), eAcute + "llo");
  EXPECT_EQ(Right("abc", 5), "abc");
  EXPECT_EQ(Chr(0xE9), eAcute);
  EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(Len(Chr(0x1F600)), 1);
  EXPECT_EQ(Asc("\r\n"), 13);
  EXPECT_EQ(Asc(eAcute + "t"), 0xE9);
  EXPECT_EQ(Asc(Chr(0x20AC)), 0x20AC);
  EXPECT_EQ(Asc(Chr(0x1F600)), 0x1F600);
  EXPECT_EQ(Asc(""), 0);
}

}  // namespace
}  // namespace platform
