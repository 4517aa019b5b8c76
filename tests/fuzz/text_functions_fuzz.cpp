// The text and number functions on any bytes and any doubles, held to what their callers rely on.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"

namespace {

using fuzzing::FuzzInput;
using fuzzing::Require;

// The distance from |value| to the next larger double: what reading a decimal back may add.
double Spacing(double value) {
  const double magnitude = std::fabs(value);
  return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

bool IsDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The decimals and the fewest integer digits a format asks for.
struct Layout {
  size_t decimals = 0;
  size_t integerDigits = 0;
  bool alwaysSign = false;
};

Layout LayoutOf(const std::string& format) {
  Layout layout;
  const size_t point = format.find('.');
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '+') layout.alwaysSign = true;
    if (point != std::string::npos && i > point && (c == '0' || c == '#')) ++layout.decimals;
    if ((point == std::string::npos || i < point) && c == '0') ++layout.integerDigits;
  }
  layout.decimals = std::min<size_t>(layout.decimals, 24);
  layout.integerDigits = std::max<size_t>(layout.integerDigits, 1);
  return layout;
}

void CheckFormat(double value, const std::string& format) {
  const std::string text = platform::Format(value, format);
  const Layout layout = LayoutOf(format);
  if (!std::isfinite(value)) {
    Require(text == "NaN" || text == "INF" || text == "-INF" || text == "+INF",
            "Format of a non-finite value is a short word");
    return;
  }
  size_t start = 0;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) start = 1;
  Require(!layout.alwaysSign || start == 1, "Format with + always shows a sign");
  const size_t point = text.find('.');
  const std::string whole = text.substr(start, point == std::string::npos ? point : point - start);
  const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  Require(IsDigits(whole) && IsDigits(fraction), "Format gives digits, a sign and a point only");
  Require(whole.size() >= layout.integerDigits, "Format shows every 0 of the integer part");
  Require(fraction.size() == layout.decimals, "Format shows as many decimals as asked");
  Require((point == std::string::npos) == (layout.decimals == 0),
          "Format shows a point exactly when it shows decimals");
  // Read back, the text is within half a unit of its last decimal of the value.
  const double tolerance = 0.5 * std::pow(10.0, -static_cast<double>(layout.decimals)) * (1 + 1e-9);
  const double back = platform::Val(text);
  Require(std::fabs(back - value) <= tolerance + 2 * Spacing(value),
          "Format read back by Val is within half a unit of the last decimal");
}

void CheckStr(double value) {
  const std::string text = platform::Str(value);
  if (!std::isfinite(value)) return;
  const double back = platform::Val(text);
  // Fifteen digits of the largest doubles round up past the largest double.
  if (std::isinf(back) && std::fabs(value) > 1.797693134862315e308) return;
  Require(std::fabs(back - value) <= 1e-14 * std::fabs(value) + 1e-322,
          "Str read back by Val keeps fifteen significant digits");
}

void CheckRound(double value) {
  if (!std::isfinite(value)) return;
  const double rounded = platform::Round(value);
  Require(rounded == std::trunc(rounded), "Round gives a whole number");
  Require(std::fabs(rounded - value) <= 0.5, "Round moves by at most a half");
  if (std::fabs(value - std::trunc(value)) == 0.5) {
    Require(std::fabs(rounded) > std::fabs(value), "Round takes a half away from zero");
  }
}

void CheckInt32Conversion(double value) {
  const int32_t converted = platform::RuntimeCvtReal64ToSInt32(value);
  constexpr double kLargest = std::numeric_limits<int32_t>::max();
  constexpr double kSmallest = std::numeric_limits<int32_t>::min();
  int32_t expected = 0;
  if (std::isnan(value)) {
    expected = 0;
  } else if (value >= kLargest) {
    expected = std::numeric_limits<int32_t>::max();
  } else if (value <= kSmallest) {
    expected = std::numeric_limits<int32_t>::min();
  } else {
    expected = static_cast<int32_t>(std::trunc(value));
  }
  Require(converted == expected, "Double to Int32 truncates, saturates and maps NaN to 0");
}

void CheckNthField(FuzzInput& input) {
  const std::string separator = input.Text(4);
  if (separator.empty()) return;
  // Fields without the separator's first character cannot hide a separator inside them.
  std::vector<std::string> fields(input.Upto(20) + 1);
  std::string joined;
  for (size_t i = 0; i < fields.size(); ++i) {
    std::string field = input.Text(16);
    field.erase(std::remove(field.begin(), field.end(), separator[0]), field.end());
    fields[i] = field;
    joined += (i == 0 ? "" : separator) + field;
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    Require(platform::NthField(joined, separator, static_cast<int32_t>(i + 1)) == fields[i],
            "NthField gives back the fields a text was joined from");
  }
  Require(platform::NthField(joined, separator, static_cast<int32_t>(fields.size() + 1)).empty(),
          "NthField past the last field is empty");
}

void CheckReplaceLineEndings(const std::string& text) {
  size_t breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++breaks;
    }
  }
  const std::string unified = platform::ReplaceLineEndings(text, "\r");
  Require(unified.find('\n') == std::string::npos, "ReplaceLineEndings leaves no line feed");
  Require(static_cast<size_t>(std::count(unified.begin(), unified.end(), '\r')) == breaks,
          "ReplaceLineEndings keeps one break for each line ending");
  Require(platform::ReplaceLineEndings(unified, "\r") == unified,
          "ReplaceLineEndings changes nothing the second time");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const double value = input.Double();
  CheckStr(value);
  CheckRound(value);
  CheckInt32Conversion(value);
  CheckFormat(value, "0.0000");
  CheckFormat(value, input.Text(2048));
  CheckNthField(input);
  CheckReplaceLineEndings(input.Text(512));
  const std::string rest = input.Rest();
  const double read = platform::Val(rest);
  CheckFormat(read, "#.00");
  return 0;
}
