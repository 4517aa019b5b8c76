#pragma once

namespace platform {

using BackgroundTaskHook = void (*)();

namespace detail {
// Read on every pass of every loop, so the check stays inline and costs one load.
inline BackgroundTaskHook backgroundTaskHook = nullptr;
}  // namespace detail

// Called once per pass of every loop of the program's own code. Cheap unless a window layer has
// installed a hook, which then keeps windows painted (paint and timer events only, never input).
inline void RuntimeBackgroundTask() {
  if (detail::backgroundTaskHook != nullptr) detail::backgroundTaskHook();
}

inline void SetBackgroundTaskHook(BackgroundTaskHook hook) {
  detail::backgroundTaskHook = hook;
}

}  // namespace platform
