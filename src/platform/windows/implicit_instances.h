#pragma once

#include <memory>
#include <string>

#include "platform/core/class_record.h"
#include "platform/windows/window.h"

namespace platform {

// The open window registered under the class name, or nil. At most one window per class is open;
// the framework holds it from its construction until it is closed.
std::shared_ptr<Window> _GetImplicitWindow(const std::string& className);

// Called by Window: registration at the start of construction, removal at Close (only when the
// window is the one registered).
void RegisterImplicitWindow(const std::string& className, const std::shared_ptr<Window>& window);
void UnregisterImplicitWindow(const std::string& className, const Window& window);

// Drops every open window without running its Close event (the framework's shutdown).
void ReleaseAllImplicitWindows();

// The implicit-instance accessor of window class W (a class with a static Lookup()): the one open
// window of the class, created and constructed when none is open. A hidden window is returned as
// it is. Keep no reference: call it anew for every use.
template <class W>
std::shared_ptr<W> ImplicitInstance() {
  const ClassRecord& record = W::Lookup();
  std::shared_ptr<Window> window = _GetImplicitWindow(record.name);
  if (!window) {
    window = RuntimeCheckCast<Window>(RuntimeNewObject(record));
    window->Constructor();
  }
  return RuntimeCheckCast<W>(window);
}

// The base of a window class W that has an implicit instance: W::Instance() is the one open window
// of the class, created and constructed when none is open (see ImplicitInstance). Base is Window
// or a class derived from it.
template <class W, class Base = Window>
class ImplicitWindow : public Base {
 public:
  static std::shared_ptr<W> Instance() { return ImplicitInstance<W>(); }
};

}  // namespace platform
