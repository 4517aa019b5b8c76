#include "platform/windows/implicit_instances.h"

#include <map>

namespace platform {
namespace {

// Never destroyed by static destruction: the windows' widgets must go before the Qt application,
// which RuntimeExit sees to; a process that ends without it leaves both to the operating system.
std::map<std::string, std::shared_ptr<Window>>& OpenWindows() {
  static auto* windows = new std::map<std::string, std::shared_ptr<Window>>();
  return *windows;
}

}  // namespace

std::shared_ptr<Window> _GetImplicitWindow(const std::string& className) {
  auto found = OpenWindows().find(className);
  return found == OpenWindows().end() ? nullptr : found->second;
}

void RegisterImplicitWindow(const std::string& className, const std::shared_ptr<Window>& window) {
  OpenWindows()[className] = window;
}

void UnregisterImplicitWindow(const std::string& className, const Window& window) {
  auto found = OpenWindows().find(className);
  if (found != OpenWindows().end() && found->second.get() == &window) {
    // Moved out first: destroying the window may come back here through its own teardown.
    std::shared_ptr<Window> released = std::move(found->second);
    OpenWindows().erase(found);
  }
}

void ReleaseAllImplicitWindows() {
  // One at a time, each taken out of the registry before it is destroyed.
  while (!OpenWindows().empty()) OpenWindows().extract(OpenWindows().begin());
}

}  // namespace platform
