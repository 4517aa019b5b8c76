#pragma once

#include <chrono>
#include <functional>

#include "platform/testing/user_simulation.h"

namespace testing_support {

// Lets the event loop run until `done` holds, for `limit` at most; returns whether it holds. For
// what a test scheduled from the event loop and must see happen.
inline bool ProcessEventsUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < end) platform::ProcessPendingEvents();
  return done();
}

}  // namespace testing_support
