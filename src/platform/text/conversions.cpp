#include "platform/text/conversions.h"

#include <cmath>
#include <limits>

namespace platform {

int32_t RuntimeCvtReal64ToSInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);  // in range: truncates toward zero
}

double Round(double value) {
  return std::round(value);
}

}  // namespace platform
