#pragma once

#include <cstdint>

#include "platform/text/conversions.h"

namespace corvane {

// The line graph's one way from a Double to an Int32: truncation toward zero, NaN gives 0, values
// beyond the Int32 range saturate. Pixel arithmetic on Int32 fields is done in Double before it
// comes here, so an offset from an infinite scale saturates instead of overflowing.
inline int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

}  // namespace corvane
