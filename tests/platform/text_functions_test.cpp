#include "platform/text_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FormatTest, IntegerPartOfHashesShowsAtLeastOneDigit) {
  EXPECT_EQ(Format(0.0, "##"), "0");
  EXPECT_EQ(Format(7.0, "##"), "7");
  EXPECT_EQ(Format(97.0, "##"), "97");
  EXPECT_EQ(Format(0.05, "#.0000"), "0.0500");
  EXPECT_EQ(Format(1.0 / 3.0, "#.0000"), "0.3333");
  EXPECT_EQ(Format(0.0, "#.00"), "0.00");
}

TEST(FormatTest, ZerosPadToTheirCount) {
  EXPECT_EQ(Format(3.0, "00"), "03");
  EXPECT_EQ(Format(0.0, "00"), "00");
  EXPECT_EQ(Format(42.0, "00"), "42");
  EXPECT_EQ(Format(0.8, "#0.0000"), "0.8000");
  EXPECT_EQ(Format(0.0, "#0.0000"), "0.0000");
}

TEST(FormatTest, LargeValuesKeepAllTheirDigits) {
  EXPECT_EQ(Format(123.0, "##"), "123");
  EXPECT_EQ(Format(12345.0, "00"), "12345");
  EXPECT_EQ(Format(1234567.0, "#0.0000"), "1234567.0000");
  EXPECT_EQ(Format(1000000.0, "+#0.0000"), "+1000000.0000");
  EXPECT_EQ(Format(123456789012.0, "#.00"), "123456789012.00");
}

TEST(FormatTest, PlusShowsTheSignOfEveryValue) {
  EXPECT_EQ(Format(5.43, "+#0.0000"), "+5.4300");
  EXPECT_EQ(Format(0.8, "+#0.0000"), "+0.8000");
  EXPECT_EQ(Format(0.0, "+#0.0000"), "+0.0000");
  EXPECT_EQ(Format(-0.5, "+#0.0000"), "-0.5000");
  EXPECT_EQ(Format(-0.5, "#0.0000"), "-0.5000");
  EXPECT_EQ(Format(0.8662340423, "#0.0000"), "0.8662");
}

TEST(FormatTest, NegativeThatRoundsToZeroShowsNoMinusSign) {
  EXPECT_EQ(Format(-0.00001, "#0.0000"), "0.0000");
  EXPECT_EQ(Format(-0.00001, "+#0.0000"), "+0.0000");
  EXPECT_EQ(Format(-0.0, "#0.0000"), "0.0000");
  EXPECT_EQ(Format(-0.4, "##"), "0");
  EXPECT_EQ(Format(-0.004, "#.00"), "0.00");
}

TEST(FormatTest, HalvesRoundAwayFromZero) {
  EXPECT_EQ(Format(0.125, "#.00"), "0.13");
  EXPECT_EQ(Format(-0.125, "#.00"), "-0.13");
  EXPECT_EQ(Format(0.5, "##"), "1");
  EXPECT_EQ(Format(2.5, "##"), "3");
  EXPECT_EQ(Format(-2.5, "##"), "-3");
  EXPECT_EQ(Format(9.5, "00"), "10");
  // The nearest Double to 2.675 lies just below it, so it is not a half.
  EXPECT_EQ(Format(2.675, "#.00"), "2.67");
  EXPECT_EQ(Format(1.005, "#.00"), "1.00");
}

TEST(FormatTest, InfiniteAndNaNGiveShortTexts) {
  EXPECT_EQ(Format(kInfinity, "#0.0000"), "INF");
  EXPECT_EQ(Format(-kInfinity, "#0.0000"), "-INF");
  EXPECT_EQ(Format(kInfinity, "+#0.0000"), "+INF");
  EXPECT_EQ(Format(-kInfinity, "+#0.0000"), "-INF");
  EXPECT_EQ(Format(kNaN, "#0.0000"), "NaN");
  EXPECT_NE(Format(kNaN, "+#0.0000").find("NaN"), std::string::npos);
  EXPECT_EQ(Format(kInfinity, "##"), "INF");
}

TEST(ValTest, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(Val("5.43"), 5.43);
  EXPECT_EQ(Val(".80"), 0.8);
  EXPECT_EQ(Val("-0.5"), -0.5);
  EXPECT_EQ(Val("+3"), 3.0);
  EXPECT_EQ(Val("12"), 12.0);
  EXPECT_EQ(Val("5."), 5.0);
  EXPECT_EQ(Val("1e-3"), 0.001);
  EXPECT_EQ(Val("2.5E2"), 250.0);
  EXPECT_EQ(Val("1e+2"), 100.0);
}

TEST(ValTest, SkipsLeadingBlanksAndTabs) {
  EXPECT_EQ(Val("  \t7"), 7.0);
  EXPECT_EQ(Val("\t 3.5"), 3.5);
  EXPECT_EQ(Val("   -2"), -2.0);
}

TEST(ValTest, StopsAtTheFirstCharacterThatDoesNotFit) {
  EXPECT_EQ(Val("12abc"), 12.0);
  EXPECT_EQ(Val("1e"), 1.0);
  EXPECT_EQ(Val("1e-"), 1.0);
  EXPECT_EQ(Val("1.5.3"), 1.5);
  EXPECT_EQ(Val("3 4"), 3.0);
  // The decimal separator is always a point, whatever the locale.
  EXPECT_EQ(Val("1,5"), 1.0);
  EXPECT_EQ(Val("2\r3"), 2.0);
}

