#pragma once

#include <chrono>
#include <string>

#include "platform/text/clock.h"

namespace testing_support {

// Fixes the moment every new Date captures, for the lifetime of the guard.
class FixedWallClock {
 public:
  FixedWallClock()
      : moment_(std::chrono::system_clock::time_point(std::chrono::seconds(1161964800))) {
    const auto moment = moment_;
    platform::SetWallClockForTests([moment] { return moment; });
  }
  ~FixedWallClock() { platform::SetWallClockForTests(nullptr); }
  FixedWallClock(const FixedWallClock&) = delete;
  FixedWallClock& operator=(const FixedWallClock&) = delete;

  // The date line of a report made while the guard is in force.
  std::string DateLine() const {
    const platform::Date date(moment_);
    return "Date: " + date.ShortDate() + "  " + date.ShortTime();
  }

 private:
  std::chrono::system_clock::time_point moment_;
};

}  // namespace testing_support
