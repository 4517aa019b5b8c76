#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// 60 ticks per second from a monotonic clock, as an Int32 (wraps like one).
int32_t Ticks();

// Tests set the tick count; an empty function restores the real clock.
void SetTicksSourceForTests(std::function<int64_t()> source);

// The moment a Date captures when it is made. Tests set it; an empty function restores the clock.
void SetWallClockForTests(std::function<std::chrono::system_clock::time_point()> source);

// A date and time of day, captured when made.
class Date {
 public:
  Date();
  explicit Date(std::chrono::system_clock::time_point moment) : moment_(moment) {}

  // Short texts in the system locale's formats.
  std::string ShortDate() const;
  std::string ShortTime() const;

 private:
  std::chrono::system_clock::time_point moment_;
};

}  // namespace platform
