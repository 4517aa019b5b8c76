#include "platform/text/arrays.h"

namespace platform {
namespace detail {

void ThrowIndexOutOfBounds(const std::string& index, int32_t upperBound) {
  throw OutOfBoundsException("Index " + index + " outside 0.." + std::to_string(upperBound));
}

void ThrowIndexOutOfBounds(int32_t row, int32_t column, int32_t rows, int32_t columns) {
  throw OutOfBoundsException("Index (" + std::to_string(row) + ", " + std::to_string(column) +
                             ") outside 0.." + std::to_string(rows - 1) + " by 0.." +
                             std::to_string(columns - 1));
}

}  // namespace detail
}  // namespace platform
