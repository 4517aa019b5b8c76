#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/canvas.h"
#include "platform/core/background_task.h"
#include "platform/core/class_record.h"
#include "platform/core/delegate.h"
#include "platform/core/invoker.h"
#include "platform/graphics/picture.h"
#include "platform/windows/window.h"

// What every window class of Corvane does the same way: control accessors, the values a window
// sets in code on a new control before its record is applied, and menu-handler registration.
namespace corvane {

// The declaration of a Corvane window class: Layout, CreateControls and, when the window has it,
// the hidden _CreateControls0 they run open its method table and handle the construction hooks;
// its own operations and the other events they handle follow.
template <class W>
platform::ClassDeclaration WindowClass(std::vector<platform::MemberRecord> methods,
                                       std::vector<std::string> handledEvents = {}) {
  using platform::Method;
  std::vector<platform::MemberRecord> table = {Method("Layout", "%%", &W::Layout),
                                               Method("CreateControls", "%%", &W::CreateControls)};
  if constexpr (requires { &W::_CreateControls0; }) {
    table.push_back(
        Method("_CreateControls0", "%%", &W::_CreateControls0,
               {platform::Attribute("__Scope", "Public"), platform::Attribute("Hidden")}));
  }
  std::move(methods.begin(), methods.end(), std::back_inserter(table));
  handledEvents.insert(handledEvents.begin(), {"Layout", "CreateControls"});
  return platform::PublicClass(std::move(table), std::move(handledEvents));
}

// Registers on the target, for each item name in order, its operation "_<item>_Action" as the
// item's menu handler: no arguments, a Boolean result, bound to the target for as long as it lives.
template <class T>
void AddMenuActionHandlers(const std::shared_ptr<T>& target,
                           std::initializer_list<const char*> itemNames) {
  for (const char* item : itemNames) {
    target->_AddMenuHandler(
        item, platform::DelegateFromMethodTable(target, std::string("_") + item + "_Action",
                                                "(  ) as Boolean", false));
    platform::RuntimeBackgroundTask();
  }
}

// The window's control of that name as its class, looked up anew on every call.
template <class T>
std::shared_ptr<T> ControlNamed(const platform::Window& window, const std::string& name) {
  return platform::RuntimeCheckCast<T>(window._ControlByName(name));
}

// Sets TextSize and then the default TextUnit, each on a fresh lookup of the control.
template <class W, class C>
std::function<void()> TextSizeInCode(W* window, std::shared_ptr<C> (W::*accessor)(), float size) {
  return [window, accessor, size] {
    (window->*accessor)()->SetTextSize(size);
    (window->*accessor)()->SetTextUnit(0);
  };
}

// Sets the canvas's backdrop to the picture its accessor gives (nil leaves the canvas blank).
template <class W>
std::function<void()> BackdropInCode(W* window, std::shared_ptr<platform::Canvas> (W::*accessor)(),
                                     std::shared_ptr<platform::Picture> (*picture)()) {
  return [window, accessor, picture] { (window->*accessor)()->SetBackdrop(picture()); };
}

}  // namespace corvane
