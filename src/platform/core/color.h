#pragma once

#include <cstdint>

namespace platform {

// 24-bit RGB: red in bits 16-23, green in 8-15, blue in 0-7; zero is black.
class Color {
 public:
  constexpr Color() = default;
  constexpr explicit Color(uint32_t rgb) : rgb_(rgb & 0xFFFFFFu) {}

  constexpr int32_t Red() const { return static_cast<int32_t>((rgb_ >> 16) & 0xFF); }
  constexpr int32_t Green() const { return static_cast<int32_t>((rgb_ >> 8) & 0xFF); }
  constexpr int32_t Blue() const { return static_cast<int32_t>(rgb_ & 0xFF); }
  constexpr uint32_t Value() const { return rgb_; }

  constexpr bool operator==(const Color& other) const { return rgb_ == other.rgb_; }
  constexpr bool operator!=(const Color& other) const { return rgb_ != other.rgb_; }

 private:
  uint32_t rgb_ = 0;
};

// Channels outside 0..255 are clamped.
constexpr Color RGB(int32_t red, int32_t green, int32_t blue) {
  auto clamp = [](int32_t channel) -> uint32_t {
    return channel < 0 ? 0u : channel > 255 ? 255u : static_cast<uint32_t>(channel);
  };
  return Color((clamp(red) << 16) | (clamp(green) << 8) | clamp(blue));
}

}  // namespace platform
