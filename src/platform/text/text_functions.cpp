#include "platform/text/text_functions.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// Writes the decimal digits of `value` so that they end just before `end`; returns where they
// start.
char* WriteDigits(Wide value, char* end) {
  char* cursor = end;
  // Wide division is a library call; most values fit 64 bits, where dividing by ten is cheap.
  while (value > static_cast<Wide>(UINT64_MAX)) {
    *--cursor = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  }
  auto narrow = static_cast<uint64_t>(value);
  do {
    *--cursor = static_cast<char>('0' + static_cast<int>(narrow % 10));
    narrow /= 10;
  } while (narrow != 0);
  return cursor;
}

// The digits of |value| x 10^decimals rounded half away from zero, computed exactly from the
// binary value so that a true half (0.125 to two places) rounds up and a value just below one
// (2.675 is stored as 2.67499...) rounds down. The digits end just before `end`; returns their
// start. `end` must have 400 characters of room before it.
char* ScaledRoundedDigits(double magnitude, int decimals, char* end) {
  if (magnitude == 0.0) return WriteDigits(0, end);
  // magnitude = mantissa x 2^binaryExponent exactly, read from the bits of the double.
  uint64_t bits = 0;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const auto biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t fractionBits = bits & ((uint64_t{1} << 52) - 1);
  const Wide mantissa = biasedExponent == 0 ? fractionBits : fractionBits | (uint64_t{1} << 52);
  const int binaryExponent = (biasedExponent == 0 ? 1 : biasedExponent) - 1075;
  int shift = binaryExponent + decimals;
  if (decimals <= 4 && shift < 0 && shift > -64) {
    // The usual case, a number of ordinary size to a few places: 53 bits times 5^4 fit 64 bits.
    static constexpr uint64_t kPowersOfFive[] = {1, 5, 25, 125, 625};
    const uint64_t scaled = static_cast<uint64_t>(mantissa) * kPowersOfFive[decimals];
    const int dropped = -shift;
    uint64_t whole = scaled >> dropped;
    const uint64_t remainder = scaled - (whole << dropped);
    if (remainder >= (uint64_t{1} << (dropped - 1))) ++whole;
    return WriteDigits(whole, end);
  }
  Wide product = mantissa;
  for (int i = 0; i < decimals; ++i) product *= 5;  // decimals <= 24 keeps this below 2^109
  if (shift > 14) {
    // A whole number too wide for 128 bits: exact, so printf has nothing to round.
    char buffer[400];
    int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    char* cursor = end;
    for (int i = length - 1; i >= 0; --i) {
      if (IsDigit(buffer[i])) *--cursor = buffer[i];
    }
    return cursor;
  }
  if (shift >= 0) return WriteDigits(product << shift, end);
  int dropped = -shift;
  if (dropped >= 120) return WriteDigits(0, end);
  Wide whole = product >> dropped;
  Wide remainder = product - (whole << dropped);
  Wide half = static_cast<Wide>(1) << (dropped - 1);
  if (remainder >= half) ++whole;
  return WriteDigits(whole, end);
}

// Reading every line of a text with NthField would scan the text once per line. The field
// boundaries of the last text split at a one-character separator are kept, so reading its fields
// one after the other costs one comparison of the text each.
struct FieldIndex {
  std::string text;
  char separator = '\0';
  std::vector<size_t> starts;  // start of each field; a field ends one before the next start
  bool valid = false;
};

std::string FieldOfLastSplit(const std::string& text, char separator, int32_t index) {
  thread_local FieldIndex last;
  if (!last.valid || last.separator != separator || last.text != text) {
    last.text = text;
    last.separator = separator;
    last.starts.assign(1, 0);
    for (const char* cursor = text.data();;) {
      const char* end = text.data() + text.size();
      auto found = static_cast<const char*>(std::memchr(cursor, separator, end - cursor));
      if (found == nullptr) break;
      cursor = found + 1;
      last.starts.push_back(static_cast<size_t>(cursor - text.data()));
    }
    last.valid = true;
  }
  const auto field = static_cast<size_t>(index - 1);
  if (field >= last.starts.size()) return "";
  const size_t start = last.starts[field];
  const size_t end = field + 1 < last.starts.size() ? last.starts[field + 1] - 1 : text.size();
  return text.substr(start, end - start);
}

struct FormatSpec {
  bool alwaysSign = false;
  size_t minimumIntegerDigits = 0;
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
  const char* first = text.data() + start;
  const char* last = text.data() + position;
  const bool negative = *first == '-';
  if (*first == '+' || negative) ++first;
  double magnitude = 0.0;
  auto [unused, error] = std::from_chars(first, last, magnitude);
  // from_chars leaves the value alone when it overflows or underflows; strtod says which.
  if (error != std::errc()) magnitude = ParseWithPoint(std::string(first, last));
  return negative ? -magnitude : magnitude;
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

  char buffer[512];
  char* end = buffer + sizeof buffer;
  const char* digits = ScaledRoundedDigits(std::fabs(value), parsed.decimals, end);
  const auto digitCount = static_cast<size_t>(end - digits);
  const bool isZero = *digits == '0' && digitCount == 1;
  // The leading zeros a format asks for can be any number, so they go into the text, never into
  // the buffer.
  const size_t wanted = parsed.minimumIntegerDigits + static_cast<size_t>(parsed.decimals);
  const size_t leadingZeros = wanted > digitCount ? wanted - digitCount : 0;

  std::string text;
  text.reserve(leadingZeros + digitCount + 2);
  // A value that rounds to zero shows no minus sign.
  if (value < 0 && !isZero) {
    text += '-';
  } else if (parsed.alwaysSign) {
    text += '+';
  }
  text.append(leadingZeros, '0');
  text.append(digits, digitCount);
  if (parsed.decimals > 0) text.insert(text.end() - parsed.decimals, '.');
  return text;
}

std::string NthField(const std::string& text, const std::string& separator, int32_t index) {
  if (index < 1 || separator.empty()) return "";
  if (separator.size() == 1) return FieldOfLastSplit(text, separator[0], index);
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
  size_t start = 0;
  for (size_t found = text.find_first_of("\r\n"); found != std::string::npos;
       found = text.find_first_of("\r\n", start)) {
    result.append(text, start, found - start);
    result += ending;
    start = found + 1;
    if (text[found] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  result.append(text, start, std::string::npos);
  return result;
}

std::string EndOfLine() {
  return "\n";
}

int32_t Len(const std::string& text) {
  int32_t count = 0;
  for (char c : text) count += IsContinuationByte(c) ? 0 : 1;
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

int32_t StrComp(const std::string& left, const std::string& right) {
  // UTF-8 keeps code point order when compared byte by byte.
  const int result = left.compare(right);
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace platform
