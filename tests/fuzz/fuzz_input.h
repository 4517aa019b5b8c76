#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>

namespace fuzzing {

// Reads typed values from the fuzzer's bytes, front to back. Past the end every read gives zero or
// the empty text, so any input is a complete test case. Read each value into a variable of its own
// before passing it on: compilers evaluate function arguments in different orders, and an input
// must mean the same to the libFuzzer build (clang) and to the replay (any compiler).
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return position_ >= size_; }

  uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
  bool Flag() { return (Byte() & 1) != 0; }

  uint32_t UInt32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  int32_t Int32() { return static_cast<int32_t>(UInt32()); }

  // A number in 0..limit.
  uint32_t Upto(uint32_t limit) {
    return limit == std::numeric_limits<uint32_t>::max() ? UInt32() : UInt32() % (limit + 1);
  }

  // Raw bits most of the time, so every double can come up, and the values that break arithmetic
  // often enough to be combined with each other.
  double Double() {
    // clang-format off
    static constexpr double kEdges[] = {
        0.0, -0.0, 0.5, -0.5, 2.5, 1e308, -1e308, std::numeric_limits<double>::max(),
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
        2147483647.5, -2147483648.5};
    // clang-format on
    const uint8_t selector = Byte();
    if (selector < 2 * std::size(kEdges)) return kEdges[selector % std::size(kEdges)];
    const uint64_t high = UInt32();
    const uint64_t bits = high << 32 | UInt32();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // Text of up to `longest` bytes; its length comes first.
  std::string Text(size_t longest) {
    const size_t high = Byte();
    size_t length = (high << 8 | Byte()) % (longest + 1);
    length = std::min(length, size_ - std::min(position_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + position_), length);
    position_ += length;
    return text;
  }

  // Whatever is left.
  std::string Rest() {
    std::string text =
        Empty() ? std::string()
                : std::string(reinterpret_cast<const char*>(data_ + position_), size_ - position_);
    position_ = size_;
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// A property that must hold for every input: when it does not, the input is a finding.
inline void Require(bool holds, const std::string& property) {
  if (holds) return;
  std::cerr << "Property failed: " << property << '\n';
  std::abort();
}

}  // namespace fuzzing
