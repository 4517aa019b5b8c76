#pragma once

#include <cstdint>
#include <string>

// Text is UTF-8 in std::string; "" is the absent text. Lengths and positions count characters.
namespace platform {

// The number at the start of the text: leading blanks and tabs skipped, an optional sign, digits,
// an optional point and digits, an optional exponent; stops at the first character that does not
// fit. Text without a number gives 0.
double Val(const std::string& text);

// A number as text. With an empty format a whole number shows its digits alone ("7"); other values
// show up to 15 significant digits. A non-empty format is applied as by Format.
std::string Str(double value, const std::string& format = "");

// Formats by a pattern of "0" (a digit always shown), "#" (a digit that may be left out), "+" (the
// sign always shown) and "." (the decimal point); as many decimals as placeholders after the point,
// rounded half away from zero. An integer part of "#" only still shows one digit. Infinite and NaN
// values give "INF", "-INF" and "NaN" (with "+INF" where the format asks for the sign).
std::string Format(double value, const std::string& spec);

// Field `index` (from 1) of the text split at every occurrence of `separator`; "" past the last.
std::string NthField(const std::string& text, const std::string& separator, int32_t index);

// Replaces every line ending (carriage return, line feed, or the pair) by `ending`.
std::string ReplaceLineEndings(const std::string& text, const std::string& ending);

// The platform line ending: a line feed.
std::string EndOfLine();

// Number of characters.
int32_t Len(const std::string& text);

// The last `count` characters.
std::string Right(const std::string& text, int32_t count);

// The one-character text of a code point.
std::string Chr(int32_t code);

// The code point of the first character; 0 for the empty text.
int32_t Asc(const std::string& text);

// Compares two texts by their characters' code points: negative, zero or positive.
int32_t StrComp(const std::string& left, const std::string& right);

}  // namespace platform
