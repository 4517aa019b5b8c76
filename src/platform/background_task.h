#pragma once

namespace platform {

// Called once per pass of every loop of the program's own code. Cheap unless a window layer has
// installed a hook, which then keeps windows painted (paint and timer events only, never input).
void RuntimeBackgroundTask();

using BackgroundTaskHook = void (*)();
void SetBackgroundTaskHook(BackgroundTaskHook hook);

}  // namespace platform