TEST(ValTest, TextWithoutANumberGivesZero) {
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_EQ(Val("e5"), 0.0);
  // Spellings a C library would read as special values or in another base are not numbers here.
  EXPECT_EQ(Val("inf"), 0.0);
  EXPECT_EQ(Val("nan"), 0.0);
  EXPECT_EQ(Val("0x10"), 0.0);
}

TEST(ValTest, OutOfRangeExponentsGiveInfinityOrZero) {
  EXPECT_EQ(Val("1e999"), kInfinity);
  EXPECT_EQ(Val("-1e999"), -kInfinity);
  EXPECT_EQ(Val("1e-999"), 0.0);
}

TEST(StrTest, WholeNumbersShowTheirDigitsAlone) {
  EXPECT_EQ(Str(7.0), "7");
  EXPECT_EQ(Str(-3.0), "-3");
  EXPECT_EQ(Str(0.0), "0");
  EXPECT_EQ(Str(97.0, ""), "97");
  EXPECT_EQ(Str(2147483647.0), "2147483647");
}

TEST(StrTest, FractionsAndFormats) {
  EXPECT_EQ(Str(0.5), "0.5");
  EXPECT_EQ(Str(-2.25), "-2.25");
  EXPECT_EQ(Str(0.05, "#.0000"), "0.0500");
}

TEST(NthFieldTest, FieldsAreCountedFromOne) {
  EXPECT_EQ(NthField("a,b,c", ",", 1), "a");
  EXPECT_EQ(NthField("a,b,c", ",", 3), "c");
  EXPECT_EQ(NthField("abc", ",", 1), "abc");
  EXPECT_EQ(NthField("a--b--c", "--", 2), "b");
}

TEST(NthFieldTest, AdjacentSeparatorsEncloseAnEmptyField) {
  EXPECT_EQ(NthField("a,,c", ",", 2), "");
  EXPECT_EQ(NthField("a,,c", ",", 3), "c");
  EXPECT_EQ(NthField("\rx", "\r", 1), "");
  EXPECT_EQ(NthField("\rx", "\r", 2), "x");
  EXPECT_EQ(NthField("x\r", "\r", 2), "");
}

TEST(NthFieldTest, IndexOutsideTheFieldsGivesEmptyText) {
  EXPECT_EQ(NthField("a,b", ",", 3), "");
  EXPECT_EQ(NthField("a,b", ",", 0), "");
  EXPECT_EQ(NthField("a,b", ",", -1), "");
  EXPECT_EQ(NthField("", ",", 1), "");
  EXPECT_EQ(NthField("", ",", 2), "");
}

TEST(ReplaceLineEndingsTest, EveryKindOfEndingBecomesTheGivenOne) {
  EXPECT_EQ(ReplaceLineEndings("a\rb", "\n"), "a\nb");
  EXPECT_EQ(ReplaceLineEndings("a\nb", "\r"), "a\rb");
  EXPECT_EQ(ReplaceLineEndings("a\r\nb", "\r"), "a\rb");
  EXPECT_EQ(ReplaceLineEndings("a\rb\nc\r\nd", "|"), "a|b|c|d");
  EXPECT_EQ(ReplaceLineEndings("a\rb", "\r\n"), "a\r\nb");
  EXPECT_EQ(ReplaceLineEndings("no endings", "\r"), "no endings");
  EXPECT_EQ(ReplaceLineEndings("", "\r"), "");
}

TEST(ReplaceLineEndingsTest, OnlyACarriageReturnDirectlyBeforeALineFeedMakesAPair) {
  EXPECT_EQ(ReplaceLineEndings("a\r\r\nb", "|"), "a||b");
  EXPECT_EQ(ReplaceLineEndings("a\n\rb", "|"), "a||b");
  EXPECT_EQ(ReplaceLineEndings("\r\n\r\n", "|"), "||");
  EXPECT_EQ(ReplaceLineEndings("a\n\nb", "|"), "a||b");
}

TEST(EndOfLineTest, IsALineFeed) {
  EXPECT_EQ(EndOfLine(), "\n");
}

TEST(CharacterTextTest, LengthsAndPositionsCountCharactersNotBytes) {
  const std::string eAcute = "\xC3\xA9";  // two bytes, one character
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("abc"), 3);
  EXPECT_EQ(Len("h" + eAcute + "llo"), 5);
  EXPECT_EQ(Right("h" + eAcute + "llo", 4), eAcute + "llo");
  EXPECT_EQ(Right("h" + eAcute + "llo", 3), "llo");
  EXPECT_EQ(Right("abc", 5), "abc");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Right("", 3), "");
}

TEST(CharacterTextTest, ChrAndAscConvertCodePoints) {
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(Len(Chr(0x1F600)), 1);
  EXPECT_EQ(Asc("A"), 65);
  EXPECT_EQ(Asc("\r\n"), 13);
  EXPECT_EQ(Asc("\xC3\xA9t\xC3\xA9"), 0xE9);
  EXPECT_EQ(Asc(Chr(0x20AC)), 0x20AC);
  EXPECT_EQ(Asc(""), 0);
}

}  // namespace
}  // namespace platform
