#include "platform/background_task.h"

namespace platform {
namespace {
BackgroundTaskHook installedHook = nullptr;
}  // namespace

void RuntimeBackgroundTask() {
  if (installedHook != nullptr) installedHook();
}

void SetBackgroundTaskHook(BackgroundTaskHook hook) {
  installedHook = hook;
}

}  // namespace platform
