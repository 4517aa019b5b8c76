// The text and number functions on any bytes and any doubles, held to what their callers rely on.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

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

// The decimals a format asks for, at most 24.
size_t DecimalsOf(const std::string& format) {
  const size_t point = format.find('.');
  if (point == std::string::npos) return 0;
  const auto decimals = std::count_if(format.begin() + static_cast<long>(point), format.end(),
                                      [](char c) { return c == '0' || c == '#'; });
  return std::min<size_t>(static_cast<size_t>(decimals), 24);
}

void CheckFormat(double value, const std::string& format) {
  const std::string text = platform::Format(value, format);
  const size_t decimals = DecimalsOf(format);
  if (!std::isfinite(value)) {
    Require(text == "NaN" || text == "INF" || text == "-INF" || text == "+INF",
            "Format of a non-finite value is a short word");
    return;
  }
  // Read back, the text is within half a unit of its last decimal of the value.
  const double tolerance = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) * (1 + 1e-9);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const double value = input.Double();
  CheckStr(value);
  CheckRound(value);
  CheckFormat(value, "0.0000");
  CheckFormat(value, input.Text(2048));
  const std::string rest = input.Rest();
  const double read = platform::Val(rest);
  CheckFormat(read, "#.00");
  return 0;
}
