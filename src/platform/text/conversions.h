#pragma once

#include <cstdint>

namespace platform {

// The one conversion of a Double to an Int32, used wherever a Double becomes an Int32:
// truncation toward zero, NaN gives 0, values beyond the Int32 range saturate. Total; never faults.
int32_t RuntimeCvtReal64ToSInt32(double value);

// Rounds to a whole number, halves away from zero.
double Round(double value);

}  // namespace platform
