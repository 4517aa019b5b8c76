#include "platform/text_functions.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

__extension__ typedef unsigned __int128 Wide;  // exact rounding needs more than 64 bits

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// strtod honours the process locale, which the desktop may set to one with a decimal comma;
// numbers in Corvane always use a point.
double ParseWithPoint(const std::string& number) {
  static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  return strtod_l(number.c_str(), nullptr, cLocale);
}

std::string WideToDigits(Wide value) {
  if (value == 0) return "0";
  char buffer[48];
  int length = 0;
  while (value != 0) {
    buffer[length++] = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  }
  std::string digits(static_cast<size_t>(length), '0');
  for (int i = 0; i < length; ++i) digits[static_cast<size_t>(i)] = buffer[length - 1 - i];
  return digits;
}

// The digits of |value| x 10^decimals rounded half away from zero, computed exactly from the
// binary value so that a true half (0.125 to two places) rounds up and a value just below one
// (2.675 is stored as 2.67499...) rounds down.
std::string ScaledRoundedDigits(double magnitude, int decimals) {
  if (magnitude == 0.0) return "0";
  int exponent = 0;
  double fraction = std::frexp(magnitude, &exponent);
  auto mantissa = static_cast<Wide>(static_cast<uint64_t>(std::ldexp(fraction, 53)));
  int shift = exponent - 53 + decimals;
  Wide product = mantissa;
  for (int i = 0; i < decimals; ++i) product *= 5;  // decimals <= 24 keeps this below 2^109
  if (shift >= 0) {
    // A whole number: exact, so printf has nothing to round.
    if (shift > 14) {
      char buffer[400];
      std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
      std::string digits;
      for (const char* c = buffer; *c != '\0'; ++c) {
        if (IsDigit(*c)) digits += *c;
      }
      return digits;
    }
    return WideToDigits(product << shift);
  }
  int dropped = -shift;
  if (dropped >= 120) return "0";
  Wide whole = product >> dropped;
  Wide remainder = product - (whole << dropped);
  Wide half = static_cast<Wide>(1) << (dropped - 1);
  if (remainder >= half) ++whole;
  return WideToDigits(whole);
}

struct FormatSpec {
  bool alwaysSign = false;
  int minimumIntegerDigits = 0;
  int decimals = 0;
};

FormatSpec ParseSpec(const std::string& spec) {
  FormatSpec parsed;
  bool afterPoint = false;
  for (char c : spec) {
    if (c == '+') parsed.alwaysSign = true;
    if (c == '.') afterPoint = true;
    if (afterPoint && (c == '0' || c == '#')) ++parsed.decimals;
    if (!afterPoint && c == '0') ++parsed.minimumIntegerDigits;
  }
  // An integer part of "#" only still shows one digit.
  if (parsed.minimumIntegerDigits == 0) parsed.minimumIntegerDigits = 1;
  if (parsed.decimals > 24) parsed.decimals = 24;
  return parsed;
}

std::string NonFiniteText(double value, bool alwaysSign) {
  if (std::isnan(value)) return "NaN";
  if (value < 0) return "-INF";
  return alwaysSign ? "+INF" : "INF";
}

}  // namespace

double Val(const std::string& text) {
  size_t position = 0;
  while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) ++position;
  const size_t start = position;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) ++position;
  size_t digits = 0;
  while (position < text.size() && IsDigit(text[position])) ++position, ++digits;
  if (position < text.size() && text[position] == '.') {
    ++position;
    while (position < text.size() && IsDigit(text[position])) ++position, ++digits;
  }
  if (digits == 0) return 0.0;
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    size_t exponent = position + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      position = exponent;
      while (position < text.size() && IsDigit(text[position])) ++position;
    }
  }
  return ParseWithPoint(text.substr(start, position - start));
}

std::string Str(double value, const std::string& format) {
  if (!format.empty()) return Format(value, format);
  if (!std::isfinite(value)) return NonFiniteText(value, false);
  if (value == 0.0) return "0";
  char buffer[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
  }
  std::string text(buffer);
  for (char& c : text) {
    if (c == ',') c = '.';  // guard against a decimal-comma locale
  }
  return text;
}

std::string Format(double value, const std::string& spec) {
  const FormatSpec parsed = ParseSpec(spec);
  if (!std::isfinite(value)) return NonFiniteText(value, parsed.alwaysSign);

  std::string digits = ScaledRoundedDigits(std::fabs(value), parsed.decimals);
  const size_t wanted = static_cast<size_t>(parsed.minimumIntegerDigits + parsed.decimals);
  if (digits.size() < wanted) digits.insert(0, wanted - digits.size(), '0');

  // A value that rounds to zero shows no minus sign.
  const bool isZero = digits.find_first_not_of('0') == std::string::npos;
  std::string text;
  if (value < 0 && !isZero) {
    text = "-";
  } else if (parsed.alwaysSign) {
    text = "+";
  }
  const size_t integerLength = digits.size() - static_cast<size_t>(parsed.decimals);
  text += digits.substr(0, integerLength);
  if (parsed.decimals > 0) text += "." + digits.substr(integerLength);
  return text;
}

std::string NthField(const std::string& text, const std::string& separator, int32_t index) {
  if (index < 1 || separator.empty()) return "";
  size_t start = 0;
  for (int32_t field = 1; field < index; ++field) {
    size_t found = text.find(separator, start);
    if (found == std::string::npos) return "";
    start = found + separator.size();
  }
  size_t end = text.find(separator, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string ReplaceLineEndings(const std::string& text, const std::string& ending) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += ending;
    } else if (c == '\n') {
      result += ending;
    } else {
      result += c;
    }
  }
  return result;
}

std::string EndOfLine() {
  return "\n";
}

int32_t Len(const std::string& text) {
  int32_t count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string Right(const std::string& text, int32_t count) {
  if (count <= 0) return "";
  size_t start = text.size();
  int32_t taken = 0;
  while (start > 0 && taken < count) {
    --start;
    if (!IsContinuationByte(text[start])) ++taken;
  }
  return text.substr(start);
}

std::string Chr(int32_t code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return "";
  auto byte = [](int32_t value) { return static_cast<char>(value); };
  if (code < 0x80) return std::string(1, byte(code));
  if (code < 0x800) return {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
  if (code < 0x10000) {
    return {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)),
            byte(0x80 | (code & 0x3F))};
  }
  return {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
          byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
}

int32_t Asc(const std::string& text) {
  if (text.empty()) return 0;
  auto lead = static_cast<unsigned char>(text[0]);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || static_cast<size_t>(length) > text.size()) return lead;  // not UTF-8: the byte
  if (length == 1) return lead;
  int32_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    auto next = static_cast<unsigned char>(text[static_cast<size_t>(i)]);
    if ((next & 0xC0) != 0x80) return lead;
    code = (code << 6) | (next & 0x3F);
  }
  return code;
}

}  // namespace platform
